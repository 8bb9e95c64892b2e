#pragma once

// Start of the Lo Shu window tests: every window registered, the main window
// shown and the module data as at the start of the process.

#include "UiFixture.h"

#include "charts/loshu/LoShuCalc.h"
#include "charts/loshu/frmLoshu.h"
#include "charts/loshu/frmMainFengShuiLoShu.h"
#include "frame/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace tessavo::test {

enum class Sex { None, Male, Female };

struct Entry {
    QString name;
    Sex sex;
    int day, month, year; // 1..31, 1..12, 1900..2050
};

class LoShuWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        loshu::modFengShuiLoshu() = loshu::FengShuiLoshuModule{};
        registerAllForms();
        mdi = &form<MDI>();
        mdi->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mdi));
    }

    // The input window as the main window's Lo Shu button opens it.
    loshu::frmMainFengShuiLoShu &openInput(const std::optional<Entry> &e = std::nullopt)
    {
        mdi->cmdCallMainForm_Click(1);
        auto &w = form<loshu::frmMainFengShuiLoShu>();
        if (e) {
            w.txtName->setText(e->name);
            if (e->sex != Sex::None)
                w.optSex[e->sex == Sex::Male ? 0 : 1]->setChecked(true);
            w.birthDate().select(e->day - 1, e->month - 1, e->year - 1900);
        }
        return w;
    }

    loshu::frmLoshu &proceed(const Entry &e)
    {
        openInput(e).cmdProceed_Click();
        flushDeletes();
        return form<loshu::frmLoshu>();
    }

    bool splashShown() const { return !mdi->picMain()->isHidden(); }

    MDI *mdi = nullptr;
};

} // namespace tessavo::test
