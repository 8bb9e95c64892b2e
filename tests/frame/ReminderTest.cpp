#include "DefaultLocale.h"
#include "Fakes.h"

#include "frame/modHelp.h"
#include "platform/SiteAddress.h"

#include <gtest/gtest.h>

using namespace tessavo;
using namespace tessavo::test;

namespace {

const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
const QString kDownload = kSiteAddress + QStringLiteral("/tessavo/ssd.php?page=download-web-page");
// The fake clock's today, as it is stored.
const QString kTodayStored = QStringLiteral("2026-12-07");

QString storedValue(const Fakes &f)
{
    return f.settings->read(reminderApplicationName(), kReminderSection, kReminderValue);
}

// Fresh fakes whose settings hold the given reminder date, with that write
// forgotten so that only the check's own writes are seen.
Fakes fakesWithStored(const QString &stored)
{
    Fakes f = installFakes();
    f.settings->write(reminderApplicationName(), kReminderSection, kReminderValue, stored);
    f.settings->writes.clear();
    return f;
}

// Records what the settings held at the moment a page was opened.
class OrderCheckingOpener : public UrlOpener {
public:
    explicit OrderCheckingOpener(FakeSettings *settings) : m_settings(settings) {}
    bool open(const QString &address) override
    {
        opened << address;
        storedAtOpen << m_settings->read(reminderApplicationName(), kReminderSection,
                                         kReminderValue);
        return true;
    }
    QStringList opened;
    QStringList storedAtOpen;

private:
    FakeSettings *m_settings;
};

} // namespace

TEST(RemindUpdateCheck, FirstRunStoresTodayWithoutAsking)
{
    Fakes f = installFakes();
    ASSERT_EQ(f.clock->date, QDate(2026, 12, 7));
    RemindUpdateCheck();
    EXPECT_TRUE(f.messageBox->shown.isEmpty());
    EXPECT_EQ(storedValue(f), kTodayStored);
    EXPECT_EQ(f.settings->writes.size(), 1);
}

TEST(RemindUpdateCheck, AsksOnlyBeyondFourteenDaysEitherWay)
{
    struct Row {
        int daysFromToday; // where the stored date lies
        bool asks;
    };
    const Row rows[] = {{0, false},  {-1, false}, {-14, false}, {-15, true}, {-400, true},
                        {14, false}, {15, true},  {3650, true}};
    for (const Row &row : rows) {
        Fakes f = fakesWithStored(reminderDateText(QDate(2026, 12, 7).addDays(row.daysFromToday)));
        f.messageBox->answers = {MsgAnswer::No};

        RemindUpdateCheck();

        SCOPED_TRACE(row.daysFromToday);
        if (row.asks) {
            ASSERT_EQ(f.messageBox->shown.size(), 1);
            EXPECT_EQ(f.messageBox->shown[0].text, kQuestion);
            EXPECT_EQ(f.messageBox->shown[0].buttons, MsgButtons::YesNo);
            EXPECT_EQ(f.messageBox->shown[0].icon, MsgIcon::Information);
            EXPECT_EQ(f.messageBox->shown[0].title, "Tessavo");
            EXPECT_EQ(storedValue(f), kTodayStored) << "stored on No too";
        } else {
            EXPECT_TRUE(f.messageBox->shown.isEmpty());
            EXPECT_TRUE(f.settings->writes.isEmpty()) << "nothing stored within the bounds";
        }
        EXPECT_TRUE(f.urlOpener->opened.isEmpty());
    }
}

TEST(RemindUpdateCheck, YesStoresTodayBeforeOpeningTheDownloadPage)
{
    Fakes f = fakesWithStored(QStringLiteral("2026-11-07"));
    auto *opener = new OrderCheckingOpener(f.settings);
    services().urlOpener.reset(opener);
    f.messageBox->answers = {MsgAnswer::Yes};

    RemindUpdateCheck();

    ASSERT_EQ(opener->opened, QStringList{kDownload});
    EXPECT_EQ(opener->storedAtOpen, QStringList{kTodayStored});
}

