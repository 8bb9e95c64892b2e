#include "frame/MDI.h"

#include "frame/AppIcon.h"
#include "frame/HelpMenu.h"
#include "frame/WindowParts.h"
#include "frame/frmNagScreen2.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace tessavo {

const std::array<const char *, 5> MDI::kToolWindows = {
    "frmMainFengShuiKuaNumber", "frmMainFengShuiLoShu", "frmMainFengShuiFlyingStar",
    "frmMainFengShuiBaZi",      "frmMainFengShuiBagua",
};

const std::array<const char *, 15> MDI::kToolSideWindows = {
    "frmDisplay",           "frmFengShuiDetails",        "frmFengShuiFourPillar",
    "frmFlyingStar",        "frmLoshu",                  "frmMainFengShuiBagua",
    "frmMainFengShuiBaZi",  "frmMainFengShuiFlyingStar", "frmMainFengShuiKuaNumber",
    "frmMainFengShuiLoShu", "frmRoomAnalysis",           "frmSaveFengShuiBaZi",
    "frmSaveFengShuiFlyingStar", "frmSaveFengShuiKuaNumber", "frmSaveFengShuiLoShu",
};

namespace {

const QString kVersionCaption = QStringLiteral("Tessavo v1.75");

// Design heights of the two bars and of the splash panel, in twips.
constexpr double kTopBarHeight = 1545;
constexpr double kBottomBarHeight = 600;
constexpr double kSplashHeight = 8655;

const QColor kNavy(0, 0, 128);

struct CaptionRow {
    const char *text;
    QColor colour;
    double left;
    double top;
    double width; // 0: as wide as the text
    double points;
    bool bold;
};

const std::array<CaptionRow, 9> kCaptions = {{
    {"Welcome to Tessavo", Qt::red, 2670, 600, 0, 14, true},
    {"Tessavo is a comprehensive and advanced Feng Shui software and the first of its kind to be "
     "ever launched by an esoteric website. The program has a combined collection of Feng Shui "
     "softwares based on the different schools of thought.",
     QColor(0, 128, 0), 360, 960, 10215, 9, false},
    {"Tessavo includes the following:", QColor(210, 94, 49), 2280, 2040, 0, 10, true},
    {"Orlix Kua Number", kNavy, 2280, 2640, 0, 9, true},
    {"Orlix Lo Shu Number", kNavy, 2280, 3120, 0, 9, true},
    {"Orlix Flying Star", kNavy, 2280, 3600, 0, 9, true},
    {"Orlix Ba Zi ", kNavy, 2280, 4080, 0, 9, true},
    {"Orlix Bagua", kNavy, 2280, 4560, 0, 9, true},
    {"Click on the corresponding icon above to start the program of your choice.",
     QColor(128, 0, 0), 1800, 5280, 0, 9, false},
}};

const std::array<const char *, 5> kToolCaptions = {"Kua Number", "Lo Shu", "Flying Star", "Ba Zi",
                                                   "Bagua"};

// Runs one step of a handler whose errors are ignored.
template <class Step> void ignoringErrors(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

void centreOnScreen(QWidget *control)
{
    const double screenWidth = services().screen ? services().screen->widthTwips() : 0;
    const double width = twips::fromPixels(control->width());
    control->move(twips::toPixels(twips::centredLeft(screenWidth, width)), control->y());
}

} // namespace

MDI::MDI() : Form(QString::fromLatin1(kName), FormKind::TopLevel)
{
    setCaption(kVersionCaption);
    setVerdana(this, 8.25);
    setWindowIcon(QPixmap::fromImage(applicationIconImage(32)));
    // Maximized: the layout centres by the screen width and puts Exit far to
    // the right, so it expects a client area about as wide as the screen.
    // Without a window manager the state alone does not size the window.
    resize(twips::size(8865, 5865));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(m_menuBar);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    layout->addWidget(m_client);

    // The area the tool windows open in lies under the splash panel.
    m_mdiArea = new QMdiArea(m_client);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(QColor(128, 128, 128));
    FormRegistry::instance().setMdiArea(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow *active) { showMenusOf(active); });

