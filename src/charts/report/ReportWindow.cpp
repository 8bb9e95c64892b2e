#include "charts/report/ReportWindow.h"

#include "frame/HelpMenu.h"
#include "frame/modRTB.h"
#include "frame/WindowParts.h"
#include "platform/Controls.h"
#include "platform/InputNames.h"
#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QFileInfo>
#include <QPushButton>

#include <algorithm>

namespace tessavo {

namespace {

const QString kRtfFilter = QStringLiteral("Rich Text Format | *.rtf ");
const QString kDefaultExtension = QStringLiteral("txt");

constexpr double kButtonWidth = 1125;
constexpr double kButtonHeight = 345;

// The link labels sit in the margins the table leaves around RTB: two rows
// of small text in the band above it, and the bottom band left of the
// buttons.
constexpr double kMargin = 30;
constexpr double kLabelRow = 195;
constexpr double kLabelGap = 120;
constexpr double kLabelPoints = 7;

// The Qt dialog adds the default extension itself; other dialogs may not,
// and the file must not depend on which one asked.
QString withDefaultExtension(const QString &path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + u'.' + kDefaultExtension;
}

} // namespace

ReportWindow::ReportWindow(const ReportWindowConfig &config)
    : Form(QString::fromLatin1(config.name), FormKind::Child), m_config(config)
{
    setCaption(config.caption);
    setClientSize(config.clientWidth, config.clientHeight);
    setVerdana(this, 8.25);

    const double labelWidth = config.clientWidth - 2 * kMargin;
    Label14 = makeLinkLabel(QStringLiteral("Label14"), QString(), this);
    Label14->setGeometry(twips::rect(kMargin, 0, labelWidth, kLabelRow));
    Label1 = makeLinkLabel(QStringLiteral("Label1"), QString(), this);
    Label1->setGeometry(twips::rect(kMargin, kLabelRow, labelWidth, kLabelRow));

    RTB = new RichTextBox(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    nameAfterCaption(RTB, config.caption);
    RTB->setGeometry(
        twips::rect(config.rtb.x(), config.rtb.y(), config.rtb.width(), config.rtb.height()));

    cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("&Print"), this,
                          config.print.x(), config.print.y(), kButtonWidth, kButtonHeight);
    cmdSave = makeButton(QStringLiteral("cmdSave"), QStringLiteral("&Save"), this, config.save.x(),
                         config.save.y(), kButtonWidth, kButtonHeight);
    setTabOrder(RTB, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);

    const double bandTop = std::min(config.save.y(), config.print.y());
    const double bandRight = std::min(config.save.x(), config.print.x()) - kLabelGap;
    Label37 = makeLinkLabel(QStringLiteral("Label37"), QString(), this);
    Label37->setGeometry(twips::rect(kMargin, bandTop, bandRight - kMargin,
                                     config.clientHeight - bandTop - kMargin));
    Label37->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (Label *label : {Label14, Label1, Label37}) {
        setVerdana(label, kLabelPoints);
        setForeground(label, Qt::blue);
    }

    connectCommand(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connectCommand(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });

    // Text copied from the report goes again as soon as the user touches the
    // box; the report is meant to be saved or printed, not copied.
    for (auto touch : {&RichTextBox::Change, &RichTextBox::Click, &RichTextBox::MouseDown,
                       &RichTextBox::MouseMove, &RichTextBox::MouseUp})
        connect(RTB, touch, this, &guardClipboard);

    wireLinkLabels(this);
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::Form_Load()
{
    placeAsToolWindow();
    // Links are marked as text arrives, so detection is on before the first run.
    if (m_config.linkDetection)
        HookRichTextLinks(RTB, this);
    writeReport();
}

void ReportWindow::Form_Unload()
{
    if (m_config.linkDetection)
        UnhookRichTextLinks();
}

void ReportWindow::cmdSave_Click()
{
    SaveAsDialog *dialog = services().saveAs.get();
    if (!dialog)
        return;
    SaveAsRequest request;
    request.filter = kRtfFilter;
    request.defaultExtension = kDefaultExtension;
    request.title = m_config.saveAsTitle;
    request.promptOverwrite = true;
    request.refuseReadOnly = true;
    request.pathMustExist = true;
    const std::optional<QString> chosen = dialog->ask(request);
    if (!chosen || chosen->isEmpty())
        return;
    // A file that cannot be written leaves the old file, if any, as it was,
    // and the user is told: a report that was not saved must not look saved.
    const QString path = withDefaultExtension(*chosen);
    QString error;
    if (!RTB->SaveFile(path, &error))
        MsgBox(QStringLiteral("The report could not be saved to %1.\r%2").arg(path, error),
               MsgButtons::Ok, MsgIcon::Critical);
}

void ReportWindow::cmdPrint_Click()
{
    // With a selection the box would print only that; the report goes whole.
    RTB->setSelLength(0);
    RTB->SelPrint();
}

void ReportWindow::writeRuns(const ReportRuns &runs)
{
    for (const ReportRun &run : runs) {
        if (run.bold)
            RTB->setSelBold(*run.bold);
        if (run.paletteColour)
            RTB->setSelColor(*run.paletteColour);
        if (!run.text.isEmpty())
            RTB->setSelText(run.text);
    }
}

void ReportWindow::rewrite()
{
    RTB->clearText();
    // The formatting the last report ended with must not leak into the new
    // one: start from that of a freshly loaded box.
    RTB->setSelBold(false);
    RTB->setSelColor(0);
    writeReport();
}

} // namespace tessavo
