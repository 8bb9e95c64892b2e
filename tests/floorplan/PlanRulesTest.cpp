#include "floorplan/PlanRules.h"

#include <gtest/gtest.h>

using namespace tessavo::floorplan;

namespace {

PlanElement box(const QString &text, float left, float top, float width, float height)
{
    PlanElement e;
    e.text = text;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
}

PlanElement room(float left, float top, float width, float height)
{
    return box(QStringLiteral("ROOM"), left, top, width, height);
}

} // namespace

TEST(ElementKind, ToldByTheTextAlone)
{
    const struct {
        const char *text;
        ElementKind kind;
    } rows[] = {
        {"Main Entrance", ElementKind::MainEntrance},
        {"Back Entrance", ElementKind::BackEntrance},
        {"", ElementKind::Door},
        {"main entrance", ElementKind::Room},
        {"Main Entrance ", ElementKind::Room},
        {" ", ElementKind::Room},
        {"a", ElementKind::Room},
        {"Deleted Door", ElementKind::Room},
        {"KITCHEN", ElementKind::Room},
    };
    for (const auto &r : rows)
        EXPECT_EQ(elementKind(QString::fromLatin1(r.text)), r.kind) << r.text;
}

TEST(Overlap, DroppedRoomAgainstRoomA)
{
    const PlanElement a = room(0, 0, 1500, 1500);
    const struct {
        const char *what;
        PlanElement dropped;
        bool hit;
    } rows[] = {
        {"corner inside", room(1200, 1200, 600, 600), true},
        {"touching the right edge", room(1500, 0, 600, 600), false},
        {"touching the bottom edge", room(0, 1500, 600, 600), false},
        {"across the middle", room(-300, 600, 3000, 600), true},
        {"crossing top to bottom", room(600, -1500, 600, 4500), true},
        {"middle on the top edge", room(600, -2250, 600, 4500), false},
        {"covering A entirely", room(-15, -15, 3000, 3000), false},
        {"inside A entirely", room(300, 300, 300, 300), true},
        {"far away", room(3000, 3000, 600, 600), false},
        // Every sample lies on an edge, as for the element itself.
        {"same place and size", room(0, 0, 1500, 1500), false},
        // Left and right edges and the middle left of A; the fourth sample,
        // left + half the height, 200, lies inside A and takes the top and
        // bottom edges.
        {"fourth sample, top inside", room(-1000, 600, 600, 2400), true},
        {"fourth sample, bottom inside", room(-1000, -1800, 600, 2400), true},
        // Its bottom edge 1500 lies on A's edge; only the middle row, 300,
        // is inside, and the fourth sample does not take it.
        {"fourth sample, middle row only", room(-1000, -900, 600, 2400), false},
        // Half the height, 800, leaves the fourth sample left of A, at -200.
        {"fourth sample outside", room(-1000, 600, 600, 1600), false},
        // Middle column 900 inside, both edges outside; the middle row,
        // 600, is inside but the middle column takes the edges only.
        {"middle column, middle row only", room(-300, -1200, 2400, 3600), false},
        // The left edge inside takes the middle row too.
        {"left edge, middle row only", room(600, -1200, 600, 3600), true},
        {"right edge, middle row only", room(-300, -1200, 600, 3600), true},
    };
    for (const auto &r : rows)
        EXPECT_EQ(elementHits(r.dropped, a), r.hit) << r.what;
}

TEST(Overlap, TheNewestElementIsMetToo)
{
    Plan plan;
    addElement(plan, QStringLiteral("B"), 1200, 1200, 600, 600);
    addElement(plan, QStringLiteral("C"), 3000, 3000, 600, 600);
    addElement(plan, QStringLiteral("A"), 0, 0, 1500, 1500);
    GreatFengShuiModule module;
    BaguaEditorFields fields;
    selectElement(plan, 1, module, fields);
    EXPECT_EQ(firstOverlap(plan, 1), 3);
    EXPECT_TRUE(overlapStep(plan, 1, module));
    EXPECT_TRUE(module.RoomsOverlap);
}

TEST(Overlap, ElementsThatAreNeverHit)
{
    const PlanElement a = room(0, 0, 1500, 1500);
    // An element never meets itself.
    EXPECT_FALSE(elementHits(a, a));
    // Zero width or height: a retired element, a line-shaped entrance.
    EXPECT_FALSE(elementHits(room(600, 600, 600, 600), box(QStringLiteral("a"), 4800, 4800, 0, 0)));
    EXPECT_FALSE(elementHits(room(600, 600, 600, 600), box(kMainEntranceText, 600, 600, 795, 0)));
    // A door with both sizes above zero is hit like a room.
    EXPECT_TRUE(elementHits(room(600, 600, 600, 600), box(QString(), 500, 500, 300, 300)));
}

