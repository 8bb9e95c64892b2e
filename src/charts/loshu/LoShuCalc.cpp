#include "charts/loshu/LoShuCalc.h"

#include "charts/BirthDate.h"
#include "charts/kua/KuaPictures.h"

#include <QPainter>
#include <QStringList>

namespace tessavo::loshu {

using namespace Qt::StringLiterals;

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kParagraphBreak = QStringLiteral("\r\n\r\n");

struct ElementEntry {
    QString name;
    QStringList remedies; // the numbered lines, kept exactly ("gold solver" included)
};

const std::array<ElementEntry, kElementCount> &elementTable()
{
    static const std::array<ElementEntry, kElementCount> table = {{
        {u"Water"_s,
         {u"1.Keep water filled bowl in the East or North East direction."_s,
          u"2.You can also keep a water fish aquarium."_s, u"3.Give water to the thirsty people."_s,
          u"4.A fountain or swimming pool in the North too will serve the purpose."_s}},
        {u"Earth"_s,
         {u"1.Use a square or rectangular wooden dining table."_s,
          u"2.Move your bedroom or office to the South Western corner of your house."_s,
          u"3.Keep a greenstone pyramid in South West for strength and consistency."_s,
          u"4.Hang pictures of mountain on your South sidewall."_s,
          u"5.Hang a yellow bulb in the Center of the room."_s}},
        {u"Wood"_s,
         {u"1.Keep musical chimes at the entrance of the house."_s,
          u"2.Keep the North Eastern side of your home clean and tidy."_s,
          u"3.Place a green light in the East and South East direction."_s,
          u"4.Place a picture of some greenery in the East and South East direction."_s,
          u"5.Place small flowering plants in the East and North East directions."_s}},
        {u"Metal"_s,
         {u"1.Wear some gold jewellery on your right hand."_s,
          u"2.Hang a golden yellow wind chime in the West, North West or North."_s,
          u"3.Keep an energized yellow pyramid."_s,
          u"4.Keep metal sculptures made of gold solver, bronze or copper in the West or North "
          u"West."_s}},
        {u"Fire"_s,
         {u"1.Keep a red lamp in the South East corner of your home."_s,
          u"2.Keep a flowering plant in your sitting room."_s,
          u"3.Keep an oven in the South East direction."_s, u"4.Keep an energized red pyramid."_s}},
    }};
    return table;
}

bool validElement(int element)
{
    return element >= 0 && element < kElementCount;
}

// Earth needs two digits before it counts as present; the others one.
int missingBelow(int element)
{
    return element == Earth ? 2 : 1;
}

} // namespace

FengShuiLoshuModule &modFengShuiLoshu()
{
    static FengShuiLoshuModule module;
    return module;
}

const QString &elementName(int element)
{
    static const QString none;
    return validElement(element) ? elementTable()[static_cast<std::size_t>(element)].name : none;
}

const QString &remedyText(int element)
{
    static const auto texts = [] {
        std::array<QString, kElementCount> joined;
        for (std::size_t i = 0; i < joined.size(); ++i)
            joined[i] = elementTable()[i].remedies.join(kLineBreak);
        return joined;
    }();
    static const QString none;
    return validElement(element) ? texts[static_cast<std::size_t>(element)] : none;
}

std::optional<int> digitElement(QChar digit)
{
    switch (digit.unicode()) {
    case u'1':
        return Water;
    case u'2':
    case u'5':
    case u'8':
        return Earth;
    case u'3':
    case u'4':
        return Wood;
    case u'6':
    case u'7':
        return Metal;
    case u'9':
        return Fire;
    default:
        return std::nullopt;
    }
}

QString loShuDigits(const QString &day, const QString &month, const QString &year)
{
    QString digits = day;
    const QStringList months = birthdate::monthList();
    for (qsizetype i = 0; i < months.size(); ++i) {
        if (month == months.at(i)) {
            digits += QString::number(i + 1);
            break;
        }
    }
    return digits + year;
}

