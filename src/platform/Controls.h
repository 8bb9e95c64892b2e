#pragma once

// Small controls and hooks the windows are built from: a label that reports
// clicks and mouse moves, a link label, a multi-line text box, control-array
// names, and event hooks for focus and key presses on text boxes.

#include <QLabel>
#include <QListWidget>
#include <QObject>
#include <QPlainTextEdit>
#include <QString>

#include <functional>

class QCoreApplication;
class QKeyEvent;

namespace tessavo {

// Object name of a member of a control array: "lblCaptions(3)".
QString arrayName(const QString &name, int index);

// A label that reports clicks and pointer moves, like a classic window label.
// A double-click is one click: its second press starts no second one.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    Label(const QString &name, const QString &caption, QWidget *parent);

signals:
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A picture box: a plain panel that reports pointer moves over its own
// background.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString &name, QWidget *parent);

signals:
    void MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A multi-line text box. Tab and Shift+Tab move on to the next or previous
// control, as from any other box, and leave the text alone; Ctrl+Tab types
// a tab, where it reaches the box (inside the main window Ctrl+Tab goes to
// the next child window instead). A paste of clipboard data that holds no
// format at all (what X11 offers once the clipboard or selection has been
// emptied, as the clipboard guard does) pastes nothing: the toolkit's own
// paste reads the first format without looking and fails on it.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

// A list box whose click is the choice of an entry by any route: a press of
// the mouse on it, the arrow or letter keys, a program's or a screen
// reader's selection, and a click on the entry already chosen. One click
// for each: a press that chooses an entry clicks no more on its release.
// Filling the list, enabling it and the focus coming to it choose nothing.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    // Chooses again the entry chosen before the last click, which was
    // refused: the highlight goes back where it was.
    void putBack();

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void selectionMoved();
    void click(int row);

    int m_selected = -1; // the row selected now
    int m_chosen = -1;   // the row the last click that ran chose
    bool m_pressClicked = false;
    bool m_refused = false;
    bool m_puttingBack = false;
};

// A label that opens something when clicked: pointing-hand pointer and
// word-wrapped text.
Label *makeLinkLabel(const QString &name, const QString &caption, QWidget *parent);

// Calls back when a widget gets or loses the keyboard focus.
class FocusHook : public QObject {
public:
    FocusHook(QWidget *target, std::function<void()> gotFocus, std::function<void()> lostFocus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_got;
    std::function<void()> m_lost;
};

// Sees each key press of a widget before the widget does; the callback
// returns false to discard the key.
class KeyPressHook : public QObject {
public:
    KeyPressHook(QWidget *target, std::function<bool(QKeyEvent *)> keyPress);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(QKeyEvent *)> m_keyPress;
};

// From here on, in every window, Enter (either key) on a command button
// that has the focus presses it, as Space does (the toolkit does so only
// for the buttons of dialogs), and the mnemonic of a button, option button
// or check box moves the focus to it and clicks it at once, with no delay
// in which another command could run first. A key held down presses once,
// in every window and box: its auto-repeats (a press at the very moment
// of its key's release is one, flagged or not) press no mnemonic and no
// button by Enter, and once they reach another window than the one the
// key went down in (a box or window the press opened) they go nowhere.
// Within that window they act as before: a held letter types, a held
// arrow moves.
void installButtonKeys(QCoreApplication *app);

// Runs a control's command (what pressing it does), unless a box stands in
// front of the control's window (ModalLoops::commandMayRun): then nothing
// runs, and a check box the press ticked or cleared is left as it was, as
// is the entry chosen in a list box.
// Every window's commands come through here, by whatever route they are
// pressed.
void runCommand(QObject *control, const std::function<void()> &command);

// Connects a control's signal to its command through runCommand.
template <class Control, class Signal, class Command>
QMetaObject::Connection connectCommand(Control *control, Signal signal, const QObject *context,
                                       Command command)
{
    return QObject::connect(control, signal, context,
                            [control, command = std::function<void()>(std::move(command))] {
                                runCommand(control, command);
                            });
}

// Sets a widget's font to Verdana at the given size, bold or not.
void setVerdana(QWidget *widget, double points, bool bold = false);
// Sets the text colour of a label or button.
void setForeground(QWidget *widget, const QColor &colour);
void setBackground(QWidget *widget, const QColor &colour);

} // namespace tessavo
