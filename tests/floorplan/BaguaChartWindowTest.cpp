// Generate Bagua Chart and the chart window: the refusals, the grid laid over
// the rooms, the ways back to the plan editor, the part names.

#include "BaguaWindowFixture.h"
#include "HeldKey.h"

#include "charts/kua/frmMainFengShuiKuaNumber.h"
#include "floorplan/BaguaCalc.h"
#include "platform/RichTextBox.h"
#include "platform/SiteAddress.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace tessavo;
using namespace tessavo::test;
using namespace tessavo::floorplan;

namespace {

class BaguaChartWindowTest : public BaguaWindowTest {
protected:
    void clearPlan()
    {
        while (plan().upperBound() > 0)
            plan().unloadLast();
        modGreatFengShui().RoomCount = 0;
    }

    // Geometry of a control in pixels of its container (15 twips a pixel).
    static QRect at(const QWidget *w) { return w->geometry(); }
};

} // namespace

TEST_F(BaguaChartWindowTest, GenerateRefusesOrShowsTheChart)
{
    const struct {
        const char *what;
        bool companion;
        bool withRoom;
        bool overlap;        // a second room over the first
        bool flagLeft;       // a room's refused drop left its flag
        const char *message; // nothing when none is shown
        bool chartLoaded;
        bool chartShown;
        bool whitened;
    } rows[] = {
        {"companion file missing: nothing changes, not even the colours", false, true, false, false,
         "Required file is missing please reinstall the software", false, false, false},
        {"no element at all", true, false, false, false,
         "Please create rooms to gernerate Bagua Chart", false, false, true},
        {"rooms overlap: the grid is laid but the chart stays hidden", true, true, true, false,
         "You cannot overlap rooms", true, false, true},
        {"a plain plan", true, true, false, false, nullptr, true, true, true},
        // The plan on the screen decides, not what an earlier drop left.
        {"a plain plan after a refused drop", true, true, false, true, nullptr, true, true, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        unloadForm<frmDisplay>();
        flushDeletes();
        clearPlan();
        setCompanionFile(row.companion);
        if (row.withRoom) {
            addElement("KITCHEN", 810, 1605, 1620, 1350);
            plan().setColours(1, selectedColour());
        }
        if (row.overlap)
            addElement("PANTRY", 1200, 1800, 600, 600);
        modGreatFengShui().RoomsOverlap = row.flagLeft;
        fakes.messageBox->shown.clear();

        generate();

        if (row.message) {
            ASSERT_EQ(fakes.messageBox->shown.size(), 1);
            EXPECT_EQ(fakes.messageBox->shown[0].text, row.message);
            EXPECT_EQ(fakes.messageBox->shown[0].icon, MsgIcon::Information);
            EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok);
        } else {
            EXPECT_TRUE(fakes.messageBox->shown.isEmpty()) << fakes.messageBox->texts();
        }
        if (row.withRoom) {
            EXPECT_EQ(plan().at(1).backColor, row.whitened ? plainColour() : selectedColour());
        }
        ASSERT_EQ(isLoaded<frmDisplay>(), row.chartLoaded);
        EXPECT_EQ(editor().Visible(), !row.chartShown);
        EXPECT_FALSE(splashShown());
        if (!row.chartLoaded)
            continue;
        EXPECT_EQ(chart().Visible(), row.chartShown);
        // 1620 x 1350 twips at (810, 1605): 108 x 90 pixels at (54, 107).
        EXPECT_EQ(at(chart().lblBaguaContainer), QRect(54, 107, 108, 90));
        for (int k = 0; k < 9; ++k) {
            const QRect expected(54 + 36 * (k % 3), 107 + 30 * (k / 3), 36, 30);
            EXPECT_EQ(at(chart().lblBaguaPart[k]), expected) << k;
            EXPECT_EQ(chart().shpBaguaPart[k]->pos(), expected.topLeft()) << k;
        }
    }
}

