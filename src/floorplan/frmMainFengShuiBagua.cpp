#include "floorplan/frmMainFengShuiBagua.h"

#include "floorplan/BaguaChart.h"
#include "floorplan/InputBox.h"
#include "floorplan/PlanFile.h"
#include "floorplan/PlanNumbers.h"
#include "floorplan/PlanRules.h"
#include "floorplan/PlotWidgets.h"
#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/MDI.h"
#include "frame/modHelp.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Text.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tessavo::floorplan {

// What differs between the main and the back entrance.
struct EntranceTwin {
    QString createCaption;
    QString deleteCaption;
    QString elementText;
    QString noRoom;
    QString emptySize;
    MsgIcon emptySizeIcon;
    QString overLength;
    MsgIcon overLengthIcon;
    QString overWidth;
    QString alreadyThere;
    bool GreatFengShuiModule::*exists;
    qint16 GreatFengShuiModule::*index;
    bool GreatFengShuiModule::*noRoomHighlighted;
};

// Object names and captions of one facing frame and its size frame.
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
};

namespace {

const EntranceTwin kMainEntrance{
    QStringLiteral("Main Entrance"),
    QStringLiteral("Delete Main Entrance"),
    kMainEntranceText,
    QStringLiteral("Please select a room to create Main Entrance"),
    QStringLiteral("Please enter length of the Main Entrance"),
    MsgIcon::None,
    QStringLiteral("Lengte of the Main Entrance can't be greater than room length"),
    MsgIcon::None,
    QStringLiteral("Length of the Main Entrance can't be greater than room width"),
    QStringLiteral("Main Entrance already exist"),
    &GreatFengShuiModule::MainEntranceExists,
    &GreatFengShuiModule::MainEntranceIndex,
    &GreatFengShuiModule::NoRoomHighlightedME,
};

const EntranceTwin kBackEntrance{
    QStringLiteral("Back Entrance"),
    QStringLiteral("Delete Back Entrance"),
    kBackEntranceText,
    QStringLiteral("Please select a room to create Back Entrance"),
    QStringLiteral("Please enter length of the Back Entrance"),
    MsgIcon::Information,
    QStringLiteral("Length of the Back Entrance can't be greater than room length"),
    MsgIcon::Information,
    QStringLiteral("Length of The back Entrance can't be greater than room width"),
    QStringLiteral("Back entrance already exist"),
    &GreatFengShuiModule::BackEntranceExists,
    &GreatFengShuiModule::BackEntranceIndex,
    &GreatFengShuiModule::NoRoomHighlightedBE,
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
};

// The twelve standard rooms, each with its leading blank.
const char *const kStandardRooms[] = {
    " Hall",          " Dining Room",      " Kitchen",         " Store Room",
    " Children Room", " Children bath Room", " Guest Bed Room", " Guest Bath Room",
    " Living Room",   " Master Bath Room", " Master Bed Room", " Drawing Room",
};

// Compass captions by direction index: up, down, left, right.
const char *const kCompass[4][4] = {
    {"N", "S", "W", "E"},
    {"S", "N", "E", "W"},
    {"W", "E", "S", "N"},
    {"E", "W", "N", "S"},
};

const QString kCompanionFile = QStringLiteral("Bmp2Jpeg.dll");
const QString kOnlyNumber = QStringLiteral("Please enter only number");
// Our own word for a size the plot box cannot hold.
const QString kSizeTooLarge =
    QStringLiteral("This size is too large to be drawn on the plot. Please enter a smaller size.");

Label *makeLabel(const QString &name, const QString &caption, QWidget *parent, double left,
                 double top, double width, double height)
{
    auto *label = new Label(name, caption, parent);
    label->setGeometry(twips::rect(left, top, width, height));
    return label;
}

QLineEdit *makeBox(const QString &name, QWidget *parent, double left, double top, double width,
                   double height)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(twips::rect(left, top, width, height));
    return box;
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent,
                        double left, double top, double width, double height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twips::rect(left, top, width, height));
    return button;
}

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

// ---- Construction ----------------------------------------------------------

frmMainFengShuiBagua::frmMainFengShuiBagua() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Bagua"));
    setClientSize(11520, 8640);
    setVerdana(this, 8.25);

    fraArrangeRoom = makeFrame(QStringLiteral("fraArrangeRoom"), QString(), this, 60, 0, 11400,
                               8580);
    buildPlotSize();
    buildRoomList();
    buildDirection();
    buildRoomButtons();
    buildFacingDialog(m_me, kMainEntranceNames);
    buildFacingDialog(m_be, kBackEntranceNames);
    buildFacingDialog(m_door, kDoorNames);
    buildNewRoomDialog();
    buildPlot();
    buildTexts();
    buildMenus();
    wireLinkLabels(this);

    m_plan.setObserver([this](int index, Plan::Change change) { elementChanged(index, change); });
}

frmMainFengShuiBagua::~frmMainFengShuiBagua()
{
    // The plot goes with its parent; the plan must not reach it after.
    m_plan.setObserver({});
}

