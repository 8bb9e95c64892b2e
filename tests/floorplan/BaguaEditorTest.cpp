#include "BaguaEditorFixture.h"
#include "ReaderPress.h"

#include "floorplan/PlanModel.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>

#include <functional>

using namespace tessavo;
using namespace tessavo::floorplan;
using namespace tessavo::test;

TEST_F(BaguaEditorTest, CompanionFileDecidesWhetherTheEditorOpens)
{
    setCompanionFile(false);
    EXPECT_THROW(openEditor(), ProcessEnded);
    ASSERT_FALSE(fakes.messageBox->shown.isEmpty());
    EXPECT_EQ(lastMessage(), QStringLiteral("Required File Is Missing\rPlease Reinstall Software"));
    EXPECT_EQ(lastIcon(), MsgIcon::Critical);
    EXPECT_EQ(fakes.processEnd->ends, 1);
}

TEST_F(BaguaEditorTest, LoadStartsTheScreenAfreshButKeepsTheModuleData)
{
    modGreatFengShui().MainEntranceExists = true;
    modGreatFengShui().RoomCount = 7;
    baguaEditorFields().RoomSelected = true;
    auto &w = openEditor();

    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(modGreatFengShui().RoomCount, 0);
    EXPECT_TRUE(modGreatFengShui().MainEntranceExists);
    EXPECT_TRUE(baguaEditorFields().RoomSelected);
    EXPECT_EQ(w.cmdFrontEntrence->text(), QStringLiteral("Main Entrance"));
    EXPECT_EQ(w.plan().upperBound(), 0);
    EXPECT_TRUE(w.lblLengthMesure->text().isEmpty());
    EXPECT_FALSE(w.lstRoom->isEnabled());
    EXPECT_EQ(w.lstRoom->count(), 12);
    EXPECT_EQ(w.lstRoom->item(10)->text(), QStringLiteral(" Master Bed Room"));
    for (QGroupBox *frame : {w.fraAddNewRoom, w.mainEntranceDialog().facingFrame,
                             w.mainEntranceDialog().sizeFrame, w.backEntranceDialog().facingFrame,
                             w.doorDialog().facingFrame, w.doorDialog().sizeFrame})
        EXPECT_TRUE(frame->isHidden()) << frame->objectName().toStdString();
    EXPECT_EQ(w.lblUp->text() + w.lblDown->text() + w.lblLeft->text() + w.lblRight->text(),
              QStringLiteral("NSWE"));
    EXPECT_TRUE(w.doorDialog().optSouth->isChecked());

    // File menu entries run the editor's commands.
    QStringList names;
    for (QAction *action : w.findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
        names << action->objectName() + QLatin1Char('=') + action->text();
    EXPECT_EQ(names, QStringList({QStringLiteral("mnuBaguaChart=Generate Bagua &Chart"),
                                  QStringLiteral("mnuOpen=&Open"), QStringLiteral("mnuSave=&Save"),
                                  QStringLiteral("mnuExit=E&xit")}));
    w.findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    flushDeletes();
    EXPECT_FALSE(isLoaded<frmMainFengShuiBagua>());
    EXPECT_TRUE(mdi->picMain()->isVisibleTo(mdi));
}

TEST_F(BaguaEditorTest, PlotScaleAndItsRefusals)
{
    const struct {
        const char *length;
        const char *width;
        const char *message;
        const char *lengthCaption;
        const char *widthCaption;
        // Pressed by its mnemonic, Alt+R: the box the refusal leaves the
        // focus in, not the button the key moved it to first.
        const char *focusByKey = nullptr;
    } rows[] = {
        {"60", "30", nullptr, "[Length Scale is 1 :10]", "[Width Scale is 1 :5]"},
        {"100", "6", nullptr, "[Length Scale is 1 :16.6666666666667]", "[Width Scale is 1 :1]"},
        {"", "30", "Please enter your plot length", "", ""},
        {"60", "", "Please enter your plot width", "", ""},
        // A scale every later conversion would divide by zero with.
        {"0", "30", "Please enter your plot length as a number greater than 0", "", ""},
        {" ", "30", "Please enter your plot length as a number greater than 0", "", ""},
        {"60", "1.2.3", "Please enter your plot width as a number greater than 0", "", ""},
        {"", "30", "Please enter your plot length", "", "", "txtPlotLength"},
    };
    for (const auto &r : rows) {
        auto &w = openEditor();
        clearMessages();
        w.txtPlotLength->setText(QString::fromLatin1(r.length));
        w.txtPlotWidth->setText(QString::fromLatin1(r.width));
        if (r.focusByKey) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(mdi));
            QTest::keyClick(&w, Qt::Key_R, Qt::AltModifier);
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(r.focusByKey));
        } else {
            w.cmdMesure_Click();
        }
        EXPECT_EQ(lastMessage(), r.message ? QString::fromLatin1(r.message) : QString()) << r.length;
        EXPECT_EQ(w.lblLengthMesure->text(), QString::fromLatin1(r.lengthCaption)) << r.length;
        EXPECT_EQ(w.lblWidthMesure->text(), QString::fromLatin1(r.widthCaption)) << r.length;
        // Add Room stops at the same refusal and asks nothing.
        if (r.message) {
            w.cmdAddRoom_Click();
            EXPECT_EQ(lastMessage(), QString::fromLatin1(r.message));
            EXPECT_FALSE(w.cmdAddRoom->isHidden());
        }
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
    }
}

