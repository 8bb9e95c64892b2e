// The desktop implementations of the services and the program's start-up, run
// for real where they work without a screen. What needs a process of its own
// (the single-instance lock, the per-user settings, the start-up) runs this
// program again as a child, with "--child" and the part to play:
//
//   guard                      takes the instance guard; prints "held" and
//                              waits for the end of its input, or "refused"
//   settings-write A S K V     stores V and ends as the program ends
//   settings-read A S K        prints the stored value
//   app                        the program's own start-up and event loop
//   saveas-unprivileged STEP.. the Save As dialog, answered by the steps
//                              ("choose:PATH", "yes", "no", "ok", "cancel"),
//                              in a user namespace of its own; prints the
//                              dialogs and message boxes seen and the choice
//
// Each child gets its own home, settings and runtime folders.

#include "FileSizeLimit.h"
#include "QtPrinters.h"

#include "app/Application.h"
#include "frame/modHelp.h"
#include "platform/QtServices.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <string_view>

#include <sched.h>
#include <unistd.h>

using namespace tessavo;
using tessavo::test::fileBytes;
using tessavo::test::putFile;

namespace {

constexpr int kChildMs = 5000;
constexpr const char *kNoUserNamespace = "no user namespace: ";

// ---- The children ----------------------------------------------------------

int runSaveAsChild(const QStringList &steps);

int runChild(int argc, char **argv)
{
    const std::string_view part = argv[2];
    if (part == "app")
        return runApplication(argc, argv);
    // Without a mapping for its user in a namespace of its own, the process
    // keeps no privilege over the files outside it: their modes bind it even
    // when the tests run as root. Only a process of one thread may enter, so
    // before the application starts any.
    if (part == "saveas-unprivileged" && ::unshare(CLONE_NEWUSER) != 0) {
        std::printf("%s%s\n", kNoUserNamespace, std::strerror(errno));
        return 3;
    }
    QApplication app(argc, argv);
    installQtServices();
    const QStringList args = QApplication::arguments().mid(3);
    if (part == "saveas-unprivileged")
        return runSaveAsChild(args);
    if (part == "guard") {
        if (services().instanceGuard->anotherInstanceRunning()) {
            std::puts("refused");
            return 0;
        }
        std::puts("held");
        std::fflush(stdout);
        char byte;
        while (::read(STDIN_FILENO, &byte, 1) > 0) {
        }
        services().processEnd->end();
    }
    if (part == "settings-write" && args.size() == 4) {
        services().settings->write(args[0], args[1], args[2], args[3]);
        services().processEnd->end();
    }
    if (part == "settings-read" && args.size() == 3) {
        std::fputs(services().settings->read(args[0], args[1], args[2]).toUtf8().constData(),
                   stdout);
        return 0;
    }
    return 2;
}

// Folders of their own for the children: home, settings, runtime (where the
// lock lives) and temporary files.
struct ChildFolders {
    QTemporaryDir home;
    QTemporaryDir config;
    QTemporaryDir runtime; // created for the owner alone, as the runtime folder must be

    QString lockFile() const { return runtime.filePath(QStringLiteral("tessavo.lock")); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("TMPDIR"), runtime.path());
        return env;
    }
};

std::unique_ptr<QProcess> startChild(const ChildFolders &folders, const QStringList &args)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(QCoreApplication::applicationFilePath());
    process->setArguments(QStringList{QStringLiteral("--child")} + args);
    process->setProcessEnvironment(folders.environment());
    // Ignored signals stay ignored in a child; it starts with the default, as
    // from a desktop, so what it ignores it chose itself.
    process->setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
    process->start();
    return process;
}

