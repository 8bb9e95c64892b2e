#include "floorplan/frmMainFengShuiBaguaUi.h"

#include "frame/WindowParts.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/InputNames.h"
#include "platform/OptionGroup.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tessavo::floorplan {

namespace {

// Object names, captions and tooltips of one facing frame and its size frame.
struct FacingNames {
    const char *facingFrame;
    const char *facingCaption;
    const char *optSouth;
    const char *optNorth;
    const char *optEast;
    const char *optWest;
    const char *directionOk;
    const char *directionCancel;
    const char *sizeFrame;
    const char *sizeCaption;
    const char *widthBox;
    const char *lengthBox;
    const char *ok;
    const char *cancel;
    // Tooltips.
    const char *tipSouth;
    const char *tipNorth;
    const char *tipEast;
    const char *tipWest;
    const char *tipDirectionOk;
    const char *tipDirectionCancel;
    const char *tipOk;
    const char *tipCancel;
    // What the width box says to a "/".
    const char *widthSlash;
};

const FacingNames kMainEntranceNames{
    "FraSelectMEDirection",
    "Enter Facing Direction Of The Main Entrance",
    "OptMESouth",
    "optMENorth",
    "optMEEast",
    "OptMEWest",
    "cmdMEDirectionOk",
    "cmdMEDirectionCancel",
    "fraMe",
    "Enter Length Of The Main Entrance",
    "txtMEWidth",
    "txtMELength",
    "cmdMEOk",
    "cmdMECancel",
    "Choose this option if Facing Direction of new Main Entrance is South",
    "Choose this option if Facing Direction of  new Main Entrance is North",
    "Choose this option if Facing Direction of new Main Entrance is East",
    "Choose this option if Facing Direction of new Main Entrance is West",
    "Click here if you have entered the correct Facing Direction.",
    "Click here if you have NOT entered the correct Facing Direction",
    "Click here if you have entered the correct Lengt of The Main Entrance",
    "Click here if you have NOT entered the correct Lengt of The Main Entrance.",
    "Please enter only number",
};

const FacingNames kBackEntranceNames{
    "fraSelectBEDirection",
    "Enter Facing Direction Of The Back Entrance",
    "OptBESouth",
    "optBENorth",
    "optBEEast",
    "OptBEWest",
    "cmdBEDirectionOk",
    "cmdBEDirectionCancel",
    "fraBe",
    "Enter Length Of The Back Entrance",
    "txtBEWidth",
    "txtBELength",
    "cmdBEOk",
    "cmdBECancel",
    "Choose this option if Facing Direction of new Back Entrance is South",
    "Choose this option if Facing Direction of new Back Entrance is North",
    "Choose this option if Facing Direction of new Back Entrance is East",
    "Choose this option if Facing Direction of new Back Entrance is West",
    "Click here if you have entered the correct Facing Direction.",
    "Click here if you have NOT entered the correct Facing Direction",
    "Click here if you have entered the correct Lengt of The Back Entrance.",
    "Click here if you have NOT entered the correct Lengt of The Back Entrance.",
    "Please enter only number",
};

const FacingNames kDoorNames{
    "fraSelectDirection",
    "Enter Facing Direction Of The Door",
    "optSouth",
    "optNorth",
    "optEast",
    "optWest",
    "cmdDoorDirectionOk",
    "cmdDoorDirectionCancel",
    "fraDoor",
    "Enter Length Of The Door",
    "txtDoorWidth",
    "txtDoorLength",
    "cmdDoorOk",
    "cmdDoorCancel",
    "Choose this option if Facing Direction of new Door is South",
    "Choose this option if Facing Direction of new Door is North",
    "Choose this option if Facing Direction of new Door is East",
    "Choose this option if Facing Direction of new Door is West",
    "Click here if you have entered the correct Facing Direction.",
    "Click here if you have NOT entered the correct Facing Direction.",
    "Click here if you have entered the correct Lengt of The Door.",
    "Click here if you have NOT entered the correct Lengt of The Door.",
    "Please enter only Number",
};

// The twelve standard rooms, each with its leading blank.
const char *const kStandardRooms[] = {
    " Hall",          " Dining Room",        " Kitchen",         " Store Room",
    " Children Room", " Children bath Room", " Guest Bed Room",  " Guest Bath Room",
    " Living Room",   " Master Bath Room",   " Master Bed Room", " Drawing Room",
};

const QString kOnlyNumber = QStringLiteral("Please enter only number");

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

// The size boxes take digits, the point and Backspace; "/" has a message of
// its box's own.
void addKeyFilter(QLineEdit *box, const QString &slashMessage)
{
    new KeyPressHook(box, [slashMessage](QKeyEvent *event) {
        const QString typed = event->text();
        // Keys that type nothing (arrows, Delete, Tab) are not key presses here.
        if (typed.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
            event->key() == Qt::Key_Delete)
            return true;
        const char16_t code = typed.at(0).unicode();
        if (code == 8)
            return true;
        if (code < 46 || code > 57) {
            MsgBox(kOnlyNumber);
            return false;
        }
        if (code == 47) {
            MsgBox(slashMessage);
            return false;
        }
        return true;
    });
}

void setupFacingDialog(FacingDialog &d, const FacingNames &n, QWidget *parent)
{
    // Every dialog frame lies on the same spot below the room buttons.
    d.facingFrame =
        makeFrame(latin(n.facingFrame), latin(n.facingCaption), parent, 120, 4200, 4935, 855);
    const struct {
        QRadioButton *&option;
        const char *name;
        const char *caption;
        double left;
        double top;
        const char *tip;
    } options[] = {
        {d.optSouth, n.optSouth, "South", 240, 240, n.tipSouth},
        {d.optEast, n.optEast, "East", 1320, 240, n.tipEast},
        {d.optWest, n.optWest, "West", 240, 510, n.tipWest},
        {d.optNorth, n.optNorth, "North", 1320, 510, n.tipNorth},
    };
    for (const auto &o : options) {
        o.option = new QRadioButton(latin(o.caption), d.facingFrame);
        o.option->setObjectName(latin(o.name));
        o.option->setGeometry(twips::rect(o.left, o.top, 1000, 255));
        o.option->setToolTip(latin(o.tip));
    }
    new OptionGroup({d.optSouth, d.optEast, d.optWest, d.optNorth}, d.facingFrame);
    d.optSouth->setChecked(true);
    d.directionOk =
        makeButton(latin(n.directionOk), QStringLiteral("&OK"), d.facingFrame, 2760, 300, 975, 375);
    d.directionOk->setToolTip(latin(n.tipDirectionOk));
    d.directionCancel = makeButton(latin(n.directionCancel), QStringLiteral("&Cancel"),
                                   d.facingFrame, 3840, 300, 975, 375);
    d.directionCancel->setToolTip(latin(n.tipDirectionCancel));
    d.facingFrame->hide();

    d.sizeFrame = makeFrame(latin(n.sizeFrame), latin(n.sizeCaption), parent, 120, 4200, 4935, 855);
    d.widthBox = makeTextBox(latin(n.widthBox), d.sizeFrame, 240, 360, 1215, 285);
    d.lengthBox = makeTextBox(latin(n.lengthBox), d.sizeFrame, 240, 360, 1215, 285);
    d.ok = makeButton(latin(n.ok), QStringLiteral("&OK"), d.sizeFrame, 2760, 300, 975, 375);
    d.ok->setToolTip(latin(n.tipOk));
    d.cancel =
        makeButton(latin(n.cancel), QStringLiteral("&Cancel"), d.sizeFrame, 3840, 300, 975, 375);
    d.cancel->setToolTip(latin(n.tipCancel));
    d.sizeFrame->hide();

    addKeyFilter(d.widthBox, latin(n.widthSlash));
    addKeyFilter(d.lengthBox, kOnlyNumber);
}

} // namespace

