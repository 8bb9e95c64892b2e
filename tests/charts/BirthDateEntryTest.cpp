#include "charts/BirthDateEntry.h"

#include "Fakes.h"

#include <QComboBox>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tessavo;

class BirthDateEntryTest : public ::testing::Test {
protected:
    void SetUp() override { fakes = test::installFakes(); }

    test::Fakes fakes{};
    QWidget frame;
    BirthDateEntry entry{&frame, kuaBirthDateLayout()};
};

TEST_F(BirthDateEntryTest, ListsAreFilledWithTheKuaDefaults)
{
    const struct {
        const char *name;
        QComboBox *combo;
        int count;
    } lists[] = {
        {"cboDate", entry.cboDate(), 31},
        {"cboMonth", entry.cboMonth(), 12},
        {"cboYear", entry.cboYear(), 151},
    };
    for (const auto &l : lists) {
        EXPECT_EQ(frame.findChild<QComboBox *>(l.name), l.combo) << l.name;
        EXPECT_FALSE(l.combo->isEditable()) << l.name;
        EXPECT_EQ(l.combo->count(), l.count) << l.name;
    }
    EXPECT_EQ(entry.cboYear()->itemText(0), "1900");
    EXPECT_EQ(entry.cboYear()->itemText(150), "2050");
    EXPECT_EQ(entry.dayText(), "1");
    EXPECT_EQ(entry.monthText(), "January");
    EXPECT_EQ(entry.yearText(), "1970");
    EXPECT_EQ(entry.date(), QDate(1970, 1, 1));
    // 1050, 720, 645, 315 twips at 96 dpi.
    EXPECT_EQ(entry.cboDate()->geometry(), QRect(70, 48, 43, 21));
}

TEST_F(BirthDateEntryTest, ValidateShowsTheFirstFailingMessage)
{
    struct Row {
        int day;
        int month;
        int year;
        const char *message; // nullptr: nothing shown
    };
    const Row rows[] = {
        {29, 2, 1904, nullptr},
        {29, 2, 1900, "Please Enter Correct Date Or Month!"},
        {31, 2, 1904, "Please Enter Correct Date Or Month!"},
        {31, 6, 1970, "Please Enter Correct Date Or Month !"},
        {30, 6, 1970, nullptr},
        {31, 1, 1900, nullptr},
    };
    for (const auto &r : rows) {
        fakes.messageBox->shown.clear();
        entry.select(r.day - 1, r.month - 1, r.year - 1900);
        const bool ok = entry.validate();
        EXPECT_EQ(ok, r.message == nullptr) << r.day << '/' << r.month << '/' << r.year;
        if (r.message == nullptr) {
            EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
            continue;
        }
        ASSERT_EQ(fakes.messageBox->shown.size(), 1);
        const auto &shown = fakes.messageBox->shown.first();
        EXPECT_EQ(shown.text, QString::fromLatin1(r.message));
        EXPECT_EQ(shown.icon, MsgIcon::Information);
        EXPECT_EQ(shown.buttons, MsgButtons::Ok);
        EXPECT_EQ(shown.title, kAppTitle);
        // A failed check leaves the picks as the user left them.
        EXPECT_EQ(entry.dayPosition(), r.day - 1);
        EXPECT_EQ(entry.monthPosition(), r.month - 1);
    }
}
