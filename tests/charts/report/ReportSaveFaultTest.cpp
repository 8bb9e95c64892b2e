#include "FailingRename.h"
#include "FileSizeLimit.h"
#include "ToolWindowFixture.h"

#include "charts/bazi/frmSaveFengShuiBaZi.h"
#include "platform/RichTextBox.h"

#include <QDir>
#include <QTemporaryDir>

#include <optional>

using namespace tessavo;
using namespace tessavo::test;

namespace {

const QByteArray kOldReport = "{\\rtf1\\ansi the report saved last week\\par}";

class ReportSaveFaultTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        showMainWindow(false);
    }
};

} // namespace

// A disk that fills up while the report is saved, or fails just as the new
// file is to take the old one's place: the old report stays byte for byte and
// the user is told, with the system's reason.
TEST_F(ReportSaveFaultTest, ASaveThatRunsOutOfRoomKeepsTheOldReportAndSaysSo)
{
    const struct {
        const char *what;
        int repeat;   // lines of report text
        qint64 limit; // bytes a file may grow to
        const char *reason;
        bool renameFails = false; // every byte is written; putting the file in place fails
    } rows[] = {
        // Qt buffers 16 KiB of writes; these two stay within it and the third
        // goes past it.
        {"small report, nothing fits", 3, 0, "File too large"},
        {"small report, part fits", 3, 64, "File too large"},
        {"report larger than the write buffer", 800, 16 * 1024, "File too large"},
        {"the old report cannot be replaced", 3, kNoFileSizeLimit, "Input/output error", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("pillars.rtf"));
        ASSERT_TRUE(putFile(path, kOldReport));
        auto &w = form<bazi::frmSaveFengShuiBaZi>();
        w.RTB->clearText();
        ReportRuns runs;
        for (int i = 0; i < row.repeat; ++i)
            runs.push_back(
                {i % 2 == 0, i % 16, QStringLiteral("Line %1 of the four pillars\r\n").arg(i)});
        w.writeRuns(runs);
        fakes.saveAs->answer = path;

        const ChildResult child = runWithFileSizeLimit(row.limit, [&] {
            std::optional<FailingRename> failing;
            if (row.renameFails)
                failing.emplace(path, EIO);
            w.cmdSave->click();
            QStringList seen;
            for (const ShownMessage &m : fakes.messageBox->shown)
                seen << m.text << QString::number(static_cast<int>(m.icon));
            return seen;
        });

        ASSERT_TRUE(child.finished) << "signal " << child.signal;
        EXPECT_EQ(child.answer,
                  (QStringList{QStringLiteral("The report could not be saved to %1.\r%2")
                                   .arg(path, QString::fromLatin1(row.reason)),
                               QString::number(static_cast<int>(MsgIcon::Critical))}));
        EXPECT_EQ(fileBytes(path), kOldReport);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("pillars.rtf")});
    }
}
