#pragma once

#include "charts/kua/KuaCalc.h"
#include "platform/Form.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tessavo {

class Label;
class PictureBox;

namespace kua {

// The Kua number tool's result window: the number with its group, element,
// trigram and colour, the eight directions with the compass of the good ones,
// and the colours of each good direction, on three tabs. The routines of
// modFengShui fill it; its report reads it back.
class frmFengShuiDetails : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmFengShuiDetails";

    frmFengShuiDetails();

    void Form_Load() override;
    void Form_Unload() override;

    void cmdBack_Click();
    void mnuBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void cmdPrint_Click();
    void mnuPrint_Click();

    // What the report shows: the module's name and birth date, and the
    // captions and boxes as they are now.
    KuaReportFields reportFields() const;

    // The direction boxes by DirectionSlot.
    std::array<QLineEdit *, 8> directionBoxes() const;
    // Wear and avoid labels of the four good directions, by DirectionSlot.
    std::array<Label *, 4> wearLabels() const;
    std::array<Label *, 4> avoidLabels() const;

    Label *Label14;
    Label *Label3;
    QTabWidget *SSTab;
    QPushButton *cmdPrint;
    QPushButton *cmdExit;
    QPushButton *cmdBack;

    // Feng Shui Elements
    Label *lblFengShuiKuaNo;
    Label *lblFengShuiGroup;
    Label *lblFengShuiElement;
    Label *lblFengShuiColour;
    Label *lblFengShuiTrigram;
    Label *lblElementDesc;
    Label *imgElement;
    Label *imgColour;
    Label *imgTrigram;
    Label *lblName;

    // Feng Shui Directions
    QLineEdit *txtSuccess;
    QLineEdit *txtHealth;
    QLineEdit *txtRelationships;
    QLineEdit *txtPersonal;
    QLineEdit *txtMishaps;
    QLineEdit *txtFiveGhosts;
    QLineEdit *txtSixKillings;
    QLineEdit *txtTotalLoss;
    PictureBox *Picture1;
    std::array<Label *, 9> lblDirection{};

    // Feng Shui Personal Colors
    Label *lblColourToWearSuccess;
    Label *lblColourToAvoidSuccess;
    Label *lblColourToWearHealth;
    Label *lblColourToAvoidHealth;
    Label *lblColourToWearRelationships;
    Label *lblColourToAvoidRelationships;
    Label *lblColourToWearPersonal;
    Label *lblColourToAvoidPersonal;

private:
    QWidget *buildElementsTab();
    QWidget *buildDirectionsTab();
    QWidget *buildColoursTab();
};

} // namespace kua
} // namespace tessavo
