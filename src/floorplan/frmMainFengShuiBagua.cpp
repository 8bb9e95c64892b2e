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

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <utility>

namespace tessavo::floorplan {

// What differs between the main and the back entrance.
struct EntranceTwin {
    QString createCaption;
    QString deleteCaption;
    QString elementText;
    QString noRoom;
    SizeRefusals size;
    QString alreadyThere;
    bool GreatFengShuiModule::*exists;
    qint16 GreatFengShuiModule::*index;
    bool GreatFengShuiModule::*noRoomHighlighted;
};

namespace {

const EntranceTwin kMainEntrance{
    QStringLiteral("Main Entrance"),
    QStringLiteral("Delete Main Entrance"),
    kMainEntranceText,
    QStringLiteral("Please select a room to create Main Entrance"),
    {
        QStringLiteral("Please enter length of the Main Entrance"),
        MsgIcon::None,
        QStringLiteral("Lengte of the Main Entrance can't be greater than room length"),
        MsgIcon::None,
        QStringLiteral("Length of the Main Entrance can't be greater than room width"),
    },
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
    {
        QStringLiteral("Please enter length of the Back Entrance"),
        MsgIcon::Information,
        QStringLiteral("Length of the Back Entrance can't be greater than room length"),
        MsgIcon::Information,
        QStringLiteral("Length of The back Entrance can't be greater than room width"),
    },
    QStringLiteral("Back entrance already exist"),
    &GreatFengShuiModule::BackEntranceExists,
    &GreatFengShuiModule::BackEntranceIndex,
    &GreatFengShuiModule::NoRoomHighlightedBE,
};

const SizeRefusals kDoorSize{
    QStringLiteral("Please enter length of the door"),
    MsgIcon::None,
    QStringLiteral("Lengte of the door can't be greater than room length"),
    MsgIcon::None,
    QStringLiteral("Length of the door can't be greater than room width"),
};

// Compass captions by direction index: up, down, left, right.
const char *const kCompass[4][4] = {
    {"N", "S", "W", "E"},
    {"S", "N", "E", "W"},
    {"W", "E", "S", "N"},
    {"E", "W", "N", "S"},
};

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

void inform(const QString &text)
{
    MsgBox(text, MsgButtons::Ok, MsgIcon::Information);
}

} // namespace

// ---- Construction ----------------------------------------------------------

frmMainFengShuiBagua::frmMainFengShuiBagua() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    PlotBox::Handlers plot;
    plot.mouseDown = [this](int index, Qt::MouseButton button) {
        txtRoom_MouseDown(index, button);
    };
    plot.mouseMove = [this](int index, Qt::MouseButtons buttons) {
        txtRoom_MouseMove(index, buttons);
    };
    plot.dragTo = [this](int index, double left, double top) {
        if (m_plan.contains(index))
            m_plan.setPosition(index, left, top);
    };
    // After a drag as after a click, the element's mouse-up runs the overlap
    // step.
    plot.mouseUp = [this](int index) { txtRoom_MouseUp(index); };
    setupUi(this, m_plan, std::move(plot));
    // The toggles' tooltips follow their captions.
    setToggleCaption(cmdFrontEntrence, kMainEntrance.createCaption);
    setToggleCaption(cmdBackEntrence, kBackEntrance.createCaption);

    addFileMenu(this, {{"mnuBaguaChart", "Generate Bagua &Chart",
                        command(&frmMainFengShuiBagua::mnuBaguaChart_Click)},
                       {"mnuOpen", "&Open", command(&frmMainFengShuiBagua::mnuOpen_Click)},
                       {"mnuSave", "&Save", command(&frmMainFengShuiBagua::mnuSave_Click)},
                       {"mnuExit", "E&xit", command(&frmMainFengShuiBagua::mnuExit_Click)}});
    addHelpMenu(this);
    wireLinkLabels(this);
    connectHandlers();

    m_plan.setObserver([this](int index, Plan::Change change) { elementChanged(index, change); });
}

frmMainFengShuiBagua::~frmMainFengShuiBagua()
{
    // The plot goes with its parent; neither it nor the plan may reach the
    // other after.
    m_plan.setObserver({});
    picRoomLocation->dropHandlers();
}

