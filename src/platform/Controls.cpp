#include "platform/Controls.h"

#include "platform/Form.h"
#include "platform/ModalLoops.h"

#include <QAbstractNativeEventFilter>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>
#include <QSignalBlocker>

#include <xcb/xcb.h>

#include <array>
#include <optional>

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

MultiLineTextBox::MultiLineTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // A tab typed by Tab went into what the program saves and sends, and
    // kept a keyboard user inside the box.
    setTabChangesFocus(true);
}

void MultiLineTextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier && !isReadOnly()) {
        insertPlainText(QStringLiteral("\t"));
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source && !source->formats().isEmpty())
        QPlainTextEdit::insertFromMimeData(source);
}

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::selectionMoved);
    // Only a press on the entry already chosen is left to click here; one
    // that chose another entry clicked as it chose it.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (!m_pressClicked && item->isSelected())
            click(row(item));
    });
}

void ListBox::selectionMoved()
{
    if (m_puttingBack)
        return;
    const QList<QListWidgetItem *> items = selectedItems();
    const int now = items.isEmpty() ? -1 : row(items.first());
    const int was = m_selected;
    m_selected = now;
    // A reader's selection empties the list before it selects, so an entry
    // selected from nothing is clicked, the chosen one too. Emptying it
    // chooses nothing: a refused click puts back the entry last chosen.
    if (now < 0 || now == was)
        return;
    // The entry chosen is the current one, which a reader's selection
    // leaves where it was: the click reads it, and the arrows go on from it.
    if (currentRow() != now)
        selectionModel()->setCurrentIndex(indexFromItem(item(now)), QItemSelectionModel::NoUpdate);
    m_pressClicked = true;
    click(now);
}

void ListBox::click(int row)
{
    m_refused = false;
    emit Click();
    if (!m_refused)
        m_chosen = row;
}

void ListBox::putBack()
{
    m_refused = true;
    if (m_selected == m_chosen)
        return;
    m_puttingBack = true;
    if (m_chosen < 0)
        clearSelection();
    else
        setCurrentRow(m_chosen);
    m_puttingBack = false;
    m_selected = m_chosen;
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    m_pressClicked = false;
    QListWidget::mousePressEvent(event);
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
//
// A key held down presses once. The toolkit sends every key press first as
// a shortcut override to the focus, then, if a shortcut takes it, as a
// shortcut event to the shortcut's owner, else as a key press; the filter
// sees all three and remembers the key being handled now, and for a press
// that is not an auto-repeat the window it went down in. A shortcut of an
// auto-repeated key does nothing, and the repeats of a key go nowhere once
// the focus is in another window than that one: a box or window that the
// press opened gets no Enter, Escape or letter from them.
//
// X sends each repeat as a release and a press at one moment. The toolkit
// marks the pair as a repeat only when it finds the press already queued
// while it handles the release, and misses it when the press has not come
// in yet (it does, now and then, when a window has just opened). So the
// repeats are told on what X sent, as it comes in, before anything can hold
// it back: a press at the very moment of its key's release is a repeat, any
// other press starts a new holding of its key. Where X sends nothing (other
// platforms), the toolkit's own release of the key gives the moment.
//
// The accessibility bridge, on while any screen reader listens, takes each
// key press and release from the toolkit, asks the reader about it, and
// posts a copy later (or nothing, when the reader keeps the key): the copy
// keeps the key code but has no moment, and often comes after the next
// press's shortcut override. Such a press is judged on its key code: the
// first one since X last sent its key going down is a new press, unless a
// shortcut took that press already; the rest are repeats. A held key
// presses once however its copies come, and a key pressed again after it
// came up presses again.
class ButtonKeys : public QObject, public QAbstractNativeEventFilter {
public:
    using QObject::QObject;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const int type = event->response_type & ~0x80;
        if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
            const auto *key = static_cast<const xcb_key_press_event_t *>(message);
            m_x.note(type == XCB_KEY_PRESS, key->detail, key->time);
        }
        return false;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            seen(watched, static_cast<QKeyEvent *>(event));
            return false;
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            return !seen(watched, key) || enterPressed(watched, key);
        }
        case QEvent::KeyRelease: {
            const auto *key = static_cast<QKeyEvent *>(event);
            m_released = {key->key(), key->timestamp()};
            return false;
        }
        case QEvent::Shortcut:
            // The press goes no further: the bridge has no copy of it to
            // post, and a copy that comes is a repeat's.
            if (const quint32 holding = m_x.holding(m_code))
                m_pressedIn[m_code] = holding;
            return mnemonicPressed(watched, static_cast<QShortcutEvent *>(event));
        default:
            return false;
        }
    }

