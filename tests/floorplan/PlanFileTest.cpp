#include "floorplan/PlanFile.h"
#include "floorplan/PlanRules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cfloat>
#include <limits>

using namespace tessavo::floorplan;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PlanFileFormat, TwipsAsPlainDecimals)
{
    // Near the single-precision limit: seven digits, then zeros.
    const struct {
        float value;
        const char *text;
    } rows[] = {
        {0, "0"},
        {1605, "1605"},
        {-480, "-480"},
        {0.5f, "0.5"},
        {-0.25f, "-0.25"},
        {4800, "4800"},
        {1234.5f, "1234.5"},
        {12345678, "12345680"},
        {0.000123456789f, "0.0001234568"},
        {1e20f, "100000000000000000000"},
        {-0.0f, "0"},
        {1200, "1200"},
        {120, "120"},
        {1590, "1590"},
        {0.1f, "0.1"},
        {1.0f / 3, "0.3333333"},
        {10000005, "10000010"},
        {-1e-3f, "-0.001"},
        {FLT_MAX, "340282300000000000000000000000000000000"},
        {-FLT_MAX, "-340282300000000000000000000000000000000"},
        {3e38f, "300000000000000000000000000000000000000"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(formatTwips(r.value), QString::fromLatin1(r.text)) << r.text;
    // The smallest single-precision value, 1.40129846e-45.
    EXPECT_EQ(formatTwips(std::numeric_limits<float>::denorm_min()),
              QLatin1String("0.") + QString(44, QLatin1Char('0')) + QLatin1String("1401298"));
}

TEST(PlanFileFormat, RecordsAsTheyAreWritten)
{
    const std::vector<PlanRecord> records = {
        {1, QStringLiteral("Kitchen"), 0, 0, 1605, 1200, 1},
        {2, QStringLiteral("Main Entrance"), 0, 0, 795, 0, 1},
        {3, QString(), 1590, 0, 120, 120, 1},
        {4, QStringLiteral("Deleted Door"), 4800, 4800, 0, 0, 1},
    };
    EXPECT_EQ(*planFileBytes(records), QByteArray("1,\"Kitchen\",0,0,1605,1200,1\r\n"
                                                   "2,\"Main Entrance\",0,0,795,0,1\r\n"
                                                   "3,\"\",1590,0,120,120,1\r\n"
                                                   "4,\"Deleted Door\",4800,4800,0,0,1\r\n"));
    EXPECT_EQ(*planFileBytes({}), QByteArray());
}

TEST(PlanFileFormat, TextsTheFileCannotHoldAreRefused)
{
    for (const char *text : {"MY \"BIG\" ROOM", "TWO\nLINES", "CR\rHERE"}) {
        QString error;
        EXPECT_FALSE(planFileBytes({{1, QString::fromLatin1(text), 0, 0, 15, 15, 1}}, &error))
            << text;
        EXPECT_TRUE(error.contains(QLatin1String("element 1"))) << error.toStdString();
    }
}

TEST(PlanFileRead, WhatTheReaderAccepts)
{
    const PlanRecord kitchen{1, QStringLiteral("Kitchen"), 0, 0, 1605, 1200, 1};
    const struct {
        const char *what;
        QByteArray bytes;
        std::vector<PlanRecord> records;
    } rows[] = {
        {"the written form", "1,\"Kitchen\",0,0,1605,1200,1\r\n", {kitchen}},
        {"no line break at the end", "1,\"Kitchen\",0,0,1605,1200,1", {kitchen}},
        {"line feeds only", "1,\"Kitchen\",0,0,1605,1200,1\n", {kitchen}},
        {"blank lines and blanks before fields", "\r\n 1, \"Kitchen\", 0,0,1605,1200,1\r\n\r\n",
         {kitchen}},
        {"a record over two lines", "1,\"Kitchen\",0,0\r\n1605,1200,1\r\n", {kitchen}},
        {"an unquoted text", "1,Kitchen ,0,0,1605,1200,1\r\n", {kitchen}},
        {"leading point and decimals", "7,\"\",.5,-0.5,1605.0,1200,0\r\n",
         {{7, QString(), 0.5f, -0.5f, 1605, 1200, 0}}},
        {"a door", "3,\"\",1590,0,120,120,1\r\n", {{3, QString(), 1590, 0, 120, 120, 1}}},
        {"an empty file", "", {}},
        {"8-bit text", "1,\"Caf\xe9\",0,0,1605,1200,1\r\n",
         {{1, QString::fromUtf8("Caf\xc3\xa9"), 0, 0, 1605, 1200, 1}}},
        {"UTF-8 text", "1,\"Caf\xc3\xa9\",0,0,1605,1200,1\r\n",
         {{1, QString::fromUtf8("Caf\xc3\xa9"), 0, 0, 1605, 1200, 1}}},
        // Tidied by hand.
        {"blanks after a closing quote", "1,\"Kitchen\"  ,0,0,1605,1200,1\r\n", {kitchen}},
        {"blanks at the ends of lines", "1,\"Kitchen\",0,0 \r\n1605,1200,1 \t\r\n", {kitchen}},
        {"a line end right after a quote", "1,\"Kitchen\"\r\n0,0,1605,1200,1\r\n", {kitchen}},
        {"blanks, then a line end after a quote", "1,\"Kitchen\" \r\n0,0,1605,1200,1\r\n",
         {kitchen}},
        {"a line end after the quote of an empty text", "3,\"\"\n1590,0,120,120,1\n",
         {{3, QString(), 1590, 0, 120, 120, 1}}},
        {"blanks after the last line end", "1,\"Kitchen\",0,0,1605,1200,1\r\n \t ", {kitchen}},
    };
    for (const auto &r : rows) {
        PlanFileError error;
        const auto records = parsePlanFile(r.bytes, &error);
        ASSERT_TRUE(records.has_value()) << r.what << ": line " << error.line << " "
                                         << error.reason.toStdString();
        EXPECT_EQ(*records, r.records) << r.what;
    }
}

TEST(PlanFileRead, BrokenFilesNameTheLineAndTheCheck)
{
    const struct {
        const char *file;
        int line;
        const char *reason;
    } rows[] = {
        {"missing-quote.txt", 1, "a text has no closing quote"},
        {"short-record.txt", 2, "the record has 5 of its 7 fields"},
        {"width-not-number.txt", 3, "the width is not a number"},
        {"negative-size.txt", 2, "the width is negative"},
        {"size-below-zero.txt", 2, "the height is negative"},
        {"border-style.txt", 1, "the border style is not 0 or 1"},
        {"two-points.txt", 2, "the left edge is not a number"},
        {"text-after-quote.txt", 1, "there is more after a quoted text"},
        {"index-not-number.txt", 1, "the index is not a whole number"},
        {"index-fraction.txt", 2, "the index is not a whole number"},
        {"index-too-large.txt", 2, "the index is larger than 32767"},
        {"border-style-half.txt", 2, "the border style is not 0 or 1"},
        {"out-of-range.txt", 2, "the left edge is not a number"},
        {"extra-field.txt", 3, "the record has 1 of its 7 fields"},
        // Texts that could not be written back.
        {"quote-in-name.txt", 2, "the text holds a double quote"},
        {"line-break-in-name.txt", 1, "a text holds a line break"},
    };
    const QDir data(QStringLiteral(TESSAVO_FLOORPLAN_DATA));
    for (const auto &r : rows) {
        const QString path = data.filePath(QString::fromLatin1(r.file));
        ASSERT_TRUE(QFile::exists(path)) << r.file;
        const PlanFileRead read = readPlanFile(path);
        EXPECT_EQ(read.status, ReadStatus::Malformed) << r.file;
        EXPECT_EQ(read.error.line, r.line) << r.file;
        EXPECT_EQ(read.error.reason, QString::fromLatin1(r.reason)) << r.file;
        EXPECT_TRUE(read.records.empty()) << r.file;
    }
}

TEST(PlanFileRead, NearMissesOfTheBrokenFiles)
{
    const struct {
        const char *what;
        QByteArray bytes;
        int line;
        const char *reason;
    } rows[] = {
        {"line feed in a name", "1,\"Hall\",0,0,15,15,1\r\n2,\"KIT\nCHEN\",0,0,15,15,1\r\n", 2,
         "a text holds a line break"},
        {"line break pair in a name", "1,\"KIT\r\nCHEN\",0,0,15,15,1\r\n", 1,
         "a text holds a line break"},
        {"quote inside a name", "1,KIT\"CHEN,0,0,15,15,1\r\n", 1, "the text holds a double quote"},
        {"blank, then text after the quote", "1,\"Hall\" x,0,0,15,15,1\r\n", 1,
         "there is more after a quoted text"},
        {"doubled quote", "1,\"Hall\"\"s\",0,0,15,15,1\r\n", 1,
         "there is more after a quoted text"},
        {"width just below zero", "1,\"\",0,0,-0.001,0,1\r\n", 1, "the width is negative"},
        {"height of minus one", "1,\"\",0,0,0,-1,1\r\n", 1, "the height is negative"},
        {"an index far below nought", "1,\"\",0,0,0,0,1\r\n-40000,\"\",0,0,0,0,1\r\n", 2,
         "the index is smaller than -32767"},
        {"beyond single precision", "1,\"\",0,0,0,340282400000000000000000000000000000000,1\r\n", 1,
         "the height is not a number"},
        {"after a line of blanks", "1,\"Hall\",0,0,15,15,1\r\n  \r\n2,\"\",0,0,x,15,1\r\n", 3,
         "the width is not a number"},
        {"a first field after a blank line", "1,\"Hall\",0,0,15,15,1\r\n\r\nx,\"\",0,0,15,15,1\r\n",
         3, "the index is not a whole number"},
        {"an empty last field, then a line", "1,\"Hall\",0,0,15,15,\r\n1,\"Hall\",0,0,15,15,1\r\n",
         1, "the border style is not 0 or 1"},
    };
    for (const auto &r : rows) {
        PlanFileError error;
        EXPECT_FALSE(parsePlanFile(r.bytes, &error)) << r.what;
        EXPECT_EQ(error.line, r.line) << r.what;
        EXPECT_EQ(error.reason, QString::fromLatin1(r.reason)) << r.what;
    }
    // A negative edge is a place, not a size; minus nought is nought.
    const auto records = parsePlanFile("1,\"\",-0.5,-480,-0,-0.0,1\r\n");
    ASSERT_TRUE(records);
    EXPECT_EQ(records->front().left, -0.5f);
    EXPECT_EQ(records->front().width, 0.0f);
}

TEST(PlanFileRead, AtMostTheElementsSixteenBitIndicesCount)
{
    QByteArray bytes;
    for (int i = 1; i <= 32767; ++i)
        bytes += QByteArray::number(i) + ",\"\",0,0,15,15,1\r\n";
    const auto full = parsePlanFile(bytes);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->size(), 32767u);

    bytes += "32768,\"\",0,0,15,15,1\r\n";
    PlanFileError error;
    EXPECT_FALSE(parsePlanFile(bytes, &error));
    EXPECT_EQ(error.line, 32768);
    EXPECT_EQ(error.reason, QStringLiteral("the file holds more than 32767 elements"));
}

TEST(PlanFileRoundTrip, WhatIsSavedOpensToTheSamePlan)
{
    Plan plan;
    addElement(plan, QStringLiteral("KITCHEN"), 0, 0, 1600, 1200);
    addElement(plan, QStringLiteral("Master Bed Room"), 1605, 0, 1590, 2400);
    addElement(plan, kMainEntranceText, 0, 0, 795, 0);
    addElement(plan, kBackEntranceText, 1605, 0, 0, 405);
    addElement(plan, QString(), 0, 0, 315, 0);
    addElement(plan, QStringLiteral("HALL"), 3200, 3200, 800, 800);
    retireRoom(plan, 6);
    addElement(plan, QString(), 15, 15, 30, 30);
    retireDoor(plan, 7);
    plan.setBorderStyle(2, 0);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = planFilePath(dir.path());
    QString error;
    ASSERT_TRUE(writePlanFile(path, planRecords(plan), &error)) << error.toStdString();
    const PlanFileRead read = readPlanFile(path);
    ASSERT_EQ(read.status, ReadStatus::Ok) << read.error.reason.toStdString();
    EXPECT_EQ(read.records, planRecords(plan));
    EXPECT_TRUE(readAll(path).endsWith("\r\n"));
}

TEST(PlanFileWrite, AFailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = planFilePath(dir.path());
    const std::vector<PlanRecord> old = {{1, QStringLiteral("HALL"), 0, 0, 15, 15, 1}};
    ASSERT_TRUE(writePlanFile(path, old));
    const QByteArray before = readAll(path);

    // A text the file cannot hold: nothing is written at all.
    QString error;
    EXPECT_FALSE(writePlanFile(path, {{1, QStringLiteral("A\"B"), 0, 0, 15, 15, 1}}, &error));
    EXPECT_EQ(readAll(path), before);

    // A folder that cannot take the file.
    EXPECT_FALSE(writePlanFile(dir.filePath(QStringLiteral("no/such/folder/Structure.txt")), old,
                               &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(path), before);

    EXPECT_EQ(readPlanFile(dir.filePath(QStringLiteral("absent.txt"))).status, ReadStatus::Missing);
}
