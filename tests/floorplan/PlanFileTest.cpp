#include "floorplan/PlanFile.h"
#include "floorplan/PlanRules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    const struct {
        float value;
        const char *text;
    } rows[] = {
        {0, "0"},           {1605, "1605"},         {-480, "-480"},    {0.5f, "0.5"},
        {-0.25f, "-0.25"},  {4800, "4800"},         {1234.5f, "1234.5"},
        {12345678, "12345680"}, {0.000123456789f, "0.0001234568"}, {1e20f, "100000000000000000000"},
        {-0.0f, "0"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(formatTwips(r.value), QString::fromLatin1(r.text)) << r.text;
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
    };
    for (const auto &r : rows) {
        PlanFileError error;
        const auto records = parsePlanFile(r.bytes, &error);
        ASSERT_TRUE(records.has_value()) << r.what << ": line " << error.line << " "
                                         << error.reason.toStdString();
        EXPECT_EQ(*records, r.records) << r.what;
    }
}

TEST(PlanFileRead, BrokenFilesNameTheLineAtFault)
{
    const struct {
        const char *file;
        int line;
    } rows[] = {
        {"missing-quote.txt", 1},    {"short-record.txt", 2},  {"width-not-number.txt", 3},
        {"negative-size.txt", 2},    {"border-style.txt", 1},  {"two-points.txt", 2},
        {"text-after-quote.txt", 1}, {"index-not-number.txt", 1}, {"out-of-range.txt", 2},
        {"extra-field.txt", 3},
    };
    const QDir data(QStringLiteral(TESSAVO_FLOORPLAN_DATA));
    for (const auto &r : rows) {
        const QString path = data.filePath(QString::fromLatin1(r.file));
        ASSERT_TRUE(QFile::exists(path)) << r.file;
        const PlanFileRead read = readPlanFile(path);
        EXPECT_EQ(read.status, ReadStatus::Malformed) << r.file;
        EXPECT_EQ(read.error.line, r.line) << r.file << ": " << read.error.reason.toStdString();
        EXPECT_FALSE(read.error.reason.isEmpty()) << r.file;
        EXPECT_TRUE(read.records.empty()) << r.file;
    }
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