void frmMainFengShuiBagua::buildPlotSize()
{
    Frame4 = makeFrame(QStringLiteral("Frame4"), QStringLiteral("Enter Plot/Apartment Area (In feet)"),
                       fraArrangeRoom, 120, 120, 5055, 1215);
    Label31 = makeLabel(QStringLiteral("Label31"), QStringLiteral("Length"), Frame4, 120, 330, 615,
                        255);
    txtPlotLength = makeBox(QStringLiteral("txtPlotLength"), Frame4, 780, 300, 1335, 285);
    Label31->setBuddy(txtPlotLength);
    Label32 = makeLabel(QStringLiteral("Label32"), QStringLiteral("Width"), Frame4, 2520, 330, 615,
                        255);
    txtPlotWidth = makeBox(QStringLiteral("txtPlotWidth"), Frame4, 3120, 300, 1335, 285);
    Label32->setBuddy(txtPlotWidth);
    cmdMesure = makeButton(QStringLiteral("cmdMesure"), QStringLiteral("&Reduced Scale Measure "),
                           Frame4, 120, 720, 2295, 375);
    lblLengthMesure = makeLabel(QStringLiteral("lblLengthMesure"), QString(), Frame4, 2520, 660,
                                2415, 255);
    lblWidthMesure = makeLabel(QStringLiteral("lblWidthMesure"), QString(), Frame4, 2520, 900, 2415,
                               255);

    for (QWidget *w : {static_cast<QWidget *>(Label31), static_cast<QWidget *>(txtPlotLength)})
        w->setToolTip(QStringLiteral("Enter Length of Plot"));
    for (QWidget *w : {static_cast<QWidget *>(Label32), static_cast<QWidget *>(txtPlotWidth)})
        w->setToolTip(QStringLiteral("Enter Width of Plot"));
    cmdMesure->setToolTip(QStringLiteral("Click on this button to reduce the scale of your Plot"));

    addKeyFilter(txtPlotLength, kOnlyNumber);
    addKeyFilter(txtPlotWidth, kOnlyNumber);
    connect(cmdMesure, &QPushButton::clicked, this, [this] { cmdMesure_Click(); });
}

void frmMainFengShuiBagua::buildRoomList()
{
    Label30 = makeLabel(QStringLiteral("Label30"), QStringLiteral("List Of Rooms"), fraArrangeRoom,
                        120, 1395, 2295, 255);
    Label30->setToolTip(QStringLiteral("Click on chosen Room to enter room Details"));
    lstRoom = new QListWidget(fraArrangeRoom);
    lstRoom->setObjectName(QStringLiteral("lstRoom"));
    lstRoom->setGeometry(twips::rect(120, 1620, 2295, 1095));
    for (const char *name : kStandardRooms)
        lstRoom->addItem(latin(name));
    lstRoom->setEnabled(false);
    lstRoom->setToolTip(QStringLiteral("Click on chosen Room to enter Area Details"));
    Label30->setBuddy(lstRoom);
    connect(lstRoom, &QListWidget::itemClicked, this, [this] { lstRoom_Click(); });
}

void frmMainFengShuiBagua::buildDirection()
{
    Frame3 = makeFrame(QStringLiteral("Frame3"), QStringLiteral("Plot Direction"), fraArrangeRoom,
                       2520, 1380, 2655, 1335);
    Frame3->setToolTip(QStringLiteral("Select Direction of your Plot Here"));
    cmbDirection = new QComboBox(Frame3);
    cmbDirection->setObjectName(QStringLiteral("cmbDirection"));
    cmbDirection->setGeometry(twips::rect(120, 300, 1455, 315));
    cmbDirection->addItems({QStringLiteral("North"), QStringLiteral("South"), QStringLiteral("West"),
                            QStringLiteral("East")});
    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("Change &Direction"), Frame3,
                          120, 780, 1575, 375);
    Command1->setToolTip(QStringLiteral("Select new direction and click on this button"));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

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

void frmMainFengShuiBagua::buildRoomButtons()
{
    Frame2 = makeFrame(QStringLiteral("Frame2"), QStringLiteral("Enter Room/Door Details"),
                       fraArrangeRoom, 120, 2760, 5055, 1395);
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
    setToggleCaption(cmdFrontEntrence, kMainEntrance.createCaption);
    setToggleCaption(cmdBackEntrence, kBackEntrance.createCaption);

    connect(cmdAddRoom, &QPushButton::clicked, this, [this] { cmdAddRoom_Click(); });
    connect(cmdDefaultRoom, &QPushButton::clicked, this, [this] { cmdDefaultRoom_Click(); });
    connect(cmdDeleteRoom, &QPushButton::clicked, this, [this] { cmdDeleteRoom_Click(); });
    connect(cmdDoor, &QPushButton::clicked, this, [this] { cmdDoor_Click(); });
    connect(cmdDeleteDoor, &QPushButton::clicked, this, [this] { cmdDeleteDoor_Click(); });
    connect(cmdFrontEntrence, &QPushButton::clicked, this, [this] { cmdFrontEntrence_Click(); });
    connect(cmdBackEntrence, &QPushButton::clicked, this, [this] { cmdBackEntrence_Click(); });
}

