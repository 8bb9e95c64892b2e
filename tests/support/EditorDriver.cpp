// The plan editor in a process of its own, for the tests and the benchmark
// that listen to it as a screen reader does: through the desktop's
// accessibility bridge, from another process. It runs the real editor
// window with the tests' fakes for the message boxes and the program
// folder, and takes one step per line of its standard input, answering
// each with one line once the step and the news it gave are done:
//
//   plan N            writes a plan of N elements (LargePlan.h) to the file
//   open              File > Open                       -> "opened N"
//   save              File > Save, the plan's checks met -> "saved N"
//   clear             empties the plan without the file  -> "cleared"
//   move K DX DY      moves element K by DX, DY pixels    -> "moved X Y W H"
//                     (its new box on the screen)
//   rename K TEXT     gives element K the text            -> "renamed"
//   select K          a left press and release on element K, as the mouse
//                     gives them                          -> "selected K"
//   save-ask          File > Save up to its question "Do you want to save
//                     the Plot Chart?", which stays open  -> "asking"
//                     (the steps that follow run while it is open)
//   answer yes|no     answers the open question; once Save has finished
//                     -> "saved N" or "not saved N" (N: the elements left)
//   settle            waits, by events, until no button of the editor is
//                     down (a click a reader's Press starts comes 100 ms
//                     later, from a timer)                -> "settled"
//   record K          record K of the plan file as written
//                                                         -> "record K LEFT TOP WIDTH HEIGHT TEXT"
//   cpu               the process's CPU time so far       -> "cpu MICROSECONDS"
//   bridge            whether assistive technology is on  -> "bridge on" or "bridge off"
//   entrances         counts the plan's entrances and door as made through
//                     their dialogs, as Save asks         -> "entrances made"
//   real-boxes        message boxes from here on are the desktop's own,
//                     which the keys reach                -> "real boxes"
//   focus NAME        activates the window and gives the editor's control
//                     of that name the focus              -> "focused NAME"
//   state             once the key events sent so far have come in and run,
//                     what the user sees                  -> "box TEXT" or
//                     "box none", then "chart SHOWN VISIBLE" (times the Bagua
//                     chart was shown, whether it is now) and "elements N"
//   dismiss           answers the open box by Escape      -> "dismissed"
//   file              the plan file's digest              -> "file HEX"
//
// "ready PID" comes first, once the editor is shown and, with --bridge,
// once the bridge to assistive technology is up. An unknown or failing step
// answers "error WHAT"; the end of the input ends the program (an open
// question answers no).

#include "Fakes.h"
#include "LargePlan.h"
#include "OffscreenApplication.h"

#include "app/FormCatalog.h"
#include "floorplan/PlanFile.h"
#include "floorplan/PlotWidgets.h"
#include "floorplan/frmMainFengShuiBagua.h"
#include "frame/MDI.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "platform/QtServices.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

using namespace tessavo;
using namespace tessavo::floorplan;

namespace {

void answer(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

long long cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto micro = [](const timeval &t) {
        return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_usec;
    };
    return micro(usage.ru_utime) + micro(usage.ru_stime);
}

const QString kSaveQuestion = QStringLiteral("Do you want to save the Plot Chart?");

// Runs the events that come in within the time.
void runEventsFor(int milliseconds)
{
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
}

// Counts the times the windows of a name were shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QString name) : m_name(std::move(name)) { qApp->installEventFilter(this); }
    int shown() const { return m_shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == m_name)
            ++m_shown;
        return false;
    }

private:
    QString m_name;
    int m_shown = 0;
};

class Driver {
public:
    Driver(frmMainFengShuiBagua &editor, QString folder, test::FakeMessageBox &boxes)
        : m_editor(editor), m_folder(folder), m_boxes(boxes)
    {
    }

