#include "BaguaEditorFixture.h"
#include "OptionKeys.h"

#include <QComboBox>
#include <QGroupBox>

#include <vector>

using namespace tessavo;
using namespace tessavo::floorplan;
using namespace tessavo::test;

namespace {

enum class Facing { South, North, East, West };

class EntranceDoorTest : public BaguaEditorTest {
protected:
    // Plot 60 by 30 (scales 10 and 5) and a room 20 long, 10 wide (1605 twips
    // square on whole pixels) at (795, 1605), clicked.
    frmMainFengShuiBagua &roomSelected(const char *length = "20", const char *width = "10")
    {
        auto &w = openWithPlot("60", "30");
        room = addRoom(w, QStringLiteral("HALL"), length, width);
        w.plan().setPosition(room, 795, 1605);
        click(w, room);
        clearMessages();
        return w;
    }

    static void face(const FacingDialog &d, Facing facing)
    {
        QRadioButton *option[] = {d.optSouth, d.optNorth, d.optEast, d.optWest};
        option[static_cast<int>(facing)]->setChecked(true);
    }

    static void direction(frmMainFengShuiBagua &w, int index)
    {
        w.cmbDirection->setCurrentIndex(index);
        w.Command1_Click();
    }

    int room = 0;
};

struct EntranceCase {
    const char *what;
    int direction; // cmbDirection index
    Facing facing;
    bool widthBox; // which size box the facing shows
    const char *size;
    float width;
    float height;
    // A room of 9 by 9 feet is a whole number of pixels on both sides: its
    // size in feet comes back exactly.
    const char *roomLength = "20";
    const char *roomWidth = "10";
};

} // namespace

TEST_F(EntranceDoorTest, FacingPicksTheSizeBoxAndTheSizeMakesTheEntrance)
{
    const EntranceCase rows[] = {
        {"south, north up", 0, Facing::South, true, "5", 795, 0},
        {"east, north up", 0, Facing::East, false, "5", 0, 405},
        {"east, east up", 3, Facing::East, true, "5", 795, 0},
        {"south, east up", 3, Facing::South, false, "5", 0, 405},
        {"as wide as the room", 0, Facing::North, true, "10", 1605, 0},
        {"south, south up", 1, Facing::South, true, "5", 795, 0},
        {"west, south up", 1, Facing::West, false, "5", 0, 405},
        {"west, west up", 2, Facing::West, true, "5", 795, 0},
        {"north, west up", 2, Facing::North, false, "5", 0, 405},
        {"exactly as long as the room", 0, Facing::East, false, "9", 0, 720, "9", "9"},
    };
    for (const auto &r : rows) {
        auto &w = roomSelected(r.roomLength, r.roomWidth);
        direction(w, r.direction);
        w.cmdFrontEntrence_Click();
        const FacingDialog &d = w.mainEntranceDialog();
        ASSERT_FALSE(d.facingFrame->isHidden()) << r.what;
        face(d, r.facing);
        w.cmdMEDirectionOk_Click();
        EXPECT_TRUE(d.facingFrame->isHidden());
        EXPECT_EQ(d.widthBox->isHidden(), !r.widthBox) << r.what;
        EXPECT_EQ(d.lengthBox->isHidden(), r.widthBox) << r.what;
        (r.widthBox ? d.widthBox : d.lengthBox)->setText(QString::fromLatin1(r.size));
        w.cmdMEOk_Click();

        EXPECT_TRUE(messages().isEmpty()) << r.what;
        const int n = w.plan().upperBound();
        ASSERT_EQ(n, room + 1) << r.what;
        const PlanElement &e = w.plan().at(n);
        EXPECT_EQ(e.text, QStringLiteral("Main Entrance"));
        EXPECT_EQ(e.left, 795);
        EXPECT_EQ(e.top, 1605);
        EXPECT_EQ(e.width, r.width) << r.what;
        EXPECT_EQ(e.height, r.height) << r.what;
        EXPECT_EQ(e.borderStyle, 1);
        EXPECT_EQ(w.cmdFrontEntrence->text(), QStringLiteral("Delete Main Entrance"));
        EXPECT_TRUE(modGreatFengShui().MainEntranceExists);
        EXPECT_EQ(modGreatFengShui().MainEntranceIndex, n);
        EXPECT_TRUE(d.sizeFrame->isHidden());
        EXPECT_TRUE(d.widthBox->text().isEmpty() && d.lengthBox->text().isEmpty());
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
    }
}

