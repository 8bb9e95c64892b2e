#include "Fakes.h"
#include "FileSizeLimit.h"
#include "TextPoints.h"
#include "RtfReader.h"
#include "platform/QbColor.h"
#include "platform/RichTextBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace tessavo;
using tessavo::test::readRtf;

namespace {

struct TextRun {
    bool bold;
    int color;
    QString text;
};

// Writes runs the way the report windows do.
void write(RichTextBox &box, const QList<TextRun> &runs)
{
    for (const TextRun &r : runs) {
        box.setSelBold(r.bold);
        box.setSelColor(r.color);
        box.setSelText(r.text);
    }
}

RtfRun rtfRun(const QString &text, bool bold, int color, double size = 10.0)
{
    return RtfRun{text, bold, qbColor(color), size, QStringLiteral("Verdana")};
}

std::optional<RtfDocument> readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readRtf(f.readAll());
}

using tessavo::test::pointOf;

void moveOver(QWidget *w, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

class RichTextBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes = tessavo::test::installFakes();
        box.resize(500, 300);
        box.show();
    }
    tessavo::test::Fakes fakes{};
    RichTextBox box;
};

} // namespace

TEST_F(RichTextBoxTest, StartsEmptyInVerdanaTenPoint)
{
    EXPECT_TRUE(box.toPlainText().isEmpty());
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.font().family(), "Verdana");
    EXPECT_DOUBLE_EQ(box.selFontSize(), 10.0);
    EXPECT_FALSE(box.selBold());
    EXPECT_TRUE(box.isReadOnly());
}

TEST_F(RichTextBoxTest, RunsLandInOrderWithTheirFormatting)
{
    struct Row {
        const char *name;
        QList<TextRun> runs;
        QString plain;
        QList<RtfRun> saved;
    };
    const Row rows[] = {
        {"report lines",
         {{true, 4, "Name: "}, {false, 1, "Ann\r\n"}, {true, 4, "Kua: "}, {false, 1, "7\r\n\r\n"}},
         "Name: Ann\nKua: 7\n\n",
         {rtfRun("Name: ", true, 4), rtfRun("Ann\n", false, 1), rtfRun("Kua: ", true, 4),
          rtfRun("7\n\n", false, 1)}},
        {"formatting stays until set again",
         {{true, 12, "a"}, {true, 12, "b"}, {false, 12, "c"}},
         "abc",
         {rtfRun("ab", true, 12), rtfRun("c", false, 12)}},
        {"CR LF, lone CR and lone LF each break once",
         {{false, 0, "1\r\n2\r3\n4"}},
         "1\n2\n3\n4",
         {rtfRun("1\n2\n3\n4", false, 0)}},
        {"special and non-ASCII text",
         {{false, 2, QString::fromUtf8("{\\} caf\xc3\xa9 \xe6\xbc\xa2 \xf0\x9f\x98\x80\t!")}},
         QString::fromUtf8("{\\} caf\xc3\xa9 \xe6\xbc\xa2 \xf0\x9f\x98\x80\t!"),
         {rtfRun(QString::fromUtf8("{\\} caf\xc3\xa9 \xe6\xbc\xa2 \xf0\x9f\x98\x80\t!"), false,
                 2)}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        box.clearText();
        write(box, row.runs);
        EXPECT_EQ(box.toPlainText(), row.plain);
        EXPECT_EQ(box.selStart(), row.plain.size()) << "insertion point after the text";

        const QString path = dir.filePath("report.rtf");
        ASSERT_TRUE(box.SaveFile(path));
        const auto saved = readFile(path);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->runs, row.saved);
        EXPECT_FALSE(saved->background);
    }
}

