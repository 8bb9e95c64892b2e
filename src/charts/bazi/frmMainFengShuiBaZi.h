#pragma once

#include "charts/PersonEntry.h"
#include "platform/Form.h"

#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessavo {

class Label;

namespace bazi {

// The Ba Zi tool's input window: name, date and time of birth and sex, then
// Analyze works out the four pillars into the result window, shows it and
// unloads itself. It is loaded afresh every time it opens, so it always
// starts from its defaults.
class frmMainFengShuiBaZi : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmMainFengShuiBaZi";

    frmMainFengShuiBaZi();
    ~frmMainFengShuiBaZi() override;

    void Form_Load() override;
    void Form_Unload() override;
    void cmdCalculation_Click();
    void Command1_Click();
    void mnuExit_Click();

    const BirthDateEntry &birthDate() const { return m_person->birthDate(); }
    BirthDateEntry &birthDate() { return m_person->birthDate(); }

    Label *Label14;
    Label *Label3;
    Label *Label2;
    Label *Label37;
    // Captions by index: 0 name, 1 date, 2 gender, 3 frame heading,
    // 4 longitude, 5 time, 6 time format, 7 window heading.
    std::array<Label *, 8> Label1{};
    QGroupBox *Frame1;
    QLineEdit *txtName;
    QComboBox *cboHH;
    QComboBox *cboMM;
    QComboBox *cboSS;
    QComboBox *cboAMPM;
    QRadioButton *optMale;
    QRadioButton *optFemale;
    QPushButton *cmdCalculation;
    QPushButton *Command1;
    QLineEdit *txtLongitude;

private:
    bool ValidateInput();

    std::unique_ptr<PersonEntry> m_person;
};

} // namespace bazi
} // namespace tessavo
