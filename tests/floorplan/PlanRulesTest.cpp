#include "floorplan/PlanRules.h"
#include "platform/Twips.h"

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

// A place or size of whole pixels at 110 dpi, where a pixel is 13.09 twips.
float px110(int pixels)
{
    return static_cast<float>(pixels * 1440.0 / 110);
}

// Whether the plan of the two, made in this order, has rooms that overlap.
bool planOfBoth(const PlanElement &first, const PlanElement &second)
{
    Plan plan;
    for (const PlanElement *e : {&first, &second})
        addElement(plan, e->text, e->left, e->top, e->width, e->height);
    return planHasOverlappingRooms(plan);
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

// A dropped room is tested by samples of its edges (hit); Save and
// Generate Bagua Chart judge the plan by whether the rooms' insides meet.
TEST(Overlap, DroppedRoomAgainstRoomA)
{
    const PlanElement a = room(0, 0, 1500, 1500);
    // At 110 dpi its right and bottom edges, pixel 128 and 129, are 1675.6
    // and 1688.7 twips.
    const PlanElement a110 = room(px110(6), px110(7), px110(122), px110(122));
    const struct {
        const char *what;
        PlanElement dropped;
        bool hit;
        bool meet;
        bool at110 = false; // against a110, made at 110 dpi
    } rows[] = {
        {"corner inside", room(1200, 1200, 600, 600), true, true},
        {"touching the right edge", room(1500, 0, 600, 600), false, false},
        {"touching the bottom edge", room(0, 1500, 600, 600), false, false},
        {"touching a corner", room(1500, 1500, 600, 600), false, false},
        {"across the middle", room(-300, 600, 3000, 600), true, true},
        {"crossing top to bottom", room(600, -1500, 600, 4500), true, true},
        {"middle on the top edge", room(600, -2250, 600, 4500), false, true},
        // A large room dropped over a small one passes the drop's test.
        {"covering A entirely", room(-15, -15, 3000, 3000), false, true},
        {"inside A entirely", room(300, 300, 300, 300), true, true},
        {"far away", room(3000, 3000, 600, 600), false, false},
        // Every sample lies on an edge, as for the element itself: the plan
        // opened twice puts each room on its twin.
        {"same place and size", room(0, 0, 1500, 1500), false, true},
        // Left and right edges and the middle left of A; the fourth sample,
        // left + half the height, 200, lies inside A and takes the top and
        // bottom edges, though the room lies left of A.
        {"fourth sample, top inside", room(-1000, 600, 600, 2400), true, false},
        {"fourth sample, bottom inside", room(-1000, -1800, 600, 2400), true, false},
        // Its bottom edge 1500 lies on A's edge; only the middle row, 300,
        // is inside, and the fourth sample does not take it.
        {"fourth sample, middle row only", room(-1000, -900, 600, 2400), false, false},
        // Half the height, 800, leaves the fourth sample left of A, at -200.
        {"fourth sample outside", room(-1000, 600, 600, 1600), false, false},
        // Middle column 900 inside, both edges outside; the middle row,
        // 600, is inside but the middle column takes the edges only.
        {"middle column, middle row only", room(-300, -1200, 2400, 3600), false, true},
        // The left edge inside takes the middle row too.
        {"left edge, middle row only", room(600, -1200, 600, 3600), true, true},
        {"right edge, middle row only", room(-300, -1200, 600, 3600), true, true},
        {"at 110 dpi, same place and size", a110, false, true, true},
        {"at 110 dpi, touching the right edge", room(px110(128), px110(7), px110(30), px110(122)),
         false, false, true},
        {"at 110 dpi, touching the bottom edge", room(px110(6), px110(129), px110(122), px110(30)),
         false, false, true},
    };
    for (const auto &r : rows) {
        const PlanElement &against = r.at110 ? a110 : a;
        tessavo::twips::setDpi(r.at110 ? 110 : 0);
        EXPECT_EQ(elementHits(r.dropped, against), r.hit) << r.what;
        EXPECT_EQ(roomsMeet(r.dropped, against), r.meet) << r.what;
        EXPECT_EQ(roomsMeet(against, r.dropped), r.meet) << r.what;
        EXPECT_EQ(planOfBoth(against, r.dropped), r.meet) << r.what;
        EXPECT_EQ(planOfBoth(r.dropped, against), r.meet) << r.what << ", A made last";
    }
    tessavo::twips::setDpi(0);
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
    const struct {
        const char *what;
        PlanElement inA;
        bool hit; // by a room dropped over it
    } rows[] = {
        // Zero width or height: a retired element, a line-shaped entrance.
        {"a retired element", box(QStringLiteral("a"), 600, 600, 0, 0), false},
        {"a deleted room", box(QStringLiteral("HALL"), 600, 600, 0, 0), false},
        {"a room of no width", box(QStringLiteral("HALL"), 600, 600, 0, 795), false},
        {"a room of no height", box(QStringLiteral("HALL"), 600, 600, 795, 0), false},
        {"a line of an entrance", box(kMainEntranceText, 600, 600, 795, 0), false},
        // With both sizes above zero an entrance or a door is hit like a
        // room, but it is no room and never an overlap of the plan.
        {"a door", box(QString(), 500, 500, 300, 300), true},
        {"a main entrance", box(kMainEntranceText, 500, 500, 300, 300), true},
        {"a back entrance", box(kBackEntranceText, 500, 500, 300, 300), true},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(elementHits(room(600, 600, 600, 600), r.inA), r.hit) << r.what;
        EXPECT_FALSE(roomsMeet(a, r.inA)) << r.what;
        EXPECT_FALSE(planOfBoth(a, r.inA)) << r.what;
        EXPECT_FALSE(planOfBoth(r.inA, a)) << r.what << ", A made last";
    }
}

TEST(Overlap, StepSetsAndClearsTheFlag)
{
    Plan plan;
    addElement(plan, QStringLiteral("A"), 0, 0, 1500, 1500);
    addElement(plan, QStringLiteral("B"), 1200, 1200, 600, 600);
    addElement(plan, QStringLiteral("C"), 3000, 3000, 600, 600);
    addElement(plan, QString(), 0, 0, 300, 300); // a door over A
    addElement(plan, kMainEntranceText, 300, 300, 300, 300);
    addElement(plan, kBackEntranceText, 600, 600, 300, 300);
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
        {5, false, true}, // nor is an entrance
        {6, false, true},
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
        // The step of a door's or an entrance's own press ends what its
        // press began.
        if (s.element >= 4) {
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
    const PlanElement hall = room(0, 0, 1605, 1200);
    const PlanElement inHall = box(kMainEntranceText, 0, 0, 795, 0);
    const PlanElement outside = box(kMainEntranceText, 3000, 0, 795, 0);
    // At 110 dpi the hall at pixel (6, 7), 49 by 20 pixels. Its right edge,
    // pixel 55, is 720 twips, a boundary of the plan index's buckets; its
    // left plus its width, as the index adds them, falls a hair before it,
    // in the bucket before.
    const PlanElement hall110 = room(px110(6), px110(7), px110(49), px110(20));
    const PlanElement inHall110 = box(kMainEntranceText, px110(6), px110(7), px110(20), 0);
    const struct {
        const char *what;
        std::vector<PlanElement> elements;
        bool passes;
        double dpi = 96;
    } rows[] = {
        {"no entrance on the plan", {hall}, true},
        {"inside a room", {hall, inHall}, true},
        {"outside every room", {hall, outside}, false},
        {"inside a door", {box(QString(), 3000, 0, 900, 900), outside}, true},
        {"inside a retired element",
         {box(QStringLiteral("a"), 4800, 4800, 0, 0), box(kMainEntranceText, 4800, 4800, 0, 0)},
         true},
        {"a point of an entrance at no retired element's place",
         {box(QStringLiteral("a"), 4800, 4800, 0, 0), box(kMainEntranceText, 4785, 4800, 0, 0)},
         false},
        // The plan opened twice holds two; each is tested, the first too.
        {"the first of two outside", {hall, outside, hall, inHall}, false},
        {"the second of two outside", {hall, inHall, hall, outside}, false},
        {"both inside", {hall, inHall, hall, inHall}, true},
        // Names compare exactly: this one is a room.
        {"a room named main entrance outside",
         {hall, inHall, box(QStringLiteral("main entrance"), 3000, 0, 795, 0)},
         true},
        {"at 110 dpi, at its room's corner", {hall110, inHall110}, true, 110},
        {"at 110 dpi, down the room's right edge, a bucket after the room",
         {hall110, box(kMainEntranceText, px110(55), px110(7), 0, px110(20))},
         true,
         110},
        {"at 110 dpi, a room named main entrance outside",
         {hall110, inHall110, box(QStringLiteral("main entrance"), px110(200), 0, px110(60), 0)},
         true,
         110},
    };
    for (const auto &r : rows) {
        tessavo::twips::setDpi(r.dpi);
        Plan plan;
        for (const PlanElement &e : r.elements)
            addElement(plan, e.text, e.left, e.top, e.width, e.height);
        EXPECT_EQ(entranceInsideTest(plan, kMainEntranceText), r.passes) << r.what;
    }
    tessavo::twips::setDpi(0);
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
