#pragma once

#include "floorplan/PlanModel.h"
#include "platform/Form.h"
#include "platform/Services.h"

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tessavo {

class Label;
class PictureBox;

namespace floorplan {

class PlotBox;
class ShownElement;

// The facing frame and the size frame of one entrance or of the doors.
struct FacingDialog {
    QGroupBox *facingFrame = nullptr;
    QRadioButton *optSouth = nullptr;
    QRadioButton *optNorth = nullptr;
    QRadioButton *optEast = nullptr;
    QRadioButton *optWest = nullptr;
    QPushButton *directionOk = nullptr;
    QPushButton *directionCancel = nullptr;
    QGroupBox *sizeFrame = nullptr;
    QLineEdit *widthBox = nullptr;
    QLineEdit *lengthBox = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

struct EntranceTwin;
struct FacingNames;

// The plan editor of the floor-plan tool: plot size and scale, rooms,
// the main and back entrances, doors, the plot's direction, the plan file,
// and the start of the Bagua chart. The plan's elements live in plan() and
// the plot box picRoomLocation draws them, showing each as txtRoom(i); they
// start afresh with every load, while the module data (modGreatFengShui) and
// the window fields (baguaEditorFields) keep their values for the whole run.
class frmMainFengShuiBagua : public Form {
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

    const FacingDialog &mainEntranceDialog() const { return m_me; }
    const FacingDialog &backEntranceDialog() const { return m_be; }
    const FacingDialog &doorDialog() const { return m_door; }

    QGroupBox *fraArrangeRoom;
    QGroupBox *Frame4;
    Label *Label31;
    QLineEdit *txtPlotLength;
    Label *Label32;
    QLineEdit *txtPlotWidth;
    QPushButton *cmdMesure;
    Label *lblLengthMesure;
    Label *lblWidthMesure;
    QPushButton *cmdSavePicture;
    QPushButton *cmdOpen;
    QPushButton *Command2;
    Label *Label30;
    QListWidget *lstRoom;
    QGroupBox *Frame1;
    PictureBox *picLocation;
    PlotBox *picRoomLocation;
    Label *Label29;
    Label *Label33;
    QGroupBox *Frame3;
    QComboBox *cmbDirection;
    QPushButton *Command1;
    Label *lblUp;
    Label *lblDown;
    Label *lblLeft;
    Label *lblRight;
    QGroupBox *Frame2;
    QPushButton *cmdAddRoom;
    QPushButton *cmdDefaultRoom;
    QPushButton *cmdDeleteRoom;
    QPushButton *cmdDoor;
    QPushButton *cmdDeleteDoor;
    QPushButton *cmdFrontEntrence;
    QPushButton *cmdBackEntrence;
    QGroupBox *fraAddNewRoom;
    Label *Label4;
    QLineEdit *txtAddRoomName;
    Label *Label3;
    QLineEdit *txtLength;
    Label *Label5;
    QLineEdit *txtwidth;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    Label *Label34;
    Label *Label35;
    Label *Label36;
    Label *Label37;
    Label *Label61;

private:
    void buildPlotSize();
    void buildRoomList();
    void buildPlot();
    void buildDirection();
    void buildRoomButtons();
    void buildNewRoomDialog();
    void buildFacingDialog(FacingDialog &dialog, const FacingNames &names);
    void buildTexts();
    void buildMenus();
    void addKeyFilter(QLineEdit *box, const QString &slashMessage);

    void elementChanged(int index, Plan::Change change);
    void dragElement(int index, double dx, double dy);

    bool computeScale();
    void chooseSizeBox(FacingDialog &dialog);
    bool checkSize(FacingDialog &dialog, const QString &emptyText, MsgIcon emptyIcon,
                   const QString &lengthText, MsgIcon lengthIcon, const QString &widthText);
    std::optional<std::pair<double, double>> sizeInTwips(const FacingDialog &dialog);
    void toggleEntrance(const EntranceTwin &twin, FacingDialog &dialog, QPushButton *toggle);
    void confirmEntranceSize(const EntranceTwin &twin, FacingDialog &dialog, QPushButton *toggle);
    void closeSizeFrame(FacingDialog &dialog);
    void setToggleCaption(QPushButton *toggle, const QString &caption);
    bool companionFilePresent(const QString &separator) const;

    Plan m_plan;
    FacingDialog m_me;
    FacingDialog m_be;
    FacingDialog m_door;
    double m_dragStartLeft = 0;
    double m_dragStartTop = 0;
};

} // namespace floorplan
} // namespace tessavo
