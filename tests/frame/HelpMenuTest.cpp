#include "UiFixture.h"

#include "frame/HelpMenu.h"
#include "frame/frmAbout.h"
#include "frame/modHelp.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/SiteAddress.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace tessavo;
using namespace tessavo::test;

namespace {

QString page(const char *key)
{
    return kSiteAddress + QStringLiteral("/tessavo/ssd.php?page=") + QString::fromLatin1(key);
}

class Blank : public Form {
public:
    explicit Blank(const QString &name) : Form(name, FormKind::Child) {}
};

class HelpMenuTest : public UiTest {};

} // namespace

TEST_F(HelpMenuTest, OpenersOpenTheirOwnPage)
{
    struct Row {
        void (*opener)();
        const char *key;
    };
    const Row rows[] = {{OpenHelpPage, "help-web-page"},      {OpenHomePage, "home-page"},
                        {OpenDownloadPage, "download-web-page"}, {OpenFullyBrandedPage, "fully-branded"},
                        {OpenCoBrandPage, "co-brand"},        {OpenSoftwaresPage, "vantrelsoftwares"}};
    for (const Row &row : rows) {
        fakes.urlOpener->opened.clear();
        row.opener();
        EXPECT_EQ(fakes.urlOpener->opened, QStringList{page(row.key)});
    }
}

