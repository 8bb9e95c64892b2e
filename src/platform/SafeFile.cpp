#include "platform/SafeFile.h"

#include <QSaveFile>

#include <csignal>

namespace tessavo {

namespace {

// Writes until every byte is out. A short write is followed by another, whose
// failure carries the system's reason: the short one reports none.
bool writeAll(QSaveFile &file, const QByteArray &contents)
{
    qint64 done = 0;
    while (done < contents.size()) {
        const qint64 written = file.write(contents.constData() + done, contents.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool writeFileSafely(const QString &path, const QByteArray &contents, QString *error)
{
    QSaveFile file(path);
    // Unbuffered, so a write that fails fails here, where it is seen. With a
    // buffer, a small file reaches the disk only when commit closes it, and
    // commit does not notice that this last flush failed: it would put an
    // empty file in the old one's place.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, contents) &&
              file.flush() && file.error() == QFileDevice::NoError;
    // The first failure names the cause; after it, commit would only report
    // its own clean-up.
    QString reason = ok ? QString() : file.errorString();
    if (ok) {
        ok = file.commit();
        if (!ok)
            reason = file.errorString();
    } else {
        file.cancelWriting();
    }
    if (!ok && error)
        *error = reason;
    return ok;
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace tessavo
