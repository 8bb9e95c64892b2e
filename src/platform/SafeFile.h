#pragma once

#include <QByteArray>
#include <QString>

namespace tessavo {

// Replaces a file with new contents as a whole: the bytes go to a temporary
// file that takes the old one's place only once all of them are written, so a
// failed write leaves the old file as it was. On failure returns false and,
// when asked, the reason.
bool writeFileSafely(const QString &path, const QByteArray &contents, QString *error = nullptr);

} // namespace tessavo
