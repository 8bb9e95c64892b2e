// Every window: Enter on a focused command button presses it, and a screen
// reader finds every input named.

#include "UiFixture.h"

#include "app/FormCatalog.h"
#include "platform/FormRegistry.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tessavo;
using namespace tessavo::test;

namespace {

const char *const kEveryWindow[] = {
    "frmNagScreen",
    "MDI",
    "frmAbout",
    "frmNagScreen2",
    "frmMainFengShuiKuaNumber",
    "frmFengShuiDetails",
    "frmSaveFengShuiKuaNumber",
    "frmMainFengShuiBaZi",
    "frmFengShuiFourPillar",
    "frmSaveFengShuiBaZi",
    "frmMainFengShuiBagua",
    "frmDisplay",
    "frmRoomAnalysis",
    "frmMainFengShuiLoShu",
    "frmLoshu",
    "frmSaveFengShuiLoShu",
    "frmMainFengShuiFlyingStar",
    "frmFlyingStar",
    "frmSaveFengShuiFlyingStar",
};

class ButtonKeysTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        // The floor-plan tool ends the program without its companion file.
        ASSERT_TRUE(folder.isValid());
        QFile companion(folder.filePath(QStringLiteral("Bmp2Jpeg.dll")));
        ASSERT_TRUE(companion.open(QIODevice::WriteOnly));
        fakes.programFolder->folder = folder.path();
        registerAllForms();
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(ButtonKeysTest, EnterPressesEveryButtonOfEveryWindowOnce)
{
    int pressed = 0;
    for (const char *name : kEveryWindow) {
        SCOPED_TRACE(name);
        Form *window = FormRegistry::instance().load(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr);
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (!button->isEnabled())
                continue;
            SCOPED_TRACE(button->objectName().toStdString());
            // What the buttons do is for the windows' own tests; here only
            // that Enter presses them.
            QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            EXPECT_EQ(clicked.size(), 1);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            EXPECT_EQ(clicked.size(), 2);
            ++pressed;
        }
    }
    EXPECT_GT(pressed, 40);
}

// A reader hears what an input is for, not what it holds: every input has a
// name, a list is not named by the entry it shows but still reads it out,
// and lists side by side (day, month, year) are told apart.
TEST_F(ButtonKeysTest, EveryInputOfEveryWindowIsNamedForAReader)
{
    int inputs = 0;
    for (const char *name : kEveryWindow) {
        SCOPED_TRACE(name);
        Form *window = FormRegistry::instance().load(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr);
        QStringList listNames;
        for (QWidget *input : window->findChildren<QWidget *>()) {
            if (!qobject_cast<QLineEdit *>(input) && !qobject_cast<QAbstractScrollArea *>(input) &&
                !qobject_cast<QComboBox *>(input) && !qobject_cast<QAbstractSpinBox *>(input) &&
                !qobject_cast<QCheckBox *>(input) && !qobject_cast<QRadioButton *>(input))
                continue;
            // A combo box's own popup list and the main window's area are
            // no inputs; a child window is walked as a window of its own.
            const QObject *owner = input->parent();
            while (owner && !qobject_cast<const Form *>(owner) &&
                   !qobject_cast<const QComboBox *>(owner))
                owner = owner->parent();
            if (owner != window || qobject_cast<QMdiArea *>(input))
                continue;
            SCOPED_TRACE(input->objectName().toStdString());
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(input);
            ASSERT_NE(reader, nullptr);
            const QString heard = reader->text(QAccessible::Name);
            EXPECT_FALSE(heard.isEmpty());
            // A box that starts with its caption as text is named so on purpose.
            if (heard != input->accessibleName()) {
                EXPECT_NE(heard, reader->text(QAccessible::Value));
            }
            if (auto *list = qobject_cast<QComboBox *>(input)) {
                const QAccessibleTextInterface *shown = reader->textInterface();
                EXPECT_TRUE(shown && shown->text(0, -1) == list->currentText());
                EXPECT_FALSE(listNames.contains(heard)) << heard.toStdString();
                listNames << heard;
            }
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 60);
}