private:
    // The key events X sent, as they came in.
    class XKeys {
    public:
        void note(bool press, quint8 code, quint32 at)
        {
            Key &key = m_keys[code];
            if (!press) {
                key.releasedAt = at;
                return;
            }
            // A moment of 0 is none: the sender did not say when.
            const bool repeat = at != 0 && key.releasedAt == at;
            if (!repeat)
                ++key.holding;
            m_presses[m_next] = {code, at, repeat};
            m_next = (m_next + 1) % m_presses.size();
        }

        // Whether the press of that code at that moment was a repeat;
        // nothing when X sent no such press, or so long ago that it is
        // forgotten.
        std::optional<bool> repeatAt(quint32 code, quint64 at) const
        {
            for (const Press &p : m_presses) {
                if (p.code == code && p.at == static_cast<quint32>(at))
                    return p.repeat;
            }
            return std::nullopt;
        }

        // Counts the times the key went down; 0 when X never sent it.
        quint32 holding(quint32 code) const { return code < 256 ? m_keys[code].holding : 0; }

    private:
        struct Key {
            quint32 releasedAt = 0;
            quint32 holding = 0;
        };
        struct Press {
            quint8 code = 0;
            quint32 at = 0;
            bool repeat = false;
        };
        std::array<Key, 256> m_keys{};
        // Enough for the repeats of a few seconds the program was too busy
        // to take.
        std::array<Press, 256> m_presses{};
        std::size_t m_next = 0;
    };

    // Notes a key event on its way to a control; false for the repeat of a
    // key that went down in another window. A key event that a control
    // leaves goes on to its parent: there it is the same key, already noted.
    bool seen(QObject *watched, const QKeyEvent *key)
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget) // the window system's window, which hands it to a control
            return true;
        const bool passedUp = key == m_event && key->key() == m_key &&
                              key->timestamp() == m_eventAt && m_receiver &&
                              m_receiver->parentWidget() == widget;
        m_event = key;
        m_eventAt = key->timestamp();
        m_receiver = widget;
        if (passedUp)
            return true;
        m_key = key->key();
        m_code = key->nativeScanCode();
        m_repeat = isRepeat(key);
        if (m_repeat)
            return windowOf(widget) == m_window;
        // Where a key went down is told by the override X's press comes
        // with. The bridge's copy of the press, and the override the toolkit
        // sends ahead of it, come later, when the focus may have moved: a
        // copy of Alt comes after the mnemonic it went with opened a window.
        const bool late = key->timestamp() == 0 && (key->type() == QEvent::ShortcutOverride ||
                                                    m_x.holding(key->nativeScanCode()) != 0);
        if (!late)
            m_window = windowOf(widget);
        return true;
    }

    bool isRepeat(const QKeyEvent *key)
    {
        if (key->isAutoRepeat())
            return true;
        const quint32 code = key->nativeScanCode();
        if (key->timestamp() == 0) {
            if (key->type() != QEvent::KeyPress)
                return false;
            const quint32 holding = m_x.holding(code);
            if (holding == 0)
                return false;
            const bool again = m_pressedIn[code] == holding;
            m_pressedIn[code] = holding;
            return again;
        }
        if (const std::optional<bool> repeat = m_x.repeatAt(code, key->timestamp()))
            return *repeat;
        return m_released == Released{key->key(), key->timestamp()};
    }

    // A form, or the top-level window of a control outside any form (a box).
    static QWidget *windowOf(QWidget *widget)
    {
        while (!widget->isWindow() && !qobject_cast<Form *>(widget))
            widget = widget->parentWidget();
        return widget;
    }

    bool enterPressed(QObject *watched, const QKeyEvent *key) const
    {
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        // Held down, Enter presses the button once: its repeats are taken
        // here, as a dialog's button would press on each. Ctrl+Enter and the
        // like stay free for shortcuts.
        if (m_repeat)
            return true;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !button->isEnabled())
            return false;
        // Taken here, the key cannot also reach a dialog's own default-button
        // handling and press a second time.
        button->click();
        return true;
    }

    // A shortcut that reaches a button is the button's own mnemonic. One
    // that two controls of the window share only moves the focus, which the
    // toolkit does itself.
    bool mnemonicPressed(QObject *watched, const QShortcutEvent *shortcut) const
    {
        if (m_repeat && !shortcut->key().isEmpty() && shortcut->key()[0].key() == m_key)
            return true;
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

    XKeys m_x;
    // For each key code, the holding of the key in which a press was last
    // taken as a new one: by a shortcut, or a copy without a moment.
    std::array<quint32, 256> m_pressedIn{};
    // The key being handled now, its code, and whether it is a repeat.
    int m_key = 0;
    quint32 m_code = 0;
    bool m_repeat = false;
    // The last key released, and when.
    struct Released {
        int key = 0;
        quint64 at = 0;
        bool operator==(const Released &) const = default;
    } m_released;
    // The window its last press that was not a repeat went down in; one
    // that went counts as another window.
    QPointer<QWidget> m_window;
    // The last key event seen, its moment, and the control it was seen at.
    const QEvent *m_event = nullptr;
    quint64 m_eventAt = 0;
    QPointer<QWidget> m_receiver;
};

} // namespace

void installButtonKeys(QCoreApplication *app)
{
    auto *keys = new ButtonKeys(app);
    app->installEventFilter(keys);
    app->installNativeEventFilter(keys);
}

void runCommand(QObject *control, const std::function<void()> &command)
{
    if (ModalLoops::instance().commandMayRun(control)) {
        command();
        return;
    }
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        const QSignalBlocker quiet(box);
        box->toggle();
    } else if (auto *list = qobject_cast<ListBox *>(control)) {
        list->putBack();
    }
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
