#include "charts/flyingstar/frmSaveFengShuiFlyingStar.h"

#include "charts/flyingstar/FlyingStarCalc.h"
#include "charts/flyingstar/frmFlyingStar.h"
#include "charts/report/ReportWindows.h"
#include "platform/FormRegistry.h"

namespace tessavo::flyingstar {

frmSaveFengShuiFlyingStar::frmSaveFengShuiFlyingStar()
    : ReportWindow(reportWindowConfig(kFlyingStarReportWindow))
{
}

void frmSaveFengShuiFlyingStar::writeReport()
{
    writeRuns(flyingStarReportRuns(form<frmFlyingStar>().reportFields()));
}

} // namespace tessavo::flyingstar