TEST_F(RichTextBoxTest, SizeAndBackColourAreSaved)
{
    box.setBackColor(QColor(123, 230, 214));
    box.setSelBold(true);
    box.setSelColor(QColor(64, 64, 0));
    box.setSelFontSize(14);
    box.setSelText("Title\r\n");
    box.setSelBold(false);
    box.setSelFontSize(8.5);
    box.setSelText("body");
    EXPECT_DOUBLE_EQ(box.selFontSize(), 8.5);
    EXPECT_EQ(box.selColor(), QColor(64, 64, 0));
    EXPECT_EQ(box.backColor(), QColor(123, 230, 214));

    QTemporaryDir dir;
    const QString path = dir.filePath("part.rtf");
    ASSERT_TRUE(box.SaveFile(path));
    const auto saved = readFile(path);
    ASSERT_TRUE(saved);
    const QList<RtfRun> expected = {{"Title\n", true, QColor(64, 64, 0), 14, "Verdana"},
                                    {"body", false, QColor(64, 64, 0), 8.5, "Verdana"}};
    EXPECT_EQ(saved->runs, expected);
    EXPECT_EQ(saved->background, QColor(123, 230, 214));
}

TEST_F(RichTextBoxTest, CaretAndSelectionDecideWhereTextGoes)
{
    write(box, {{false, 0, "old report"}});
    box.setSelStart(0);
    box.setSelText("new ");
    EXPECT_EQ(box.toPlainText(), "new old report");
    EXPECT_EQ(box.selStart(), 4);

    box.setSelStart(4);
    box.setSelLength(3);
    EXPECT_EQ(box.selLength(), 3);
    box.setSelText("OLD");
    EXPECT_EQ(box.toPlainText(), "new OLD report");

    box.setSelStart(1000); // beyond the end: at the end
    EXPECT_EQ(box.selStart(), box.toPlainText().size());
    box.setSelStart(-5);
    EXPECT_EQ(box.selStart(), 0);

    box.clearText();
    EXPECT_TRUE(box.toPlainText().isEmpty());
    EXPECT_EQ(box.selStart(), 0);
}

TEST_F(RichTextBoxTest, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    write(box, {{true, 4, "kept"}});
    const QString path = dir.filePath("report.rtf");
    ASSERT_TRUE(box.SaveFile(path));

    box.clearText();
    write(box, {{false, 1, "replacement"}});
    QString error;
    EXPECT_FALSE(box.SaveFile(dir.filePath("no such folder/report.rtf"), &error));
    EXPECT_FALSE(error.isEmpty());

    // A disk with no room left; file modes would not stop root.
    const auto child = tessavo::test::runWithFileSizeLimit(0, [&] {
        QString reason;
        return QStringList{box.SaveFile(path, &reason) ? "saved" : reason};
    });
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.answer, QStringList{QStringLiteral("File too large")});
    const auto saved = readFile(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->runs, QList<RtfRun>{rtfRun("kept", true, 4)});
}

TEST_F(RichTextBoxTest, SelPrintPrintsEverythingEvenWithASelection)
{
    write(box, {{true, 4, "First line\r\n"}, {false, 1, "second line"}});
    box.setSelStart(6);
    box.setSelLength(4);
    ASSERT_EQ(box.selLength(), 4);

    EXPECT_TRUE(box.SelPrint());
    ASSERT_EQ(fakes.printer->printedTexts.size(), 1);
    EXPECT_EQ(fakes.printer->printedTexts[0], "First line\nsecond line");
    EXPECT_EQ(box.selLength(), 0);
}

