#include "FlyingStarWindowFixture.h"

#include "platform/QbColor.h"
#include "platform/Twips.h"

#include <QAction>

using namespace tessavo;
using namespace tessavo::test;
using flyingstar::frmFlyingStar;

namespace {

class FlyingStarResultWindowTest : public FlyingStarWindowTest {
protected:
    // The three stars a cell shows, mountain, period and facing: "5 9 1".
    static QString cellStars(const frmFlyingStar &w, int cell)
    {
        const auto labels = w.picPosition[static_cast<std::size_t>(cell)]->findChildren<QLabel *>();
        QStringList stars;
        for (const char *kind : {"lblMountain", "lblPosition", "lblBack"}) {
            for (const QLabel *label : labels)
                stars << (label->objectName().startsWith(kind) ? label->text() : QString());
        }
        stars.removeAll(QString());
        return stars.join(' ');
    }

    // Palaces whose period label shows a colour other than its own.
    static QStringList marked(const frmFlyingStar &w)
    {
        QStringList out;
        for (int p = 0; p < flyingstar::kPalaces; ++p) {
            const QColor shown =
                w.lblPosition[static_cast<std::size_t>(p)]->palette().color(QPalette::WindowText);
            if (shown == qbColor(4))
                out << "facing " + flyingstar::palaceName(p);
            else if (shown == qbColor(2))
                out << "mountain " + flyingstar::palaceName(p);
            else if (shown != frmFlyingStar::periodStarColour(p))
                out << "odd " + flyingstar::palaceName(p);
        }
        return out;
    }
};

// The analysis lines and the centre's period star, as the window shows them:
// period, period again, centre, mountain direction and star, facing direction
// and star.
QString analysis(const frmFlyingStar &w)
{
    return QStringList({w.lblPeriodAnalysis[0]->text(), w.lblPeriodAnalysis[1]->text(),
                        w.lblPosition[flyingstar::Centre]->text(),
                        w.lblMountainDirectionAnalysis->text(), w.lblMountainNumber->text(),
                        w.lblFacingDirectionAnalysis->text(), w.lblFacingNumber->text()})
        .join('|');
}

} // namespace

TEST_F(FlyingStarResultWindowTest, CellsShowTheirPalacesSouthAtTheTop)
{
    // 1950 facing N1: the worked example. Cells top left to bottom right.
    frmFlyingStar &w = plot({"ANN", 1, 1, 1950, 0});
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.caption(), "Orlix Flying Star Feng Shui");
    EXPECT_EQ(w.size(), twips::size(11325, 7875));

    struct Row {
        const char *captionLabel; // nullptr: the centre has none
        const char *caption;
        const char *stars; // mountain, period, facing
    };
    const Row cells[] = {
        {"lblSE", "South East", "8 4 9"},  {"Label2", "South", "4 9 5"},
        {"Label3", "South West", "6 2 7"}, {"Label4", "East", "7 3 8"},
        {nullptr, nullptr, "9 5 1"},       {"Label6", "West", "2 7 3"},
        {"Label7", "North East", "3 8 4"}, {"Label8", "North", "5 1 6"},
        {"lblNW", "North West", "1 6 2"},
    };
    for (int i = 0; i < 9; ++i) {
        const QWidget *box = w.picPosition[static_cast<std::size_t>(i)];
        EXPECT_EQ(box->objectName(), arrayName("picPosition", i));
        EXPECT_EQ(box->pos(), twips::point(1440 * (i % 3), 1440 * (i / 3))) << i;
        EXPECT_EQ(cellStars(w, i), cells[i].stars) << i;
        if (cells[i].captionLabel) {
            const auto *caption = box->findChild<QLabel *>(cells[i].captionLabel);
            ASSERT_NE(caption, nullptr) << i;
            EXPECT_EQ(caption->text(), cells[i].caption) << i;
        }
    }
    EXPECT_EQ(analysis(w), "5|5|5|South|9|North|1");
    EXPECT_EQ(marked(w), QStringList({"mountain South", "facing North"}));
}

