#pragma once

#include "floorplan/BaguaCalc.h"
#include "platform/Form.h"

#include <array>

class QFrame;
class QGroupBox;
class QPushButton;

namespace tessavo {

class Label;
class PictureBox;

namespace floorplan {

// The Bagua chart window: the nine coloured parts laid over the rooms' box
// on a dark square as large as the plan's plot box, so plan twips are used
// unchanged; a legend; Back to the plan editor. A click on a part opens its
// report in frmRoomAnalysis.
class frmDisplay : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmDisplay";

    frmDisplay();

    void Form_Load() override;
    // However the window goes, the plan editor comes back.
    void Form_Unload() override;

    void cmdBack_Click();
    void mnuBack_Click();
    void lblBaguaPart_MouseMove(int Index);
    void lblBaguaPart_Click(int Index);

    // Lays the box behind the parts and the nine parts with their markers,
    // from the chart box of the plan.
    void layBaguaChart(const ChartBox &box);

    QGroupBox *Frame7;
    Label *Label61;
    QGroupBox *fraRoomAnalysis;
    PictureBox *Picture1;
    Label *lblBaguaContainer;
    std::array<Label *, 9> lblBaguaPart{};
    std::array<QFrame *, 9> shpBaguaPart{};
    PictureBox *Picture2;
    Label *Label1;
    // The legend lines in part order (Label2, Label3, Label4, Label10, ...).
    std::array<Label *, 9> legendLines{};
    Label *Label11;
    QPushButton *cmdBack;
    Label *Label12;
};

} // namespace floorplan
} // namespace tessavo
