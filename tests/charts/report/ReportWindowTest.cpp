#include "RealClipboard.h"
#include "RtfReader.h"
#include "UiFixture.h"

#include "charts/report/ReportWindow.h"
#include "charts/report/ReportWindows.h"
#include "frame/HelpMenu.h"
#include "frame/modRTB.h"
#include "platform/Controls.h"
#include "platform/QbColor.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <ostream>

using namespace tessavo;
using tessavo::test::finishEvent;
using tessavo::test::flushDeletes;
using tessavo::test::normalisedRuns;
using tessavo::test::readRtf;
using tessavo::test::RealClipboard;

namespace {

// The result the test reports are written from; a test changes it to stand
// for a new result.
ReportRuns g_runs;

// What each writeReport call found when it started.
struct WriteStart {
    bool linksHooked;
    bool boxEmpty;
};
QList<WriteStart> g_writes;

class ProbeReport : public ReportWindow {
public:
    explicit ProbeReport(const char *name) : ReportWindow(reportWindowConfig(name)) {}

protected:
    void writeReport() override
    {
        g_writes.append({richTextLinksHooked(), RTB->document()->isEmpty()});
        writeRuns(g_runs);
    }
};

class LoShuProbe : public ProbeReport {
public:
    static constexpr const char *kName = kLoShuReportWindow;
    LoShuProbe() : ProbeReport(kName) {}
};

ReportRuns sampleRuns()
{
    return {
        {true, 5, "Name: "},
        {false, 0, "Ann Lee\r\n\r\n"},
        // Formatting stays in force for runs that set none.
        {std::nullopt, std::nullopt, creditLine() + "\r\n\r\n"},
        // A run may only set formatting.
        {true, std::nullopt, QString()},
        {std::nullopt, 12, "Warning"},
    };
}

RtfRun run(const QString &text, bool bold, int colour)
{
    return RtfRun{text, bold, qbColor(colour), 10.0, QStringLiteral("Verdana")};
}

// The sample as a reader of the box or of the saved file sees it.
QList<RtfRun> sampleSeen()
{
    return {run("Name: ", true, 5), run("Ann Lee\n\n" + creditLine() + "\n\n", false, 0),
            run("Warning", true, 12)};
}

// Text, bold and colour of the box's fragments, line breaks taking the
// formatting of the text before them.
QList<RtfRun> fragmentsOf(const QTextDocument &doc)
{
    QList<RtfRun> out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            out.append(run(it.fragment().text(), f.fontWeight() >= QFont::DemiBold, 0));
            out.last().color = f.foreground().color();
        }
        if (block.next().isValid() && !out.isEmpty())
            out.append(RtfRun{QStringLiteral("\n"), out.last().bold, out.last().color, 10.0,
                              QStringLiteral("Verdana")});
    }
    return normalisedRuns(out);
}

void sendMouse(QWidget *target, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

class ReportWindowTest : public tessavo::test::UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        g_runs = sampleRuns();
        g_writes.clear();
        area = std::make_unique<QMdiArea>();
        area->resize(1200, 900);
        area->show();
        FormRegistry::instance().setMdiArea(area.get());
    }
    void TearDown() override
    {
        UnhookRichTextLinks();
        UiTest::TearDown();
        area.reset();
    }

    // The window of a row of the table, loaded through the registry by name.
    ProbeReport *load(const char *name)
    {
        FormRegistry &registry = FormRegistry::instance();
        const QString key = QString::fromLatin1(name);
        if (!registry.hasFactory(key))
            registry.registerFactory(key, [name] { return new ProbeReport(name); });
        return static_cast<ProbeReport *>(registry.load(key));
    }

    std::unique_ptr<QMdiArea> area;
};

struct ExpectedRow {
    const char *name;
    const char *caption;
    double width, height;
    QRectF rtb;
    QPointF save, print;
    bool links;
    const char *title;
};