void calculateLoShu(const QString &day, const QString &month, const QString &year)
{
    FengShuiLoshuModule &m = modFengShuiLoshu();
    const QStringList months = birthdate::monthList();
    for (qsizetype i = 0; i < months.size(); ++i)
        m.LoShuMonthNames[static_cast<std::size_t>(i)] = months.at(i);
    for (int e = 0; e < kElementCount; ++e) {
        m.LoShuElementNames[static_cast<std::size_t>(e)] = elementName(e);
        m.LoShuRemedies[static_cast<std::size_t>(e)] = remedyText(e);
    }

    m.LoShuDigits = loShuDigits(day, month, year);
    for (int e = 0; e < kElementCount; ++e) {
        m.LoShuElementCount[static_cast<std::size_t>(e)] = 0;
        m.LoShuElementMissing[static_cast<std::size_t>(e)] = false;
    }
    for (int i = 0; i < 9; ++i)
        m.LoShuDigitRepeats[static_cast<std::size_t>(i)].clear();

    for (const QChar c : std::as_const(m.LoShuDigits)) {
        if (const auto element = digitElement(c)) {
            ++m.LoShuElementCount[static_cast<std::size_t>(*element)];
            m.LoShuDigitRepeats[static_cast<std::size_t>(c.unicode() - u'1')] += c;
        }
    }
    for (int e = 0; e < kElementCount; ++e) {
        const auto i = static_cast<std::size_t>(e);
        m.LoShuElementMissing[i] = m.LoShuElementCount[i] < missingBelow(e);
    }
}

QString gridCaption(int index)
{
    if (index < 0 || index > 8)
        return {};
    return u'[' + QString::number(index + 1) + u"]\n"_s +
           modFengShuiLoshu().LoShuDigitRepeats[static_cast<std::size_t>(index)];
}

const std::array<int, 9> &gridLabelByCell()
{
    // clang-format off
    static const std::array<int, 9> cells = {
        3, 8, 1, // 4 9 2   South East, South, South West
        2, 4, 6, // 3 5 7   East, centre, West
        7, 0, 5, // 8 1 6   North East, North, North West
    };
    // clang-format on
    return cells;
}

ReportRuns missingElementRuns()
{
    const FengShuiLoshuModule &m = modFengShuiLoshu();
    ReportRuns runs;
    for (int e = 0; e < kElementCount; ++e) {
        const auto i = static_cast<std::size_t>(e);
        if (!m.LoShuElementMissing[i])
            continue;
        runs.append({true, std::nullopt,
                     u"Missing Element: "_s + m.LoShuElementNames[i] + kParagraphBreak});
        runs.append({false, std::nullopt, u"Remedial Measures: "_s + kLineBreak});
        runs.append({std::nullopt, std::nullopt, m.LoShuRemedies[i] + kParagraphBreak});
    }
    return runs;
}

QImage gridPicture(int digit, int sizePx)
{
    if (sizePx < 1 || digit < 1 || digit > 9 || digit % 2 == 0)
        return {};
    const auto element = digitElement(QChar(u'0' + digit));
    const QImage symbol =
        kua::kuaPicture(kua::PictureList::Elements, elementName(*element), sizePx);
    QImage picture(sizePx, sizePx, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    // Faded, so that the digits written over it stay easy to read.
    p.setOpacity(0.4);
    p.drawImage(0, 0, symbol);
    p.end();
    return picture;
}

ReportRuns loShuReportRuns(const QString &name, const QString &birthDate,
                           const QString &missingText)
{
    constexpr int kCaptionColour = 5; // magenta
    constexpr int kValueColour = 0;   // black
    const QString credit = creditLine() + kParagraphBreak;
    return {
        {true, kCaptionColour, u"Name: "_s},
        {false, kValueColour, name + kParagraphBreak},
        {false, kValueColour, credit},
        {true, kCaptionColour, u"Date of Birth: "_s},
        {false, kValueColour, birthDate + kParagraphBreak},
        {false, kValueColour, credit},
        {true, kCaptionColour, u"Missing Element(s): "_s + kLineBreak},
        {false, kValueColour, missingText},
        {false, kValueColour, credit},
    };
}

} // namespace tessavo::loshu
