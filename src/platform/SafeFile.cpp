#include "platform/SafeFile.h"

#include <QSaveFile>

#include <signal.h>

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

// The write that raised the signal fails on its own; nothing is left to do.
void onFileSizeSignal(int) {}

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

void catchFileSizeSignal()
{
    struct sigaction action = {};
    action.sa_handler = onFileSizeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXFSZ, &action, nullptr);
}

} // namespace tessavo
