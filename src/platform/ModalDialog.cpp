#include "platform/ModalDialog.h"

#include "platform/ModalLoops.h"

#include <QEvent>

namespace tessavo {

namespace {

// Closes the box as cancelled when the window it belongs to is hidden by
// the program (not minimized by the desktop): the window went.
class WindowGone : public QObject {
public:
    WindowGone(QWidget *window, QDialog *box) : m_window(window), m_box(box)
    {
        if (m_window)
            m_window->installEventFilter(this);
    }
    ~WindowGone() override
    {
        if (m_window)
            m_window->removeEventFilter(this);
    }
    bool went() const { return m_went; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Hide && !event->spontaneous()) {
            m_went = true;
            if (m_box)
                m_box->reject();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_window;
    QPointer<QDialog> m_box;
    bool m_went = false;
};

} // namespace

std::optional<int> runModalDialog(QDialog *dialog)
{
    ModalLoops &loops = ModalLoops::instance();
    if (!dialog || loops.cutOff())
        return std::nullopt;
    const QPointer<QDialog> box(dialog);
    QWidget *parent = dialog->parentWidget();
    // Without a parent (nothing in front) no window can take the box along.
    const WindowGone watch(parent ? parent->window() : nullptr, dialog);
    int result = QDialog::Rejected;
    {
        const ModalScope scope;
        result = dialog->exec();
    }
    if (!box || watch.went()) {
        loops.cutOffHandlers();
        return std::nullopt;
    }
    return result;
}

} // namespace tessavo
