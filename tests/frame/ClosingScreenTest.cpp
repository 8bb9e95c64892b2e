#include "frame/frmNagScreen2.h"

#include "Fakes.h"
#include "frame/modHelp.h"
#include "frame/modTellAFriend.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/SiteAddress.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <optional>
#include <ostream>

static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace tessavo;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

class ClosingScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes = test::installFakes();
        FormRegistry::instance().reset();
        modTellAFriend() = TellAFriendData{};
        w = &form<frmNagScreen2>();
    }
    void TearDown() override
    {
        FormRegistry::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class T = QLineEdit> T *box(const char *name) const
    {
        auto *found = w->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString messageText() const
    {
        return box<QPlainTextEdit>("txtMessage")->toPlainText();
    }

    test::Fakes fakes{};
    frmNagScreen2 *w = nullptr;
};

TEST_F(ClosingScreenTest, LoadShowsVersionSupportTextAndAsksToStayOnTop)
{
    EXPECT_EQ(w->caption(), QStringLiteral("Tessavo v1.75"));
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("lblNagScreen2Caption"))->text(),
              QStringLiteral("Tessavo v1.75"));
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_FALSE(w->findChild<QLabel *>(QStringLiteral("picNagscreen2Icon"))->pixmap().isNull());
    // The start-up window lends its icon only when it is already there.
    EXPECT_FALSE(FormRegistry::instance().isLoaded(QStringLiteral("frmNagScreen")));
    EXPECT_EQ(fakes.windowFlags->topmost, QList<QWidget *>{w});

    QStringList texts;
    for (int k = 0; k < frmNagScreen2::kSupportTextCount; ++k) {
        texts << frmNagScreen2::supportText(k);
        EXPECT_TRUE(texts.last().contains(kSiteAddress + QStringLiteral("/forum"))) << k;
    }
    EXPECT_EQ(texts.removeDuplicates(), 0);
    EXPECT_TRUE(texts.contains(w->findChild<QLabel *>(QStringLiteral("Label2"))->text()));
}

TEST_F(ClosingScreenTest, BoxesStartWithTheirPlaceholders)
{
    const struct {
        const char *name;
        QString text;
    } rows[] = {
        {"txtName", QStringLiteral("Your Name")},
        {"txtEmail", QStringLiteral("Your Email Address")},
        {"txtFriendName", QStringLiteral("Friend's Name")},
        {"txtFriendEmail", QStringLiteral("Friend's Email Address")},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(box(row.name)->text(), row.text) << row.name;
        EXPECT_EQ(box(row.name)->parentWidget()->objectName(), QStringLiteral("Frame2"));
    }
    EXPECT_EQ(messageText(), QStringLiteral("Your Message\n"));
    // Below the frame's bottom edge: never seen.
    EXPECT_GE(box<QPlainTextEdit>("txtMessage")->y(), box<QGroupBox>("Frame2")->height());
}

// Each row types into the boxes it names (untouched otherwise) and presses
// Submit; it expects either a refusal or the address opened.
struct SubmitRow {
    const char *what;
    QString name, email, friendName, friendEmail;
    std::optional<QString> refusal;
};

