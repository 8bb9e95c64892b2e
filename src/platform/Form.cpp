#include "platform/Form.h"

#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace tessavo {

Form::Form(const QString &name, FormKind kind) : m_name(name), m_kind(kind)
{
    setObjectName(name);
    if (kind == FormKind::TopLevel)
        setWindowFlag(Qt::Window, true);
}

Form::~Form()
{
    if (m_subWindow && !m_frameGoesFirst) {
        // The frame owns this widget; detach so it does not delete us twice.
        m_subWindow->setWidget(nullptr);
        m_subWindow->deleteLater();
    }
}

void Form::ensureFrame()
{
    if (m_kind != FormKind::Child || m_subWindow)
        return;
    QMdiArea *area = FormRegistry::instance().mdiArea();
    if (!area)
        return;
    m_subWindow = new QMdiSubWindow;
    m_subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    m_subWindow->setObjectName(m_name + QStringLiteral("_frame"));
    m_subWindow->setWidget(this);
    m_subWindow->setWindowTitle(windowTitle());
    // Ctrl+F4 closes whichever window is active, by the main window's key; a
    // desktop key scheme that also gives it to each frame's Close would
    // leave it to none.
    if (QMenu *menu = m_subWindow->systemMenu()) {
        for (QAction *action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_F4)) > 0)
                action->setShortcuts(keys);
        }
    }
    area->addSubWindow(m_subWindow);
    m_subWindow->hide();
    fitFrame();
}

void Form::fitFrame()
{
    if (!m_subWindow)
        return;
    // The frame's margins are known only once the style has polished it, so
    // the outer size is right before the window is first shown.
    m_subWindow->ensurePolished();
    if (QLayout *layout = m_subWindow->layout())
        layout->activate();
    m_subWindow->adjustSize();
}

QWidget *Form::frameWidget()
{
    ensureFrame();
    return m_subWindow ? static_cast<QWidget *>(m_subWindow) : this;
}

const QWidget *Form::frameWidget() const
{
    return m_subWindow ? static_cast<const QWidget *>(m_subWindow) : this;
}

void Form::Show()
{
    QWidget *frame = frameWidget();
    show();
    frame->show();
    frame->raise();
    if (m_placeOnShow) {
        // The frame's outer width is final only once it shows.
        m_placeOnShow = false;
        placeAsToolWindow();
    }
    if (m_subWindow) {
        if (QMdiArea *area = m_subWindow->mdiArea())
            area->setActiveSubWindow(m_subWindow);
    } else {
        activateWindow();
    }
}

void Form::ShowModal()
{
    if (m_kind == FormKind::TopLevel)
        setWindowModality(Qt::ApplicationModal);
    Show();
    if (auto &runner = services().modalRunner)
        runner->run(this);
}

void Form::Hide()
{
    frameWidget()->hide();
}

bool Form::Visible() const
{
    return frameWidget()->isVisible();
}

void Form::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    if (m_subWindow)
        m_subWindow->setWindowTitle(caption);
}

QString Form::caption() const
{
    return windowTitle();
}

void Form::setClientSize(double widthTw, double heightTw)
{
    setFixedSize(twips::size(widthTw, heightTw));
    fitFrame();
}

double Form::Left() const
{
    return twips::fromPixels(frameWidget()->x());
}

double Form::Top() const
{
    return twips::fromPixels(frameWidget()->y());
}

double Form::Width() const
{
    return twips::fromPixels(frameWidget()->frameGeometry().width());
}

double Form::Height() const
{
    return twips::fromPixels(frameWidget()->frameGeometry().height());
}

void Form::setLeft(double twips)
{
    QWidget *frame = frameWidget();
    frame->move(twips::toPixels(twips), frame->y());
}

void Form::setTop(double twips)
{
    QWidget *frame = frameWidget();
    frame->move(frame->x(), twips::toPixels(twips));
}

void Form::placeAsToolWindow()
{
    const double screenWidth = services().screen ? services().screen->widthTwips() : 0;
    setLeft(twips::centredLeft(screenWidth, Width()));
    setTop(0);
    m_placeOnShow = !frameWidget()->isVisible();
}

QMenu *Form::addMenu(const QString &name, const QString &caption)
{
    auto *menu = new QMenu(caption, this);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menuBarActions.append(menu->menuAction());
    return menu;
}

QAction *Form::addMenuBarAction(const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    m_menuBarActions.append(action);
    return action;
}

void Form::closeEvent(QCloseEvent *event)
{
    // The close box unloads the window; the registry deletes it later.
    event->ignore();
    FormRegistry::instance().unload(this);
}

} // namespace tessavo
