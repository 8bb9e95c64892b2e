#include "KuaWindowFixture.h"

#include "frame/HelpMenu.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

using namespace tessavo;
using namespace tessavo::test;
using kua::frmMainFengShuiKuaNumber;

namespace {

class KuaInputWindowTest : public KuaWindowTest {};

// What a failed check must leave alone.
kua::FengShuiModule earlierResult()
{
    kua::FengShuiModule m;
    m.KuaUserName = "Earlier";
    m.KuaUserSex = "Male";
    m.KuaBirthDay = "9";
    m.KuaBirthMonth = "May";
    m.KuaBirthYear = "1950";
    m.KuaBirthDate = QDate(1950, 5, 9);
    return m;
}

void expectSameEntry(const kua::FengShuiModule &a, const kua::FengShuiModule &b, const char *row)
{
    EXPECT_EQ(a.KuaUserName, b.KuaUserName) << row;
    EXPECT_EQ(a.KuaUserSex, b.KuaUserSex) << row;
    EXPECT_EQ(a.KuaBirthDay, b.KuaBirthDay) << row;
    EXPECT_EQ(a.KuaBirthMonth, b.KuaBirthMonth) << row;
    EXPECT_EQ(a.KuaBirthYear, b.KuaBirthYear) << row;
    EXPECT_EQ(a.KuaBirthDate, b.KuaBirthDate) << row;
}

} // namespace

TEST_F(KuaInputWindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    frmMainFengShuiKuaNumber &w = openInput();
    EXPECT_EQ(w.caption(), "Orlix Feng Shui Kua Number");
    EXPECT_EQ(w.size(), twips::size(4980, 2265));
    EXPECT_EQ(w.font().family(), "Verdana");
    EXPECT_DOUBLE_EQ(w.font().pointSizeF(), 8.25);
    EXPECT_TRUE(w.menuBarActions().isEmpty());
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(splashShown());

    struct Row {
        const char *name;
        const char *parent;
        QString text;
        QRect place; // twips; a zero size checks the position only
    };
    const Row rows[] = {
        {"Label14", "frmMainFengShuiKuaNumber", kForumTitle, QRect(375, 30, 4230, 0)},
        {"Label3", "frmMainFengShuiKuaNumber", kForumInvitation, QRect(495, 270, 3990, 0)},
        {"fraDetails", "frmMainFengShuiKuaNumber", "Your Details Please",
         QRect(60, 540, 4845, 1695)},
        {"Label1", "fraDetails", "Name", QRect(480, 360, 0, 0)},
        {"txtName", "fraDetails", "", QRect(1050, 270, 3705, 345)},
        {"Label2", "fraDetails", "Birth Day", QRect(180, 810, 0, 0)},
        {"cboDate", "fraDetails", "1", QRect(1050, 720, 645, 315)},
        {"cboMonth", "fraDetails", "January", QRect(1755, 720, 1305, 315)},
        {"cboYear", "fraDetails", "1970", QRect(3120, 720, 1095, 315)},
        {"Label5", "fraDetails", "Sex", QRect(630, 1260, 0, 0)},
        {"optSex(0)", "fraDetails", "Male", QRect(1080, 1260, 735, 225)},
        {"optSex(1)", "fraDetails", "Female", QRect(1950, 1260, 915, 225)},
        {"cmdProceed", "fraDetails", "&Proceed", QRect(3540, 1170, 1185, 375)},
    };
    for (const Row &row : rows) {
        auto *control = w.findChild<QWidget *>(row.name);
        ASSERT_NE(control, nullptr) << row.name;
        EXPECT_EQ(control->parentWidget()->objectName(), row.parent) << row.name;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(control))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            text = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            text = frame->title();
        else if (auto *box = qobject_cast<QLineEdit *>(control))
            text = box->text();
        else if (auto *list = qobject_cast<QComboBox *>(control))
            text = list->currentText();
        EXPECT_EQ(text, row.text) << row.name;
        const QRect px =
            twips::rect(row.place.x(), row.place.y(), row.place.width(), row.place.height());
        EXPECT_EQ(control->pos(), px.topLeft()) << row.name;
        if (row.place.width() > 0) {
            EXPECT_EQ(control->width(), px.width()) << row.name;
        }
        if (row.place.height() > 0) {
            EXPECT_EQ(control->height(), px.height()) << row.name;
        }
    }

    EXPECT_EQ(w.Label1->buddy(), w.txtName);
    EXPECT_EQ(w.Label2->buddy(), w.birthDate().cboDate());
    EXPECT_EQ(w.Label14->textFormat(), Qt::PlainText);

    // Tab order by tab index.
    const QStringList order = {"txtName",   "cboDate",   "cboMonth",  "cboYear",
                               "optSex(0)", "optSex(1)", "cmdProceed"};
    QStringList seen;
    QWidget *next = w.txtName;
    for (int steps = 0; steps < 100 && seen.size() < order.size(); ++steps) {
        if (order.contains(next->objectName()) && !seen.contains(next->objectName()))
            seen << next->objectName();
        next = next->nextInFocusChain();
    }
    EXPECT_EQ(seen, order);
}

