#pragma once

#include "charts/report/ReportWindow.h"

namespace tessavo::bazi {

// The Ba Zi report. Unlike the other reports it does not write its own text:
// the result window writes the runs into it before showing it. Its own load
// only empties the box, and it marks no links.
class frmSaveFengShuiBaZi : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmSaveFengShuiBaZi";
    frmSaveFengShuiBaZi();

protected:
    void writeReport() override;
};

} // namespace tessavo::bazi
