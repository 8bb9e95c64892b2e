#include "floorplan/PlanFile.h"

#include "platform/SafeFile.h"

#include "floorplan/PlanNumbers.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <cfloat>
#include <cmath>

namespace tessavo::floorplan {

QString planFilePath(const QString &folder)
{
    return QDir(folder).filePath(kPlanFileName);
}

// ---- Writing ---------------------------------------------------------------

QString formatTwips(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        return QStringLiteral("0");
    // The seven significant digits of the stored value, then the decimal
    // point put in place by hand: going through a double again would print
    // that double's own digits, 39 of them near the single-precision limit.
    const QString scientific = QString::number(static_cast<double>(value), 'e', 6);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    const bool negative = scientific.startsWith(QLatin1Char('-'));
    QString digits = scientific.left(e);
    digits.remove(QLatin1Char('-'));
    digits.remove(QLatin1Char('.'));

    QString text;
    if (exponent < 0) {
        text = QLatin1String("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (exponent + 1 >= digits.size()) {
        text = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        text = digits.left(exponent + 1) + QLatin1Char('.') + digits.mid(exponent + 1);
    }
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return negative ? QLatin1Char('-') + text : text;
}

bool isStorableText(const QString &text)
{
    return !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r')) &&
           !text.contains(QLatin1Char('\n'));
}

std::vector<PlanRecord> planRecords(const Plan &plan)
{
    std::vector<PlanRecord> records;
    records.reserve(static_cast<std::size_t>(plan.upperBound()));
    for (int i = 1; i <= plan.upperBound(); ++i) {
        const PlanElement &e = plan.at(i);
        records.push_back({i, e.text, e.left, e.top, e.width, e.height, e.borderStyle});
    }
    return records;
}

std::optional<QByteArray> planFileBytes(const std::vector<PlanRecord> &records, QString *error)
{
    QString text;
    for (const PlanRecord &r : records) {
        if (!isStorableText(r.text)) {
            if (error)
                *error = QStringLiteral("element %1 has a double quote or a line break in its "
                                        "text")
                             .arg(r.index);
            return std::nullopt;
        }
        text += QString::number(r.index) + QLatin1String(",\"") + r.text + QLatin1String("\",") +
                formatTwips(r.left) + QLatin1Char(',') + formatTwips(r.top) + QLatin1Char(',') +
                formatTwips(r.width) + QLatin1Char(',') + formatTwips(r.height) +
                QLatin1Char(',') + QString::number(r.borderStyle) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

bool writePlanFile(const QString &path, const std::vector<PlanRecord> &records, QString *error)
{
    const std::optional<QByteArray> bytes = planFileBytes(records, error);
    if (!bytes)
        return false;
    return writeFileSafely(path, *bytes, error);
}

// ---- Reading ---------------------------------------------------------------

namespace {

QString decode(const QByteArray &bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(data);
}

struct Field {
    QString text;
    int line = 0;
};

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Splits the text into fields by the sequential-input rules: commas and
// line ends separate fields, blanks before a field are skipped, a quoted
// field runs to the closing quote.
class FieldReader {
public:
    explicit FieldReader(const QString &text) : m_text(text) {}

    // Nothing but blanks and line ends is left.
    bool atEnd() const
    {
        for (qsizetype i = m_pos; i < m_text.size(); ++i) {
            if (!isBlank(m_text.at(i)) && !isLineEnd(m_text.at(i)))
                return false;
        }
        return true;
    }

    bool next(Field *field, PlanFileError *error)
    {
        if (m_afterLineEnd)
            skipBlanksAndEmptyLines();
        else
            skipBlanks();
        field->line = m_line;
        field->text.clear();
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('"')) {
            ++m_pos;
            const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos);
            const qsizetype lineEnd = findLineEnd(m_pos);
            if (close < 0) {
                *error = {m_line, QStringLiteral("a text has no closing quote")};
                return false;
            }
            // Read on to its closing quote, the text would hold a line break,
            // which no element text can be written back with.
            if (lineEnd >= 0 && lineEnd < close) {
                *error = {m_line, QStringLiteral("a text holds a line break")};
                return false;
            }
            field->text = m_text.mid(m_pos, close - m_pos);
            m_pos = close + 1;
            skipBlanks();
            if (m_pos < m_text.size() && m_text.at(m_pos) != QLatin1Char(',') &&
                !isLineEnd(m_text.at(m_pos))) {
                *error = {m_line, QStringLiteral("there is more after a quoted text")};
                return false;
            }
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && m_text.at(m_pos) != QLatin1Char(',') &&
                   !isLineEnd(m_text.at(m_pos)))
                ++m_pos;
            field->text = m_text.mid(start, m_pos - start);
            while (!field->text.isEmpty() && isBlank(field->text.back()))
                field->text.chop(1);
        }
        eatSeparator();
        return true;
    }


private:
    qsizetype findLineEnd(qsizetype from) const
    {
        for (qsizetype i = from; i < m_text.size(); ++i) {
            if (isLineEnd(m_text.at(i)))
                return i;
        }
        return -1;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text.at(m_pos)))
            ++m_pos;
    }