TEST_F(KuaInputWindowTest, SexStartsUnpickedAndIsOneOfTwo)
{
    frmMainFengShuiKuaNumber &w = openInput();
    EXPECT_FALSE(w.optSex[0]->isChecked());
    EXPECT_FALSE(w.optSex[1]->isChecked());
    QTest::mouseClick(w.optSex[0], Qt::LeftButton);
    EXPECT_TRUE(w.optSex[0]->isChecked());
    QTest::mouseClick(w.optSex[1], Qt::LeftButton);
    EXPECT_FALSE(w.optSex[0]->isChecked());
    EXPECT_TRUE(w.optSex[1]->isChecked());
}

TEST_F(KuaInputWindowTest, BothLinksOpenTheHomePage)
{
    frmMainFengShuiKuaNumber &w = openInput();
    QTest::mouseClick(w.Label14, Qt::LeftButton);
    QTest::mouseClick(w.Label3, Qt::LeftButton);
    ASSERT_EQ(fakes.urlOpener->opened.size(), 2);
    EXPECT_EQ(fakes.urlOpener->opened[0], fakes.urlOpener->opened[1]);
}

TEST_F(KuaInputWindowTest, ChecksRunInOrderAndAFailureChangesNothing)
{
    const char *const name = "Please Enter Your Name";
    const char *const sex = "Please Specify Your Sex";
    const char *const february = "Please Enter Correct Date Or Month!";
    const char *const thirty = "Please Enter Correct Date Or Month !";
    struct Row {
        Entry entry;
        const char *message; // nullptr: accepted
        MsgIcon icon;
        const char *focus; // where a refusal puts the focus, nullptr: unchanged
    };
    const Row rows[] = {
        {{"", Sex::None, 31, 2, 1901}, name, MsgIcon::Critical, "txtName"},
        {{"", Sex::Female, 1, 1, 1970}, name, MsgIcon::Critical, "txtName"},
        {{"Ann", Sex::None, 31, 4, 1970}, sex, MsgIcon::Critical, "cmdProceed"},
        {{"Ann", Sex::Male, 29, 2, 1900}, february, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Male, 29, 2, 1901}, february, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Male, 30, 2, 1904}, february, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Female, 31, 2, 1904}, february, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Female, 31, 4, 1970}, thirty, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Female, 31, 6, 1970}, thirty, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Female, 31, 9, 1970}, thirty, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Female, 31, 11, 1970}, thirty, MsgIcon::Information, nullptr},
        {{"Ann", Sex::Male, 29, 2, 1904}, nullptr, MsgIcon::None, nullptr},
        {{"Ann", Sex::Male, 29, 2, 2000}, nullptr, MsgIcon::None, nullptr},
        {{"Ann", Sex::Male, 30, 4, 1970}, nullptr, MsgIcon::None, nullptr},
        {{"   ", Sex::Male, 1, 1, 1970}, nullptr, MsgIcon::None, nullptr},
    };
    for (const Row &row : rows) {
        const std::string label =
            (row.entry.name + ' ' + QString::number(row.entry.day) + '/' +
             QString::number(row.entry.month) + '/' + QString::number(row.entry.year))
                .toStdString();
        kua::modFengShui() = earlierResult();
        fakes.messageBox->shown.clear();
        frmMainFengShuiKuaNumber &w = openInput();
        enter(w, row.entry);
        w.birthDate().cboYear()->setFocus();
        QPointer<frmMainFengShuiKuaNumber> input = &w;

        // Called directly: a click would move the focus to the button.
        w.cmdProceed_Click();
        flushDeletes();

        if (!row.message) {
            EXPECT_TRUE(fakes.messageBox->shown.isEmpty()) << label;
            EXPECT_FALSE(input) << label;
            EXPECT_TRUE(isLoaded<kua::frmFengShuiDetails>()) << label;
            continue;
        }
        ASSERT_EQ(fakes.messageBox->texts(), QStringList{row.message}) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].icon, row.icon) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].title, kAppTitle) << label;
        ASSERT_TRUE(input) << label;
        ASSERT_NE(QApplication::focusWidget(), nullptr) << label;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), row.focus ? row.focus : "cboYear")
            << label;
        EXPECT_FALSE(isLoaded<kua::frmFengShuiDetails>()) << label;
        expectSameEntry(kua::modFengShui(), earlierResult(), label.c_str());
        // The entries stay as the user left them.
        EXPECT_EQ(w.txtName->text(), row.entry.name) << label;
        EXPECT_EQ(w.birthDate().dayPosition(), row.entry.day - 1) << label;
        EXPECT_EQ(w.birthDate().monthPosition(), row.entry.month - 1) << label;
        EXPECT_EQ(w.birthDate().yearText(), QString::number(row.entry.year)) << label;
    }
}