TEST_F(ClosingScreenTest, SubmitChecksInOrder)
{
    const QString untouched;
    const SubmitRow rows[] = {
        {"all untouched", untouched, untouched, untouched, untouched,
         QStringLiteral("Please Enter Proper Email Address")},
        {"same address", untouched, QStringLiteral("a@b.com"), untouched,
         QStringLiteral("  a@b.com "), QStringLiteral("Please Enter Distinct Email Addresses")},
        {"case differs", untouched, QStringLiteral("A@B.com"), untouched,
         QStringLiteral("a@b.com"), QStringLiteral("Please Enter Your Name")},
        {"no dot", QStringLiteral("Ann"), QStringLiteral("a@bcom"), QStringLiteral("Bob"),
         QStringLiteral("c@d.com"), QStringLiteral("Please Enter Proper Email Address")},
        {"no at", QStringLiteral("Ann"), QStringLiteral("a@b.com"), QStringLiteral("Bob"),
         QStringLiteral("cd.com"), QStringLiteral("Please Enter Proper Email Address")},
        {"names untouched", untouched, QStringLiteral("a@b.com"), untouched,
         QStringLiteral("c@d.com"), QStringLiteral("Please Enter Your Name")},
        {"name padded placeholder", QStringLiteral("  Your Name "), QStringLiteral("a@b.com"),
         QStringLiteral("Bob"), QStringLiteral("c@d.com"), QStringLiteral("Please Enter Your Name")},
        {"friend name untouched", QStringLiteral("Ann"), QStringLiteral("a@b.com"), untouched,
         QStringLiteral("c@d.com"), QStringLiteral("Please Enter Your Friend's Name")},
        {"all filled", QStringLiteral(" Ann "), QStringLiteral("a@b.com"), QStringLiteral("Bob"),
         QStringLiteral("c@d.com"), std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        TearDown();
        SetUp();
        const std::pair<const char *, QString> typed[] = {{"txtName", row.name},
                                                          {"txtEmail", row.email},
                                                          {"txtFriendName", row.friendName},
                                                          {"txtFriendEmail", row.friendEmail}};
        for (const auto &[name, text] : typed) {
            if (!text.isNull())
                box(name)->setText(text);
        }
        box<QPushButton>("cmdSubmit")->click();
        if (row.refusal) {
            ASSERT_EQ(fakes.messageBox->shown.size(), 1);
            EXPECT_EQ(fakes.messageBox->shown[0].text, *row.refusal);
            EXPECT_EQ(fakes.messageBox->shown[0].icon, MsgIcon::Critical);
            EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok);
            EXPECT_TRUE(fakes.urlOpener->opened.isEmpty());
        } else {
            EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
            ASSERT_EQ(fakes.urlOpener->opened.size(), 1);
            EXPECT_TRUE(fakes.urlOpener->opened[0].contains(
                QStringLiteral("&taf1=Ann&taf2=a%40b.com&taf3=Your%20Message%0D%0A&taf4=Bob&")));
        }
        // Submitting changes no box.
        if (!row.name.isNull()) {
            EXPECT_EQ(box("txtName")->text(), row.name);
        }
    }
}

TEST_F(ClosingScreenTest, SubmitSendsEveryValueEncoded)
{
    box("txtName")->setText(QStringLiteral("Tom & Jerry #1 =x"));
    box("txtEmail")->setText(QStringLiteral("tom@ex.com"));
    box("txtFriendName")->setText(QStringLiteral("Ann Lee"));
    box("txtFriendEmail")->setText(QStringLiteral("ann@ex.com"));
    w->cmdSubmit_Click();
    const QString expected =
        kSiteAddress
        + QStringLiteral("/tessavo/ssd.php?page=qxms-refer-a-friend"
                         "&taf1=Tom%20%26%20Jerry%20%231%20%3Dx&taf2=tom%40ex.com"
                         "&taf3=Your%20Message%0D%0A&taf4=Ann%20Lee&taf5=ann%40ex.com"
                         "&taf6=https%3A%2F%2Fwww.tessavo.org%2Ftessavo%2F");
    EXPECT_EQ(fakes.urlOpener->opened, QStringList{expected});
    EXPECT_EQ(modTellAFriend().TellURL, expected);
    EXPECT_EQ(modTellAFriend().TellMessage, QStringLiteral("Your Message") + kCrLf);
}

TEST_F(ClosingScreenTest, EmptiedMessageGetsItsPlaceholderAndIsRefused)
{
    box<QPlainTextEdit>("txtMessage")->setPlainText(QStringLiteral("   "));
    w->txtMessage_LostFocus();
    EXPECT_EQ(messageText(), QStringLiteral("Your Message"));
    box("txtName")->setText(QStringLiteral("Ann"));
    box("txtEmail")->setText(QStringLiteral("a@b.com"));
    box("txtFriendName")->setText(QStringLiteral("Bob"));
    box("txtFriendEmail")->setText(QStringLiteral("c@d.com"));
    w->cmdSubmit_Click();
    EXPECT_EQ(fakes.messageBox->texts(), QStringList{QStringLiteral("Please Enter Your Message")});
}

