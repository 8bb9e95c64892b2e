#pragma once

#include "charts/bazi/BaZiCalc.h"
#include "platform/Form.h"

#include <array>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tessavo {

class Label;

namespace bazi {

// The Ba Zi tool's result window: one tab per pillar (year, month, day,
// hour), each with the pillar's description, its five breakdown lines and
// its interpretation. The routines of modFengShuiFourPillar fill it before
// the input window shows it; Save writes its report from what it shows.
class frmFengShuiFourPillar : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmFengShuiFourPillar";

    frmFengShuiFourPillar();

    void Form_Load() override;
    void Form_Unload() override;

    void TS_Click();
    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void cmdSave_Click();

    // What the report shows of each pillar, in report order (year, month,
    // day, hour), read from the window's controls as they are now.
    std::array<PillarReport, 4> reportPillars() const;

    Label *Label14;
    Label *Label3;
    Label *Label1;
    QTabWidget *TS;
    // By index: 0 hour, 1 day, 2 month, 3 year, as the tabs run backwards.
    std::array<QGroupBox *, 4> fraSubject{};
    std::array<Label *, 4> lblCaption{};
    std::array<Label *, 5> lblYear{};
    std::array<Label *, 5> lblMonth{};
    std::array<Label *, 5> lblDay{};
    std::array<Label *, 5> lblHour{};
    QPlainTextEdit *txtYear;
    QPlainTextEdit *txtMonth;
    QPlainTextEdit *txtDay;
    QPlainTextEdit *txtHour;
    Label *Label12;
    QPushButton *cmdSave;
    QPushButton *cmdBack;
    QGroupBox *Frame1;
    std::array<Label *, 8> lblResult{};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace bazi
} // namespace tessavo