    // Top bar: heading, forum link and the tool buttons.
    Picture1 = new PictureBox(QStringLiteral("Picture1"), m_client);
    lblHeading = new Label(QStringLiteral("lblHeading"), QStringLiteral("Tessavo"), Picture1);
    setVerdana(lblHeading, 16, true);
    setForeground(lblHeading, Qt::blue);
    lblHeading->setAlignment(Qt::AlignCenter);
    lblHeading->setGeometry(twips::rect(1380, 0, 3900, 435));
    lblURL = makeLinkLabel(QStringLiteral("lblURL"), QString(), Picture1);
    setForeground(lblURL, Qt::blue);
    lblURL->setAlignment(Qt::AlignCenter);
    lblURL->setGeometry(twips::rect(570, 450, 5520, 465));
    fraContainer = new QGroupBox(Picture1);
    fraContainer->setObjectName(QStringLiteral("fraContainer"));
    fraContainer->setGeometry(twips::rect(120, 840, 8295, 615));
    for (int i = 0; i < 5; ++i) {
        picIcon[i] = new Label(arrayName(QStringLiteral("picIcon"), i), QString(), fraContainer);
        picIcon[i]->setPixmap(QPixmap::fromImage(toolIconImage(i, twips::toPixels(360))));
        picIcon[i]->setGeometry(twips::rect(60 + 1680 * i, 150, 405, 405));
        cmdCallMainForm[i] = new QPushButton(QString::fromLatin1(kToolCaptions[i]), fraContainer);
        cmdCallMainForm[i]->setObjectName(arrayName(QStringLiteral("cmdCallMainForm"), i));
        cmdCallMainForm[i]->setGeometry(twips::rect(480 + 1680 * i, 120, 1095, 480));
        connectCommand(cmdCallMainForm[i], &QPushButton::clicked, this,
                       [this, i] { cmdCallMainForm_Click(i); });
    }

    // The splash panel with the list of tools.
    m_picMain = new PictureBox(QStringLiteral("picMain"), m_client);
    setBackground(m_picMain, Qt::white);
    m_picMain->installEventFilter(this);
    connect(m_picMain, &PictureBox::MouseMove, this, [this] { picMain_MouseMove(); });
    for (int i = 0; i < 9; ++i) {
        const CaptionRow &row = kCaptions[i];
        auto *label = new Label(arrayName(QStringLiteral("lblCaptions"), i),
                                QString::fromLatin1(row.text), m_picMain);
        setVerdana(label, row.points, row.bold);
        setForeground(label, row.colour);
        label->move(twips::point(row.left, row.top));
        if (row.width > 0) {
            label->setWordWrap(true);
            label->setFixedWidth(twips::toPixels(row.width));
            label->adjustSize();
        } else {
            label->adjustSize();
        }
        if (i >= 3 && i <= 7)
            label->setCursor(Qt::PointingHandCursor);
        connectCommand(label, &Label::Click, this, [this, i] { lblCaptions_Click(i); });
        connect(label, &Label::MouseMove, this, [this, i] { lblCaptions_MouseMove(i); });
        lblCaptions[i] = label;
    }

    // Bottom bar: the two offers and Exit.
    Picture2 = new PictureBox(QStringLiteral("Picture2"), m_client);
    lblFullBrand = makeLinkLabel(QStringLiteral("lblFullBrand"), QString(), Picture2);
    lblFullBrand->setGeometry(twips::rect(0, 0, 6945, 615));
    setForeground(lblFullBrand, Qt::blue);
    setVerdana(lblFullBrand, 7.5);
    lblCobrand = makeLinkLabel(QStringLiteral("lblCobrand"), QString(), Picture2);
    lblCobrand->setGeometry(twips::rect(0, 0, 6945, 615));
    setForeground(lblCobrand, Qt::blue);
    setVerdana(lblCobrand, 7.5);
    setBackground(lblCobrand, palette().color(QPalette::Window));
    lblCobrand->raise();
    cmdExit = new QPushButton(QStringLiteral("&Exit"), Picture2);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(twips::rect(13350, 90, 1200, 400));
    connectCommand(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    addChildWindowKeys();

    // Menus.
    addFileMenu(this, {{"mnuExit", "E&xit", [this] { mnuExit_Click(); }}});
    addHelpMenu(this);
    showMenusOf(nullptr);

    wireLinkLabels(this);
    layoutClientArea();
}

MDI::~MDI()
{
    // The area announces a change of active window as it goes.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow *sub : m_mdiArea->subWindowList()) {
        if (auto *child = qobject_cast<Form *>(sub->widget()))
            child->frameGoesFirst();
    }
}

void MDI::Form_Load()
{
    ignoringErrors([&] { centreOnScreen(lblHeading); });
    ignoringErrors([&] { centreOnScreen(lblURL); });
    ignoringErrors([&] { centreOnScreen(fraContainer); });
    for (Label *label : lblCaptions)
        ignoringErrors([&] { centreOnScreen(label); });
}

void MDI::Form_Unload()
{
    // The tool windows close with the main window.
    auto &registry = FormRegistry::instance();
    for (Form *child : registry.loaded()) {
        if (child->kind() == FormKind::Child)
            ignoringErrors([&] { registry.unload(child); });
    }
    ignoringErrors([] { form<frmNagScreen2>().Show(); });
    ignoringErrors([&] {
        if (Form *start = registry.find(QStringLiteral("frmNagScreen")))
            start->Hide();
    });
    registry.setMdiArea(nullptr);
}

