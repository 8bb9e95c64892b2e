#pragma once

#include "platform/Form.h"

#include <array>

class QGroupBox;
class QPushButton;

namespace tessavo {

class Label;
class PictureBox;
class RichTextBox;

namespace loshu {

// The Lo Shu tool's result window: the nine cells of the square with the
// digits of the date, the directions around it, and the missing elements
// with their remedies. CalcLoShuGrid fills it; its report reads it back.
class frmLoshu : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmLoshu";

    frmLoshu();

    void Form_Load() override;
    void Form_Unload() override;

    void cmdBack_Click();
    void mnuBack_Click();
    void cmdSave_Click();
    void mnuExit_Click();

    // The missing-element text as the box holds it, without its bold marks,
    // line breaks as CR LF.
    QString missingElementText() const;

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QGroupBox *Frame3;
    // The cells in reading order, South at the top: picLoshuGrid, then
    // Picture1(1) to Picture1(8).
    std::array<PictureBox *, 9> cells{};
    // By digit - 1; the grid lays them out as gridLabelByCell() says.
    std::array<Label *, 9> lblLoshuGrid{};
    std::array<Label *, 8> lblLoshuSides{};
    Label *Label61;
    Label *Label1;
    RichTextBox *RTBLoshu;
    QPushButton *cmdSave;
    QPushButton *cmdBack;
    Label *Label5;
};

} // namespace loshu
} // namespace tessavo
