#include "LoShuWindowFixture.h"

#include "frame/HelpMenu.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

using namespace tessavo;
using namespace tessavo::test;
using loshu::frmMainFengShuiLoShu;

namespace {

class LoShuInputWindowTest : public LoShuWindowTest {};

// The caption, title, text or picked entry of a control.
QString textOf(const QWidget *control)
{
    const char *property = qobject_cast<const QGroupBox *>(control)   ? "title"
                           : qobject_cast<const QComboBox *>(control) ? "currentText"
                                                                      : "text";
    return control->property(property).toString();
}

} // namespace

TEST_F(LoShuInputWindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    frmMainFengShuiLoShu &w = openInput();
    EXPECT_EQ(w.caption(), "Orlix Feng Shui Lo Shu");
    EXPECT_EQ(w.size(), twips::size(4950, 4425));
    EXPECT_TRUE(w.menuBarActions().isEmpty());
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(splashShown());
    EXPECT_EQ(w.Top(), 0);

    const QString window = "frmMainFengShuiLoShu", frame = "fraDetails";
    struct Row {
        const char *name;
        QString parent;
        QString text;
        QRect place; // twips; a zero size checks the position only
    };
    const Row rows[] = {
        {"Label6", window, "Orlix Feng Shui Lo Shu ", {1080, 120, 2790, 270}},
        {"Label4",
         window,
         "The Lo Shu Grid is a magic square. It helps you analyze your destiny and know how you "
         "relate with the five elements like Earth, Water, Fire, Wood and Metal. In this grid the "
         "date of birth is studied with relation to the above elements.",
         {120, 480, 4800, 975}},
        {"fraDetails", window, "Your Details Please", {60, 1620, 4845, 1695}},
        {"Label1", frame, "Name", {480, 360, 0, 0}},
        {"txtName", frame, "", {1050, 270, 3705, 345}},
        {"Label2", frame, "Birth Day", {180, 810, 0, 0}},
        {"cboDate", frame, "1", {1050, 720, 645, 315}},
        {"cboMonth", frame, "January", {1755, 720, 1305, 315}},
        {"cboYear", frame, "1970", {3120, 720, 1095, 315}},
        {"optSex(0)", frame, "Male", {1080, 1260, 735, 225}},
        {"optSex(1)", frame, "Female", {1950, 1260, 915, 225}},
        {"Label14", window, kForumTitle, {75, 3390, 4830, 195}},
        {"Label3", window, kForumInvitation, {255, 3630, 4470, 195}},
        {"cmdProceed", window, "Calculate My &Lo-Shu Square", {120, 3960, 4785, 375}},
    };
    for (const Row &row : rows) {
        auto *control = w.findChild<QWidget *>(row.name);
        ASSERT_NE(control, nullptr) << row.name;
        EXPECT_EQ(control->parentWidget()->objectName(), row.parent) << row.name;
        EXPECT_EQ(textOf(control), row.text) << row.name;
        const QRect px =
            twips::rect(row.place.x(), row.place.y(), row.place.width(), row.place.height());
        EXPECT_EQ(control->pos(), px.topLeft()) << row.name;
        if (row.place.width() > 0) {
            EXPECT_EQ(control->size(), px.size()) << row.name;
        }
        // Whatever font stands in for Verdana, a label's text shows whole.
        if (auto *label = qobject_cast<QLabel *>(control)) {
            EXPECT_TRUE(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                          : label->sizeHint().width() <= label->width())
                << row.name;
        }
    }
    EXPECT_EQ(w.Label14->palette().color(QPalette::WindowText), QColor(64, 64, 0));
    EXPECT_EQ(w.Label1->buddy(), w.txtName);
    EXPECT_FALSE(w.optSex[0]->isChecked() || w.optSex[1]->isChecked());
}

