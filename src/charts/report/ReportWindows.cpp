#include "charts/report/ReportWindows.h"

#include "platform/Services.h"

#include <QByteArray>

namespace tessavo {

const QList<ReportWindowConfig> &reportWindowConfigs()
{
    // Built on first use, so that it never depends on the order in which
    // the program's constant texts are set up.
    static const QList<ReportWindowConfig> table{
        {kKuaReportWindow, QStringLiteral("Orlix Feng Shui Kua Number"), 7725, 7530,
         QRectF(30, 390, 7665, 6135), QPointF(5400, 6570), QPointF(6555, 6570), true,
         QStringLiteral("Save Your Feng Shui Kua Number Details")},
        {kLoShuReportWindow, QStringLiteral("Orlix Feng Shui Lo Shu"), 7725, 7515,
         QRectF(30, 390, 7665, 6135), QPointF(5400, 6570), QPointF(6555, 6570), true,
         QStringLiteral("Save Your FengShui Loshu Details")},
        {kFlyingStarReportWindow, QStringLiteral("Orlix Flying Star Feng Shui"), 7725, 7545,
         QRectF(30, 390, 7665, 6135), QPointF(5400, 6570), QPointF(6555, 6570), true, kAppTitle},
        {kBaZiReportWindow, QStringLiteral("Orlix Feng Shui Ba Zi"), 6525, 5415,
         QRectF(30, 390, 6465, 3975), QPointF(4200, 4410), QPointF(5355, 4410), false, kAppTitle},
    };
    return table;
}

const ReportWindowConfig &reportWindowConfig(const char *name)
{
    for (const ReportWindowConfig &config : reportWindowConfigs()) {
        if (qstrcmp(config.name, name) == 0)
            return config;
    }
    static const ReportWindowConfig none{"", QString(), 0, 0, QRectF(), QPointF(), QPointF(), false,
                                         QString()};
    return none;
}

} // namespace tessavo
