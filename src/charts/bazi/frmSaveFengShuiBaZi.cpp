#include "charts/bazi/frmSaveFengShuiBaZi.h"

#include "charts/report/ReportWindows.h"
#include "platform/RichTextBox.h"

namespace tessavo::bazi {

frmSaveFengShuiBaZi::frmSaveFengShuiBaZi() : ReportWindow(reportWindowConfig(kBaZiReportWindow)) {}

void frmSaveFengShuiBaZi::writeReport()
{
    RTB->clearText();
}

} // namespace tessavo::bazi