// The facing options by keys: the arrows go South, East, West, North, as
// they stand in the frame.
TEST_F(EntranceDoorTest, ArrowsChooseAFacingAndTabEntersOnTheChosenOne)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(mdi));
    const struct {
        const char *what;
        const char *chosen; // before the keys; nullptr: as the window loads
        const char *from;   // the focus before the keys
        const char *keys;
        const char *focus; // after the keys, and chosen
    } rows[] = {
        {"Down: the next", nullptr, "OptMESouth", "Down", "optMEEast"},
        {"Up from the first wraps round", nullptr, "OptMESouth", "Up", "optMENorth"},
        {"Right from the last wraps round", "optMENorth", "optMENorth", "Right", "OptMESouth"},
        {"Shift+Tab from OK: the chosen", nullptr, "cmdMEDirectionOk", "Shift+Tab", "OptMESouth"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        auto &w = roomSelected();
        w.cmdFrontEntrence_Click();
        QWidget *frame = w.mainEntranceDialog().facingFrame;
        ASSERT_FALSE(frame->isHidden());
        const auto control = [frame](const char *name) {
            return frame->findChild<QWidget *>(QString::fromLatin1(name));
        };
        if (r.chosen)
            qobject_cast<QRadioButton *>(control(r.chosen))->setChecked(true);
        const OptionKeysSeen seen = pressOptionKeys(frame, control(r.from), r.keys);
        EXPECT_EQ(seen.focus, r.focus);
        EXPECT_EQ(seen.chosen, r.focus);
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
    }
}

TEST_F(EntranceDoorTest, SizeRefusalsOfTheTwins)
{
    const struct {
        const char *what;
        bool back;
        Facing facing;
        const char *size;
        const char *message;
        MsgIcon icon;
    } rows[] = {
        {"main, empty", false, Facing::South, "", "Please enter length of the Main Entrance",
         MsgIcon::None},
        {"main, wider than the room", false, Facing::South, "10.5",
         "Length of the Main Entrance can't be greater than room width", MsgIcon::None},
        {"main, longer than the room", false, Facing::West, "21",
         "Lengte of the Main Entrance can't be greater than room length", MsgIcon::None},
        {"back, empty", true, Facing::North, "", "Please enter length of the Back Entrance",
         MsgIcon::Information},
        {"back, longer than the room", true, Facing::East, "21",
         "Length of the Back Entrance can't be greater than room length", MsgIcon::Information},
        {"back, wider than the room", true, Facing::South, "11",
         "Length of The back Entrance can't be greater than room width", MsgIcon::None},
    };
    for (const auto &r : rows) {
        auto &w = roomSelected();
        const FacingDialog &d = r.back ? w.backEntranceDialog() : w.mainEntranceDialog();
        r.back ? w.cmdBackEntrence_Click() : w.cmdFrontEntrence_Click();
        face(d, r.facing);
        r.back ? w.cmdBEDirectionOk_Click() : w.cmdMEDirectionOk_Click();
        QLineEdit *box = d.widthBox->isHidden() ? d.lengthBox : d.widthBox;
        box->setText(QString::fromLatin1(r.size));
        r.back ? w.cmdBEOk_Click() : w.cmdMEOk_Click();
        EXPECT_EQ(messages(), QStringList{QString::fromLatin1(r.message)}) << r.what;
        EXPECT_EQ(lastIcon(), r.icon) << r.what;
        EXPECT_TRUE(box->text().isEmpty()) << r.what;
        EXPECT_FALSE(d.sizeFrame->isHidden()) << r.what;
        EXPECT_EQ(w.plan().upperBound(), room) << r.what;
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
    }
}