TEST_F(LoShuInputWindowTest, ChecksInOrderThenTheEntriesAsPicked)
{
    const char *const name = "Please Enter Your Name";
    const char *const sex = "Please Specify Your Sex";
    const char *const february = "Please Enter Correct Date Or Month!";
    const char *const thirty = "Please Enter Correct Date Or Month !";
    struct Row {
        Entry entry;
        const char *message; // nullptr: accepted
        const char *focus;   // where a refusal puts the focus
        const char *stored;  // accepted: name | date | digits as stored
    };
    const Row rows[] = {
        {{"", Sex::None, 31, 2, 1901}, name, "txtName", nullptr},
        {{"Ann", Sex::None, 31, 4, 1970}, sex, "cmdProceed", nullptr},
        // 1900 is no leap year.
        {{"Ann", Sex::Male, 29, 2, 1900}, february, "cboYear", nullptr},
        {{"Ann", Sex::Female, 29, 2, 2023}, february, "cboYear", nullptr},
        {{"Ann", Sex::Female, 30, 2, 2000}, february, "cboYear", nullptr},
        {{"Ann", Sex::Male, 31, 4, 1990}, thirty, "cboYear", nullptr},
        {{"Ann", Sex::Male, 31, 11, 1990}, thirty, "cboYear", nullptr},
        // The year stays as picked, also in January and February.
        {{"  Ann Lee ", Sex::Female, 12, 1, 1990},
         nullptr,
         nullptr,
         "Ann Lee|12 January 1990|1211990"},
        {{"Bob", Sex::Male, 29, 2, 1904}, nullptr, nullptr, "Bob|29 February 1904|2921904"},
        {{"   ", Sex::Male, 31, 12, 1999}, nullptr, nullptr, "|31 December 1999|31121999"},
        {{"Di", Sex::Female, 30, 4, 2050}, nullptr, nullptr, "Di|30 April 2050|3042050"},
    };
    const QString earlier = "Earlier|9 May 1950|951950";
    for (const Row &row : rows) {
        const std::string label =
            (row.entry.name +
             QString(" %1/%2/%3").arg(row.entry.day).arg(row.entry.month).arg(row.entry.year))
                .toStdString();
        loshu::FengShuiLoshuModule &m = loshu::modFengShuiLoshu();
        m.LoShuUserName = "Earlier";
        m.LoShuBirthDate = "9 May 1950";
        m.LoShuDigits = "951950";
        fakes.messageBox->shown.clear();
        unloadForm<loshu::frmLoshu>();
        QPointer<frmMainFengShuiLoShu> input = &openInput(row.entry);
        input->birthDate().cboYear()->setFocus();
        // Called directly: a click would move the focus to the button.
        input->cmdProceed_Click();
        flushDeletes();

        const QString stored = m.LoShuUserName + '|' + m.LoShuBirthDate + '|' + m.LoShuDigits;
        if (!row.message) {
            EXPECT_TRUE(fakes.messageBox->shown.isEmpty()) << label;
            EXPECT_EQ(stored, row.stored) << label;
            EXPECT_EQ(m.LoShuUserSex, row.entry.sex == Sex::Male ? "Male" : "Female") << label;
            EXPECT_FALSE(input) << label;
            ASSERT_TRUE(isLoaded<loshu::frmLoshu>()) << label;
            EXPECT_TRUE(form<loshu::frmLoshu>().Visible()) << label;
            EXPECT_FALSE(splashShown()) << label;
            continue;
        }
        ASSERT_EQ(fakes.messageBox->texts(), QStringList{row.message}) << label;
        const ShownMessage &shown = fakes.messageBox->shown[0];
        EXPECT_EQ(shown.icon, row.message == name || row.message == sex ? MsgIcon::Critical
                                                                        : MsgIcon::Information)
            << label;
        EXPECT_EQ(shown.buttons, MsgButtons::Ok) << label;
        EXPECT_EQ(shown.title, kAppTitle) << label;
        ASSERT_TRUE(input) << label;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), row.focus) << label;
        EXPECT_EQ(stored, earlier) << label;
        EXPECT_FALSE(isLoaded<loshu::frmLoshu>()) << label;
    }
}
