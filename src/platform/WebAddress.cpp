#include "platform/WebAddress.h"

#include <array>

namespace tessavo {

namespace {

constexpr std::array<QStringView, 4> kPrefixes = {u"http://", u"https://", u"www.", u"mailto:"};

bool endsAddress(QChar c)
{
    return c.isSpace() || c == u'<' || c == u'>' || c == u'"';
}

bool isTrailingPunctuation(QChar c)
{
    return QStringView(u".,;:!?)'").contains(c);
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Length of the prefix that starts an address at `pos`, or 0.
qsizetype prefixAt(QStringView text, qsizetype pos)
{
    if (pos > 0 && isWordChar(text[pos - 1]))
        return 0;
    const QStringView rest = text.mid(pos);
    for (QStringView prefix : kPrefixes) {
        if (rest.startsWith(prefix, Qt::CaseInsensitive))
            return prefix.size();
    }
    return 0;
}

} // namespace

QList<WebLink> findWebLinks(const QString &text)
{
    QList<WebLink> links;
    const QStringView view(text);
    qsizetype pos = 0;
    while (pos < view.size()) {
        const qsizetype prefix = prefixAt(view, pos);
        if (prefix == 0) {
            ++pos;
            continue;
        }
        qsizetype end = pos + prefix;
        while (end < view.size() && !endsAddress(view[end]))
            ++end;
        qsizetype linkEnd = end;
        while (linkEnd > pos + prefix && isTrailingPunctuation(view[linkEnd - 1]))
            --linkEnd;
        if (linkEnd > pos + prefix) {
            links.append({static_cast<int>(pos), static_cast<int>(linkEnd - pos),
                          text.mid(pos, linkEnd - pos)});
        }
        // Nothing inside the scanned word can start another address.
        pos = end;
    }
    return links;
}

std::optional<QUrl> webAddressToUrl(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    QString full = trimmed;
    if (trimmed.startsWith(u"www.", Qt::CaseInsensitive))
        full = QStringLiteral("http://") + trimmed;

    const QUrl url(full, QUrl::TolerantMode);
    if (!url.isValid())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https") {
        if (url.host().isEmpty())
            return std::nullopt;
        return url;
    }
    if (scheme == u"mailto" && !url.path().isEmpty())
        return url;
    return std::nullopt;
}

} // namespace tessavo
