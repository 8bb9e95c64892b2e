#pragma once

#include "charts/PersonEntry.h"
#include "platform/Form.h"

#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tessavo {

class Label;

namespace flyingstar {

// The Flying Star tool's input window: a first name, the date and year the
// house was built and its facing sector. A plot fills the result window,
// shows it and hides this window, which keeps its entries for the next plot.
class frmMainFengShuiFlyingStar : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmMainFengShuiFlyingStar";

    frmMainFengShuiFlyingStar();
    ~frmMainFengShuiFlyingStar() override;

    void Form_Load() override;
    void Form_Unload() override;
    void cmdNext_Click();
    void mnuNext_Click();
    void mnuExit_Click();

    const BirthDateEntry &birthDate() const { return m_person->birthDate(); }
    BirthDateEntry &birthDate() { return m_person->birthDate(); }

    // First stars of the facing and the mountain flight of the last plot,
    // kept while the window is loaded.
    qint16 FacingBaseStar = 0;
    qint16 MountainBaseStar = 0;

    QGroupBox *Frame2;
    Label *Label61;
    Label *Label6;
    QGroupBox *fraName;
    QGroupBox *Frame1;
    Label *Label2;
    QLineEdit *txtFirstName;
    QGroupBox *fraBirthDay;
    QGroupBox *Frame4;
    QGroupBox *Frame3;
    Label *Label3;
    QComboBox *cboRangeOfDegree;
    QPushButton *cmdNext;
    Label *Label37;

    QMenu *nuFile;
    QAction *mnuNext;
    QAction *mnuExit;

private:
    bool ValidateInput();
    void CloseForm();
    // Upper-cases a typed lower-case letter; false when the key was handled.
    bool txtFirstName_KeyPress(int keyAscii);

    std::unique_ptr<PersonEntry> m_person;
};

} // namespace flyingstar
} // namespace tessavo
