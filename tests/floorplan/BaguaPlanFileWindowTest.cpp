#include "BaguaEditorFixture.h"
#include "ReaderPress.h"

#include "floorplan/PlanFile.h"
#include "floorplan/frmDisplay.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>

#include <functional>

using namespace tessavo;
using namespace tessavo::floorplan;
using namespace tessavo::test;

namespace {

class PlanFileWindowTest : public BaguaEditorTest {
protected:
    // Plot 60 by 30; a room with a main entrance, a back entrance and a door
    // at its top-left corner: a plan Save takes. The room lies at (795,
    // 1605) twips, or where it was dragged to, in pixels.
    frmMainFengShuiBagua &savablePlan(std::optional<QPoint> draggedTo = std::nullopt)
    {
        auto &w = openWithPlot("60", "30");
        room = addRoom(w, QStringLiteral("HALL"), "20", "10");
        if (draggedTo)
            drag(w, room, *draggedTo - w.txtRoom(room)->pos());
        else
            w.plan().setPosition(room, 795, 1605);
        click(w, room);
        w.cmdFrontEntrence_Click();
        w.cmdMEDirectionOk_Click();
        w.mainEntranceDialog().widthBox->setText(QStringLiteral("5"));
        w.cmdMEOk_Click();
        click(w, room);
        w.cmdBackEntrence_Click();
        w.cmdBEDirectionOk_Click();
        w.backEntranceDialog().widthBox->setText(QStringLiteral("2"));
        w.cmdBEOk_Click();
        click(w, room);
        inputAnswers = {QStringLiteral("1")};
        w.cmdDoor_Click();
        w.cmdDoorDirectionOk_Click();
        w.doorDialog().widthBox->setText(QStringLiteral("1"));
        w.cmdDoorOk_Click();
        clearMessages();
        return w;
    }

    QString planPath() const { return planFilePath(folder.path()); }

