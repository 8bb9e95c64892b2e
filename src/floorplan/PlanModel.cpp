#include "floorplan/PlanModel.h"

#include "platform/QbColor.h"
#include "platform/Twips.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace tessavo::floorplan {

ElementKind elementKind(const QString &text)
{
    if (text == kMainEntranceText)
        return ElementKind::MainEntrance;
    if (text == kBackEntranceText)
        return ElementKind::BackEntrance;
    if (text.isEmpty())
        return ElementKind::Door;
    return ElementKind::Room;
}

QColor selectedColour()
{
    return qbColor(10);
}

QColor plainColour()
{
    return qbColor(15);
}

QColor retiredColour()
{
    return QColor(193, 138, 230);
}

PlanElement templateElement()
{
    PlanElement element;
    element.text = kTemplateText;
    element.left = -480;
    element.top = -240;
    element.width = 1005;
    element.height = 795;
    element.borderStyle = 1;
    element.backColor = QColor(255, 255, 255);
    element.foreColor = QColor(255, 255, 255);
    element.visible = false;
    return element;
}

float snapToPixels(double twips)
{
    const double perPixel = 1440.0 / twips::dpi();
    const double snapped = std::round(twips / perPixel) * perPixel;
    // From 2^24 up single precision skips whole twips, so no whole pixel is
    // kept there anyway; rounding to one would only move the value a little
    // more each time the plan file is written and read back.
    if (std::fabs(snapped) >= kWholeTwipsLimit)
        return static_cast<float>(twips);
    return static_cast<float>(snapped);
}

// ---- PlanIndex -------------------------------------------------------------

namespace {

// The grid covers the plot box and half of it again on every side, where a
// dragged element may still land; four pixels a bucket at 96 dpi.
constexpr double kGridOrigin = -2400;
constexpr double kBucketTwips = 60;
constexpr int kBuckets = 160; // a side
// An element over more buckets than this is looked at by every search.
constexpr int kMostBuckets = 1024;

// The bucket column or row of a coordinate; beyond the grid, its edge.
int bucketOf(double twips)
{
    const double cell = std::floor((twips - kGridOrigin) / kBucketTwips);
    return static_cast<int>(std::clamp(cell, 0.0, static_cast<double>(kBuckets - 1)));
}

bool finite(const TwipsArea &area)
{
    return std::isfinite(area.left) && std::isfinite(area.top) && std::isfinite(area.right) &&
           std::isfinite(area.bottom);
}

} // namespace

std::vector<int> &PlanIndex::bucket(int x, int y)
{
    return m_buckets[static_cast<std::size_t>(y * kBuckets + x)];
}

const std::vector<int> &PlanIndex::bucket(int x, int y) const
{
    return m_buckets[static_cast<std::size_t>(y * kBuckets + x)];
}

void PlanIndex::place(int index, const PlanElement &element)
{
    remove(index);
    if (element.width == 0 && element.height == 0)
        return;
    if (m_spans.size() <= static_cast<std::size_t>(index))
        m_spans.resize(static_cast<std::size_t>(index) + 1);
    Span &span = m_spans[static_cast<std::size_t>(index)];
    span.placed = true;
    const double left = element.left;
    const double right = static_cast<double>(element.left) + element.width;
    const double top = element.top;
    const double bottom = static_cast<double>(element.top) + element.height;
    // Bucket edges fall on whole twips and the rules round an element's
    // edges to whole twips, so a value strictly inside the rounded edges
    // lies in a bucket that the element's own bounds reach.
    const TwipsArea bounds{std::min(left, right), std::min(top, bottom), std::max(left, right),
                           std::max(top, bottom)};
    span.x0 = bucketOf(bounds.left);
    span.x1 = bucketOf(bounds.right);
    span.y0 = bucketOf(bounds.top);
    span.y1 = bucketOf(bounds.bottom);
    span.everywhere =
        !finite(bounds) || (span.x1 - span.x0 + 1) * (span.y1 - span.y0 + 1) > kMostBuckets;
    if (span.everywhere) {
        m_everywhere.push_back(index);
        return;
    }
    if (m_buckets.empty())
        m_buckets.resize(static_cast<std::size_t>(kBuckets) * kBuckets);
    for (int y = span.y0; y <= span.y1; ++y) {
        for (int x = span.x0; x <= span.x1; ++x)
            bucket(x, y).push_back(index);
    }
}