TEST_F(HelpMenuTest, EveryWindowsHelpMenuFollowsItsRow)
{
    struct Row {
        const char *window;
        const char *separator1;
        const char *separator2;
        const char *update;
    };
    const Row rows[] = {
        {"MDI", "mnuSep1", "mnuSep2", "Check for Software &Update"},
        {"frmDisplay", "mnuFileSep1", "mnuFileSep2", "&Check for Software Update"},
        {"frmFengShuiDetails", "mnuHelpSep1", "mnuHelpSep2", "Check for Software &Update"},
        {"frmFengShuiFourPillar", "mnuSep1", "mnuSep2", "Check for Software &Update"},
        {"frmFlyingStar", "mnuFileSep1", "mnuFileSep2", "&Check for Software Update"},
        {"frmLoshu", "mnuHelp1", "mnuHelp2", "Check for Software &Update"},
        {"frmMainFengShuiBagua", "mnuFileSep1", "mnuFileSep2", "&Check for Software Update"},
        {"frmMainFengShuiBaZi", "mnuSep1", "mnuSep2", "Check for Software &Update"},
        {"frmMainFengShuiFlyingStar", "mnuFileSep1", "mnuFileSep2", "&Check for Software Update"},
        {"frmRoomAnalysis", "mnuFileSep1", "mnuFileSep2", "&Check for Software Update"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.window);
        Blank window{QString::fromLatin1(row.window)};
        addHelpMenu(&window);
        const auto &bar = window.menuBarActions();
        ASSERT_EQ(bar.size(), 2);
        EXPECT_EQ(bar[0]->text(), "&Help");
        EXPECT_EQ(bar[1]->objectName(), "mnuMakeMoney");
        EXPECT_EQ(bar[1]->text(), "Make Money &Online");
        EXPECT_FALSE(bar[1]->isVisible());
        EXPECT_FALSE(bar[1]->isEnabled());

        const QList<QAction *> entries = bar[0]->menu()->actions();
        QStringList names, captions;
        for (QAction *a : entries) {
            names << a->objectName();
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        EXPECT_EQ(names, (QStringList{"mnuOnline", "mnuVisit", row.separator1, "mnuUpdate",
                                      row.separator2, "mnuAbout"}));
        EXPECT_EQ(captions, (QStringList{"&Online Help", "&Visit Us Online", "-", row.update, "-",
                                         "&About Software"}));

        fakes.urlOpener->opened.clear();
        for (QAction *a : entries) {
            if (a->objectName() != "mnuAbout")
                a->trigger();
        }
        EXPECT_EQ(fakes.urlOpener->opened,
                  (QStringList{page("help-web-page"), page("home-page"), page("download-web-page")}));
    }
}

TEST_F(HelpMenuTest, AboutOpensModally)
{
    Blank window{QStringLiteral("frmLoshu")};
    addHelpMenu(&window);
    window.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    ASSERT_TRUE(isLoaded<frmAbout>());
    ASSERT_EQ(fakes.modalRunner->ran.size(), 1);
    EXPECT_EQ(fakes.modalRunner->ran[0], &form<frmAbout>());
    EXPECT_EQ(form<frmAbout>().windowModality(), Qt::ApplicationModal);
    form<frmAbout>().cmdOk_Click();
    EXPECT_FALSE(isLoaded<frmAbout>());
}

TEST_F(HelpMenuTest, WindowsWithoutARowGetNoMenu)
{
    for (const char *name : {"frmMainFengShuiKuaNumber", "frmMainFengShuiLoShu",
                             "frmSaveFengShuiKuaNumber", "frmAbout", "frmNagScreen2"}) {
        Blank window{QString::fromLatin1(name)};
        addHelpMenu(&window);
        EXPECT_TRUE(window.menuBarActions().isEmpty()) << name;
    }
}

TEST_F(HelpMenuTest, EveryLinkLabelOpensItsPage)
{
    struct Row {
        const char *window;
        const char *label;
        const char *key;
    };
    const Row rows[] = {
        {"MDI", "lblURL", "home-page"},
        {"MDI", "lblFullBrand", "fully-branded"},
        {"MDI", "lblCobrand", "co-brand"},
        {"frmAbout", "lblCoBrand", "fully-branded"},
        {"frmAbout", "lblHomePage", "home-page"},
        {"frmDisplay", "Label12", "fully-branded"},
        {"frmDisplay", "Label61", "home-page"},
        {"frmFengShuiDetails", "Label3", "fully-branded"},
        {"frmFengShuiDetails", "Label14", "home-page"},
        {"frmFengShuiFourPillar", "Label12", "fully-branded"},
        {"frmFengShuiFourPillar", "Label14", "home-page"},
        {"frmFengShuiFourPillar", "Label3", "home-page"},
        {"frmFlyingStar", "Label5", "fully-branded"},
        {"frmFlyingStar", "Label61", "home-page"},
        {"frmLoshu", "Label5", "fully-branded"},
        {"frmLoshu", "Label61", "home-page"},
        {"frmMainFengShuiBagua", "Label37", "fully-branded"},
        {"frmMainFengShuiBagua", "Label29", "co-brand"},
        {"frmMainFengShuiBagua", "Label61", "home-page"},
        {"frmMainFengShuiBaZi", "Label37", "fully-branded"},
        {"frmMainFengShuiBaZi", "Label14", "home-page"},
        {"frmMainFengShuiBaZi", "Label3", "home-page"},
        {"frmMainFengShuiFlyingStar", "Label37", "fully-branded"},
        {"frmMainFengShuiFlyingStar", "Label61", "home-page"},
        {"frmMainFengShuiKuaNumber", "Label14", "home-page"},
        {"frmMainFengShuiKuaNumber", "Label3", "home-page"},
        {"frmMainFengShuiLoShu", "Label14", "home-page"},
        {"frmMainFengShuiLoShu", "Label3", "home-page"},
        {"frmRoomAnalysis", "Label37", "fully-branded"},
        {"frmRoomAnalysis", "Label61", "home-page"},
        {"frmSaveFengShuiBaZi", "Label37", "fully-branded"},
        {"frmSaveFengShuiBaZi", "Label14", "home-page"},
        {"frmSaveFengShuiBaZi", "Label1", "home-page"},
        {"frmSaveFengShuiFlyingStar", "Label1", "home-page"},
        {"frmSaveFengShuiKuaNumber", "Label37", "fully-branded"},
        {"frmSaveFengShuiLoShu", "Label14", "home-page"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.window) + "." + row.label);
        Blank window{QString::fromLatin1(row.window)};
        auto *label = new Label(QString::fromLatin1(row.label), QStringLiteral("own"), &window);
        label->resize(200, 20);
        wireLinkLabels(&window);
        fakes.urlOpener->opened.clear();
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(fakes.urlOpener->opened, QStringList{page(row.key)});
        fakes.urlOpener->opened.clear();
        QTest::mouseClick(label, Qt::RightButton);
        EXPECT_TRUE(fakes.urlOpener->opened.isEmpty()) << "only the left button clicks";
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(250, 10));
        EXPECT_TRUE(fakes.urlOpener->opened.isEmpty()) << "released outside it";
        doubleClick(label);
        EXPECT_EQ(fakes.urlOpener->opened, QStringList{page(row.key)}) << "a double-click is one";
    }
}

TEST_F(HelpMenuTest, SharedLinkCaptionsAreSetFromTheTable)
{
    struct Row {
        const char *window;
        const char *label;
        QString caption;
    };
    const Row rows[] = {
        {"frmMainFengShuiKuaNumber", "Label14", "The Most Popular Online Vantrel Discussion Forum"},
        {"frmSaveFengShuiLoShu", "Label37", kFullyBrandedText},
        {"frmAbout", "lblCoBrand", "own"},
        {"frmFengShuiDetails", "Label14", "own"},
        {"frmMainFengShuiBagua", "Label29", "own"},
    };
    for (const Row &row : rows) {
        Blank window{QString::fromLatin1(row.window)};
        auto *label = new Label(QString::fromLatin1(row.label), QStringLiteral("own"), &window);
        wireLinkLabels(&window);
        EXPECT_EQ(label->text(), row.caption) << row.window << "." << row.label;
    }
    EXPECT_TRUE(kFullyBrandedText.endsWith("Click here for more details."));
    EXPECT_TRUE(kForumInvitation.contains(kSiteAddress));
}
