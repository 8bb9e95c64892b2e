#pragma once

// A small Rich Text reader for the tests: enough to read what our writer
// produces back into runs (text, bold, colour, size, font) and the page
// colour, so that saved reports can be compared with what was written.

#include "platform/RtfWriter.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <ostream>

namespace tessavo::test {

// Adjacent runs of the same formatting come back as one run; line breaks
// read as "\n", tabs as "\t". Nothing for input that is not Rich Text or
// whose groups do not balance.
std::optional<RtfDocument> readRtf(const QByteArray &data, QString *error = nullptr);

// The same runs with adjacent equal formatting merged and empty runs dropped,
// CR LF and a lone CR as "\n": what a round trip is expected to give.
QList<RtfRun> normalisedRuns(const QList<RtfRun> &runs);

} // namespace tessavo::test

namespace tessavo {
// Readable runs in test failure messages.
void PrintTo(const RtfRun &run, std::ostream *os);
} // namespace tessavo
