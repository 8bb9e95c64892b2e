#pragma once

// The maker's web pages, the update reminder and the end of the program.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace tessavo {

// Every page address is the site address, this path and the page key.
inline const QString kPagePath = QStringLiteral("/tessavo/ssd.php?page=");

void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();
void OpenFullyBrandedPage();
void OpenCoBrandPage();
void OpenSoftwaresPage();

// Asks whether to look for an update when the last reminder lies more than
// fourteen days away from today, either way.
void RemindUpdateCheck();

// The reminder date as it is stored: ISO 8601 (2026-12-07), the same in
// every locale, so a change of locale never makes it unreadable.
QString reminderDateText(const QDate &date);

// Reads a stored reminder date: ISO 8601 first, then the locale's short date
// form that earlier versions stored, with a four-digit year and then with
// the locale's own year digits (a two-digit year taken in the century that
// puts the date nearest today). Nothing when the text is none of these.
std::optional<QDate> readReminderDate(const QString &text, const QDate &today,
                                      const QLocale &locale = QLocale());

// Where the reminder date is kept in the per-user settings.
QString reminderApplicationName();
inline const QString kReminderSection = QStringLiteral("Settings");
inline const QString kReminderValue = QStringLiteral("LastUpdateReminder");

// Unloads every loaded window, in load order, then ends the process.
[[noreturn]] void UnloadAllForms();

} // namespace tessavo
