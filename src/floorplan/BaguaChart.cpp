#include "floorplan/BaguaChart.h"

#include "floorplan/BaguaCalc.h"
#include "floorplan/PlanModel.h"
#include "floorplan/PlanRules.h"
#include "floorplan/frmDisplay.h"
#include "frame/MDI.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"

#include <QFileInfo>

#include <exception>

namespace tessavo::floorplan {

namespace {

// Runs one step whose errors are ignored.
template <class Step> void ignoringErrors(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

} // namespace

bool companionFilePresent()
{
    return QFileInfo(programFolderPath() + QStringLiteral("/Bmp2Jpeg.dll")).isFile();
}

void GenerateBaguaChart(Plan &txtRoom, Form *editor)
{
    if (!companionFilePresent()) {
        MsgBox(QStringLiteral("Required file is missing please reinstall the software"),
               MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    // The chart shows no selection.
    txtRoom.paintAll(1, plainColour());

    GreatFengShuiModule &module = modGreatFengShui();
    if (module.RoomCount < 1) {
        MsgBox(QStringLiteral("Please create rooms to gernerate Bagua Chart"), MsgButtons::Ok,
               MsgIcon::Information);
        return;
    }
    ChartBox box = chartBoxOf(module);
    ScanChartBox(box, chartElements(txtRoom));
    storeChartBox(module, box);
    form<frmDisplay>().layBaguaChart(box);

    if (planHasOverlappingRooms(txtRoom)) {
        MsgBox(QStringLiteral("You cannot overlap rooms"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    ignoringErrors([&] {
        if (editor)
            editor->Hide();
    });
    ignoringErrors([] { form<frmDisplay>().Show(); });
    ignoringErrors([] { setSplashPanelVisible(false); });
}

} // namespace tessavo::floorplan
