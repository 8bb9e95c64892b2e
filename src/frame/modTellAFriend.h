#pragma once

// The refer-a-friend form of the closing screen: the details the user typed,
// the checks they must pass and the page address that carries them to the
// maker's site.

#include "platform/Text.h"
#include <QString>

#include <optional>

namespace tessavo {

// What the form last sent; kept for the whole run.
struct TellAFriendData {
    QString TellName;
    QString TellEmail;
    QString TellMessage;
    QString TellFriendName;
    QString TellFriendEmail;
    QString TellURL;
};

TellAFriendData &modTellAFriend();

// What each box shows until the user types into it.
inline const QString kTellNamePlaceholder = QStringLiteral("Your Name");
inline const QString kTellEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString kTellMessagePlaceholder = QStringLiteral("Your Message");
inline const QString kTellFriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString kTellFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// The page every referral goes to; the details follow as query values.
QString referPageAddress();

// The message that refuses the two addresses, or nothing when they pass.
std::optional<QString> addressCheckMessage(const QString &email, const QString &friendEmail);

// The message that refuses the name, message or friend's name, or nothing.
std::optional<QString> tellAFriendCheckMessage(const TellAFriendData &data);

// The referral address for the data, each value percent-encoded so that no
// character of a value can end it or start another one.
QString buildTellURL(const TellAFriendData &data);

// Checks the module data; shows the first failure, or builds TellURL and
// opens it.
void SubmitTellAFriend();

// Opens TellURL in the browser; a failure is not reported.
void OpenReferPage();

} // namespace tessavo
