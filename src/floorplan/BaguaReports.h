#pragma once

// The advice reports of the nine Bagua parts: fixed texts, the same for every
// plan, written in the part's colours as runs of three styles (title, heading,
// body). The part report window plays the runs into its rich text box.

#include <QColor>
#include <QList>
#include <QString>

namespace tessavo::floorplan {

enum class HeadingBreak {
    Two,    // the body starts after a blank line
    One,    // the body starts on the next line
    Inline, // the body follows on the same line, with nothing between
};

struct ReportSection {
    QString heading; // empty for the first section, which has none
    HeadingBreak after = HeadingBreak::Two;
    QString body;    // without its closing breaks
};

struct PartReport {
    QString title;
    QList<ReportSection> sections;
};

// The report of part 0..8; any other index gives an empty report.
const PartReport &partReport(int part);

// The colours a part's report is written in. The box's back colour is not
// here: the window takes it from the part in the chart.
struct PartReportColours {
    QColor title;
    QColor heading;
    QColor body;
};
const PartReportColours &partReportColours(int part);

enum class ReportStyle { Title, Heading, Body };

// Point sizes of the three styles.
double reportStylePoints(ReportStyle style);
bool reportStyleBold(ReportStyle style);

// One run: the insertion point's bold flag, colour and size, then the text.
struct StyledRun {
    bool bold = false;
    QColor colour;
    double points = 8;
    QString text;
    bool operator==(const StyledRun &) const = default;
};

// The report of a part as it is written: the title and a break; each
// section's heading (from the second section on) with its breaks, its body
// and two breaks, and a credit line with two breaks. The last credit line of
// parts 1 to 8 ends without a break. Breaks are "\r\n".
QList<StyledRun> partReportRuns(int part);

} // namespace tessavo::floorplan