QString firstLine(QProcess &process)
{
    while (!process.canReadLine() && process.waitForReadyRead(kChildMs)) {
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

// Runs a child to its end; its output.
QString runToEnd(const ChildFolders &folders, const QStringList &args, int *exitCode = nullptr)
{
    const auto process = startChild(folders, args);
    process->closeWriteChannel();
    if (!process->waitForFinished(kChildMs))
        return QStringLiteral("<still running>");
    if (exitCode)
        *exitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    return QString::fromUtf8(process->readAllStandardOutput()).trimmed();
}

// The process that the lock file names.
qint64 lockHolder(const ChildFolders &folders)
{
    QFile file(folders.lockFile());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toLongLong();
}

// Whether the signal is in one of the process's signal sets as the system
// reports them: "SigIgn:" (ignored) or "SigCgt:" (caught by a handler).
bool inSignalSet(qint64 pid, const QByteArray &set, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(set))
            return (line.mid(set.size()).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1U;
    }
    return false;
}

void killAndWait(QProcess &process)
{
    process.kill(); // SIGKILL: the holder gets no chance to tidy up
    process.waitForFinished(kChildMs);
}

// ---- Modal dialogs ---------------------------------------------------------

// Answers the modal dialogs of the real services, one step for each time a
// dialog comes to the front, and notes which kind of dialog each was. A
// dialog beyond the script is cancelled, so nothing waits for ever.
class ModalScript {
public:
    using Step = std::function<void(QWidget *)>;

    explicit ModalScript(std::deque<Step> steps) : m_steps(std::move(steps))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_timer.start(5);
    }

    QStringList seen;
    QStringList boxes; // each message box as "Icon Buttons: text", line breaks as \n

private:
    void tick()
    {
        QWidget *front = QApplication::activeModalWidget();
        // A box that was just answered leaves the dialog under it in front
        // until the end of that pass of the event loop, when the dialog goes
        // on and may close: a dialog counts once it stays for a second tick.
        const bool stays = front && front == m_candidate && !m_candidate.isNull();
        m_candidate = front;
        if (!stays || (front == m_front && !m_front.isNull()))
            return;
        m_front = front;
        seen << QString::fromLatin1(front->metaObject()->className());
        if (const auto *box = qobject_cast<QMessageBox *>(front))
            boxes << describe(*box);
        if (m_steps.empty()) {
            if (auto *dialog = qobject_cast<QDialog *>(front))
                dialog->reject();
            return;
        }
        const Step step = m_steps.front();
        m_steps.pop_front();
        // Out of the timer's call, as a user's click would come.
        QTimer::singleShot(0, front, [step, front] { step(front); });
    }

    static QString describe(const QMessageBox &box)
    {
        const QMetaEnum button = QMetaEnum::fromType<QMessageBox::StandardButtons>();
        QStringList buttons;
        for (int key = 0; key < button.keyCount(); ++key) {
            // One name for each button: the first of the names a value has.
            const auto value = static_cast<QMessageBox::StandardButton>(button.value(key));
            if (box.standardButtons().testFlag(value) && value != QMessageBox::NoButton &&
                qstrcmp(button.key(key), button.valueToKey(value)) == 0)
                buttons << QString::fromLatin1(button.key(key));
        }
        QString text = box.text();
        text.replace(QChar('\n'), QStringLiteral("\\n"));
        return QStringLiteral("%1 %2: %3")
            .arg(QString::fromLatin1(
                     QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box.icon())),
                 buttons.join(QChar('|')), text);
    }

    std::deque<Step> m_steps;
    QPointer<QWidget> m_candidate;
    QPointer<QWidget> m_front;
    QTimer m_timer;
};

ModalScript::Step chooseFile(const QString &path)
{
    return [path](QWidget *front) {
        auto *dialog = qobject_cast<QFileDialog *>(front);
        if (!dialog) {
            front->close();
            return;
        }
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        // As the Save button does; QFileDialog's own accept() checks the name.
        static_cast<QDialog *>(dialog)->accept();
    };
}

ModalScript::Step cancel()
{
    return [](QWidget *front) {
        if (auto *dialog = qobject_cast<QDialog *>(front))
            dialog->reject();
    };
}

ModalScript::Step answer(QMessageBox::StandardButton button)
{
    return [button](QWidget *front) {
        auto *box = qobject_cast<QMessageBox *>(front);
        if (box && box->button(button))
            box->button(button)->click();
        else
            front->close();
    };
}

// The report window's request, as the Lo Shu report makes it.
SaveAsRequest reportSaveAs()
{
    SaveAsRequest request;
    request.filter = QStringLiteral("Rich Text Format | *.rtf ");
    request.defaultExtension = QStringLiteral("txt");
    request.title = QStringLiteral("Save Your FengShui Loshu Details");
    return request;
}

ModalScript::Step stepNamed(const QString &name)
{
    if (name.startsWith(QStringLiteral("choose:")))
        return chooseFile(name.mid(7));
    if (name == QStringLiteral("yes"))
        return answer(QMessageBox::Yes);
    if (name == QStringLiteral("no"))
        return answer(QMessageBox::No);
    if (name == QStringLiteral("ok"))
        return answer(QMessageBox::Ok);
    return cancel();
}