    // The answer to the step; a null one when another step answers for it
    // (answer: Save, once it has finished, answers for it).
    QString step(const QString &line)
    {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            return QStringLiteral("error empty step");
        const QString &what = words.first();
        Plan &plan = m_editor.plan();
        const auto element = [&](int k) { return k >= 1 && k <= plan.upperBound(); };
        if (what == QLatin1String("plan") && words.size() == 2) {
            const int elements = words[1].toInt();
            if (elements < 5 ||
                !writePlanFile(planFilePath(m_folder), test::largeplan::makePlan(elements)))
                return QStringLiteral("error plan");
            return QStringLiteral("plan %1").arg(elements);
        }
        if (what == QLatin1String("open")) {
            m_editor.cmdOpen_Click();
            settle();
            return QStringLiteral("opened %1").arg(plan.upperBound());
        }
        if (what == QLatin1String("save")) {
            GreatFengShuiModule &module = modGreatFengShui();
            module.MainEntranceExists = module.BackEntranceExists = module.DoorExists = true;
            m_editor.Command2_Click();
            settle();
            return QStringLiteral("saved %1").arg(plan.upperBound());
        }
        if (what == QLatin1String("clear")) {
            while (plan.upperBound() > 0)
                plan.unloadLast();
            modGreatFengShui().RoomCount = 0;
            settle();
            return QStringLiteral("cleared");
        }
        if (what == QLatin1String("move") && words.size() == 4 && element(words[1].toInt())) {
            const int k = words[1].toInt();
            const PlanElement &e = plan.at(k);
            plan.setPosition(k, e.left + words[2].toInt() * test::largeplan::kTwipsPerPixel,
                             e.top + words[3].toInt() * test::largeplan::kTwipsPerPixel);
            settle();
            const QRect box = m_editor.picRoomLocation->shown(k)->geometry();
            const QPoint at = m_editor.picRoomLocation->mapToGlobal(box.topLeft());
            return QStringLiteral("moved %1 %2 %3 %4")
                .arg(at.x())
                .arg(at.y())
                .arg(box.width())
                .arg(box.height());
        }
        if (what == QLatin1String("rename") && words.size() >= 3 && element(words[1].toInt())) {
            plan.setText(words[1].toInt(), line.section(QLatin1Char(' '), 2));
            settle();
            return QStringLiteral("renamed");
        }
        if (what == QLatin1String("select") && words.size() == 2 && element(words[1].toInt())) {
            const int k = words[1].toInt();
            PlotBox *plot = m_editor.picRoomLocation;
            const QPoint at = plot->shown(k)->geometry().center();
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, QPointF(at), QPointF(plot->mapToGlobal(at)), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(plot, &event);
            }
            settle();
            if (plan.highlighted() != QList<int>{k})
                return QStringLiteral("error %1 is not the one selected").arg(k);
            return QStringLiteral("selected %1").arg(k);
        }
        if (what == QLatin1String("save-ask"))
            return saveAsking();
        if (what == QLatin1String("answer") && words.size() == 2 && m_question) {
            m_reply = words[1] == QLatin1String("yes") ? MsgAnswer::Yes : MsgAnswer::No;
            m_question->quit();
            return {};
        }
        if (what == QLatin1String("settle"))
            return settleButtons();
        if (what == QLatin1String("record") && words.size() == 2) {
            const PlanFileRead read = readPlanFile(planFilePath(m_folder));
            for (const PlanRecord &r : read.records) {
                if (r.index == words[1].toInt())
                    return QStringLiteral("record %1 %2 %3 %4 %5 %6")
                        .arg(r.index)
                        .arg(r.left)
                        .arg(r.top)
                        .arg(r.width)
                        .arg(r.height)
                        .arg(r.text);
            }
            return QStringLiteral("error no record ") + words[1];
        }
        if (what == QLatin1String("cpu"))
            return QStringLiteral("cpu %1").arg(cpuMicroseconds());
        if (what == QLatin1String("bridge"))
            return QAccessible::isActive() ? QStringLiteral("bridge on")
                                           : QStringLiteral("bridge off");
        if (what == QLatin1String("entrances")) {
            GreatFengShuiModule &module = modGreatFengShui();
            module.MainEntranceExists = module.BackEntranceExists = module.DoorExists = true;
            return QStringLiteral("entrances made");
        }
        if (what == QLatin1String("real-boxes")) {
            services().messageBox = makeQtMessageBox();
            return QStringLiteral("real boxes");
        }
        if (what == QLatin1String("focus") && words.size() == 2)
            return focus(words[1]);
        if (what == QLatin1String("state"))
            return state();
        if (what == QLatin1String("dismiss")) {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return QStringLiteral("error no box is open");
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &escape);
            settle();
            return QStringLiteral("dismissed");
        }
        if (what == QLatin1String("file")) {
            QFile file(planFilePath(m_folder));
            if (!file.open(QIODevice::ReadOnly))
                return QStringLiteral("error no plan file");
            return QStringLiteral("file ") +
                   QString::fromLatin1(
                       QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        }
        return QStringLiteral("error unknown step: ") + line;
    }

