#pragma once

#include "floorplan/FacingDialog.h"
#include "floorplan/PlotWidgets.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tessavo {

class Form;

namespace floorplan {

// The plan editor's controls as the window starts: made, named, placed in
// twips, captioned, with their tooltips, buddies and key filters, and hidden
// where the window hides them, the way a form designer's generated code
// builds a window. Nothing here reacts to the user beyond the key filters;
// frmMainFengShuiBagua connects the controls to its handlers.
class frmMainFengShuiBaguaUi {
public:
    // The plot box draws plan and reports the mouse to plotHandlers.
    void setupUi(Form *window, const Plan &plan, PlotBox::Handlers plotHandlers);

    QGroupBox *fraArrangeRoom = nullptr;
    QGroupBox *Frame4 = nullptr;
    Label *Label31 = nullptr;
    QLineEdit *txtPlotLength = nullptr;
    Label *Label32 = nullptr;
    QLineEdit *txtPlotWidth = nullptr;
    QPushButton *cmdMesure = nullptr;
    Label *lblLengthMesure = nullptr;
    Label *lblWidthMesure = nullptr;
    QPushButton *cmdSavePicture = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *Command2 = nullptr;
    Label *Label30 = nullptr;
    ListBox *lstRoom = nullptr;
    QGroupBox *Frame1 = nullptr;
    PictureBox *picLocation = nullptr;
    PlotBox *picRoomLocation = nullptr;
    Label *Label29 = nullptr;
    Label *Label33 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QComboBox *cmbDirection = nullptr;
    QPushButton *Command1 = nullptr;
    Label *lblUp = nullptr;
    Label *lblDown = nullptr;
    Label *lblLeft = nullptr;
    Label *lblRight = nullptr;
    QGroupBox *Frame2 = nullptr;
    QPushButton *cmdAddRoom = nullptr;
    QPushButton *cmdDefaultRoom = nullptr;
    QPushButton *cmdDeleteRoom = nullptr;
    QPushButton *cmdDoor = nullptr;
    QPushButton *cmdDeleteDoor = nullptr;
    QPushButton *cmdFrontEntrence = nullptr;
    QPushButton *cmdBackEntrence = nullptr;
    // The facing and size frames of the main entrance (FraSelectMEDirection,
    // fraMe), the back entrance (fraSelectBEDirection, fraBe) and the doors
    // (fraSelectDirection, fraDoor).
    FacingDialog dlgME;
    FacingDialog dlgBE;
    FacingDialog dlgDoor;
    QGroupBox *fraAddNewRoom = nullptr;
    Label *Label4 = nullptr;
    QLineEdit *txtAddRoomName = nullptr;
    Label *Label3 = nullptr;
    QLineEdit *txtLength = nullptr;
    Label *Label5 = nullptr;
    QLineEdit *txtwidth = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    Label *Label34 = nullptr;
    Label *Label35 = nullptr;
    Label *Label36 = nullptr;
    Label *Label37 = nullptr;
    Label *Label61 = nullptr;

private:
    void setupPlotSize();
    void setupRoomList();
    void setupDirection();
    void setupRoomButtons();
    void setupNewRoomDialog();
    void setupPlot(const Plan &plan, PlotBox::Handlers plotHandlers);
    void setupTexts();
};

} // namespace floorplan
} // namespace tessavo