void frmMainFengShuiBagua::connectHandlers()
{
    const std::pair<QPushButton *, Command> clicks[] = {
        {cmdMesure, &frmMainFengShuiBagua::cmdMesure_Click},
        {Command1, &frmMainFengShuiBagua::Command1_Click},
        {cmdAddRoom, &frmMainFengShuiBagua::cmdAddRoom_Click},
        {cmdDefaultRoom, &frmMainFengShuiBagua::cmdDefaultRoom_Click},
        {cmdOK, &frmMainFengShuiBagua::cmdOk_Click},
        {cmdCancel, &frmMainFengShuiBagua::cmdCancel_Click},
        {cmdDeleteRoom, &frmMainFengShuiBagua::cmdDeleteRoom_Click},
        {Command2, &frmMainFengShuiBagua::Command2_Click},
        {cmdOpen, &frmMainFengShuiBagua::cmdOpen_Click},
        {cmdFrontEntrence, &frmMainFengShuiBagua::cmdFrontEntrence_Click},
        {cmdBackEntrence, &frmMainFengShuiBagua::cmdBackEntrence_Click},
        {dlgME.directionOk, &frmMainFengShuiBagua::cmdMEDirectionOk_Click},
        {dlgBE.directionOk, &frmMainFengShuiBagua::cmdBEDirectionOk_Click},
        {dlgME.directionCancel, &frmMainFengShuiBagua::cmdMEDirectionCancel_Click},
        {dlgBE.directionCancel, &frmMainFengShuiBagua::cmdBEDirectionCancel_Click},
        {dlgME.ok, &frmMainFengShuiBagua::cmdMEOk_Click},
        {dlgBE.ok, &frmMainFengShuiBagua::cmdBEOk_Click},
        {dlgME.cancel, &frmMainFengShuiBagua::cmdMECancel_Click},
        {dlgBE.cancel, &frmMainFengShuiBagua::cmdBECancel_Click},
        {cmdDoor, &frmMainFengShuiBagua::cmdDoor_Click},
        {dlgDoor.directionOk, &frmMainFengShuiBagua::cmdDoorDirectionOk_Click},
        {dlgDoor.directionCancel, &frmMainFengShuiBagua::cmdDoorDirectionCancel_Click},
        {dlgDoor.ok, &frmMainFengShuiBagua::cmdDoorOk_Click},
        {dlgDoor.cancel, &frmMainFengShuiBagua::cmdDoorCancel_Click},
        {cmdDeleteDoor, &frmMainFengShuiBagua::cmdDeleteDoor_Click},
        {cmdSavePicture, &frmMainFengShuiBagua::cmdSavePicture_Click},
    };
    for (const auto &[button, handler] : clicks)
        connectCommand(button, &QPushButton::clicked, this, command(handler));
    connectCommand(lstRoom, &ListBox::Click, this, command(&frmMainFengShuiBagua::lstRoom_Click));
}