struct FocusRow {
    const char *box;
    void (frmNagScreen2::*handler)();
    QString before;
    QString after;
};

TEST_F(ClosingScreenTest, FocusHandlersClearAndRestorePlaceholders)
{
    using F = frmNagScreen2;
    const FocusRow rows[] = {
        {"txtName", &F::txtName_GotFocus, QStringLiteral("Your Name"), QString()},
        {"txtName", &F::txtName_GotFocus, QStringLiteral("  Your Name  "), QString()},
        {"txtName", &F::txtName_GotFocus, QStringLiteral("Your Names"), QStringLiteral("Your Names")},
        {"txtName", &F::txtName_GotFocus, QStringLiteral("your name"), QStringLiteral("your name")},
        {"txtName", &F::txtName_LostFocus, QString(), QStringLiteral("Your Name")},
        {"txtName", &F::txtName_LostFocus, QStringLiteral("   "), QStringLiteral("Your Name")},
        {"txtName", &F::txtName_LostFocus, QStringLiteral(" Ann "), QStringLiteral(" Ann ")},
        {"txtEmail", &F::txtEmail_GotFocus, QStringLiteral("Your Email Address"), QString()},
        {"txtEmail", &F::txtEmail_LostFocus, QString(), QStringLiteral("Your Email Address")},
        {"txtFriendName", &F::txtFriendName_GotFocus, QStringLiteral(" Friend's Name"), QString()},
        {"txtFriendName", &F::txtFriendName_LostFocus, QString(), QStringLiteral("Friend's Name")},
        {"txtFriendEmail", &F::txtFriendEmail_GotFocus, QStringLiteral("Friend's Email Address"),
         QString()},
        {"txtFriendEmail", &F::txtFriendEmail_LostFocus, QString(),
         QStringLiteral("Friend's Email Address")},
        // A box that was left empty must not take another box's placeholder.
        {"txtEmail", &F::txtEmail_GotFocus, QStringLiteral("Your Name"), QStringLiteral("Your Name")},
    };
    frmNagScreen2 *const window = w;
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.box) + " '" + row.before.toStdString() + "'");
        box(row.box)->setText(row.before);
        std::invoke(row.handler, window);
        EXPECT_EQ(box(row.box)->text(), row.after);
    }

    // The message box starts with a line break after the placeholder, so it
    // is not taken for the placeholder and keeps its text.
    w->txtMessage_GotFocus();
    EXPECT_EQ(messageText(), QStringLiteral("Your Message\n"));
    box<QPlainTextEdit>("txtMessage")->setPlainText(QStringLiteral(" Your Message "));
    w->txtMessage_GotFocus();
    EXPECT_EQ(messageText(), QString());
}

TEST_F(ClosingScreenTest, RealFocusMovesRunTheHandlers)
{
    w->Show();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        GTEST_SKIP() << "the platform gives no window focus";
    box("txtName")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box("txtName")->text(), QString());
    box("txtEmail")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Your Name"));
    EXPECT_EQ(box("txtEmail")->text(), QString());

    // A refused space keeps the focus in the box it was typed into.
    QTest::keyClick(box("txtEmail"), Qt::Key_Space);
    EXPECT_EQ(fakes.messageBox->texts(),
              QStringList{QStringLiteral("Email Address Cannot Contain Space")});
    EXPECT_TRUE(box("txtEmail")->hasFocus());
}

