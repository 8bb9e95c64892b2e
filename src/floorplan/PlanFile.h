#pragma once

// The plan file "Structure.txt" in the program's folder: one line per plan
// element from index 1 up, seven comma-separated fields:
//
//   index,"text",left,top,width,height,border style
//   1,"Kitchen",0,0,1605,1200,1
//
// Lines end with a carriage return and a line feed, the last one too.
// Positions and sizes are twips written as plain decimals with "." and at
// most seven significant digits. Only the elements are stored; the reader
// takes them in file order and ignores the stored index.

#include "floorplan/PlanModel.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tessavo::floorplan {

inline const QString kPlanFileName = QStringLiteral("Structure.txt");

// The plan file's path in a folder.
QString planFilePath(const QString &folder);

struct PlanRecord {
    int index = 0;
    QString text;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    int borderStyle = 1;

    bool operator==(const PlanRecord &) const = default;
};

// ---- Writing ---------------------------------------------------------------

// A twips value as the file writes it: plain decimal, seven significant
// digits at most, no decimal point for a whole value (1605, 0.5, -480).
QString formatTwips(float value);

// Whether an element text can be stored: the file has no escape for a
// double quote or a line break.
bool isStorableText(const QString &text);

// The records of elements 1 to the highest index.
std::vector<PlanRecord> planRecords(const Plan &plan);

// The file's bytes for the records. Nothing, with the reason, when a text
// cannot be stored.
std::optional<QByteArray> planFileBytes(const std::vector<PlanRecord> &records,
                                        QString *error = nullptr);

// Writes the file whole, replacing it; the old file stays as it was when
// anything fails.
bool writePlanFile(const QString &path, const std::vector<PlanRecord> &records,
                   QString *error = nullptr);

// ---- Reading ---------------------------------------------------------------

struct PlanFileError {
    int line = 0; // 1-based line of the offending field
    QString reason;
};

// Reads the whole input before returning anything: a record that is
// incomplete or breaks a limit (a text with no closing quote, a text holding
// a double quote or a line break, an index that is no whole number or lies
// beyond 32767 either way, a position or size that is not a number, a
// negative size, a border style other than 0 or 1, more records than the
// 16-bit indices allow) gives no records and the line at fault, so whatever
// is read can be written back. Text is read as UTF-8 when it is valid UTF-8,
// else as 8-bit Latin-1.
std::optional<std::vector<PlanRecord>> parsePlanFile(const QByteArray &bytes,
                                                     PlanFileError *error = nullptr);

enum class ReadStatus { Ok, Missing, Unreadable, Malformed };

struct PlanFileRead {
    ReadStatus status = ReadStatus::Ok;
    std::vector<PlanRecord> records;
    PlanFileError error; // for Malformed
};

PlanFileRead readPlanFile(const QString &path);

} // namespace tessavo::floorplan
