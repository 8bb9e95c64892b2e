#pragma once

// Writes that fail as on a full disk, for any user, root included: a forked
// child lowers its file-size limit, so a file cannot grow past it and a write
// beyond it fails with "File too large". The child does the work, sends back
// what the test wants to know and ends; the test process and the files it
// prepared stay as they were.

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

namespace tessavo::test {

struct ChildResult {
    bool finished = false; // the work returned and its answer arrived
    int signal = 0;        // the signal that ended the child, if one did
    QStringList answer;    // what the work returned
};

enum class SizeSignal {
    Caught,  // as the program sets it at start: the write fails
    Default, // a write past the limit ends the process
};

// A limit no test file reaches: the child's writes succeed, so a row can
// fail a later step instead.
inline constexpr qint64 kNoFileSizeLimit = qint64(1) << 40;

// Runs work in a child whose files cannot grow beyond limitBytes. The work
// runs synchronously and must not wait for events; a child that hangs is
// ended after a few seconds.
ChildResult runWithFileSizeLimit(qint64 limitBytes, const std::function<QStringList()> &work,
                                 SizeSignal sizeSignal = SizeSignal::Caught);

// The old file that such a test puts in place, and what it finds there after.
bool putFile(const QString &path, const QByteArray &bytes);
std::optional<QByteArray> fileBytes(const QString &path); // nothing: no file

} // namespace tessavo::test