// By keys alone: Tab goes through every control in order, the unseen message
// box among them, and the message goes out as it was.
TEST_F(ClosingScreenTest, TabReachesEveryControlAndLeavesTheMessageAsItWas)
{
    w->Show();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        GTEST_SKIP() << "the platform gives no window focus";
    const struct {
        const char *focus; // after a Tab
        const char *typed; // there
    } stops[] = {
        {"cmdClose", ""},   {"txtName", "Ann"},       {"txtEmail", "a@b.com"},
        {"txtMessage", ""}, {"txtFriendName", "Bob"}, {"txtFriendEmail", "c@d.com"},
        {"cmdSubmit", ""},
    };
    box<QCheckBox>("Check1")->setFocus();
    for (const auto &stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), stop.focus);
        QTest::keyClicks(QApplication::focusWidget(), stop.typed);
    }
    EXPECT_EQ(messageText(), QStringLiteral("Your Message\n"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(fakes.urlOpener->opened.size(), 1);
    EXPECT_TRUE(fakes.urlOpener->opened[0].contains(
        QStringLiteral("&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=c%40d.com&")))
        << fakes.urlOpener->opened[0].toStdString();
}

TEST_F(ClosingScreenTest, AddressBoxesRefuseSpaces)
{
    for (const char *name : {"txtEmail", "txtFriendEmail"}) {
        SCOPED_TRACE(name);
        fakes.messageBox->shown.clear();
        QLineEdit *address = box(name);
        address->setText(QStringLiteral("ann"));
        address->setCursorPosition(3);
        QTest::keyClick(address, Qt::Key_Space);
        ASSERT_EQ(fakes.messageBox->shown.size(), 1);
        EXPECT_EQ(fakes.messageBox->shown[0].text,
                  QStringLiteral("Email Address Cannot Contain Space"));
        EXPECT_EQ(fakes.messageBox->shown[0].icon, MsgIcon::Critical);
        EXPECT_EQ(fakes.messageBox->shown[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(address->text(), QStringLiteral("ann"));
        QTest::keyClicks(address, QStringLiteral("@x.com"));
        EXPECT_EQ(address->text(), QStringLiteral("ann@x.com"));
        EXPECT_EQ(fakes.messageBox->shown.size(), 1);
    }
    // Only the address boxes refuse a space.
    fakes.messageBox->shown.clear();
    box("txtName")->setText(QStringLiteral("Ann"));
    box("txtName")->setCursorPosition(3);
    QTest::keyClick(box("txtName"), Qt::Key_Space);
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Ann "));
    EXPECT_TRUE(fakes.messageBox->shown.isEmpty());
}

TEST_F(ClosingScreenTest, LinksOpenTheirPages)
{
    auto *check = box<QCheckBox>("Check1");
    check->click();
    EXPECT_FALSE(check->isChecked());
    check->click();
    EXPECT_FALSE(check->isChecked());
    // A screen reader ticks it by its Toggle, which is no click.
    QAccessible::queryAccessibleInterface(check)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(check->isChecked());
    const QString home = kSiteAddress + kPagePath + QStringLiteral("home-page");
    EXPECT_EQ(fakes.urlOpener->opened, QStringList({home, home, home}));

    fakes.urlOpener->opened.clear();
    auto *link = box<Label>("lblGoToHome");
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    EXPECT_EQ(fakes.urlOpener->opened,
              QStringList{kSiteAddress + kPagePath + QStringLiteral("vantrelsoftwares")});
}

TEST_F(ClosingScreenTest, ExitEndsTheProcess)
{
    EXPECT_THROW(box<QPushButton>("cmdClose")->click(), test::ProcessEnded);
    EXPECT_GE(fakes.processEnd->ends, 1);
    EXPECT_FALSE(isLoaded<frmNagScreen2>());
}

TEST_F(ClosingScreenTest, CloseBoxEndsTheProcess)
{
    w->Show();
    EXPECT_THROW(w->close(), test::ProcessEnded);
    EXPECT_GE(fakes.processEnd->ends, 1);
    EXPECT_FALSE(isLoaded<frmNagScreen2>());
}

} // namespace
