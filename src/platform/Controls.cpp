#include "platform/Controls.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcutEvent>

namespace tessavo {

QString arrayName(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

Label::Label(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

Label::Label(const QString &name, const QString &caption, QWidget *parent) : Label(parent)
{
    setObjectName(name);
    setText(caption);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    event->accept();
    if (click)
        emit Click();
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The widget default treats the second press as a press, so its release
    // would click again.
    m_pressed = false;
    event->accept();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit MouseMove();
}

PictureBox::PictureBox(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit MouseMove();
}

MultiLineTextBox::MultiLineTextBox(QWidget *parent) : QPlainTextEdit(parent) {}

void MultiLineTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}

Label *makeLinkLabel(const QString &name, const QString &caption, QWidget *parent)
{
    auto *label = new Label(name, caption, parent);
    label->setCursor(Qt::PointingHandCursor);
    label->setWordWrap(true);
    return label;
}

FocusHook::FocusHook(QWidget *target, std::function<void()> gotFocus,
                     std::function<void()> lostFocus)
    : QObject(target), m_got(std::move(gotFocus)), m_lost(std::move(lostFocus))
{
    target->installEventFilter(this);
}

bool FocusHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && m_got) {
        m_got();
    } else if (event->type() == QEvent::FocusOut && m_lost) {
        // Switching to another program or opening a popup does not move the
        // focus between the program's own controls.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_lost();
    }
    return QObject::eventFilter(watched, event);
}

KeyPressHook::KeyPressHook(QWidget *target, std::function<bool(QKeyEvent *)> keyPress)
    : QObject(target), m_keyPress(std::move(keyPress))
{
    target->installEventFilter(this);
}

bool KeyPressHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_keyPress) {
        if (!m_keyPress(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

namespace {

// The keys that press a button, in every window: Enter on the focused
// button, as Space does (the toolkit does so only in dialogs), and the
// button's mnemonic, at once. The toolkit's own mnemonic press clicks from
// a timer a tenth of a second later, and timers run inside any box opened
// meanwhile: a mouse click on a command just after the key would have the
// key's click run inside the command's question.
class ButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            return enterPressed(watched, static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::Shortcut)
            return mnemonicPressed(watched, static_cast<QShortcutEvent *>(event));
        return false;
    }

private:
    static bool enterPressed(QObject *watched, const QKeyEvent *key)
    {
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // Held down, Enter presses the button once, and Ctrl+Enter and the
        // like stay free for shortcuts.
        if (!enter || key->isAutoRepeat() ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->isEnabled())
            return false;
        // Taken here, the key cannot also reach a dialog's own default-button
        // handling and press a second time.
        button->click();
        return true;
    }

    // A shortcut that reaches a button is the button's own mnemonic. One
    // that two controls of the window share only moves the focus, which the
    // toolkit does itself.
    static bool mnemonicPressed(QObject *watched, const QShortcutEvent *shortcut)
    {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || shortcut->isAmbiguous())
            return false;
        if (button->isEnabled()) {
            if (button->focusPolicy() != Qt::NoFocus)
                button->setFocus(Qt::ShortcutFocusReason);
            button->click();
        }
        return true;
    }
};

} // namespace

void installButtonKeys(QCoreApplication *app)
{
    app->installEventFilter(new ButtonKeys(app));
}

void setVerdana(QWidget *widget, double points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace tessavo
