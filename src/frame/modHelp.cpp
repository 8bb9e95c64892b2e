#include "frame/modHelp.h"

#include "platform/DateText.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/SiteAddress.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include <cmath>
#include <cstdlib>
#include <exception>

namespace tessavo {

namespace {

const QString kHelpPage = kSiteAddress + kPagePath + QStringLiteral("help-web-page");
const QString kHomePage = kSiteAddress + kPagePath + QStringLiteral("home-page");
const QString kDownloadPage = kSiteAddress + kPagePath + QStringLiteral("download-web-page");
const QString kFullyBrandedPage = kSiteAddress + kPagePath + QStringLiteral("fully-branded");
const QString kCoBrandPage = kSiteAddress + kPagePath + QStringLiteral("co-brand");
const QString kSoftwaresPage = kSiteAddress + kPagePath + QStringLiteral("vantrelsoftwares");

void openPage(const QString &address)
{
    if (auto &opener = services().urlOpener)
        opener->open(address);
}

const QString kIsoDate = QStringLiteral("yyyy-MM-dd");

// A two-digit year reads as 19xx. The stored date was today when it was
// written, so of the dates a hundred years apart the one nearest today is
// meant; one that lies fifty years away asks either way.
QDate inCenturyNearest(const QDate &date, const QDate &today)
{
    const int yearsAway = today.year() - date.year();
    const int centuries = static_cast<int>(std::floor((yearsAway + 50) / 100.0));
    return date.addYears(100 * centuries);
}

} // namespace

void OpenHelpPage() { openPage(kHelpPage); }
void OpenHomePage() { openPage(kHomePage); }
void OpenDownloadPage() { openPage(kDownloadPage); }
void OpenFullyBrandedPage() { openPage(kFullyBrandedPage); }
void OpenCoBrandPage() { openPage(kCoBrandPage); }
void OpenSoftwaresPage() { openPage(kSoftwaresPage); }

QString reminderDateText(const QDate &date)
{
    return date.toString(kIsoDate);
}

std::optional<QDate> readReminderDate(const QString &text, const QDate &today,
                                      const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (const QDate iso = QDate::fromString(trimmed, kIsoDate); iso.isValid())
        return iso;
    if (const QDate wide = locale.toDate(trimmed, fourDigitYearShortFormat(locale)); wide.isValid())
        return wide;
    if (const QDate narrow = locale.toDate(trimmed, QLocale::ShortFormat); narrow.isValid())
        return inCenturyNearest(narrow, today);
    return std::nullopt;
}

QString reminderApplicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void RemindUpdateCheck()
{
    auto &store = services().settings;
    auto &clock = services().clock;
    if (!store || !clock)
        return;
    const QString app = reminderApplicationName();
    const QString stored = store->read(app, kReminderSection, kReminderValue);
    const QDate today = clock->today();
    if (stored.isEmpty()) {
        store->write(app, kReminderSection, kReminderValue, reminderDateText(today));
        return;
    }
    // A value that is not a date ends the check quietly, storing nothing.
    const std::optional<QDate> last = readReminderDate(stored, today);
    if (!last)
        return;
    const qint64 days = today.daysTo(*last);
    if (days >= -14 && days <= 14)
        return;
    const MsgAnswer answer = MsgBox(QStringLiteral("There maybe an update to this software available"
                                                   "\rDo you want to check for an update?"),
                                    MsgButtons::YesNo, MsgIcon::Information);
    store->write(app, kReminderSection, kReminderValue, reminderDateText(today));
    if (answer == MsgAnswer::Yes)
        OpenDownloadPage();
}

void UnloadAllForms()
{
    auto &registry = FormRegistry::instance();
    QList<QPointer<Form>> windows;
    for (Form *form : registry.loaded())
        windows.append(form);
    for (const auto &form : windows) {
        if (!form)
            continue;
        // Errors ignored: a failing unload handler does not stop the others.
        try {
            registry.unload(form);
        } catch (const std::exception &) {
        }
    }
    if (auto &end = services().processEnd)
        end->end();
    std::_Exit(0);
}

} // namespace tessavo
