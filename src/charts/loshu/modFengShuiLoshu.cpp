#include "charts/loshu/modFengShuiLoshu.h"

#include "charts/loshu/LoShuCalc.h"
#include "charts/loshu/frmLoshu.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/RichTextBox.h"

namespace tessavo::loshu {

void CalcLoShuGrid(const QString &day, const QString &month, const QString &year)
{
    calculateLoShu(day, month, year);

    frmLoshu &w = form<frmLoshu>();
    for (int i = 0; i < 9; ++i)
        w.lblLoshuGrid[static_cast<std::size_t>(i)]->setText(gridCaption(i));

    // The window is loaded afresh for every calculation, so the box is empty
    // already; emptying it anyway keeps a second calculation into the same
    // window from adding to the first one's text.
    w.RTBLoshu->clearText();
    w.RTBLoshu->setSelBold(false);
    for (const ReportRun &run : missingElementRuns()) {
        if (run.bold)
            w.RTBLoshu->setSelBold(*run.bold);
        if (!run.text.isEmpty())
            w.RTBLoshu->setSelText(run.text);
    }
    // Nothing more is written into the box: the caret goes back to the start
    // so that the reader starts with the first missing element.
    w.RTBLoshu->setSelStart(0);
}

} // namespace tessavo::loshu