void MDI::unloadToolSideWindows()
{
    auto &registry = FormRegistry::instance();
    for (const char *name : kToolSideWindows)
        ignoringErrors([&] { registry.unload(QString::fromLatin1(name)); });
}

void MDI::ShowToolForm(int i)
{
    unloadToolSideWindows();
    ignoringErrors([&] { m_picMain->setVisible(false); });
    if (i < 0 || i >= static_cast<int>(kToolWindows.size()))
        return;
    ignoringErrors([&] {
        // Loading runs the window's own load handler before it is placed.
        Form *tool = FormRegistry::instance().load(QString::fromLatin1(kToolWindows[i]));
        if (!tool)
            return;
        tool->placeAsToolWindow();
        tool->Show();
    });
}

void MDI::cmdCallMainForm_Click(int Index)
{
    ShowToolForm(Index);
}

void MDI::lblCaptions_Click(int Index)
{
    // Every caption closes the tools and hides the panel; only the tool
    // captions open a tool.
    ShowToolForm(Index >= 3 && Index <= 7 ? Index - 3 : -1);
}

void MDI::lblCaptions_MouseMove(int Index)
{
    if (Index < 3 || Index > 7)
        return;
    QFont font = lblCaptions[Index]->font();
    font.setUnderline(true);
    lblCaptions[Index]->setFont(font);
}

void MDI::picMain_MouseMove()
{
    for (Label *label : lblCaptions) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

void MDI::cmdExit_Click()
{
    ignoringErrors([this] { FormRegistry::instance().unload(this); });
}

void MDI::mnuExit_Click()
{
    cmdExit_Click();
}

void MDI::addChildWindowKeys()
{
    // Ctrl+F4 closes the active tool window the way its close box does, so
    // its unload handler runs; Ctrl+F6 and Ctrl+Shift+F6 go to the next and
    // the previous one. The frame's own Ctrl+W stays, and Ctrl+Tab is the
    // area's. As shortcuts, a held key closes one window, not one after
    // another, and behind a box they are refused like any command.
    const struct {
        QKeyCombination keys;
        void (QMdiArea::*step)();
    } keys[] = {
        {Qt::CTRL | Qt::Key_F4, &QMdiArea::closeActiveSubWindow},
        {Qt::CTRL | Qt::Key_F6, &QMdiArea::activateNextSubWindow},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_F6, &QMdiArea::activatePreviousSubWindow},
    };
    for (const auto &key : keys) {
        auto *action = new QAction(this);
        action->setShortcut(key.keys);
        action->setAutoRepeat(false);
        addAction(action);
        connectCommand(action, &QAction::triggered, this,
                       [area = m_mdiArea, step = key.step] { (area->*step)(); });
    }
}

void MDI::showMenusOf(QMdiSubWindow *active)
{
    const Form *child = active ? qobject_cast<Form *>(active->widget()) : nullptr;
    const QList<QAction *> &entries =
        child && !child->menuBarActions().isEmpty() ? child->menuBarActions() : menuBarActions();
    m_menuBar->clear();
    for (QAction *entry : entries)
        m_menuBar->addAction(entry);
}

void MDI::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    layoutClientArea();
}

bool MDI::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picMain &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        layoutClientArea();
    return Form::eventFilter(watched, event);
}

void MDI::layoutClientArea()
{
    const int width = m_client->width();
    const int height = m_client->height();
    const int top = twips::toPixels(kTopBarHeight);
    const int bottomBar = twips::toPixels(kBottomBarHeight);
    Picture1->setGeometry(0, 0, width, top);
    Picture2->setGeometry(0, std::max(top, height - bottomBar), width, bottomBar);
    const int room = std::max(0, height - top - bottomBar);
    // The splash panel covers at least the whole room between the bars, so
    // while it shows no tool window can be seen.
    int areaTop = top;
    if (!m_picMain->isHidden()) {
        const int panel = std::max(twips::toPixels(kSplashHeight), room);
        m_picMain->setGeometry(0, top, width, panel);
        areaTop = top + room;
    }
    m_mdiArea->setGeometry(0, areaTop, width, std::max(0, top + room - areaTop));
    Picture2->raise();
}

void setSplashPanelVisible(bool visible)
{
    if (Form *main = FormRegistry::instance().find(QString::fromLatin1(MDI::kName)))
        static_cast<MDI *>(main)->picMain()->setVisible(visible);
}

} // namespace tessavo
