#include "platform/QtServices.h"

#include "platform/ModalDialog.h"
#include "platform/ModalLoops.h"
#include "platform/Twips.h"
#include "platform/WebAddress.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>

#include <cstdlib>

namespace tessavo {

QString messageBoxText(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QChar('\r'), QChar('\n'));
    return out;
}

namespace {

// The active window, or else a visible window that stays on top.
QWidget *frontWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
    }
    return nullptr;
}

// The answer of a box that got none: Cancel where there is one, else No,
// else OK.
MsgAnswer cancelledAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::Ok: break;
    }
    return MsgAnswer::Ok;
}

class QtMessageBox : public MessageBoxService {
public:
    MsgAnswer show(const QString &text, MsgButtons buttons, MsgIcon icon,
                   const QString &title) override
    {
        // Owned by the window in front, so the box never opens behind a
        // window that stays on top (the closing screen).
        OwnedDialog<QMessageBox> box(new QMessageBox(frontWindow()));
        if (box->parentWidget() &&
            box->parentWidget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        box->setWindowTitle(title);
        box->setText(messageBoxText(text));
        box->setTextFormat(Qt::PlainText);
        switch (icon) {
        case MsgIcon::None: box->setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Critical: box->setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box->setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box->setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box->setIcon(QMessageBox::Information); break;
        }
        switch (buttons) {
        case MsgButtons::Ok: box->setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel:
            box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo: box->setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::YesNoCancel:
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        const std::optional<int> chosen = box.exec();
        if (!chosen)
            return cancelledAnswer(buttons);
        switch (*chosen) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        default: return MsgAnswer::Ok;
        }
    }
};

class QtUrlOpener : public UrlOpener {
public:
    bool open(const QString &address) override
    {
        const auto url = webAddressToUrl(address);
        return url && QDesktopServices::openUrl(*url);
    }
};

class QtSettingsStore : public SettingsStore {
public:
    QString read(const QString &app, const QString &section, const QString &key) override
    {
        return QSettings(QStringLiteral("Tessavo"), app).value(section + '/' + key).toString();
    }
    void write(const QString &app, const QString &section, const QString &key,
               const QString &value) override
    {
        QSettings settings(QStringLiteral("Tessavo"), app);
        settings.setValue(section + '/' + key, value);
        settings.sync();
    }
    void flush() override {}
};

class QtClock : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
};

// "Rich Text Format | *.rtf " -> "Rich Text Format (*.rtf)"
QString qtFilter(const QString &filter)
{
    const int bar = filter.indexOf('|');
    if (bar < 0)
        return filter.trimmed();
    return QStringLiteral("%1 (%2)").arg(filter.left(bar).trimmed(), filter.mid(bar + 1).trimmed());
}

class QtSaveAsDialog : public SaveAsDialog {
public:
    std::optional<QString> ask(const SaveAsRequest &request) override
    {
        for (;;) {
            OwnedDialog<QFileDialog> dialog(
                new QFileDialog(QApplication::activeWindow(), request.title));
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setFileMode(QFileDialog::AnyFile);
            dialog->setNameFilter(qtFilter(request.filter));
            dialog->setDefaultSuffix(request.defaultExtension);
            dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
            if (dialog.exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
                return std::nullopt;
            const QString chosen = dialog->selectedFiles().constFirst();
            const QFileInfo info(chosen);
            if (request.pathMustExist && !info.absoluteDir().exists())
                continue;
            const bool readOnly = (info.exists() && !info.isWritable()) ||
                                  !QFileInfo(info.absolutePath()).isWritable();
            if (request.refuseReadOnly && readOnly) {
                MsgBox(QStringLiteral("%1\nThis file is write-protected.\nTry again with a different file name.")
                           .arg(info.fileName()),
                       MsgButtons::Ok, MsgIcon::Exclamation);
                continue;
            }
            return chosen;
        }
    }
};

class QtPrinterService : public PrinterService {
public:
    explicit QtPrinterService(std::function<std::unique_ptr<QPrinter>()> makePrinter)
        : m_makePrinter(std::move(makePrinter))
    {
    }
    bool print(const QTextDocument &document) override
    {
        const std::unique_ptr<QPrinter> printer = m_makePrinter ? m_makePrinter() : nullptr;
        if (!printer)
            return false;
        document.print(printer.get());
        return printer->printerState() != QPrinter::Error;
    }

private:
    std::function<std::unique_ptr<QPrinter>()> m_makePrinter;
};

std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

class QtClipboard : public ClipboardService {
public:
    bool hasSelection() override
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        return clipboard && clipboard->supportsSelection();
    }
    void clearMode(ClipboardMode mode) override
    {
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->clear(mode == ClipboardMode::Selection ? QClipboard::Selection
                                                              : QClipboard::Clipboard);
    }
};

