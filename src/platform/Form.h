#pragma once

// Base of every window of the program. A window has one default instance,
// kept by the FormRegistry: it is created and loaded (Form_Load runs) on first
// use and unloaded (Form_Unload runs, the widget is deleted later) when the
// program or the user closes it. Hiding a window does not unload it.
//
// Child windows live in the main window's MDI area inside a QMdiSubWindow;
// their close box unloads them. Top-level windows (the main window, the About
// box, the closing screen) are windows of their own.

#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QMdiSubWindow;
class QMenu;

namespace tessavo {

enum class FormKind { Child, TopLevel };

class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString &name, FormKind kind);
    ~Form() override;

    const QString &formName() const { return m_name; }
    FormKind kind() const { return m_kind; }
    bool isUnloading() const { return m_unloading; }

    // Event handlers every window may have.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Shows the window without a modal wait.
    void Show();
    // Shows the window and waits until it is hidden or unloaded.
    void ShowModal();
    void Hide();
    bool Visible() const;

    void setCaption(const QString &caption);
    QString caption() const;

    // The design client area, in twips.
    void setClientSize(double widthTw, double heightTw);

    // Outer position and size in twips, in the coordinates of the window's
    // container (the MDI area for child windows, the screen otherwise).
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    // Places the window horizontally centred on the screen, top edge at 0.
    void placeAsToolWindow();

    // Menu-bar entries of this window, in order. A child window's entries
    // show in the main window's menu bar while it is active.
    QMenu *addMenu(const QString &name, const QString &caption);
    QAction *addMenuBarAction(const QString &name, const QString &caption);
    const QList<QAction *> &menuBarActions() const { return m_menuBarActions; }

    // The widget that carries the frame: the MDI subwindow of a child
    // window, the window itself otherwise.
    QWidget *frameWidget();
    const QWidget *frameWidget() const;
    QMdiSubWindow *subWindow() const { return m_subWindow; }
    // Called by the main window before its area, and with it this window's
    // frame, goes away: the frame then deletes this window, not the other
    // way round.
    void frameGoesFirst() { m_frameGoesFirst = true; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class FormRegistry;
    void ensureFrame();
    void fitFrame();

    QString m_name;
    FormKind m_kind;
    bool m_unloading = false;
    bool m_placeOnShow = false;
    bool m_frameGoesFirst = false;
    QMdiSubWindow *m_subWindow = nullptr;
    QList<QAction *> m_menuBarActions;
};

} // namespace tessavo
