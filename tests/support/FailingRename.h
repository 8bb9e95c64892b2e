#pragma once

// A save whose last step fails, for any user, root included: while a
// FailingRename lives, renaming a file onto its target fails with the given
// error and changes nothing, as on a disk that fails just as the finished new
// file is to take the old one's place. QSaveFile's commit puts the new file
// in place with rename(); the test program's own rename() (FailingRename.cpp)
// comes before the C library's and hands every other rename on to it. Only a
// program that uses FailingRename links that rename() in.

#include <QByteArray>
#include <QString>

#include <cerrno>

namespace tessavo::test {

class FailingRename {
public:
    explicit FailingRename(const QString &target, int error = EIO);
    ~FailingRename();
    FailingRename(const FailingRename &) = delete;
    FailingRename &operator=(const FailingRename &) = delete;
};

} // namespace tessavo::test
