#pragma once

#include "charts/PersonEntry.h"
#include "platform/Form.h"

#include <array>
#include <memory>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessavo {

class Label;

namespace loshu {

// The Lo Shu tool's input window: name, sex and birth date, then the button
// lays the date into the square, shows the result window and unloads this
// one. It is loaded afresh every time it opens, so it always starts from its
// defaults.
class frmMainFengShuiLoShu : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmMainFengShuiLoShu";

    frmMainFengShuiLoShu();
    ~frmMainFengShuiLoShu() override;

    void Form_Load() override;
    void Form_Unload() override;
    void cmdProceed_Click();

    const BirthDateEntry &birthDate() const { return m_person->birthDate(); }
    BirthDateEntry &birthDate() { return m_person->birthDate(); }

    Label *Label6;
    Label *Label4;
    QGroupBox *fraDetails;
    Label *Label1;
    QLineEdit *txtName;
    Label *Label2;
    Label *Label5;
    std::array<QRadioButton *, 2> optSex{};
    Label *Label14;
    Label *Label3;
    QPushButton *cmdProceed;

private:
    bool ValidateInput();

    std::unique_ptr<PersonEntry> m_person;
};

} // namespace loshu
} // namespace tessavo
