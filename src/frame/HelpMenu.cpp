#include "frame/HelpMenu.h"

#include "frame/frmAbout.h"
#include "frame/modHelp.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormRegistry.h"
#include "platform/SiteAddress.h"

#include <QAction>
#include <QMenu>

#include <array>
#include <iterator>

namespace tessavo {

const QString kFullyBrandedText = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");
const QString kForumTitle = QStringLiteral("The Most Popular Online Vantrel Discussion Forum");
const QString kForumInvitation = QStringLiteral(
    "Visit our forum: %1/forum").arg(kSiteAddress);
const QString kCoBrandText = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.    Click Here for more info on co-branding.");

void openPage(Page page)
{
    switch (page) {
    case Page::Help: OpenHelpPage(); break;
    case Page::Home: OpenHomePage(); break;
    case Page::Download: OpenDownloadPage(); break;
    case Page::FullyBranded: OpenFullyBrandedPage(); break;
    case Page::CoBrand: OpenCoBrandPage(); break;
    case Page::Softwares: OpenSoftwaresPage(); break;
    }
}

namespace {

struct HelpMenuRow {
    const char *window;
    const char *separator1;
    const char *separator2;
    const char *updateCaption;
};

const char *const kUpdateU = "Check for Software &Update";
const char *const kUpdateC = "&Check for Software Update";

constexpr std::array kHelpMenus{
    HelpMenuRow{"MDI", "mnuSep1", "mnuSep2", kUpdateU},
    HelpMenuRow{"frmDisplay", "mnuFileSep1", "mnuFileSep2", kUpdateC},
    HelpMenuRow{"frmFengShuiDetails", "mnuHelpSep1", "mnuHelpSep2", kUpdateU},
    HelpMenuRow{"frmFengShuiFourPillar", "mnuSep1", "mnuSep2", kUpdateU},
    HelpMenuRow{"frmFlyingStar", "mnuFileSep1", "mnuFileSep2", kUpdateC},
    HelpMenuRow{"frmLoshu", "mnuHelp1", "mnuHelp2", kUpdateU},
    HelpMenuRow{"frmMainFengShuiBagua", "mnuFileSep1", "mnuFileSep2", kUpdateC},
    HelpMenuRow{"frmMainFengShuiBaZi", "mnuSep1", "mnuSep2", kUpdateU},
    HelpMenuRow{"frmMainFengShuiFlyingStar", "mnuFileSep1", "mnuFileSep2", kUpdateC},
    HelpMenuRow{"frmRoomAnalysis", "mnuFileSep1", "mnuFileSep2", kUpdateC},
};

enum class Caption { FullyBranded, ForumTitle, ForumInvitation, CoBrand, Own };

struct LinkLabelRow {
    const char *window;
    const char *label;
    Caption caption;
    Page page;
};

constexpr LinkLabelRow kLinkLabels[] = {
    {"MDI", "lblURL", Caption::ForumInvitation, Page::Home},
    {"MDI", "lblFullBrand", Caption::FullyBranded, Page::FullyBranded},
    {"MDI", "lblCobrand", Caption::CoBrand, Page::CoBrand},
    {"frmAbout", "lblCoBrand", Caption::Own, Page::FullyBranded},
    {"frmAbout", "lblHomePage", Caption::ForumInvitation, Page::Home},
    {"frmDisplay", "Label12", Caption::FullyBranded, Page::FullyBranded},
    {"frmDisplay", "Label61", Caption::ForumInvitation, Page::Home},
    {"frmFengShuiDetails", "Label3", Caption::FullyBranded, Page::FullyBranded},
    {"frmFengShuiDetails", "Label14", Caption::Own, Page::Home},
    {"frmFengShuiFourPillar", "Label12", Caption::FullyBranded, Page::FullyBranded},
    {"frmFengShuiFourPillar", "Label14", Caption::ForumTitle, Page::Home},
    {"frmFengShuiFourPillar", "Label3", Caption::ForumInvitation, Page::Home},
    {"frmFlyingStar", "Label5", Caption::FullyBranded, Page::FullyBranded},
    {"frmFlyingStar", "Label61", Caption::ForumInvitation, Page::Home},
    {"frmLoshu", "Label5", Caption::FullyBranded, Page::FullyBranded},
    {"frmLoshu", "Label61", Caption::ForumInvitation, Page::Home},
    {"frmMainFengShuiBagua", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmMainFengShuiBagua", "Label29", Caption::Own, Page::CoBrand},
    {"frmMainFengShuiBagua", "Label61", Caption::ForumInvitation, Page::Home},
    {"frmMainFengShuiBaZi", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmMainFengShuiBaZi", "Label14", Caption::ForumTitle, Page::Home},
    {"frmMainFengShuiBaZi", "Label3", Caption::ForumInvitation, Page::Home},
    {"frmMainFengShuiFlyingStar", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmMainFengShuiFlyingStar", "Label61", Caption::ForumInvitation, Page::Home},
    {"frmMainFengShuiKuaNumber", "Label14", Caption::ForumTitle, Page::Home},
    {"frmMainFengShuiKuaNumber", "Label3", Caption::ForumInvitation, Page::Home},
    {"frmMainFengShuiLoShu", "Label14", Caption::ForumTitle, Page::Home},
    {"frmMainFengShuiLoShu", "Label3", Caption::ForumInvitation, Page::Home},
    {"frmRoomAnalysis", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmRoomAnalysis", "Label61", Caption::ForumInvitation, Page::Home},
    {"frmSaveFengShuiBaZi", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmSaveFengShuiBaZi", "Label14", Caption::ForumTitle, Page::Home},
    {"frmSaveFengShuiBaZi", "Label1", Caption::ForumInvitation, Page::Home},
    {"frmSaveFengShuiFlyingStar", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmSaveFengShuiFlyingStar", "Label14", Caption::ForumTitle, Page::Home},
    {"frmSaveFengShuiFlyingStar", "Label1", Caption::ForumInvitation, Page::Home},
    {"frmSaveFengShuiKuaNumber", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmSaveFengShuiKuaNumber", "Label14", Caption::ForumTitle, Page::Home},
    {"frmSaveFengShuiKuaNumber", "Label1", Caption::ForumInvitation, Page::Home},
    {"frmSaveFengShuiLoShu", "Label37", Caption::FullyBranded, Page::FullyBranded},
    {"frmSaveFengShuiLoShu", "Label14", Caption::ForumTitle, Page::Home},
    {"frmSaveFengShuiLoShu", "Label1", Caption::ForumInvitation, Page::Home},
};

QString captionText(Caption caption)
{
    switch (caption) {
    case Caption::FullyBranded: return kFullyBrandedText;
    case Caption::ForumTitle: return kForumTitle;
    case Caption::ForumInvitation: return kForumInvitation;
    case Caption::CoBrand: return kCoBrandText;
    case Caption::Own: break;
    }
    return {};
}

QAction *addEntry(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction *addSeparator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void addHelpMenu(Form *window)
{
    const auto row = std::find_if(kHelpMenus.begin(), kHelpMenus.end(), [&](const HelpMenuRow &r) {
        return window->formName() == QLatin1String(r.window);
    });
    if (row == kHelpMenus.end())
        return;
    QMenu *help = window->addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    const auto entry = [&](const QString &name, const QString &caption, void (*command)()) {
        connectCommand(addEntry(help, name, caption), &QAction::triggered, window, command);
    };
    entry(QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), OpenHelpPage);
    entry(QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), OpenHomePage);
    addSeparator(help, row->separator1);
    entry(QStringLiteral("mnuUpdate"), QString::fromLatin1(row->updateCaption), OpenDownloadPage);
    addSeparator(help, row->separator2);
    entry(QStringLiteral("mnuAbout"), QStringLiteral("&About Software"),
          [] { form<frmAbout>().ShowModal(); });

    // The entry is there for every window but can never be chosen.
    QAction *makeMoney =
        window->addMenuBarAction(QStringLiteral("mnuMakeMoney"), QStringLiteral("Make Money &Online"));
    makeMoney->setVisible(false);
    makeMoney->setEnabled(false);
    connectCommand(makeMoney, &QAction::triggered, window, OpenFullyBrandedPage);
}

void wireLinkLabels(Form *window)
{
    for (const LinkLabelRow &row : kLinkLabels) {
        if (window->formName() != QLatin1String(row.window))
            continue;
        auto *label = window->findChild<Label *>(QString::fromLatin1(row.label));
        if (!label)
            continue;
        if (row.caption != Caption::Own)
            label->setText(captionText(row.caption));
        label->setCursor(Qt::PointingHandCursor);
        const Page page = row.page;
        connectCommand(label, &Label::Click, label, [page] { openPage(page); });
    }
}

bool linkLabelPage(const QString &window, const QString &label, Page *page)
{
    for (const LinkLabelRow &row : kLinkLabels) {
        if (window == QLatin1String(row.window) && label == QLatin1String(row.label)) {
            *page = row.page;
            return true;
        }
    }
    return false;
}

} // namespace tessavo
