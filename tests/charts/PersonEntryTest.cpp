#include "charts/PersonEntry.h"

#include "Fakes.h"
#include "QtPrinters.h"

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
