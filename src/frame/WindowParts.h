#pragma once

// Pieces the tool windows build the same way: the File menu from a table of
// entries, named labels, push buttons, frames and text boxes placed in twips,
// and a tab order given as one list.

#include <QList>
#include <Qt>
#include <QRect>
#include <QString>

#include <functional>

class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace tessavo {

class Form;
class Label;

struct MenuEntry {
    const char *name;
    // Without a caption the entry is a separator carrying the name.
    const char *caption;
    std::function<void()> handler;
};

// Adds the menu (by default "mnuFile", "&File") to the window's menu bar with
// the entries in order, each named and connected to its handler.
QMenu *addFileMenu(Form *window, const QList<MenuEntry> &entries,
                   const QString &name = QStringLiteral("mnuFile"),
                   const QString &caption = QStringLiteral("&File"));

// A label named and placed, its position in twips.
Label *makeLabel(const QString &name, const QString &caption, QWidget *parent, double left,
                 double top, double width, double height,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A label of several lines of text, read from the top.
Label *makeText(const QString &name, const QString &caption, QWidget *parent, double left,
                double top, double width, double height);

// A push button named and placed, its position in twips.
QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent, double left,
                        double top, double width, double height);

// A push button named and placed (geometry in pixels) whose click runs onClick.
QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent,
                        const QRect &geometry, std::function<void()> onClick);

// A frame named and placed, its position in twips.
QGroupBox *makeFrame(const QString &name, const QString &caption, QWidget *parent, double left,
                     double top, double width, double height);

// A one-line text box named and placed, its position in twips.
QLineEdit *makeTextBox(const QString &name, QWidget *parent, double left, double top, double width,
                       double height, const QString &text = QString());

// Tab moves through the widgets in the order listed.
void setTabChain(const QList<QWidget *> &widgets);

} // namespace tessavo
