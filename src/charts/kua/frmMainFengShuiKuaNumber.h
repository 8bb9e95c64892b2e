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

namespace kua {

// The Kua number tool's input window: name, sex and birth date, then Proceed
// computes the number, fills the result window, shows it and unloads itself.
// It is loaded afresh every time it opens, so it always starts from its
// defaults.
class frmMainFengShuiKuaNumber : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmMainFengShuiKuaNumber";

    frmMainFengShuiKuaNumber();
    ~frmMainFengShuiKuaNumber() override;

    void Form_Load() override;
    void Form_Unload() override;
    void cmdProceed_Click();

    const BirthDateEntry &birthDate() const { return m_person->birthDate(); }
    BirthDateEntry &birthDate() { return m_person->birthDate(); }

    Label *Label14;
    Label *Label3;
    QGroupBox *fraDetails;
    Label *Label1;
    QLineEdit *txtName;
    Label *Label2;
    Label *Label5;
    std::array<QRadioButton *, 2> optSex{};
    QPushButton *cmdProceed;

private:
    bool ValidateInput();

    std::unique_ptr<PersonEntry> m_person;
};

} // namespace kua
} // namespace tessavo
