#include "charts/kua/frmSaveFengShuiKuaNumber.h"

#include "charts/kua/KuaCalc.h"
#include "charts/kua/frmFengShuiDetails.h"
#include "charts/report/ReportWindows.h"
#include "platform/FormRegistry.h"

#include <QLocale>

namespace tessavo::kua {

frmSaveFengShuiKuaNumber::frmSaveFengShuiKuaNumber()
    : ReportWindow(reportWindowConfig(kKuaReportWindow))
{
}

void frmSaveFengShuiKuaNumber::writeReport()
{
    // The user's locale gives the short date format of the birth date.
    writeRuns(kuaReportRuns(form<frmFengShuiDetails>().reportFields(), QLocale()));
}

} // namespace tessavo::kua
