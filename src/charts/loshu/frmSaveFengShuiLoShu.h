#pragma once

#include "charts/report/ReportWindow.h"

namespace tessavo::loshu {

// The Lo Shu report: the name, the date of birth and the missing-element
// text of the result window, which is open below it whenever it loads.
class frmSaveFengShuiLoShu : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmSaveFengShuiLoShu";
    frmSaveFengShuiLoShu();

protected:
    void writeReport() override;
};

} // namespace tessavo::loshu