TEST(Overlap, StepSetsAndClearsTheFlag)
{
    Plan plan;
    addElement(plan, QStringLiteral("A"), 0, 0, 1500, 1500);
    addElement(plan, QStringLiteral("B"), 1200, 1200, 600, 600);
    addElement(plan, QStringLiteral("C"), 3000, 3000, 600, 600);
    addElement(plan, QString(), 0, 0, 300, 300); // a door over A
    GreatFengShuiModule module;
    BaguaEditorFields fields;

    struct Step {
        int element;
        bool reported;
        bool overlap;
        bool dropped = true; // the press ended with its release and the step
    };
    const Step steps[] = {
        {2, true, true},   // B lies over A
        {3, false, false}, // a clean room clears the flag though B stays
        {2, true, true},
        {4, false, true}, // a door is never tested and leaves the flag
        {3, false, false},
        // A press on the door whose gesture was cut off: the room pressed
        // next is tested all the same.
        {4, false, false, false},
        {2, true, true},
    };
    for (const Step &s : steps) {
        selectElement(plan, s.element, module, fields);
        if (!s.dropped)
            continue;
        EXPECT_EQ(overlapStep(plan, s.element, module), s.reported) << s.element;
        EXPECT_EQ(module.RoomsOverlap, s.overlap) << s.element;
        // The step of a door's own press ends what its press began.
        if (s.element == 4) {
            EXPECT_FALSE(module.EntranceOrDoorGrabbed);
        }
    }
    EXPECT_EQ(firstOverlap(plan, 2), 1);
    EXPECT_EQ(firstOverlap(plan, 3), std::nullopt);
}

TEST(Selection, RecordsSizeInFeetAndKind)
{
    Plan plan;
    addElement(plan, QStringLiteral("KITCHEN"), 795, 1590, 1590, 1590);
    addElement(plan, kMainEntranceText, 795, 1590, 795, 0);
    addElement(plan, QString(), 795, 1590, 315, 0);
    GreatFengShuiModule module;
    module.PlotLengthScale = 10;
    module.PlotWidthScale = 5;
    BaguaEditorFields fields;

    const struct {
        int element;
        bool roomSelected;
        bool doorSelected;
        bool grabbed;
        double lengthFeet;
        double widthFeet;
    } rows[] = {
        {1, true, false, false, 19.875, 9.9375},
        {2, false, false, true, 0, 4.96875},
        {3, false, true, true, 0, 1.96875},
        // Each row starts from the selection the one before left: a room or
        // an entrance clicked after a door leaves no door selected.
        {1, true, false, false, 19.875, 9.9375},
        {3, false, true, true, 0, 1.96875},
        {2, false, false, true, 0, 4.96875},
    };
    for (const auto &r : rows) {
        module.EntranceOrDoorGrabbed = false;
        selectElement(plan, r.element, module, fields);
        EXPECT_EQ(fields.RoomSelected, r.roomSelected) << r.element;
        EXPECT_EQ(module.DoorSelected, r.doorSelected) << r.element;
        EXPECT_EQ(module.EntranceOrDoorGrabbed, r.grabbed) << r.element;
        EXPECT_DOUBLE_EQ(module.SelRoomLength, r.lengthFeet) << r.element;
        EXPECT_DOUBLE_EQ(module.SelRoomWidth, r.widthFeet) << r.element;
        EXPECT_EQ(plan.highlighted(), QList<int>{r.element});
        EXPECT_EQ(plan.at(0).backColor, plainColour());
    }
}

TEST(Retire, EachKindItsMarker)
{
    Plan plan;
    addElement(plan, QStringLiteral("HALL"), 0, 0, 1605, 1200);
    addElement(plan, kMainEntranceText, 0, 0, 795, 0);
    addElement(plan, QString(), 0, 0, 315, 0);
    GreatFengShuiModule module;
    BaguaEditorFields fields;
    selectElement(plan, 1, module, fields);
    retireRoom(plan, 1);
    retireEntrance(plan, 2);
    retireDoor(plan, 3);

    const struct {
        int index;
        const char *text;
        QColor back;
    } rows[] = {
        {1, "HALL", plainColour()},
        {2, "a", retiredColour()},
        {3, "Deleted Door", retiredColour()},
    };
    for (const auto &r : rows) {
        const PlanElement &e = plan.at(r.index);
        EXPECT_EQ(e.text, QString::fromLatin1(r.text));
        EXPECT_EQ(e.backColor, r.back) << r.index;
        EXPECT_FALSE(e.enabled);
        EXPECT_EQ(e.left, 4800);
        EXPECT_EQ(e.top, 4800);
        EXPECT_EQ(e.width, 0);
        EXPECT_EQ(e.height, 0);
    }
    // Retired elements keep their places in the array.
    EXPECT_EQ(plan.upperBound(), 3);
    EXPECT_TRUE(plan.highlighted().isEmpty());
}