    QByteArray planFile() const
    {
        QFile file(planPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    int room = 0;
};

const QByteArray kSavedPlan = "1,\"HALL\",795,1605,1605,1605,1\r\n"
                              "2,\"Main Entrance\",795,1605,795,0,1\r\n"
                              "3,\"Back Entrance\",795,1605,315,0,1\r\n"
                              "4,\"\",795,1605,165,0,1\r\n";

} // namespace

TEST_F(PlanFileWindowTest, SaveChecksInOrderAndChangesNothingWhenRefused)
{
    const struct {
        const char *what;
        std::function<void(frmMainFengShuiBagua &)> spoil;
        std::deque<MsgAnswer> answers;
        QStringList shown;
    } rows[] = {
        {"no main entrance",
         [](auto &w) { w.cmdFrontEntrence_Click(); },
         {},
         {QStringLiteral("Please create Main Entrance")}},
        {"no back entrance, going to make it",
         [](auto &w) { w.cmdBackEntrence_Click(); },
         {MsgAnswer::Yes},
         {QStringLiteral("There is no Back Entrance\r\nDo you want To create ?")}},
        {"main entrance outside every element",
         [](auto &w) { w.plan().setPosition(2, 3600, 0); },
         {},
         {QStringLiteral("Main Entrance must be inside the room")}},
        {"back entrance one twip too wide",
         [](auto &w) { w.plan().setPosition(3, 2100, 1605); },
         {},
         {QStringLiteral("Back Entrance must be inside the room")}},
        // The hall's bottom edge is at 3210 twips; these end a pixel below it.
        {"main entrance hanging out below the hall",
         [](auto &w) { w.plan().setGeometry(2, 795, 3000, 0, 225); },
         {},
         {QStringLiteral("Main Entrance must be inside the room")}},
        {"back entrance hanging out below the hall",
         [](auto &w) { w.plan().setGeometry(3, 2400, 3000, 0, 225); },
         {},
         {QStringLiteral("Back Entrance must be inside the room")}},
        {"no door",
         [](auto &w) { retireDoor(w.plan(), 4); },
         {},
         {QStringLiteral("Please Create Doors")}},
        {"a room over the hall",
         [this](auto &w) {
             addRoom(w, QStringLiteral("DELTA"), "30", "20");
             clearMessages();
         },
         {},
         {QStringLiteral("You cannot overlap rooms")}},
        {"not confirmed",
         [](auto &) {},
         {MsgAnswer::No},
         {QStringLiteral("Do you want to save the Plot Chart?")}},
    };
    for (const auto &r : rows) {
        auto &w = savablePlan();
        r.spoil(w);
        const int elements = w.plan().upperBound();
        fakes.messageBox->answers = r.answers;
        w.Command2_Click();
        EXPECT_EQ(messages(), r.shown) << r.what;
        EXPECT_FALSE(QFile::exists(planPath())) << r.what;
        EXPECT_EQ(w.plan().upperBound(), elements) << r.what;
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
        modGreatFengShui() = {};
    }
}

TEST_F(PlanFileWindowTest, SaveWritesTheFileClearsThePlanAndOpenBringsItBack)
{
    auto &w = savablePlan();
    w.findChild<QAction *>(QStringLiteral("mnuSave"))->trigger();
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Do you want to save the Plot Chart?"),
                                       QStringLiteral("Saved succesfully")}));
    EXPECT_EQ(planFile(), kSavedPlan);
    EXPECT_EQ(w.plan().upperBound(), 0);
    EXPECT_EQ(w.txtRoom(1), nullptr);
    EXPECT_EQ(modGreatFengShui().RoomCount, 0);
    EXPECT_FALSE(baguaEditorFields().RoomSelected);
    // The flags and captions stay as the saved plan left them.
    EXPECT_EQ(w.cmdFrontEntrence->text(), QStringLiteral("Delete Main Entrance"));
    EXPECT_TRUE(modGreatFengShui().DoorExists);

    // Open appends the file behind what the editor holds.
    addRoom(w, QStringLiteral("NEW"), "5", "5");
    clearMessages();
    w.findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Are You Sure You Want To Integrate Old Chart "
                                                     "With New Chart ?")});
    ASSERT_EQ(w.plan().upperBound(), 5);
    EXPECT_EQ(modGreatFengShui().RoomCount, 5);
    std::vector<PlanRecord> reopened = planRecords(w.plan());
    reopened.erase(reopened.begin());
    for (PlanRecord &record : reopened)
        --record.index;
    EXPECT_EQ(*planFileBytes(reopened), kSavedPlan);
    EXPECT_EQ(modGreatFengShui().MainEntranceIndex, 3);
    EXPECT_EQ(modGreatFengShui().BackEntranceIndex, 4);
    EXPECT_TRUE(w.txtRoom(5)->isVisible());
    EXPECT_FALSE(w.cmdOpen->isEnabled());
    EXPECT_TRUE(w.Command2->isEnabled());
}

TEST_F(PlanFileWindowTest, AFailedSaveKeepsThePlanAndSaysSo)
{
    auto &w = savablePlan();
    fakes.programFolder->folder = folder.filePath(QStringLiteral("gone"));
    w.Command2_Click();
    ASSERT_EQ(fakes.messageBox->shown.size(), 2);
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("The Plot Chart could not be saved")));
    EXPECT_EQ(lastIcon(), MsgIcon::Critical);
    EXPECT_FALSE(messages().contains(QStringLiteral("Saved succesfully")));
    EXPECT_EQ(w.plan().upperBound(), 4);
    EXPECT_EQ(modGreatFengShui().RoomCount, 4);
}

TEST_F(PlanFileWindowTest, OpenRefusals)
{
    auto &w = openEditor();
    w.cmdOpen_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Please reduced scale measure"));
    w.txtPlotLength->setText(QStringLiteral("60"));
    w.txtPlotWidth->setText(QStringLiteral("30"));
    w.cmdMesure_Click();
    w.cmdOpen_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("You did not save any structure of plot"));

    QFile file(planPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kSavedPlan);
    file.close();
    addRoom(w, QStringLiteral("A"), "5", "5");
    fakes.messageBox->answers = {MsgAnswer::No};
    w.cmdOpen_Click();
    EXPECT_EQ(w.plan().upperBound(), 1);
    EXPECT_TRUE(w.cmdOpen->isEnabled());

    // As many elements as a file may hold do not fit behind the room.
    std::vector<PlanRecord> full(Plan::kMaxIndex, {1, QStringLiteral("R"), 0, 0, 15, 15, 1});
    ASSERT_TRUE(writePlanFile(planPath(), full));
    clearMessages();
    fakes.messageBox->answers = {MsgAnswer::Yes};
    w.cmdOpen_Click();
    EXPECT_TRUE(lastMessage().startsWith(
        QStringLiteral("The saved Plot Chart does not fit into the chart on the screen")))
        << lastMessage().toStdString();
    EXPECT_EQ(lastIcon(), MsgIcon::Critical);
    EXPECT_EQ(w.plan().upperBound(), 1);
    EXPECT_EQ(modGreatFengShui().RoomCount, 1);
    EXPECT_TRUE(w.cmdOpen->isEnabled());
}

