#include "LoShuWindowFixture.h"

#include "charts/loshu/modFengShuiLoshu.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QTextBlock>

using namespace tessavo;
using namespace tessavo::test;
using loshu::frmLoshu;

namespace {

class LoShuResultWindowTest : public LoShuWindowTest {};

// The box's text for the missing elements, line breaks as the box gives them.
QString missingText(std::initializer_list<loshu::Element> elements)
{
    QString text;
    for (loshu::Element e : elements)
        text += "Missing Element: " + loshu::elementName(e) + "\n\nRemedial Measures: \n" +
                loshu::remedyText(e) + "\n\n";
    return text.replace("\r\n", "\n");
}

} // namespace

TEST_F(LoShuResultWindowTest, GridCellsAndSideCaptionsSitWhereTheLayoutPutsThem)
{
    frmLoshu &w = form<frmLoshu>();
    EXPECT_EQ(w.size(), twips::size(10410, 6195));
    struct Row {
        const char *name;
        const char *parent;
        QRect place; // twips
        QString text;
    };
    const Row rows[] = {
        {"Frame2", "Frame1", {600, 600, 4035, 4050}, ""},
        {"picLoshuGrid", "Frame2", {45, 50, 1300, 1300}, ""},
        {"Picture1(8)", "Frame2", {2685, 2710, 1300, 1300}, ""},
        {"lblLoshuSides(0)", "Frame1", {120, 135, 615, 600}, "South East"},
        {"lblLoshuSides(1)", "Frame1", {2280, 120, 600, 600}, "South"},
        {"lblLoshuSides(2)", "Frame1", {4680, 120, 600, 600}, "South West"},
        {"lblLoshuSides(3)", "Frame1", {4680, 2400, 480, 600}, "West"},
        {"lblLoshuSides(4)", "Frame1", {4680, 4680, 600, 600}, "North West"},
        {"lblLoshuSides(5)", "Frame1", {2280, 4920, 600, 240}, "North"},
        {"lblLoshuSides(6)", "Frame1", {120, 4680, 600, 600}, "North East"},
        {"lblLoshuSides(7)", "Frame1", {120, 2400, 600, 600}, "East"},
        {"RTBLoshu", "frmLoshu", {5520, 2040, 4785, 3375}, ""},
    };
    for (const Row &row : rows) {
        auto *control = w.findChild<QWidget *>(row.name);
        ASSERT_NE(control, nullptr) << row.name;
        EXPECT_EQ(control->parentWidget()->objectName(), row.parent) << row.name;
        EXPECT_EQ(control->geometry(),
                  twips::rect(row.place.x(), row.place.y(), row.place.width(), row.place.height()))
            << row.name;
        if (auto *label = qobject_cast<QLabel *>(control)) {
            EXPECT_EQ(label->text(), row.text) << row.name;
        }
    }

    // The label of each digit in its cell, South at the top; odd digits show
    // a picture behind a see-through label, even ones an opaque label.
    const int digitOfCell[] = {4, 9, 2, 3, 5, 7, 8, 1, 6};
    for (std::size_t cell = 0; cell < 9; ++cell) {
        const int digit = digitOfCell[cell];
        Label *label = w.lblLoshuGrid[static_cast<std::size_t>(digit - 1)];
        EXPECT_EQ(label->objectName(), arrayName("lblLoshuGrid", digit - 1));
        EXPECT_EQ(label->parentWidget(), w.cells[cell]) << digit;
        EXPECT_EQ(label->geometry(), twips::rect(0, 0, 1000, 1000)) << digit;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 255));
        EXPECT_EQ(w.cells[cell]->autoFillBackground(), digit % 2 == 1) << digit;
        EXPECT_EQ(label->autoFillBackground(), digit % 2 == 0) << digit;
    }
}

TEST_F(LoShuResultWindowTest, TheCalculationFillsTheGridAndTheMissingElements)
{
    struct Row {
        const char *day, *month, *year;
        std::array<const char *, 9> captions;
        QString text;
    };
    const Row rows[] = {
        {"12",
         "January",
         "1990",
         {"[1]\n111", "[2]\n2", "[3]\n", "[4]\n", "[5]\n", "[6]\n", "[7]\n", "[8]\n", "[9]\n99"},
         missingText({loshu::Earth, loshu::Wood, loshu::Metal})},
        // Every element present: the box stays empty.
        {"7",
         "March",
         "1985",
         {"[1]\n1", "[2]\n", "[3]\n3", "[4]\n", "[5]\n5", "[6]\n", "[7]\n7", "[8]\n8", "[9]\n9"},
         ""},
        // A second calculation into the same window replaces the first.
        {"10",
         "October",
         "2000",
         {"[1]\n11", "[2]\n2", "[3]\n", "[4]\n", "[5]\n", "[6]\n", "[7]\n", "[8]\n", "[9]\n"},
         missingText({loshu::Earth, loshu::Wood, loshu::Metal, loshu::Fire})},
    };
    for (const Row &row : rows) {
        loshu::CalcLoShuGrid(row.day, row.month, row.year);
        ASSERT_TRUE(isLoaded<frmLoshu>()) << row.day;
        frmLoshu &w = form<frmLoshu>();
        EXPECT_FALSE(w.Visible()) << "the caller shows it";
        for (std::size_t i = 0; i < 9; ++i)
            EXPECT_EQ(w.lblLoshuGrid[i]->text(), row.captions[i]) << row.day << " " << i;
        EXPECT_EQ(w.RTBLoshu->toPlainText(), row.text) << row.day;
        // Headings bold, the rest plain.
        const QTextDocument *doc = w.RTBLoshu->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            if (!block.text().isEmpty()) {
                EXPECT_EQ(block.begin().fragment().charFormat().fontWeight() >= QFont::DemiBold,
                          block.text().startsWith("Missing Element: "))
                    << block.text().toStdString();
            }
        }
    }
}

TEST_F(LoShuResultWindowTest, MenusLinksBackAndExit)
{
    frmLoshu &w = proceed({"Ann", Sex::Male, 12, 1, 1990});
    QStringList file;
    for (const QAction *a : w.findChild<QMenu *>("mnuFile")->actions())
        file << a->objectName() + "=" + a->text();
    EXPECT_EQ(file, (QStringList{"mnuBack=&Back", "mnuFileSep=", "mnuExit=E&xit"}));
    ASSERT_NE(w.findChild<QMenu *>("mnuHelp"), nullptr);
    QTest::mouseClick(w.Label5, Qt::LeftButton);
    QTest::mouseClick(w.Label61, Qt::LeftButton);
    ASSERT_EQ(fakes.urlOpener->opened.size(), 2);
    EXPECT_TRUE(fakes.urlOpener->opened[0].endsWith("fully-branded"));
    EXPECT_TRUE(fakes.urlOpener->opened[1].endsWith("home-page"));

    struct Road {
        const char *name;
        bool inputAgain;
    };
    for (const Road road : {Road{"mnuBack", true}, Road{"mnuExit", false}}) {
        proceed({"Ann", Sex::Male, 12, 1, 1990}).findChild<QAction *>(road.name)->trigger();
        flushDeletes();
        EXPECT_FALSE(isLoaded<frmLoshu>()) << road.name;
        EXPECT_EQ(isLoaded<loshu::frmMainFengShuiLoShu>(), road.inputAgain) << road.name;
        EXPECT_EQ(splashShown(), !road.inputAgain) << road.name;
        unloadForm<loshu::frmMainFengShuiLoShu>();
    }
}