void PlanIndex::remove(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_spans.size())
        return;
    Span &span = m_spans[static_cast<std::size_t>(index)];
    if (!span.placed)
        return;
    const auto take = [index](std::vector<int> &list) {
        const auto found = std::find(list.begin(), list.end(), index);
        if (found != list.end()) {
            *found = list.back();
            list.pop_back();
        }
    };
    if (span.everywhere) {
        take(m_everywhere);
    } else {
        for (int y = span.y0; y <= span.y1; ++y) {
            for (int x = span.x0; x <= span.x1; ++x)
                take(bucket(x, y));
        }
    }
    span = Span();
}

std::vector<int> PlanIndex::near(const TwipsArea &area) const
{
    std::vector<int> found(m_everywhere);
    if (!finite(area)) {
        // No bucket can be named: every element placed is a candidate.
        found.clear();
        for (std::size_t i = 0; i < m_spans.size(); ++i) {
            if (m_spans[i].placed)
                found.push_back(static_cast<int>(i));
        }
        return found;
    }
    if (!m_buckets.empty()) {
        const int x0 = bucketOf(std::min(area.left, area.right));
        const int x1 = bucketOf(std::max(area.left, area.right));
        const int y0 = bucketOf(std::min(area.top, area.bottom));
        const int y1 = bucketOf(std::max(area.top, area.bottom));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const std::vector<int> &list = bucket(x, y);
                found.insert(found.end(), list.begin(), list.end());
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

bool PlanIndex::anyCrowdedBucket(const std::function<bool(const std::vector<int> &)> &visit) const
{
    for (const std::vector<int> &list : m_buckets) {
        if (list.size() > 1 && visit(list))
            return true;
    }
    return false;
}

// ---- Plan ------------------------------------------------------------------

Plan::Plan()
{
    m_elements.push_back(templateElement());
}

const PlanElement &Plan::at(int index) const
{
    assert(contains(index));
    return m_elements[static_cast<std::size_t>(index)];
}

PlanElement &Plan::edit(int index)
{
    assert(contains(index));
    return m_elements[static_cast<std::size_t>(index)];
}

void Plan::notify(int index, Change change) const
{
    if (m_observer)
        m_observer(index, change);
}

std::optional<int> Plan::loadNext()
{
    if (room() < 1)
        return std::nullopt;
    PlanElement element = m_elements.front();
    element.visible = false;
    m_elements.push_back(element);
    m_index.place(upperBound(), element);
    notify(upperBound(), Change::Loaded);
    return upperBound();
}

void Plan::unloadLast()
{
    if (upperBound() < 1)
        return;
    const int index = upperBound();
    m_elements.pop_back();
    m_index.remove(index);
    notify(index, Change::Unloaded);
}

void Plan::setText(int index, const QString &text)
{
    edit(index).text = text;
    notify(index, Change::Changed);
}

void Plan::setGeometry(int index, double left, double top, double width, double height)
{
    PlanElement &element = edit(index);
    element.left = snapToPixels(left);
    element.top = snapToPixels(top);
    element.width = snapToPixels(width);
    element.height = snapToPixels(height);
    m_index.place(index, element);
    notify(index, Change::Changed);
}

void Plan::setPosition(int index, double left, double top)
{
    PlanElement &element = edit(index);
    element.left = snapToPixels(left);
    element.top = snapToPixels(top);
    m_index.place(index, element);
    notify(index, Change::Changed);
}

void Plan::setBorderStyle(int index, int style)
{
    edit(index).borderStyle = style;
    notify(index, Change::Changed);
}

void Plan::setBackColor(int index, const QColor &colour)
{
    edit(index).backColor = colour;
    notify(index, Change::Changed);
}

void Plan::setColours(int index, const QColor &colour)
{
    PlanElement &element = edit(index);
    if (element.backColor == colour && element.foreColor == colour)
        return;
    element.backColor = colour;
    element.foreColor = colour;
    notify(index, Change::Changed);
}

void Plan::setEnabled(int index, bool enabled)
{
    edit(index).enabled = enabled;
    notify(index, Change::Changed);
}

void Plan::setVisible(int index, bool visible)
{
    edit(index).visible = visible;
    notify(index, Change::Changed);
}

void Plan::bringToFront(int index)
{
    assert(contains(index));
    notify(index, Change::Raised);
}

void Plan::paintAll(int from, const QColor &colour, int except)
{
    for (int i = std::max(from, 0); i <= upperBound(); ++i) {
        if (i != except)
            setColours(i, colour);
    }
}

QList<int> Plan::highlighted() const
{
    QList<int> found;
    for (int i = 1; i <= upperBound(); ++i) {
        if (at(i).isHighlighted())
            found.append(i);
    }
    return found;
}

GreatFengShuiModule &modGreatFengShui()
{
    static GreatFengShuiModule module;
    return module;
}

BaguaEditorFields &baguaEditorFields()
{
    static BaguaEditorFields fields;
    return fields;
}

} // namespace tessavo::floorplan
