#include "floorplan/PlanNumbers.h"

#include "platform/Text.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>

namespace tessavo::floorplan {

double leadingNumber(const QString &text)
{
    // Blanks are those that isNumeric allows around a number, so an answer
    // it takes is read as the number it holds.
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    qsizetype end = start;
    bool point = false;
    bool digit = false;
    for (; end < text.size(); ++end) {
        const QChar c = text.at(end);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digit = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit)
        return 0.0;
    QString part = text.mid(start, end - start);
    if (part.endsWith(QLatin1Char('.')))
        part.chop(1);
    if (part.startsWith(QLatin1Char('.')))
        part.prepend(QLatin1Char('0'));
    bool ok = false;
    const double value = part.toDouble(&ok);
    // Too many digits give infinity, which every size check then refuses.
    return ok || std::isinf(value) ? value : 0.0;
}

std::optional<double> toNumber(const QString &text)
{
    static const QRegularExpression plain(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString trimmed = trimSpaces(text);
    if (!plain.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumeric(const QString &text)
{
    return toNumber(text).has_value();
}

double round15(double value)
{
    return QString::number(value, 'g', 15).toDouble();
}

QString generalNumber(double value)
{
    return QString::number(value, 'g', 15);
}

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<double> plotScale(const QString &sideText)
{
    const std::optional<double> side = toNumber(sideText);
    if (!side || !(*side > 0.0))
        return std::nullopt;
    return *side / 6.0;
}

QString lengthScaleCaption(double scale)
{
    return QStringLiteral("[Length Scale is") + QLatin1Char(' ') + QStringLiteral("1 :") +
           generalNumber(scale) + QLatin1Char(']');
}

QString widthScaleCaption(double scale)
{
    return QStringLiteral("[Width Scale is") + QLatin1Char(' ') + QStringLiteral("1 :") +
           generalNumber(scale) + QLatin1Char(']');
}

std::optional<double> feetToTwips(double feet, double scale)
{
    if (!(scale > 0.0) || !std::isfinite(scale))
        return std::nullopt;
    const double twips = feet / scale * kGridUnitTwips;
    if (!std::isfinite(twips) || std::fabs(twips) > FLT_MAX)
        return std::nullopt;
    return twips;
}

double twipsToFeet(double twips, double scale)
{
    return twips / kGridUnitTwips * scale;
}

} // namespace tessavo::floorplan
