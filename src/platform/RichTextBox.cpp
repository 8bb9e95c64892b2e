#include "platform/RichTextBox.h"

#include "platform/QbColor.h"
#include "platform/RtfWriter.h"
#include "platform/Services.h"
#include "platform/WebAddress.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace tessavo {

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    // The program writes the box; the user may only select and copy.
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptDrops(false);
    // A context menu would offer copying around the clipboard guard of the
    // report windows, and it is modal.
    setContextMenuPolicy(Qt::NoContextMenu);
    viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    setFont(QFont(QStringLiteral("Verdana"), 10));
    // Mouse moves matter without a button held (the clipboard guard, the
    // hand over links).
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    connect(this, &QTextEdit::textChanged, this, [this] {
        if (m_autoUrlDetect)
            detectLinks();
        emit Change();
    });
}

void RichTextBox::applyToSelection(const QTextCharFormat &change)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(change);
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat change;
    change.setFontWeight(on ? QFont::Bold : QFont::Normal);
    m_insertFormat.merge(change);
    applyToSelection(change);
}

bool RichTextBox::selBold() const
{
    if (m_insertFormat.hasProperty(QTextFormat::FontWeight))
        return m_insertFormat.fontWeight() >= QFont::DemiBold;
    return font().bold();
}

void RichTextBox::setSelColor(int paletteIndex)
{
    setSelColor(qbColor(paletteIndex));
}

void RichTextBox::setSelColor(const QColor &rgb)
{
    QTextCharFormat change;
    change.setForeground(rgb);
    m_insertFormat.merge(change);
    applyToSelection(change);
}

QColor RichTextBox::selColor() const
{
    if (m_insertFormat.foreground().style() != Qt::NoBrush)
        return m_insertFormat.foreground().color();
    return palette().color(QPalette::Text);
}

void RichTextBox::setSelFontSize(double points)
{
    if (points <= 0)
        return;
    QTextCharFormat change;
    change.setFontPointSize(points);
    m_insertFormat.merge(change);
    applyToSelection(change);
}

double RichTextBox::selFontSize() const
{
    if (m_insertFormat.hasProperty(QTextFormat::FontPointSize))
        return m_insertFormat.fontPointSize();
    return font().pointSizeF();
}

void RichTextBox::setSelText(const QString &text)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(u'\r', u'\n');
    QTextCursor cursor = textCursor();
    cursor.insertText(normalised, m_insertFormat);
    setTextCursor(cursor);
}

void RichTextBox::setBackColor(const QColor &c)
{
    m_backColor = c;
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    setPalette(p);
}

QColor RichTextBox::backColor() const
{
    return m_backColor.value_or(palette().color(QPalette::Base));
}

void RichTextBox::setSelStart(int position)
{
    const int last = document()->characterCount() - 1;
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(position, 0, last));
    setTextCursor(cursor);
}

int RichTextBox::selStart() const
{
    return textCursor().selectionStart();
}

void RichTextBox::setSelLength(int n)
{
    const int last = document()->characterCount() - 1;
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + std::max(n, 0), 0, last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

int RichTextBox::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::clearText()
{
    clear();
    setTextCursor(QTextCursor(document()));
}

bool RichTextBox::SaveFile(const QString &path, QString *error)
{
    RtfDocument doc = rtfDocumentFrom(*document());
    doc.background = m_backColor;
    return saveRtf(path, doc, error);
}

bool RichTextBox::SelPrint()
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    PrinterService *printer = services().printer.get();
    return printer && printer->print(*document());
}

void RichTextBox::setAutoUrlDetect(bool on)
{
    if (on == m_autoUrlDetect)
        return;
    m_autoUrlDetect = on;
    detectLinks();
    if (!on && m_handCursor) {
        viewport()->setCursor(m_cursorBeforeHand);
        m_handCursor = false;
    }
}

bool RichTextBox::autoUrlDetect() const
{
    return m_autoUrlDetect;
}

void RichTextBox::detectLinks()
{
    m_links.clear();
    QList<QTextEdit::ExtraSelection> marks;
    if (m_autoUrlDetect) {
        QTextCharFormat linkFormat;
        linkFormat.setFontUnderline(true);
        linkFormat.setForeground(QColor(0, 0, 255));
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            for (const WebLink &link : findWebLinks(block.text())) {
                const int start = block.position() + link.start;
                m_links.append({start, link.length, link.address});
                QTextCursor cursor(document());
                cursor.setPosition(start);
                cursor.setPosition(start + link.length, QTextCursor::KeepAnchor);
                marks.append({cursor, linkFormat});
            }
        }
    }
    // Marks only: the document, and so the saved file, keeps its own formatting.
    setExtraSelections(marks);
}

int RichTextBox::characterAt(const QPoint &viewportPos) const
{
    const QPointF docPos = QPointF(viewportPos) +
                           QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    const int hit = layout->hitTest(docPos, Qt::FuzzyHit);
    if (hit < 0)
        return -1;
    const QTextBlock block = document()->findBlock(hit);
    if (!block.isValid() || !block.layout())
        return -1;
    const QPointF inBlock = docPos - layout->blockBoundingRect(block).topLeft();
    const QTextLayout *textLayout = block.layout();
    for (int i = 0; i < textLayout->lineCount(); ++i) {
        const QTextLine line = textLayout->lineAt(i);
        if (inBlock.y() < line.y() || inBlock.y() >= line.y() + line.height())
            continue;
        const int rel = line.xToCursor(inBlock.x(), QTextLine::CursorOnCharacter);
        if (rel < line.textStart() || rel >= line.textStart() + line.textLength())
            return -1;
        // Past the end of a short line the nearest character is not under the point.
        const qreal x1 = line.cursorToX(rel);
        const qreal x2 = line.cursorToX(rel + 1);
        if (inBlock.x() < std::min(x1, x2) || inBlock.x() > std::max(x1, x2))
            return -1;
        return block.position() + rel;
    }
    return -1;
}

std::optional<QString> RichTextBox::linkAt(const QPoint &viewportPos) const
{
    if (!m_autoUrlDetect || m_links.isEmpty())
        return std::nullopt;
    const int pos = characterAt(viewportPos);
    if (pos < 0)
        return std::nullopt;
    for (const Link &link : m_links) {
        if (pos >= link.start && pos < link.start + link.length)
            return link.address;
    }
    return std::nullopt;
}

void RichTextBox::mousePressEvent(QMouseEvent *e)
{
    QTextEdit::mousePressEvent(e);
    emit MouseDown();
}

void RichTextBox::mouseReleaseEvent(QMouseEvent *e)
{
    QTextEdit::mouseReleaseEvent(e);
    emit MouseUp();
    emit Click();
}

void RichTextBox::mouseMoveEvent(QMouseEvent *e)
{
    QTextEdit::mouseMoveEvent(e);
    const bool overLink = linkAt(e->position().toPoint()).has_value();
    if (overLink && !m_handCursor) {
        m_cursorBeforeHand = viewport()->cursor();
        viewport()->setCursor(Qt::PointingHandCursor);
        m_handCursor = true;
    } else if (!overLink && m_handCursor) {
        viewport()->setCursor(m_cursorBeforeHand);
        m_handCursor = false;
    }
    emit MouseMove();
}

} // namespace tessavo
