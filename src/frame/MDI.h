#pragma once

#include "platform/Form.h"

#include <array>

class QFrame;
class QGroupBox;
class QMdiArea;
class QMdiSubWindow;
class QMenuBar;
class QPushButton;

namespace tessavo {

class Label;
class PictureBox;

// The main window: a bar of five tool buttons at the top, the splash panel
// with the list of tools, a bar of links at the bottom, and the area in which
// the tool windows open.
class MDI : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "MDI";

    // The tool input windows, by tool index.
    static const std::array<const char *, 5> kToolWindows;
    // Every tool, result and report window, in the order navigation unloads them.
    static const std::array<const char *, 15> kToolSideWindows;

    MDI();
    ~MDI() override;

    void Form_Load() override;
    void Form_Unload() override;

    void ShowToolForm(int i);
    void cmdCallMainForm_Click(int Index);
    void lblCaptions_Click(int Index);
    void lblCaptions_MouseMove(int Index);
    void picMain_MouseMove();
    void cmdExit_Click();
    void mnuExit_Click();

    // The splash panel; tool windows show it again when they unload.
    PictureBox *picMain() const { return m_picMain; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    QMenuBar *menuBar() const { return m_menuBar; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutClientArea();
    void addChildWindowKeys();
    void showMenusOf(QMdiSubWindow *active);
    void unloadToolSideWindows();

    QMenuBar *m_menuBar;
    QWidget *m_client;
    PictureBox *Picture1;
    PictureBox *m_picMain;
    PictureBox *Picture2;
    QMdiArea *m_mdiArea;
    Label *lblHeading;
    Label *lblURL;
    QGroupBox *fraContainer;
    std::array<QPushButton *, 5> cmdCallMainForm{};
    std::array<Label *, 5> picIcon{};
    std::array<Label *, 9> lblCaptions{};
    Label *lblFullBrand;
    Label *lblCobrand;
    QPushButton *cmdExit;
};

// Shows or hides the main window's splash panel, when the main window is
// loaded (tool windows call it as they come and go).
void setSplashPanelVisible(bool visible);

} // namespace tessavo
