#pragma once

// Start of the Kua window tests: every window registered, the main window
// shown, the module data as at the start of the process and a fixed locale,
// so that dates read the same on every machine.

#include "UiFixture.h"

#include "charts/kua/KuaCalc.h"
#include "charts/kua/frmFengShuiDetails.h"
#include "charts/kua/frmMainFengShuiKuaNumber.h"
#include "frame/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

namespace tessavo::test {

enum class Sex { None, Male, Female };

struct Entry {
    QString name;
    Sex sex;
    int day;   // 1..31
    int month; // 1..12
    int year;  // 1900..2050
};

class KuaWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        m_savedLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        kua::modFengShui() = kua::FengShuiModule{};
        registerAllForms();
        mdi = &form<MDI>();
        mdi->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mdi));
    }
    void TearDown() override
    {
        QLocale::setDefault(m_savedLocale);
        UiTest::TearDown();
    }

    // The input window as the main window's Kua number button opens it.
    kua::frmMainFengShuiKuaNumber &openInput()
    {
        mdi->cmdCallMainForm_Click(0);
        return form<kua::frmMainFengShuiKuaNumber>();
    }

    static void enter(kua::frmMainFengShuiKuaNumber &w, const Entry &e)
    {
        w.txtName->setText(e.name);
        if (e.sex != Sex::None)
            w.optSex[e.sex == Sex::Male ? 0 : 1]->setChecked(true);
        w.birthDate().select(e.day - 1, e.month - 1, e.year - 1900);
    }

    // Enters a person in a freshly opened input window and proceeds.
    kua::frmFengShuiDetails &proceed(const Entry &e)
    {
        kua::frmMainFengShuiKuaNumber &w = openInput();
        enter(w, e);
        w.cmdProceed_Click();
        flushDeletes();
        return form<kua::frmFengShuiDetails>();
    }

    bool splashShown() const { return !mdi->picMain()->isHidden(); }

    MDI *mdi = nullptr;

private:
    QLocale m_savedLocale;
};

} // namespace tessavo::test
