#include "frame/modHelp.h"

#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/SiteAddress.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

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

// The locale's short date form with the year widened to four digits, so
// the stored date never depends on a two-digit century guess.
QString fourDigitYearShortFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

void OpenHelpPage() { openPage(kHelpPage); }
void OpenHomePage() { openPage(kHomePage); }
void OpenDownloadPage() { openPage(kDownloadPage); }
void OpenFullyBrandedPage() { openPage(kFullyBrandedPage); }
void OpenCoBrandPage() { openPage(kCoBrandPage); }
void OpenSoftwaresPage() { openPage(kSoftwaresPage); }

QString reminderDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, fourDigitYearShortFormat(locale));
}

std::optional<QDate> readReminderDate(const QString &text, const QLocale &locale)
{
    const QDate date = locale.toDate(text.trimmed(), fourDigitYearShortFormat(locale));
    if (!date.isValid())
        return std::nullopt;
    return date;
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
    const std::optional<QDate> last = readReminderDate(stored);
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
