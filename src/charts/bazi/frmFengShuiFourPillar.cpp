#include "charts/bazi/frmFengShuiFourPillar.h"

#include "charts/bazi/frmMainFengShuiBaZi.h"
#include "charts/bazi/frmSaveFengShuiBaZi.h"
#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/MDI.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace tessavo::bazi {

namespace {

// The frame of each pillar page, by report order (year, month, day, hour).
constexpr std::array<int, 4> kFrameOfPillar = {3, 2, 1, 0};

struct PillarControls {
    const char *lines; // name of the line-label array
    const char *box;   // name of the interpretation box
};
constexpr std::array<PillarControls, 4> kPillarControls = {{
    {"lblYear", "txtYear"},
    {"lblMonth", "txtMonth"},
    {"lblDay", "txtDay"},
    {"lblHour", "txtHour"},
}};

const QColor kRed(255, 0, 0);

} // namespace

frmFengShuiFourPillar::frmFengShuiFourPillar() : Form(QString::fromLatin1(kName), FormKind::Child)
{
    setCaption(QStringLiteral("Orlix Feng Shui Ba Zi"));
    setClientSize(8085, 4740);
    setVerdana(this, 8.25);

    // The captions of the links come from the link table.
    Label14 = makeLinkLabel(QStringLiteral("Label14"), QString(), this);
    Label14->setGeometry(twips::rect(1740, 0, 4830, 240));
    Label3 = makeLinkLabel(QStringLiteral("Label3"), QString(), this);
    Label3->setGeometry(twips::rect(1920, 240, 4470, 240));
    for (Label *link : {Label14, Label3}) {
        link->setAlignment(Qt::AlignCenter);
        setForeground(link, Qt::blue);
    }
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Ketrisol"), this, 2842, 525, 2400,
                       210);
    Label1->setAlignment(Qt::AlignCenter);
    setVerdana(Label1, 9, true);

    TS = new QTabWidget(this);
    TS->setObjectName(QStringLiteral("TS"));
    TS->setGeometry(twips::rect(0, 840, 8100, 3105));
    const auto &pages = pillarPages();
    for (const PillarPage &page : pages)
        TS->addTab(new QWidget, page.heading);

    // The pillar frames lie over the tab strip's page area; the selected
    // tab's frame is the one that shows.
    QPlainTextEdit **boxes[] = {&txtYear, &txtMonth, &txtDay, &txtHour};
    std::array<Label *, 5> *lines[] = {&lblYear, &lblMonth, &lblDay, &lblHour};
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const int i = kFrameOfPillar[p];
        auto *frame = new QGroupBox(this);
        frame->setObjectName(arrayName(QStringLiteral("fraSubject"), i));
        frame->setGeometry(twips::rect(0, 1140, 8100, 2850));
        fraSubject[static_cast<std::size_t>(i)] = frame;

        Label *caption = makeLabel(arrayName(QStringLiteral("lblCaption"), i),
                                   pages[p].description, frame, 45, 120, 6000, 1215);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblCaption[static_cast<std::size_t>(i)] = caption;

        for (int k = 0; k < 5; ++k) {
            Label *line =
                makeLabel(arrayName(QString::fromLatin1(kPillarControls[p].lines), k), QString(),
                          frame, 6227, 120 + 360 * k, 1815, 285);
            setForeground(line, kRed);
            (*lines[p])[static_cast<std::size_t>(k)] = line;
        }

        Label *heading = makeLabel(arrayName(QStringLiteral("lblLabel"), i),
                                   QStringLiteral("Interpretation"), frame, 45, 1560, 1395, 195);
        setVerdana(heading, 8.25, true);

        auto *box = new MultiLineTextBox(frame);
        box->setObjectName(QString::fromLatin1(kPillarControls[p].box));
        box->setGeometry(twips::rect(42, 1920, 8000, 855));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        heading->setBuddy(box);
        *boxes[p] = box;

        // Text copied from an interpretation goes again as soon as the user
        // touches the box, as in the report.
        connect(box, &QPlainTextEdit::textChanged, this, &guardClipboard);
        box->viewport()->setMouseTracking(true);
        box->viewport()->installEventFilter(this);
    }
    // Not a command: the frame follows the tab chosen, whatever is in front.
    connect(TS, &QTabWidget::currentChanged, this, [this] { TS_Click(); });

    Label12 = makeLinkLabel(QStringLiteral("Label12"), QString(), this);
    Label12->setGeometry(twips::rect(60, 4000, 6180, 675));
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setVerdana(Label12, 7.5);
    setForeground(Label12, Qt::blue);

    cmdSave = makeButton(QStringLiteral("cmdSave"), QStringLiteral("&Save"), this,
                         twips::rect(6600, 3960, 1215, 350), [this] { cmdSave_Click(); });
    cmdBack = makeButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), this,
                         twips::rect(6600, 4320, 1215, 350), [this] { cmdBack_Click(); });

    // The summary of the pillars lies below the window's edge: written by
    // the calculation, never seen.
    Frame1 = new QGroupBox(QStringLiteral("Frame1"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(120, 5880, 4935, 2055));
    for (int i = 0; i < 8; ++i) {
        lblResult[static_cast<std::size_t>(i)] =
            makeLabel(arrayName(QStringLiteral("lblResult"), i), QString(), Frame1, 120,
                      240 + 225 * i, 4695, 225);
    }

    addFileMenu(this, {{"mnuBack", "&Back", [this] { mnuBack_Click(); }},
                       {"mnuSep", nullptr, {}},
                       {"mnuExit", "E&xit", [this] { mnuExit_Click(); }}});
    addHelpMenu(this);

    wireLinkLabels(this);
}

