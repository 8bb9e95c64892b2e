#pragma once

#include "platform/Form.h"

class QPushButton;

namespace tessavo {

class Label;

// The About window, shown modally from every Help menu.
class frmAbout : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmAbout";
    frmAbout();

    void cmdOk_Click();

private:
    Label *Label1;
    Label *Label2;
    Label *Label3;
    Label *lblCoBrand;
    Label *lblHomePage;
    QPushButton *cmdOK;
};

} // namespace tessavo
