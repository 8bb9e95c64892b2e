#include "charts/loshu/frmSaveFengShuiLoShu.h"

#include "charts/loshu/LoShuCalc.h"
#include "charts/loshu/frmLoshu.h"
#include "charts/report/ReportWindows.h"
#include "platform/FormRegistry.h"

namespace tessavo::loshu {

frmSaveFengShuiLoShu::frmSaveFengShuiLoShu() : ReportWindow(reportWindowConfig(kLoShuReportWindow))
{
}

void frmSaveFengShuiLoShu::writeReport()
{
    const FengShuiLoshuModule &module = modFengShuiLoshu();
    writeRuns(loShuReportRuns(module.LoShuUserName, module.LoShuBirthDate,
                              form<frmLoshu>().missingElementText()));
}

} // namespace tessavo::loshu
