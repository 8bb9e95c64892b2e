// The plot box as the user and assistive technology meet it: what each
// element looks like, which element the mouse finds, tooltips, what a click
// repaints, the accessible children, and a large plan.

#include "BaguaEditorFixture.h"

#include "floorplan/PlanFile.h"
#include "floorplan/frmDisplay.h"
#include "platform/Accessibility.h"
#include "platform/FormRegistry.h"

#include <QAccessible>
#include <QAction>
#include <QHelpEvent>
#include <QImage>
#include <QListWidget>
#include <QMap>
#include <QPaintEvent>
#include <QScreen>
#include <QToolTip>

#include <optional>

using namespace tessavo;
using namespace tessavo::floorplan;
using namespace tessavo::test;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);

// Records the areas the plot paints.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *plot) { plot->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// What a reader hears of the plot: its elements coming and going, into
// sight and out of it, renamed and moved, and changes of its children as a
// whole. Elements go
// by their index in the plan, found as a reader finds them: by their place
// among the plot's children.
struct Heard {
    static inline PlotBox *plot = nullptr;
    static inline QStringList news;

    static void hear(QAccessibleEvent *event)
    {
        static const QMap<QAccessible::Event, QString> kinds{
            {QAccessible::ObjectCreated, QStringLiteral("created")},
            {QAccessible::ObjectDestroyed, QStringLiteral("destroyed")},
            {QAccessible::ObjectShow, QStringLiteral("shown")},
            {QAccessible::ObjectHide, QStringLiteral("hidden")},
            {QAccessible::ObjectReorder, QStringLiteral("children changed")},
            {QAccessible::NameChanged, QStringLiteral("renamed")},
            {QAccessible::LocationChanged, QStringLiteral("moved")},
        };
        QAccessibleInterface *about = event->accessibleInterface();
        if (!kinds.contains(event->type()) || !about || !plot)
            return;
        if (about->object() == plot) {
            news << kinds[event->type()] + QStringLiteral(" plot");
            return;
        }
        QAccessibleInterface *parent = about->parent();
        if (!parent || parent->object() != plot)
            return;
        const int place = parent->indexOfChild(about);
        const int index = place < 0 ? -1 : plot->visibleElements()[static_cast<std::size_t>(place)];
        news << kinds[event->type()] + QStringLiteral(" %1").arg(index) +
                    (about->state().invisible ? QStringLiteral(" invisible") : QString());
    }
};

class PlotTest : public BaguaEditorTest {
protected:
    // Plot 60 by 60: 15 twips, one pixel, are 0.1875 feet... placed directly
    // in the plan, in pixels.
    static int put(frmMainFengShuiBagua &w, const QString &text, QRect px, int border = 1)
    {
        const int k = *addElement(w.plan(), text, px.x() * 15.0, px.y() * 15.0, px.width() * 15.0,
                                  px.height() * 15.0);
        w.plan().setBorderStyle(k, border);
        modGreatFengShui().RoomCount = k;
        return k;
    }

    // Both entrances and a door at the top-left corner of an element: with
    // them on a plan of rooms that do not overlap, Save takes the plan.
    static void addEntrancesAndDoor(frmMainFengShuiBagua &w, int onElement)
    {
        const QPoint corner = w.txtRoom(onElement)->pos();
        GreatFengShuiModule &module = modGreatFengShui();
        module.MainEntranceIndex =
            static_cast<qint16>(put(w, kMainEntranceText, {corner, QSize(5, 0)}));
        module.BackEntranceIndex =
            static_cast<qint16>(put(w, kBackEntranceText, {corner, QSize(3, 0)}));
        put(w, QString(), {corner, QSize(0, 5)});
    }

    static void send(QWidget *plot, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, QPointF(at), QPointF(plot->mapToGlobal(at)), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(plot, &event);
    }

