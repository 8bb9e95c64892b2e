#include "RtfReader.h"

#include <QList>
#include <QMap>

#include <cctype>

namespace tessavo::test {

namespace {

enum class Dest { Text, FontTable, ColorTable, Skip, ShapeName, ShapeValue, Other };

struct State {
    Dest dest = Dest::Text;
    bool bold = false;
    int color = 0;
    int halfPoints = 24;
    int font = 0;
    int skipCount = 1; // \uc
    bool inBackground = false;
};

void appendRun(QList<RtfRun> &runs, const QString &text, const RtfRun &format)
{
    if (text.isEmpty())
        return;
    if (!runs.isEmpty()) {
        RtfRun &last = runs.last();
        if (last.bold == format.bold && last.color == format.color &&
            last.pointSize == format.pointSize && last.family == format.family) {
            last.text += text;
            return;
        }
    }
    RtfRun run = format;
    run.text = text;
    runs.append(run);
}

class Reader {
public:
    explicit Reader(const QByteArray &data) : m_data(data) {}

    std::optional<RtfDocument> read(QString *error)
    {
        if (!m_data.startsWith("{\\rtf"))
            return fail(error, QStringLiteral("not Rich Text"));
        std::optional<RtfDocument> result;
        while (m_pos < m_data.size()) {
            const char c = m_data[m_pos++];
            if (c == '{') {
                m_stack.append(m_state);
                if (m_state.dest == Dest::FontTable)
                    m_fontName.clear();
            } else if (c == '}') {
                if (m_stack.isEmpty())
                    return fail(error, QStringLiteral("unbalanced } at %1").arg(m_pos));
                closeGroup();
                if (m_stack.isEmpty() && !result)
                    result = m_doc;
            } else if (c == '\\') {
                if (!controlWord())
                    return fail(error, QStringLiteral("bad control word at %1").arg(m_pos));
            } else if (c == '\r' || c == '\n') {
                continue;
            } else {
                character(QChar(QLatin1Char(c)));
            }
        }
        if (!m_stack.isEmpty() || !result)
            return fail(error, QStringLiteral("unbalanced {"));
        return result;
    }

private:
    static std::optional<RtfDocument> fail(QString *error, const QString &why)
    {
        if (error)
            *error = why;
        return std::nullopt;
    }

    RtfRun format() const
    {
        RtfRun run;
        run.bold = m_state.bold;
        run.color = m_state.color > 0 && m_state.color < m_colors.size() &&
                            m_colors[m_state.color].isValid()
                        ? m_colors[m_state.color]
                        : QColor(Qt::black);
        run.pointSize = m_state.halfPoints / 2.0;
        run.family = m_fonts.value(m_state.font);
        return run;
    }

    void closeGroup()
    {
        const State inner = m_state;
        m_state = m_stack.takeLast();
        if (inner.dest == Dest::ShapeName && m_state.dest != Dest::ShapeName)
            m_shapeName = m_shapeText.trimmed();
        if (inner.dest == Dest::ShapeValue && m_state.dest != Dest::ShapeValue) {
            if (inner.inBackground && m_shapeName == u"fillColor") {
                const int v = m_shapeText.trimmed().toInt();
                m_doc.background = QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
            }
        }
        if (inner.dest == Dest::ShapeName || inner.dest == Dest::ShapeValue)
            m_shapeText.clear();
    }

    void character(QChar c)
    {
        switch (m_state.dest) {
        case Dest::Text:
            appendRun(m_doc.runs, QString(c), format());
            break;
        case Dest::FontTable:
            if (c == u';')
                m_fonts[m_state.font] = m_fontName.trimmed();
            else
                m_fontName += c;
            break;
        case Dest::ColorTable:
            if (c == u';') {
                m_colors.append(m_colorSeen ? QColor(m_red, m_green, m_blue) : QColor());
                m_colorSeen = false;
                m_red = m_green = m_blue = 0;
            }
            break;
        case Dest::ShapeName:
        case Dest::ShapeValue:
            m_shapeText += c;
            break;
        case Dest::Skip:
        case Dest::Other:
            break;
        }
    }

    // Skips the fallback characters after \uN.
    void skipFallback(int count)
    {
        while (count > 0 && m_pos < m_data.size()) {
            const char c = m_data[m_pos];
            if (c == '{' || c == '}')
                return;
            if (c == '\\' && m_pos + 1 < m_data.size() && m_data[m_pos + 1] == '\'')
                m_pos += 4;
            else
                ++m_pos;
            --count;
        }
    }

