#include "BaZiWindowFixture.h"

#include "charts/BirthDate.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

using namespace tessavo;
using namespace tessavo::test;
using bazi::frmMainFengShuiBaZi;

namespace {

class BaZiInputWindowTest : public BaZiWindowTest {};

// What a failed check must leave alone.
bazi::FourPillarModule earlierResult()
{
    bazi::FourPillarModule m;
    m.BaZiUserName = "Earlier";
    m.BaZiBirthYear = 1950;
    m.BaZiLongitude = 7;
    m.YearStem = "Geng";
    return m;
}

} // namespace

TEST_F(BaZiInputWindowTest, ChecksRunInOrderAndAFailureChangesNothing)
{
    const char *const name = "Please Enter Your Name";
    const char *const february = "Please Enter Correct Date Or Month!";
    const char *const thirty = "Please Enter Correct Date Or Month !";
    struct Row {
        BirthEntry entry;
        const char *message; // nullptr: accepted
        MsgIcon icon;
        const char *focus; // where a refusal puts the focus
    };
    const Row rows[] = {
        {{"", 31, 2, 1925}, name, MsgIcon::Critical, "txtName"},
        {{"   ", 1, 1, 1970}, name, MsgIcon::Critical, "txtName"},
        {{"Ann", 29, 2, 1925}, february, MsgIcon::Information, "cboSS"},
        {{"Ann", 30, 2, 2000}, february, MsgIcon::Information, "cboSS"},
        {{"Ann", 31, 2, 1924}, february, MsgIcon::Information, "cboSS"},
        {{"Ann", 31, 4, 1970}, thirty, MsgIcon::Information, "cboSS"},
        {{"Ann", 31, 11, 2050}, thirty, MsgIcon::Information, "cboSS"},
        {{"Ann", 29, 2, 1924}, nullptr, MsgIcon::None, nullptr},
        {{"Ann", 29, 2, 2000}, nullptr, MsgIcon::None, nullptr},
        {{" Ann ", 30, 4, 1970}, nullptr, MsgIcon::None, nullptr},
    };
    for (const Row &row : rows) {
        const std::string label = QStringLiteral("'%1' %2/%3/%4")
                                      .arg(row.entry.name)
                                      .arg(row.entry.day)
                                      .arg(row.entry.month)
                                      .arg(row.entry.year)
                                      .toStdString();
        bazi::modFengShuiFourPillar() = earlierResult();
        fakes.messageBox->shown.clear();
        frmMainFengShuiBaZi &w = openInput();
        enter(w, row.entry);
        w.cboSS->setFocus();
        QPointer<frmMainFengShuiBaZi> input = &w;

        w.cmdCalculation_Click();
        flushDeletes();

        EXPECT_EQ(isLoaded<bazi::frmFengShuiFourPillar>(), !row.message) << label;
        if (!row.message) {
            EXPECT_TRUE(fakes.messageBox->shown.isEmpty()) << label;
            EXPECT_FALSE(input) << label;
            continue;
        }
        ASSERT_EQ(fakes.messageBox->texts(), QStringList{row.message}) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].icon, row.icon) << label;
        EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok) << label;
        ASSERT_TRUE(input) << label;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), row.focus) << label;
        EXPECT_TRUE(bazi::modFengShuiFourPillar() == earlierResult()) << label;
        EXPECT_EQ(w.txtName->text(), row.entry.name) << label;
        EXPECT_EQ(w.birthDate().dayPosition(), row.entry.day - 1) << label;
        EXPECT_EQ(w.birthDate().monthPosition(), row.entry.month - 1) << label;
    }
}

TEST_F(BaZiInputWindowTest, AnalyzeStoresTheEntriesAndOpensTheResult)
{
    struct Row {
        BirthEntry entry;
        const char *userName;
        qint16 longitude; // the earlier value is 7
        const char *yearAndHour; // year stem and hour branch
    };
    const Row rows[] = {
        {{"  Ann Lee  ", 1, 1, 1924, 1, false, 1, 1, false, "22"}, "Ann Lee", 22, "Year Jia Chou"},
        {{"Bo", 31, 12, 2050, 10, true, 59, 59, true, "-45"}, "Bo", -45, "Year Geng Hai"},
        {{"Cy", 15, 8, 1975, 12, false, 30, 2, false, "east"}, "Cy", 7, "Year Yi Zi"},
        {{"Di", 29, 2, 2000, 11, true, 7, 8, true, ""}, "Di", 7, "Year Geng Zi"},
        {{"Ed", 1, 3, 2000, 11, false, 7, 8, false, "40000"}, "Ed", 7, "Year Geng Wu"},
        {{"Fay", 1, 3, 2000, 11, false, 7, 8, false, " 120 "}, "Fay", 120, "Year Geng Wu"},
    };
    for (const Row &row : rows) {
        const char *label = row.userName;
        bazi::modFengShuiFourPillar() = earlierResult();
        QPointer<frmMainFengShuiBaZi> input = &openInput();
        enter(*input, row.entry);
        input->cmdCalculation_Click();
        flushDeletes();

        const bazi::FourPillarModule &m = bazi::modFengShuiFourPillar();
        const BirthEntry &e = row.entry;
        EXPECT_EQ(m.BaZiUserName, row.userName) << label;
        EXPECT_EQ((QList<int>{m.BaZiBirthYear, m.BaZiBirthDay, m.BaZiBirthHour, m.BaZiBirthMinute,
                              m.BaZiBirthSecond, m.BaZiLongitude}),
                  (QList<int>{e.year, e.day, e.hour, e.minute, e.second, row.longitude}))
            << label;
        EXPECT_EQ(m.BaZiBirthMonth, birthdate::monthList()[e.month - 1]) << label;
        EXPECT_EQ(m.BaZiAmPm, e.pm ? "PM" : "AM") << label;
        EXPECT_EQ(m.BaZiUserSex, e.female ? "Female" : "Male") << label;
        EXPECT_EQ("Year " + m.YearStem + ' ' + m.HourBranch, row.yearAndHour) << label;

        EXPECT_FALSE(input) << label;
        ASSERT_TRUE(isLoaded<bazi::frmFengShuiFourPillar>()) << label;
        auto &result = form<bazi::frmFengShuiFourPillar>();
        EXPECT_TRUE(result.Visible()) << label;
        EXPECT_EQ(result.lblResult[0]->text(), "Year Stem: " + m.YearStem) << label;
        EXPECT_EQ(result.lblResult[7]->text(), "Hour Branch: " + m.HourBranch) << label;
        EXPECT_FALSE(splashShown()) << label;
    }
}

TEST_F(BaZiInputWindowTest, Command1ChangesNothing)
{
    frmMainFengShuiBaZi &w = openInput();
    enter(w, {"Ann", 31, 12, 2050, 12, true, 59, 59, true, "x"});
    bazi::modFengShuiFourPillar() = earlierResult();
    const QImage before = w.grab().toImage();
    for (int press = 0; press < 2; ++press)
        w.Command1_Click();
    EXPECT_EQ(w.grab().toImage(), before);
    EXPECT_TRUE(bazi::modFengShuiFourPillar() == earlierResult());
    EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
    EXPECT_FALSE(isLoaded<bazi::frmFengShuiFourPillar>());
}
