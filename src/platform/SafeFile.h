#pragma once

#include <QByteArray>
#include <QString>

namespace tessavo {

// Replaces a file with new contents as a whole: the bytes go to a temporary
// file that takes the old one's place only once every one of them is on
// disk, so a failed write (a full disk, a size limit, a folder that cannot
// take the file) leaves the old file byte for byte and leaves no temporary
// file behind. On failure returns false and, when asked, the system's reason
// ("No space left on device", "File too large").
bool writeFileSafely(const QString &path, const QByteArray &contents, QString *error = nullptr);

// Makes a write past the process's file-size limit fail like any other write
// ("File too large") instead of ending the program. The signal is caught by a
// handler that does nothing rather than ignored: an ignored signal stays
// ignored in every program started from this one (a browser, a mail program),
// while a handler goes back to the default when that program starts. Called
// once at start.
void catchFileSizeSignal();

} // namespace tessavo
