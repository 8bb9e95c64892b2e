#include "platform/SafeFile.h"

#include <QSaveFile>

namespace tessavo {

bool writeFileSafely(const QString &path, const QByteArray &contents, QString *error)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(contents) == contents.size() && file.commit();
    if (!written) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
    }
    return written;
}

} // namespace tessavo
