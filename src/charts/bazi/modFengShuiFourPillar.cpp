#include "charts/bazi/modFengShuiFourPillar.h"

#include "charts/bazi/BaZiCalc.h"
#include "charts/bazi/frmFengShuiFourPillar.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"

#include <QPlainTextEdit>

namespace tessavo::bazi {

namespace {

void showResult(int index, const QString &caption, const QString &value)
{
    form<frmFengShuiFourPillar>().lblResult[static_cast<std::size_t>(index)]->setText(caption +
                                                                                       value);
}

void showPair(int firstIndex, const QString &what, const QString &stem, const QString &branch)
{
    showResult(firstIndex, what + QStringLiteral(" Stem: "), stem);
    showResult(firstIndex + 1, what + QStringLiteral(" Branch: "), branch);
}

} // namespace

void CalcYearPillar(qint16 &year)
{
    FourPillarModule &module = modFengShuiFourPillar();
    const Pillar pillar = yearPillar(year);
    module.YearStem = pillar.stem;
    module.YearBranch = pillar.branch;
    showPair(0, QStringLiteral("Year"), module.YearStem, module.YearBranch);
}

void CalcMonthPillar()
{
    FourPillarModule &module = modFengShuiFourPillar();
    if (const auto pillar = monthPillar(module.YearStem, module.BaZiBirthMonth)) {
        module.MonthStem = pillar->stem;
        module.MonthBranch = pillar->branch;
    }
    showPair(2, QStringLiteral("Month"), module.MonthStem, module.MonthBranch);
}

void CalcDayNumber()
{
    FourPillarModule &module = modFengShuiFourPillar();
    module.DayNumber = static_cast<qint16>(dayNumber(module.BaZiBirthYear, module.BaZiBirthMonth,
                                                     module.BaZiBirthDay, module.YearBranch));
}

void CalcDayPillar(qint16 &dayNumber)
{
    FourPillarModule &module = modFengShuiFourPillar();
    const Pillar pillar = dayPillar(dayNumber);
    module.DayStem = pillar.stem;
    module.DayBranch = pillar.branch;
    showPair(4, QStringLiteral("Day"), module.DayStem, module.DayBranch);
}

void CalcHourPillar()
{
    FourPillarModule &module = modFengShuiFourPillar();
    if (const auto pillar = hourPillar(module.BaZiBirthHour, module.BaZiAmPm, module.DayStem)) {
        module.HourStem = pillar->stem;
        module.HourBranch = pillar->branch;
    }
    showPair(6, QStringLiteral("Hour"), module.HourStem, module.HourBranch);
}

void ShowPillarElements()
{
    FourPillarModule &module = modFengShuiFourPillar();
    frmFengShuiFourPillar &w = form<frmFengShuiFourPillar>();
    const struct {
        Pillar pillar;
        PillarLines &lines;
        PillarLines &polarities;
        const std::array<Label *, 5> &labels;
        QPlainTextEdit *box;
    } pillars[] = {
        {{module.HourStem, module.HourBranch}, module.HourPillarLines, module.HourPillarPolarity,
         w.lblHour, w.txtHour},
        {{module.DayStem, module.DayBranch}, module.DayPillarLines, module.DayPillarPolarity,
         w.lblDay, w.txtDay},
        {{module.MonthStem, module.MonthBranch}, module.MonthPillarLines,
         module.MonthPillarPolarity, w.lblMonth, w.txtMonth},
        {{module.YearStem, module.YearBranch}, module.YearPillarLines, module.YearPillarPolarity,
         w.lblYear, w.txtYear},
    };
    const auto &entries = elementEntries();
    for (std::size_t j = 0; j < entries.size(); ++j) {
        module.PillarElementLabels[j] = entries[j].label;
        module.PillarElementTexts[j] = entries[j].text;
    }
    for (const auto &p : pillars) {
        const PillarBreakdown breakdown = pillarBreakdown(p.pillar);
        for (std::size_t k = 0; k < breakdown.lines.size(); ++k) {
            p.lines[k] = breakdown.lines[k];
            // An empty hidden line has no polarity; its slot keeps what it had.
            if (!breakdown.lines[k].isEmpty())
                p.polarities[k] = breakdown.polarities[k];
            p.labels[k]->setText(breakdown.lines[k]);
        }
        // Set, not appended: the box shows this calculation only, even on a
        // result window that was open already.
        p.box->setPlainText(interpretation(breakdown));
    }
}

} // namespace tessavo::bazi
