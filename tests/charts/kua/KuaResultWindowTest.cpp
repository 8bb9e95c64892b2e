#include "HeldKey.h"
#include "KuaWindowFixture.h"

#include "charts/kua/KuaPictures.h"
#include "charts/kua/frmSaveFengShuiKuaNumber.h"
#include "charts/kua/modFengShui.h"
#include "frame/HelpMenu.h"
#include "platform/SiteAddress.h"
#include "platform/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using namespace tessavo;
using namespace tessavo::test;
using kua::frmFengShuiDetails;

namespace {

class KuaResultWindowTest : public KuaWindowTest {};

const QColor kWhite(255, 255, 255);
const QColor kCyan(0, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);
const QColor kYellow(255, 255, 0);

// Compass cell of each direction, as the window lays them out.
int cellOf(const QString &direction)
{
    const QStringList cells = {"North West", "North",      "North East", "West",
                               "East",       "South West", "South",      "South East"};
    return static_cast<int>(cells.indexOf(direction));
}

struct KuaExpectation {
    int kua;
    const char *group, *element, *trigram, *colour;
    std::array<const char *, 8> directions;
};

const KuaExpectation kKuas[] = {
    {1,
     "East",
     "Water",
     "Kan",
     "Off White",
     {"South East", "East", "South", "North", "West", "North East", "North West", "South West"}},
    {2,
     "West",
     "Earth",
     "Kun",
     "Black",
     {"North East", "West", "North West", "South West", "East", "South East", "South", "North"}},
    {3,
     "East",
     "Wood",
     "Chen",
     "Green",
     {"South", "North", "South East", "East", "South West", "North West", "North East", "West"}},
    {4,
     "East",
     "Wood",
     "Sun",
     "Blue",
     {"North", "South", "East", "South East", "North West", "South West", "West", "North East"}},
    {5,
     "West",
     "Earth",
     "Kun",
     "Orange",
     {"North East", "West", "North West", "South West", "East", "South East", "South", "North"}},
    {6,
     "West",
     "Metal",
     "Chien",
     "Grey",
     {"West", "North East", "South West", "North West", "South East", "East", "North", "South"}},
    {7,
     "West",
     "Metal",
     "Tui",
     "Red",
     {"North West", "South West", "North East", "West", "North", "South", "South East", "East"}},
    {8,
     "West",
     "Earth",
     "Ken",
     "White",
     {"South West", "North West", "West", "North East", "South", "North", "East", "South East"}},
    {9,
     "East",
     "Fire",
     "Li",
     "Purple",
     {"East", "South East", "North", "South", "North East", "West", "South West", "North West"}},
};

QImage pictureOf(const QLabel *image)
{
    return image->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage expectedPicture(kua::PictureList list, const QString &key, const QLabel *image)
{
    return kua::kuaPicture(list, key, std::min(image->width(), image->height()))
        .convertToFormat(QImage::Format_ARGB32);
}

// Every shown child of a container lies apart from its siblings (the compass
// cells share their borders), and nothing is cut off by the container: a
// control lies inside it, the text of a label inside the part that shows.
void expectTidy(const QWidget *container)
{
    QList<QWidget *> children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    children.removeIf([](const QWidget *w) { return w->isHidden(); });
    const auto isCell = [](const QWidget *w) { return w->objectName().startsWith("lblDirection"); };
    for (const QWidget *child : children) {
        const std::string name =
            (container->objectName() + "/" + child->objectName()).toStdString();
        for (const QWidget *other : children) {
            if (other != child && !(isCell(child) && isCell(other)) &&
                child->geometry().intersects(other->geometry())) {
                ADD_FAILURE() << name << " overlaps " << other->objectName().toStdString();
            }
        }
        auto *label = qobject_cast<const QLabel *>(child);
        if (!label || !label->pixmap().isNull()) {
            EXPECT_TRUE(container->rect().contains(child->geometry())) << name;
        } else {
            const QRect shown = container->rect().intersected(label->geometry());
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(shown.width()) <= shown.height()
                                  : label->sizeHint().width() <= shown.width() &&
                                        label->sizeHint().height() <= shown.height();
            EXPECT_TRUE(fits) << name << ": " << label->text().toStdString();
        }
        if (qobject_cast<const QGroupBox *>(child) || child->objectName() == "Picture1")
            expectTidy(child);
    }
}

} // namespace

TEST_F(KuaResultWindowTest, EveryKuaFillsCaptionsBoxesColoursAndCompass)
{
    for (const KuaExpectation &e : kKuas) {
        kua::ShowKuaDetails(e.kua);
        kua::ShowElementDescription();
        kua::ShowKuaPictures();
        frmFengShuiDetails &w = form<frmFengShuiDetails>();
        EXPECT_EQ(w.lblFengShuiKuaNo->text(), QString::number(e.kua));
        EXPECT_EQ(w.lblFengShuiGroup->text(), e.group) << e.kua;
        EXPECT_EQ(w.lblFengShuiElement->text(), e.element) << e.kua;
        EXPECT_EQ(w.lblFengShuiTrigram->text(), e.trigram) << e.kua;
        EXPECT_EQ(w.lblFengShuiColour->text(), e.colour) << e.kua;
        const auto boxes = w.directionBoxes();
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(boxes[i]->text(), e.directions[i]) << e.kua << " box " << i;

        // Each good direction's colours, looked up from its box.
        const auto wear = w.wearLabels();
        const auto avoid = w.avoidLabels();
        for (std::size_t i = 0; i < 4; ++i) {
            const auto colours = kua::directionColors(e.directions[i]);
            EXPECT_EQ(wear[i]->text(), "Colors To Wear: " + colours[0]) << e.kua;
            EXPECT_EQ(avoid[i]->text(), "Colors To Avoid: " + colours[1]) << e.kua;
        }

        // The four good directions in the legend's colours, the rest white.
        std::array<QColor, 9> cells;
        cells.fill(kWhite);
        const QColor legend[] = {kCyan, kGreen, kMagenta, kYellow};
        for (std::size_t i = 0; i < 4; ++i)
            cells[static_cast<std::size_t>(cellOf(e.directions[i]))] = legend[i];
        for (std::size_t i = 0; i < 9; ++i) {
            EXPECT_EQ(w.lblDirection[i]->palette().color(QPalette::Window), cells[i])
                << e.kua << " cell " << i;
        }

        EXPECT_EQ(w.lblElementDesc->text(), kua::elementDescription(e.element)) << e.kua;
        EXPECT_EQ(pictureOf(w.imgElement),
                  expectedPicture(kua::PictureList::Elements, e.element, w.imgElement));
        EXPECT_EQ(pictureOf(w.imgColour),
                  expectedPicture(kua::PictureList::Colours, e.colour, w.imgColour));
        EXPECT_EQ(pictureOf(w.imgTrigram),
                  expectedPicture(kua::PictureList::Trigrams, e.trigram, w.imgTrigram));
    }
}

TEST_F(KuaResultWindowTest, ExactColourTextsAndElementEndings)
{
    kua::ShowKuaDetails(9); // success East, health South East
    kua::ShowElementDescription();
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    EXPECT_EQ(w.lblColourToWearSuccess->text(), "Colors To Wear: Green; Brown Blue; Black; Purple");
    EXPECT_EQ(w.lblColourToAvoidHealth->text(),
              "Colors To Avoid: Metallic; White; Gold; Silver; Grey; Red; Maroon; Coral; Orange; "
              "Pink");
    EXPECT_TRUE(w.lblElementDesc->text().endsWith(
        "\r\n\r\nElement Fire is not compatible with elements Metal and Soil."));

    kua::ShowKuaDetails(1);
    kua::ShowElementDescription();
    EXPECT_TRUE(w.lblElementDesc->text().endsWith("elements Fire and Soil"));
}

TEST_F(KuaResultWindowTest, CompassAndPicturesFollowWhatTheWindowShows)
{
    kua::ShowKuaDetails(6);
    kua::ShowKuaPictures();
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    const QImage grey = pictureOf(w.imgColour);

    // A caption without a picture keeps the old one.
    w.lblFengShuiColour->setText("Mauve");
    w.lblFengShuiTrigram->setText("Li");
    kua::ShowKuaPictures();
    EXPECT_EQ(pictureOf(w.imgColour), grey);
    EXPECT_EQ(pictureOf(w.imgTrigram),
              expectedPicture(kua::PictureList::Trigrams, "Li", w.imgTrigram));

    // A direction matching no cell colours nothing; the centre is never coloured.
    kua::HighlightGoodDirections("North", "Nowhere", "", "north");
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(w.lblDirection[i]->palette().color(QPalette::Window), i == 1 ? kCyan : kWhite)
            << i;
    }
}