const ExpectedRow kExpected[] = {
    {"frmSaveFengShuiKuaNumber", "Orlix Feng Shui Kua Number", 7725, 7530,
     QRectF(30, 390, 7665, 6135), QPointF(5400, 6570), QPointF(6555, 6570), true,
     "Save Your Feng Shui Kua Number Details"},
    {"frmSaveFengShuiLoShu", "Orlix Feng Shui Lo Shu", 7725, 7515, QRectF(30, 390, 7665, 6135),
     QPointF(5400, 6570), QPointF(6555, 6570), true, "Save Your FengShui Loshu Details"},
    {"frmSaveFengShuiFlyingStar", "Orlix Flying Star Feng Shui", 7725, 7545,
     QRectF(30, 390, 7665, 6135), QPointF(5400, 6570), QPointF(6555, 6570), true, "Tessavo"},
    {"frmSaveFengShuiBaZi", "Orlix Feng Shui Ba Zi", 6525, 5415, QRectF(30, 390, 6465, 3975),
     QPointF(4200, 4410), QPointF(5355, 4410), false, "Tessavo"},
};

QRect buttonAt(QPointF at)
{
    return twips::rect(at.x(), at.y(), 1125, 345);
}

} // namespace

TEST_F(ReportWindowTest, TheTableHoldsTheFourWindows)
{
    ASSERT_EQ(reportWindowConfigs().size(), std::size(kExpected));
    for (qsizetype i = 0; i < reportWindowConfigs().size(); ++i) {
        const ExpectedRow &e = kExpected[i];
        SCOPED_TRACE(e.name);
        const ReportWindowConfig &c = reportWindowConfigs()[i];
        EXPECT_STREQ(c.name, e.name);
        EXPECT_EQ(&reportWindowConfig(e.name), &c);
        EXPECT_EQ(c.caption, QString::fromLatin1(e.caption));
        EXPECT_EQ(c.clientWidth, e.width);
        EXPECT_EQ(c.clientHeight, e.height);
        EXPECT_EQ(c.rtb, e.rtb);
        EXPECT_EQ(c.save, e.save);
        EXPECT_EQ(c.print, e.print);
        EXPECT_EQ(c.linkDetection, e.links);
        EXPECT_EQ(c.saveAsTitle, QString::fromLatin1(e.title));
    }
    EXPECT_STREQ(reportWindowConfig("frmNoSuchReport").name, "");
}

TEST_F(ReportWindowTest, EachWindowIsBuiltFromItsRow)
{
    for (const ExpectedRow &e : kExpected) {
        SCOPED_TRACE(e.name);
        ReportWindow *w = load(e.name);
        ASSERT_NE(w, nullptr);
        w->Show();
        EXPECT_EQ(w->objectName(), QString::fromLatin1(e.name));
        EXPECT_EQ(w->caption(), QString::fromLatin1(e.caption));
        EXPECT_EQ(w->kind(), FormKind::Child);
        EXPECT_NE(w->subWindow(), nullptr);
        EXPECT_TRUE(w->menuBarActions().isEmpty());
        EXPECT_EQ(w->size(), twips::size(e.width, e.height));
        EXPECT_DOUBLE_EQ(w->Top(), 0);

        EXPECT_EQ(w->findChild<RichTextBox *>("RTB"), w->RTB);
        EXPECT_EQ(w->findChild<QPushButton *>("cmdSave"), w->cmdSave);
        EXPECT_EQ(w->findChild<QPushButton *>("cmdPrint"), w->cmdPrint);
        EXPECT_EQ(w->RTB->geometry(),
                  twips::rect(e.rtb.x(), e.rtb.y(), e.rtb.width(), e.rtb.height()));
        EXPECT_TRUE(w->RTB->isReadOnly());
        EXPECT_EQ(w->RTB->font().family(), "Verdana");
        EXPECT_EQ(w->cmdSave->geometry(), buttonAt(e.save));
        EXPECT_EQ(w->cmdPrint->geometry(), buttonAt(e.print));
        EXPECT_EQ(w->cmdSave->text(), "&Save");
        EXPECT_EQ(w->cmdPrint->text(), "&Print");

        // The link labels fit in the margins: inside the window, clear of
        // the box and the buttons, and captioned from the link table.
        const QList<std::pair<Label *, QString>> labels{
            {w->Label1, kForumInvitation}, {w->Label14, kForumTitle}, {w->Label37, kFullyBrandedText}};
        for (const auto &[label, caption] : labels) {
            ASSERT_NE(label, nullptr);
            SCOPED_TRACE(label->objectName().toStdString());
            EXPECT_EQ(w->findChild<Label *>(label->objectName()), label);
            EXPECT_EQ(label->text(), caption);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_TRUE(w->rect().contains(label->geometry()));
            for (QWidget *other : {static_cast<QWidget *>(w->RTB), static_cast<QWidget *>(w->cmdSave),
                                   static_cast<QWidget *>(w->cmdPrint)})
                EXPECT_FALSE(label->geometry().intersects(other->geometry()));
        }
        QTest::mouseClick(w->Label37, Qt::LeftButton);
        EXPECT_EQ(fakes.urlOpener->opened.size(), 1);
        fakes.urlOpener->opened.clear();
        FormRegistry::instance().unload(w);
        flushDeletes();
    }
}