void frmFengShuiFourPillar::Form_Load()
{
    placeAsToolWindow();
    TS->setCurrentIndex(0);
    TS_Click();
}

void frmFengShuiFourPillar::Form_Unload()
{
    setSplashPanelVisible(true);
}

void frmFengShuiFourPillar::TS_Click()
{
    const int tab = TS->currentIndex();
    const int front = tab >= 0 && tab < 3 ? kFrameOfPillar[static_cast<std::size_t>(tab)] : 0;
    for (int i = 0; i < 4; ++i)
        fraSubject[static_cast<std::size_t>(i)]->setVisible(i == front);
    fraSubject[static_cast<std::size_t>(front)]->raise();
}

void frmFengShuiFourPillar::cmdBack_Click()
{
    mnuBack_Click();
}

void frmFengShuiFourPillar::mnuBack_Click()
{
    // The input window comes back with its defaults: Analyze unloaded it.
    auto &input = form<frmMainFengShuiBaZi>();
    input.placeAsToolWindow();
    input.Show();
    FormRegistry::instance().unload(this);
    setSplashPanelVisible(false);
}

void frmFengShuiFourPillar::mnuExit_Click()
{
    FormRegistry::instance().unload(this);
}

void frmFengShuiFourPillar::cmdSave_Click()
{
    // The report window writes nothing itself: its text is this window's.
    // An open report is emptied first, so it never shows an earlier person
    // or the same one twice.
    const bool open = isLoaded<frmSaveFengShuiBaZi>();
    frmSaveFengShuiBaZi &report = form<frmSaveFengShuiBaZi>();
    if (open)
        report.rewrite();
    report.writeRuns(baZiReportRuns(reportPillars()));
    report.Show();
}

std::array<PillarReport, 4> frmFengShuiFourPillar::reportPillars() const
{
    const std::array<const std::array<Label *, 5> *, 4> lines = {&lblYear, &lblMonth, &lblDay,
                                                                 &lblHour};
    const std::array<const QPlainTextEdit *, 4> boxes = {txtYear, txtMonth, txtDay, txtHour};
    std::array<PillarReport, 4> out;
    for (std::size_t p = 0; p < out.size(); ++p) {
        out[p].heading = TS->tabText(static_cast<int>(p));
        out[p].description =
            lblCaption[static_cast<std::size_t>(kFrameOfPillar[p])]->text();
        for (std::size_t k = 0; k < 5; ++k)
            out[p].lines[k] = (*lines[p])[k]->text();
        // The box keeps its line breaks as LF; the report writes CR LF.
        out[p].interpretation =
            boxes[p]->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    return out;
}

bool frmFengShuiFourPillar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        guardClipboard();
        break;
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}

} // namespace tessavo::bazi
