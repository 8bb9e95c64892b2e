#include "floorplan/PlanModel.h"

#include "platform/QbColor.h"
#include "platform/Twips.h"

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
    notify(upperBound(), Change::Loaded);
    return upperBound();
}

void Plan::unloadLast()
{
    if (upperBound() < 1)
        return;
    const int index = upperBound();
    m_elements.pop_back();
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
    notify(index, Change::Changed);
}

void Plan::setPosition(int index, double left, double top)
{
    PlanElement &element = edit(index);
    element.left = snapToPixels(left);
    element.top = snapToPixels(top);
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

void Plan::paintAll(int from, const QColor &colour)
{
    for (int i = std::max(from, 0); i <= upperBound(); ++i)
        setColours(i, colour);
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