TEST_F(KuaInputWindowTest, ProceedWritesTheModuleAndOpensTheResult)
{
    struct Row {
        Entry entry;
        const char *userName;
        const char *sex;
        const char *day;
        const char *month;
        const char *kuaYear;
        QDate born;
        int kua;
    };
    const Row rows[] = {
        {{"  Ann Lee  ", Sex::Female, 15, 1, 2000},
         "Ann Lee",
         "Female",
         "15",
         "January",
         "1999",
         QDate(2000, 1, 15),
         5},
        {{"Bob", Sex::Male, 1, 3, 2000}, "Bob", "Male", "1", "March", "2000", QDate(2000, 3, 1), 1},
        {{"Cy", Sex::Male, 31, 1, 1900},
         "Cy",
         "Male",
         "31",
         "January",
         "1899",
         QDate(1900, 1, 31),
         1},
        {{"Di", Sex::Female, 29, 2, 1904},
         "Di",
         "Female",
         "29",
         "February",
         "1903",
         QDate(1904, 2, 29),
         8},
        {{"Ed", Sex::Male, 31, 12, 1969},
         "Ed",
         "Male",
         "31",
         "December",
         "1969",
         QDate(1969, 12, 31),
         4},
        {{"   ", Sex::Female, 30, 4, 2050},
         "",
         "Female",
         "30",
         "April",
         "2050",
         QDate(2050, 4, 30),
         1},
    };
    for (const Row &row : rows) {
        const char *label = row.userName;
        frmMainFengShuiKuaNumber &w = openInput();
        QPointer<frmMainFengShuiKuaNumber> input = &w;
        enter(w, row.entry);
        w.cmdProceed_Click();
        flushDeletes();

        const kua::FengShuiModule &m = kua::modFengShui();
        EXPECT_EQ(m.KuaUserName, row.userName) << label;
        EXPECT_EQ(m.KuaUserSex, row.sex) << label;
        EXPECT_EQ(m.KuaBirthDay, row.day) << label;
        EXPECT_EQ(m.KuaBirthMonth, row.month) << label;
        EXPECT_EQ(m.KuaBirthYear, row.kuaYear) << label;
        EXPECT_EQ(m.KuaBirthDate, row.born) << label;

        EXPECT_FALSE(input) << label;
        ASSERT_TRUE(isLoaded<kua::frmFengShuiDetails>()) << label;
        auto &result = form<kua::frmFengShuiDetails>();
        EXPECT_TRUE(result.Visible()) << label;
        EXPECT_EQ(result.lblFengShuiKuaNo->text(), QString::number(row.kua)) << label;
        EXPECT_EQ(result.lblName->text(),
                  (row.entry.sex == Sex::Male ? "Mr. " : "Ms. ") + QString(row.userName))
            << label;
        EXPECT_FALSE(splashShown()) << label;
    }
}