TEST_F(BaguaEditorTest, KeyFiltersOfTheBoxes)
{
    auto &w = openEditor();
    const struct {
        const char *box;
        const char *typed;
        const char *text;
        QStringList shown;
    } rows[] = {
        {"txtPlotLength", "7/", "7", {QStringLiteral("Please enter only number")}},
        {"txtPlotWidth", "1a", "1", {QStringLiteral("Please enter only number")}},
        {"txtLength", "1.2.3", "1.2.3", {}},
        {"txtwidth", "/", "", {QStringLiteral("Please enter  only number")}},
        {"txtDoorWidth", "2/", "2", {QStringLiteral("Please enter only Number")}},
        {"txtDoorLength", "2/", "2", {QStringLiteral("Please enter only number")}},
        {"txtMEWidth", " ", "", {QStringLiteral("Please enter only number")}},
        {"txtBELength", "12\b", "1", {}},
        {"txtAddRoomName", "hall 2/", "HALL 2/", {}},
    };
    for (const auto &r : rows) {
        auto *box = w.findChild<QLineEdit *>(QString::fromLatin1(r.box));
        ASSERT_NE(box, nullptr) << r.box;
        box->clear();
        clearMessages();
        for (const char *c = r.typed; *c; ++c) {
            if (*c == '\b')
                QTest::keyClick(box, Qt::Key_Backspace);
            else
                QTest::keyClicks(box, QString(QLatin1Char(*c)));
        }
        EXPECT_EQ(box->text(), QString::fromLatin1(r.text)) << r.box;
        EXPECT_EQ(messages(), r.shown) << r.box;
    }
}

TEST_F(BaguaEditorTest, ChangeDirectionTurnsOnlyTheCompass)
{
    auto &w = openWithPlot("60", "30");
    const int k = addRoom(w, QStringLiteral("HALL"), "15", "10");
    const struct {
        int index;
        const char *compass;
    } rows[] = {{2, "WESN"}, {3, "EWNS"}, {1, "SNEW"}, {0, "NSWE"}};
    for (const auto &r : rows) {
        w.cmbDirection->setCurrentIndex(r.index);
        w.Command1_Click();
        EXPECT_EQ(w.lblUp->text() + w.lblDown->text() + w.lblLeft->text() + w.lblRight->text(),
                  QString::fromLatin1(r.compass));
    }
    EXPECT_EQ(w.plan().at(k).left, 0);
    EXPECT_EQ(w.plan().at(k).top, 0);
}

TEST_F(BaguaEditorTest, NewRoomChecksInOrder)
{
    const struct {
        const char *name;
        const char *length;
        const char *width;
        const char *message;
        const char *lengthAfter;
        const char *widthAfter;
    } rows[] = {
        {"", "15", "10", "Please enter room name", "15", "10"},
        {"   ", "15", "10", "Please enter room name", "15", "10"},
        {"K", "", "10", "Please enter length of the room", "", "10"},
        {"K", "61", "10", "Lengte of the room can't be greater than plot length", "", "10"},
        {"K", "15", "", "Please enter width of the room", "15", ""},
        {"K", "15", "30.5", "Width of the room can't be greater than plot width", "15", ""},
        // Compared as 12.5, yet no number to draw with.
        {"K", "12.5.3", "10", "Please enter the length of the room as a number", "12.5.3", "10"},
        {"MY \"BIG\" ROOM", "15", "10", "Please enter a room name without double quotes", "15",
         "10"},
    };
    auto &w = openWithPlot("60", "30");
    for (const auto &r : rows) {
        clearMessages();
        addRoom(w, QString::fromLatin1(r.name), r.length, r.width);
        EXPECT_EQ(lastMessage(), QString::fromLatin1(r.message)) << r.message;
        EXPECT_EQ(w.txtLength->text(), QString::fromLatin1(r.lengthAfter)) << r.message;
        EXPECT_EQ(w.txtwidth->text(), QString::fromLatin1(r.widthAfter)) << r.message;
        EXPECT_FALSE(w.fraAddNewRoom->isHidden());
        EXPECT_EQ(w.plan().upperBound(), 0);
        EXPECT_FALSE(modGreatFengShui().RoomAdded);
    }
}