int runSaveAsChild(const QStringList &steps)
{
    QApplication::setQuitOnLastWindowClosed(false);
    std::deque<ModalScript::Step> script;
    for (const QString &step : steps)
        script.push_back(stepNamed(step));
    ModalScript modals(std::move(script));

    const std::optional<QString> chosen = services().saveAs->ask(reportSaveAs());

    QString out;
    for (const QString &dialog : modals.seen)
        out += QStringLiteral("seen %1\n").arg(dialog);
    for (const QString &box : modals.boxes)
        out += QStringLiteral("box %1\n").arg(box);
    out += QStringLiteral("chosen %1\n").arg(chosen.value_or(QStringLiteral("nothing")));
    std::fputs(out.toUtf8().constData(), stdout);
    return 0;
}

} // namespace

// ---- Single instance -------------------------------------------------------

TEST(QtServicesIntegration, OneInstanceHoldsTheGuardUntilItEndsOrDies)
{
    ChildFolders folders;
    ASSERT_TRUE(folders.runtime.isValid());

    const auto first = startChild(folders, {QStringLiteral("guard")});
    ASSERT_EQ(firstLine(*first), QStringLiteral("held"));
    EXPECT_EQ(lockHolder(folders), first->processId());

    // A second instance is refused and the first keeps the guard.
    EXPECT_EQ(runToEnd(folders, {QStringLiteral("guard")}), QStringLiteral("refused"));
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(lockHolder(folders), first->processId());

    // A holder that dies leaves its lock file; the next instance takes it over.
    killAndWait(*first);
    ASSERT_TRUE(QFile::exists(folders.lockFile()));
    const auto next = startChild(folders, {QStringLiteral("guard")});
    ASSERT_EQ(firstLine(*next), QStringLiteral("held"));
    EXPECT_EQ(lockHolder(folders), next->processId());

    // An orderly end gives the guard back.
    next->closeWriteChannel();
    ASSERT_TRUE(next->waitForFinished(kChildMs));
    EXPECT_EQ(next->exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folders.lockFile()));
}

// ---- Settings --------------------------------------------------------------

TEST(QtServicesIntegration, SettingsOutliveTheProcessThatStoredThem)
{
    ChildFolders folders;
    const QString app = QStringLiteral("tessavo-settings");
    const struct {
        const char *key;
        QString value;
    } rows[] = {
        {"LastUpdateReminder", QStringLiteral("07/12/2026")},
        {"Name", QStringLiteral("Zoë Łukasz, 7 = seven; \"quoted\"")},
    };
    for (const auto &row : rows) {
        int code = -1;
        runToEnd(folders,
                 {QStringLiteral("settings-write"), app, QStringLiteral("Settings"),
                  QString::fromLatin1(row.key), row.value},
                 &code);
        EXPECT_EQ(code, 0) << row.key;
    }
    for (const auto &row : rows) {
        EXPECT_EQ(runToEnd(folders, {QStringLiteral("settings-read"), app,
                                     QStringLiteral("Settings"), QString::fromLatin1(row.key)}),
                  row.value)
            << row.key;
    }
    EXPECT_EQ(runToEnd(folders, {QStringLiteral("settings-read"), app, QStringLiteral("Settings"),
                                 QStringLiteral("Missing")}),
              QString());
    // The store is the user's own settings folder, nowhere else.
    EXPECT_TRUE(QFile::exists(folders.config.filePath(QStringLiteral("Tessavo/%1.conf").arg(app))));
    EXPECT_TRUE(QDir(folders.home.path()).isEmpty());
}

// ---- Start-up --------------------------------------------------------------

TEST(QtServicesIntegration, TheProgramStartsAsTheOnlyInstanceAndCatchesTheSizeSignal)
{
    ChildFolders folders;
    const QString store =
        folders.config.filePath(QStringLiteral("Tessavo/%1.conf").arg(reminderApplicationName()));
    const QDate before = QDate::currentDate();
    const auto program = startChild(folders, {QStringLiteral("app")});
    ASSERT_TRUE(program->waitForStarted(kChildMs));
    // The first run stores the reminder date without a question; once it is
    // there, start-up has passed the guard.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QFile::exists(store) || program->state() != QProcess::Running; }, kChildMs));
    ASSERT_EQ(program->state(), QProcess::Running);

    // Caught, not ignored: the programs it starts get the signal as usual.
    EXPECT_TRUE(inSignalSet(program->processId(), "SigCgt:", SIGXFSZ));
    EXPECT_FALSE(inSignalSet(program->processId(), "SigIgn:", SIGXFSZ));
    EXPECT_EQ(lockHolder(folders), program->processId());
    EXPECT_EQ(runToEnd(folders, {QStringLiteral("guard")}), QStringLiteral("refused"));
    // Stored in the one form every locale reads back.
    const QDate stored = QDate::fromString(
        runToEnd(folders, {QStringLiteral("settings-read"), reminderApplicationName(),
                           kReminderSection, kReminderValue}),
        Qt::ISODate);
    ASSERT_TRUE(stored.isValid());
    EXPECT_TRUE(stored == before || stored == QDate::currentDate());

    // A program that was killed does not keep the next one from starting.
    killAndWait(*program);
    const auto next = startChild(folders, {QStringLiteral("guard")});
    EXPECT_EQ(firstLine(*next), QStringLiteral("held"));
    EXPECT_EQ(lockHolder(folders), next->processId());
    next->closeWriteChannel();
    EXPECT_TRUE(next->waitForFinished(kChildMs));
}

