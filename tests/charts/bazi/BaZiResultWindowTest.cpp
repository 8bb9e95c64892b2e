#include "BaZiWindowFixture.h"
#include "RealClipboard.h"

#include "charts/bazi/frmSaveFengShuiBaZi.h"
#include "platform/RichTextBox.h"
#include "platform/SiteAddress.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using namespace tessavo;
using namespace tessavo::test;
using bazi::frmFengShuiFourPillar;

namespace {

class BaZiResultWindowTest : public BaZiWindowTest {
protected:
    static void clickTab(frmFengShuiFourPillar &w, int tab)
    {
        QTabBar *bar = w.TS->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    static bazi::frmSaveFengShuiBaZi &saveReport(frmFengShuiFourPillar &w)
    {
        QTest::mouseClick(w.cmdSave, Qt::LeftButton);
        return form<bazi::frmSaveFengShuiBaZi>();
    }
};

// 29 February 1984, 5 AM: "Jia Zi" year, "Bing Yin" month, "Gui Si" day,
// "Yi Mao" hour.
const BirthEntry kLeapDay{"Ann", 29, 2, 1984, 5};

QString paragraph(int entry)
{
    const auto &e = bazi::elementEntries()[static_cast<std::size_t>(entry)];
    return e.label + "\n" + e.text;
}

// The label's text shows whole in the part of it that its container shows.
bool fits(const QLabel *label)
{
    const QRect shown = label->parentWidget()->rect().intersected(label->geometry());
    if (label->wordWrap())
        return label->heightForWidth(shown.width()) <= shown.height();
    return label->sizeHint().width() <= shown.width() &&
           label->sizeHint().height() <= shown.height();
}

} // namespace

TEST_F(BaZiResultWindowTest, TabsPagesAndTheUnseenSummary)
{
    frmFengShuiFourPillar &w = analyze(kLeapDay);
    ASSERT_TRUE(w.Visible());
    EXPECT_EQ(w.Label1->text(), "Ketrisol");
    EXPECT_EQ(w.lblResult[7]->parentWidget(), w.Frame1);
    EXPECT_GE(w.Frame1->y(), w.height()) << "the summary is never seen";
    EXPECT_EQ(w.lblYear[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(w.findChild<QLabel *>("lblLabel(1)")->buddy(), w.txtDay);

    // It opens on the year; each tab shows its own pillar's page only, and
    // Tab goes on from its interpretation to Save, typing nothing.
    const QStringList tabs = {"The Year Pillar", "The Month Pillar", "The Day Pillar",
                              "The Hour Pillar"};
    QPlainTextEdit *boxes[] = {w.txtYear, w.txtMonth, w.txtDay, w.txtHour};
    for (int tab : {0, 3, 1, 2, 0}) {
        if (w.TS->currentIndex() != tab)
            clickTab(w, tab);
        EXPECT_EQ(w.TS->tabText(tab), tabs[tab]);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(w.fraSubject[static_cast<std::size_t>(i)]->isVisible(), i == 3 - tab)
                << "tab " << tab << " frame " << i;
        EXPECT_TRUE(boxes[tab]->isVisible()) << tab;
        const QString text = boxes[tab]->toPlainText();
        boxes[tab]->setFocus();
        QTest::keyClick(boxes[tab], Qt::Key_Tab);
        EXPECT_TRUE(w.cmdSave->hasFocus()) << tab;
        EXPECT_EQ(boxes[tab]->toPlainText(), text) << tab;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(isLoaded<bazi::frmSaveFengShuiBaZi>());
    EXPECT_FALSE(form<bazi::frmSaveFengShuiBaZi>().RTB->toPlainText().contains('\t'));
}

TEST_F(BaZiResultWindowTest, PagesShowLinesInterpretationsAndSummary)
{
    frmFengShuiFourPillar &w = analyze(kLeapDay);
    const QStringList expected = {
        "Wood [Jia]", "Rat [Zi]", "Water [Gui]", "", "",
        "Fire [Bing]", "Tiger [Yin]", "Wood [Jia]", "Fire [Bing]", "Earth [Wu]",
        "Water [Gui]", "Snake [Si]", "Fire [Bing]", "Earth [Wu]", "Metal [Geng]",
        "Wood [Yi]", "Rabbit [Mao]", "Wood [Yi]", "", "",
        paragraph(9),
        paragraph(0) + "\n\n" + paragraph(2) + "\n\n" + paragraph(4),
        paragraph(2) + "\n\n" + paragraph(4) + "\n\n" + paragraph(6),
        paragraph(1),
        "Year Stem: Jia", "Year Branch: Zi", "Month Stem: Bing", "Month Branch: Yin",
        "Day Stem: Gui", "Day Branch: Si", "Hour Stem: Yi", "Hour Branch: Mao"};
    EXPECT_EQ(shown(w), expected);
    // One line break in the box for each CR LF of the text.
    EXPECT_EQ(w.txtMonth->document()->blockCount(), expected[21].count('\n') + 1);

    const bazi::FourPillarModule &m = bazi::modFengShuiFourPillar();
    EXPECT_EQ(m.DayNumber, 510);
    EXPECT_EQ(m.MonthPillarLines[4], "Earth [Wu]");
    EXPECT_EQ(m.MonthPillarPolarity[2], "Yang");
    EXPECT_EQ(m.PillarElementLabels[5], "Yin Earth [Ji]");
}

TEST_F(BaZiResultWindowTest, TouchingAnInterpretationEmptiesTheClipboard)
{
    frmFengShuiFourPillar &w = analyze(kLeapDay);
    QPlainTextEdit *boxes[] = {w.txtYear, w.txtMonth, w.txtDay, w.txtHour};
    for (int tab = 0; tab < 4; ++tab) {
        clickTab(w, tab);
        QWidget *area = boxes[tab]->viewport();
        // The boxes lie one over another: a fresh point for each.
        const QPoint at(20 + 10 * tab, 20);
        for (int step = 0; step < 4; ++step) {
            const int before = fakes.clipboard->clears;
            switch (step) {
            case 0: QTest::mouseMove(area, at); break;
            case 1: QTest::mousePress(area, Qt::LeftButton, {}, at); break;
            case 2: QTest::mouseRelease(area, Qt::LeftButton, {}, at); break;
            default: QTest::keyClick(boxes[tab], Qt::Key_A); break;
            }
            finishEvent();
            EXPECT_GT(fakes.clipboard->clears, before) << "tab " << tab << " step " << step;
        }
    }
}

TEST_F(BaZiResultWindowTest, APasteIntoAnInterpretationEndsWithAnEmptyClipboard)
{
    frmFengShuiFourPillar &w = analyze(kLeapDay);
    RealClipboard clipboard;
    QPlainTextEdit *boxes[] = {w.txtYear, w.txtMonth, w.txtDay, w.txtHour};
    for (int tab = 0; tab < 4; ++tab) {
        SCOPED_TRACE(tab);
        clickTab(w, tab);
        finishEvent();
        QPlainTextEdit *box = boxes[tab];
        const QString before = box->toPlainText();
        box->moveCursor(QTextCursor::End);

        const QPointer<QMimeData> copied = RealClipboard::put(QStringLiteral(" copied"));
        RealClipboard::pressPaste(box);
        // The boxes take typing and pasting; the paste's data outlives it.
        EXPECT_EQ(box->toPlainText(), before + " copied");
        EXPECT_TRUE(copied);
        finishEvent();
        EXPECT_TRUE(RealClipboard::empty());

        // A paste from the emptied clipboard, as X11 offers it, pastes nothing.
        RealClipboard::putNothing();
        RealClipboard::pressPaste(box);
        finishEvent();
        EXPECT_EQ(box->toPlainText(), before + " copied");
    }
}

TEST_F(BaZiResultWindowTest, BackExitAndCloseLeaveTheResult)
{
    enum Road { BackButton, BackMenu, ExitMenu, CloseBox };
    for (Road road : {BackButton, BackMenu, ExitMenu, CloseBox}) {
        QPointer<frmFengShuiFourPillar> result =
            &analyze({"Ann", 15, 6, 1981, 7, true, 5, 6, true, "99"});
        switch (road) {
        case BackButton: QTest::mouseClick(result->cmdBack, Qt::LeftButton); break;
        case BackMenu: result->findChild<QAction *>("mnuBack")->trigger(); break;
        case ExitMenu: result->findChild<QAction *>("mnuExit")->trigger(); break;
        case CloseBox: result->frameWidget()->close(); break;
        }
        flushDeletes();
        EXPECT_FALSE(result) << road;
        EXPECT_EQ(bazi::modFengShuiFourPillar().BaZiUserName, "Ann") << "the module keeps it";
        const bool back = road == BackButton || road == BackMenu;
        EXPECT_EQ(splashShown(), !back) << road;
        ASSERT_EQ(isLoaded<bazi::frmMainFengShuiBaZi>(), back) << road;
        if (!back)
            continue;
        // The input window comes back with its defaults.
        auto &input = form<bazi::frmMainFengShuiBaZi>();
        EXPECT_TRUE(input.Visible());
        EXPECT_EQ(input.txtName->text(), "");
        EXPECT_TRUE(input.optMale->isChecked());
        EXPECT_EQ(input.birthDate().date(), QDate(1924, 1, 1));
        EXPECT_EQ((QStringList{input.cboHH->currentText(), input.cboMM->currentText(),
                               input.cboSS->currentText(), input.cboAMPM->currentText(),
                               input.txtLongitude->text()}),
                  (QStringList{"1", "1", "1", "AM", "22"}));
        EXPECT_NEAR(input.Left(), (fakes.screen->width - input.Width()) / 2, 15);
        FormRegistry::instance().unload(&input);
        flushDeletes();
    }
}

TEST_F(BaZiResultWindowTest, SaveShowsTheReportOnceHoweverOftenItIsPressed)
{
    frmFengShuiFourPillar &w = analyze(kLeapDay);
    bazi::frmSaveFengShuiBaZi &report = saveReport(w);
    QPointer<bazi::frmSaveFengShuiBaZi> first = &report;
    EXPECT_TRUE(report.Visible());
    EXPECT_TRUE(w.Visible()) << "the result stays open beside it";
    EXPECT_EQ(report.caption(), "Orlix Feng Shui Ba Zi");
    EXPECT_FALSE(report.RTB->autoUrlDetect());

    const QString text = report.RTB->toPlainText();
    EXPECT_EQ(text.count("Report Generated By " + kSiteAddress), 4);
    EXPECT_TRUE(text.startsWith("The Year Pillar\n" + w.lblCaption[3]->text() +
                                "\n\nWood [Jia]\nRat [Zi]\nWater [Gui]\n\nInterpretation\n" +
                                paragraph(9) + "\n\nReport Generated By "));
    EXPECT_FALSE(text.contains("Ann"));

    saveReport(w);
    EXPECT_EQ(&saveReport(w), first.data()) << "no second report";
    EXPECT_EQ(report.RTB->toPlainText(), text);

    // An edited interpretation is what the next Save writes.
    w.txtHour->setPlainText("Mine");
    saveReport(w);
    EXPECT_TRUE(report.RTB->toPlainText().endsWith(
        "Wood [Yi]\n\nInterpretation\nMine\n\nReport Generated By " + kSiteAddress + "\n\n"));
}

TEST_F(BaZiResultWindowTest, AReportLeftOpenShowsOnlyTheNextPerson)
{
    frmFengShuiFourPillar &first = analyze(kLeapDay);
    QPointer<bazi::frmSaveFengShuiBaZi> report = &saveReport(first);
    const QString before = report->RTB->toPlainText();
    QTest::mouseClick(first.cmdBack, Qt::LeftButton);
    flushDeletes();
    ASSERT_TRUE(report) << "Back leaves the report open";

    auto &input = form<bazi::frmMainFengShuiBaZi>();
    enter(input, {"Bo", 31, 12, 2050, 10, true});
    input.cmdCalculation_Click();
    flushDeletes();
    EXPECT_EQ(report->RTB->toPlainText(), before) << "until Save, the report is as it was";
    saveReport(form<frmFengShuiFourPillar>());
    const QString after = report->RTB->toPlainText();
    EXPECT_TRUE(after.startsWith("The Year Pillar\n" + bazi::pillarPages()[0].description +
                                 "\n\nMetal [Geng]\nHorse [Wu]\n"));
    EXPECT_FALSE(after.contains("Wood [Jia]\nRat [Zi]")) << "the year of the first person";
    EXPECT_EQ(after.count("\nThe Month Pillar\n"), 1);
    EXPECT_EQ(after.count("Report Generated By "), 4);
}

TEST_F(BaZiResultWindowTest, TextsShowWhole)
{
    // Among the longest lines: "Monkey [Shen]", "Metal [Geng]".
    frmFengShuiFourPillar &w = analyze({"Ann", 1, 8, 1980, 3, true});
    for (const QWidget *window : {static_cast<QWidget *>(&w),
                                  static_cast<QWidget *>(&form<bazi::frmMainFengShuiBaZi>())}) {
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (label->mapTo(window, QPoint(0, 0)).y() >= window->height())
                continue; // below the edge, never seen
            EXPECT_TRUE(fits(label)) << label->objectName().toStdString() << ": "
                                     << label->text().toStdString();
        }
    }
}