TEST_F(EntranceDoorTest, ToggleRefusesWithoutASelectedRoomAndDeletesTheEntrance)
{
    auto &w = roomSelected();
    w.cmdFrontEntrence_Click();
    w.cmdMEDirectionOk_Click();
    w.mainEntranceDialog().widthBox->setText(QStringLiteral("5"));
    w.cmdMEOk_Click();
    const int entrance = w.plan().upperBound();

    // Clicking the entrance leaves no room selected.
    click(w, entrance);
    clearMessages();
    w.cmdBackEntrence_Click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select a room to create Back Entrance")});
    EXPECT_TRUE(w.backEntranceDialog().facingFrame->isHidden());

    // The delete road: no question, no message, the index stays.
    clearMessages();
    w.cmdFrontEntrence_Click();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(w.plan().at(entrance).text, QStringLiteral("a"));
    EXPECT_FALSE(w.plan().at(entrance).enabled);
    EXPECT_EQ(w.cmdFrontEntrence->text(), QStringLiteral("Main Entrance"));
    EXPECT_FALSE(modGreatFengShui().MainEntranceExists);
    EXPECT_EQ(modGreatFengShui().MainEntranceIndex, entrance);

    // A second entrance on an existing one is refused and closes the dialog.
    click(w, room);
    w.cmdFrontEntrence_Click();
    w.cmdMEDirectionOk_Click();
    addElement(w.plan(), QStringLiteral("Main Entrance"), 0, 0, 15, 0);
    clearMessages();
    w.mainEntranceDialog().widthBox->setText(QStringLiteral("5"));
    const int before = w.plan().upperBound();
    w.cmdMEOk_Click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Main Entrance already exist")});
    EXPECT_TRUE(w.mainEntranceDialog().sizeFrame->isHidden());
    EXPECT_EQ(w.plan().upperBound(), before);
}

TEST_F(EntranceDoorTest, CreateDoorQuestion)
{
    const struct {
        const char *answer;
        const char *message; // nullptr: the facing frame opens
    } rows[] = {
        {"1", nullptr},
        {"0.5", nullptr},
        {"-3", nullptr},
        {"2", "You canot create more than one door at a time"},
        {"abc", "Please insert only number"},
        {"", ""}, // Cancel: nothing
    };
    for (const auto &r : rows) {
        auto &w = roomSelected();
        inputAnswers = {QString::fromLatin1(r.answer)};
        w.cmdDoor_Click();
        EXPECT_EQ(inputBox->prompts.last(), QStringLiteral("You can create maximum one door at a time"));
        const bool opens = r.message == nullptr;
        EXPECT_EQ(w.doorDialog().facingFrame->isHidden(), !opens) << r.answer;
        EXPECT_EQ(w.cmdDoor->isHidden(), opens) << r.answer;
        EXPECT_EQ(lastMessage(), opens ? QString() : QString::fromLatin1(r.message)) << r.answer;
        EXPECT_EQ(baguaEditorFields().DoorCount, QString::fromLatin1(r.answer));
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
    }
}

TEST_F(EntranceDoorTest, DoorsAreMadeAtTheRoomsCorner)
{
    const struct {
        const char *answer;
        Facing facing;
        const char *size;
        int doors;
        float width;
        float height;
        int direction = 0; // cmbDirection index
    } rows[] = {
        {"1", Facing::South, "2", 1, 315, 0}, // 320 twips on whole pixels
        {"1", Facing::West, "2", 1, 0, 165},
        {"0.6", Facing::South, "10", 1, 1605, 0},
        {"0.5", Facing::South, "2", 0, 0, 0}, // halves go to the even 0
        {"0", Facing::South, "2", 0, 0, 0},
        {"1", Facing::South, "2", 1, 0, 165, 2}, // west up: south runs along
    };
    for (const auto &r : rows) {
        auto &w = roomSelected();
        direction(w, r.direction);
        modGreatFengShui().DoorExists = false;
        inputAnswers = {QString::fromLatin1(r.answer)};
        w.cmdDoor_Click();
        face(w.doorDialog(), r.facing);
        w.cmdDoorDirectionOk_Click();
        const FacingDialog &d = w.doorDialog();
        (d.widthBox->isHidden() ? d.lengthBox : d.widthBox)->setText(QString::fromLatin1(r.size));
        w.cmdDoorOk_Click();
        EXPECT_TRUE(messages().isEmpty()) << r.answer;
        ASSERT_EQ(w.plan().upperBound(), room + r.doors) << r.answer;
        if (r.doors) {
            const PlanElement &door = w.plan().at(room + 1);
            EXPECT_EQ(door.text, QString());
            EXPECT_EQ(door.left, 795);
            EXPECT_EQ(door.top, 1605);
            EXPECT_EQ(door.width, r.width) << r.answer;
            EXPECT_EQ(door.height, r.height) << r.answer;
        }
        EXPECT_TRUE(modGreatFengShui().DoorExists) << r.answer;
        EXPECT_FALSE(w.cmdDoor->isHidden());
        EXPECT_TRUE(d.sizeFrame->isHidden());
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
    }
}

