#pragma once

#include "charts/report/ReportWindow.h"

namespace tessavo::kua {

// The Kua number report: fifteen captioned fields read from the result
// window, which is open below it whenever it loads.
class frmSaveFengShuiKuaNumber : public ReportWindow {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmSaveFengShuiKuaNumber";
    frmSaveFengShuiKuaNumber();

protected:
    void writeReport() override;
};

} // namespace tessavo::kua
