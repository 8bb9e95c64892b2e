#include "frame/frmAbout.h"

#include "frame/AppIcon.h"
#include "frame/HelpMenu.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QPushButton>

namespace tessavo {

namespace {
const QString kVersionCaption = QStringLiteral("Tessavo v1.75");
}

frmAbout::frmAbout() : Form(QString::fromLatin1(kName), FormKind::TopLevel)
{
    setCaption(kVersionCaption);
    setClientSize(7020, 3540);
    setVerdana(this, 8.25);
    setWindowIcon(QPixmap::fromImage(applicationIconImage(32)));

    auto *picIcon = new Label(QStringLiteral("picIcon"), QString(), this);
    picIcon->setPixmap(QPixmap::fromImage(applicationIconImage(twips::toPixels(480))));
    picIcon->setGeometry(twips::rect(240, 240, 540, 540));

    Label2 = new Label(QStringLiteral("Label2"), kVersionCaption, this);
    setVerdana(Label2, 12, true);
    Label2->setGeometry(twips::rect(1050, 240, 5700, 405));

    Label1 = new Label(QStringLiteral("Label1"),
                       QStringLiteral("Tessavo is a consolidated, interactive feng shui program with an "
                                      "easy interface. It brings together the Kua Number, Lo Shu "
                                      "Square, Flying Star Chart, Ba Zi and Bagua tools, and is one of "
                                      "the most comprehensive feng shui tools for analysing one's "
                                      "destiny."),
                       this);
    Label1->setWordWrap(true);
    Label1->setGeometry(twips::rect(1050, 720, 5760, 1095));

    Label3 = new Label(QStringLiteral("Label3"),
                       QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                      "make money online. Get this software fully branded for your "
                                      "website."),
                       this);
    Label3->setWordWrap(true);
    Label3->setGeometry(twips::rect(1050, 1860, 5760, 495));

    lblCoBrand = makeLinkLabel(QStringLiteral("lblCoBrand"),
                               QStringLiteral("Click here for more details"), this);
    setForeground(lblCoBrand, Qt::blue);
    lblCoBrand->setGeometry(twips::rect(1050, 2355, 5760, 255));

    lblHomePage = makeLinkLabel(QStringLiteral("lblHomePage"), QString(), this);
    setForeground(lblHomePage, Qt::blue);
    lblHomePage->setGeometry(twips::rect(240, 2760, 5040, 495));

    auto *Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);
    Line2->setGeometry(twips::rect(120, 2640, 6780, 30));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips::rect(5520, 2880, 1260, 375));
    cmdOK->setDefault(true);
    connectCommand(cmdOK, &QPushButton::clicked, this, [this] { cmdOk_Click(); });

    wireLinkLabels(this);
}

void frmAbout::cmdOk_Click()
{
    FormRegistry::instance().unload(this);
}

} // namespace tessavo