TEST_F(KuaResultWindowTest, LayoutMenusAndLinks)
{
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    EXPECT_EQ(w.caption(), "Orlix Feng Shui Kua Number");
    EXPECT_EQ(w.size(), twips::size(10035, 7350));
    EXPECT_EQ(w.font().family(), "Verdana");

    const struct {
        QPushButton *button;
        const char *name;
        const char *caption;
        double left;
    } buttons[] = {
        {w.cmdPrint, "cmdPrint", "&Save", 6720},
        {w.cmdExit, "cmdExit", "E&xit", 7800},
        {w.cmdBack, "cmdBack", "&Back", 8910},
    };
    for (const auto &b : buttons) {
        EXPECT_EQ(b.button->objectName(), b.name);
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->geometry(), twips::rect(b.left, 6780, 1005, 345)) << b.name;
    }
    EXPECT_EQ(w.Label3->geometry(), twips::rect(120, 6720, 6420, 675));
    EXPECT_EQ(w.Label3->text(), kFullyBrandedText);
    EXPECT_EQ(w.Label14->parentWidget()->objectName(), "Frame5");
    EXPECT_EQ(w.Label14->text(),
              "The Most Popular Online Vantrel Discussion Forum. Visit us at " + kSiteAddress);
    Page page{};
    ASSERT_TRUE(linkLabelPage("frmFengShuiDetails", "Label14", &page));
    EXPECT_EQ(page, Page::Home);
    QTest::mouseClick(w.Label14, Qt::LeftButton);
    QTest::mouseClick(w.Label3, Qt::LeftButton);
    EXPECT_EQ(fakes.urlOpener->opened.size(), 2);

    ASSERT_EQ(w.SSTab->count(), 3);
    EXPECT_EQ(w.SSTab->tabText(0), "Feng Shui Elements");
    EXPECT_EQ(w.SSTab->tabText(1), "Feng Shui Directions");
    EXPECT_EQ(w.SSTab->tabText(2), "Feng Shui Personal Colors");
    EXPECT_EQ(w.lblFengShuiKuaNo->font().pointSizeF(), 28);
    EXPECT_TRUE(w.lblFengShuiKuaNo->font().bold());

    // The compass, North at the top.
    const std::array<QPoint, 9> cells = {{{120, 360},
                                          {600, 360},
                                          {1080, 360},
                                          {120, 855},
                                          {1080, 855},
                                          {120, 1350},
                                          {600, 1350},
                                          {1080, 1350},
                                          {600, 855}}};
    const QStringList captions = {"NW", "N", "NE", "W", "E", "SW", "S", "SE", ""};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(w.lblDirection[i]->objectName(), QString("lblDirection(%1)").arg(i));
        EXPECT_EQ(w.lblDirection[i]->parentWidget(), w.Picture1);
        EXPECT_EQ(w.lblDirection[i]->geometry(), twips::rect(cells[i].x(), cells[i].y(), 495, 495));
        EXPECT_EQ(w.lblDirection[i]->text(), captions[static_cast<qsizetype>(i)]);
        EXPECT_EQ(w.lblDirection[i]->alignment(), Qt::AlignCenter);
    }
    QStringList legend;
    for (int i = 0; i < 4; ++i)
        legend << w.findChild<QLabel *>(QString("lblLegend(%1)").arg(i))->text();
    EXPECT_EQ(legend, (QStringList{"Success", "Health", "Relationships", "Personal"}));

    // Every named control is there, and each direction box has its caption.
    for (const char *name : {"fraStarUserDetails", "fraStarUserSignDetails", "Label20",
                             "lblElementDesc", "imgElement", "imgColour", "imgTrigram", "lblName"})
        EXPECT_NE(w.findChild<QWidget *>(name), nullptr) << name;
    for (QLineEdit *box : w.directionBoxes()) {
        const auto labels = w.findChildren<QLabel *>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel *l) {
            return l->buddy() == box;
        })) << box->objectName().toStdString();
    }

    QStringList bar;
    for (QAction *a : w.menuBarActions())
        bar << a->objectName();
    EXPECT_EQ(bar, (QStringList{"mnuFile", "mnuHelp", "mnuMakeMoney"}));
    QStringList file;
    for (QAction *a : w.menuBarActions()[0]->menu()->actions())
        file << a->objectName() + (a->isSeparator() ? QString("|") : "=" + a->text());
    EXPECT_EQ(file,
              (QStringList{"mnuPrint=&Save", "mnuBack=&Back", "mnuFileSep1|", "mnuExit=E&xit"}));
}