TEST_F(BaguaChartWindowTest, TheEditorsButtonAndFileMenuGenerate)
{
    addElement("A", 810, 810, 810, 1200);
    const struct {
        const char *what;
        std::function<void()> press;
    } rows[] = {
        {"Generate Bagua Chart",
         [&] { QTest::mouseClick(editor().cmdSavePicture, Qt::LeftButton); }},
        {"File > Generate Bagua Chart",
         [&] { editor().findChild<QAction *>("mnuBaguaChart")->trigger(); }},
        // Its repeats press no Back in the chart, nor Generate again.
        {"Alt+B held down", [&] { holdKey(&editor(), Qt::Key_B, Qt::AltModifier, 5); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        row.press();
        ASSERT_TRUE(isLoaded<frmDisplay>());
        EXPECT_TRUE(chart().Visible());
        EXPECT_FALSE(editor().Visible());
        EXPECT_EQ(at(chart().lblBaguaContainer), QRect(54, 54, 54, 80));
        chart().cmdBack_Click();
        flushDeletes();
        EXPECT_TRUE(editor().Visible());
    }
}

TEST_F(BaguaChartWindowTest, TheBoxHoldsTheRoomsOnlyAndThePartsTouch)
{
    addElement("A", 810, 810, 810, 1200);
    addElement("B", 1620, 405, 1215, 810);
    addElement("Main Entrance", 300, 300, 405, 0);
    addElement(QString(), 300, 300, 3000, 3000);
    const int hall = addElement("Hall", 90, 90, 300, 300);
    retireRoom(plan(), hall);
    modGreatFengShui().ChartLeftRoom = 9; // no room is left of element 1

    generate();

    ASSERT_TRUE(chart().Visible());
    const GreatFengShuiModule &m = modGreatFengShui();
    const ChartBox expected{810, 405, 2835, 2010, 2025, 1605, 9, 2, 2, 1};
    EXPECT_EQ(chartBoxOf(m), expected);
    EXPECT_EQ(at(chart().lblBaguaContainer), QRect(54, 27, 135, 107));
    // A third of 2025 is 675 twips (45 pixels); of 1605, 535, kept as 36
    // pixels, so the rows stand 36 pixels apart and end short of the box.
    const int lefts[] = {54, 99, 144};
    const int tops[] = {27, 63, 99};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(at(chart().lblBaguaPart[k]), QRect(lefts[k % 3], tops[k / 3], 45, 36)) << k;
}

TEST_F(BaguaChartWindowTest, GenerateAgainLaysTheGridFromTheCurrentPlan)
{
    addElement("A", 810, 810, 810, 1200);
    generate();
    ASSERT_TRUE(chart().Visible());
    QTest::mouseClick(chart().cmdBack, Qt::LeftButton);
    flushDeletes();
    plan().setGeometry(1, 1620, 1620, 450, 450);
    generate();
    EXPECT_EQ(at(chart().lblBaguaContainer), QRect(108, 108, 30, 30));
    EXPECT_EQ(at(chart().lblBaguaPart[8]), QRect(128, 128, 10, 10));
}

TEST_F(BaguaChartWindowTest, EveryRoadBackShowsTheEditorAndLeavesTheReportOpen)
{
    enum class Road { Button, Menu, CloseBox, OtherTool };
    const struct {
        const char *what;
        Road road;
    } rows[] = {
        {"Back", Road::Button},
        {"File > Back", Road::Menu},
        {"the close box", Road::CloseBox},
        {"another tool from the main window", Road::OtherTool},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        mdi->cmdCallMainForm_Click(4);
        flushDeletes();
        addElement("A", 810, 810, 810, 1200);
        generate();
        ASSERT_TRUE(chart().Visible());
        ASSERT_FALSE(editor().Visible());
        QTest::mouseClick(chart().lblBaguaPart[0], Qt::LeftButton);
        ASSERT_TRUE(isLoaded<frmRoomAnalysis>());
        QPointer<frmRoomAnalysis> report = &form<frmRoomAnalysis>();

        switch (row.road) {
        case Road::Button: QTest::mouseClick(chart().cmdBack, Qt::LeftButton); break;
        case Road::Menu: chart().findChild<QAction *>("mnuBack")->trigger(); break;
        case Road::CloseBox: chart().subWindow()->close(); break;
        case Road::OtherTool: mdi->cmdCallMainForm_Click(0); break;
        }
        flushDeletes();

        EXPECT_FALSE(isLoaded<frmDisplay>());
        EXPECT_FALSE(splashShown());
        if (row.road == Road::OtherTool) {
            EXPECT_FALSE(isLoaded<frmMainFengShuiBagua>());
            EXPECT_FALSE(report);
            EXPECT_TRUE(isLoaded<kua::frmMainFengShuiKuaNumber>());
            continue;
        }
        ASSERT_TRUE(isLoaded<frmMainFengShuiBagua>());
        EXPECT_TRUE(editor().Visible());
        EXPECT_EQ(plan().upperBound(), 1) << "the editor keeps its plan";
        ASSERT_TRUE(report);
        EXPECT_TRUE(report->Visible());
        unloadForm<frmRoomAnalysis>();
    }
}

TEST_F(BaguaChartWindowTest, ClosingTheProgramFromTheChartBringsNoEditorBack)
{
    addElement("A", 810, 810, 810, 1200);
    generate();
    ASSERT_TRUE(chart().Visible());
    // An editor loaded again while the main window closes would check for
    // the companion file once more.
    setCompanionFile(false);
    fakes.messageBox->shown.clear();
    EXPECT_NO_THROW(mdi->cmdExit_Click());
    flushDeletes();
    EXPECT_FALSE(isLoaded<MDI>());
    EXPECT_FALSE(isLoaded<frmDisplay>());
    EXPECT_FALSE(isLoaded<frmMainFengShuiBagua>());
    EXPECT_TRUE(fakes.messageBox->shown.isEmpty()) << fakes.messageBox->texts();
}

TEST_F(BaguaChartWindowTest, PartNamesShowFromTheFirstMoveOverAnyPart)
{
    addElement("A", 810, 810, 810, 1200);
    generate();
    frmDisplay &w = chart();
    for (Label *part : w.lblBaguaPart)
        EXPECT_TRUE(part->toolTip().isEmpty());
    QTest::mouseMove(w.lblBaguaPart[4]);
    const char *names[] = {"Hsun/Wealth",
                           "Li/Fame And Reputation",
                           "Kun/Relationships Marriage",
                           "Jen/Family",
                           "Tai Chi/Health Balance",
                           "Dui/Children Creativity",
                           "Ken/Knowledge Self Under- standing",
                           "Kan/Career",
                           "Chien/Helpful Friends Travel"};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(w.lblBaguaPart[k]->toolTip(), names[k]) << k;
}

TEST_F(BaguaChartWindowTest, ADoubleClickOnAPartWritesItsReportOnce)
{
    addElement("A", 810, 810, 810, 1200);
    generate();
    doubleClick(chart().lblBaguaPart[1]);
    ASSERT_TRUE(isLoaded<frmRoomAnalysis>());
    // The fame report has eight sections, each closed by a credit line.
    const QString credit = QStringLiteral("Report Generated By ") + kSiteAddress;
    EXPECT_EQ(form<frmRoomAnalysis>().RTB->toPlainText().count(credit), 8);
}

TEST_F(BaguaChartWindowTest, Menus)
{
    addElement("A", 810, 810, 810, 1200);
    generate();
    QStringList bar;
    for (QAction *entry : chart().menuBarActions())
        bar << entry->objectName();
    EXPECT_EQ(bar, QStringList({"mnuFile", "mnuHelp", "mnuMakeMoney"}));
    EXPECT_EQ(chart().findChild<QAction *>("mnuBack")->text(), "&Back");
}
