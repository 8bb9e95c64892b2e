#pragma once

// Start of the tool window tests: every window registered and the main
// window shown, as after start-up, so a tool opens the way the user opens it.

#include "UiFixture.h"

#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QString>
#include <QTest>

namespace tessavo::test {

enum class Sex { None, Male, Female };

// A person as typed into the name, sex and birth-date entry.
struct Entry {
    QString name;
    Sex sex;
    int day;   // 1..31
    int month; // 1..12
    int year;  // 1900..2050
};

// Types a person into an input window with the shared person entry.
template <class Window> void enterPerson(Window &w, const Entry &e)
{
    w.txtName->setText(e.name);
    if (e.sex != Sex::None)
        w.optSex[e.sex == Sex::Male ? 0 : 1]->setChecked(true);
    w.birthDate().select(e.day - 1, e.month - 1, e.year - 1900);
}

class ToolWindowTest : public UiTest {
protected:
    // Registers every window and shows the main window.
    void showMainWindow(bool waitUntilActive = true)
    {
        registerAllForms();
        mdi = &form<MDI>();
        mdi->Show();
        if (waitUntilActive) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(mdi));
        }
    }

    bool splashShown() const { return !mdi->picMain()->isHidden(); }

    MDI *mdi = nullptr;
};

} // namespace tessavo::test