TEST_F(KuaResultWindowTest, FilledTabsAreTidy)
{
    // The longest texts: a long name and the colour lists of Kua 2.
    kua::modFengShui().KuaUserName = "Alexandra Montgomery-Smith";
    kua::ShowKuaDetails(2);
    kua::ShowElementDescription();
    kua::ShowKuaPictures();
    frmFengShuiDetails &w = form<frmFengShuiDetails>();
    w.Show();
    expectTidy(&w);
    for (int i = 0; i < w.SSTab->count(); ++i) {
        w.SSTab->setCurrentIndex(i);
        expectTidy(w.SSTab->widget(i));
    }
    for (int kua = 1; kua <= 9; ++kua) {
        kua::ShowKuaDetails(kua);
        for (const QLabel *label : w.wearLabels())
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << kua;
        for (const QLabel *label : w.avoidLabels())
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << kua;
    }
}

TEST_F(KuaResultWindowTest, NameLineAndFirstTabAtEveryLoad)
{
    struct Row {
        const char *sex;
        const char *name;
        const char *line;
    };
    const Row rows[] = {
        {"Male", "Bob", "Mr. Bob"}, {"Female", "Ann Lee", "Ms. Ann Lee"},     {"Male", "", "Mr. "},
        {"", "Pat", "Ms. Pat"},     {"Female", "<b>Jo</b>", "Ms. <b>Jo</b>"},
    };
    for (const Row &row : rows) {
        kua::modFengShui().KuaUserSex = row.sex;
        kua::modFengShui().KuaUserName = row.name;
        frmFengShuiDetails &w = form<frmFengShuiDetails>();
        EXPECT_EQ(w.lblName->text(), row.line);
        EXPECT_EQ(w.lblName->textFormat(), Qt::PlainText);
        EXPECT_EQ(w.SSTab->currentIndex(), 0) << row.line;
        w.SSTab->setCurrentIndex(2);
        w.cmdExit_Click();
        flushDeletes();
    }
}

