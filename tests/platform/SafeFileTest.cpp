#include "FailingRename.h"
#include "FileSizeLimit.h"

#include "platform/SafeFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <optional>

using namespace tessavo;
using tessavo::test::FailingRename;
using tessavo::test::fileBytes;
using tessavo::test::putFile;
using tessavo::test::runWithFileSizeLimit;
using tessavo::test::SizeSignal;

namespace {

// Qt keeps up to 16 KiB of writes in a buffer before any of them reach the
// disk; contents on both sides of that size take different paths.
constexpr qint64 kQtWriteBuffer = 16 * 1024;

const QByteArray kOld = "{\\rtf1 the report saved before}\r\n";

QByteArray filled(qint64 size)
{
    QByteArray bytes(size, 'x');
    for (qint64 i = 0; i < size; i += 64)
        bytes[i] = '\n';
    return bytes;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The writer in a child whose files cannot grow past the limit: "1" or "0"
// and the reason given.
tessavo::test::ChildResult writeLimited(const QString &path, const QByteArray &bytes, qint64 limit,
                                        SizeSignal sizeSignal = SizeSignal::Caught)
{
    return runWithFileSizeLimit(
        limit,
        [&] {
            QString error;
            const bool ok = writeFileSafely(path, bytes, &error);
            return QStringList{ok ? QStringLiteral("1") : QStringLiteral("0"), error};
        },
        sizeSignal);
}

// Whether a program started now ignores the signal, as the system reports it
// for that program: "ignored", "not ignored", or what went wrong.
QString startedProgramIgnores(int signal)
{
    FILE *pipe = ::popen("grep '^SigIgn:' /proc/self/status", "r");
    if (!pipe)
        return QStringLiteral("no program started");
    char line[128] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    ::pclose(pipe);
    bool ok = false;
    const qulonglong mask = QByteArray(line).mid(7).trimmed().toULongLong(&ok, 16);
    if (!read || !ok)
        return QStringLiteral("unreadable: ") + QString::fromLatin1(line);
    return (mask >> (signal - 1)) & 1U ? QStringLiteral("ignored") : QStringLiteral("not ignored");
}

} // namespace

TEST(SafeFile, AWriteThatRunsOutOfRoomKeepsTheOldFileAndSaysWhy)
{
    const struct {
        const char *what;
        qint64 size;
        qint64 limit;
        bool oldFile;
    } rows[] = {
        {"small, nothing fits", 200, 0, true},
        {"small, part fits", 1000, 100, true},
        {"small, new file", 1000, 100, false},
        {"one byte short", kQtWriteBuffer - 1, kQtWriteBuffer - 2, true},
        {"larger than the buffer, part fits", 3 * kQtWriteBuffer, kQtWriteBuffer, true},
        {"larger than the buffer, nothing fits", 3 * kQtWriteBuffer, 0, true},
        {"larger than the buffer, new file", 3 * kQtWriteBuffer, kQtWriteBuffer + 7, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("report.rtf"));
        if (row.oldFile) {
            ASSERT_TRUE(putFile(path, kOld));
        }

        const auto child = writeLimited(path, filled(row.size), row.limit);

        ASSERT_TRUE(child.finished) << "signal " << child.signal;
        EXPECT_EQ(child.answer,
                  (QStringList{QStringLiteral("0"), QStringLiteral("File too large")}));
        EXPECT_EQ(fileBytes(path), row.oldFile ? std::optional(kOld) : std::nullopt);
        // No temporary file is left behind either.
        EXPECT_EQ(entries(dir.path()),
                  row.oldFile ? QStringList{QStringLiteral("report.rtf")} : QStringList{});
    }
}

TEST(SafeFile, WithinTheLimitTheNewContentsReplaceTheOld)
{
    for (const qint64 size : {qint64(10), kQtWriteBuffer - 1, 3 * kQtWriteBuffer}) {
        SCOPED_TRACE(size);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Structure.txt"));
        ASSERT_TRUE(putFile(path, kOld));
        const QByteArray bytes = filled(size);

        const auto child = writeLimited(path, bytes, size);

        ASSERT_TRUE(child.finished);
        EXPECT_EQ(child.answer, (QStringList{QStringLiteral("1"), QString()}));
        EXPECT_EQ(fileBytes(path), bytes);
        EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("Structure.txt")});
    }
}

TEST(SafeFile, TheSizeSignalFailsTheWriteAndIsNotPassedOnToProgramsStarted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.rtf"));
    ASSERT_TRUE(putFile(path, kOld));

    const auto ended = writeLimited(path, filled(1000), 100, SizeSignal::Default);
    EXPECT_FALSE(ended.finished);
    EXPECT_EQ(ended.signal, SIGXFSZ);

    // A browser or mail program started after the write must get the signal
    // as any program does, not ignored.
    const auto caught = runWithFileSizeLimit(100, [&] {
        QString error;
        const bool ok = writeFileSafely(path, filled(1000), &error);
        return QStringList{ok ? QStringLiteral("1") : QStringLiteral("0"), error,
                           startedProgramIgnores(SIGXFSZ)};
    });
    ASSERT_TRUE(caught.finished) << "signal " << caught.signal;
    EXPECT_EQ(caught.answer, (QStringList{QStringLiteral("0"), QStringLiteral("File too large"),
                                          QStringLiteral("not ignored")}));
    EXPECT_EQ(fileBytes(path), kOld);
}

TEST(SafeFile, APlaceThatCannotTakeTheFileLeavesEverythingAsItWas)
{
    // Independent of file modes, which do not stop root.
    const struct {
        const char *what;
        const char *target;
        const char *error;
        bool renameFails = false; // every byte is written; putting the file in place fails
    } rows[] = {
        {"folder is a regular file", "blocker/report.rtf", "Not a directory"},
        {"folder is missing", "missing/report.rtf", "No such file or directory"},
        {"target is a folder", "folder", "Filename refers to a directory"},
        {"the old file cannot be replaced", "blocker", "Input/output error", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        ASSERT_TRUE(putFile(dir.filePath(QStringLiteral("blocker")), kOld));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder/inside")));
        const QStringList before = entries(dir.path());
        const QString target = dir.filePath(QString::fromLatin1(row.target));
        std::optional<FailingRename> failing;
        if (row.renameFails)
            failing.emplace(target, EIO);

        QString error;
        EXPECT_FALSE(writeFileSafely(target, "new", &error));

        EXPECT_EQ(error, QString::fromLatin1(row.error));
        EXPECT_EQ(entries(dir.path()), before);
        EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("blocker"))), kOld);
        EXPECT_EQ(entries(dir.filePath(QStringLiteral("folder"))),
                  QStringList{QStringLiteral("inside")});
    }
}
