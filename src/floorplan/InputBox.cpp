#include "floorplan/InputBox.h"

#include "platform/ModalDialog.h"

#include <QApplication>
#include <QInputDialog>

namespace tessavo::floorplan {

namespace {

class QtInputBox : public InputBoxService {
public:
    QString ask(const QString &prompt, const QString &title, const QString &defaultAnswer) override
    {
        OwnedDialog<QInputDialog> box(new QInputDialog(QApplication::activeWindow()));
        box->setWindowTitle(title);
        box->setLabelText(prompt);
        box->setInputMode(QInputDialog::TextInput);
        box->setTextValue(defaultAnswer);
        if (box.exec() != QDialog::Accepted)
            return QString();
        return box->textValue();
    }
};

std::unique_ptr<InputBoxService> &current()
{
    static std::unique_ptr<InputBoxService> service = std::make_unique<QtInputBox>();
    return service;
}

} // namespace

InputBoxService &inputBox()
{
    return *current();
}

void setInputBox(std::unique_ptr<InputBoxService> service)
{
    current() = service ? std::move(service) : std::make_unique<QtInputBox>();
}

} // namespace tessavo::floorplan
