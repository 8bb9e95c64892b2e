#pragma once

// Start of the Kua window tests: every window registered, the main window
// shown, the module data as at the start of the process and a fixed locale,
// so that dates read the same on every machine.

#include "ToolWindowFixture.h"

#include "charts/kua/KuaCalc.h"
#include "charts/kua/frmFengShuiDetails.h"
#include "charts/kua/frmMainFengShuiKuaNumber.h"
#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

namespace tessavo::test {

class KuaWindowTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        m_savedLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        kua::modFengShui() = kua::FengShuiModule{};
        showMainWindow();
    }
    void TearDown() override
    {
        QLocale::setDefault(m_savedLocale);
        ToolWindowTest::TearDown();
    }

    // The input window as the main window's Kua number button opens it.
    kua::frmMainFengShuiKuaNumber &openInput()
    {
        mdi->cmdCallMainForm_Click(0);
        return form<kua::frmMainFengShuiKuaNumber>();
    }

    static void enter(kua::frmMainFengShuiKuaNumber &w, const Entry &e) { enterPerson(w, e); }

    // Enters a person in a freshly opened input window and proceeds.
    kua::frmFengShuiDetails &proceed(const Entry &e)
    {
        kua::frmMainFengShuiKuaNumber &w = openInput();
        enter(w, e);
        w.cmdProceed_Click();
        flushDeletes();
        return form<kua::frmFengShuiDetails>();
    }


private:
    QLocale m_savedLocale;
};

} // namespace tessavo::test