TEST_F(ReportWindowTest, LoadTurnsLinkDetectionOnBeforeWritingAndUnloadTurnsItOff)
{
    for (const ExpectedRow &e : kExpected) {
        SCOPED_TRACE(e.name);
        g_writes.clear();
        ReportWindow *w = load(e.name);
        ASSERT_EQ(g_writes.size(), 1);
        EXPECT_EQ(g_writes[0].linksHooked, e.links);
        EXPECT_TRUE(g_writes[0].boxEmpty);
        EXPECT_EQ(richTextLinksHooked(), e.links);
        EXPECT_EQ(w->RTB->autoUrlDetect(), e.links);
        EXPECT_EQ(w->RTB->toPlainText(), "Name: Ann Lee\n\n" + creditLine() + "\n\nWarning");

        FormRegistry::instance().unload(w);
        EXPECT_FALSE(richTextLinksHooked());
        flushDeletes();
    }
}

TEST_F(ReportWindowTest, RunsLandInOrderWithTheirFormatting)
{
    ReportWindow *w = load(kBaZiReportWindow);
    EXPECT_EQ(fragmentsOf(*w->RTB->document()), sampleSeen());

    // Further runs continue at the end in the formatting last set.
    w->writeRuns({{std::nullopt, std::nullopt, "\r\nmore"}, {false, 9, " blue"}});
    QList<RtfRun> expected = sampleSeen();
    expected.last().text += "\nmore";
    expected.append(run(" blue", false, 9));
    EXPECT_EQ(fragmentsOf(*w->RTB->document()), expected);
}

TEST_F(ReportWindowTest, SaveWritesRichTextUnderTheChosenName)
{
    struct Row {
        const char *window;
        const char *typed;
        const char *written;
    };
    const Row rows[] = {
        {kKuaReportWindow, "kua.rtf", "kua.rtf"},
        {kLoShuReportWindow, "loshu", "loshu.txt"},
        {kFlyingStarReportWindow, "star.txt", "star.txt"},
        {kBaZiReportWindow, "pillars", "pillars.txt"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        ReportWindow *w = load(row.window);
        fakes.saveAs->requests.clear();
        fakes.saveAs->answer = dir.filePath(QString::fromLatin1(row.typed));

        w->cmdSave->click();

        ASSERT_EQ(fakes.saveAs->requests.size(), 1);
        const SaveAsRequest &r = fakes.saveAs->requests[0];
        EXPECT_EQ(r.filter, "Rich Text Format | *.rtf ");
        EXPECT_EQ(r.defaultExtension, "txt");
        EXPECT_EQ(r.title, reportWindowConfig(row.window).saveAsTitle);
        EXPECT_TRUE(r.promptOverwrite);
        EXPECT_TRUE(r.refuseReadOnly);
        EXPECT_TRUE(r.pathMustExist);

        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
                  QStringList{QString::fromLatin1(row.written)});
        const auto doc = readRtf(contents(dir.filePath(QString::fromLatin1(row.written))));
        ASSERT_TRUE(doc.has_value());
        EXPECT_EQ(normalisedRuns(doc->runs), sampleSeen());
        EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
        FormRegistry::instance().unload(w);
        flushDeletes();
    }
}