void frmMainFengShuiBagua::buildFacingDialog(FacingDialog &d, const FacingNames &n)
{
    // Every dialog frame lies on the same spot below the room buttons.
    d.facingFrame = makeFrame(latin(n.facingFrame), latin(n.facingCaption), fraArrangeRoom, 120,
                              4200, 4935, 855);
    auto *group = new QButtonGroup(d.facingFrame);
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
        group->addButton(o.option);
    }
    d.optSouth->setChecked(true);
    d.directionOk = makeButton(latin(n.directionOk), QStringLiteral("&OK"), d.facingFrame, 2760,
                               300, 975, 375);
    d.directionOk->setToolTip(latin(n.tipDirectionOk));
    d.directionCancel = makeButton(latin(n.directionCancel), QStringLiteral("&Cancel"),
                                   d.facingFrame, 3840, 300, 975, 375);
    d.directionCancel->setToolTip(latin(n.tipDirectionCancel));
    d.facingFrame->hide();

    d.sizeFrame = makeFrame(latin(n.sizeFrame), latin(n.sizeCaption), fraArrangeRoom, 120, 4200,
                            4935, 855);
    d.widthBox = makeBox(latin(n.widthBox), d.sizeFrame, 240, 360, 1215, 285);
    d.lengthBox = makeBox(latin(n.lengthBox), d.sizeFrame, 240, 360, 1215, 285);
    d.ok = makeButton(latin(n.ok), QStringLiteral("&OK"), d.sizeFrame, 2760, 300, 975, 375);
    d.ok->setToolTip(latin(n.tipOk));
    d.cancel = makeButton(latin(n.cancel), QStringLiteral("&Cancel"), d.sizeFrame, 3840, 300, 975,
                          375);
    d.cancel->setToolTip(latin(n.tipCancel));
    d.sizeFrame->hide();

    // Only the door's width box words its "/" message differently.
    addKeyFilter(d.widthBox, &d == &m_door ? QStringLiteral("Please enter only Number") : kOnlyNumber);
    addKeyFilter(d.lengthBox, kOnlyNumber);

    if (&d == &m_me) {
        connect(d.directionOk, &QPushButton::clicked, this, [this] { cmdMEDirectionOk_Click(); });
        connect(d.directionCancel, &QPushButton::clicked, this,
                [this] { cmdMEDirectionCancel_Click(); });
        connect(d.ok, &QPushButton::clicked, this, [this] { cmdMEOk_Click(); });
        connect(d.cancel, &QPushButton::clicked, this, [this] { cmdMECancel_Click(); });
    } else if (&d == &m_be) {
        connect(d.directionOk, &QPushButton::clicked, this, [this] { cmdBEDirectionOk_Click(); });
        connect(d.directionCancel, &QPushButton::clicked, this,
                [this] { cmdBEDirectionCancel_Click(); });
        connect(d.ok, &QPushButton::clicked, this, [this] { cmdBEOk_Click(); });
        connect(d.cancel, &QPushButton::clicked, this, [this] { cmdBECancel_Click(); });
    } else {
        connect(d.directionOk, &QPushButton::clicked, this, [this] { cmdDoorDirectionOk_Click(); });
        connect(d.directionCancel, &QPushButton::clicked, this,
                [this] { cmdDoorDirectionCancel_Click(); });
        connect(d.ok, &QPushButton::clicked, this, [this] { cmdDoorOk_Click(); });
        connect(d.cancel, &QPushButton::clicked, this, [this] { cmdDoorCancel_Click(); });
    }
}

