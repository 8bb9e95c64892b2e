#pragma once

// What the four report windows share: the rich text box RTB the report is
// written into, Save (Rich Text through the Save As dialog), Print (the whole
// text on the default printer), the clipboard guard, the three link labels,
// and link detection for the windows that have it. Each report window is this
// class configured by one row of a table, with the text written by its own
// writeReport() (or, for a report filled from outside, by its result window).

#include "charts/report/ReportRuns.h"
#include "charts/report/ReportWindows.h"
#include "platform/Form.h"

class QPushButton;

namespace tessavo {

class Label;
class RichTextBox;

class ReportWindow : public Form {
    Q_OBJECT
public:
    explicit ReportWindow(const ReportWindowConfig &config);
    ~ReportWindow() override;

    // Places the window, hooks the links when the window has link detection,
    // then writes the report.
    void Form_Load() override;
    // Unhooks the links when the window has link detection.
    void Form_Unload() override;

    void cmdSave_Click();
    void cmdPrint_Click();

    // Plays runs into RTB at the insertion point.
    void writeRuns(const ReportRuns &runs);
    // Empties RTB and writes the report again from the current result, so a
    // report opened again never shows an earlier one. Link detection stays
    // as it is.
    void rewrite();

    const ReportWindowConfig &config() const { return m_config; }

    RichTextBox *RTB = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdPrint = nullptr;
    Label *Label1 = nullptr;
    Label *Label14 = nullptr;
    Label *Label37 = nullptr;

protected:
    // Writes the report's runs into RTB; windows whose text is written from
    // outside leave it empty.
    virtual void writeReport() {}

private:
    ReportWindowConfig m_config;
};

// Shows a report window beside its result window. When the window is open
// already, its report is written afresh first. A window whose text is written
// from outside is filled by its writer (rewrite() first when it is open
// already) and then shown with Show(): here its box would only be emptied.
template <class T> void showReport();

} // namespace tessavo

#include "platform/FormRegistry.h"

namespace tessavo {
template <class T> void showReport()
{
    if (isLoaded<T>())
        form<T>().rewrite();
    form<T>().Show();
}
} // namespace tessavo