std::function<void()> frmMainFengShuiBagua::command(Command handler)
{
    return [this, handler] {
        // A command reads the plan as the user's gestures left it: a drag
        // still under way (a mnemonic pressed with the button down) goes
        // back to where its press found the element, as when a box opens.
        picRoomLocation->cutOffGesture();
        (this->*handler)();
    };
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

// ---- Load and unload -------------------------------------------------------

void frmMainFengShuiBagua::Form_Load()
{
    RemindUpdateCheck();
    if (!companionFilePresent()) {
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

// ---- Plot size and scale ---------------------------------------------------

bool frmMainFengShuiBagua::ValidatePlotSize()
{
    if (txtPlotLength->text().isEmpty()) {
        inform(QStringLiteral("Please enter your plot length"));
        txtPlotLength->setFocus();
        return false;
    }
    if (txtPlotWidth->text().isEmpty()) {
        inform(QStringLiteral("Please enter your plot width"));
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
        inform(QStringLiteral("Please enter your plot length as a number greater than 0"));
        txtPlotLength->setFocus();
        return false;
    }
    const std::optional<double> width = plotScale(txtPlotWidth->text());
    if (!width) {
        inform(QStringLiteral("Please enter your plot width as a number greater than 0"));
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

// ---- Plot direction --------------------------------------------------------

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
        inform(QStringLiteral("The plan cannot hold more elements"));
        return;
    }

    module.NewRoomHeightTwips = *height;
    module.NewRoomWidthTwips = *across;
    module.RoomCount =
        *addElement(m_plan, name, 0, 0, module.NewRoomWidthTwips, module.NewRoomHeightTwips);

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
        inform(QStringLiteral("Sorry you cannot overlap rooms"));
}

// ---- Plan file -------------------------------------------------------------

void frmMainFengShuiBagua::Command2_Click()
{
    // The entrances, doors and overlaps are looked for in the plan itself:
    // the flags that the toggles, the door dialog, Open and a room's drop
    // set outlive the plan they describe (a Save's clearing, a new visit, a
    // room added, opened or deleted since), and trusting them would write a
    // plan with no Main Entrance, with rooms over rooms, or none at all.
    GreatFengShuiModule &module = modGreatFengShui();
    if (!planBears(m_plan, kMainEntranceText))
        return inform(QStringLiteral("Please create Main Entrance"));
    if (!planBears(m_plan, kBackEntranceText) &&
        MsgBox(QStringLiteral("There is no Back Entrance") + QStringLiteral("\r\n") +
                   QStringLiteral("Do you want To create ?"),
               MsgButtons::YesNo) == MsgAnswer::Yes)
        return;
    if (!entranceInsideTest(m_plan, kMainEntranceText))
        return inform(QStringLiteral("Main Entrance must be inside the room"));
    if (!entranceInsideTest(m_plan, kBackEntranceText))
        return inform(QStringLiteral("Back Entrance must be inside the room"));
    if (!planBears(m_plan, QString()))
        return inform(QStringLiteral("Please Create Doors"));
    module.DoorExists = true;
    if (planHasOverlappingRooms(m_plan))
        return inform(QStringLiteral("You cannot overlap rooms"));
    if (MsgBox(QStringLiteral("Do you want to save the Plot Chart?"), MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;

    // The plan is cleared only once it is safely on disk.
    QString error;
    if (!writePlanFile(planFilePath(programFolderPath()), planRecords(m_plan), &error)) {
        MsgBox(QStringLiteral("The Plot Chart could not be saved: ") + error +
                   QStringLiteral("\r\nYour chart is still here; nothing was changed."),
               MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    while (module.RoomCount > 0 && m_plan.upperBound() > 0) {
        m_plan.unloadLast();
        --module.RoomCount;
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
    if (lblWidthMesure->text().isEmpty() || lblLengthMesure->text().isEmpty()) {
        inform(QStringLiteral("Please reduced scale measure"));
        txtPlotLength->setFocus();
        return;
    }
    const QString path = planFilePath(programFolderPath());
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
        MsgBox(
            QStringLiteral("The saved Plot Chart is damaged and was not opened.\r\nLine %1 of %2: "
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

// ---- Entrances -------------------------------------------------------------

void frmMainFengShuiBagua::setToggleCaption(QPushButton *toggle, const QString &caption)
{
    toggle->setText(caption);
    const bool main = toggle == cmdFrontEntrence;
    const bool create =
        caption == (main ? kMainEntrance.createCaption : kBackEntrance.createCaption);
    if (main)
        toggle->setToolTip(create
                               ? QStringLiteral("Create a Room and Click on this button to create "
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
            dialog.showFacing();
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

// Entrances and doors alike are made at the top-left corner of the
// highlighted room, sized by their dialog.
bool frmMainFengShuiBagua::placeOnHighlightedRooms(const FacingDialog &dialog, const QString &text,
                                                   int perRoom,
                                                   qint16 GreatFengShuiModule::*lastIndex)
{
    const QList<int> rooms = perRoom > 0 ? m_plan.highlighted() : QList<int>();
    std::pair<double, double> size{0, 0};
    if (!rooms.isEmpty()) {
        const auto twips = dialog.sizeInTwips();
        if (!twips)
            return false;
        size = *twips;
        if (m_plan.room() < rooms.size() * perRoom) {
            inform(QStringLiteral("The plan cannot hold more elements"));
            return false;
        }
    }
    GreatFengShuiModule &module = modGreatFengShui();
    for (int i : rooms) {
        const PlanElement room = m_plan.at(i);
        for (int made = 0; made < perRoom; ++made) {
            const int n = *addElement(m_plan, text, room.left, room.top, size.first, size.second);
            module.RoomCount = n;
            if (lastIndex)
                module.*lastIndex = static_cast<qint16>(n);
        }
    }
    return true;
}

void frmMainFengShuiBagua::confirmEntranceSize(const EntranceTwin &twin, FacingDialog &dialog,
                                               QPushButton *toggle)
{
    if (!dialog.sizeFits(twin.size))
        return;
    if (planBears(m_plan, twin.elementText)) {
        inform(twin.alreadyThere);
        dialog.closeSizeFrame();
        return;
    }
    if (!placeOnHighlightedRooms(dialog, twin.elementText, 1, twin.index))
        return;
    setToggleCaption(toggle, twin.deleteCaption);
    modGreatFengShui().*twin.exists = true;
    dialog.closeSizeFrame();
}

void frmMainFengShuiBagua::cmdFrontEntrence_Click()
{
    toggleEntrance(kMainEntrance, dlgME, cmdFrontEntrence);
}

void frmMainFengShuiBagua::cmdBackEntrence_Click()
{
    toggleEntrance(kBackEntrance, dlgBE, cmdBackEntrence);
}

void frmMainFengShuiBagua::cmdMEDirectionOk_Click()
{
    dlgME.confirmFacing(lblUp->text());
}

void frmMainFengShuiBagua::cmdBEDirectionOk_Click()
{
    dlgBE.confirmFacing(lblUp->text());
}

void frmMainFengShuiBagua::cmdMEDirectionCancel_Click()
{
    dlgME.hideFacing();
}

void frmMainFengShuiBagua::cmdBEDirectionCancel_Click()
{
    dlgBE.hideFacing();
}

void frmMainFengShuiBagua::cmdMEOk_Click()
{
    confirmEntranceSize(kMainEntrance, dlgME, cmdFrontEntrence);
}

void frmMainFengShuiBagua::cmdBEOk_Click()
{
    confirmEntranceSize(kBackEntrance, dlgBE, cmdBackEntrence);
}

void frmMainFengShuiBagua::cmdMECancel_Click()
{
    dlgME.closeSizeFrame();
}

void frmMainFengShuiBagua::cmdBECancel_Click()
{
    dlgBE.closeSizeFrame();
}

// ---- Doors -----------------------------------------------------------------

void frmMainFengShuiBagua::cmdDoor_Click()
{
    BaguaEditorFields &fields = baguaEditorFields();
    if (!fields.RoomSelected) {
        MsgBox(QStringLiteral("Please select a room"));
        return;
    }
    fields.DoorCount = inputBox().ask(QStringLiteral("You can create maximum one door at a time"),
                                      kAppTitle, QString());
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
    dlgDoor.showFacing();
    // One door dialog at a time.
    cmdDoor->hide();
}

void frmMainFengShuiBagua::cmdDoorDirectionOk_Click()
{
    dlgDoor.confirmFacing(lblUp->text());
}

void frmMainFengShuiBagua::cmdDoorDirectionCancel_Click()
{
    dlgDoor.hideFacing();
    cmdDoor->show();
}

void frmMainFengShuiBagua::cmdDoorOk_Click()
{
    if (!dlgDoor.sizeFits(kDoorSize))
        return;
    const int doors = static_cast<int>(roundHalfEven(leadingNumber(baguaEditorFields().DoorCount)));
    if (!placeOnHighlightedRooms(dlgDoor, QString(), doors, nullptr))
        return;
    dlgDoor.closeSizeFrame();
    cmdDoor->show();
    modGreatFengShui().DoorExists = true;
}

void frmMainFengShuiBagua::cmdDoorCancel_Click()
{
    dlgDoor.closeSizeFrame();
    cmdDoor->show();
}

void frmMainFengShuiBagua::cmdDeleteDoor_Click()
{
    GreatFengShuiModule &module = modGreatFengShui();
    if (!module.DoorSelected) {
        inform(QStringLiteral("Plase select a door to delete"));
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