void frmMainFengShuiBagua::buildNewRoomDialog()
{
    fraAddNewRoom = makeFrame(QStringLiteral("fraAddNewRoom"), QStringLiteral("Enter Room Details"),
                              fraArrangeRoom, 120, 5100, 4935, 1095);
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Name Of Room"), fraAddNewRoom, 120,
                       300, 1275, 255);
    txtAddRoomName = makeBox(QStringLiteral("txtAddRoomName"), fraAddNewRoom, 1440, 270, 3375, 285);
    Label4->setBuddy(txtAddRoomName);
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Length"), fraAddNewRoom, 120, 690,
                       615, 255);
    txtLength = makeBox(QStringLiteral("txtLength"), fraAddNewRoom, 780, 660, 975, 285);
    Label3->setBuddy(txtLength);
    Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Width"), fraAddNewRoom, 1860, 690,
                       555, 255);
    txtwidth = makeBox(QStringLiteral("txtwidth"), fraAddNewRoom, 2460, 660, 975, 285);
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
    new KeyPressHook(txtAddRoomName, [this](QKeyEvent *event) {
        const QString typed = event->text();
        if (typed.size() == 1 && typed.at(0) >= QLatin1Char('a') && typed.at(0) <= QLatin1Char('z')) {
            txtAddRoomName->insert(typed.toUpper());
            return false;
        }
        return true;
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmMainFengShuiBagua::buildPlot()
{
    Frame1 = makeFrame(QStringLiteral("Frame1"), QStringLiteral("Layout Of Your Plot"),
                       fraArrangeRoom, 5280, 120, 6000, 6000);
    Label33 = makeLabel(QStringLiteral("Label33"), QStringLiteral("Width Of The Plot"), Frame1, 1200,
                        240, 3900, 255);
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
    PlotBox::Handlers handlers;
    handlers.mouseDown = [this](int index, Qt::MouseButton button) {
        txtRoom_MouseDown(index, button);
    };
    handlers.mouseMove = [this](int index, Qt::MouseButtons buttons) {
        txtRoom_MouseMove(index, buttons);
    };
    handlers.dragTo = [this](int index, double dx, double dy) { dragElement(index, dx, dy); };
    // After a drag as after a click, the element's mouse-up runs the overlap
    // step.
    handlers.mouseUp = [this](int index) { txtRoom_MouseUp(index); };
    picRoomLocation = new PlotBox(QStringLiteral("picRoomLocation"), picLocation, m_plan,
                                  std::move(handlers));
    picRoomLocation->setGeometry(twips::rect(kMargin, kMargin, 4850, 4850));
    picRoomLocation->setToolTip(QStringLiteral("Drag and drop Chosen Room to change position"));
}

void frmMainFengShuiBagua::buildTexts()
{
    cmdSavePicture = makeButton(QStringLiteral("cmdSavePicture"),
                                QStringLiteral("Generate &Bagua Chart"), fraArrangeRoom, 6780,
                                6840, 2460, 495);
    cmdSavePicture->setToolTip(QStringLiteral("Click here to generate the Bagua chart for your Home."));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("&Save"), fraArrangeRoom, 5085,
                          6840, 1575, 495);
    Command2->setToolTip(QStringLiteral("Click on this button to save Current Chart"));
    cmdOpen = makeButton(QStringLiteral("cmdOpen"), QStringLiteral("&Open"), fraArrangeRoom, 9360,
                         6840, 1575, 495);
    cmdOpen->setToolTip(QStringLiteral("Click on this button to open previously saved Chart"));
    connect(cmdSavePicture, &QPushButton::clicked, this, [this] { cmdSavePicture_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });

    Label35 = makeLabel(QStringLiteral("Label35"),
                        QStringLiteral("Place the mouse on each of the rooms in the chart to know "
                                       "their names"),
                        fraArrangeRoom, 5280, 6150, 6000, 240);
    Label36 = makeLabel(QStringLiteral("Label36"),
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

void frmMainFengShuiBagua::buildMenus()
{
    addFileMenu(this,
                {{"mnuBaguaChart", "Generate Bagua &Chart", [this] { mnuBaguaChart_Click(); }},
                 {"mnuOpen", "&Open", [this] { mnuOpen_Click(); }},
                 {"mnuSave", "&Save", [this] { mnuSave_Click(); }},
                 {"mnuExit", "E&xit", [this] { mnuExit_Click(); }}});
    addHelpMenu(this);
}

void frmMainFengShuiBagua::addKeyFilter(QLineEdit *box, const QString &slashMessage)
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

// ---- Elements on the screen ------------------------------------------------

const ShownElement *frmMainFengShuiBagua::txtRoom(int Index) const
{
    return picRoomLocation->shown(Index);
}

void frmMainFengShuiBagua::elementChanged(int index, Plan::Change change)
{
    picRoomLocation->elementChanged(index, change);
}

void frmMainFengShuiBagua::dragElement(int index, double dx, double dy)
{
    if (!m_plan.contains(index))
        return;
    m_plan.setPosition(index, m_dragStartLeft + dx, m_dragStartTop + dy);
}

// ---- Load and unload -------------------------------------------------------

bool frmMainFengShuiBagua::companionFilePresent(const QString &separator) const
{
    const QString folder = services().programFolder ? services().programFolder->path() : QString();
    QString path = folder + separator + kCompanionFile;
    // The folder and the name are joined as the platform joins them.
    path = QDir::fromNativeSeparators(path.replace(QLatin1Char('\\'), QLatin1Char('/')));
    return QFileInfo(path).isFile();
}

void frmMainFengShuiBagua::Form_Load()
{
    RemindUpdateCheck();
    if (!companionFilePresent(QStringLiteral("\\"))) {
        MsgBox(QStringLiteral("Required File Is Missing") + QChar(13) +
                   QStringLiteral("Please Reinstall Software"),
               MsgButtons::Ok, MsgIcon::Critical);
        UnloadAllForms();
    }
    placeAsToolWindow();
    modGreatFengShui().RoomCount = 0;
    cmbDirection->setCurrentIndex(0);
}

void frmMainFengShuiBagua::Form_Unload()
{
    setSplashPanelVisible(true);
}

void frmMainFengShuiBagua::mnuExit_Click()
{
    CloseForm(this);
}

void frmMainFengShuiBagua::CloseForm(Form *window)
{
    FormRegistry::instance().unload(window);
}

// ---- Plot size, scale and direction ----------------------------------------

bool frmMainFengShuiBagua::ValidatePlotSize()
{
    if (txtPlotLength->text().isEmpty()) {
        MsgBox(QStringLiteral("Please enter your plot length"), MsgButtons::Ok, MsgIcon::Information);
        txtPlotLength->setFocus();
        return false;
    }
    if (txtPlotWidth->text().isEmpty()) {
        MsgBox(QStringLiteral("Please enter your plot width"), MsgButtons::Ok, MsgIcon::Information);
        txtPlotWidth->setFocus();
        return false;
    }
    return true;
}

bool frmMainFengShuiBagua::computeScale()
{
    if (!ValidatePlotSize())
        return false;
    // Every later conversion divides by the scale: a side that is not a
    // number above 0 is refused here, and the scale stays as it was.
    const std::optional<double> length = plotScale(txtPlotLength->text());
    if (!length) {
        MsgBox(QStringLiteral("Please enter your plot length as a number greater than 0"),
               MsgButtons::Ok, MsgIcon::Information);
        txtPlotLength->setFocus();
        return false;
    }
    const std::optional<double> width = plotScale(txtPlotWidth->text());
    if (!width) {
        MsgBox(QStringLiteral("Please enter your plot width as a number greater than 0"),
               MsgButtons::Ok, MsgIcon::Information);
        txtPlotWidth->setFocus();
        return false;
    }
    lblLengthMesure->show();
    GreatFengShuiModule &module = modGreatFengShui();
    module.PlotLengthScale = *length;
    module.PlotWidthScale = *width;
    lblLengthMesure->setText(lengthScaleCaption(*length));
    lblWidthMesure->setText(widthScaleCaption(*width));
    return true;
}

void frmMainFengShuiBagua::cmdMesure_Click()
{
    computeScale();
}

void frmMainFengShuiBagua::Command1_Click()
{
    const int index = cmbDirection->currentIndex();
    if (index < 0 || index > 3)
        return;
    lblUp->setText(latin(kCompass[index][0]));
    lblDown->setText(latin(kCompass[index][1]));
    lblLeft->setText(latin(kCompass[index][2]));
    lblRight->setText(latin(kCompass[index][3]));
}

// ---- Rooms -----------------------------------------------------------------

void frmMainFengShuiBagua::cmdAddRoom_Click()
{
    if (!computeScale())
        return;
    if (MsgBox(QStringLiteral("Do you want to create a  new room ?"), MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;
    txtAddRoomName->clear();
    txtLength->clear();
    txtwidth->clear();
    fraAddNewRoom->show();
    txtAddRoomName->setFocus();
    cmdAddRoom->hide();
}

void frmMainFengShuiBagua::cmdDefaultRoom_Click()
{
    if (!computeScale())
        return;
    lstRoom->setEnabled(true);
    cmdDefaultRoom->hide();
}

void frmMainFengShuiBagua::lstRoom_Click()
{
    fraAddNewRoom->show();
    if (QListWidgetItem *item = lstRoom->currentItem())
        txtAddRoomName->setText(item->text());
}

void frmMainFengShuiBagua::cmdOk_Click()
{
    const auto refuse = [](const QString &text, QLineEdit *box, bool empty) {
        MsgBox(text);
        if (empty)
            box->clear();
        box->setFocus();
    };
    if (trimSpaces(txtAddRoomName->text()).isEmpty())
        return refuse(QStringLiteral("Please enter room name"), txtAddRoomName, false);
    if (txtLength->text().isEmpty())
        return refuse(QStringLiteral("Please enter length of the room"), txtLength, false);
    if (leadingNumber(txtPlotLength->text()) < leadingNumber(txtLength->text()))
        return refuse(QStringLiteral("Lengte of the room can't be greater than plot length"),
                      txtLength, true);
    if (txtwidth->text().isEmpty())
        return refuse(QStringLiteral("Please enter width of the room"), txtwidth, false);
    if (leadingNumber(txtPlotWidth->text()) < leadingNumber(txtwidth->text()))
        return refuse(QStringLiteral("Width of the room can't be greater than plot width"),
                      txtwidth, true);

    // The plan file cannot hold a double quote in a name.
    const QString name = trimSpaces(txtAddRoomName->text());
    if (!isStorableText(name))
        return refuse(QStringLiteral("Please enter a room name without double quotes"),
                      txtAddRoomName, false);
    GreatFengShuiModule &module = modGreatFengShui();
    const std::optional<double> length = toNumber(txtLength->text());
    if (!length)
        return refuse(QStringLiteral("Please enter the length of the room as a number"), txtLength,
                      false);
    const std::optional<double> width = toNumber(txtwidth->text());
    if (!width)
        return refuse(QStringLiteral("Please enter the width of the room as a number"), txtwidth,
                      false);
    const std::optional<double> height = feetToTwips(*length, module.PlotLengthScale);
    const std::optional<double> across = feetToTwips(*width, module.PlotWidthScale);
    if (!height || !across)
        return refuse(kSizeTooLarge, txtLength, false);
    if (m_plan.room() < 1) {
        MsgBox(QStringLiteral("The plan cannot hold more elements"), MsgButtons::Ok,
               MsgIcon::Information);
        return;
    }

    module.NewRoomHeightTwips = *height;
    module.NewRoomWidthTwips = *across;
    module.RoomCount = *addElement(m_plan, name, 0, 0, module.NewRoomWidthTwips,
                                   module.NewRoomHeightTwips);

    fraAddNewRoom->hide();
    cmdDefaultRoom->show();
    Command1->setFocus();
    lstRoom->setEnabled(false);
    cmdAddRoom->show();
    txtLength->clear();
    txtwidth->clear();
    module.RoomAdded = true;
    MsgBox(QStringLiteral("Now Drag The Room To Bring It To Your Prefered Position"));
}

void frmMainFengShuiBagua::cmdCancel_Click()
{
    fraAddNewRoom->hide();
    cmdAddRoom->show();
    cmdDefaultRoom->show();
    lstRoom->setEnabled(false);
    txtAddRoomName->clear();
    txtLength->clear();
    txtwidth->clear();
}

void frmMainFengShuiBagua::cmdDeleteRoom_Click()
{
    if (!baguaEditorFields().RoomSelected) {
        MsgBox(QStringLiteral("Plase select a room to delete"));
        return;
    }
    for (int i : m_plan.highlighted())
        retireRoom(m_plan, i);
}

// ---- Selection and dragging ------------------------------------------------

void frmMainFengShuiBagua::txtRoom_MouseDown(int Index, Qt::MouseButton Button)
{
    if (!m_plan.contains(Index))
        return;
    if (Button == Qt::RightButton) {
        MsgBox(QStringLiteral("What is This?"), MsgButtons::Ok, MsgIcon::Critical);
        // While the new room dialog hides Add Room, its name box takes the focus.
        if (!cmdAddRoom->isHidden())
            cmdAddRoom->setFocus();
        else
            txtAddRoomName->setFocus();
        return;
    }
    selectElement(m_plan, Index, modGreatFengShui(), baguaEditorFields());
    m_dragStartLeft = m_plan.at(Index).left;
    m_dragStartTop = m_plan.at(Index).top;
}

void frmMainFengShuiBagua::txtRoom_MouseMove(int, Qt::MouseButtons)
{
    // The element's tooltip is its text: the plot reads it when the tooltip
    // shows, so a move has nothing to set.
}

void frmMainFengShuiBagua::txtRoom_MouseUp(int Index)
{
    if (!m_plan.contains(Index))
        return;
    if (overlapStep(m_plan, Index, modGreatFengShui()))
        MsgBox(QStringLiteral("Sorry you cannot overlap rooms"), MsgButtons::Ok,
               MsgIcon::Information);
}

// ---- Plan file -------------------------------------------------------------

void frmMainFengShuiBagua::Command2_Click()
{
    GreatFengShuiModule &module = modGreatFengShui();
    const auto inform = [](const QString &text) {
        MsgBox(text, MsgButtons::Ok, MsgIcon::Information);
    };
    if (!module.MainEntranceExists)
        return inform(QStringLiteral("Please create Main Entrance"));
    if (!module.BackEntranceExists &&
        MsgBox(QStringLiteral("There is no Back Entrance") + QStringLiteral("\r\n") +
                   QStringLiteral("Do you want To create ?"),
               MsgButtons::YesNo) == MsgAnswer::Yes)
        return;
    if (!entranceInsideTest(m_plan, kMainEntranceText, module.MainEntranceIndex))
        return inform(QStringLiteral("Main Entrance must be inside the room"));
    if (!entranceInsideTest(m_plan, kBackEntranceText, module.BackEntranceIndex))
        return inform(QStringLiteral("Back Entrance must be inside the room"));
    for (int i = 1; i <= m_plan.upperBound(); ++i) {
        if (m_plan.at(i).kind() == ElementKind::Door)
            module.DoorExists = true;
    }
    if (!module.DoorExists)
        return inform(QStringLiteral("Please Create Doors"));
    if (module.RoomsOverlap)
        return inform(QStringLiteral("You cannot overlap rooms"));
    if (MsgBox(QStringLiteral("Do you want to save the Plot Chart?"), MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;

    // The plan is cleared only once it is safely on disk.
    const QString folder = services().programFolder ? services().programFolder->path() : QString();
    QString error;
    if (!writePlanFile(planFilePath(folder), planRecords(m_plan), &error)) {
        MsgBox(QStringLiteral("The Plot Chart could not be saved: ") + error +
                   QStringLiteral("\r\nYour chart is still here; nothing was changed."),
               MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    {
        // Assistive technology hears of the whole plan going at once.
        const PlotBox::WholePlan leaving(*picRoomLocation);
        while (module.RoomCount > 0 && m_plan.upperBound() > 0) {
            m_plan.unloadLast();
            --module.RoomCount;
        }
    }
    module.RoomCount = 0;
    baguaEditorFields().RoomSelected = false;
    inform(QStringLiteral("Saved succesfully"));
    Command2->setEnabled(true);
    cmdOpen->setEnabled(true);
}

void frmMainFengShuiBagua::mnuSave_Click()
{
    Command2_Click();
}

void frmMainFengShuiBagua::cmdOpen_Click()
{
    const auto inform = [](const QString &text) {
        MsgBox(text, MsgButtons::Ok, MsgIcon::Information);
    };
    if (lblWidthMesure->text().isEmpty() || lblLengthMesure->text().isEmpty()) {
        inform(QStringLiteral("Please reduced scale measure"));
        txtPlotLength->setFocus();
        return;
    }
    const QString folder = services().programFolder ? services().programFolder->path() : QString();
    const QString path = planFilePath(folder);
    if (!QFileInfo(path).isFile())
        return inform(QStringLiteral("You did not save any structure of plot"));
    GreatFengShuiModule &module = modGreatFengShui();
    if (module.RoomAdded &&
        MsgBox(QStringLiteral("Are You Sure You Want To Integrate Old Chart With New Chart ?"),
               MsgButtons::YesNo) != MsgAnswer::Yes)
        return;

    // The whole file is read and checked before the plan changes.
    const PlanFileRead read = readPlanFile(path);
    switch (read.status) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::Missing:
        return inform(QStringLiteral("You did not save any structure of plot"));
    case ReadStatus::Unreadable:
        MsgBox(QStringLiteral("The saved Plot Chart could not be read: ") + read.error.reason,
               MsgButtons::Ok, MsgIcon::Critical);
        return;
    case ReadStatus::Malformed:
        MsgBox(QStringLiteral("The saved Plot Chart is damaged and was not opened.\r\nLine %1 of %2: "
                              "%3.")
                   .arg(read.error.line)
                   .arg(kPlanFileName, read.error.reason),
               MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    if (static_cast<qsizetype>(read.records.size()) > m_plan.room()) {
        MsgBox(QStringLiteral("The saved Plot Chart does not fit into the chart on the screen: it "
                              "would hold more than %1 elements.")
                   .arg(Plan::kMaxIndex),
               MsgButtons::Ok, MsgIcon::Critical);
        return;
    }

    // Assistive technology hears of the whole plan arriving at once.
    const PlotBox::WholePlan arriving(*picRoomLocation);
    for (const PlanRecord &record : read.records) {
        const int n = *m_plan.loadNext();
        m_plan.setVisible(n, true);
        m_plan.setText(n, record.text);
        if (record.text == kMainEntranceText) {
            module.MainEntranceExists = true;
            module.MainEntranceIndex = static_cast<qint16>(n);
            setToggleCaption(cmdFrontEntrence, kMainEntrance.deleteCaption);
        } else if (record.text == kBackEntranceText) {
            module.BackEntranceExists = true;
            module.BackEntranceIndex = static_cast<qint16>(n);
            setToggleCaption(cmdBackEntrence, kBackEntrance.deleteCaption);
        }
        m_plan.setGeometry(n, record.left, record.top, record.width, record.height);
        m_plan.setBorderStyle(n, record.borderStyle);
    }
    module.RoomCount = m_plan.upperBound();
    cmdOpen->setEnabled(false);
    Command2->setEnabled(true);
}

void frmMainFengShuiBagua::mnuOpen_Click()
{
    cmdOpen_Click();
}

// ---- Entrances and doors ---------------------------------------------------

void frmMainFengShuiBagua::setToggleCaption(QPushButton *toggle, const QString &caption)
{
    toggle->setText(caption);
    const bool main = toggle == cmdFrontEntrence;
    const bool create = caption == (main ? kMainEntrance.createCaption : kBackEntrance.createCaption);
    if (main)
        toggle->setToolTip(create ? QStringLiteral("Create a Room and Click on this button to create "
                                                   "the Main Entrance in the Plot Chart")
                                  : QStringLiteral("Click on this button to delete Front Entrance "
                                                   "from Plot Chart"));
    else
        toggle->setToolTip(create ? QStringLiteral("Click on this button to create the Back "
                                                   "Entrance in the Plot Chart")
                                  : QStringLiteral("Click on this button to delete Back Entrance "
                                                   "from Plot Chart"));
}

void frmMainFengShuiBagua::toggleEntrance(const EntranceTwin &twin, FacingDialog &dialog,
                                          QPushButton *toggle)
{
    GreatFengShuiModule &module = modGreatFengShui();
    if (toggle->text() == twin.createCaption) {
        bool found = false;
        for (int i = 1; i <= m_plan.upperBound() && !found; ++i)
            found = m_plan.at(i).backColor != plainColour();
        module.*twin.noRoomHighlighted = !found;
        if (found && baguaEditorFields().RoomSelected) {
            dialog.facingFrame->show();
            return;
        }
        MsgBox(twin.noRoom);
        return;
    }
    for (int i = 1; i <= m_plan.upperBound(); ++i) {
        if (m_plan.at(i).text == twin.elementText)
            retireEntrance(m_plan, i);
    }
    module.*twin.exists = false;
    setToggleCaption(toggle, twin.createCaption);
}

void frmMainFengShuiBagua::chooseSizeBox(FacingDialog &d)
{
    const QString up = lblUp->text();
    const bool vertical = up == QLatin1String("N") || up == QLatin1String("S");
    const bool horizontal = up == QLatin1String("E") || up == QLatin1String("W");
    std::optional<bool> width;
    if (d.optSouth->isChecked() || d.optNorth->isChecked())
        width = vertical;
    else if (d.optEast->isChecked() || d.optWest->isChecked())
        width = horizontal;
    if (width) {
        d.widthBox->setVisible(*width);
        d.lengthBox->setVisible(!*width);
    }
    d.sizeFrame->show();
    d.facingFrame->hide();
}

bool frmMainFengShuiBagua::checkSize(FacingDialog &d, const QString &emptyText, MsgIcon emptyIcon,
                                     const QString &lengthText, MsgIcon lengthIcon,
                                     const QString &widthText)
{
    const GreatFengShuiModule &module = modGreatFengShui();
    const bool lengthShown = d.widthBox->isHidden();
    QLineEdit *box = lengthShown ? d.lengthBox : d.widthBox;
    const double limit = lengthShown ? module.SelRoomLength : module.SelRoomWidth;
    if (box->text().isEmpty()) {
        MsgBox(emptyText, MsgButtons::Ok, emptyIcon);
        box->setFocus();
        return false;
    }
    if (round15(limit) < leadingNumber(box->text())) {
        MsgBox(lengthShown ? lengthText : widthText, MsgButtons::Ok,
               lengthShown ? lengthIcon : MsgIcon::None);
        box->clear();
        box->setFocus();
        return false;
    }
    return true;
}

std::optional<std::pair<double, double>> frmMainFengShuiBagua::sizeInTwips(const FacingDialog &d)
{
    const GreatFengShuiModule &module = modGreatFengShui();
    const std::optional<double> width =
        feetToTwips(leadingNumber(d.widthBox->text()), module.PlotWidthScale);
    const std::optional<double> height =
        feetToTwips(leadingNumber(d.lengthBox->text()), module.PlotLengthScale);
    if (!width || !height) {
        MsgBox(kSizeTooLarge, MsgButtons::Ok, MsgIcon::Information);
        return std::nullopt;
    }
    return std::make_pair(*width, *height);
}

void frmMainFengShuiBagua::closeSizeFrame(FacingDialog &d)
{
    d.sizeFrame->hide();
    d.lengthBox->clear();
    d.widthBox->clear();
}

void frmMainFengShuiBagua::confirmEntranceSize(const EntranceTwin &twin, FacingDialog &d,
                                               QPushButton *toggle)
{
    if (!checkSize(d, twin.emptySize, twin.emptySizeIcon, twin.overLength, twin.overLengthIcon,
                   twin.overWidth))
        return;
    for (int i = 1; i <= m_plan.upperBound(); ++i) {
        if (m_plan.at(i).text == twin.elementText) {
            MsgBox(twin.alreadyThere, MsgButtons::Ok, MsgIcon::Information);
            closeSizeFrame(d);
            return;
        }
    }
    const QList<int> rooms = m_plan.highlighted();
    std::pair<double, double> size{0, 0};
    if (!rooms.isEmpty()) {
        const auto twips = sizeInTwips(d);
        if (!twips)
            return;
        size = *twips;
        if (m_plan.room() < rooms.size()) {
            MsgBox(QStringLiteral("The plan cannot hold more elements"), MsgButtons::Ok,
                   MsgIcon::Information);
            return;
        }
    }
    GreatFengShuiModule &module = modGreatFengShui();
    for (int i : rooms) {
        const PlanElement room = m_plan.at(i);
        const int n = *addElement(m_plan, twin.elementText, room.left, room.top, size.first,
                                  size.second);
        module.RoomCount = n;
        module.*twin.index = static_cast<qint16>(n);
    }
    setToggleCaption(toggle, twin.deleteCaption);
    module.*twin.exists = true;
    closeSizeFrame(d);
}

void frmMainFengShuiBagua::cmdFrontEntrence_Click()
{
    toggleEntrance(kMainEntrance, m_me, cmdFrontEntrence);
}

void frmMainFengShuiBagua::cmdBackEntrence_Click()
{
    toggleEntrance(kBackEntrance, m_be, cmdBackEntrence);
}

void frmMainFengShuiBagua::cmdMEDirectionOk_Click()
{
    chooseSizeBox(m_me);
}

void frmMainFengShuiBagua::cmdBEDirectionOk_Click()
{
    chooseSizeBox(m_be);
}

void frmMainFengShuiBagua::cmdMEDirectionCancel_Click()
{
    m_me.facingFrame->hide();
}

void frmMainFengShuiBagua::cmdBEDirectionCancel_Click()
{
    m_be.facingFrame->hide();
}

void frmMainFengShuiBagua::cmdMEOk_Click()
{
    confirmEntranceSize(kMainEntrance, m_me, cmdFrontEntrence);
}

void frmMainFengShuiBagua::cmdBEOk_Click()
{
    confirmEntranceSize(kBackEntrance, m_be, cmdBackEntrence);
}

void frmMainFengShuiBagua::cmdMECancel_Click()
{
    closeSizeFrame(m_me);
}

void frmMainFengShuiBagua::cmdBECancel_Click()
{
    closeSizeFrame(m_be);
}

void frmMainFengShuiBagua::cmdDoor_Click()
{
    BaguaEditorFields &fields = baguaEditorFields();
    if (!fields.RoomSelected) {
        MsgBox(QStringLiteral("Please select a room"));
        return;
    }
    fields.DoorCount =
        inputBox().ask(QStringLiteral("You can create maximum one door at a time"), kAppTitle,
                       QString());
    if (fields.DoorCount.isEmpty())
        return;
    if (!isNumeric(fields.DoorCount)) {
        MsgBox(QStringLiteral("Please insert only number"));
        return;
    }
    if (leadingNumber(fields.DoorCount) > 1) {
        MsgBox(QStringLiteral("You canot create more than one door at a time"));
        return;
    }
    m_door.facingFrame->show();
    cmdDoor->hide();
}

void frmMainFengShuiBagua::cmdDoorDirectionOk_Click()
{
    chooseSizeBox(m_door);
}

void frmMainFengShuiBagua::cmdDoorDirectionCancel_Click()
{
    m_door.facingFrame->hide();
    cmdDoor->show();
}

void frmMainFengShuiBagua::cmdDoorOk_Click()
{
    if (!checkSize(m_door, QStringLiteral("Please enter length of the door"), MsgIcon::None,
                   QStringLiteral("Lengte of the door can't be greater than room length"),
                   MsgIcon::None, QStringLiteral("Length of the door can't be greater than room width")))
        return;
    const int doors = static_cast<int>(roundHalfEven(leadingNumber(baguaEditorFields().DoorCount)));
    const QList<int> rooms = doors > 0 ? m_plan.highlighted() : QList<int>();
    std::pair<double, double> size{0, 0};
    if (!rooms.isEmpty()) {
        const auto twips = sizeInTwips(m_door);
        if (!twips)
            return;
        size = *twips;
        if (m_plan.room() < rooms.size() * doors) {
            MsgBox(QStringLiteral("The plan cannot hold more elements"), MsgButtons::Ok,
                   MsgIcon::Information);
            return;
        }
    }
    GreatFengShuiModule &module = modGreatFengShui();
    for (int i : rooms) {
        const PlanElement room = m_plan.at(i);
        for (int d = 0; d < doors; ++d)
            module.RoomCount = *addElement(m_plan, QString(), room.left, room.top, size.first,
                                           size.second);
    }
    m_door.sizeFrame->hide();
    m_door.lengthBox->clear();
    m_door.widthBox->clear();
    cmdDoor->show();
    module.DoorExists = true;
}

void frmMainFengShuiBagua::cmdDoorCancel_Click()
{
    m_door.lengthBox->clear();
    m_door.widthBox->clear();
    m_door.sizeFrame->hide();
    cmdDoor->show();
}

void frmMainFengShuiBagua::cmdDeleteDoor_Click()
{
    GreatFengShuiModule &module = modGreatFengShui();
    if (!module.DoorSelected) {
        MsgBox(QStringLiteral("Plase select a door to delete"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    for (int i : m_plan.highlighted())
        retireDoor(m_plan, i);
    baguaEditorFields().RoomSelected = false;
    module.DoorExists = false;
}

// ---- Bagua chart -----------------------------------------------------------

void frmMainFengShuiBagua::cmdSavePicture_Click()
{
    GenerateBaguaChart(m_plan, this);
}

void frmMainFengShuiBagua::mnuBaguaChart_Click()
{
    cmdSavePicture_Click();
}

} // namespace tessavo::floorplan