TEST_F(FlyingStarResultWindowTest, EachPlotMarksOnlyItsOwnPalaces)
{
    struct Row {
        HouseEntry entry;
        const char *analysis;
        QStringList marks; // in palace order
    };
    const Row rows[] = {
        {{"ANN", 1, 1, 1950, 0}, "5|5|5|South|9|North|1", {"mountain South", "facing North"}},
        {{"ANN", 1, 1, 1950, 7}, "5|5|5|West|7|East|3", {"mountain West", "facing East"}},
        {{"ANN", 1, 1, 2004, 13}, "8|8|8|North|4|South|3", {"facing South", "mountain North"}},
        {{"ANN", 1, 1, 1990, 23},
         "7|7|7|South East|6|North West|8",
         {"facing North West", "mountain South East"}},
        {{"ANN", 1, 1, 2043, 0}, "9|9|9|South|4|North|5", {"mountain South", "facing North"}},
    };
    QPoint firstPlace;
    for (const Row &row : rows) {
        const std::string label =
            std::to_string(row.entry.year) + "/" + std::to_string(row.entry.sector);
        frmFlyingStar &w = plot(row.entry);
        EXPECT_EQ(analysis(w), row.analysis) << label;
        EXPECT_EQ(marked(w), row.marks) << label;
        EXPECT_FALSE(splashShown()) << label;
        if (firstPlace.isNull())
            firstPlace = w.frameWidget()->pos();
        EXPECT_EQ(w.frameWidget()->pos(), firstPlace) << label;
        w.cmdBack_Click();
    }
}

TEST_F(FlyingStarResultWindowTest, OnlyTheYearAndTheSectorShapeTheChart)
{
    frmFlyingStar &w = plot({"ANN", 1, 1, 2004, 13});
    const QString before = cellStars(w, 4) + cellStars(w, 7);
    w.cmdBack_Click();

    const HouseEntry same[] = {
        {"BOB", 1, 1, 2004, 13}, {"ANN", 17, 8, 2004, 13}, {"ANN", 31, 12, 2004, 13}};
    for (const HouseEntry &entry : same) {
        plot(entry);
        EXPECT_EQ(cellStars(w, 4) + cellStars(w, 7), before) << entry.name.toStdString();
        w.cmdBack_Click();
    }

    // A refused date leaves the hidden chart as it was.
    fakes.messageBox->shown.clear();
    plot({"ANN", 30, 2, 1950, 0});
    EXPECT_EQ(fakes.messageBox->texts(), QStringList{"Please Enter Correct Date Or Month!"});
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(cellStars(w, 4) + cellStars(w, 7), before);
    EXPECT_EQ(w.lblFacingNumber->text(), "3");
}

TEST_F(FlyingStarResultWindowTest, ExitLeavesTheInputHiddenAndShowsTheSplashPanel)
{
    frmFlyingStar &w = plot({"MARY JO", 29, 2, 1952, 16});
    auto &input = form<flyingstar::frmMainFengShuiFlyingStar>();
    EXPECT_EQ(input.FacingBaseStar, 2);
    EXPECT_EQ(input.MountainBaseStar, 8);

    w.mnuBack->trigger();
    EXPECT_TRUE(input.Visible());
    input.cmdNext_Click();
    w.mnuExit->trigger();
    flushDeletes();
    EXPECT_FALSE(isLoaded<frmFlyingStar>());
    EXPECT_TRUE(splashShown());
    // The input window stays loaded and hidden until a tool is opened.
    ASSERT_TRUE(isLoaded<flyingstar::frmMainFengShuiFlyingStar>());
    EXPECT_FALSE(input.Visible());
    mdi->cmdCallMainForm_Click(0);
    flushDeletes();
    EXPECT_FALSE(isLoaded<flyingstar::frmMainFengShuiFlyingStar>());
}