TEST_F(BaguaEditorTest, RoomsAreMadeAtTheCornerSizedByTheScale)
{
    const struct {
        const char *name;
        const char *length;
        const char *width;
        const char *text;
        float height;
        float widthTwips;
    } rows[] = {
        {"KITCHEN", "15", "10", "KITCHEN", 1200, 1605}, // 1600 twips on whole pixels
        {"HALL", "60", "30", "HALL", 4800, 4800},
        {"  DEN ", "7.5", "3.75", "DEN", 600, 600},
    };
    auto &w = openWithPlot("60", "30");
    int expected = 0;
    for (const auto &r : rows) {
        clearMessages();
        const int k = addRoom(w, QString::fromLatin1(r.name), r.length, r.width);
        ASSERT_EQ(k, ++expected);
        const PlanElement &e = w.plan().at(k);
        EXPECT_EQ(e.text, QString::fromLatin1(r.text));
        EXPECT_EQ(e.height, r.height) << r.name;
        EXPECT_EQ(e.width, r.widthTwips) << r.name;
        EXPECT_EQ(e.left, 0);
        EXPECT_EQ(e.top, 0);
        EXPECT_TRUE(e.visible);
        EXPECT_EQ(messages(), QStringList({QStringLiteral("Do you want to create a  new room ?"),
                                           QStringLiteral("Now Drag The Room To Bring It To Your "
                                                          "Prefered Position")}));
        EXPECT_EQ(w.txtRoom(k)->text(), e.text);
        EXPECT_TRUE(w.fraAddNewRoom->isHidden());
        EXPECT_FALSE(w.cmdAddRoom->isHidden());
    }
    EXPECT_EQ(modGreatFengShui().RoomCount, expected);
    EXPECT_TRUE(modGreatFengShui().RoomAdded);
}

TEST_F(BaguaEditorTest, StandardRoomsAndTheQuestion)
{
    auto &w = openWithPlot("60", "30");
    // No to the question: the scale was already worked out.
    w.txtPlotLength->setText(QStringLiteral("30"));
    fakes.messageBox->answers.push_back(MsgAnswer::No);
    w.cmdAddRoom_Click();
    EXPECT_TRUE(w.fraAddNewRoom->isHidden());
    EXPECT_EQ(w.lblLengthMesure->text(), QStringLiteral("[Length Scale is 1 :5]"));

    w.cmdDefaultRoom_Click();
    EXPECT_TRUE(w.lstRoom->isEnabled());
    EXPECT_TRUE(w.cmdDefaultRoom->isHidden());

    // The list's click comes once by every route that chooses an entry, the
    // entry chosen already too; each row starts from the entry the row
    // before chose.
    ASSERT_TRUE(QTest::qWaitForWindowActive(mdi));
    ListBox *list = w.lstRoom;
    const auto at = [list](int row) {
        list->scrollToItem(list->item(row));
        return list->visualItemRect(list->item(row)).center();
    };
    const struct {
        const char *what;
        std::function<void()> choose;
        const char *name;
    } routes[] = {
        // The focus coming to the list marks its first entry, choosing none.
        {"Tab to the list, then Down",
         [&] {
             list->setFocus(Qt::TabFocusReason);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
         },
         " Dining Room"},
        {"a reader's selection", [&] { selectAsAReader(list, 4); }, " Children Room"},
        {"a click on another entry",
         [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(2)); }, " Kitchen"},
        {"the program's choice", [&] { list->setCurrentRow(10); }, " Master Bed Room"},
        {"a click on the entry already chosen",
         [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at(10)); },
         " Master Bed Room"},
    };
    for (const auto &r : routes) {
        w.fraAddNewRoom->hide();
        w.txtAddRoomName->clear();
        QSignalSpy clicks(list, &ListBox::Click);
        r.choose();
        EXPECT_EQ(clicks.size(), 1) << r.what;
        EXPECT_FALSE(w.fraAddNewRoom->isHidden()) << r.what;
        EXPECT_EQ(w.txtAddRoomName->text(), QString::fromLatin1(r.name)) << r.what;
    }
    w.txtLength->setText(QStringLiteral("10"));
    w.txtwidth->setText(QStringLiteral("10"));
    w.cmdOk_Click();
    EXPECT_EQ(w.plan().at(1).text, QStringLiteral("Master Bed Room"));
    EXPECT_FALSE(w.lstRoom->isEnabled());
    EXPECT_FALSE(w.cmdDefaultRoom->isHidden());
}

