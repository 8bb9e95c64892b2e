#pragma once

// The plan of the floor-plan tool: the elements the user places on the plot
// box (rooms, the two entrances, doors), and the tool's module data that the
// plan editor, the Bagua chart and the plan file share.
//
// An element's kind is told by its text alone: "Main Entrance", "Back
// Entrance", "" for a door, any other text a room. Deleted elements are
// retired, not removed: they stay in the array with a marker text, disabled,
// at (4800, 4800) with no size, and keep counting in RoomCount.
//
// Positions and sizes are twips from the top-left corner of the plot box,
// x to the right, y downwards, kept in single precision and on whole screen
// pixels, as the element boxes on the screen hold them.

#include <QColor>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace tessavo::floorplan {

// ---- Element kinds ---------------------------------------------------------

enum class ElementKind { Room, MainEntrance, BackEntrance, Door };

inline const QString kMainEntranceText = QStringLiteral("Main Entrance");
inline const QString kBackEntranceText = QStringLiteral("Back Entrance");
// Marker texts of retired entrances and doors; a retired room keeps its name.
inline const QString kRetiredEntranceText = QStringLiteral("a");
inline const QString kRetiredDoorText = QStringLiteral("Deleted Door");
inline const QString kTemplateText =
    QStringLiteral("Don't Delete Me and Keep My Top And Left position less then Zero");

// Exact, case-sensitive comparison of the whole text.
ElementKind elementKind(const QString &text);

// ---- Colours ---------------------------------------------------------------

QColor selectedColour(); // palette colour 10, light green
QColor plainColour();    // palette colour 15, bright white
QColor retiredColour();  // RGB 193, 138, 230

// ---- Elements --------------------------------------------------------------

struct PlanElement {
    QString text;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    int borderStyle = 1; // 0 none, 1 single line
    QColor backColor{255, 255, 255};
    QColor foreColor{255, 255, 255};
    bool enabled = true;
    bool visible = false;

    ElementKind kind() const { return elementKind(text); }
    // Highlighted: the selection colour as background.
    bool isHighlighted() const { return backColor == selectedColour(); }
};

// The template every new element copies: element 0 of the array, hidden and
// mostly outside the plot box.
PlanElement templateElement();

// Twips on whole screen pixels (15 twips a pixel at 96 dpi), as a box on the
// screen keeps a position or size it is given. Values from kWholeTwipsLimit
// up, where single precision no longer holds every whole twip, are kept as
// they are.
inline constexpr double kWholeTwipsLimit = 16777216.0; // 2^24
float snapToPixels(double twips);

// An area of the plot box in twips, edges included.
struct TwipsArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Finds the elements near an area without looking at every element, so
// that a plan of any size answers a drop or a repaint in the time of the
// few elements around it. A uniform grid of buckets over the plot box and
// its surroundings holds the indices of the elements whose bounds reach
// into each bucket; beyond the grid the edge buckets take them. An element
// of no size at all is never hit nor drawn and is left out.
class PlanIndex {
public:
    void place(int index, const PlanElement &element);
    void remove(int index);
    // Every element whose bounds may reach into the area, in index order.
    std::vector<int> near(const TwipsArea &area) const;
    // Calls visit with the elements of each bucket that holds two or more,
    // until visit returns true; true then. Two elements whose bounds share
    // a place share a bucket, unless one of them is in none (unbucketed).
    bool anyCrowdedBucket(const std::function<bool(const std::vector<int> &)> &visit) const;
    // The elements every search looks at, being in no bucket.
    const std::vector<int> &unbucketed() const { return m_everywhere; }

private:
    struct Span {
        bool placed = false;
        bool everywhere = false; // in m_everywhere rather than in buckets
        int x0 = 0;
        int y0 = 0;
        int x1 = 0;
        int y1 = 0;
    };

    std::vector<int> &bucket(int x, int y);
    const std::vector<int> &bucket(int x, int y) const;

    std::vector<std::vector<int>> m_buckets;
    // Elements too large for the buckets, or not placed by finite numbers:
    // every search looks at them.
    std::vector<int> m_everywhere;
    std::vector<Span> m_spans; // by element index
};