// ---- Printing --------------------------------------------------------------

TEST(QtServicesIntegration, PrintsTheWholeDocumentToAPdfFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(putFile(dir.filePath(QStringLiteral("blocker")), "old"));
    QTextDocument document;
    QString html = QStringLiteral("<h1>Lo Shu report</h1>");
    for (int i = 0; i < 120; ++i)
        html += QStringLiteral("<p>Line %1 of the report</p>").arg(i);
    document.setHtml(html);

    const struct {
        const char *what;
        const char *file; // nothing: no printer to be had
        bool printed;
    } rows[] = {
        {"to a file", "report.pdf", true},
        {"to a folder that is a file", "blocker/report.pdf", false},
        {"no printer", nullptr, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = row.file ? dir.filePath(QString::fromLatin1(row.file)) : QString();
        const auto printer = makeQtPrinterService([&]() -> std::unique_ptr<QPrinter> {
            if (path.isEmpty())
                return nullptr;
            auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
            pdf->setOutputFormat(QPrinter::PdfFormat);
            pdf->setOutputFileName(path);
            return pdf;
        });

        EXPECT_EQ(printer->print(document), row.printed);

        if (row.printed) {
            const QByteArray pdf = fileBytes(path).value_or(QByteArray());
            EXPECT_TRUE(pdf.startsWith("%PDF-"));
            EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
            // 120 paragraphs do not fit on one page.
            EXPECT_GE(pdf.count("/Type /Page\n"), 2);
        }
    }
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("blocker"))), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("blocker"), QStringLiteral("report.pdf")}));
}

// ---- Save As ---------------------------------------------------------------

TEST(QtServicesIntegration, SaveAsRefusesWhatCannotBeWrittenAndAsksBeforeReplacing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(putFile(dir.filePath(QStringLiteral("blocker")), "old"));
    ASSERT_TRUE(putFile(dir.filePath(QStringLiteral("old.rtf")), "old report"));
    const QString blocked = dir.filePath(QStringLiteral("blocker/report.rtf"));
    const QString old = dir.filePath(QStringLiteral("old.rtf"));

    const struct {
        const char *what;
        std::deque<ModalScript::Step> steps;
        std::optional<QString> chosen;
        QStringList seen;
    } rows[] = {
        {"a folder that is a file is refused, back to the dialog",
         {chooseFile(blocked), cancel()},
         std::nullopt,
         {"QFileDialog", "QFileDialog"}},
        {"refused, then a good name",
         {chooseFile(blocked), chooseFile(dir.filePath(QStringLiteral("new.rtf")))},
         dir.filePath(QStringLiteral("new.rtf")),
         {"QFileDialog", "QFileDialog"}},
        {"a name without an extension gets the default one",
         {chooseFile(dir.filePath(QStringLiteral("report")))},
         dir.filePath(QStringLiteral("report.txt")),
         {"QFileDialog"}},
        {"replacing: No returns to the dialog, Yes takes the name",
         {chooseFile(old), answer(QMessageBox::No), chooseFile(old), answer(QMessageBox::Yes)},
         old,
         {"QFileDialog", "QMessageBox", "QFileDialog", "QMessageBox"}},
        {"cancelled", {cancel()}, std::nullopt, {"QFileDialog"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        ModalScript script(row.steps);

        const std::optional<QString> chosen = services().saveAs->ask(reportSaveAs());

        EXPECT_EQ(chosen, row.chosen);
        EXPECT_EQ(script.seen, row.seen);
    }
    // A dialog only chooses; nothing was written.
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("blocker"))), "old");
    EXPECT_EQ(fileBytes(old), "old report");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("blocker"), QStringLiteral("old.rtf")}));
}