TEST_F(BaguaEditorTest, DeleteRoomRetiresTheSelectedRoomOnly)
{
    auto &w = openWithPlot("60", "30");
    const int a = addRoom(w, QStringLiteral("A"), "15", "10");
    const int b = addRoom(w, QStringLiteral("B"), "15", "10");
    clearMessages();
    w.cmdDeleteRoom_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Plase select a room to delete"));

    click(w, b);
    clearMessages();
    w.cmdDeleteRoom_Click();
    w.cmdDeleteRoom_Click(); // the second press finds no highlight
    EXPECT_TRUE(messages().isEmpty());
    const PlanElement &gone = w.plan().at(b);
    EXPECT_EQ(gone.text, QStringLiteral("B"));
    EXPECT_FALSE(gone.enabled);
    EXPECT_FALSE(w.txtRoom(b)->isEnabled());
    EXPECT_EQ(gone.left, 4800);
    EXPECT_EQ(gone.width, 0);
    EXPECT_EQ(gone.backColor, plainColour());
    EXPECT_TRUE(w.plan().at(a).enabled);
    EXPECT_EQ(w.plan().upperBound(), 2);
}

TEST_F(BaguaEditorTest, DraggingARoomRunsTheOverlapTestOnce)
{
    auto &w = openWithPlot("60", "60");
    // A: 1500 twips square at the corner; B: 600 twips square.
    const int a = addRoom(w, QStringLiteral("A"), "18.75", "18.75");
    const int b = addRoom(w, QStringLiteral("B"), "7.5", "7.5");
    const struct {
        const char *what;
        QPoint to; // B's top-left corner, pixels
        bool refused;
        std::optional<QPoint> through = std::nullopt; // on the way
    } rows[] = {
        {"corner inside A", {80, 80}, true},
        {"touching A's right edge", {100, 0}, false},
        {"below A", {40, 120}, false},
        {"onto the middle of A", {20, 60}, true},
        {"far away", {200, 200}, false},
        {"onto A and back to where it was", {200, 200}, false, QPoint(20, 60)},
    };
    for (const auto &r : rows) {
        clearMessages();
        const PlanElement &e = w.plan().at(b);
        const QPoint from(twips::toPixels(e.left), twips::toPixels(e.top));
        drag(w, b, r.to - from,
             r.through ? std::optional<QPoint>(*r.through - from) : std::nullopt);
        EXPECT_EQ(w.plan().at(b).left, twips::fromPixels(r.to.x())) << r.what;
        EXPECT_EQ(w.plan().at(b).top, twips::fromPixels(r.to.y())) << r.what;
        EXPECT_EQ(w.txtRoom(b)->pos(), r.to) << r.what;
        EXPECT_EQ(modGreatFengShui().RoomsOverlap, r.refused) << r.what;
        EXPECT_EQ(messages(), r.refused ? QStringList{QStringLiteral("Sorry you cannot overlap rooms")}
                                        : QStringList{})
            << r.what;
        EXPECT_EQ(w.plan().highlighted(), QList<int>{b});
    }
    // Right button: a question mark, no selection.
    clearMessages();
    w.txtRoom_MouseDown(a, Qt::RightButton);
    EXPECT_EQ(lastMessage(), QStringLiteral("What is This?"));
    EXPECT_EQ(lastIcon(), MsgIcon::Critical);
    EXPECT_EQ(w.plan().highlighted(), QList<int>{b});
}

TEST_F(BaguaEditorTest, DoorsAndEntrancesMayLieOverAnything)
{
    auto &w = openWithPlot("60", "60");
    const int a = addRoom(w, QStringLiteral("A"), "18.75", "18.75");
    auto door = addElement(w.plan(), QString(), 3000, 3000, 300, 300);
    ASSERT_TRUE(door);
    modGreatFengShui().RoomCount = *door;
    modGreatFengShui().RoomsOverlap = true;
    clearMessages();
    drag(w, *door, {-190, -190});
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(modGreatFengShui().RoomsOverlap); // left as it was
    EXPECT_FALSE(modGreatFengShui().EntranceOrDoorGrabbed);
    EXPECT_TRUE(modGreatFengShui().DoorSelected);
    click(w, a); // a clean click of a room clears it
    EXPECT_FALSE(modGreatFengShui().RoomsOverlap);
}
