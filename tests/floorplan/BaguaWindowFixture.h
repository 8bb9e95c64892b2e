#pragma once

// Start of the Bagua chart window tests: every window registered, the main
// window shown, the floor-plan tool opened from it with its companion file
// in place, and the module data as at the start of the process.

#include "ToolWindowFixture.h"

#include "floorplan/BaguaChart.h"
#include "floorplan/PlanModel.h"
#include "floorplan/PlanRules.h"
#include "floorplan/frmDisplay.h"
#include "floorplan/frmMainFengShuiBagua.h"
#include "floorplan/frmRoomAnalysis.h"
#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace tessavo::test {

class BaguaWindowTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        floorplan::modGreatFengShui() = floorplan::GreatFengShuiModule{};
        floorplan::baguaEditorFields() = floorplan::BaguaEditorFields{};
        ASSERT_TRUE(folder.isValid());
        setCompanionFile(true);
        fakes.programFolder->folder = folder.path();
        showMainWindow();
        mdi->cmdCallMainForm_Click(4);
        ASSERT_TRUE(isLoaded<floorplan::frmMainFengShuiBagua>());
    }

    void setCompanionFile(bool present)
    {
        const QString path = folder.filePath(QStringLiteral("Bmp2Jpeg.dll"));
        if (!present) {
            QFile::remove(path);
            return;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    floorplan::frmMainFengShuiBagua &editor() { return form<floorplan::frmMainFengShuiBagua>(); }
    floorplan::Plan &plan() { return editor().plan(); }

    // An element made as the editor makes them; RoomCount follows.
    int addElement(const QString &text, double left, double top, double width, double height)
    {
        const std::optional<int> index =
            floorplan::addElement(plan(), text, left, top, width, height);
        EXPECT_TRUE(index.has_value());
        floorplan::modGreatFengShui().RoomCount = plan().upperBound();
        return index.value_or(0);
    }

    void generate() { floorplan::GenerateBaguaChart(plan(), &editor()); }

    floorplan::frmDisplay &chart() { return form<floorplan::frmDisplay>(); }

    QTemporaryDir folder;
};

} // namespace tessavo::test