private:
    // Save, its question held open in a loop of its own that takes the
    // next steps; "asking" answers this step, and Save's end the answer.
    QString saveAsking()
    {
        GreatFengShuiModule &module = modGreatFengShui();
        module.MainEntranceExists = module.BackEntranceExists = module.DoorExists = true;
        bool asked = false;
        m_boxes.whileOpen = [&](const QString &text) {
            if (text != kSaveQuestion || m_question)
                return;
            asked = true;
            QEventLoop open;
            m_question = &open;
            m_reply = MsgAnswer::No;
            answer(QStringLiteral("asking"));
            open.exec();
            m_question = nullptr;
            m_boxes.answers.push_front(m_reply);
        };
        m_editor.Command2_Click();
        m_boxes.whileOpen = nullptr;
        settle();
        if (!asked)
            return QStringLiteral("error Save did not ask: ") +
                   (m_boxes.shown.isEmpty() ? QString() : m_boxes.shown.last().text);
        return QStringLiteral("%1 %2")
            .arg(m_reply == MsgAnswer::Yes ? QStringLiteral("saved") : QStringLiteral("not saved"))
            .arg(m_editor.plan().upperBound());
    }

    QString focus(const QString &name)
    {
        auto *control = m_editor.findChild<QWidget *>(name);
        if (!control)
            return QStringLiteral("error no control ") + name;
        QWidget *window = control->window();
        window->activateWindow();
        control->setFocus(Qt::OtherFocusReason);
        QDeadlineTimer deadline(5000);
        while (!(window->isActiveWindow() && QApplication::focusWidget() == control) &&
               !deadline.hasExpired())
            runEventsFor(10);
        if (QApplication::focusWidget() != control)
            return QStringLiteral("error %1 has no focus").arg(name);
        return QStringLiteral("focused ") + name;
    }

    QString state()
    {
        // Qt's accessibility bridge hands a key on within a tenth of a
        // second, or gives up waiting for the reader's answer.
        runEventsFor(500);
        const auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        const bool chartShown =
            FormRegistry::instance().isLoaded(QStringLiteral("frmDisplay")) &&
            FormRegistry::instance().find(QStringLiteral("frmDisplay"))->isVisible();
        return QStringLiteral("box %1 chart %2 %3 elements %4")
            .arg(box ? box->text() : QStringLiteral("none"))
            .arg(m_charts.shown())
            .arg(chartShown ? 1 : 0)
            .arg(m_editor.plan().upperBound());
    }

    // Until no button of the editor is down, or a while has passed.
    QString settleButtons()
    {
        const auto anyDown = [this] {
            const QList<QAbstractButton *> buttons = m_editor.findChildren<QAbstractButton *>();
            return std::any_of(buttons.begin(), buttons.end(),
                               [](const QAbstractButton *b) { return b->isDown(); });
        };
        QDeadlineTimer deadline(5000);
        QEventLoop wait;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, &wait, [&] {
            if (!anyDown() || deadline.hasExpired())
                wait.quit();
        });
        look.start(5);
        if (anyDown())
            wait.exec();
        settle();
        return anyDown() ? QStringLiteral("error a button is still down")
                         : QStringLiteral("settled");
    }

    frmMainFengShuiBagua &m_editor;
    QString m_folder;
    test::FakeMessageBox &m_boxes;
    QEventLoop *m_question = nullptr; // while Save's question is open
    MsgAnswer m_reply = MsgAnswer::No;
    ShowCounter m_charts{QStringLiteral("frmDisplay")};
};

// Reads the steps as they come, between events, so that the program answers
// a reader's questions while it waits for the next step.
class StepReader : public QObject {
public:
    explicit StepReader(Driver &driver)
        : m_driver(driver), m_notifier(STDIN_FILENO, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { readSome(); });
    }

private:
    void readSome()
    {
        char buffer[4096];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            m_notifier.setEnabled(false);
            QCoreApplication::exit(0);
            return;
        }
        m_pending.append(buffer, got);
        for (qsizetype end; (end = m_pending.indexOf('\n')) >= 0;) {
            const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
            m_pending.remove(0, end + 1);
            const QString reply = m_driver.step(line);
            if (!reply.isNull())
                answer(reply);
        }
    }

    Driver &m_driver;
    QSocketNotifier m_notifier;
    QByteArray m_pending;
};

// Calls back once the bridge to assistive technology is up, or at once
// when it is; the bridge starts its work right after it turns active.
class BridgeWatch : public QAccessible::ActivationObserver {
public:
    explicit BridgeWatch(std::function<void()> up) : m_up(std::move(up))
    {
        QAccessible::installActivationObserver(this);
        if (QAccessible::isActive())
            accessibilityActiveChanged(true);
    }
    ~BridgeWatch() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override
    {
        if (active && m_up)
            QTimer::singleShot(0, std::exchange(m_up, nullptr));
    }

private:
    std::function<void()> m_up;
};

} // namespace

int main(int argc, char **argv)
{
    test::OffscreenApplication app(argc, argv);
    const bool bridge = app.arguments().contains(QStringLiteral("--bridge"));

    QTemporaryDir folder;
    test::Fakes fakes = test::installFakes();
    fakes.programFolder->folder = folder.path();
    QFile companion(folder.filePath(QStringLiteral("Bmp2Jpeg.dll")));
    if (!folder.isValid() || !companion.open(QIODevice::WriteOnly)) {
        answer(QStringLiteral("error no program folder"));
        return 1;
    }
    companion.close();

    registerAllForms();
    MDI &mdi = form<MDI>();
    mdi.Show();
    mdi.cmdCallMainForm_Click(4);
    auto &editor = form<frmMainFengShuiBagua>();
    editor.txtPlotLength->setText(QStringLiteral("60"));
    editor.txtPlotWidth->setText(QStringLiteral("60"));
    editor.cmdMesure_Click();
    editor.setLeft(0);
    editor.setTop(0);
    settle();

    Driver driver(editor, folder.path(), *fakes.messageBox);
    StepReader reader(driver);
    const auto ready = [] {
        answer(QStringLiteral("ready %1").arg(QCoreApplication::applicationPid()));
    };
    std::unique_ptr<BridgeWatch> watch;
    if (bridge)
        watch = std::make_unique<BridgeWatch>(ready);
    else
        ready();
    const int status = app.exec();
    watch.reset();
    FormRegistry::instance().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
