#pragma once

// Start of the Lo Shu window tests: every window registered, the main window
// shown and the module data as at the start of the process.

#include "ToolWindowFixture.h"

#include "charts/loshu/LoShuCalc.h"
#include "charts/loshu/frmLoshu.h"
#include "charts/loshu/frmMainFengShuiLoShu.h"
#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace tessavo::test {

class LoShuWindowTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        loshu::modFengShuiLoshu() = loshu::FengShuiLoshuModule{};
        showMainWindow();
    }

    // The input window as the main window's Lo Shu button opens it.
    loshu::frmMainFengShuiLoShu &openInput(const std::optional<Entry> &e = std::nullopt)
    {
        mdi->cmdCallMainForm_Click(1);
        auto &w = form<loshu::frmMainFengShuiLoShu>();
        if (e)
            enterPerson(w, *e);
        return w;
    }

    loshu::frmLoshu &proceed(const Entry &e)
    {
        openInput(e).cmdProceed_Click();
        flushDeletes();
        return form<loshu::frmLoshu>();
    }

};

} // namespace tessavo::test
