#pragma once

// Which pieces of report text count as web or mail addresses, and how such an
// address becomes something the desktop may open. Only web and mail addresses
// qualify: a click in a report must never be able to run a local file.

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace tessavo {

struct WebLink {
    int start = 0; // index into the searched text
    int length = 0;
    QString address;
    bool operator==(const WebLink &) const = default;
};

// Addresses starting with http://, https://, www. or mailto: (any letter
// case) at the start of a word. An address runs to the next white space or
// one of < > ", without trailing . , ; : ! ? ) ' characters.
QList<WebLink> findWebLinks(const QString &text);

// The URL to open for an address: http, https and mailto addresses as they
// are, a www. address as an http address; nothing for every other kind.
std::optional<QUrl> webAddressToUrl(const QString &address);

} // namespace tessavo
