#include "FlyingStarWindowFixture.h"

#include "frame/modHelp.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>

using namespace tessavo;
using namespace tessavo::test;
using flyingstar::frmMainFengShuiFlyingStar;

namespace {

class FlyingStarInputWindowTest : public FlyingStarWindowTest {};

} // namespace

TEST_F(FlyingStarInputWindowTest, OpensWithItsDefaultsAndExitShowsTheSplashPanel)
{
    frmMainFengShuiFlyingStar &w = openInput();
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(splashShown());
    EXPECT_EQ(w.size(), twips::size(6765, 5250));
    EXPECT_TRUE(w.Label6->text().startsWith("Halvenor "));
    EXPECT_EQ(w.birthDate().dayText(), "1");
    EXPECT_EQ(w.birthDate().monthText(), "January");
    EXPECT_EQ(w.birthDate().yearText(), "1950");
    EXPECT_EQ(w.birthDate().cboYear()->count(), 180);
    EXPECT_EQ(w.cboRangeOfDegree->currentText(), "N1 337.5-352.5");
    EXPECT_EQ(w.menuBarActions().at(0)->objectName(), "nuFile");

    w.txtFirstName->setText("ANN");
    w.mnuNext->trigger();
    form<flyingstar::frmFlyingStar>().cmdBack_Click();
    w.mnuExit->trigger();
    flushDeletes();
    EXPECT_FALSE(isLoaded<frmMainFengShuiFlyingStar>());
    EXPECT_TRUE(splashShown());
    // The result window, hidden by Back, is left as it was.
    EXPECT_TRUE(isLoaded<flyingstar::frmFlyingStar>());
}

TEST_F(FlyingStarInputWindowTest, TheUpdateReminderComesFirstWhenDue)
{
    for (const int daysAgo : {14, 15}) {
        fakes.messageBox->shown.clear();
        fakes.settings->write(reminderApplicationName(), kReminderSection, kReminderValue,
                              reminderDateText(fakes.clock->date.addDays(-daysAgo)));
        frmMainFengShuiFlyingStar &w = openInput();
        EXPECT_EQ(fakes.messageBox->texts().size(), daysAgo > 14 ? 1 : 0) << daysAgo;
        // The window loads and fills its lists whatever the answer.
        EXPECT_TRUE(w.Visible()) << daysAgo;
        EXPECT_EQ(w.birthDate().yearText(), "1950") << daysAgo;
    }
}

TEST_F(FlyingStarInputWindowTest, ChecksStopAtTheFirstFailureAndChangeNothing)
{
    const char *const name = "Please Enter Your First Name";
    const char *const february = "Please Enter Correct Date Or Month!";
    const char *const thirty = "Please Enter Correct Date Or Month !";
    struct Row {
        HouseEntry entry;
        const char *message; // nullptr: plotted
        const char *focus;   // where a refusal puts the focus
    };
    const Row rows[] = {
        {{"", 31, 4, 1950, 0}, name, "txtFirstName"},
        {{"", 1, 1, 1950, 0}, name, "txtFirstName"},
        {{" ", 1, 1, 1950, 0}, nullptr, nullptr},
        {{"ANN", 29, 2, 1952, 0}, nullptr, nullptr},
        {{"ANN", 29, 2, 2000, 0}, nullptr, nullptr},
        {{"ANN", 29, 2, 1900, 0}, february, "cboYear"},
        {{"ANN", 29, 2, 1950, 0}, february, "cboYear"},
        {{"ANN", 30, 2, 1952, 0}, february, "cboYear"},
        {{"ANN", 31, 2, 1952, 0}, february, "cboYear"},
        {{"ANN", 31, 4, 1950, 0}, thirty, "cboYear"},
        {{"ANN", 31, 11, 1950, 0}, thirty, "cboYear"},
        {{"ANN", 30, 4, 1950, 0}, nullptr, nullptr},
    };
    for (const Row &row : rows) {
        const std::string label =
            (row.entry.name + '|' + QString::number(row.entry.day) + '/' +
             QString::number(row.entry.month) + '/' + QString::number(row.entry.year))
                .toStdString();
        flyingstar::modFlyingStar() = {1864, 1};
        fakes.messageBox->shown.clear();
        frmMainFengShuiFlyingStar &w = openInput();
        enter(w, row.entry);
        w.birthDate().cboYear()->setFocus();
        w.cmdNext_Click();

        if (!row.message) {
            EXPECT_TRUE(fakes.messageBox->shown.isEmpty()) << label;
            EXPECT_FALSE(w.Visible()) << label;
            EXPECT_TRUE(form<flyingstar::frmFlyingStar>().Visible()) << label;
            EXPECT_EQ(flyingstar::modFlyingStar().BuiltYear, row.entry.year) << label;
            continue;
        }
        ASSERT_EQ(fakes.messageBox->texts(), QStringList{row.message}) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].icon, MsgIcon::Information) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].title, kAppTitle) << label;
        ASSERT_NE(QApplication::focusWidget(), nullptr) << label;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), row.focus) << label;
        EXPECT_TRUE(w.Visible()) << label;
        EXPECT_FALSE(isLoaded<flyingstar::frmFlyingStar>()) << label;
        EXPECT_EQ(flyingstar::modFlyingStar().BuiltYear, 1864) << label;
        EXPECT_EQ(w.txtFirstName->text(), row.entry.name) << label;
        EXPECT_EQ(w.birthDate().dayPosition(), row.entry.day - 1) << label;
        EXPECT_EQ(w.birthDate().monthPosition(), row.entry.month - 1) << label;
    }
}

TEST_F(FlyingStarInputWindowTest, TypedLettersTurnUpperCasePastedTextStaysAsItIs)
{
    struct Row {
        const char *typed;
        const char *shown;
    };
    const Row rows[] = {
        {"Mary-jo o'neil 2", "MARY-JO O'NEIL 2"},
        {"`az{@AZ[", "`AZ{@AZ["}, // the neighbours of a and z stay
    };
    frmMainFengShuiFlyingStar &w = openInput();
    for (const Row &row : rows) {
        w.txtFirstName->clear();
        QTest::keyClicks(w.txtFirstName, QString::fromLatin1(row.typed));
        EXPECT_EQ(w.txtFirstName->text(), QString::fromLatin1(row.shown)) << row.typed;
    }
    // Typing over a selection replaces it, as any key does.
    w.txtFirstName->selectAll();
    QTest::keyClicks(w.txtFirstName, "x");
    EXPECT_EQ(w.txtFirstName->text(), "X");
    w.txtFirstName->insert("pasted");
    EXPECT_EQ(w.txtFirstName->text(), "Xpasted");
}
