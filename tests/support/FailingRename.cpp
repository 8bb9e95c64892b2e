#include "FailingRename.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace {

// The target whose renames fail, and how; empty when none do. A forked child
// inherits the setting.
QByteArray g_target;
int g_error = 0;

using RenameFunction = int (*)(const char *, const char *);

RenameFunction nextRename()
{
    static const auto next = reinterpret_cast<RenameFunction>(::dlsym(RTLD_NEXT, "rename"));
    return next;
}

} // namespace

// Takes the place of the C library's rename() for the whole test program,
// Qt's libraries included.
extern "C" int rename(const char *from, const char *to) noexcept
{
    if (!g_target.isEmpty() && to && g_target == QByteArray(to)) {
        errno = g_error;
        return -1;
    }
    const RenameFunction next = nextRename();
    if (!next) {
        errno = ENOSYS;
        return -1;
    }
    return next(from, to);
}

namespace tessavo::test {

FailingRename::FailingRename(const QString &target, int error)
{
    // Qt renames onto the absolute path.
    g_target = QFile::encodeName(QFileInfo(target).absoluteFilePath());
    g_error = error;
}

FailingRename::~FailingRename()
{
    g_target.clear();
    g_error = 0;
}

} // namespace tessavo::test
