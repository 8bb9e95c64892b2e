#include "Fakes.h"

#include "platform/ModalLoops.h"

#include <QScopeGuard>
#include <QTextDocument>

namespace tessavo::test {

MsgAnswer FakeMessageBox::show(const QString &text, MsgButtons buttons, MsgIcon icon,
                               const QString &title)
{
    // A box is a modal window: what a modal window cuts off, this does too.
    const ModalScope box;
    shown.append({text, buttons, icon, title});
    constexpr int kDeepest = 4;
    ++m_open;
    const auto closed = qScopeGuard([this] { --m_open; });
    if (whileOpen && m_open <= kDeepest)
        whileOpen(text);
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}

QStringList FakeMessageBox::texts() const
{
    QStringList out;
    for (const auto &m : shown)
        out << m.text;
    return out;
}

bool FakeUrlOpener::open(const QString &address)
{
    opened << address;
    return true;
}

QString FakeSettings::read(const QString &app, const QString &section, const QString &key)
{
    return values.value(app + '/' + section + '/' + key);
}

void FakeSettings::write(const QString &app, const QString &section, const QString &key,
                         const QString &value)
{
    const QString path = app + '/' + section + '/' + key;
    values[path] = value;
    writes << path + '=' + value;
}

std::optional<QString> FakeSaveAs::ask(const SaveAsRequest &request)
{
    const ModalScope dialog;
    requests.append(request);
    return answer;
}

bool FakePrinter::print(const QTextDocument &document)
{
    printedTexts << document.toPlainText();
    printedHtml << document.toHtml();
    return true;
}

void FakeModalRunner::run(QWidget *window)
{
    const ModalScope wait;
    ran.append(window);
}

void FakeProcessEnd::end()
{
    ++ends;
    throw ProcessEnded();
}

Fakes installFakes()
{
    Fakes f{};
    auto &s = services();
    auto put = [](auto &slot, auto *fake) {
        slot.reset(fake);
        return fake;
    };
    f.messageBox = put(s.messageBox, new FakeMessageBox);
    f.urlOpener = put(s.urlOpener, new FakeUrlOpener);
    f.settings = put(s.settings, new FakeSettings);
    f.clock = put(s.clock, new FakeClock);
    f.saveAs = put(s.saveAs, new FakeSaveAs);
    f.printer = put(s.printer, new FakePrinter);
    f.clipboard = put(s.clipboard, new FakeClipboard);
    f.instanceGuard = put(s.instanceGuard, new FakeInstanceGuard);
    f.processEnd = put(s.processEnd, new FakeProcessEnd);
    f.programFolder = put(s.programFolder, new FakeProgramFolder);
    f.screen = put(s.screen, new FakeScreen);
    f.windowFlags = put(s.windowFlags, new FakeWindowFlags);
    f.modalRunner = put(s.modalRunner, new FakeModalRunner);
    return f;
}

} // namespace tessavo::test
