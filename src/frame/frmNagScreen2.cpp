#include "frame/frmNagScreen2.h"

#include "frame/AppIcon.h"
#include "frame/frmNagScreen.h"
#include "frame/modHelp.h"
#include "frame/modTellAFriend.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Services.h"
#include "platform/SiteAddress.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

#include <algorithm>

namespace tessavo {

namespace {

const QString kVersionCaption = QStringLiteral("Tessavo v1.75");
const QColor kNavy(0, 0, 128);

QString forumAddress()
{
    return kSiteAddress + QStringLiteral("/forum");
}

QLineEdit *makeTextBox(const QString &name, const QString &placeholder, const QRect &rect,
                       QWidget *parent)
{
    auto *box = new QLineEdit(placeholder, parent);
    box->setObjectName(name);
    box->setAccessibleName(placeholder);
    box->setGeometry(rect);
    return box;
}

} // namespace

QString frmNagScreen2::supportText(int k)
{
    static const char *const texts[kSupportTextCount] = {
        "Please visit our free online discussion forum at %1 regularly and take part in its "
        "discussions and activities. It is the forum's visitors who make it possible for us to "
        "create and maintain programs like this one.",
        "Support us by visiting our free feng shui discussion forum at %1 often. Join in the "
        "discussions and activities there: the forum's visitors are what allow us to keep making "
        "programs such as this one.",
        "Like this program? Help us make more like it: visit our free online forum at %1 "
        "regularly and join its discussions and activities. Every visitor helps us create and "
        "look after programs such as this.",
        "Our free discussion forum at %1 is what keeps programs like this one coming. Drop by "
        "regularly and take part in the discussions and activities; your visits let us create "
        "and maintain this software.",
    };
    const int index = std::clamp(k, 0, kSupportTextCount - 1);
    return QString::fromLatin1(texts[index]).arg(forumAddress());
}

frmNagScreen2::frmNagScreen2() : Form(QString::fromLatin1(kName), FormKind::TopLevel)
{
    setClientSize(11115, 4725);
    setVerdana(this, 8.25);

    picNagscreen2Icon = new Label(QStringLiteral("picNagscreen2Icon"), QString(), this);
    picNagscreen2Icon->setGeometry(twips::rect(360, 120, 540, 540));
    picNagscreen2Icon->setAlignment(Qt::AlignCenter);

    lblNagScreen2Caption = new Label(QStringLiteral("lblNagScreen2Caption"), QString(), this);
    setVerdana(lblNagScreen2Caption, 18);
    lblNagScreen2Caption->setGeometry(twips::rect(1080, 240, 720, 435));

    Label2 = new Label(QStringLiteral("Label2"), supportText(1), this);
    setVerdana(Label2, 8.25, true);
    setBackground(Label2, Qt::white);
    Label2->setWordWrap(true);
    Label2->setGeometry(twips::rect(120, 840, 6975, 1095));

    Check1 = new QCheckBox(
        QStringLiteral("Yes, take me to the free discussion forum at %1 now").arg(forumAddress()),
        this);
    Check1->setObjectName(QStringLiteral("Check1"));
    setForeground(Check1, Qt::blue);
    Check1->setCursor(Qt::PointingHandCursor);
    Check1->setGeometry(twips::rect(30, 2040, 7185, 555));
    // Its click is any change of its tick, by the mouse, the keyboard or a
    // screen reader's Toggle, and its handler's own unticking too.
    connectCommand(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });

    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twips::rect(6000, 2760, 1245, 375));
    connectCommand(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    Frame2 = new QGroupBox(QStringLiteral("Refer A Friend"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twips::rect(120, 3240, 7065, 1455));

    txtName = makeTextBox(QStringLiteral("txtName"), kTellNamePlaceholder,
                          twips::rect(85, 360, 3375, 285), Frame2);
    txtEmail = makeTextBox(QStringLiteral("txtEmail"), kTellEmailPlaceholder,
                           twips::rect(3600, 360, 3375, 285), Frame2);

    // Below the frame's bottom edge, so never seen; its text still goes out
    // with every referral.
    txtMessage = new MultiLineTextBox(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setAccessibleName(kTellMessagePlaceholder);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setGeometry(twips::rect(4800, 3600, 1815, 495));
    setBoxText(Box::Message, kTellMessagePlaceholder + QStringLiteral("\r\n"));

    txtFriendName = makeTextBox(QStringLiteral("txtFriendName"), kTellFriendNamePlaceholder,
                                twips::rect(85, 720, 3375, 285), Frame2);
    txtFriendEmail = makeTextBox(QStringLiteral("txtFriendEmail"), kTellFriendEmailPlaceholder,
                                 twips::rect(3600, 720, 3375, 285), Frame2);

    new FocusHook(txtName, [this] { txtName_GotFocus(); }, [this] { txtName_LostFocus(); });
    new FocusHook(txtEmail, [this] { txtEmail_GotFocus(); }, [this] { txtEmail_LostFocus(); });
    new FocusHook(txtMessage, [this] { txtMessage_GotFocus(); },
                  [this] { txtMessage_LostFocus(); });
    new FocusHook(txtFriendName, [this] { txtFriendName_GotFocus(); },
                  [this] { txtFriendName_LostFocus(); });
    new FocusHook(txtFriendEmail, [this] { txtFriendEmail_GotFocus(); },
                  [this] { txtFriendEmail_LostFocus(); });

    // A key press reaches the handler as its character code, the way the
    // handler judges it; keys that type nothing pass untouched.
    auto keyHook = [this](QLineEdit *box, void (frmNagScreen2::*handler)(int &)) {
        new KeyPressHook(box, [this, handler](QKeyEvent *event) {
            const QString typed = event->text();
            if (typed.size() != 1)
                return true;
            int keyAscii = typed.at(0).unicode();
            (this->*handler)(keyAscii);
            return keyAscii != 0;
        });
    };
    keyHook(txtEmail, &frmNagScreen2::txtEmail_KeyPress);
    keyHook(txtFriendEmail, &frmNagScreen2::txtFriendEmail_KeyPress);

    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setGeometry(twips::rect(1920, 1080, 3375, 285));
    connectCommand(cmdSubmit, &QPushButton::clicked, this, [this] { cmdSubmit_Click(); });

    Frame6 = new QGroupBox(QStringLiteral("Download Vantrel Softwares"), this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    setBackground(Frame6, kNavy);
    setForeground(Frame6, Qt::white);
    Frame6->setGeometry(twips::rect(7320, 120, 3735, 4575));

    Label3 = new Label(QStringLiteral("Label3"),
                       QStringLiteral("Vantrel Softwares offers a whole range of astrology, psychic, "
                                      "tarot, numerology and occult programs. Each one is simple to "
                                      "use and informative, written for newcomers and seasoned "
                                      "practitioners alike.\n\nDownload them today and discover what "
                                      "they can reveal for you, your family and your friends."),
                       Frame6);
    setForeground(Label3, Qt::white);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(twips::rect(120, 360, 3495, 3855));

    lblGoToHome = makeLinkLabel(QStringLiteral("lblGoToHome"),
                                QStringLiteral("Click Here To Visit Vantrel Softwares"), Frame6);
    setForeground(lblGoToHome, Qt::yellow);
    lblGoToHome->setGeometry(twips::rect(75, 4250, 3585, 210));
    connectCommand(lblGoToHome, &Label::Click, this, [this] { lblGoToHome_Click(); });
}

void frmNagScreen2::Form_Load()
{
    setCaption(kVersionCaption);
    lblNagScreen2Caption->setText(kVersionCaption);
    // The design width is narrower than the caption at this size; grow to fit.
    lblNagScreen2Caption->resize(
        std::max(lblNagScreen2Caption->width(), lblNagScreen2Caption->sizeHint().width()),
        lblNagScreen2Caption->height());

    // The start-up window's icon when it is there; loading it here would run
    // its start-up steps again, so the drawn icon stands in otherwise.
    QPixmap icon;
    if (auto *startUp = qobject_cast<frmNagScreen *>(
            FormRegistry::instance().find(QString::fromLatin1(frmNagScreen::kName))))
        icon = startUp->IMGIcon(0);
    if (icon.isNull())
        icon = QPixmap::fromImage(applicationIconImage(64));
    setWindowIcon(icon);
    const int iconSize = twips::toPixels(480);
    picNagscreen2Icon->setPixmap(
        icon.scaled(iconSize, iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    Label2->setText(supportText(QRandomGenerator::global()->bounded(kSupportTextCount)));

    if (auto &screen = services().screen) {
        setLeft(twips::centredLeft(screen->widthTwips(), Width()));
        setTop(twips::centredLeft(screen->heightTwips(), Height()));
    }
    if (auto &flags = services().windowFlags)
        flags->makeTopmost(this);
}

void frmNagScreen2::Form_Unload()
{
    UnloadAllForms();
}

void frmNagScreen2::cmdClose_Click()
{
    UnloadAllForms();
}

void frmNagScreen2::lblGoToHome_Click()
{
    OpenSoftwaresPage();
}

void frmNagScreen2::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    OpenHomePage();
}

void frmNagScreen2::cmdSubmit_Click()
{
    TellAFriendData &tell = modTellAFriend();
    tell.TellName = trimSpaces(boxText(Box::Name));
    tell.TellEmail = trimSpaces(boxText(Box::Email));
    tell.TellMessage = trimSpaces(boxText(Box::Message));
    tell.TellFriendName = trimSpaces(boxText(Box::FriendName));
    tell.TellFriendEmail = trimSpaces(boxText(Box::FriendEmail));
    if (const auto message = addressCheckMessage(tell.TellEmail, tell.TellFriendEmail)) {
        MsgBox(*message, MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    SubmitTellAFriend();
}

void frmNagScreen2::txtName_GotFocus() { clearPlaceholder(Box::Name); }
void frmNagScreen2::txtName_LostFocus() { restorePlaceholder(Box::Name); }
void frmNagScreen2::txtEmail_GotFocus() { clearPlaceholder(Box::Email); }
void frmNagScreen2::txtEmail_LostFocus() { restorePlaceholder(Box::Email); }
void frmNagScreen2::txtMessage_GotFocus() { clearPlaceholder(Box::Message); }
void frmNagScreen2::txtMessage_LostFocus() { restorePlaceholder(Box::Message); }
void frmNagScreen2::txtFriendName_GotFocus() { clearPlaceholder(Box::FriendName); }
void frmNagScreen2::txtFriendName_LostFocus() { restorePlaceholder(Box::FriendName); }
void frmNagScreen2::txtFriendEmail_GotFocus() { clearPlaceholder(Box::FriendEmail); }
void frmNagScreen2::txtFriendEmail_LostFocus() { restorePlaceholder(Box::FriendEmail); }

void frmNagScreen2::txtEmail_KeyPress(int &KeyAscii)
{
    refuseSpace(Box::Email, KeyAscii);
}

void frmNagScreen2::txtFriendEmail_KeyPress(int &KeyAscii)
{
    refuseSpace(Box::FriendEmail, KeyAscii);
}

QWidget *frmNagScreen2::boxWidget(Box box) const
{
    switch (box) {
    case Box::Name: return txtName;
    case Box::Email: return txtEmail;
    case Box::Message: return txtMessage;
    case Box::FriendName: return txtFriendName;
    case Box::FriendEmail: return txtFriendEmail;
    }
    return nullptr;
}

// The message box reports its lines joined by CR LF, as a classic multi-line
// text box does, so that the line break it starts with is sent as typed.
QString frmNagScreen2::boxText(Box box) const
{
    if (box == Box::Message)
        return txtMessage->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return static_cast<QLineEdit *>(boxWidget(box))->text();
}

void frmNagScreen2::setBoxText(Box box, const QString &text)
{
    if (box == Box::Message)
        txtMessage->setPlainText(text);
    else
        static_cast<QLineEdit *>(boxWidget(box))->setText(text);
}

const QString &frmNagScreen2::placeholder(Box box)
{
    switch (box) {
    case Box::Name: return kTellNamePlaceholder;
    case Box::Email: return kTellEmailPlaceholder;
    case Box::Message: return kTellMessagePlaceholder;
    case Box::FriendName: return kTellFriendNamePlaceholder;
    case Box::FriendEmail: break;
    }
    return kTellFriendEmailPlaceholder;
}

void frmNagScreen2::clearPlaceholder(Box box)
{
    if (trimSpaces(boxText(box)) == placeholder(box))
        setBoxText(box, QString());
}

void frmNagScreen2::restorePlaceholder(Box box)
{
    if (trimSpaces(boxText(box)).isEmpty())
        setBoxText(box, placeholder(box));
}

void frmNagScreen2::refuseSpace(Box box, int &KeyAscii)
{
    if (KeyAscii != 32)
        return;
    MsgBox(QStringLiteral("Email Address Cannot Contain Space"), MsgButtons::Ok, MsgIcon::Critical);
    KeyAscii = 0;
    boxWidget(box)->setFocus();
}

} // namespace tessavo
