#include "charts/PersonEntry.h"

#include "Fakes.h"
#include "QtPrinters.h"
#include "OptionKeys.h"
#include "ToolWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tessavo;

namespace {

enum class Picked { None, Male, Female };

} // namespace

// The windows' own tests run each window's wording; these rows run the ways
// of refusing that a window configures, including the gender refusal that
// leaves the focus alone (its window always has an option picked on load).
TEST(PersonEntryTest, RefusalsRunNameThenSexThenDateAsConfigured)
{
    const struct {
        const char *label;
        bool blanksAreNoName;
        bool withSex;
        bool sexMovesFocus;
        const char *name;
        Picked sex;
        int dayPos;          // 30 + February gives the date refusal
        const char *message; // nullptr: accepted
        MsgIcon icon;
        const char *focus; // objectName of the focus after the check
    } rows[] = {
        {"empty name", false, true, true, "", Picked::None, 0, "name?", MsgIcon::Information,
         "txtName"},
        {"blanks are a name", false, true, true, "  ", Picked::Male, 0, nullptr, MsgIcon::None,
         "other"},
        {"blanks are no name", true, true, true, "  ", Picked::Male, 0, "name?",
         MsgIcon::Information, "txtName"},
        {"no sex, focus to proceed", false, true, true, "Ann", Picked::None, 30, "sex?",
         MsgIcon::Critical, "cmdProceed"},
        {"no sex, focus stays", false, true, false, "Ann", Picked::None, 0, "sex?",
         MsgIcon::Critical, "other"},
        {"no sex options at all", false, false, false, "Ann", Picked::None, 0, nullptr,
         MsgIcon::None, "other"},
        {"date last", false, true, true, "Ann", Picked::Female, 30,
         "Please Enter Correct Date Or Month!", MsgIcon::Information, "other"},
    };
    for (const auto &row : rows) {
        test::Fakes fakes = test::installFakes();
        QWidget window;
        auto *nameBox = new QLineEdit(&window);
        nameBox->setObjectName("txtName");
        auto *male = new QRadioButton("Male", &window);
        auto *female = new QRadioButton("Female", &window);
        auto *proceed = new QPushButton(&window);
        proceed->setObjectName("cmdProceed");
        auto *other = new QLineEdit(&window);
        other->setObjectName("other");
        PersonEntry entry(nameBox, std::make_unique<BirthDateEntry>(&window, kuaBirthDateLayout()),
                          {"name?", MsgIcon::Information, row.blanksAreNoName});
        if (row.withSex) {
            entry.setSexOptions(&window, male, female);
            entry.setSexCheck({"sex?", row.sexMovesFocus ? proceed : nullptr});
        }
        nameBox->setText(row.name);
        male->setChecked(row.sex == Picked::Male);
        female->setChecked(row.sex == Picked::Female);
        entry.birthDate().select(row.dayPos, 1, 70);
        other->setFocus();

        EXPECT_EQ(entry.validate(), !row.message) << row.label;
        EXPECT_EQ(fakes.messageBox->texts(), row.message ? QStringList{row.message} : QStringList{})
            << row.label;
        if (row.message) {
            EXPECT_EQ(fakes.messageBox->shown[0].icon, row.icon) << row.label;
        }
        EXPECT_EQ(window.focusWidget()->objectName(), row.focus) << row.label;
    }
}

TEST(PersonEntryTest, EntriesAreReadWithoutTheirBlanks)
{
    test::installFakes();
    QWidget window;
    auto *nameBox = new QLineEdit(&window);
    auto *male = new QRadioButton(&window);
    auto *female = new QRadioButton(&window);
    PersonEntry entry(nameBox, std::make_unique<BirthDateEntry>(&window, kuaBirthDateLayout()),
                      {"name?"});
    EXPECT_EQ(entry.sex(), "Female"); // no options yet
    entry.setSexOptions(&window, male, female);
    nameBox->setText("  Ann Lee\t ");
    entry.birthDate().select(11, 1, 90);
    const struct {
        bool male;
        const char *sex;
    } picks[] = {{true, "Male"}, {false, "Female"}};
    for (const auto &pick : picks) {
        (pick.male ? male : female)->setChecked(true);
        EXPECT_EQ(entry.sex(), pick.sex);
        EXPECT_FALSE(male->isChecked() && female->isChecked());
    }
    EXPECT_EQ(entry.name(), "Ann Lee\t");
    EXPECT_EQ(QStringList({entry.day(), entry.month(), entry.year()}),
              QStringList({"12", "February", "1990"}));
}

namespace {

class PersonEntryWindowTest : public test::ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        showMainWindow();
    }
};

} // namespace

// The sex options of the Kua number, Lo Shu and Ba Zi input windows, by keys.
TEST_F(PersonEntryWindowTest, ArrowsChooseAnOptionAndTabEntersOnTheChosenOne)
{
    struct Tool {
        const char *window;
        int button; // of the main window
    };
    const Tool kua{"frmMainFengShuiKuaNumber", 0}, loShu{"frmMainFengShuiLoShu", 1},
        baZi{"frmMainFengShuiBaZi", 3};
    const struct {
        const char *what;
        Tool tool;
        const char *chosen; // before the keys; nullptr: as the window loads
        const char *from;   // the focus before the keys
        const char *keys;
        const char *focus;       // after the keys
        const char *chosenAfter; // empty: none
        bool behindBox = false;
    } rows[] = {
        {"Right, none chosen", kua, nullptr, "optSex(0)", "Right", "optSex(1)", "optSex(1)"},
        {"Left wraps round", kua, nullptr, "optSex(0)", "Left", "optSex(1)", "optSex(1)"},
        {"Shift+Tab, none chosen: the first", kua, nullptr, "cmdProceed", "Shift+Tab", "optSex(0)",
         ""},
        {"Tab off an option not chosen, Shift+Tab back: the chosen", kua, "optSex(0)", "optSex(1)",
         "Tab, Shift+Tab", "optSex(0)", "optSex(0)"},
        {"Up: the previous", loShu, "optSex(1)", "optSex(1)", "Up", "optSex(0)", "optSex(0)"},
        {"Tab: the chosen", loShu, "optSex(1)", "cboYear", "Tab", "optSex(1)", "optSex(1)"},
        {"Tab: the chosen at load", baZi, nullptr, "Command1", "Tab", "optMale", "optMale"},
        {"Down", baZi, nullptr, "optMale", "Down", "optFemale", "optFemale"},
        {"Right behind a box", baZi, nullptr, "optMale", "Right", "optMale", "optMale", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.tool.window) + ": " + row.what);
        mdi->cmdCallMainForm_Click(row.tool.button);
        test::flushDeletes();
        QWidget *w = FormRegistry::instance().find(QString::fromLatin1(row.tool.window));
        ASSERT_NE(w, nullptr);
        const auto control = [w](const char *name) {
            return w->findChild<QWidget *>(QString::fromLatin1(name));
        };
        if (row.chosen)
            qobject_cast<QRadioButton *>(control(row.chosen))->setChecked(true);
        const test::OptionKeysSeen seen =
            test::pressOptionKeys(w, control(row.from), row.keys, row.behindBox);
        EXPECT_EQ(seen.focus, row.focus);
        EXPECT_EQ(seen.chosen, row.chosenAfter);
    }
}
