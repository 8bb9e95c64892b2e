#pragma once

#include "charts/report/ReportWindow.h"

namespace tessavo::flyingstar {

// The Flying Star report: the analysis lines of the result window, which is
// open below it whenever it loads, in eight explained sections.
class frmSaveFengShuiFlyingStar : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmSaveFengShuiFlyingStar";
    frmSaveFengShuiFlyingStar();

protected:
    void writeReport() override;
};

} // namespace tessavo::flyingstar