TEST_F(RichTextBoxTest, SignalsFireOncePerEvent)
{
    QSignalSpy change(&box, &RichTextBox::Change);
    QSignalSpy down(&box, &RichTextBox::MouseDown);
    QSignalSpy up(&box, &RichTextBox::MouseUp);
    QSignalSpy click(&box, &RichTextBox::Click);
    QSignalSpy move(&box, &RichTextBox::MouseMove);
    const auto counts = [&] {
        return QList<qsizetype>{change.size(), down.size(), up.size(), click.size(), move.size()};
    };

    box.setSelText("one");
    box.setSelText("two\r\n");
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 0, 0, 0, 0}));

    QWidget *vp = box.viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 1, 0, 0, 0}));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 1, 1, 1, 0}));
    moveOver(vp, QPoint(20, 10));
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 1, 1, 1, 1}));
    QTest::mousePress(vp, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(vp, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(counts(), (QList<qsizetype>{2, 2, 2, 2, 1}));

    box.clearText();
    EXPECT_EQ(change.size(), 3);
}

TEST_F(RichTextBoxTest, DetectsLinksWhileOn)
{
    const QString longLink = "http://example.com/" + QString(1100, u'x');
    struct Row {
        QString before;
        QString link; // empty: no link in the text
        QString after;
    };
    const Row rows[] = {
        {"Report Generated By ", "http://www.example.com", "\n\nmore"},
        {"see ", "https://example.com/a?b=1", ", then"},
        {"visit ", "www.example.com", "."},
        {"write to ", "mailto:a@example.com", ""},
        {"", longLink, " end"},
        {"no link: file:///etc/passwd ftp://x.org javascript:alert(1)", "", ""},
    };
    box.setAutoUrlDetect(true);
    EXPECT_TRUE(box.autoUrlDetect());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.before.toStdString() + row.link.left(40).toStdString());
        box.clearText();
        box.setSelText("\r\n" + row.before);
        const int start = box.selStart();
        box.setSelText(row.link + row.after);
        QApplication::processEvents();

        if (row.link.isEmpty()) {
            EXPECT_TRUE(box.extraSelections().isEmpty());
            for (int i = 1; i < box.toPlainText().size(); i += 3)
                EXPECT_FALSE(box.linkAt(pointOf(box, i)));
            continue;
        }
        ASSERT_EQ(box.extraSelections().size(), 1);
        const QTextCursor mark = box.extraSelections()[0].cursor;
        EXPECT_EQ(mark.selectionStart(), start);
        EXPECT_EQ(mark.selectionEnd(), start + row.link.size());
        EXPECT_TRUE(box.extraSelections()[0].format.fontUnderline());

        // First and last character of the address, and one deep inside.
        for (int pos :
             {start, start + int(row.link.size()) - 1, start + int(row.link.size()) / 2}) {
            QTextCursor c(box.document());
            c.setPosition(pos);
            box.setTextCursor(c);
            box.ensureCursorVisible();
            EXPECT_EQ(box.linkAt(pointOf(box, pos)).value_or("(none)"), row.link) << pos;
        }
        // Just outside the address: the character before it, or the margin
        // left of an address that starts a line.
        if (row.before.isEmpty()) {
            QTextCursor c(box.document());
            c.setPosition(start);
            box.setTextCursor(c);
            box.ensureCursorVisible();
            EXPECT_FALSE(box.linkAt(QPoint(1, pointOf(box, start).y())));
        } else {
            QTextCursor c(box.document());
            c.setPosition(start - 1);
            box.setTextCursor(c);
            box.ensureCursorVisible();
            EXPECT_FALSE(box.linkAt(pointOf(box, start - 1)));
        }
    }
}

TEST_F(RichTextBoxTest, LinkMarksFollowTheTextAndLeaveTheFileAlone)
{
    box.setAutoUrlDetect(true);
    write(box, {{true, 4, "Report Generated By "}});
    EXPECT_TRUE(box.extraSelections().isEmpty());
    write(box, {{true, 4, "www.example.com\r\n\r\n"}});
    EXPECT_EQ(box.extraSelections().size(), 1);

    // Far right of the short line is no link, nor the empty lines below.
    EXPECT_FALSE(box.linkAt(QPoint(box.viewport()->width() - 5, pointOf(box, 22).y())));
    EXPECT_FALSE(box.linkAt(QPoint(5, box.viewport()->height() - 5)));

    QTemporaryDir dir;
    const QString path = dir.filePath("links.rtf");
    ASSERT_TRUE(box.SaveFile(path));
    const auto saved = readFile(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->runs,
              QList<RtfRun>{rtfRun("Report Generated By www.example.com\n\n", true, 4)});

    box.setAutoUrlDetect(false);
    EXPECT_TRUE(box.extraSelections().isEmpty());
    EXPECT_FALSE(box.linkAt(pointOf(box, 22)));
    write(box, {{false, 0, "http://later.example.com"}});
    EXPECT_TRUE(box.extraSelections().isEmpty()) << "no detection while off";
}
