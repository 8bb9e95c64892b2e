#pragma once

// Start of the Ba Zi window tests: every window registered, the main window
// shown and the module data as at the start of the process.

#include "ToolWindowFixture.h"

#include "charts/bazi/BaZiCalc.h"
#include "charts/bazi/frmFengShuiFourPillar.h"
#include "charts/bazi/frmMainFengShuiBaZi.h"
#include "app/FormCatalog.h"
#include "frame/MDI.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace tessavo::test {

struct BirthEntry {
    QString name;
    int day = 1;   // 1..31
    int month = 1; // 1..12
    int year = 1924;
    int hour = 1; // 1..12
    bool pm = false;
    int minute = 1; // 1..59
    int second = 1; // 1..59
    bool female = false;
    QString longitude = QStringLiteral("22");
};

class BaZiWindowTest : public ToolWindowTest {
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        bazi::modFengShuiFourPillar() = bazi::FourPillarModule{};
        showMainWindow();
    }

    // The input window as the main window's Ba Zi button opens it.
    bazi::frmMainFengShuiBaZi &openInput()
    {
        mdi->cmdCallMainForm_Click(3);
        return form<bazi::frmMainFengShuiBaZi>();
    }

    static void enter(bazi::frmMainFengShuiBaZi &w, const BirthEntry &e)
    {
        w.txtName->setText(e.name);
        w.birthDate().select(e.day - 1, e.month - 1, e.year - 1924);
        w.cboHH->setCurrentIndex(e.hour - 1);
        w.cboMM->setCurrentIndex(e.minute - 1);
        w.cboSS->setCurrentIndex(e.second - 1);
        w.cboAMPM->setCurrentIndex(e.pm ? 1 : 0);
        (e.female ? w.optFemale : w.optMale)->setChecked(true);
        w.txtLongitude->setText(e.longitude);
    }

    // Enters a person in a freshly opened input window and analyzes.
    bazi::frmFengShuiFourPillar &analyze(const BirthEntry &e)
    {
        bazi::frmMainFengShuiBaZi &w = openInput();
        enter(w, e);
        w.cmdCalculation_Click();
        flushDeletes();
        return form<bazi::frmFengShuiFourPillar>();
    }

    // Everything the result window shows or holds of a calculation.
    static QStringList shown(const bazi::frmFengShuiFourPillar &w)
    {
        QStringList texts;
        for (const auto *lines : {&w.lblYear, &w.lblMonth, &w.lblDay, &w.lblHour}) {
            for (const Label *line : *lines)
                texts << line->text();
        }
        for (const QPlainTextEdit *box : {w.txtYear, w.txtMonth, w.txtDay, w.txtHour})
            texts << box->toPlainText();
        for (const Label *summary : w.lblResult)
            texts << summary->text();
        return texts;
    }

};

} // namespace tessavo::test