void frmMainFengShuiBaguaUi::setupUi(Form *window, const Plan &plan, PlotBox::Handlers plotHandlers)
{
    window->setCaption(QStringLiteral("Orlix Feng Shui Bagua"));
    window->setClientSize(11520, 8640);
    setVerdana(window, 8.25);

    fraArrangeRoom =
        makeFrame(QStringLiteral("fraArrangeRoom"), QString(), window, 60, 0, 11400, 8580);
    setupPlotSize();
    setupRoomList();
    setupDirection();
    setupRoomButtons();
    setupFacingDialog(dlgME, kMainEntranceNames, fraArrangeRoom);
    setupFacingDialog(dlgBE, kBackEntranceNames, fraArrangeRoom);
    setupFacingDialog(dlgDoor, kDoorNames, fraArrangeRoom);
    setupNewRoomDialog();
    setupPlot(plan, std::move(plotHandlers));
    setupTexts();
}

void frmMainFengShuiBaguaUi::setupPlotSize()
{
    Frame4 =
        makeFrame(QStringLiteral("Frame4"), QStringLiteral("Enter Plot/Apartment Area (In feet)"),
                  fraArrangeRoom, 120, 120, 5055, 1215);
    Label31 =
        makeLabel(QStringLiteral("Label31"), QStringLiteral("Length"), Frame4, 120, 330, 615, 255);
    txtPlotLength = makeTextBox(QStringLiteral("txtPlotLength"), Frame4, 780, 300, 1335, 285);
    Label31->setBuddy(txtPlotLength);
    Label32 =
        makeLabel(QStringLiteral("Label32"), QStringLiteral("Width"), Frame4, 2520, 330, 615, 255);
    txtPlotWidth = makeTextBox(QStringLiteral("txtPlotWidth"), Frame4, 3120, 300, 1335, 285);
    Label32->setBuddy(txtPlotWidth);
    cmdMesure = makeButton(QStringLiteral("cmdMesure"), QStringLiteral("&Reduced Scale Measure "),
                           Frame4, 120, 720, 2295, 375);
    lblLengthMesure =
        makeLabel(QStringLiteral("lblLengthMesure"), QString(), Frame4, 2520, 660, 2415, 255);
    lblWidthMesure =
        makeLabel(QStringLiteral("lblWidthMesure"), QString(), Frame4, 2520, 900, 2415, 255);

    for (QWidget *w : {static_cast<QWidget *>(Label31), static_cast<QWidget *>(txtPlotLength)})
        w->setToolTip(QStringLiteral("Enter Length of Plot"));
    for (QWidget *w : {static_cast<QWidget *>(Label32), static_cast<QWidget *>(txtPlotWidth)})
        w->setToolTip(QStringLiteral("Enter Width of Plot"));
    cmdMesure->setToolTip(QStringLiteral("Click on this button to reduce the scale of your Plot"));

    addKeyFilter(txtPlotLength, kOnlyNumber);
    addKeyFilter(txtPlotWidth, kOnlyNumber);
}

