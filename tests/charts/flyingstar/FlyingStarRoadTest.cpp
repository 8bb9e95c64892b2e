// The Flying Star tool from end to end, as a user drives it with the mouse
// and the keyboard: main window, input, chart, report, saved file, back.

#include "ReportRunsSeen.h"
#include "FlyingStarWindowFixture.h"

#include "charts/flyingstar/frmSaveFengShuiFlyingStar.h"
#include "platform/RichTextBox.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace tessavo;
using namespace tessavo::test;
using namespace tessavo::flyingstar;

TEST_F(FlyingStarWindowTest, RoadFromTheMainWindowToASavedReportAndBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(splashShown());
    QTest::mouseClick(mdi->findChild<QPushButton *>("cmdCallMainForm(2)"), Qt::LeftButton);
    ASSERT_TRUE(isLoaded<frmMainFengShuiFlyingStar>());
    auto &input = form<frmMainFengShuiFlyingStar>();
    EXPECT_TRUE(input.Visible());
    EXPECT_FALSE(splashShown());

    QTest::keyClicks(input.txtFirstName, "lee");
    input.birthDate().cboDate()->setCurrentIndex(14);
    input.birthDate().cboMonth()->setCurrentIndex(5);
    input.birthDate().cboYear()->setCurrentText("2004");
    input.cboRangeOfDegree->setCurrentText("S2 172.5-187.5");
    QTest::mouseClick(input.cmdNext, Qt::LeftButton);

    ASSERT_TRUE(isLoaded<frmFlyingStar>());
    auto &result = form<frmFlyingStar>();
    EXPECT_TRUE(result.Visible());
    EXPECT_FALSE(input.Visible());
    EXPECT_FALSE(splashShown());
    EXPECT_EQ(result.lblPeriodAnalysis[0]->text(), "8");
    EXPECT_EQ(result.lblFacingDirectionAnalysis->text(), "South");
    EXPECT_EQ(result.lblFacingNumber->text(), "3");
    EXPECT_EQ(result.lblMountainNumber->text(), "4");

    QTest::mouseClick(result.cmdPrint, Qt::LeftButton);
    ASSERT_TRUE(isLoaded<frmSaveFengShuiFlyingStar>());
    auto &report = form<frmSaveFengShuiFlyingStar>();
    EXPECT_TRUE(report.Visible());
    const QString shown = report.RTB->toPlainText();
    EXPECT_TRUE(shown.startsWith("Your house was built in Period : 8\n"));

    const QString path = dir.filePath("house.rtf");
    fakes.saveAs->answer = path;
    QTest::mouseClick(report.cmdSave, Qt::LeftButton);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto document = readRtf(file.readAll());
    ASSERT_TRUE(document);
    const QList<RtfRun> saved = normalisedRuns(document->runs);
    EXPECT_EQ(saved, seenRuns(flyingStarReportRuns(result.reportFields())));
    EXPECT_EQ(plainText(saved), shown);
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_TRUE(saved[0].bold);
    EXPECT_EQ(saved[0].color, QColor(0, 128, 0));
    EXPECT_EQ(saved[1].color, QColor(128, 0, 0));

    QTest::mouseClick(result.cmdBack, Qt::LeftButton);
    EXPECT_FALSE(result.Visible());
    EXPECT_TRUE(input.Visible());
    EXPECT_FALSE(splashShown());
    EXPECT_EQ(input.txtFirstName->text(), "LEE");
    EXPECT_EQ(input.birthDate().dayText(), "15");
    EXPECT_EQ(input.birthDate().monthText(), "June");
    EXPECT_EQ(input.birthDate().yearText(), "2004");
    EXPECT_EQ(input.cboRangeOfDegree->currentIndex(), 13);

    // A second plot from the same entries shows the same chart again.
    QTest::mouseClick(input.cmdNext, Qt::LeftButton);
    EXPECT_TRUE(result.Visible());
    EXPECT_EQ(result.lblFacingNumber->text(), "3");
}
