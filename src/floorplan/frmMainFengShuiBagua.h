#pragma once

#include "floorplan/PlanModel.h"
#include "floorplan/frmMainFengShuiBaguaUi.h"
#include "platform/Form.h"

#include <QString>

#include <functional>

class QPushButton;

namespace tessavo::floorplan {

class ShownElement;
struct EntranceTwin;

// The plan editor of the floor-plan tool: plot size and scale, rooms,
// the main and back entrances, doors, the plot's direction, the plan file,
// and the start of the Bagua chart. The plan's elements live in plan() and
// the plot box picRoomLocation draws them, showing each as txtRoom(i); they
// start afresh with every load, while the module data (modGreatFengShui) and
// the window fields (baguaEditorFields) keep their values for the whole run.
// The controls come from frmMainFengShuiBaguaUi; this class is their
// behaviour.
class frmMainFengShuiBagua : public Form, public frmMainFengShuiBaguaUi {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmMainFengShuiBagua";

    frmMainFengShuiBagua();
    ~frmMainFengShuiBagua() override;

    void Form_Load() override;
    void Form_Unload() override;

    // Plot size, scale and direction.
    bool ValidatePlotSize();
    void cmdMesure_Click();
    void Command1_Click();

    // Rooms.
    void cmdAddRoom_Click();
    void cmdDefaultRoom_Click();
    void lstRoom_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdDeleteRoom_Click();

    // The mouse on element Index.
    void txtRoom_MouseDown(int Index, Qt::MouseButton Button);
    void txtRoom_MouseMove(int Index, Qt::MouseButtons Button);
    void txtRoom_MouseUp(int Index);

    // Plan file.
    void Command2_Click();
    void mnuSave_Click();
    void cmdOpen_Click();
    void mnuOpen_Click();

    // Entrances.
    void cmdFrontEntrence_Click();
    void cmdBackEntrence_Click();
    void cmdMEDirectionOk_Click();
    void cmdBEDirectionOk_Click();
    void cmdMEDirectionCancel_Click();
    void cmdBEDirectionCancel_Click();
    void cmdMEOk_Click();
    void cmdBEOk_Click();
    void cmdMECancel_Click();
    void cmdBECancel_Click();

    // Doors.
    void cmdDoor_Click();
    void cmdDoorDirectionOk_Click();
    void cmdDoorDirectionCancel_Click();
    void cmdDoorOk_Click();
    void cmdDoorCancel_Click();
    void cmdDeleteDoor_Click();

    // Bagua chart and menus.
    void cmdSavePicture_Click();
    void mnuBaguaChart_Click();
    void mnuExit_Click();
    static void CloseForm(Form *window);

    // The plan: element 0 is the template, 1 to upperBound() the plan.
    Plan &plan() { return m_plan; }
    const Plan &plan() const { return m_plan; }
    // What the plot shows of element Index; null when it is not loaded.
    const ShownElement *txtRoom(int Index) const;

    const FacingDialog &mainEntranceDialog() const { return dlgME; }
    const FacingDialog &backEntranceDialog() const { return dlgBE; }
    const FacingDialog &doorDialog() const { return dlgDoor; }

private:
    using Command = void (frmMainFengShuiBagua::*)();
    void connectHandlers();
    // The command of a button (its click, mnemonic, or Enter on it), a menu
    // entry or the room list: it runs the handler on the plan as the user's
    // gestures left it.
    std::function<void()> command(Command handler);

    void elementChanged(int index, Plan::Change change);

    bool computeScale();
    void toggleEntrance(const EntranceTwin &twin, FacingDialog &dialog, QPushButton *toggle);
    void confirmEntranceSize(const EntranceTwin &twin, FacingDialog &dialog, QPushButton *toggle);
    bool placeOnHighlightedRooms(const FacingDialog &dialog, const QString &text, int perRoom,
                                 qint16 GreatFengShuiModule::*lastIndex);
    void setToggleCaption(QPushButton *toggle, const QString &caption);

    Plan m_plan;
};

} // namespace tessavo::floorplan