TEST(RemindUpdateCheck, ReadsItsOwnFormAndTheFormsOfEarlierVersionsInAnyLocale)
{
    // Today is 7 December 2026; a stored date more than fourteen days away
    // asks and stores today, one within them does neither, and so does a
    // value that no form reads.
    struct Row {
        const char *locale;
        const char *stored;
        bool asks;
    };
    const Row rows[] = {
        // Stored as now: the same in every locale.
        {"en_US", "2026-12-01", false},
        {"en_US", "2026-11-01", true},
        {"de_DE", "2026-12-01", false},
        {"de_DE", "2026-11-01", true},
        {"en_GB", "2026-11-01", true},
        {"C", "2026-12-20", false},
        {"C", "2026-12-31", true},
        {"ja_JP", "2026-11-01", true},
        // The locale's short form with a four-digit year.
        {"en_US", "12/1/2026", false},
        {"en_US", "11/1/2026", true},
        {"de_DE", "01.12.2026", false},
        {"de_DE", "01.11.2026", true},
        {"en_GB", "01/12/2026", false},
        {"en_GB", "01/11/2026", true},
        {"C", "1 Dec 2026", false},
        {"C", "1 Nov 2026", true},
        // The locale's short form as it stands, with a two-digit year.
        {"en_US", "12/1/26", false},
        {"en_US", "11/1/26", true},
        {"en_US", "12/7/99", true},
        {"de_DE", "01.12.26", false},
        {"de_DE", "01.11.26", true},
        {"de_DE", "21.12.26", false},
        {"de_DE", "22.12.26", true},
        // Read by no form, another locale's among them.
        {"en_US", "15.11.2026", false},
        {"de_DE", "11/15/2026", false},
        {"de_DE", "11/15/26", false},
        {"en_GB", "11/15/2026", false},
        {"C", "11/15/2026", false},
        {"en_US", "garbage", false},
        {"C", "garbage", false},
        {"en_US", "31/31/31", false},
        {"C", "31/31/31", false},
        {"en_US", "2026-13-45", false},
        {"C", "2026-13-45", false},
        {"en_US", "99999999999", false},
        {"C", "99999999999", false},
        {"C", " ", false},
    };
    for (const Row &row : rows) {
        const DefaultLocale inForce{QLocale(QString::fromLatin1(row.locale))};
        Fakes f = fakesWithStored(QString::fromLatin1(row.stored));
        f.messageBox->answers = {MsgAnswer::No};

        RemindUpdateCheck();

        SCOPED_TRACE(std::string(row.locale) + " " + row.stored);
        EXPECT_EQ(f.messageBox->shown.size(), row.asks ? 1 : 0);
        EXPECT_EQ(storedValue(f), row.asks ? kTodayStored : QString::fromLatin1(row.stored));
        EXPECT_EQ(f.settings->writes.size(), row.asks ? 1 : 0);
    }
}

TEST(RemindUpdateCheck, TodayIsStoredInOneFormWhateverTheLocale)
{
    for (const char *name : {"en_US", "de_DE", "en_GB", "C", "ja_JP", "ar_SA"}) {
        const DefaultLocale inForce{QLocale(QString::fromLatin1(name))};
        // First run, and a reminder answered, both store today the same way.
        Fakes first = installFakes();
        RemindUpdateCheck();
        EXPECT_EQ(storedValue(first), kTodayStored) << name;

        Fakes asked = fakesWithStored(QStringLiteral("2020-01-01"));
        asked.messageBox->answers = {MsgAnswer::Yes};
        RemindUpdateCheck();
        EXPECT_EQ(asked.messageBox->shown.size(), 1) << name;
        EXPECT_EQ(storedValue(asked), kTodayStored) << name;
    }
}

TEST(RemindUpdateCheck, ATwoDigitYearIsTakenInTheCenturyNearestToday)
{
    struct Row {
        QDate today;
        const char *stored; // en_US short form
        QDate read;
    };
    const Row rows[] = {
        {QDate(2026, 12, 7), "1/15/26", QDate(2026, 1, 15)},
        {QDate(2026, 12, 7), "12/31/99", QDate(1999, 12, 31)},
        {QDate(2026, 12, 7), "1/1/77", QDate(1977, 1, 1)},
        {QDate(2026, 12, 7), "1/1/75", QDate(2075, 1, 1)},
        {QDate(2026, 12, 7), "2/29/24", QDate(2024, 2, 29)},
        {QDate(2099, 6, 1), "5/30/99", QDate(2099, 5, 30)},
        {QDate(2101, 1, 3), "12/31/00", QDate(2100, 12, 31)},
        {QDate(1999, 12, 31), "1/1/50", QDate(1950, 1, 1)},
        {QDate(1999, 12, 31), "1/1/26", QDate(2026, 1, 1)},
    };
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    for (const Row &row : rows)
        EXPECT_EQ(readReminderDate(QString::fromLatin1(row.stored), row.today, american), row.read)
            << row.stored;
}

TEST(RemindUpdateCheck, AOneHundredYearOldReminderStillAsks)
{
    // A two-digit year would read 1926 back as 2026 and never ask again.
    for (const char *stored : {"1926-12-07", "12/7/1926"}) {
        const DefaultLocale inForce{QLocale(QStringLiteral("en_US"))};
        Fakes f = fakesWithStored(QString::fromLatin1(stored));
        RemindUpdateCheck();
        EXPECT_EQ(f.messageBox->shown.size(), 1) << stored;
        EXPECT_EQ(storedValue(f), kTodayStored) << stored;
    }
}
