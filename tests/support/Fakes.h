#pragma once

// Test doubles for every platform service. installFakes() puts a fresh set in
// force and returns raw pointers to them so a test can script answers and read
// what the program did.

#include "platform/Services.h"
#include "QtPrinters.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>

namespace tessavo::test {

struct ShownMessage {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
};

class FakeMessageBox : public MessageBoxService {
public:
    MsgAnswer show(const QString &text, MsgButtons buttons, MsgIcon icon,
                   const QString &title) override;
    QList<ShownMessage> shown;
    std::deque<MsgAnswer> answers; // scripted; when empty, Ok or Yes
    // Runs while the box is open, before it is answered: what a user or a
    // timer could do meanwhile. A box opened meanwhile runs it too, but only
    // a few boxes deep: a press that wrongly opens a box would press again
    // in it, and the test is to see the boxes, not to recurse without end.
    std::function<void(const QString &text)> whileOpen;
    QStringList texts() const;

private:
    int m_open = 0; // boxes open now, this one among them
};

class FakeUrlOpener : public UrlOpener {
public:
    bool open(const QString &address) override;
    QStringList opened;
};

class FakeSettings : public SettingsStore {
public:
    QString read(const QString &app, const QString &section, const QString &key) override;
    void write(const QString &app, const QString &section, const QString &key,
               const QString &value) override;
    void flush() override { ++flushes; }
    QMap<QString, QString> values; // "app/section/key" -> value
    QStringList writes;            // "app/section/key=value" in order
    int flushes = 0;
};

class FakeClock : public Clock {
public:
    QDate today() override { return date; }
    QDate date{2026, 12, 7};
};

class FakeSaveAs : public SaveAsDialog {
public:
    std::optional<QString> ask(const SaveAsRequest &request) override;
    QList<SaveAsRequest> requests;
    std::optional<QString> answer; // nothing: the user cancels
};

class FakePrinter : public PrinterService {
public:
    bool print(const QTextDocument &document) override;
    QStringList printedTexts; // plain text of each printed document
    QStringList printedHtml;
};

class FakeClipboard : public ClipboardService {
public:
    bool hasSelection() override { return selection; }
    void clearMode(ClipboardMode mode) override
    {
        cleared.append(mode);
        if (mode == ClipboardMode::Clipboard)
            ++clears;
    }
    bool selection = true;        // the desktop has a selection to clear
    int clears = 0;               // of the clipboard
    QList<ClipboardMode> cleared; // every mode emptied, in order
};

class FakeInstanceGuard : public InstanceGuard {
public:
    bool anotherInstanceRunning() override { return running; }
    bool running = false;
};

// Thrown by FakeProcessEnd so that a test survives the end of the process.
// Deliberately not a std::exception: code that ignores ordinary errors must
// not swallow the end of the process.
struct ProcessEnded {};

class FakeProcessEnd : public ProcessEnd {
public:
    [[noreturn]] void end() override;
    int ends = 0;
};

class FakeProgramFolder : public ProgramFolder {
public:
    QString path() override { return folder; }
    QString folder;
};

class FakeScreen : public ScreenInfo {
public:
    int widthTwips() override { return width; }
    int heightTwips() override { return height; }
    int width = 19200; // 1280 pixels at 96 dpi
    int height = 14400;
};

class FakeWindowFlags : public WindowFlags {
public:
    void makeTopmost(QWidget *window) override { topmost.append(window); }
    QList<QWidget *> topmost;
};

class FakeModalRunner : public ModalRunner {
public:
    void run(QWidget *window) override;
    QList<QWidget *> ran; // windows shown modally, in order
};

struct Fakes {
    FakeMessageBox *messageBox;
    FakeUrlOpener *urlOpener;
    FakeSettings *settings;
    FakeClock *clock;
    FakeSaveAs *saveAs;
    FakePrinter *printer;
    FakeClipboard *clipboard;
    FakeInstanceGuard *instanceGuard;
    FakeProcessEnd *processEnd;
    FakeProgramFolder *programFolder;
    FakeScreen *screen;
    FakeWindowFlags *windowFlags;
    FakeModalRunner *modalRunner;
};

// Replaces every service with a fresh fake.
Fakes installFakes();

} // namespace tessavo::test