TEST(Containment, EntranceInsideAnotherElement)
{
    const PlanElement roomA = room(795, 1590, 1605, 1605);
    const struct {
        const char *what;
        PlanElement entrance;
        bool inside;
    } rows[] = {
        {"at the corner", box(kMainEntranceText, 795, 1590, 795, 0), true},
        {"left edge on the room's left", box(kMainEntranceText, 795, 2000, 0, 300), true},
        {"one twip left of it", box(kMainEntranceText, 794, 2000, 0, 300), false},
        {"as wide as the room", box(kMainEntranceText, 795, 1590, 1605, 0), true},
        {"one twip wider", box(kMainEntranceText, 795, 1590, 1606, 0), false},
        {"below the room", box(kMainEntranceText, 795, 3196, 100, 0), false},
        // Hanging out of the room on one side only, by one twip.
        {"out to the left", box(kMainEntranceText, 794, 2000, 300, 0), false},
        {"out to the right", box(kMainEntranceText, 2100, 2000, 301, 0), false},
        {"out above", box(kMainEntranceText, 1000, 1589, 0, 300), false},
        {"out below", box(kMainEntranceText, 1000, 2900, 0, 296), false},
        {"down to the bottom edge", box(kMainEntranceText, 1000, 2900, 0, 295), true},
    };
    for (const auto &r : rows)
        EXPECT_EQ(liesInside(r.entrance, roomA), r.inside) << r.what;
}

TEST(Containment, SaveTestLooksAtEveryOtherElement)
{
    const struct {
        const char *what;
        std::vector<PlanElement> elements;
        int index;
        bool passes;
    } rows[] = {
        {"no entrance on the plan", {room(0, 0, 1605, 1200)}, 9, true},
        {"inside a room", {room(0, 0, 1605, 1200), box(kMainEntranceText, 0, 0, 795, 0)}, 2, true},
        {"outside every room",
         {room(0, 0, 1605, 1200), box(kMainEntranceText, 3000, 0, 795, 0)},
         2,
         false},
        {"inside a door",
         {box(QString(), 3000, 0, 900, 900), box(kMainEntranceText, 3000, 0, 795, 0)},
         2,
         true},
        {"inside a retired element",
         {box(QStringLiteral("a"), 4800, 4800, 0, 0), box(kMainEntranceText, 4800, 4800, 0, 0)},
         2,
         true},
        {"index outside the plan",
         {room(0, 0, 1605, 1200), box(kMainEntranceText, 0, 0, 795, 0)},
         7,
         false},
    };
    for (const auto &r : rows) {
        Plan plan;
        for (const PlanElement &e : r.elements)
            addElement(plan, e.text, e.left, e.top, e.width, e.height);
        EXPECT_EQ(entranceInsideTest(plan, kMainEntranceText, r.index), r.passes) << r.what;
    }
}

TEST(PlanArray, IndicesStopAtTheSixteenBitLimit)
{
    Plan plan;
    for (int i = 1; i <= Plan::kMaxIndex; ++i)
        ASSERT_EQ(plan.loadNext(), i);
    EXPECT_EQ(plan.room(), 0);
    EXPECT_EQ(plan.loadNext(), std::nullopt);
    EXPECT_EQ(addElement(plan, QStringLiteral("HALL"), 0, 0, 15, 15), std::nullopt);
}

TEST(PlanArray, SizesLandOnWholePixels)
{
    Plan plan;
    const int i = *addElement(plan, QStringLiteral("KITCHEN"), 0, 0, 1600, 1200);
    EXPECT_EQ(plan.at(i).width, 1605); // 106.67 pixels
    EXPECT_EQ(plan.at(i).height, 1200);
    EXPECT_TRUE(plan.at(i).visible);
    EXPECT_FALSE(plan.at(plan.upperBound()).text.isEmpty());
    EXPECT_FALSE(plan.at(0).visible);
    EXPECT_EQ(plan.at(0).text, kTemplateText);
}
