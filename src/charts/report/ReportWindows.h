#pragma once

// The four report windows differ only in their wording and their layout; this
// is their table, one row each, kept apart from the window class so that it
// needs no widgets.

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace tessavo {

struct ReportWindowConfig {
    const char *name;        // window name, e.g. "frmSaveFengShuiKuaNumber"
    QString caption;         // window caption
    double clientWidth;      // client area, twips
    double clientHeight;
    QRectF rtb;              // RTB: left, top, width, height in twips
    QPointF save;            // cmdSave: left, top in twips (1125 x 345)
    QPointF print;           // cmdPrint: left, top in twips (1125 x 345)
    bool linkDetection;      // hook and unhook the report's links
    QString saveAsTitle;     // title of the Save As dialog
};

inline constexpr const char *kKuaReportWindow = "frmSaveFengShuiKuaNumber";
inline constexpr const char *kLoShuReportWindow = "frmSaveFengShuiLoShu";
inline constexpr const char *kFlyingStarReportWindow = "frmSaveFengShuiFlyingStar";
inline constexpr const char *kBaZiReportWindow = "frmSaveFengShuiBaZi";

// The row of the report window of that name. A name without a row gets an
// empty row: no caption, no size, no link detection.
const ReportWindowConfig &reportWindowConfig(const char *name);

// Every row: Kua number, Lo Shu, Flying Star, Ba Zi.
const QList<ReportWindowConfig> &reportWindowConfigs();

} // namespace tessavo
