#include "frame/WindowParts.h"

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace tessavo {

QMenu *addFileMenu(Form *window, const QList<MenuEntry> &entries, const QString &name,
                   const QString &caption)
{
    QMenu *menu = window->addMenu(name, caption);
    for (const MenuEntry &entry : entries) {
        if (!entry.caption) {
            menu->addSeparator()->setObjectName(QString::fromLatin1(entry.name));
            continue;
        }
        QAction *action = menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        connectCommand(action, &QAction::triggered, window, entry.handler);
    }
    return menu;
}

Label *makeLabel(const QString &name, const QString &caption, QWidget *parent, double left,
                 double top, double width, double height, Qt::Alignment alignment)
{
    auto *label = new Label(name, caption, parent);
    label->setGeometry(twips::rect(left, top, width, height));
    label->setAlignment(alignment);
    return label;
}

Label *makeText(const QString &name, const QString &caption, QWidget *parent, double left,
                double top, double width, double height)
{
    Label *label =
        makeLabel(name, caption, parent, left, top, width, height, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent, double left,
                        double top, double width, double height)
{
    return makeButton(name, caption, parent, twips::rect(left, top, width, height), {});
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent,
                        const QRect &geometry, std::function<void()> onClick)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    if (onClick)
        connectCommand(button, &QPushButton::clicked, button, std::move(onClick));
    return button;
}

QGroupBox *makeFrame(const QString &name, const QString &caption, QWidget *parent, double left,
                     double top, double width, double height)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(twips::rect(left, top, width, height));
    return frame;
}

QLineEdit *makeTextBox(const QString &name, QWidget *parent, double left, double top, double width,
                       double height, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(twips::rect(left, top, width, height));
    return box;
}

void setTabChain(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace tessavo