void frmMainFengShuiBaguaUi::setupRoomList()
{
    Label30 = makeLabel(QStringLiteral("Label30"), QStringLiteral("List Of Rooms"), fraArrangeRoom,
                        120, 1395, 2295, 255);
    Label30->setToolTip(QStringLiteral("Click on chosen Room to enter room Details"));
    lstRoom = new ListBox(fraArrangeRoom);
    lstRoom->setObjectName(QStringLiteral("lstRoom"));
    lstRoom->setGeometry(twips::rect(120, 1620, 2295, 1095));
    for (const char *name : kStandardRooms)
        lstRoom->addItem(latin(name));
    lstRoom->setEnabled(false);
    lstRoom->setToolTip(QStringLiteral("Click on chosen Room to enter Area Details"));
    Label30->setBuddy(lstRoom);
    // A list view takes no name from its buddy.
    nameAfterCaption(lstRoom, Label30->text());
}

void frmMainFengShuiBaguaUi::setupDirection()
{
    Frame3 = makeFrame(QStringLiteral("Frame3"), QStringLiteral("Plot Direction"), fraArrangeRoom,
                       2520, 1380, 2655, 1335);
    Frame3->setToolTip(QStringLiteral("Select Direction of your Plot Here"));
    cmbDirection = new QComboBox(Frame3);
    cmbDirection->setObjectName(QStringLiteral("cmbDirection"));
    cmbDirection->setGeometry(twips::rect(120, 300, 1455, 315));
    cmbDirection->addItems({QStringLiteral("North"), QStringLiteral("South"),
                            QStringLiteral("West"), QStringLiteral("East")});
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("Change &Direction"), Frame3,
                          120, 780, 1575, 375);
    Command1->setToolTip(QStringLiteral("Select new direction and click on this button"));

    const struct {
        Label *&label;
        const char *name;
        const char *caption;
        double left;
        double top;
    } compass[] = {
        {lblUp, "lblUp", "N", 2040, 300},
        {lblDown, "lblDown", "S", 2040, 900},
        {lblLeft, "lblLeft", "W", 1800, 600},
        {lblRight, "lblRight", "E", 2280, 600},
    };
    for (const auto &c : compass) {
        c.label = makeLabel(latin(c.name), latin(c.caption), Frame3, c.left, c.top, 255, 255);
        c.label->setAlignment(Qt::AlignCenter);
        setVerdana(c.label, 8.25, true);
    }
}

