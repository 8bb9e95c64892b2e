#include "floorplan/frmRoomAnalysis.h"

#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/MDI.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/InputNames.h"
#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QPushButton>

namespace tessavo::floorplan {

frmRoomAnalysis::frmRoomAnalysis() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Bagua"));
    setClientSize(7050, 5370);
    setVerdana(this, 8.25);
    setAutoFillBackground(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(20, 0, 7020, 615));
    setBackground(Frame1, QColor(123, 230, 214));
    Label61 = makeLinkLabel(QStringLiteral("Label61"), QString(), Frame1);
    Label61->setGeometry(twips::rect(40, 120, 6960, 465));
    Label61->setAlignment(Qt::AlignCenter);
    setBackground(Label61, QColor(255, 255, 255));
    setForeground(Label61, QColor(255, 0, 0));

    RTB = new RichTextBox(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    nameAfterCaption(RTB, caption());
    RTB->setGeometry(twips::rect(20, 660, 7020, 3975));

    Label37 = makeLinkLabel(QStringLiteral("Label37"), QString(), this);
    Label37->setGeometry(twips::rect(15, 4680, 5700, 675));
    Label37->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setForeground(Label37, QColor(0, 0, 255));

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setGeometry(twips::rect(5940, 4830, 975, 375));
    setVerdana(cmdOk, 8.25, true);
    QPalette buttonPalette = cmdOk->palette();
    buttonPalette.setColor(QPalette::Button, QColor(128, 128, 128));
    cmdOk->setPalette(buttonPalette);
    connectCommand(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });

    connect(RTB, &RichTextBox::Change, this, &frmRoomAnalysis::RTB_Change);
    connect(RTB, &RichTextBox::Click, this, &frmRoomAnalysis::RTB_Click);
    connect(RTB, &RichTextBox::MouseDown, this, &frmRoomAnalysis::RTB_MouseDown);
    connect(RTB, &RichTextBox::MouseMove, this, &frmRoomAnalysis::RTB_MouseMove);
    connect(RTB, &RichTextBox::MouseUp, this, &frmRoomAnalysis::RTB_MouseUp);

    addFileMenu(this, {{"mnuOk", "&Ok", [this] { mnuOk_Click(); }}});
    addHelpMenu(this);

    wireLinkLabels(this);
}

void frmRoomAnalysis::Form_Load()
{
    placeAsToolWindow();
}

void frmRoomAnalysis::cmdOk_Click()
{
    FormRegistry::instance().unload(this);
    setSplashPanelVisible(false);
}

void frmRoomAnalysis::mnuOk_Click()
{
    cmdOk_Click();
}

void frmRoomAnalysis::RTB_Change()
{
    guardClipboard();
}

void frmRoomAnalysis::RTB_Click()
{
    guardClipboard();
}

void frmRoomAnalysis::RTB_MouseDown()
{
    guardClipboard();
}

void frmRoomAnalysis::RTB_MouseMove()
{
    guardClipboard();
}

void frmRoomAnalysis::RTB_MouseUp()
{
    guardClipboard();
}

void frmRoomAnalysis::setBackColour(const QColor &colour)
{
    setBackground(this, colour);
}

QColor frmRoomAnalysis::backColour() const
{
    return palette().color(QPalette::Window);
}

void frmRoomAnalysis::writeRuns(const QList<StyledRun> &runs)
{
    for (const StyledRun &run : runs) {
        RTB->setSelBold(run.bold);
        RTB->setSelColor(run.colour);
        RTB->setSelFontSize(run.points);
        RTB->setSelText(run.text);
    }
}

} // namespace tessavo::floorplan
