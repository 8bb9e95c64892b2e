#pragma once

#include "floorplan/BaguaReports.h"
#include "platform/Form.h"

class QGroupBox;
class QPushButton;

namespace tessavo {

class Label;
class RichTextBox;

namespace floorplan {

// The report window of a Bagua part. A click on a part in the chart writes
// that part's report into RTB at the caret, in the part's colours; the window
// stays open when the chart goes back to the plan editor. Its text is not
// meant to be copied: every change, click and mouse event of the box empties
// the clipboard.
class frmRoomAnalysis : public Form {
    Q_OBJECT
public:
    static constexpr const char *kName = "frmRoomAnalysis";

    frmRoomAnalysis();

    void Form_Load() override;

    void cmdOk_Click();
    void mnuOk_Click();

    void RTB_Change();
    void RTB_Click();
    void RTB_MouseDown();
    void RTB_MouseMove();
    void RTB_MouseUp();

    // The window's own back colour (the box has its own).
    void setBackColour(const QColor &colour);
    QColor backColour() const;

    // Plays runs into RTB at the caret: bold, colour and size of the
    // insertion point, then the text.
    void writeRuns(const QList<StyledRun> &runs);

    QGroupBox *Frame1;
    Label *Label61;
    RichTextBox *RTB;
    Label *Label37;
    QPushButton *cmdOk;
};

} // namespace floorplan
} // namespace tessavo
