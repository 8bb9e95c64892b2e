#pragma once

// Start of the plan editor tests: every window registered, the main window
// shown, a program folder of its own holding the companion file, the tool's
// module data as at the start of the process, and an input box that answers
// from a script. The editor is opened as the main window's fifth tool.

#include "ToolWindowFixture.h"

#include "floorplan/InputBox.h"
#include "floorplan/PlanRules.h"
#include "floorplan/PlotWidgets.h"
#include "floorplan/frmMainFengShuiBagua.h"
#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/ModalLoops.h"
#include "platform/Twips.h"

#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <optional>

namespace tessavo::test {

class ScriptedInputBox : public floorplan::InputBoxService {
public:
    explicit ScriptedInputBox(std::deque<QString> *answers) : m_answers(answers) {}
    QString ask(const QString &prompt, const QString &, const QString &) override
    {
        const ModalScope box;
        prompts.append(prompt);
        if (m_answers->empty())
            return {};
        QString answer = m_answers->front();
        m_answers->pop_front();
        return answer;
    }
    QStringList prompts;

private:
    std::deque<QString> *m_answers;
};

class BaguaEditorTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        fakes.programFolder->folder = folder.path();
        setCompanionFile(true);
        floorplan::modGreatFengShui() = {};
        floorplan::baguaEditorFields() = {};
        auto input = std::make_unique<ScriptedInputBox>(&inputAnswers);
        inputBox = input.get();
        floorplan::setInputBox(std::move(input));
        showMainWindow(false);
    }
    void TearDown() override
    {
        ToolWindowTest::TearDown();
        floorplan::setInputBox(nullptr);
    }

    void setCompanionFile(bool present)
    {
        QFile file(folder.filePath(QStringLiteral("Bmp2Jpeg.dll")));
        if (present) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        } else {
            file.remove();
        }
    }

    floorplan::frmMainFengShuiBagua &openEditor()
    {
        mdi->cmdCallMainForm_Click(4);
        return form<floorplan::frmMainFengShuiBagua>();
    }

    // Opens the editor with a plot of the given size and its scale worked out.
    floorplan::frmMainFengShuiBagua &openWithPlot(const char *length, const char *width)
    {
        auto &w = openEditor();
        w.txtPlotLength->setText(QString::fromLatin1(length));
        w.txtPlotWidth->setText(QString::fromLatin1(width));
        w.cmdMesure_Click();
        return w;
    }

    // Makes a room through Add Room; returns its index.
    static int addRoom(floorplan::frmMainFengShuiBagua &w, const QString &name, const char *length,
                       const char *width)
    {
        w.cmdAddRoom_Click();
        w.txtAddRoomName->setText(name);
        w.txtLength->setText(QString::fromLatin1(length));
        w.txtwidth->setText(QString::fromLatin1(width));
        w.cmdOk_Click();
        return w.plan().upperBound();
    }

    // A press and release without a move.
    static void click(floorplan::frmMainFengShuiBagua &w, int index)
    {
        w.txtRoom_MouseDown(index, Qt::LeftButton);
        w.txtRoom_MouseUp(index);
    }

    // Drags the element on the plot with the left button by a distance in
    // pixels, taking it one pixel in from its top-left corner; through a
    // place on the way, when one is given.
    static void drag(floorplan::frmMainFengShuiBagua &w, int index, QPoint by,
                     std::optional<QPoint> through = std::nullopt)
    {
        QWidget *plot = w.picRoomLocation;
        const QPoint at = w.txtRoom(index)->pos() + QPoint(1, 1);
        const QPoint global = plot->mapToGlobal(at);
        const auto send = [plot](QEvent::Type type, QPoint local, QPoint globalPos,
                                 Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(local), QPointF(globalPos), button, buttons,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(plot, &event);
        };
        send(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton);
        if (through)
            send(QEvent::MouseMove, at + *through, global + *through, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, at + by, global + by, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at + by, global + by, Qt::LeftButton, Qt::NoButton);
    }

    QStringList messages() const { return fakes.messageBox->texts(); }
    QString lastMessage() const
    {
        return fakes.messageBox->shown.isEmpty() ? QString() : fakes.messageBox->shown.last().text;
    }
    MsgIcon lastIcon() const { return fakes.messageBox->shown.last().icon; }
    void clearMessages() { fakes.messageBox->shown.clear(); }

    QTemporaryDir folder;
    std::deque<QString> inputAnswers;
    ScriptedInputBox *inputBox = nullptr;
};

} // namespace tessavo::test