TEST_F(KuaResultWindowTest, BackBringsTheInputWindowBackWithItsDefaults)
{
    for (bool byMenu : {false, true}) {
        frmFengShuiDetails &w = proceed({"Ann", Sex::Female, 15, 6, 1981});
        QPointer<frmFengShuiDetails> result = &w;
        if (byMenu)
            w.findChild<QAction *>("mnuBack")->trigger();
        else
            QTest::mouseClick(w.cmdBack, Qt::LeftButton);
        flushDeletes();

        EXPECT_FALSE(result) << byMenu;
        ASSERT_TRUE(isLoaded<kua::frmMainFengShuiKuaNumber>()) << byMenu;
        auto &input = form<kua::frmMainFengShuiKuaNumber>();
        EXPECT_TRUE(input.Visible());
        EXPECT_EQ(input.txtName->text(), "");
        EXPECT_FALSE(input.optSex[0]->isChecked());
        EXPECT_FALSE(input.optSex[1]->isChecked());
        EXPECT_EQ(input.birthDate().date(), QDate(1970, 1, 1));
        EXPECT_NEAR(input.Left(), (fakes.screen->width - input.Width()) / 2, 15);
        EXPECT_DOUBLE_EQ(input.Top(), 0);
        EXPECT_FALSE(splashShown()) << byMenu;
        EXPECT_EQ(kua::modFengShui().KuaUserName, "Ann") << "the module keeps the last result";
    }
}

TEST_F(KuaResultWindowTest, ExitShowsTheSplashPanelAgain)
{
    for (bool byMenu : {false, true}) {
        frmFengShuiDetails &w = proceed({"Ann", Sex::Female, 15, 6, 1981});
        ASSERT_FALSE(splashShown());
        QPointer<frmFengShuiDetails> result = &w;
        if (byMenu)
            w.findChild<QAction *>("mnuExit")->trigger();
        else
            QTest::mouseClick(w.cmdExit, Qt::LeftButton);
        flushDeletes();
        EXPECT_FALSE(result) << byMenu;
        EXPECT_FALSE(isLoaded<kua::frmMainFengShuiKuaNumber>()) << byMenu;
        EXPECT_TRUE(splashShown()) << byMenu;
    }
}

// Held down, Alt+S presses Save once: its repeats press no Save in the
// report it opened either, which would ask where to save it.
TEST_F(KuaResultWindowTest, SaveOpensOneReportBesideTheResult)
{
    for (bool byHeldKey : {false, true}) {
        frmFengShuiDetails &w = proceed({"Ann", Sex::Female, 15, 6, 1981});
        if (byHeldKey)
            holdKey(&w, Qt::Key_S, Qt::AltModifier, 5);
        else
            QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
        ASSERT_TRUE(isLoaded<kua::frmSaveFengShuiKuaNumber>()) << byHeldKey;
        auto &report = form<kua::frmSaveFengShuiKuaNumber>();
        QPointer<kua::frmSaveFengShuiKuaNumber> first = &report;
        EXPECT_TRUE(report.Visible());
        EXPECT_TRUE(w.Visible());
        EXPECT_TRUE(fakes.saveAs->requests.isEmpty()) << byHeldKey;
        w.findChild<QAction *>("mnuPrint")->trigger();
        EXPECT_EQ(&form<kua::frmSaveFengShuiKuaNumber>(), first.data()) << "no second report";
        unloadForm<kua::frmSaveFengShuiKuaNumber>();
        w.cmdExit_Click();
        flushDeletes();
    }
}