void frmMainFengShuiBaguaUi::setupRoomButtons()
{
    Frame2 = makeFrame(QStringLiteral("Frame2"), QStringLiteral("Enter Room/Door Details"),
                       fraArrangeRoom, 120, 2760, 5055, 1395);
    // The entrance toggles' tooltips follow their captions; the window sets
    // both.
    const struct {
        QPushButton *&button;
        const char *name;
        const char *caption;
        double left;
        double top;
        double width;
        const char *tip;
    } buttons[] = {
        {cmdAddRoom, "cmdAddRoom", "&Add Room", 120, 240, 1530,
         "Click on this button to create a room in the Plot Chart"},
        {cmdDefaultRoom, "cmdDefaultRoom", "&Select Room", 1710, 240, 1530,
         "Click on this button and select one room from Room List"},
        {cmdDeleteRoom, "cmdDeleteRoom", "&Delete Room", 3300, 240, 1635,
         "Click on this button to delete selected room from Plot Chart"},
        {cmdDoor, "cmdDoor", "Create Door", 120, 630, 1530,
         "Click on this button to create a Door for the selected Room in the Plot Chart"},
        {cmdDeleteDoor, "cmdDeleteDoor", "&Delete Door", 1710, 630, 1530,
         "Click on this button to delete selected door from Plot Chart"},
        {cmdFrontEntrence, "cmdFrontEntrence", "Main Entrance", 120, 1020, 2355, nullptr},
        {cmdBackEntrence, "cmdBackEntrence", "Back Entrance", 2580, 1020, 2355, nullptr},
    };
    for (const auto &b : buttons) {
        b.button = makeButton(latin(b.name), latin(b.caption), Frame2, b.left, b.top, b.width, 345);
        if (b.tip)
            b.button->setToolTip(latin(b.tip));
    }
}

void frmMainFengShuiBaguaUi::setupNewRoomDialog()
{
    fraAddNewRoom = makeFrame(QStringLiteral("fraAddNewRoom"), QStringLiteral("Enter Room Details"),
                              fraArrangeRoom, 120, 5100, 4935, 1095);
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Name Of Room"), fraAddNewRoom, 120,
                       300, 1275, 255);
    txtAddRoomName =
        makeTextBox(QStringLiteral("txtAddRoomName"), fraAddNewRoom, 1440, 270, 3375, 285);
    Label4->setBuddy(txtAddRoomName);
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Length"), fraAddNewRoom, 120, 690,
                       615, 255);
    txtLength = makeTextBox(QStringLiteral("txtLength"), fraAddNewRoom, 780, 660, 975, 285);
    Label3->setBuddy(txtLength);
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Width"), fraAddNewRoom, 1860, 690,
                       555, 255);
    txtwidth = makeTextBox(QStringLiteral("txtwidth"), fraAddNewRoom, 2460, 660, 975, 285);
    Label5->setBuddy(txtwidth);
    cmdOK = makeButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), fraAddNewRoom, 3540, 630,
                       615, 345);
    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), fraAddNewRoom,
                           4200, 630, 675, 345);
    fraAddNewRoom->hide();

    for (QWidget *w : {static_cast<QWidget *>(Label4), static_cast<QWidget *>(txtAddRoomName)})
        w->setToolTip(QStringLiteral("This shows name of chosen Room"));
    for (QWidget *w : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(txtLength)})
        w->setToolTip(QStringLiteral("Enter Length of Room"));
    for (QWidget *w : {static_cast<QWidget *>(Label5), static_cast<QWidget *>(txtwidth)})
        w->setToolTip(QStringLiteral("Enter Width of Room"));
    cmdOK->setToolTip(QStringLiteral("Click here if you have entered correct Length and Width"));
    cmdCancel->setToolTip(
        QStringLiteral("Click here if you have not entered correct Length and Width"));

    addKeyFilter(txtLength, kOnlyNumber);
    addKeyFilter(txtwidth, QStringLiteral("Please enter  only number"));
    // Typed letters become capitals; pasted text stays as it is.
    new KeyPressHook(txtAddRoomName, [box = txtAddRoomName](QKeyEvent *event) {
        const QString typed = event->text();
        if (typed.size() == 1 && typed.at(0) >= QLatin1Char('a') &&
            typed.at(0) <= QLatin1Char('z')) {
            box->insert(typed.toUpper());
            return false;
        }
        return true;
    });
}

