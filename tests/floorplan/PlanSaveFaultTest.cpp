#include "BaguaEditorFixture.h"
#include "FailingRename.h"
#include "FileSizeLimit.h"

#include "floorplan/PlanFile.h"

#include <QDir>

#include <optional>

using namespace tessavo;
using namespace tessavo::floorplan;
using namespace tessavo::test;

namespace {

const QByteArray kOldPlan = "1,\"STUDY\",0,0,1605,1200,1\r\n"
                            "2,\"Main Entrance\",0,0,300,0,1\r\n"
                            "3,\"\",300,0,150,0,1\r\n";

class PlanSaveFaultTest : public BaguaEditorTest {
protected:
    // A hall with both entrances and a door inside it, then as many more
    // rooms as asked, side by side: a plan that Save takes.
    frmMainFengShuiBagua &planWithRooms(int moreRooms)
    {
        auto &w = openWithPlot("60", "30");
        GreatFengShuiModule &module = modGreatFengShui();
        const auto add = [&](const QString &text, double left, double width, double height,
                             double top = 0) {
            const int index = *addElement(w.plan(), text, left, top, width, height);
            module.RoomCount = index;
            return index;
        };
        add(QStringLiteral("HALL"), 0, 1605, 1605);
        module.MainEntranceIndex = static_cast<qint16>(add(kMainEntranceText, 0, 300, 0));
        module.BackEntranceIndex = static_cast<qint16>(add(kBackEntranceText, 300, 150, 0));
        add(QString(), 600, 150, 0);
        module.MainEntranceExists = true;
        module.BackEntranceExists = true;
        for (int i = 0; i < moreRooms; ++i)
            add(QStringLiteral("ROOM %1").arg(i), 1605 + i % 100 * 30.0, 30, 30, i / 100 * 30.0);
        clearMessages();
        return w;
    }
};

} // namespace

// A disk that fills up while the plan is saved, or fails just as the new file
// is to take the old one's place: the old plan file stays byte for byte, the
// editor says the plan was not saved, and why, and keeps every element.
TEST_F(PlanSaveFaultTest, ASaveThatRunsOutOfRoomKeepsTheOldFileAndThePlan)
{
    const struct {
        const char *what;
        int moreRooms;
        qint64 limit; // bytes a file may grow to
        const char *reason;
        bool renameFails = false; // every byte is written; putting the file in place fails
    } rows[] = {
        // Qt buffers 16 KiB of writes: the first two plans stay within it, the
        // third goes past it (about 30 bytes a room).
        {"small plan, nothing fits", 0, 0, "File too large"},
        {"small plan, part fits", 0, 64, "File too large"},
        {"plan larger than the write buffer", 800, 16 * 1024, "File too large"},
        {"the old file cannot be replaced", 0, kNoFileSizeLimit, "Input/output error", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = planFilePath(folder.path());
        ASSERT_TRUE(putFile(path, kOldPlan));
        auto &w = planWithRooms(row.moreRooms);
        const int elements = 4 + row.moreRooms;
        ASSERT_EQ(w.plan().upperBound(), elements);
        const QByteArray planBefore = *planFileBytes(planRecords(w.plan()));
        if (!row.renameFails) {
            ASSERT_GT(planBefore.size(), row.limit);
        }

        const ChildResult child = runWithFileSizeLimit(row.limit, [&] {
            std::optional<FailingRename> failing;
            if (row.renameFails)
                failing.emplace(path, EIO);
            w.findChild<QAction *>(QStringLiteral("mnuSave"))->trigger();
            int boxes = 0;
            for (int i = 1; i <= elements; ++i)
                boxes += w.txtRoom(i) && w.txtRoom(i)->isVisible() ? 1 : 0;
            QStringList seen = fakes.messageBox->texts();
            seen << QString::number(static_cast<int>(lastIcon()))
                 << QString::number(w.plan().upperBound())
                 << QString::number(modGreatFengShui().RoomCount) << QString::number(boxes)
                 << QString::fromUtf8(*planFileBytes(planRecords(w.plan())));
            return seen;
        });

        ASSERT_TRUE(child.finished) << "signal " << child.signal;
        const QString count = QString::number(elements);
        EXPECT_EQ(child.answer,
                  (QStringList{QStringLiteral("Do you want to save the Plot Chart?"),
                               QStringLiteral("The Plot Chart could not be saved: %1\r\nYour chart "
                                              "is still here; nothing was changed.")
                                   .arg(QString::fromLatin1(row.reason)),
                               QString::number(static_cast<int>(MsgIcon::Critical)), count, count,
                               count, QString::fromUtf8(planBefore)}));
        EXPECT_EQ(fileBytes(path), kOldPlan);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{QStringLiteral("Bmp2Jpeg.dll"), kPlanFileName}));

        mdi->cmdCallMainForm_Click(-1);
        flushDeletes();
        modGreatFengShui() = {};
    }
}
