#pragma once

// The seams between the program and the desktop it runs on. Every side effect
// the windows have (a message box, a web page, the settings store, the clock,
// the Save As dialog, the printer, the clipboard, the end of the process) goes
// through one of these small interfaces. The Qt implementations live in
// QtServices.cpp; the tests install fakes.

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

class QTextDocument;
class QWidget;

namespace tessavo {

// The application title that message boxes and dialogs carry.
inline const QString kAppTitle = QStringLiteral("Tessavo");

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows a modal message box and returns the button the user chose.
    virtual MsgAnswer show(const QString &text, MsgButtons buttons, MsgIcon icon,
                           const QString &title = kAppTitle) = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Opens a web or mail address in the user's browser or mail program.
    // Returns false when nothing was opened; callers ignore it.
    virtual bool open(const QString &address) = 0;
};

// Per-user settings keyed by application, section and value name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing value reads as empty text.
    virtual QString read(const QString &app, const QString &section, const QString &key) = 0;
    virtual void write(const QString &app, const QString &section, const QString &key,
                       const QString &value) = 0;
    virtual void flush() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

struct SaveAsRequest {
    QString filter;           // "Description | *.ext " as the window writes it
    QString defaultExtension; // added to a name typed without one
    QString title;
    bool promptOverwrite = true;
    bool refuseReadOnly = true;
    bool pathMustExist = true;
};

class SaveAsDialog {
public:
    virtual ~SaveAsDialog() = default;
    // The chosen file name, or nothing when the user cancelled.
    virtual std::optional<QString> ask(const SaveAsRequest &request) = 0;
};

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Prints the whole document on the default printer, without a dialog.
    virtual bool print(const QTextDocument &document) = 0;
};

enum class ClipboardMode {
    Clipboard, // what copy and paste use
    Selection, // the selected text that a middle click pastes, on desktops that have one
};

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // Empties the clipboard and, where the desktop has one, the selection:
    // text kept off the one must not leave the program by the other.
    void clear();

    virtual bool hasSelection() = 0;
    virtual void clearMode(ClipboardMode mode) = 0;
};

// The guard of the boxes whose text is not meant to be copied: empties the
// clipboard once the event being handled has finished, never at once, since
// that event may be a paste still reading the clipboard's data. Requests made
// before the clear runs share it.
void guardClipboard();

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True when another instance of the program holds the guard. The first
    // call takes the guard for this instance when it is free.
    virtual bool anotherInstanceRunning() = 0;
};

class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    // Ends the process at once. Never returns.
    [[noreturn]] virtual void end() = 0;
};

class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual QString path() = 0;
};

// The program's folder; empty while no folder service is in place.
QString programFolderPath();

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual int widthTwips() = 0;
    virtual int heightTwips() = 0;
};

class WindowFlags {
public:
    virtual ~WindowFlags() = default;
    // Keeps a top-level window above all others without activating it.
    virtual void makeTopmost(QWidget *window) = 0;
};

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Waits, taking events, until the window is hidden or gone.
    virtual void run(QWidget *window) = 0;
};

// The services in force. The program installs the Qt implementations at
// start; tests install fakes.
struct Services {
    std::unique_ptr<MessageBoxService> messageBox;
    std::unique_ptr<UrlOpener> urlOpener;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<SaveAsDialog> saveAs;
    std::unique_ptr<PrinterService> printer;
    std::unique_ptr<ClipboardService> clipboard;
    std::unique_ptr<InstanceGuard> instanceGuard;
    std::unique_ptr<ProcessEnd> processEnd;
    std::unique_ptr<ProgramFolder> programFolder;
    std::unique_ptr<ScreenInfo> screen;
    std::unique_ptr<WindowFlags> windowFlags;
    std::unique_ptr<ModalRunner> modalRunner;
};

Services &services();

// Shorthand for the common case of a message box with the application title.
MsgAnswer MsgBox(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None);

} // namespace tessavo
