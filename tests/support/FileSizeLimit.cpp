#include "FileSizeLimit.h"

#include "platform/SafeFile.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>

#include <cerrno>
#include <csignal>
#include <exception>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessavo::test {

namespace {

constexpr unsigned kChildSeconds = 10;

bool writeAllTo(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

[[noreturn]] void runChild(int out, qint64 limitBytes, const std::function<QStringList()> &work,
                           SizeSignal sizeSignal)
{
    ::alarm(kChildSeconds);
    if (sizeSignal == SizeSignal::Caught)
        catchFileSizeSignal();
    else
        std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        ::_exit(3);
    QByteArray bytes;
    try {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << work();
    } catch (const std::exception &) {
        ::_exit(2);
    }
    // A pipe is no file: the limit does not stop the answer.
    ::_exit(writeAllTo(out, bytes) ? 0 : 4);
}

} // namespace

ChildResult runWithFileSizeLimit(qint64 limitBytes, const std::function<QStringList()> &work,
                                 SizeSignal sizeSignal)
{
    ChildResult result;
    int fds[2];
    if (::pipe(fds) != 0)
        return result;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        runChild(fds[1], limitBytes, work, sizeSignal);
    }
    ::close(fds[1]);
    QByteArray bytes;
    if (child > 0) {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
            if (n > 0)
                bytes.append(buffer, n);
            else if (n == 0 || errno != EINTR)
                break;
        }
    }
    ::close(fds[0]);
    if (child < 0)
        return result;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        QDataStream stream(bytes);
        stream >> result.answer;
        result.finished = stream.status() == QDataStream::Ok;
    }
    return result;
}

bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

std::optional<QByteArray> fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace tessavo::test
