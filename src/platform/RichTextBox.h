#pragma once

// The rich text box the report windows write into: a read-only text edit that
// the program fills run by run (bold, colour and size of the insertion point,
// then the text), saves as Rich Text, prints, and whose web addresses can be
// marked and looked up under the mouse.

#include <QColor>
#include <QCursor>
#include <QTextCharFormat>
#include <QTextEdit>

#include <optional>

namespace tessavo {

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Formatting of the insertion point: applies to text inserted next and
    // stays until set again. A selection, if any, takes it at once.
    void setSelBold(bool on);
    bool selBold() const;
    void setSelColor(int paletteIndex);
    void setSelColor(const QColor &rgb);
    QColor selColor() const;
    void setSelFontSize(double points);
    double selFontSize() const;

    // Inserts at the insertion point, replacing any selection, and leaves the
    // insertion point after the text. CR LF, a lone CR or LF is one line break.
    void setSelText(const QString &text);

    // The box's background; SaveFile writes it as the page colour.
    void setBackColor(const QColor &c);
    QColor backColor() const;

    // Caret and selection, counted in characters from the start, each line
    // break counting one.
    void setSelStart(int position);
    int selStart() const;
    void setSelLength(int n);
    int selLength() const;

    // Empties the box; the insertion point goes to the start.
    void clearText();

    // The whole content as a Rich Text file.
    bool SaveFile(const QString &path, QString *error = nullptr);
    // Clears the selection and prints the whole content on the default printer.
    bool SelPrint();

    // Web and mail addresses in the text, marked while detection is on.
    void setAutoUrlDetect(bool on);
    bool autoUrlDetect() const;
    // The address under a point of the viewport, when detection is on.
    std::optional<QString> linkAt(const QPoint &viewportPos) const;

signals:
    void Change();
    void Click();
    void MouseDown();
    void MouseMove();
    void MouseUp();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    struct Link {
        int start;
        int length;
        QString address;
    };

    void applyToSelection(const QTextCharFormat &change);
    void detectLinks();
    int characterAt(const QPoint &viewportPos) const;

    QTextCharFormat m_insertFormat;
    std::optional<QColor> m_backColor;
    bool m_autoUrlDetect = false;
    QList<Link> m_links;
    bool m_handCursor = false;
    QCursor m_cursorBeforeHand;
};

} // namespace tessavo
