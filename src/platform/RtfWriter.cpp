#include "platform/RtfWriter.h"

#include "platform/SafeFile.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace tessavo {

namespace {

const QString kDefaultFamily = QStringLiteral("Verdana");

QString familyOf(const RtfRun &run)
{
    return run.family.isEmpty() ? kDefaultFamily : run.family;
}

int halfPoints(double points)
{
    return std::max(1, static_cast<int>(std::lround(points * 2.0)));
}

// Word reads a colour number as 0x00BBGGRR.
int wordColorValue(const QColor &c)
{
    return c.red() + c.green() * 256 + c.blue() * 65536;
}

void appendUnicode(QByteArray &out, char16_t unit)
{
    // RTF takes a signed 16-bit number; '?' is what readers without Unicode show.
    out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + '?';
}

// Text of a run or a font name. Line breaks only where the caller allows them.
void appendEscaped(QByteArray &out, QStringView text, bool lineBreaks)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'\\':
            out += "\\\\";
            break;
        case u'{':
            out += "\\{";
            break;
        case u'}':
            out += "\\}";
            break;
        case u'\t':
            out += "\\tab ";
            break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                break; // the line feed of the pair makes the break
            [[fallthrough]];
        case u'\n':
        case 0x2029: // paragraph separator
            if (lineBreaks)
                out += "\\par\r\n";
            break;
        case 0x2028: // line separator
            if (lineBreaks)
                out += "\\line\r\n";
            break;
        default:
            if (c > 0x7F)
                appendUnicode(out, c); // a surrogate pair comes out as two of these
            else if (c >= 0x20 && c != 0x7F)
                out += static_cast<char>(c);
            break;
        }
    }
}

template <typename T> int indexOf(QList<T> &list, const T &value)
{
    qsizetype i = list.indexOf(value);
    if (i < 0) {
        list.append(value);
        i = list.size() - 1;
    }
    return static_cast<int>(i);
}

RtfRun runFrom(const QTextCharFormat &format, const QFont &defaultFont)
{
    RtfRun run;
    run.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold
                                                           : defaultFont.bold();
    run.color = format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                           : QColor(Qt::black);
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        run.pointSize = format.fontPointSize();
    else if (defaultFont.pointSizeF() > 0)
        run.pointSize = defaultFont.pointSizeF();
    const QStringList families = format.fontFamilies().toStringList();
    run.family = !families.isEmpty() && !families.first().isEmpty() ? families.first()
                                                                    : defaultFont.family();
    return run;
}

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

} // namespace

QByteArray writeRtf(const RtfDocument &doc)
{
    QStringList fonts;
    QList<QRgb> colors;
    for (const RtfRun &run : doc.runs) {
        indexOf(fonts, familyOf(run));
        indexOf(colors, run.color.rgb());
    }
    if (fonts.isEmpty())
        fonts.append(kDefaultFamily);
    if (doc.background)
        indexOf(colors, doc.background->rgb());

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";

    out += "{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        QString name = fonts[i];
        name.remove(u';'); // ends an entry of the table
        appendEscaped(out, name, false);
        out += ";}";
    }
    out += "}\r\n";

    // Entry 0 stays empty: the reader's automatic colour.
    out += "{\\colortbl ;";
    for (const QRgb rgb : colors) {
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
               QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    out += "}\r\n";

    if (doc.background) {
        // The page colour as word processors write it themselves: a background
        // shape with a fill colour, and the flag that shows it.
        out += "\\viewbksp1{\\*\\background{\\shp{\\*\\shpinst"
               "{\\sp{\\sn shapeType}{\\sv 1}}"
               "{\\sp{\\sn fillColor}{\\sv " +
               QByteArray::number(wordColorValue(*doc.background)) +
               "}}"
               "{\\sp{\\sn fFilled}{\\sv 1}}"
               "{\\sp{\\sn fBackground}{\\sv 1}}}}}\r\n";
    }

    out += "\\viewkind4\\pard\\plain ";
    bool bold = false; // \plain turns it off
    int color = -1;
    int size = -1;
    int font = -1;
    for (const RtfRun &run : doc.runs) {
        if (run.text.isEmpty())
            continue;
        QByteArray words;
        if (run.bold != bold) {
            bold = run.bold;
            words += bold ? "\\b" : "\\b0";
        }
        const int runColor = static_cast<int>(colors.indexOf(run.color.rgb())) + 1;
        if (runColor != color) {
            color = runColor;
            words += "\\cf" + QByteArray::number(color);
        }
        const int runFont = static_cast<int>(fonts.indexOf(familyOf(run)));
        if (runFont != font) {
            font = runFont;
            words += "\\f" + QByteArray::number(font);
        }
        const int runSize = halfPoints(run.pointSize);
        if (runSize != size) {
            size = runSize;
            words += "\\fs" + QByteArray::number(size);
        }
        if (!words.isEmpty())
            out += words + ' ';
        appendEscaped(out, run.text, true);
    }
    out += "\r\n}\r\n";
    return out;
}

RtfDocument rtfDocumentFrom(const QTextDocument &doc)
{
    RtfDocument out;
    const QFont defaultFont = doc.defaultFont();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            QString text = fragment.text();
            text.replace(QChar::LineSeparator, u'\n');
            text.remove(QChar::ObjectReplacementCharacter);
            appendRun(out.runs, text, runFrom(fragment.charFormat(), defaultFont));
        }
        if (block.next().isValid()) {
            // The break takes the formatting of the text before it, so that it
            // does not split a run.
            const RtfRun format =
                out.runs.isEmpty() ? runFrom(block.charFormat(), defaultFont) : out.runs.last();
            appendRun(out.runs, QStringLiteral("\n"), format);
        }
    }
    return out;
}

bool saveRtf(const QString &path, const RtfDocument &doc, QString *error)
{
    return writeFileSafely(path, writeRtf(doc), error);
}

} // namespace tessavo