    bool controlWord()
    {
        if (m_pos >= m_data.size())
            return false;
        const char first = m_data[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(first))) {
            ++m_pos;
            switch (first) {
            case '\\':
            case '{':
            case '}':
                character(QChar(QLatin1Char(first)));
                return true;
            case '*':
                m_starred = true;
                return true;
            case '\'': {
                bool ok = false;
                const int code = m_data.mid(m_pos, 2).toInt(&ok, 16);
                m_pos += 2;
                if (ok)
                    character(QChar(QLatin1Char(static_cast<char>(code))));
                return ok;
            }
            case '\r':
            case '\n':
                character(u'\n');
                return true;
            default:
                return true; // other symbols (\~, \-, ...) carry nothing we check
            }
        }
        QByteArray word;
        while (m_pos < m_data.size() && std::isalpha(static_cast<unsigned char>(m_data[m_pos])))
            word += m_data[m_pos++];
        QByteArray digits;
        if (m_pos < m_data.size() && m_data[m_pos] == '-')
            digits += m_data[m_pos++];
        while (m_pos < m_data.size() && std::isdigit(static_cast<unsigned char>(m_data[m_pos])))
            digits += m_data[m_pos++];
        const bool hasParam = !digits.isEmpty() && digits != "-";
        const int param = hasParam ? digits.toInt() : 1;
        if (m_pos < m_data.size() && m_data[m_pos] == ' ')
            ++m_pos;

        const bool starred = m_starred;
        m_starred = false;
        apply(word, param, hasParam, starred);
        return true;
    }

    void apply(const QByteArray &word, int param, bool hasParam, bool starred)
    {
        if (word == "fonttbl") {
            m_state.dest = Dest::FontTable;
        } else if (word == "colortbl") {
            m_state.dest = Dest::ColorTable;
        } else if (word == "background") {
            m_state.dest = Dest::Other;
            m_state.inBackground = true;
        } else if (word == "sn" && m_state.inBackground) {
            m_state.dest = Dest::ShapeName;
        } else if (word == "sv" && m_state.inBackground) {
            m_state.dest = Dest::ShapeValue;
        } else if (starred && !m_state.inBackground) {
            m_state.dest = Dest::Skip;
        } else if (word == "red" || word == "green" || word == "blue") {
            (word == "red" ? m_red : word == "green" ? m_green : m_blue) = param;
            m_colorSeen = true;
        } else if (word == "deff") {
            m_defaultFont = param;
            m_state.font = param;
        } else if (word == "f") {
            m_state.font = param;
        } else if (word == "b") {
            m_state.bold = !hasParam || param != 0;
        } else if (word == "cf") {
            m_state.color = param;
        } else if (word == "fs") {
            m_state.halfPoints = param;
        } else if (word == "uc") {
            m_state.skipCount = param;
        } else if (word == "plain") {
            m_state.bold = false;
            m_state.color = 0;
            m_state.halfPoints = 24;
            m_state.font = m_defaultFont;
        } else if (word == "par" || word == "line") {
            character(u'\n');
        } else if (word == "tab") {
            character(u'\t');
        } else if (word == "u") {
            character(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param)));
            skipFallback(m_state.skipCount);
        }
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    State m_state;
    QList<State> m_stack;
    bool m_starred = false;
    RtfDocument m_doc;
    QMap<int, QString> m_fonts;
    QString m_fontName;
    int m_defaultFont = 0;
    QList<QColor> m_colors;
    bool m_colorSeen = false;
    int m_red = 0, m_green = 0, m_blue = 0;
    QString m_shapeName;
    QString m_shapeText;
};

} // namespace

std::optional<RtfDocument> readRtf(const QByteArray &data, QString *error)
{
    return Reader(data).read(error);
}

QList<RtfRun> normalisedRuns(const QList<RtfRun> &runs)
{
    QList<RtfRun> out;
    for (RtfRun run : runs) {
        run.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        run.text.replace(u'\r', u'\n');
        appendRun(out, run.text, run);
    }
    return out;
}

} // namespace tessavo::test

namespace tessavo {

void PrintTo(const RtfRun &run, std::ostream *os)
{
    *os << '"' << run.text.toStdString() << "\" " << (run.bold ? "bold " : "")
        << run.color.name().toStdString() << ' ' << run.pointSize << "pt "
        << run.family.toStdString();
}

} // namespace tessavo
