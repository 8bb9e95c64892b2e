#include "floorplan/BaguaCalc.h"

#include "floorplan/PlanNumbers.h"

#include <cmath>
#include <limits>

namespace tessavo::floorplan {

using namespace Qt::StringLiterals;

bool countsAsRoom(const QString &text)
{
    return !text.isEmpty() && text != "Main Entrance"_L1 && text != "Back Entrance"_L1;
}

ChartBox chartBoxOf(const GreatFengShuiModule &m)
{
    return {m.ChartLeft,     m.ChartTop,     m.ChartRight,     m.ChartBottom,
            m.ChartWidth,    m.ChartHeight,  m.ChartLeftRoom,  m.ChartTopRoom,
            m.ChartRightRoom, m.ChartBottomRoom};
}

void storeChartBox(GreatFengShuiModule &m, const ChartBox &box)
{
    m.ChartLeft = box.ChartLeft;
    m.ChartTop = box.ChartTop;
    m.ChartRight = box.ChartRight;
    m.ChartBottom = box.ChartBottom;
    m.ChartWidth = box.ChartWidth;
    m.ChartHeight = box.ChartHeight;
    m.ChartLeftRoom = box.ChartLeftRoom;
    m.ChartTopRoom = box.ChartTopRoom;
    m.ChartRightRoom = box.ChartRightRoom;
    m.ChartBottomRoom = box.ChartBottomRoom;
}

QList<ChartElement> chartElements(const Plan &txtRoom)
{
    QList<ChartElement> elements;
    elements.reserve(txtRoom.upperBound() + 1);
    for (int i = 0; i <= txtRoom.upperBound(); ++i) {
        const PlanElement &e = txtRoom.at(i);
        elements.append({e.text, e.left, e.top, e.width, e.height});
    }
    return elements;
}

qint16 storedEdge(double twips)
{
    if (std::isnan(twips))
        return 0;
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    if (twips <= low)
        return std::numeric_limits<qint16>::min();
    if (twips >= high)
        return std::numeric_limits<qint16>::max();
    return static_cast<qint16>(roundHalfEven(twips));
}

namespace {

qint16 elementIndex(qsizetype i)
{
    return static_cast<qint16>(std::min<qsizetype>(i, std::numeric_limits<qint16>::max()));
}

// One edge scan. `value` gives the element's edge; `better` says whether it
// lies beyond the stored edge; `skip` keeps elements out of the scan.
template <class Value, class Better, class Skip>
void scanEdge(qint16 &edge, qint16 &room, const QList<ChartElement> &txtRoom, Value value,
              Better better, Skip skip)
{
    for (qsizetype i = 1; i < txtRoom.size(); ++i) {
        const ChartElement &e = txtRoom[i];
        const double v = value(e);
        if (better(v, static_cast<double>(edge)) && !skip(e) && countsAsRoom(e.text)) {
            edge = storedEdge(v);
            room = elementIndex(i);
        }
    }
}

} // namespace

void ScanChartBox(ChartBox &box, const QList<ChartElement> &txtRoom)
{
    if (txtRoom.size() < 2)
        return;
    const ChartElement &model = txtRoom[0];
    const auto less = [](double v, double edge) { return v < edge; };
    const auto greater = [](double v, double edge) { return v > edge; };
    const auto none = [](const ChartElement &) { return false; };

    box.ChartLeft = storedEdge(txtRoom[1].left);
    scanEdge(box.ChartLeft, box.ChartLeftRoom, txtRoom,
             [](const ChartElement &e) { return e.left; }, less, none);

    box.ChartRight = storedEdge(model.left + model.width);
    scanEdge(box.ChartRight, box.ChartRightRoom, txtRoom,
             [](const ChartElement &e) { return e.left + e.width; }, greater,
             [](const ChartElement &e) { return e.left == kRetiredPlace; });

    box.ChartTop = storedEdge(txtRoom[1].top);
    scanEdge(box.ChartTop, box.ChartTopRoom, txtRoom,
             [](const ChartElement &e) { return e.top; }, less, none);

    box.ChartBottom = storedEdge(model.top + model.height);
    scanEdge(box.ChartBottom, box.ChartBottomRoom, txtRoom,
             [](const ChartElement &e) { return e.top + e.height; }, greater,
             [](const ChartElement &e) { return e.top == kRetiredPlace; });

    box.ChartWidth = storedEdge(double(box.ChartRight) - double(box.ChartLeft));
    box.ChartHeight = storedEdge(double(box.ChartBottom) - double(box.ChartTop));
}

std::array<QRectF, 9> baguaPartPlaces(const ChartBox &box,
                                      const std::function<double(double)> &settle)
{
    // A box left empty or inverted by a plan without live rooms gets parts
    // of no size rather than negative ones.
    const double width = settle(std::max(0.0, box.ChartWidth / 3.0));
    const double height = settle(std::max(0.0, box.ChartHeight / 3.0));
    std::array<double, 3> lefts{};
    std::array<double, 3> tops{};
    lefts[0] = settle(box.ChartLeft);
    lefts[1] = settle(box.ChartLeft + width);
    lefts[2] = settle(lefts[1] + width);
    tops[0] = settle(box.ChartTop);
    tops[1] = settle(box.ChartTop + height);
    tops[2] = settle(tops[1] + height);
    std::array<QRectF, 9> places;
    for (std::size_t k = 0; k < places.size(); ++k)
        places[k] = QRectF(lefts[k % 3], tops[k / 3], width, height);
    return places;
}

const BaguaPart &baguaPart(int index)
{
    static const std::array<BaguaPart, 9> table = {{
        {u"Hsun/Wealth"_s, u"Label2"_s, u"1) Hsun (wealth corner)"_s, QColor(165, 3, 252),
         std::nullopt, false, QColor(165, 3, 252), QColor(255, 255, 255)},
        {u"Li/Fame And Reputation"_s, u"Label3"_s, u"2) Li/Fame And Reputation"_s,
         QColor(255, 0, 0), QColor(255, 255, 255), false, QColor(255, 0, 0), QColor(0, 0, 0)},
        {u"Kun/Relationships Marriage"_s, u"Label4"_s, u"3) Kun/Relationships Marriage"_s,
         QColor(255, 0, 255), std::nullopt, true, QColor(255, 128, 255), QColor(0, 0, 0)},
        {u"Jen/Family"_s, u"Label10"_s, u"4) Jen/Family"_s, QColor(0, 128, 0), std::nullopt,
         false, QColor(0, 128, 0), QColor(255, 255, 0)},
        {u"Tai Chi/Health Balance"_s, u"Label9"_s, u"5) Tai Chi/Health Balance"_s,
         QColor(255, 255, 0), std::nullopt, false, QColor(255, 255, 128), QColor(0, 64, 0)},
        {u"Dui/Children Creativity"_s, u"Label8"_s, u"6) Dui/Children Creativity"_s,
         QColor(0, 255, 255), std::nullopt, false, QColor(192, 255, 255), QColor(255, 0, 0)},
        {u"Ken/Knowledge Self Under- standing"_s, u"Label7"_s,
         u"7) Ken/Knowledge Self Under- standing"_s, QColor(0, 64, 64), std::nullopt, false,
         QColor(0, 128, 128), QColor(255, 255, 0)},
        {u"Kan/Career"_s, u"Label6"_s, u"8) Kan/Career"_s, QColor(0, 0, 128), std::nullopt, false,
         QColor(34, 67, 153), QColor(255, 255, 255)},
        {u"Chien/Helpful Friends Travel"_s, u"Label5"_s, u"9) Chien/Helpful Friends Travel"_s,
         QColor(64, 64, 64), QColor(255, 192, 192), false, QColor(128, 128, 128),
         QColor(0, 0, 0)},
    }};
    static const BaguaPart none{};
    if (index < 0 || index >= kBaguaParts)
        return none;
    return table[static_cast<std::size_t>(index)];
}

} // namespace tessavo::floorplan
