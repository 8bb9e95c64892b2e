#pragma once

// What a report looks like once written into a rich text box or read
// back from its file: the report runs with their formatting carried forward,
// adjacent runs of the same formatting merged.

#include "RtfReader.h"

#include "charts/report/ReportRuns.h"
#include "platform/QbColor.h"
#include "platform/RtfWriter.h"

namespace tessavo::test {

inline QList<RtfRun> seenRuns(const ReportRuns &runs)
{
    QList<RtfRun> out;
    bool bold = false;
    QColor colour = Qt::black;
    for (const ReportRun &run : runs) {
        if (run.bold)
            bold = *run.bold;
        if (run.paletteColour)
            colour = qbColor(*run.paletteColour);
        if (!run.text.isEmpty())
            out.append(RtfRun{run.text, bold, colour, 10.0, QStringLiteral("Verdana")});
    }
    return normalisedRuns(out);
}

// The plain text of runs, line breaks as "\n".
inline QString plainText(const QList<RtfRun> &runs)
{
    QString text;
    for (const RtfRun &run : runs)
        text += run.text;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace tessavo::test
