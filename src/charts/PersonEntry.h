#pragma once

// Who a chart is drawn for: the name box, the two sex options and the
// birth-date lists of an input window, checked and read the same way by every
// tool. Each window words its refusals itself; this piece runs them in the
// one order the tools share (name, sex, date) and hands back the entries with
// their blanks removed.
//
// Like BirthDateEntry it only keeps pointers to controls owned by the window.

#include "charts/BirthDateEntry.h"
#include "platform/Services.h"

#include <QString>

#include <array>
#include <memory>

class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tessavo {

class Label;

struct NameCheck {
    QString message;
    MsgIcon icon = MsgIcon::Critical;
    // Otherwise a name of blanks is a name.
    bool blanksAreNoName = false;
};

struct SexCheck {
    QString message;
    // Where the focus goes on refusal; nothing leaves it where it is.
    QWidget *focus = nullptr;
};

class PersonEntry {
public:
    PersonEntry(QLineEdit *nameBox, std::unique_ptr<BirthDateEntry> birthDate,
                const NameCheck &nameCheck);
    ~PersonEntry();

    PersonEntry(const PersonEntry &) = delete;
    PersonEntry &operator=(const PersonEntry &) = delete;

    // Groups the two options (owned by groupOwner), Male first, so that one
    // excludes the other and the keyboard works them as one control
    // (OptionGroup). A window without them has no sex check.
    void setSexOptions(QObject *groupOwner, QRadioButton *male, QRadioButton *female);
    void setSexCheck(const SexCheck &check) { m_sexCheck = check; }

    // The name, the sex and then the date; on the first failure shows its
    // message, moves the focus as the window wants and returns false.
    bool validate() const;

    QString name() const; // blanks removed
    QString sex() const;  // "Male" when that option is picked, else "Female"
    QString day() const;  // the picked texts, blanks removed
    QString month() const;
    QString year() const;

    const BirthDateEntry &birthDate() const { return *m_birthDate; }
    BirthDateEntry &birthDate() { return *m_birthDate; }

private:
    QLineEdit *m_nameBox;
    std::unique_ptr<BirthDateEntry> m_birthDate;
    NameCheck m_nameCheck;
    QRadioButton *m_male = nullptr;
    QRadioButton *m_female = nullptr;
    SexCheck m_sexCheck;
};

// The entries of the "Your Details Please" frame that the Kua number and Lo
// Shu windows share: Name, Birth Day (the Kua number lists) and Sex, with the
// name refused as "Please Enter Your Name". The sex check waits for the
// window's button, which gets the focus when no sex is picked.
struct DetailsFrame {
    Label *Label1 = nullptr;
    QLineEdit *txtName = nullptr;
    Label *Label2 = nullptr;
    Label *Label5 = nullptr;
    std::array<QRadioButton *, 2> optSex{};
    std::unique_ptr<PersonEntry> entry;
};

DetailsFrame fillDetailsFrame(QWidget *window, QGroupBox *fraDetails);

// What fillDetailsFrame leaves to the window: the sex check that moves the
// focus to proceed, and the tab order from the name through the options to it.
void finishDetailsFrame(const DetailsFrame &details, QWidget *proceed);

} // namespace tessavo
