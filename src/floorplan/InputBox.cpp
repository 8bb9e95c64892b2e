#include "floorplan/InputBox.h"

#include <QApplication>
#include <QInputDialog>

namespace tessavo::floorplan {

namespace {

class QtInputBox : public InputBoxService {
public:
    QString ask(const QString &prompt, const QString &title, const QString &defaultAnswer) override
    {
        bool ok = false;
        const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                     QLineEdit::Normal, defaultAnswer, &ok);
        return ok ? answer : QString();
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
