#pragma once

#include "charts/flyingstar/FlyingStarCalc.h"
#include "platform/Form.h"

#include <array>

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;

namespace tessavo {

class Label;
class PictureBox;

namespace flyingstar {

// The Flying Star tool's result window: the analysis lines above a 3 x 3 grid
// of palaces, South at the top, each with its mountain, period and facing
// star, framed by explanation texts. A plot writes it; Back hides it and
// shows the input window again; Print opens the report, which reads it back.
class frmFlyingStar : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmFlyingStar";

    frmFlyingStar();

    void Form_Load() override;
    void Form_Unload() override;

    void cmdBack_Click();
    void mnuBack_Click();
    void cmdPrint_Click();
    void mnuPrint_Click();
    void mnuExit_Click();

    // Writes a chart into the star labels and the analysis lines, marking
    // the facing palace dark red and the mountain palace dark green; every
    // other period label goes back to its own colour.
    void showChart(const FlyingStarChart &chart);

    // What the report restates, read from the captions as they stand.
    FlyingStarReportFields reportFields() const;

    // Design colour of the period label of a palace.
    static QColor periodStarColour(int palace);

    QGroupBox *Frame2;
    Label *Label61;
    QGroupBox *Frame4;
    std::array<Label *, 2> lblPeriodAnalysis{};
    Label *lblMountainDirectionAnalysis;
    Label *lblMountainNumber;
    Label *lblFacingDirectionAnalysis;
    Label *lblFacingNumber;
    QGroupBox *Frame1;
    Label *Label15;
    PictureBox *Picture1;
    // Cells of the grid in screen order, top left first.
    std::array<PictureBox *, kPalaces> picPosition{};
    // Star labels by palace index.
    std::array<Label *, kPalaces> lblPosition{};
    std::array<Label *, kPalaces> lblMountain{};
    std::array<Label *, kPalaces> lblBack{};
    QPushButton *cmdPrint;
    QPushButton *cmdBack;
    Label *Label5;

    QMenu *mnuFile;
    QAction *mnuPrint;
    QAction *mnuBack;
    QAction *mnuExit;

private:
    void buildAnalysis();
    void buildGrid();
    void buildExplanations();
};

} // namespace flyingstar
} // namespace tessavo
