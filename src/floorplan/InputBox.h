#pragma once

// The platform's input box: a prompt, a title, a default answer, OK and
// Cancel. Cancel answers with an empty text. A seam of its own so that the
// window tests can answer it without a modal wait.

#include <QString>

#include <memory>

namespace tessavo::floorplan {

class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    virtual QString ask(const QString &prompt, const QString &title,
                        const QString &defaultAnswer) = 0;
};

// The input box in force: a Qt dialog unless a test installed another.
InputBoxService &inputBox();
void setInputBox(std::unique_ptr<InputBoxService> service);

} // namespace tessavo::floorplan
