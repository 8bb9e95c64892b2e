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

QString storedValue(const Fakes &f)
{
    return f.settings->read(reminderApplicationName(), kReminderSection, kReminderValue);
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
    RemindUpdateCheck();
    EXPECT_TRUE(f.messageBox->shown.isEmpty());
    EXPECT_EQ(storedValue(f), reminderDateText(f.clock->date));
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
        Fakes f = installFakes();
        const QDate last = f.clock->date.addDays(row.daysFromToday);
        f.settings->write(reminderApplicationName(), kReminderSection, kReminderValue,
                          reminderDateText(last));
        f.settings->writes.clear();
        f.messageBox->answers = {MsgAnswer::No};

        RemindUpdateCheck();

        SCOPED_TRACE(row.daysFromToday);
        if (row.asks) {
            ASSERT_EQ(f.messageBox->shown.size(), 1);
            EXPECT_EQ(f.messageBox->shown[0].text, kQuestion);
            EXPECT_EQ(f.messageBox->shown[0].buttons, MsgButtons::YesNo);
            EXPECT_EQ(f.messageBox->shown[0].icon, MsgIcon::Information);
            EXPECT_EQ(f.messageBox->shown[0].title, "Tessavo");
            EXPECT_EQ(storedValue(f), reminderDateText(f.clock->date)) << "stored on No too";
        } else {
            EXPECT_TRUE(f.messageBox->shown.isEmpty());
            EXPECT_TRUE(f.settings->writes.isEmpty()) << "nothing stored within the bounds";
        }
        EXPECT_TRUE(f.urlOpener->opened.isEmpty());
    }
}

TEST(RemindUpdateCheck, YesStoresTodayBeforeOpeningTheDownloadPage)
{
    Fakes f = installFakes();
    auto *opener = new OrderCheckingOpener(f.settings);
    services().urlOpener.reset(opener);
    f.settings->write(reminderApplicationName(), kReminderSection, kReminderValue,
                      reminderDateText(f.clock->date.addDays(-30)));
    f.messageBox->answers = {MsgAnswer::Yes};

    RemindUpdateCheck();

    ASSERT_EQ(opener->opened, QStringList{kDownload});
    EXPECT_EQ(opener->storedAtOpen, QStringList{reminderDateText(f.clock->date)});
}

TEST(RemindUpdateCheck, AnUnreadableValueAsksNothingAndStoresNothing)
{
    for (const char *garbage : {"garbage", "31/31/31", "2026-13-45", " ", "99999999999"}) {
        Fakes f = installFakes();
        f.settings->write(reminderApplicationName(), kReminderSection, kReminderValue,
                          QString::fromLatin1(garbage));
        f.settings->writes.clear();
        RemindUpdateCheck();
        EXPECT_TRUE(f.messageBox->shown.isEmpty()) << garbage;
        EXPECT_TRUE(f.settings->writes.isEmpty()) << garbage;
    }
}

TEST(RemindUpdateCheck, StoredDateRoundTripsWithAFourDigitYearInEveryLocale)
{
    const QDate dates[] = {QDate(2026, 12, 7), QDate(1999, 1, 31), QDate(2031, 2, 28),
                           QDate(1930, 6, 1)};
    for (const char *name : {"en_US", "de_DE", "en_GB", "fr_FR", "ja_JP"}) {
        const QLocale locale{QString::fromLatin1(name)};
        for (const QDate &date : dates) {
            const QString text = reminderDateText(date, locale);
            EXPECT_TRUE(text.contains(QString::number(date.year()))) << name << " " << text;
            EXPECT_EQ(readReminderDate(text, locale), date) << name << " " << text;
        }
    }
}

TEST(RemindUpdateCheck, AOneHundredYearOldReminderStillAsks)
{
    // A two-digit year would read 1926 back as 2026 and never ask again.
    Fakes f = installFakes();
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    f.settings->write(reminderApplicationName(), kReminderSection, kReminderValue,
                      reminderDateText(f.clock->date.addYears(-100)));
    RemindUpdateCheck();
    EXPECT_EQ(f.messageBox->shown.size(), 1);
    QLocale::setDefault(QLocale::system());
}
