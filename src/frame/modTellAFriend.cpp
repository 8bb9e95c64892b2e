#include "frame/modTellAFriend.h"

#include "platform/Services.h"
#include "platform/SiteAddress.h"

#include <QUrl>

namespace tessavo {

namespace {

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool emptyOr(const QString &value, const QString &placeholder)
{
    return value.isEmpty() || value == placeholder;
}

} // namespace

TellAFriendData &modTellAFriend()
{
    static TellAFriendData data;
    return data;
}

QString referPageAddress()
{
    return kSiteAddress + QStringLiteral("/tessavo/ssd.php?page=qxms-refer-a-friend");
}

std::optional<QString> addressCheckMessage(const QString &email, const QString &friendEmail)
{
    if (email == friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    if (!email.contains(QLatin1Char('@')) || !friendEmail.contains(QLatin1Char('@')))
        return proper;
    if (!email.contains(QLatin1Char('.')) || !friendEmail.contains(QLatin1Char('.')))
        return proper;
    return std::nullopt;
}

std::optional<QString> tellAFriendCheckMessage(const TellAFriendData &data)
{
    if (emptyOr(data.TellName, kTellNamePlaceholder))
        return QStringLiteral("Please Enter Your Name");
    if (emptyOr(data.TellMessage, kTellMessagePlaceholder))
        return QStringLiteral("Please Enter Your Message");
    if (emptyOr(data.TellFriendName, kTellFriendNamePlaceholder))
        return QStringLiteral("Please Enter Your Friend's Name");
    return std::nullopt;
}

QString buildTellURL(const TellAFriendData &data)
{
    return referPageAddress() + QStringLiteral("&taf1=") + encoded(data.TellName)
           + QStringLiteral("&taf2=") + encoded(data.TellEmail) + QStringLiteral("&taf3=")
           + encoded(data.TellMessage) + QStringLiteral("&taf4=") + encoded(data.TellFriendName)
           + QStringLiteral("&taf5=") + encoded(data.TellFriendEmail) + QStringLiteral("&taf6=")
           + encoded(kSiteAddress + QStringLiteral("/tessavo/"));
}

void SubmitTellAFriend()
{
    TellAFriendData &data = modTellAFriend();
    if (const auto message = tellAFriendCheckMessage(data)) {
        MsgBox(*message, MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    data.TellURL = buildTellURL(data);
    OpenReferPage();
}

void OpenReferPage()
{
    if (auto &opener = services().urlOpener)
        opener->open(modTellAFriend().TellURL);
}

} // namespace tessavo