    static void clickAt(frmMainFengShuiBagua &w, QPoint at)
    {
        send(w.picRoomLocation, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(w.picRoomLocation, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    static QString tooltipAt(frmMainFengShuiBagua &w, QPoint at)
    {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, at, w.picRoomLocation->mapToGlobal(at));
        QCoreApplication::sendEvent(w.picRoomLocation, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    // What the window shows of the plot, read from its backing store, is
    // what a fresh paint of the plot gives: grab() alone paints everything
    // anew and cannot see a repaint that was missed.
    static void expectShownAsPainted(frmMainFengShuiBagua &w, const char *what)
    {
        QCoreApplication::processEvents();
        QWidget *plot = w.picRoomLocation;
        QWidget *window = plot->window();
        ASSERT_EQ(plot->visibleRegion(), QRegion(plot->rect())) << what;
        const QPoint at = plot->mapTo(window, QPoint(0, 0));
        const QImage shown =
            window->screen()
                ->grabWindow(window->winId(), at.x(), at.y(), plot->width(), plot->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage painted = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown == painted) << what;
    }

    // Shows the editor with its whole plot in sight.
    frmMainFengShuiBagua &plotInSight()
    {
        auto &w = openWithPlot("60", "60");
        w.setLeft(0);
        w.setTop(0);
        QCoreApplication::processEvents();
        return w;
    }
};

} // namespace

TEST_F(PlotTest, ElementsAreDrawnAsTheirBoxesWere)
{
    auto &w = plotInSight();
    const int room = put(w, QStringLiteral("HALL"), {10, 10, 100, 60});
    const int entrance = put(w, kMainEntranceText, {10, 10, 40, 0});
    const int door = put(w, QString(), {10, 10, 0, 30});
    const int bare = put(w, QStringLiteral("BARE"), {10, 100, 50, 40}, 0);
    put(w, QStringLiteral("GONE"), {200, 200, 0, 0});
    const int selected = put(w, QStringLiteral("KITCHEN"), {120, 10, 60, 60});
    click(w, selected);
    const QImage plot = w.picRoomLocation->grab().toImage();
    const struct {
        const char *what;
        QPoint at;
        QColor colour;
    } rows[] = {
        {"room inside", {50, 40}, kWhite},
        {"room's border, bottom", {50, 69}, kBlack},
        {"room's border, right", {109, 40}, kBlack},
        {"just outside the room", {110, 40}, kGrey},
        {"entrance, a line two pixels thick", {45, 11}, kBlack},
        {"past the entrance's end, inside the room", {55, 11}, kWhite},
        {"door, two pixels wide", {11, 35}, kBlack},
        {"below the door, inside the room", {11, 45}, kWhite},
        {"no border: the edge in the background colour", {10, 100}, kWhite},
        {"selected room inside", {150, 40}, kGreen},
        {"selected room's border", {120, 40}, kBlack},
        {"an element of no size draws nothing", {200, 200}, kGrey},
    };
    for (const auto &r : rows)
        EXPECT_EQ(plot.pixelColor(r.at), r.colour) << r.what;
    EXPECT_EQ(w.txtRoom(entrance)->geometry(), QRect(10, 10, 40, 2));
    EXPECT_EQ(w.txtRoom(door)->geometry(), QRect(10, 10, 2, 30));
    EXPECT_FALSE(w.txtRoom(bare)->hasBorder());
    EXPECT_EQ(w.txtRoom(room)->backColor(), kWhite);
    EXPECT_EQ(w.txtRoom(selected)->foreColor(), kGreen);
}

TEST_F(PlotTest, TheMouseFindsTheTopmostElement)
{
    auto &w = plotInSight();
    const int under = put(w, QStringLiteral("UNDER"), {20, 20, 60, 60});
    const int over = put(w, QStringLiteral("OVER"), {50, 50, 60, 60});
    const int door = put(w, QString(), {90, 90, 0, 20});
    const int line = door + 1;
    const int huge = line + 1;
    const struct {
        const char *what;
        std::function<void()> before;
        QPoint at;
        int selected; // 0: nothing is pressed
        const char *tooltip;
    } rows[] = {
        {"only the first", [] {}, {30, 30}, under, "UNDER"},
        {"where both lie the later is on top", [] {}, {60, 60}, over, "OVER"},
        {"brought to the front", [&] { w.plan().bringToFront(under); }, {60, 60}, under, "UNDER"},
        {"a door has no tooltip of its own",
         [] {},
         {90, 100},
         door,
         "Drag and drop Chosen Room to change position"},
        {"the plot itself", [] {}, {200, 200}, 0, "Drag and drop Chosen Room to change position"},
        {"a disabled element lets the press through",
         [&] {
             w.plan().setEnabled(over, false);
             w.plan().bringToFront(over);
         },
         {60, 60},
         0,
         "OVER"},
        // Its twips lie in the bucket above the one its second row of
        // pixels is in (buckets are 4 pixels high).
        {"the second row of an entrance on a bucket's last row",
         [&] {
             put(w, kMainEntranceText, {150, 19, 40, 0});
         },
         {160, 20},
         line,
         "Main Entrance"},
        {"a room far larger than the plot on every side",
         [&] { addElement(w.plan(), QStringLiteral("HUGE"), -2e7, -2e7, 4e7, 4e7); },
         {200, 200},
         huge,
         "HUGE"},
    };
    for (const auto &r : rows) {
        r.before();
        w.plan().paintAll(1, plainColour());
        clickAt(w, r.at);
        EXPECT_EQ(w.plan().highlighted(), r.selected ? QList<int>{r.selected} : QList<int>())
            << r.what;
        EXPECT_EQ(tooltipAt(w, r.at), QString::fromLatin1(r.tooltip)) << r.what;
    }
    // The huge room is drawn over the whole plot, selected.
    EXPECT_EQ(w.picRoomLocation->grab().toImage().pixelColor(200, 200), kGreen);
    // The right button on an element asks and selects nothing.
    clearMessages();
    w.plan().paintAll(1, plainColour());
    send(w.picRoomLocation, QEvent::MouseButtonPress, {30, 30}, Qt::RightButton, Qt::RightButton);
    send(w.picRoomLocation, QEvent::MouseButtonRelease, {30, 30}, Qt::RightButton, Qt::NoButton);
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_EQ(messages().first(), QStringLiteral("What is This?"));
    EXPECT_TRUE(w.plan().highlighted().isEmpty());
}

TEST_F(PlotTest, TheDoorsTooltipGoesAsThePointerLeavesTheDoor)
{
    auto &w = plotInSight();
    put(w, QStringLiteral("ROOM"), {20, 20, 60, 60});
    put(w, QString(), {40, 20, 0, 40});
    ASSERT_EQ(tooltipAt(w, {40, 30}),
              QStringLiteral("Drag and drop Chosen Room to change position"));
    // Straight onto the room: no new tooltip is asked for.
    send(w.picRoomLocation, QEvent::MouseMove, {60, 30}, Qt::NoButton, Qt::NoButton);
    QTest::qWait(400);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(PlotTest, AGestureCutOffEndsWithoutADrop)
{
    auto &w = plotInSight();
    QWidget *plot = w.picRoomLocation;
    const QPoint alpha(30, 30), beta(110, 30), hall(30, 110), grey(200, 200), by(6, 6);
    const auto press = [plot](QPoint at, Qt::MouseButton button) {
        send(plot, QEvent::MouseButtonPress, at, button, button);
    };
    // The desktop gives the release to the box that took the gesture, or
    // to wherever the pointer is; the plot never sees it.
    const auto releaseElsewhere = [this](Qt::MouseButton button) {
        send(mdi, QEvent::MouseButtonRelease, {5, 5}, button, Qt::NoButton);
    };
    // Moves with the left button down, then lets it go.
    const auto dragOn = [plot, by](QPoint from) {
        send(plot, QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
        send(plot, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
    };
    // A second button pressed on ALPHA while the first is down, and a move with both.
    const Qt::MouseButtons both = Qt::LeftButton | Qt::MiddleButton;
    const auto pressBoth = [plot, alpha](Qt::MouseButton first, Qt::MouseButton second) {
        send(plot, QEvent::MouseButtonPress, alpha, first, first);
        send(plot, QEvent::MouseButtonPress, alpha, second, first | second);
    };
    const auto moveBoth = [plot, alpha, by, both] {
        send(plot, QEvent::MouseMove, alpha + by, Qt::NoButton, both);
    };
    QRect retired;
    const auto whatIsThis = [&] {
        press(alpha, Qt::RightButton);
        releaseElsewhere(Qt::RightButton);
    };
    // Save in mid-drag must find the Main Entrance where the press found it.
    const auto entranceIntoHall = [&] {
        GreatFengShuiModule &module = modGreatFengShui();
        module.MainEntranceIndex = static_cast<qint16>(put(w, kMainEntranceText, {200, 200, 5, 0}));
        module.BackEntranceIndex = static_cast<qint16>(put(w, kBackEntranceText, {20, 100, 5, 0}));
        put(w, QString(), {20, 100, 0, 5});
        w.cmdDefaultRoom_Click(); // Alt+S is then Save's alone
        clearMessages();
        press({201, 200}, Qt::LeftButton);
        send(plot, QEvent::MouseMove, hall, Qt::NoButton, Qt::LeftButton);
    };
    const auto refusedAsOutside = [&] {
        EXPECT_FALSE(QFile::exists(planFilePath(folder.path())));
        ASSERT_EQ(messages().join(" | ").toStdString(), "Main Entrance must be inside the room");
        EXPECT_EQ(w.txtRoom(4)->pos(), QPoint(200, 200));
    };
    const auto alphaToGrey = [&] {
        press(alpha, Qt::LeftButton);
        send(plot, QEvent::MouseMove, grey, Qt::NoButton, Qt::LeftButton);
    };
    const struct {
        const char *what;
        std::function<void()> cutOff;
        std::function<void()> then;
        QStringList moved;
    } rows[] = {
        {"What is This? took the release; a drag on BETA",
         whatIsThis,
         [&] {
             press(beta, Qt::LeftButton);
             dragOn(beta);
         },
         {"BETA"}},
        {"What is This? took the release; a drag from the plot",
         whatIsThis,
         [&] {
             press(grey, Qt::LeftButton);
             dragOn(grey);
         },
         {}},
        {"What is This? took the release; a click on HALL, then Delete Room",
         whatIsThis,
         [&] {
             clickAt(w, hall);
             w.cmdDeleteRoom_Click();
         },
         {"HALL"}},
        {"ALPHA held while the plot was hidden",
         [&] {
             press(alpha, Qt::LeftButton);
             plot->hide();
             plot->show();
         },
         [&] { dragOn(alpha); },
         {}},
        {"ALPHA held, then a move with no button",
         [&] {
             press(alpha, Qt::LeftButton);
             send(plot, QEvent::MouseMove, alpha, Qt::NoButton, Qt::NoButton);
         },
         [&] { dragOn(alpha); },
         {}},
        {"ALPHA held while a box opened",
         [&] {
             press(alpha, Qt::LeftButton);
             MsgBox(QStringLiteral("Please select a room"));
             releaseElsewhere(Qt::LeftButton);
         },
         [&] { dragOn(alpha); },
         {}},
        // A drag that loses its release goes back: left on BETA it would
        // have skipped the overlap step.
        {"ALPHA dragged onto BETA while a box opened",
         [&] {
             press(alpha, Qt::LeftButton);
             send(plot, QEvent::MouseMove, beta, Qt::NoButton, Qt::LeftButton);
             MsgBox(QStringLiteral("Please select a room"));
             releaseElsewhere(Qt::LeftButton);
         },
         [] {},
         {}},
        // Off the plot it keeps its retired place; the drag would bring it back.
        {"ALPHA held while Delete Room took it off the plot",
         [&] {
             press(alpha, Qt::LeftButton);
             w.cmdDeleteRoom_Click();
             retired = w.txtRoom(1)->geometry();
         },
         [&] {
             dragOn(alpha);
             EXPECT_EQ(w.txtRoom(1)->geometry(), retired);
         },
         {"ALPHA"}},
        {"ALPHA dragged while the plot was hidden",
         [&] {
             press(alpha, Qt::LeftButton);
             send(plot, QEvent::MouseMove, grey, Qt::NoButton, Qt::LeftButton);
             plot->hide();
             plot->show();
         },
         [] {},
         {}},
        {"ALPHA dragged, its release lost, then a move with no button",
         [&] {
             press(alpha, Qt::LeftButton);
             send(plot, QEvent::MouseMove, grey, Qt::NoButton, Qt::LeftButton);
         },
         [&] { send(plot, QEvent::MouseMove, grey, Qt::NoButton, Qt::NoButton); },
         {}},
        {"ALPHA dragged, its release lost, then a drag on BETA",
         [&] {
             press(alpha, Qt::LeftButton);
             send(plot, QEvent::MouseMove, grey, Qt::NoButton, Qt::LeftButton);
         },
         [&] {
             press(beta, Qt::LeftButton);
             dragOn(beta);
         },
         {"BETA"}},
        // A second button joins the drag: it neither forgets nor restarts it.
        {"ALPHA dragged onto BETA, then the right button: What is This?",
         [&] {
             press(alpha, Qt::LeftButton);
             send(plot, QEvent::MouseMove, beta, Qt::NoButton, Qt::LeftButton);
             send(plot, QEvent::MouseButtonPress, beta, Qt::RightButton,
                  Qt::LeftButton | Qt::RightButton);
             releaseElsewhere(Qt::LeftButton);
         },
         [&] { EXPECT_FALSE(modGreatFengShui().RoomsOverlap); },
         {}},
        {"ALPHA dragged, the middle button pressed and let go, the drag goes on",
         [&] {
             press(alpha, Qt::LeftButton);
             send(plot, QEvent::MouseMove, alpha + by, Qt::NoButton, Qt::LeftButton);
             send(plot, QEvent::MouseButtonPress, alpha + by, Qt::MiddleButton,
                  Qt::LeftButton | Qt::MiddleButton);
             send(plot, QEvent::MouseMove, alpha + 2 * by, Qt::NoButton,
                  Qt::LeftButton | Qt::MiddleButton);
             send(plot, QEvent::MouseButtonRelease, alpha + 2 * by, Qt::MiddleButton,
                  Qt::LeftButton);
         },
         [&] {
             dragOn(alpha + 2 * by);
             EXPECT_EQ(w.txtRoom(1)->pos(), QPoint(20, 20) + 3 * by);
         },
         {"ALPHA"}},
        {"the middle button on ALPHA, then the left, then a move",
         [&] { pressBoth(Qt::MiddleButton, Qt::LeftButton); },
         moveBoth,
         {}},
        {"ALPHA held, the middle button joins, then a move",
         [&] { pressBoth(Qt::LeftButton, Qt::MiddleButton); },
         moveBoth,
         {"ALPHA"}},
        {"ALPHA dragged with the middle down, dropped, the middle's release lost",
         [&] {
             modGreatFengShui().RoomsOverlap = true;
             pressBoth(Qt::LeftButton, Qt::MiddleButton);
             moveBoth();
             send(plot, QEvent::MouseButtonRelease, alpha + by, Qt::LeftButton, Qt::MiddleButton);
         },
         [&] {
             send(plot, QEvent::MouseMove, alpha + by, Qt::NoButton, Qt::NoButton);
             EXPECT_FALSE(modGreatFengShui().RoomsOverlap);
         },
         {"ALPHA"}},
        {"ALPHA held, the middle joins, the left's release lost, then a move",
         [&] {
             pressBoth(Qt::LeftButton, Qt::MiddleButton);
             releaseElsewhere(Qt::LeftButton);
         },
         [&] { send(plot, QEvent::MouseMove, alpha + by, Qt::NoButton, Qt::MiddleButton); },
         {}},
        // A command never sees a gesture under way.
        {"BETA dragged 60 pixels, then Generate Bagua Chart by its mnemonic",
         [&] {
             press(beta, Qt::LeftButton);
             send(plot, QEvent::MouseMove, beta + QPoint(60, 0), Qt::NoButton, Qt::LeftButton);
             QTest::keyClick(&w, Qt::Key_B, Qt::AltModifier);
             releaseElsewhere(Qt::LeftButton);
         },
         [&] {
             EXPECT_EQ(modGreatFengShui().ChartRight, 140 * 15);
             EXPECT_EQ(modGreatFengShui().ChartWidth, 120 * 15);
             FormRegistry::instance().unload(&form<frmDisplay>());
         },
         {}},
        {"the Main Entrance dragged into HALL, then Save by its mnemonic",
         [&] {
             entranceIntoHall();
             QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
             releaseElsewhere(Qt::LeftButton);
         },
         refusedAsOutside,
         {}},
        {"the Main Entrance dragged into HALL, then File > Save",
         [&] {
             entranceIntoHall();
             w.findChild<QAction *>(QStringLiteral("mnuSave"))->trigger();
             releaseElsewhere(Qt::LeftButton);
         },
         refusedAsOutside,
         {}},
        {"ALPHA dragged, then a click in the room list",
         [&] {
             w.cmdDefaultRoom_Click(); // Select Room enables the list
             alphaToGrey();
             QListWidget *list = w.lstRoom;
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualItemRect(list->item(0)).center());
             releaseElsewhere(Qt::LeftButton);
         },
         [&] { EXPECT_EQ(w.txtAddRoomName->text(), w.lstRoom->item(0)->text()); },
         {}},
        // An empty plan: Open asks nothing, and no box cuts the drag off.
        {"ALPHA dragged, then File > Open",
         [&] {
             ASSERT_TRUE(QFile(planFilePath(folder.path())).open(QIODevice::WriteOnly));
             alphaToGrey();
             w.findChild<QAction *>(QStringLiteral("mnuOpen"))->trigger();
             releaseElsewhere(Qt::LeftButton);
         },
         [] {},
         {}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what); // for the checks the rows share
        while (w.plan().upperBound() > 0)
            w.plan().unloadLast();
        const QMap<QString, QRect> rooms{{QStringLiteral("ALPHA"), {20, 20, 40, 40}},
                                         {QStringLiteral("BETA"), {100, 20, 40, 40}},
                                         {QStringLiteral("HALL"), {20, 100, 40, 40}}};
        for (auto room = rooms.begin(); room != rooms.end(); ++room)
            put(w, room.key(), room.value());
        r.cutOff();
        r.then();
        QStringList moved;
        for (int i = 1; i <= w.plan().upperBound(); ++i) {
            const QString &text = w.plan().at(i).text;
            if (rooms.contains(text) && w.txtRoom(i)->geometry() != rooms.value(text))
                moved << text;
        }
        EXPECT_EQ(moved.join(", ").toStdString(), r.moved.join(", ").toStdString()) << r.what;
    }
}

TEST_F(PlotTest, AClickRepaintsOnlyTheElementsWhoseColourChanges)
{
    auto &w = plotInSight();
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column)
            put(w, QStringLiteral("R%1").arg(row * 10 + column), {column * 20, row * 20, 20, 20});
    }
    const int first = 12;
    const int second = 87;
    click(w, first);
    QCoreApplication::processEvents();
    PaintWatch watch(w.picRoomLocation);
    clickAt(w, w.txtRoom(second)->geometry().center());
    QCoreApplication::processEvents();
    EXPECT_EQ(w.plan().highlighted(), QList<int>{second});
    EXPECT_EQ(watch.painted, QRegion(w.txtRoom(first)->geometry()) + w.txtRoom(second)->geometry());
    // Pressing the selected room again changes no colour and paints nothing.
    watch.painted = QRegion();
    clickAt(w, w.txtRoom(second)->geometry().center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.painted.isEmpty());
}

TEST_F(PlotTest, TheScreenShowsWhatEveryChangeRepaints)
{
    auto &w = plotInSight();
    for (int cell = 0; cell < 100; ++cell)
        put(w, QStringLiteral("R%1").arg(cell), {cell % 10 * 20, cell / 10 * 20, 20, 20});
    click(w, 12);
    expectShownAsPainted(w, "the plan as it opened");
    int added = 0;
    const struct {
        const char *what;
        std::function<void()> change;
    } rows[] = {
        {"a room added",
         [&] {
             added = put(w, QStringLiteral("NEW"), {210, 210, 30, 30});
         }},
        {"a click: the selection's old place and its new", [&] { click(w, added); }},
        // Selected already: the press itself repaints nothing.
        {"a room dragged: its old place and its new",
         [&] {
             drag(w, added, {40, 50});
         }},
        {"more changes at once than the plot repaints one by one",
         [&] { w.plan().paintAll(1, selectedColour()); }},
        {"Save clears the plan",
         [&] {
             addEntrancesAndDoor(w, 1);
             w.Command2_Click();
             ASSERT_EQ(w.plan().upperBound(), 0);
         }},
    };
    for (const auto &r : rows) {
        r.change();
        expectShownAsPainted(w, r.what);
    }
}

TEST_F(PlotTest, AssistiveTechnologyFindsEveryVisibleElement)
{
    auto &w = plotInSight();
    const int hall = put(w, QStringLiteral("HALL"), {10, 10, 100, 60});
    const int door = put(w, QString(), {10, 10, 0, 30});
    const int hidden = *w.plan().loadNext(); // loaded, never shown
    const int kitchen = put(w, QStringLiteral("KITCHEN"), {120, 10, 60, 60});
    retireRoom(w.plan(), kitchen);
    const int porch = put(w, QStringLiteral("PORCH"), {330, 10, 40, 40}); // right of the plot

    QAccessibleInterface *plot = QAccessible::queryAccessibleInterface(w.picRoomLocation);
    ASSERT_NE(plot, nullptr);
    ASSERT_EQ(plot->childCount(), 4);
    const struct {
        int index;
        const char *text;
        bool enabled;
        bool offscreen;
    } rows[] = {{hall, "HALL", true, false},
                {door, "", true, false},
                {kitchen, "KITCHEN", false, true},
                {porch, "PORCH", true, true}};
    for (int i = 0; i < 4; ++i) {
        const auto &r = rows[i];
        QAccessibleInterface *element = plot->child(i);
        ASSERT_NE(element, nullptr) << r.text;
        EXPECT_TRUE(element->isValid());
        EXPECT_EQ(element->role(), QAccessible::EditableText) << r.text;
        EXPECT_EQ(element->text(QAccessible::Name), QString::fromLatin1(r.text));
        EXPECT_EQ(element->text(QAccessible::Value), QString::fromLatin1(r.text));
        EXPECT_EQ(element->state().readOnly, true) << r.text;
        EXPECT_EQ(element->state().disabled, !r.enabled) << r.text;
        EXPECT_EQ(element->state().offscreen, r.offscreen) << r.text;
        EXPECT_EQ(element->parent(), plot);
        EXPECT_EQ(plot->indexOfChild(element), i) << r.text;
        const QRect box = w.txtRoom(r.index)->geometry();
        EXPECT_EQ(element->rect(), QRect(w.picRoomLocation->mapToGlobal(box.topLeft()), box.size()))
            << r.text;
        QAccessibleTextInterface *text = element->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), QString::fromLatin1(r.text));
    }
    // Found where they lie on the screen; the hidden element is no child.
    const QPoint hallOnScreen = w.picRoomLocation->mapToGlobal(QPoint(60, 40));
    EXPECT_EQ(plot->childAt(hallOnScreen.x(), hallOnScreen.y()), plot->child(0));
    EXPECT_FALSE(w.txtRoom(hidden)->isVisible());

    // A renamed element reads its new text; unloaded elements are gone.
    retireDoor(w.plan(), door);
    EXPECT_EQ(plot->child(1)->text(QAccessible::Name), QStringLiteral("Deleted Door"));
    // The last child hidden, the list is shorter: nothing lies past either end.
    w.plan().setVisible(porch, false);
    ASSERT_EQ(plot->childCount(), 3);
    EXPECT_EQ(plot->child(plot->childCount()), nullptr);
    EXPECT_EQ(plot->child(-1), nullptr);
    const QAccessible::Id hallId = QAccessible::uniqueId(plot->child(0));
    while (w.plan().upperBound() > 0)
        w.plan().unloadLast();
    EXPECT_EQ(plot->childCount(), 0);
    EXPECT_EQ(QAccessible::accessibleInterface(hallId), nullptr)
        << "the unloaded HALL's accessible";
}

TEST_F(PlotTest, AReaderHearsOfElementsThatComeAndGo)
{
    // A reader listens from the start and never asks for a child: it knows
    // the elements it was told of, and hears no more of one than it came
    // and went, named and placed, whatever steps brought it. One that comes
    // late, or after another quit, still hears every element go.
    auto &w = plotInSight();
    std::optional<AccessibilityListener> listener(std::in_place, &Heard::hear);
    Heard::plot = w.picRoomLocation;
    const auto hall = [&w] { put(w, QStringLiteral("HALL"), {200, 200, 20, 10}); };
    const auto select = [&w](int k) { click(w, k); };
    const struct {
        const char *what;
        std::function<void()> action;
        QStringList news;
    } rows[] = {
        {"Add Room", [&] { addRoom(w, QStringLiteral("KITCHEN"), "15", "10"); }, {"created 1"}},
        {"a door",
         [&] {
             select(1);
             inputAnswers = {QStringLiteral("1")};
             w.cmdDoor_Click();
             w.doorDialog().optSouth->setChecked(true);
             w.cmdDoorDirectionOk_Click();
             const FacingDialog &d = w.doorDialog();
             (d.widthBox->isHidden() ? d.lengthBox : d.widthBox)->setText(QStringLiteral("2"));
             w.cmdDoorOk_Click();
         },
         {"created 2"}},
        {"Delete Room: the room is retired out of sight",
         [&] {
             select(1);
             w.cmdDeleteRoom_Click();
         },
         {"hidden 1 invisible", "moved 1 invisible"}},
        {"Save clears the plan",
         [&] {
             addEntrancesAndDoor(w, 2);
             finishEvent();
             Heard::news.clear();
             w.Command2_Click();
         },
         {"destroyed 5", "destroyed 4", "destroyed 3", "destroyed 2", "destroyed 1 invisible"}},
        {"Open brings the saved plan back room by room",
         [&] { w.cmdOpen_Click(); },
         {"created 1 invisible", "created 2", "created 3", "created 4", "created 5"}},
        {"a reader that starts listening after a room came hears it go",
         [&] {
             listener.reset();
             hall();
             finishEvent();
             listener.emplace(&Heard::hear);
             w.plan().unloadLast();
         },
         {"destroyed 6"}},
        {"a reader that quits before a coming is told leaves later readers hearing everything",
         [&] {
             hall();
             listener.reset();
             finishEvent();
             listener.emplace(&Heard::hear);
             hall();
             finishEvent();
             w.plan().unloadLast();
             w.plan().unloadLast();
         },
         {"created 7", "destroyed 7", "destroyed 6"}},
    };
    for (const auto &r : rows) {
        Heard::news.clear();
        r.action();
        // An element is told of once the handler that brought it is done.
        finishEvent();
        EXPECT_EQ(Heard::news.join(", ").toStdString(), r.news.join(", ").toStdString()) << r.what;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.picRoomLocation)->childCount(), 5);
    Heard::plot = nullptr;
}

