#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace tessavo::twips {

namespace {
double g_override = 0.0;
}

double dpi()
{
    if (g_override > 0.0)
        return g_override;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            return screen->logicalDotsPerInchX();
    }
    return 96.0;
}

void setDpi(double dotsPerInch)
{
    g_override = dotsPerInch;
}

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips * dpi() / 1440.0));
}

double fromPixels(int pixels)
{
    return pixels * 1440.0 / dpi();
}

QRect rect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

QSize size(double width, double height)
{
    return {toPixels(width), toPixels(height)};
}

QPoint point(double left, double top)
{
    return {toPixels(left), toPixels(top)};
}

} // namespace tessavo::twips
