#include "FileSizeLimit.h"
#include "RtfReader.h"
#include "platform/QbColor.h"
#include "platform/RtfWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tessavo;
using tessavo::test::readRtf;

namespace {

RtfRun run(const QString &text, bool bold = false, QColor color = Qt::black, double size = 10.0,
           const QString &family = QStringLiteral("Verdana"))
{
    return RtfRun{text, bold, color, size, family};
}

} // namespace

TEST(QbColor, PaletteAndOutOfRange)
{
    EXPECT_EQ(qbColor(0), QColor(0, 0, 0));
    EXPECT_EQ(qbColor(4), QColor(128, 0, 0));
    EXPECT_EQ(qbColor(7), QColor(192, 192, 192));
    EXPECT_EQ(qbColor(8), QColor(128, 128, 128));
    EXPECT_EQ(qbColor(14), QColor(255, 255, 0));
    EXPECT_EQ(qbColor(15), QColor(255, 255, 255));
    for (int bad : {-1, 16, 1000})
        EXPECT_EQ(qbColor(bad), QColor(Qt::black)) << bad;
}

TEST(RtfWriter, RoundTripsRuns)
{
    struct Row {
        const char *name;
        RtfDocument doc;
        QList<RtfRun> expected; // what reading the file back gives
    };
    const QString han = QString::fromUtf8("\xe6\xbc\xa2");             // 漢
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");       // an emoji, outside the BMP
    const QString accents = QString::fromUtf8("caf\xc3\xa9 \xc3\xbc"); // café ü
    const Row rows[] = {
        {"plain", {{run("Hello")}, {}}, {run("Hello")}},
        {"bold and colours in order",
         {{run("Name: ", true, qbColor(4)), run("Ann", false, qbColor(1)),
           run(" and ", false, qbColor(1)), run("Bob", true, qbColor(12))},
          {}},
         {run("Name: ", true, qbColor(4)), run("Ann and ", false, qbColor(1)),
          run("Bob", true, qbColor(12))}},
        {"braces and backslash", {{run("a{b}c\\d \\par x")}, {}}, {run("a{b}c\\d \\par x")}},
        {"non-ASCII",
         {{run(accents + ' ' + han + ' ' + emoji, true)}, {}},
         {run(accents + ' ' + han + ' ' + emoji, true)}},
        {"line breaks: CR LF, lone CR, lone LF each one",
         {{run("a\r\nb\rc\nd\r\n\r\n")}, {}},
         {run("a\nb\nc\nd\n\n")}},
        {"tab and digits after a control word",
         {{run("1\t2"), run("34", true)}, {}},
         {run("1\t2"), run("34", true)}},
        {"sizes and fonts",
         {{run("big", false, Qt::black, 14.5), run("small", false, Qt::black, 8, "Arial")}, {}},
         {run("big", false, Qt::black, 14.5), run("small", false, Qt::black, 8, "Arial")}},
        {"leading blank after formatting",
         {{run("x"), run("  y", true)}, {}},
         {run("x"), run("  y", true)}},
        {"empty runs vanish", {{run(""), run("a"), run("", true), run("b")}, {}}, {run("ab")}},
        {"nothing at all", {{}, {}}, {}},
        {"back colour",
         {{run("text", false, qbColor(15))}, QColor(123, 230, 214)},
         {run("text", false, qbColor(15))}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray rtf = writeRtf(row.doc);
        for (char c : rtf)
            ASSERT_TRUE(static_cast<unsigned char>(c) < 128) << "non-ASCII byte in the file";
        QString error;
        const auto back = readRtf(rtf, &error);
        ASSERT_TRUE(back) << error.toStdString() << "\n" << rtf.toStdString();
        EXPECT_EQ(back->runs, row.expected) << rtf.toStdString();
        EXPECT_EQ(back->background, row.doc.background);
    }
}

TEST(RtfWriter, EscapesAsRichTextReadersExpect)
{
    struct Row {
        QString text;
        QByteArray mustContain;
    };
    const Row rows[] = {
        {QString(QChar(0xE9)), "\\u233?"},
        {QString(QChar(0xFFFD)), "\\u-3?"},                             // above 32767: negative
        {QString::fromUtf8("\xf0\x9f\x98\x80"), "\\u-10179?\\u-8704?"}, // surrogate pair
        {"{x}", "\\{x\\}"},
        {"a\\b", "a\\\\b"},
        {"a\tb", "a\\tab b"},
        {"a\r\nb", "a\\par\r\nb"},
    };
    for (const Row &row : rows) {
        const QByteArray rtf = writeRtf({{run(row.text)}, {}});
        EXPECT_TRUE(rtf.contains(row.mustContain)) << row.mustContain.toStdString() << " in\n"
                                                   << rtf.toStdString();
    }
    const QByteArray rtf = writeRtf({{run("a\r\nb")}, {}});
    EXPECT_EQ(rtf.count("\\par\r\n"), 1);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
}

TEST(RtfWriter, TablesHoldEveryFontAndColourOnce)
{
    const RtfDocument doc{{run("a", false, qbColor(4)), run("b", true, qbColor(9), 10, "Arial"),
                           run("c", false, qbColor(4), 12, "Verdana")},
                          QColor(1, 2, 3)};
    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(
        rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}{\\f1\\fnil\\fcharset0 Arial;}}"))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.contains(
        "{\\colortbl ;\\red128\\green0\\blue0;\\red0\\green0\\blue255;\\red1\\green2\\blue3;}"))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("{\\sv 197121}")) << "fill colour as 0xBBGGRR";
}

TEST(RtfWriter, SaveReplacesTheFileOrLeavesItAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("report.rtf");
    const RtfDocument doc{{run("first")}, {}};

    QString error;
    ASSERT_TRUE(saveRtf(path, doc, &error)) << error.toStdString();
    const auto back = [&] {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return readRtf(f.readAll());
    };
    ASSERT_TRUE(back());
    EXPECT_EQ(back()->runs, QList<RtfRun>{run("first")});

    ASSERT_TRUE(saveRtf(path, {{run("second")}, {}}, &error));
    EXPECT_EQ(back()->runs, QList<RtfRun>{run("second")});

    // A folder that does not exist.
    error.clear();
    EXPECT_FALSE(saveRtf(dir.filePath("missing/report.rtf"), doc, &error));
    EXPECT_FALSE(error.isEmpty());

    // A folder that is a regular file; file modes would not stop root.
    error.clear();
    EXPECT_FALSE(saveRtf(path + QStringLiteral("/report.rtf"), doc, &error));
    EXPECT_FALSE(error.isEmpty());

    // A disk with no room left: the old file stays as it was.
    const auto child = tessavo::test::runWithFileSizeLimit(0, [&] {
        QString reason;
        return QStringList{saveRtf(path, {{run("third")}, {}}, &reason) ? "saved" : reason};
    });
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.answer, QStringList{QStringLiteral("File too large")});
    EXPECT_EQ(back()->runs, QList<RtfRun>{run("second")});
}

TEST(RtfReader, RefusesWhatIsNotRichText)
{
    for (const QByteArray &bad : {QByteArray(""), QByteArray("hello"), QByteArray("{\\rtf1 abc"),
                                  QByteArray("{\\rtf1 abc}}")}) {
        QString error;
        EXPECT_FALSE(readRtf(bad, &error)) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}
