#pragma once

#include "platform/Form.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tessavo {

class Label;

// The closing screen: shown when the main window closes, it asks the user to
// support the forum, links to the maker's other programs and holds the
// refer-a-friend form. Leaving it ends the process.
class frmNagScreen2 : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmNagScreen2";
    frmNagScreen2();

    // The appeals Label2 shows, one drawn at each load.
    static constexpr int kSupportTextCount = 4;
    static QString supportText(int k);

    void Form_Load() override;
    void Form_Unload() override;

    void cmdClose_Click();
    void lblGoToHome_Click();
    void Check1_Click();
    void cmdSubmit_Click();

    void txtName_GotFocus();
    void txtName_LostFocus();
    void txtEmail_GotFocus();
    void txtEmail_LostFocus();
    void txtMessage_GotFocus();
    void txtMessage_LostFocus();
    void txtFriendName_GotFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_GotFocus();
    void txtFriendEmail_LostFocus();

    // KeyAscii is set to 0 when the key is refused.
    void txtEmail_KeyPress(int &KeyAscii);
    void txtFriendEmail_KeyPress(int &KeyAscii);

private:
    enum class Box { Name, Email, Message, FriendName, FriendEmail };

    static const QString &placeholder(Box box);
    QString boxText(Box box) const;
    void setBoxText(Box box, const QString &text);
    QWidget *boxWidget(Box box) const;
    void clearPlaceholder(Box box);
    void restorePlaceholder(Box box);
    void refuseSpace(Box box, int &KeyAscii);

    Label *picNagscreen2Icon;
    Label *lblNagScreen2Caption;
    Label *Label2;
    QCheckBox *Check1;
    QPushButton *cmdClose;
    QGroupBox *Frame2;
    QLineEdit *txtName;
    QLineEdit *txtEmail;
    QPlainTextEdit *txtMessage;
    QLineEdit *txtFriendName;
    QLineEdit *txtFriendEmail;
    QPushButton *cmdSubmit;
    QGroupBox *Frame6;
    Label *Label3;
    Label *lblGoToHome;
};

} // namespace tessavo