TEST_F(ReportWindowTest, CancelledSaveWritesNothingAndSaysNothing)
{
    ReportWindow *w = load(kKuaReportWindow);
    fakes.saveAs->answer = std::nullopt;

    w->cmdSave->click();

    EXPECT_EQ(fakes.saveAs->requests.size(), 1);
    EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
    EXPECT_TRUE(FormRegistry::instance().isLoaded(QString::fromLatin1(kKuaReportWindow)));
    EXPECT_FALSE(w->RTB->document()->isEmpty());
}

TEST_F(ReportWindowTest, FailedSaveLeavesWhatWasThereAndSaysSo)
{
    // The tests may run as root, which writes into read-only folders; a path
    // through a regular file can never be written.
    struct Row {
        const char *what;
        std::function<QString(const QDir &)> prepare; // returns the chosen name
        const char *oldFile;
    };
    const Row rows[] = {
        {"folder is a file",
         [](const QDir &d) {
             writeFile(d.filePath("blocker"), "old");
             return d.filePath("blocker/report.rtf");
         },
         "blocker"},
        {"name of a folder",
         [](const QDir &d) {
             d.mkpath("report.rtf");
             writeFile(d.filePath("report.rtf/inside"), "old");
             return d.filePath("report.rtf");
         },
         "report.rtf/inside"},
    };
    ReportWindow *w = load(kLoShuReportWindow);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir tmp;
        const QDir dir(tmp.path());
        fakes.saveAs->answer = row.prepare(dir);
        const QStringList before = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        w->cmdSave_Click();

        EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        EXPECT_EQ(contents(dir.filePath(QString::fromLatin1(row.oldFile))), "old");
        ASSERT_EQ(fakes.messageBox->shown.size(), 1);
        EXPECT_TRUE(fakes.messageBox->shown[0].text.startsWith("The report could not be saved"));
        EXPECT_EQ(fakes.messageBox->shown[0].icon, MsgIcon::Critical);
        fakes.messageBox->shown.clear();
    }
    EXPECT_EQ(w->RTB->toPlainText(), "Name: Ann Lee\n\n" + creditLine() + "\n\nWarning");
}

TEST_F(ReportWindowTest, PrintSendsTheWholeReportEvenWithASelection)
{
    ReportWindow *w = load(kFlyingStarReportWindow);
    w->RTB->setSelStart(6);
    w->RTB->setSelLength(7);
    ASSERT_EQ(w->RTB->textCursor().selectedText(), "Ann Lee");

    w->cmdPrint->click();

    EXPECT_EQ(fakes.printer->printedTexts, QStringList{w->RTB->toPlainText()});
    EXPECT_EQ(w->RTB->selLength(), 0);
    EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
    EXPECT_TRUE(fakes.saveAs->requests.isEmpty());
}