TEST_F(PlotTest, ALargePlanOpensAndIsClickedDraggedAndSaved)
{
    // Rooms side by side in a grid one pixel apart, a room with both
    // entrances and a door, and a room apart that is dragged. The benchmark
    // takes the same plan to the 32,767 elements the file may hold.
    constexpr int kElements = 2000;
    std::vector<PlanRecord> records;
    const auto record = [&records](const QString &text, int l, int t, int wd, int h) {
        records.push_back({static_cast<int>(records.size()) + 1, text, l * 15.f, t * 15.f,
                           wd * 15.f, h * 15.f, 1});
    };
    record(QStringLiteral("HOME"), 250, 20, 40, 40);
    record(kMainEntranceText, 250, 20, 20, 0);
    record(kBackEntranceText, 250, 20, 10, 0);
    record(QString(), 250, 20, 0, 8);
    record(QStringLiteral("MOVER"), 260, 260, 16, 16);
    for (int cell = 0; records.size() < static_cast<std::size_t>(kElements); ++cell)
        record(QStringLiteral("R%1").arg(cell), cell % 182, cell / 182, 1, 1);
    ASSERT_TRUE(writePlanFile(planFilePath(folder.path()), records));

    auto &w = plotInSight();
    w.cmdOpen_Click();
    ASSERT_EQ(w.plan().upperBound(), kElements);
    EXPECT_FALSE(w.picRoomLocation->grab().isNull());
    const int last = kElements;
    clickAt(w, w.txtRoom(last)->pos());
    EXPECT_EQ(w.plan().highlighted(), QList<int>{last});
    EXPECT_EQ(w.txtRoom(last)->backColor(), kGreen);
    drag(w, 5, {4, 4});
    EXPECT_EQ(w.txtRoom(5)->pos(), QPoint(264, 264));
    EXPECT_FALSE(modGreatFengShui().RoomsOverlap);
    drag(w, 5, {-10, -240}); // onto HOME
    EXPECT_TRUE(modGreatFengShui().RoomsOverlap);
    drag(w, 5, {10, 240});
    EXPECT_FALSE(modGreatFengShui().RoomsOverlap);
    clearMessages();
    w.Command2_Click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Saved succesfully"));
    EXPECT_EQ(w.plan().upperBound(), 0);
    ASSERT_TRUE(parsePlanFile([&] {
                    QFile file(planFilePath(folder.path()));
                    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                }())
                    .has_value());
}