TEST_F(EntranceDoorTest, DoorSizeRefusalsAndDeleteDoor)
{
    auto &w = roomSelected();
    inputAnswers = {QStringLiteral("1"), QStringLiteral("1")};
    w.cmdDoor_Click();
    face(w.doorDialog(), Facing::West);
    w.cmdDoorDirectionOk_Click();
    w.cmdDoorOk_Click();
    w.doorDialog().lengthBox->setText(QStringLiteral("20.5"));
    w.cmdDoorOk_Click();
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Please enter length of the door"),
                                       QStringLiteral("Lengte of the door can't be greater than "
                                                      "room length")}));
    EXPECT_TRUE(w.cmdDoor->isHidden());
    w.doorDialog().lengthBox->setText(QStringLiteral("20"));
    w.cmdDoorOk_Click();
    const int first = w.plan().upperBound();

    click(w, first);
    clearMessages();
    w.cmdDoor_Click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Please select a room")});

    // Delete Door retires the door clicked last, and nothing when the element
    // clicked last is not a door.
    const struct {
        const char *what;
        std::vector<int> clicks;
        bool retires;
    } rows[] = {
        {"a room", {room}, false},
        {"a door, then its room", {first, room}, false},
        {"the room, then a door", {room, first}, true},
    };
    for (const auto &r : rows) {
        for (const int element : r.clicks)
            click(w, element);
        clearMessages();
        w.cmdDeleteDoor_Click();
        EXPECT_EQ(messages(), r.retires
                                  ? QStringList()
                                  : QStringList{QStringLiteral("Plase select a door to delete")})
            << r.what;
        EXPECT_EQ(w.plan().at(room).text, QStringLiteral("HALL")) << r.what;
        EXPECT_TRUE(w.plan().at(room).enabled) << r.what;
        EXPECT_EQ(w.plan().at(first).text, r.retires ? QStringLiteral("Deleted Door") : QString())
            << r.what;
        if (!r.retires) {
            EXPECT_EQ(lastIcon(), MsgIcon::Information) << r.what;
        }
    }
    EXPECT_EQ(w.plan().at(first).top, 4800);
    EXPECT_FALSE(modGreatFengShui().DoorExists);
    EXPECT_FALSE(baguaEditorFields().RoomSelected);
}

TEST_F(EntranceDoorTest, AnAnswerWithBlanksAroundItIsReadAsItsNumber)
{
    for (const char *answer : {" 1", "  1  ", "1 "}) {
        auto &w = roomSelected();
        modGreatFengShui().DoorExists = false;
        inputAnswers = {QString::fromLatin1(answer)};
        w.cmdDoor_Click();
        face(w.doorDialog(), Facing::South);
        w.cmdDoorDirectionOk_Click();
        w.doorDialog().widthBox->setText(QStringLiteral("2"));
        w.cmdDoorOk_Click();
        EXPECT_TRUE(messages().isEmpty()) << answer;
        ASSERT_EQ(w.plan().upperBound(), room + 1) << answer;
        const PlanElement &door = w.plan().at(room + 1);
        EXPECT_EQ(door.text, QString());
        EXPECT_EQ(door.left, 795);
        EXPECT_EQ(door.top, 1605);
        EXPECT_EQ(door.width, 315); // 320 twips on whole pixels
        EXPECT_EQ(door.height, 0);
        EXPECT_TRUE(modGreatFengShui().DoorExists);
        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
    }
    // The number after the blanks is the one the limit is held against.
    auto &w = roomSelected();
    inputAnswers = {QStringLiteral(" 2")};
    w.cmdDoor_Click();
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("You canot create more than one door at a time")});
    EXPECT_TRUE(w.doorDialog().facingFrame->isHidden());
}
