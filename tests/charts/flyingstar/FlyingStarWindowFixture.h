#pragma once

// Start of the Flying Star window tests: every window registered, the main
// window shown and the module data as at the start of the process.

#include "ToolWindowFixture.h"

#include "charts/flyingstar/FlyingStarCalc.h"
#include "charts/flyingstar/frmFlyingStar.h"
#include "charts/flyingstar/frmMainFengShuiFlyingStar.h"
#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace tessavo::test {

struct HouseEntry {
    QString name;
    int day;    // 1..31
    int month;  // 1..12
    int year;   // 1864..2043
    int sector; // 0..23, "N1 337.5-352.5" first
};

class FlyingStarWindowTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        flyingstar::modFlyingStar() = flyingstar::FlyingStarModule{};
        showMainWindow();
    }

    // The input window as the main window's Flying Star button opens it.
    flyingstar::frmMainFengShuiFlyingStar &openInput()
    {
        mdi->cmdCallMainForm_Click(2);
        return form<flyingstar::frmMainFengShuiFlyingStar>();
    }

    static void enter(flyingstar::frmMainFengShuiFlyingStar &w, const HouseEntry &e)
    {
        w.txtFirstName->setText(e.name);
        w.birthDate().select(e.day - 1, e.month - 1, e.year - flyingstar::kFirstYear);
        w.cboRangeOfDegree->setCurrentIndex(e.sector);
    }

    // Enters a house in the open (or a newly opened) input window and plots.
    flyingstar::frmFlyingStar &plot(const HouseEntry &e)
    {
        auto &w = isLoaded<flyingstar::frmMainFengShuiFlyingStar>()
                      ? form<flyingstar::frmMainFengShuiFlyingStar>()
                      : openInput();
        enter(w, e);
        w.cmdNext_Click();
        flushDeletes();
        return form<flyingstar::frmFlyingStar>();
    }

};

} // namespace tessavo::test