void frmMainFengShuiBaguaUi::setupPlot(const Plan &plan, PlotBox::Handlers plotHandlers)
{
    Frame1 = makeFrame(QStringLiteral("Frame1"), QStringLiteral("Layout Of Your Plot"),
                       fraArrangeRoom, 5280, 120, 6000, 6000);
    Label33 = makeLabel(QStringLiteral("Label33"), QStringLiteral("Width Of The Plot"), Frame1,
                        1200, 240, 3900, 255);
    Label33->setAlignment(Qt::AlignCenter);
    // One letter a line: the caption runs down the plot's length side.
    Label29 = makeLinkLabel(QStringLiteral("Label29"),
                            QStringLiteral("L e n g t h  O f   T h e  P l o t"), Frame1);
    Label29->setGeometry(twips::rect(150, 720, 180, 4800));
    Label29->setAlignment(Qt::AlignCenter);

    constexpr double kMargin = 270;
    auto *ruler = new RulerPanel(QStringLiteral("picLocation"), Frame1, kMargin, kMargin);
    ruler->setGeometry(twips::rect(450, 480, 4850 + 2 * kMargin, 4850 + 2 * kMargin));
    picLocation = ruler;
    picRoomLocation =
        new PlotBox(QStringLiteral("picRoomLocation"), picLocation, plan, std::move(plotHandlers));
    picRoomLocation->setGeometry(twips::rect(kMargin, kMargin, 4850, 4850));
    picRoomLocation->setToolTip(QStringLiteral("Drag and drop Chosen Room to change position"));
}

void frmMainFengShuiBaguaUi::setupTexts()
{
    cmdSavePicture =
        makeButton(QStringLiteral("cmdSavePicture"), QStringLiteral("Generate &Bagua Chart"),
                   fraArrangeRoom, 6780, 6840, 2460, 495);
    cmdSavePicture->setToolTip(
        QStringLiteral("Click here to generate the Bagua chart for your Home."));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("&Save"), fraArrangeRoom, 5085,
                          6840, 1575, 495);
    Command2->setToolTip(QStringLiteral("Click on this button to save Current Chart"));
    cmdOpen = makeButton(QStringLiteral("cmdOpen"), QStringLiteral("&Open"), fraArrangeRoom, 9360,
                         6840, 1575, 495);
    cmdOpen->setToolTip(QStringLiteral("Click on this button to open previously saved Chart"));

    Label35 = makeLabel(QStringLiteral("Label35"),
                        QStringLiteral("Place the mouse on each of the rooms in the chart to know "
                                       "their names"),
                        fraArrangeRoom, 5280, 6150, 6000, 240);
    Label36 =
        makeLabel(QStringLiteral("Label36"),
                  QStringLiteral("After you add a particular room just drag the same to bring "
                                 "it to your preferred position."),
                  fraArrangeRoom, 5280, 6390, 6000, 420);
    Label36->setWordWrap(true);
    Label34 = makeLabel(
        QStringLiteral("Label34"),
        QStringLiteral("The Bagua is the map of feng shui. Laid over the floor plan of your home, "
                       "it divides the plan into nine parts, each tied to one area of life, from "
                       "wealth and fame to family and health. Enter the size of your plot, place "
                       "your rooms, entrances and doors, then generate the Bagua chart to see "
                       "which rooms fall in which part."),
        fraArrangeRoom, 120, 6240, 4815, 1455);
    Label34->setWordWrap(true);
    Label34->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Captions of the two links come from the link table.
    Label37 = makeLinkLabel(QStringLiteral("Label37"), QString(), fraArrangeRoom);
    Label37->setGeometry(twips::rect(120, 7740, 11160, 420));
    setForeground(Label37, Qt::blue);
    Label61 = makeLinkLabel(QStringLiteral("Label61"), QString(), fraArrangeRoom);
    Label61->setGeometry(twips::rect(120, 8190, 11160, 300));
    Label61->setAlignment(Qt::AlignCenter);
    setForeground(Label61, Qt::red);
}

} // namespace tessavo::floorplan
