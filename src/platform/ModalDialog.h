#pragma once

// A modal dialog of the program's own: made on the heap under the window in
// front, run in a modal loop that follows the rules of ModalLoops, and
// deleted when its owner here goes, unless its window took it along first.

#include <QDialog>
#include <QPointer>

#include <optional>

namespace tessavo {

// Runs the dialog modally. Its result, or nothing when the box got no
// answer: its window was hidden or deleted while it was open (the dialog
// may be gone with it), or the handlers asking are unwinding after that
// happened to another box (the dialog never showed).
std::optional<int> runModalDialog(QDialog *dialog);

template <class Dialog> class OwnedDialog {
public:
    explicit OwnedDialog(Dialog *dialog) : m_dialog(dialog) {}
    ~OwnedDialog() { delete m_dialog.data(); }
    OwnedDialog(const OwnedDialog &) = delete;
    OwnedDialog &operator=(const OwnedDialog &) = delete;

    Dialog *operator->() const { return m_dialog.data(); }
    Dialog *get() const { return m_dialog.data(); }
    std::optional<int> exec() { return runModalDialog(m_dialog.data()); }

private:
    QPointer<Dialog> m_dialog;
};

} // namespace tessavo