TEST_F(PlanFileWindowTest, ABrokenFileChangesNothingAndNamesTheLine)
{
    const struct {
        const char *file;
        int line;
    } rows[] = {
        {"missing-quote.txt", 1}, {"short-record.txt", 2},       {"width-not-number.txt", 3},
        {"negative-size.txt", 2}, {"two-points.txt", 2},         {"extra-field.txt", 3},
        {"quote-in-name.txt", 2}, {"line-break-in-name.txt", 1},
    };
    auto &w = openWithPlot("60", "30");
    addRoom(w, QStringLiteral("A"), "5", "5");
    const QDir data(QStringLiteral(TESSAVO_FLOORPLAN_DATA));
    for (const auto &r : rows) {
        QFile::remove(planPath());
        ASSERT_TRUE(QFile::copy(data.filePath(QString::fromLatin1(r.file)), planPath())) << r.file;
        clearMessages();
        w.cmdOpen_Click();
        EXPECT_TRUE(lastMessage().contains(QStringLiteral("Line %1 of Structure.txt").arg(r.line)))
            << r.file << ": " << lastMessage().toStdString();
        EXPECT_EQ(lastIcon(), MsgIcon::Critical);
        EXPECT_EQ(w.plan().upperBound(), 1) << r.file;
        EXPECT_EQ(modGreatFengShui().RoomCount, 1) << r.file;
        EXPECT_FALSE(modGreatFengShui().MainEntranceExists) << r.file;
        EXPECT_TRUE(w.cmdOpen->isEnabled()) << r.file;
    }
}

// After a Save the plan is gone but the flags of its entrances and doors
// stay, and a new visit to the editor keeps them too. What the next Save
// checks is what the plan on the screen holds: the saved plan is never
// replaced by one without a Main Entrance, or by an empty one.
TEST_F(PlanFileWindowTest, ASaveChecksThePlanOnTheScreenNotWhatAnEarlierPlanLeft)
{
    const auto makeEntrance = [](frmMainFengShuiBagua &w, int onRoom, bool main) {
        click(w, onRoom);
        if (main) {
            w.cmdFrontEntrence_Click();
            w.cmdMEDirectionOk_Click();
            w.mainEntranceDialog().widthBox->setText(QStringLiteral("1"));
            w.cmdMEOk_Click();
        } else {
            w.cmdBackEntrence_Click();
            w.cmdBEDirectionOk_Click();
            w.backEntranceDialog().widthBox->setText(QStringLiteral("1"));
            w.cmdBEOk_Click();
        }
    };
    const struct {
        const char *what;
        std::function<void(frmMainFengShuiBagua &)> next;
        std::deque<MsgAnswer> answers;
        QString refusal;
    } rows[] = {
        {"Save again at once", [](auto &) {}, {}, QStringLiteral("Please create Main Entrance")},
        {"one room added",
         [](auto &w) { addRoom(w, QStringLiteral("NEW"), "5", "5"); },
         {},
         QStringLiteral("Please create Main Entrance")},
        // Names compare exactly: this is a room.
        {"a room named main entrance",
         [](auto &w) { addRoom(w, QStringLiteral("main entrance"), "5", "5"); },
         {},
         QStringLiteral("Please create Main Entrance")},
        {"a new visit to the editor, one room added",
         [this](auto &) {
             auto &again = openWithPlot("60", "30");
             addRoom(again, QStringLiteral("NEW"), "5", "5");
         },
         {},
         QStringLiteral("Please create Main Entrance")},
        {"a room with both entrances and no door",
         [&](auto &w) {
             const int k = addRoom(w, QStringLiteral("NEW"), "5", "5");
             makeEntrance(w, k, true);
             makeEntrance(w, k, false);
         },
         {},
         QStringLiteral("Please Create Doors")},
        {"a room with a main entrance only, going to make the back one",
         [&](auto &w) { makeEntrance(w, addRoom(w, QStringLiteral("NEW"), "5", "5"), true); },
         {MsgAnswer::Yes},
         QStringLiteral("There is no Back Entrance\r\nDo you want To create ?")},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        QFile::remove(planPath());
        auto &w = savablePlan();
        w.Command2_Click();
        ASSERT_EQ(planFile(), kSavedPlan);
        r.next(w);
        auto &now = form<frmMainFengShuiBagua>();
        clearMessages();
        fakes.messageBox->answers = r.answers;
        now.Command2_Click();
        EXPECT_EQ(messages(), QStringList{r.refusal});
        EXPECT_EQ(planFile(), kSavedPlan);
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
        modGreatFengShui() = {};
    }
}

