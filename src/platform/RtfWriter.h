#pragma once

// Our own Rich Text writer: enough of the format for the reports (bold, colour,
// size and font per run, line breaks, a page colour), written so that common
// word processors open it.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

#include <optional>

class QTextDocument;

namespace tessavo {

struct RtfRun {
    QString text; // "\n", "\r\n" or a lone "\r" is one line break
    bool bold = false;
    QColor color = Qt::black;
    double pointSize = 10.0;
    QString family = QStringLiteral("Verdana");
    bool operator==(const RtfRun &) const = default;
};

struct RtfDocument {
    QList<RtfRun> runs;
    std::optional<QColor> background;
};

// The whole Rich Text file; plain ASCII, every other character escaped.
QByteArray writeRtf(const RtfDocument &doc);

// The runs of a document, adjacent runs of the same formatting merged. Blocks
// are separated by "\n", as in QTextDocument::toPlainText().
RtfDocument rtfDocumentFrom(const QTextDocument &doc);

// Writes the file safely: on failure the old file stays as it was, the result
// is false and `error` (when given) says why.
bool saveRtf(const QString &path, const RtfDocument &doc, QString *error = nullptr);

} // namespace tessavo