// The element array. Index 0 is the template; indices 1 to upperBound() are
// the plan, without gaps. Every change goes through the setters so that the
// view can follow through the observer.
class Plan {
public:
    // Indices are 16-bit.
    static constexpr int kMaxIndex = 32767;

    enum class Change { Loaded, Changed, Raised, Unloaded };
    using Observer = std::function<void(int index, Change change)>;

    Plan();

    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // The highest loaded index; 0 when only the template is loaded.
    int upperBound() const { return static_cast<int>(m_elements.size()) - 1; }
    bool contains(int index) const { return index >= 0 && index <= upperBound(); }
    const PlanElement &at(int index) const;
    const PlanElement &operator[](int index) const { return at(index); }

    // How many more elements fit below the 16-bit index limit.
    int room() const { return kMaxIndex - upperBound(); }
    // Loads the next index as a copy of the template (hidden). Nothing when
    // the array is full.
    std::optional<int> loadNext();
    // Unloads the highest element; the template stays.
    void unloadLast();

    void setText(int index, const QString &text);
    // Each value is brought to whole pixels and stored in single precision.
    void setGeometry(int index, double left, double top, double width, double height);
    void setPosition(int index, double left, double top);
    void setBorderStyle(int index, int style);
    void setBackColor(int index, const QColor &colour);
    // Background and text; an element that has the colour already is not
    // touched, so the view repaints only those whose colour changes.
    void setColours(int index, const QColor &colour);
    void setEnabled(int index, bool enabled);
    void setVisible(int index, bool visible);
    void bringToFront(int index);

    // Every element from 'from' to the highest index but 'except' takes the
    // colour as background and text colour.
    void paintAll(int from, const QColor &colour, int except = -1);

    // Indices 1 and up whose background is the selection colour.
    QList<int> highlighted() const;

    // Elements 1 and up whose bounds may reach into the area, in index order;
    // each element that lies in the area is among them.
    std::vector<int> near(const TwipsArea &area) const { return m_index.near(area); }
    const PlanIndex &index() const { return m_index; }

private:
    PlanElement &edit(int index);
    void notify(int index, Change change) const;

    std::vector<PlanElement> m_elements;
    PlanIndex m_index;
    Observer m_observer;
};

// ---- Module data -----------------------------------------------------------

// The floor-plan tool's public data. It lives for the whole run: loading
// the plan editor again resets only RoomCount.
struct GreatFengShuiModule {
    bool RoomAdded = false;
    bool NoRoomHighlightedME = false;
    bool NoRoomHighlightedBE = false;
    qint32 RoomCount = 0;
    double PlotLengthScale = 0; // feet per 800 twips, vertical
    double PlotWidthScale = 0;  // feet per 800 twips, horizontal
    double NewRoomHeightTwips = 0;
    double NewRoomWidthTwips = 0;
    double SelRoomHeightTwips = 0;
    double SelRoomWidthTwips = 0;
    double SelRoomLength = 0; // feet, of the element clicked last
    double SelRoomWidth = 0;
    bool EntranceOrDoorGrabbed = false;
    bool DoorSelected = false;
    bool RoomsOverlap = false;
    bool DoorExists = false;
    bool MainEntranceExists = false;
    bool BackEntranceExists = false;
    qint16 MainEntranceIndex = 0;
    qint16 BackEntranceIndex = 0;
    // The rooms' bounding box of the last Bagua chart, twips, and the index
    // of the element that gave each side.
    qint16 ChartLeft = 0;
    qint16 ChartTop = 0;
    qint16 ChartBottom = 0;
    qint16 ChartRight = 0;
    qint16 ChartLeftRoom = 0;
    qint16 ChartTopRoom = 0;
    qint16 ChartBottomRoom = 0;
    qint16 ChartRightRoom = 0;
    qint16 ChartWidth = 0;
    qint16 ChartHeight = 0;
};

GreatFengShuiModule &modGreatFengShui();

// Fields of the plan editor window that keep their values while it is
// unloaded and loaded again.
struct BaguaEditorFields {
    qint16 LoopIndex = 0;
    bool RoomSelected = false; // the element clicked last is a room
    QString DoorCount;         // the last answer to Create Door's question
};

BaguaEditorFields &baguaEditorFields();

} // namespace tessavo::floorplan