// One lock file per user. A live holder keeps the lock; the lock of a
// process that died is taken over.
class LockFileGuard : public InstanceGuard {
public:
    bool anotherInstanceRunning() override
    {
        if (!m_lock) {
            QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
            if (folder.isEmpty())
                folder = QDir::tempPath();
            QDir().mkpath(folder);
            m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/tessavo.lock"));
            m_lock->setStaleLockTime(0);
            m_held = m_lock->tryLock(0);
        }
        return !m_held;
    }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

class QtProcessEnd : public ProcessEnd {
public:
    [[noreturn]] void end() override
    {
        if (auto &settings = services().settings)
            settings->flush();
        // The lock file goes with the guard; nothing else needs tidying.
        services().instanceGuard.reset();
        std::_Exit(0);
    }
};

class QtProgramFolder : public ProgramFolder {
public:
    QString path() override { return QCoreApplication::applicationDirPath(); }
};

class QtScreenInfo : public ScreenInfo {
public:
    int widthTwips() override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? static_cast<int>(twips::fromPixels(screen->geometry().width())) : 0;
    }
    int heightTwips() override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? static_cast<int>(twips::fromPixels(screen->geometry().height())) : 0;
    }
};

class QtWindowFlags : public WindowFlags {
public:
    void makeTopmost(QWidget *window) override
    {
        const bool visible = window->isVisible();
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (visible)
            window->show();
    }
};

// Runs a nested event loop until the window is hidden or destroyed.
class QtModalRunner : public ModalRunner {
public:
    void run(QWidget *window) override
    {
        if (!window || !window->isVisible() || ModalLoops::instance().cutOff())
            return;
        QEventLoop loop;
        HideWatcher watcher(window, &loop);
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        const ModalScope scope(window);
        loop.exec();
    }

private:
    // Parentless, so nothing but this frame deletes it, and taken off the
    // window's filters when it goes.
    class HideWatcher : public QObject {
    public:
        HideWatcher(QWidget *window, QEventLoop *loop) : m_window(window), m_loop(loop)
        {
            window->installEventFilter(this);
        }
        ~HideWatcher() override
        {
            if (m_window)
                m_window->removeEventFilter(this);
        }
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Hide)
                m_loop->quit();
            return QObject::eventFilter(watched, event);
        }

    private:
        QPointer<QWidget> m_window;
        QEventLoop *m_loop;
    };
};

} // namespace

std::unique_ptr<PrinterService>
makeQtPrinterService(std::function<std::unique_ptr<QPrinter>()> makePrinter)
{
    return std::make_unique<QtPrinterService>(std::move(makePrinter));
}

std::unique_ptr<ClipboardService> makeQtClipboard()
{
    return std::make_unique<QtClipboard>();
}

std::unique_ptr<MessageBoxService> makeQtMessageBox()
{
    return std::make_unique<QtMessageBox>();
}

std::unique_ptr<SaveAsDialog> makeQtSaveAsDialog()
{
    return std::make_unique<QtSaveAsDialog>();
}

std::unique_ptr<ModalRunner> makeQtModalRunner()
{
    return std::make_unique<QtModalRunner>();
}

void installQtServices()
{
    auto &s = services();
    s.messageBox = makeQtMessageBox();
    s.urlOpener = std::make_unique<QtUrlOpener>();
    s.settings = std::make_unique<QtSettingsStore>();
    s.clock = std::make_unique<QtClock>();
    s.saveAs = makeQtSaveAsDialog();
    s.printer = makeQtPrinterService(defaultPrinter);
    s.clipboard = makeQtClipboard();
    s.instanceGuard = std::make_unique<LockFileGuard>();
    s.processEnd = std::make_unique<QtProcessEnd>();
    s.programFolder = std::make_unique<QtProgramFolder>();
    s.screen = std::make_unique<QtScreenInfo>();
    s.windowFlags = std::make_unique<QtWindowFlags>();
    s.modalRunner = makeQtModalRunner();
}

} // namespace tessavo