// The modes below bind only a process without privilege over these files:
// the child leaves root's privilege behind in a user namespace of its own.
// It stays their owner, so the owner's bits are the ones that count.
TEST(QtServicesIntegration, SaveAsRefusesWriteProtectedFilesAndFolders)
{
    ChildFolders folders;
    QTemporaryDir dir;
    const QString open = dir.filePath(QStringLiteral("open"));
    const QString shut = dir.filePath(QStringLiteral("shut"));
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_TRUE(QDir().mkdir(shut));
    const QString locked = open + QStringLiteral("/locked.rtf");
    const QString old = shut + QStringLiteral("/old.rtf");
    ASSERT_TRUE(putFile(locked, "locked report"));
    ASSERT_TRUE(putFile(old, "old report"));
    constexpr auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    constexpr auto folderShut = readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(locked, readOnly));
    ASSERT_TRUE(QFile::setPermissions(shut, folderShut));
    // So that the folder can be cleared away by a user other than root too.
    const auto reopen =
        qScopeGuard([&] { QFile::setPermissions(shut, folderShut | QFile::WriteOwner); });

    const auto protectedBox = [](const char *name) {
        return QStringLiteral(
                   "Warning Ok: %1\\nThis file is write-protected.\\nTry again with a different "
                   "file name.")
            .arg(QString::fromLatin1(name));
    };
    const auto replaceBox = [](const char *name) {
        return QStringLiteral("Warning Yes|No: %1 already exists.\\nDo you want to replace it?")
            .arg(QString::fromLatin1(name));
    };
    const struct {
        const char *what;
        QStringList steps;
        QStringList seen;
        QStringList boxes;
        QString chosen;
    } rows[] = {
        {"a write-protected file: replacing it is refused, back to the dialog",
         {QStringLiteral("choose:") + locked, QStringLiteral("yes"), QStringLiteral("ok"),
          QStringLiteral("cancel")},
         {"QFileDialog", "QMessageBox", "QMessageBox", "QFileDialog"},
         {replaceBox("locked.rtf"), protectedBox("locked.rtf")},
         QStringLiteral("nothing")},
        {"a file in a write-protected folder is refused, then a writable name taken",
         {QStringLiteral("choose:") + old, QStringLiteral("yes"), QStringLiteral("ok"),
          QStringLiteral("choose:") + open + QStringLiteral("/new.rtf")},
         {"QFileDialog", "QMessageBox", "QMessageBox", "QFileDialog"},
         {replaceBox("old.rtf"), protectedBox("old.rtf")},
         open + QStringLiteral("/new.rtf")},
        {"a new name in a write-protected folder, named with the extension it gets",
         {QStringLiteral("choose:") + shut + QStringLiteral("/report"), QStringLiteral("ok"),
          QStringLiteral("cancel")},
         {"QFileDialog", "QMessageBox", "QFileDialog"},
         {protectedBox("report.txt")},
         QStringLiteral("nothing")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        int code = -1;
        const QStringList out =
            runToEnd(folders, QStringList{QStringLiteral("saveas-unprivileged")} + row.steps, &code)
                .split(QChar('\n'));
        if (out.constFirst().startsWith(QLatin1String(kNoUserNamespace)))
            GTEST_SKIP() << "the child cannot shed root's privilege here ("
                         << out.constFirst().toStdString() << ")";
        ASSERT_EQ(code, 0) << out.join(QChar('\n')).toStdString();

        QMap<QString, QStringList> lines; // by their first word
        for (const QString &line : out) {
            const qsizetype blank = line.indexOf(QChar(' '));
            lines[line.left(blank)] << line.mid(blank + 1);
        }
        EXPECT_EQ(lines.value(QStringLiteral("seen")), row.seen);
        EXPECT_EQ(lines.value(QStringLiteral("box")), row.boxes);
        EXPECT_EQ(lines.value(QStringLiteral("chosen")), QStringList{row.chosen});
        EXPECT_EQ(lines.size(), 3);
    }
    // A dialog only chooses; nothing was written.
    EXPECT_EQ(fileBytes(locked), "locked report");
    EXPECT_EQ(fileBytes(old), "old report");
    EXPECT_EQ(QDir(open).entryList(QDir::Files), QStringList{QStringLiteral("locked.rtf")});
    EXPECT_EQ(QDir(shut).entryList(QDir::Files), QStringList{QStringLiteral("old.rtf")});
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::string_view(argv[1]) == "--child")
        return runChild(argc, argv);
    // The file dialog keeps its history in the user's settings; this run's
    // stays in a home of its own.
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installQtServices();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