TEST_F(ReportWindowTest, TouchingTheBoxEmptiesTheClipboard)
{
    struct Row {
        const char *what;
        std::function<void(ReportWindow *)> act;
        bool changesText;
    };
    const QPoint onText(4, 4);
    const auto mouse = [onText](QEvent::Type type) {
        return [type, onText](ReportWindow *w) { sendMouse(w->RTB->viewport(), type, onText); };
    };
    const Row rows[] = {
        {"press", mouse(QEvent::MouseButtonPress), false},
        {"move", mouse(QEvent::MouseMove), false},
        {"release", mouse(QEvent::MouseButtonRelease), false},
        {"text change", [](ReportWindow *w) { w->writeRuns({{std::nullopt, std::nullopt, "x"}}); },
         true},
    };
    ReportWindow *w = load(kKuaReportWindow);
    w->Show();
    finishEvent();
    // Writing the report changed the text, so the clipboard was emptied already.
    EXPECT_GT(fakes.clipboard->clears, 0);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const QString text = w->RTB->toPlainText();
        const int before = fakes.clipboard->clears;
        row.act(w);
        finishEvent();
        EXPECT_GT(fakes.clipboard->clears, before);
        EXPECT_EQ(w->RTB->toPlainText() != text, row.changesText);
    }
    EXPECT_TRUE(fakes.urlOpener->opened.isEmpty());
    EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
}

TEST_F(ReportWindowTest, APasteLeavesTheReportAsItIsAndATouchEmptiesTheClipboard)
{
    RealClipboard clipboard;
    for (const ExpectedRow &e : kExpected) {
        SCOPED_TRACE(e.name);
        ReportWindow *w = load(e.name);
        w->Show();
        finishEvent();
        const QString text = w->RTB->toPlainText();
        for (bool nothing : {false, true}) {
            if (nothing)
                RealClipboard::putNothing();
            else
                RealClipboard::put(QStringLiteral("copied"));
            RealClipboard::pressPaste(w->RTB);
            finishEvent();
            EXPECT_EQ(w->RTB->toPlainText(), text);
        }
        RealClipboard::put(QStringLiteral("copied"));
        sendMouse(w->RTB->viewport(), QEvent::MouseMove, QPoint(4, 4));
        finishEvent();
        EXPECT_TRUE(RealClipboard::empty());
        FormRegistry::instance().unload(w);
    }
}

TEST_F(ReportWindowTest, ShowingAnOpenReportAgainWritesItAfreshFromTheNewResult)
{
    g_runs = {{true, 4, "old result"}};
    showReport<LoShuProbe>();
    ReportWindow &w = form<LoShuProbe>();
    EXPECT_EQ(w.RTB->toPlainText(), "old result");

    g_runs = {{std::nullopt, std::nullopt, "new result"}};
    showReport<LoShuProbe>();

    EXPECT_EQ(&form<LoShuProbe>(), &w);
    // Only the new text, and none of the old one's formatting.
    EXPECT_EQ(fragmentsOf(*w.RTB->document()), QList<RtfRun>{run("new result", false, 0)});
    ASSERT_EQ(g_writes.size(), 2);
    EXPECT_TRUE(g_writes[1].linksHooked);
    EXPECT_TRUE(g_writes[1].boxEmpty);
    EXPECT_TRUE(richTextLinksHooked());
    EXPECT_TRUE(w.RTB->autoUrlDetect());
}

TEST_F(ReportWindowTest, ClosingAndOpeningAgainShowsTheTextOnce)
{
    const QString once = "Name: Ann Lee\n\n" + creditLine() + "\n\nWarning";
    showReport<LoShuProbe>();
    ASSERT_EQ(form<LoShuProbe>().RTB->toPlainText(), once);

    form<LoShuProbe>().subWindow()->close();
    EXPECT_FALSE(isLoaded<LoShuProbe>());
    EXPECT_FALSE(richTextLinksHooked());
    flushDeletes();

    showReport<LoShuProbe>();
    EXPECT_EQ(form<LoShuProbe>().RTB->toPlainText(), once);
    EXPECT_TRUE(form<LoShuProbe>().Visible());
    EXPECT_TRUE(richTextLinksHooked());
    ASSERT_EQ(g_writes.size(), 2);
    EXPECT_TRUE(g_writes[1].boxEmpty);
}