    void skipLineEnd()
    {
        if (m_text.at(m_pos) == QLatin1Char('\r') && m_pos + 1 < m_text.size() &&
            m_text.at(m_pos + 1) == QLatin1Char('\n'))
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    void skipBlanksAndEmptyLines()
    {
        for (;;) {
            skipBlanks();
            if (m_pos < m_text.size() && isLineEnd(m_text.at(m_pos)))
                skipLineEnd();
            else
                break;
        }
    }

    void eatSeparator()
    {
        m_afterLineEnd = false;
        if (m_pos >= m_text.size())
            return;
        if (m_text.at(m_pos) == QLatin1Char(',')) {
            ++m_pos;
        } else if (isLineEnd(m_text.at(m_pos))) {
            skipLineEnd();
            m_afterLineEnd = true;
        }
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_afterLineEnd = true;
};

constexpr int kFieldsPerRecord = 7;

bool readTwips(const Field &field, const char *what, bool size, float *out, PlanFileError *error)
{
    const std::optional<double> value = toNumber(field.text);
    if (!value || std::fabs(*value) > FLT_MAX) {
        *error = {field.line, QStringLiteral("the %1 is not a number").arg(QLatin1String(what))};
        return false;
    }
    if (size && *value < 0) {
        *error = {field.line, QStringLiteral("the %1 is negative").arg(QLatin1String(what))};
        return false;
    }
    *out = static_cast<float>(*value);
    return true;
}

} // namespace

std::optional<std::vector<PlanRecord>> parsePlanFile(const QByteArray &bytes,
                                                     PlanFileError *error)
{
    PlanFileError local;
    PlanFileError *err = error ? error : &local;
    const QString text = decode(bytes);
    FieldReader reader(text);
    std::vector<PlanRecord> records;

    while (!reader.atEnd()) {
        Field fields[kFieldsPerRecord];
        for (int f = 0; f < kFieldsPerRecord; ++f) {
            if (f > 0 && reader.atEnd()) {
                *err = {fields[0].line, QStringLiteral("the record has %1 of its 7 fields").arg(f)};
                return std::nullopt;
            }
            if (!reader.next(&fields[f], err))
                return std::nullopt;
        }

        if (records.size() >= static_cast<std::size_t>(Plan::kMaxIndex)) {
            *err = {fields[0].line,
                    QStringLiteral("the file holds more than %1 elements").arg(Plan::kMaxIndex)};
            return std::nullopt;
        }
        PlanRecord record;
        // The stored index is not used, but it must fit the 16-bit index it
        // was written from.
        const std::optional<double> index = toNumber(fields[0].text);
        if (!index || *index != std::floor(*index)) {
            *err = {fields[0].line, QStringLiteral("the index is not a whole number")};
            return std::nullopt;
        }
        if (std::fabs(*index) > Plan::kMaxIndex) {
            *err = {fields[0].line,
                    *index > 0
                        ? QStringLiteral("the index is larger than %1").arg(Plan::kMaxIndex)
                        : QStringLiteral("the index is smaller than -%1").arg(Plan::kMaxIndex)};
            return std::nullopt;
        }
        record.index = static_cast<int>(*index);
        // An unquoted text runs to the comma and may take a double quote in.
        if (!isStorableText(fields[1].text)) {
            *err = {fields[1].line, QStringLiteral("the text holds a double quote")};
            return std::nullopt;
        }
        record.text = fields[1].text;
        if (!readTwips(fields[2], "left edge", false, &record.left, err) ||
            !readTwips(fields[3], "top edge", false, &record.top, err) ||
            !readTwips(fields[4], "width", true, &record.width, err) ||
            !readTwips(fields[5], "height", true, &record.height, err))
            return std::nullopt;
        const std::optional<double> border = toNumber(fields[6].text);
        if (!border || (*border != 0.0 && *border != 1.0)) {
            *err = {fields[6].line, QStringLiteral("the border style is not 0 or 1")};
            return std::nullopt;
        }
        record.borderStyle = static_cast<int>(*border);
        records.push_back(record);
    }
    return records;
}

PlanFileRead readPlanFile(const QString &path)
{
    PlanFileRead result;
    QFile file(path);
    if (!file.exists()) {
        result.status = ReadStatus::Missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::Unreadable;
        result.error.reason = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::Unreadable;
        result.error.reason = file.errorString();
        return result;
    }
    std::optional<std::vector<PlanRecord>> records = parsePlanFile(bytes, &result.error);
    if (!records) {
        result.status = ReadStatus::Malformed;
        return result;
    }
    result.records = std::move(*records);
    return result;
}

} // namespace tessavo::floorplan