// Whether rooms overlap is read off the rooms on the screen, by Generate
// Bagua Chart and Save alike: not off the flag a room's drop sets, which
// Add Room, Open, Delete Room and a new visit leave as it was, and which
// misses a room over its twin or a large room dropped over a small one.
TEST_F(PlanFileWindowTest, SaveAndGenerateJudgeTheRoomsOnTheScreen)
{
    const QPoint intoHall(60, 110); // from the corner, pixels
    // A pixel is a whole number of twips at 96 and 120 dpi, not at these;
    // the room meets nothing where it is dropped, and the entrances and the
    // door made at its corner lie inside it, all the same.
    const auto madeAt = [this](double dpi) {
        return [this, dpi](frmMainFengShuiBagua &) {
            mdi->cmdCallMainForm_Click(-1);
            flushDeletes();
            modGreatFengShui() = {};
            twips::setDpi(dpi);
            savablePlan(QPoint(6, 7));
            // Dropped and clicked alone on the plot, the room met nothing.
            EXPECT_FALSE(modGreatFengShui().RoomsOverlap);
        };
    };
    const struct {
        const char *what;
        std::function<void(frmMainFengShuiBagua &)> act; // leaves an editor loaded
        bool overlap;
    } rows[] = {
        {"a room added at the corner over the hall, not dragged",
         [](auto &w) { addRoom(w, QStringLiteral("DELTA"), "30", "20"); }, true},
        {"the plan opened twice: each room on its twin",
         [](auto &w) {
             w.Command2_Click();
             w.mnuOpen_Click();
             w.mnuOpen_Click();
         },
         true},
        {"a refused drop, then Delete Room",
         [&](auto &w) {
             drag(w, addRoom(w, QStringLiteral("ALPHA"), "5", "5"), intoHall);
             w.cmdDeleteRoom_Click();
         },
         false},
        {"a refused drop, then a new visit opening a sound plan",
         [&](auto &w) {
             drag(w, addRoom(w, QStringLiteral("ALPHA"), "5", "5"), intoHall);
             QFile file(planPath());
             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(kSavedPlan);
             file.close();
             openWithPlot("60", "30").cmdOpen_Click();
         },
         false},
        // Its left edge and middle lie left of the hall; the last sample,
        // half its height to the right, lies inside it.
        {"a drop the last sample refused, though the room meets none",
         [](auto &w) {
             drag(w, addRoom(w, QStringLiteral("TALL"), "30", "1"), {26, 113});
         },
         false},
        {"a large room dropped over the hall, which its drop lets pass",
         [](auto &w) {
             drag(w, addRoom(w, QStringLiteral("BIG"), "30", "20"), {0, 60});
         },
         true},
        {"the plan made at 110 dpi, its room dragged to pixel (6, 7)", madeAt(110), false},
        {"the same at 100 dpi", madeAt(100), false},
        {"the same at 84 dpi", madeAt(84), false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        QFile::remove(planPath());
        r.act(savablePlan());
        auto &w = form<frmMainFengShuiBagua>();
        const QByteArray before = planFile();
        const int elements = w.plan().upperBound();
        clearMessages();
        w.cmdSavePicture_Click();
        const QStringList refused{QStringLiteral("You cannot overlap rooms")};
        EXPECT_EQ(messages(), r.overlap ? refused : QStringList{});
        EXPECT_EQ(isLoaded<frmDisplay>() && form<frmDisplay>().Visible(), !r.overlap);
        unloadForm<frmDisplay>();
        clearMessages();
        w.Command2_Click();
        if (r.overlap) {
            EXPECT_EQ(messages(), refused);
            EXPECT_EQ(planFile(), before);
        } else {
            EXPECT_EQ(messages().value(1), QStringLiteral("Saved succesfully"));
            EXPECT_EQ(planFile().count("\r\n"), elements);
        }
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
        modGreatFengShui() = {};
        twips::setDpi(96);
    }
}

// While Save's or Open's question is open, nothing pressed in the editor
// behind it runs, by whatever route the press comes: a click, a screen
// reader's Press on a button (its click comes a tenth of a second later,
// from inside the box), or on a menu entry (at once). What the user said
// Yes to is done as it was asked, and only once.
TEST_F(PlanFileWindowTest, NothingPressedBehindSavesOrOpensQuestionRuns)
{
    const auto pressOpenEntry = [](frmMainFengShuiBagua &w) {
        pressAsAReader(menuEntry(&w, "mnuFile", QStringLiteral("Open")));
    };
    const QString saveQuestion = QStringLiteral("Do you want to save the Plot Chart?");
    const QString openQuestion =
        QStringLiteral("Are You Sure You Want To Integrate Old Chart With New Chart ?");
    const struct {
        const char *what;
        bool underOpen; // else under Save's question
        std::function<void(frmMainFengShuiBagua &)> pressBehind;
    } rows[] = {
        // The hall holding both entrances and the door is selected.
        {"Delete Room under Save's question", false,
         [](auto &w) { pressAsAReader(w.cmdDeleteRoom); }},
        {"Save under Save's question", false, [](auto &w) { pressAsAReader(w.Command2); }},
        {"File > Open under Save's question", false, pressOpenEntry},
        {"a room chosen in the list under Save's question", false,
         [](auto &w) { selectAsAReader(w.lstRoom, 1); }},
        {"Save under Open's question", true, [](auto &w) { pressAsAReader(w.Command2); }},
        {"File > Open under Open's question", true, pressOpenEntry},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        QFile::remove(planPath());
        auto &w = savablePlan();
        w.cmdDefaultRoom_Click(); // the list of rooms takes a choice
        if (r.underOpen) {
            w.Command2_Click();
            addRoom(w, QStringLiteral("NEW"), "5", "5");
            clearMessages();
        }
        const QString question = r.underOpen ? openQuestion : saveQuestion;
        int asked = 0;
        fakes.messageBox->whileOpen = [&](const QString &text) {
            if (text == question && ++asked == 1)
                r.pressBehind(w);
        };
        (r.underOpen ? w.cmdOpen : w.Command2)->click();
        fakes.messageBox->whileOpen = nullptr;
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(planFile(), kSavedPlan);
        // Nothing chosen in the list: a choice behind the box is put back.
        EXPECT_TRUE(w.fraAddNewRoom->isHidden());
        EXPECT_TRUE(w.lstRoom->selectedItems().isEmpty());
        if (r.underOpen) {
            EXPECT_EQ(messages(), QStringList{question});
            EXPECT_EQ(w.plan().upperBound(), 5);
        } else {
            EXPECT_EQ(messages(), QStringList({question, QStringLiteral("Saved succesfully")}));
            EXPECT_EQ(w.plan().upperBound(), 0);
        }
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
        modGreatFengShui() = {};
    }
}

// Alt+S and at once a click on Save, as a quick hand does: the key's press
// is done before the click arrives, so the click's Save finds the plan
// cleared and writes nothing over it. A box that answers only after its
// loop has run a while gives a late click its chance to land inside it.
TEST_F(PlanFileWindowTest, SavesMnemonicAndAClickOnSaveWriteThePlanOnce)
{
    auto &w = savablePlan();
    w.cmdDefaultRoom_Click(); // Alt+S is then Save's alone
    ASSERT_TRUE(QTest::qWaitForWindowActive(mdi));
    fakes.messageBox->whileOpen = [](const QString &) { QTest::qWait(150); };
    QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    QTest::qWait(150);
    EXPECT_EQ(planFile(), kSavedPlan);
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Do you want to save the Plot Chart?"),
                                       QStringLiteral("Saved succesfully"),
                                       QStringLiteral("Please create Main Entrance")}));
}
