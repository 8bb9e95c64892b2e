#include "charts/kua/KuaCalc.h"

#include "platform/DateText.h"

#include <utility>

namespace tessavo::kua {

using namespace Qt::StringLiterals;

namespace {

int digitOrZero(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - u'0' : 0;
}

// Sum of the two digits of a number from 10 to 18.
int reduceTwoDigits(int n)
{
    return n >= 10 ? n / 10 + n % 10 : n;
}

struct DirectionColourRow {
    QString direction;
    QString wear;
    QString avoid;
};

// Some lists lack a separator between two colours ("Grey Beige"); that is how
// users have always seen them.
const std::array<DirectionColourRow, 8> &directionColourTable()
{
    static const std::array<DirectionColourRow, 8> table = {{
        {u"North"_s, u"Blue; Black; Purple; Metallic; White; Gold; Silver; Grey"_s,
         u"Yellow; Beige; Earth Tones; Green; Brown"_s},
        {u"North West"_s, u"Metallic; White; Gold; Silver; Grey; Beige; Yellow; Earth Tones"_s,
         u"Reds; Coral; Orange; Pinks; Blue; Black; Purple"_s},
        {u"South"_s, u"Red; Maroon; Orange; Pink; Coral; Green; Brown"_s,
         u"Blue; Black; Purple; Yellow; Beige; Earth Tones"_s},
        {u"South East"_s, u"Green; Brown; Blue; Black; Purple"_s,
         u"Metallic; White; Gold; Silver; Grey; Red; Maroon; Coral; Orange; Pink"_s},
        {u"North East"_s, u"Beige; Yellow; Earth Tones; Red; Maroon; Coral; Pink; Orange"_s,
         u"Green; Brown; Metallic; Silver; Gold; Grey; White"_s},
        {u"South West"_s, u"Beige; Yellow; Earth Tones Red; Maroon; Coral; Pink; Orange"_s,
         u"Green; Brown; Metallic; Gold; Silver; Grey; White"_s},
        {u"West"_s, u"Metallic; White; Gold; Silver; Grey Beige; Yellow"_s,
         u"Red; Orange; Coral; Maroon; Pink Blue; Black; Purple"_s},
        {u"East"_s, u"Green; Brown Blue; Black; Purple"_s,
         u"Metallic; White; Gold; Silver; Grey; Red; Orange; Maroon; Pink; Coral"_s},
    }};
    return table;
}

struct ElementEntry {
    QString name;
    QString description;
    QString compatible;
    QString notCompatible; // kept exactly, odd endings included
};

const std::array<ElementEntry, 5> &elementTable()
{
    static const std::array<ElementEntry, 5> table = {{
        {u"Water"_s,
         u"Like water you flow around whatever stands in your way: flexible and quick to "
         u"adjust, calm on the surface yet restless underneath. Others follow you because you "
         u"lead with confidence and a clear view, and your magnetic personality draws people "
         u"to you."_s,
         u"Element Water is compatible with elements Tree and Metal."_s,
         u"Element Water is not compatible with elements Fire and Soil"_s},
        {u"Earth"_s,
         u"You are grounded, with strong roots deep in the soil. Loyal and dependable, you are "
         u"the one others lean on, though you can be stubborn once your mind is made up. To "
         u"the people around you, you are the best friend or the worst enemy."_s,
         u"Element Earth is compatible with elements Fire and Metal."_s,
         u"Element Earth is not compatible with elements Wood and Water."_s},
        {u"Metal"_s,
         u"You are a deep thinker who would rather discover things for yourself than take "
         u"them on trust. Disciplined and methodical, you put quality before quantity in "
         u"everything you do."_s,
         u"Element Metal is compatible with elements Water and Soil."_s,
         u"Element Metal is not compatible with elements Fire and Wood.    "_s},
        {u"Wood"_s,
         u"You are committed to your work and always fulfil the commitments you make. Young at "
         u"heart whatever your age, you aim to reach the top and then spread out, like a tree "
         u"growing towards the light."_s,
         u"Element Wood is compatible with elements Water and Fire."_s,
         u"Element Wood is not compatible with elements Fire and Tree."_s},
        {u"Fire"_s,
         u"There is passion and fire inside you. Your attractive, enthusiastic personality "
         u"lights up a room; you need people around you and hate being alone."_s,
         u"Element Fire is compatible with elements Wood and Soil."_s,
         u"Element Fire is not compatible with elements Metal and Soil."_s},
    }};
    return table;
}

const QString kParagraphBreak = QStringLiteral("\r\n\r\n");

} // namespace

FengShuiModule &modFengShui()
{
    static FengShuiModule module;
    return module;
}

int CalcKuaNumber(const QString &yearDigits, const QString &sex)
{
    const int a =
        yearDigits.isEmpty() ? 0 : digitOrZero(yearDigits.front()) + digitOrZero(yearDigits.back());
    const int b = reduceTwoDigits(a);
    const int k = sex == QLatin1String("Male") ? 10 - b : b + 5;
    return reduceTwoDigits(k);
}

QString shiftedBirthYear(const QString &monthName, const QString &yearText)
{
    if (monthName != QLatin1String("January") && monthName != QLatin1String("February"))
        return yearText;
    return QString::number(yearText.trimmed().toInt() - 1);
}

QString yearDigits(const QString &yearText)
{
    return yearText.mid(2, 2);
}

const KuaRow &kuaRow(int kua)
{
    // Kua 5 is Kun's data (the directions of Kua 2) with a colour of its own.
    static const std::array<KuaRow, 9> rows = {{
        {u"East"_s,
         u"Water"_s,
         u"Kan"_s,
         u"Off White"_s,
         {u"South East"_s, u"East"_s, u"South"_s, u"North"_s, u"West"_s, u"North East"_s,
          u"North West"_s, u"South West"_s}},
        {u"West"_s,
         u"Earth"_s,
         u"Kun"_s,
         u"Black"_s,
         {u"North East"_s, u"West"_s, u"North West"_s, u"South West"_s, u"East"_s, u"South East"_s,
          u"South"_s, u"North"_s}},
        {u"East"_s,
         u"Wood"_s,
         u"Chen"_s,
         u"Green"_s,
         {u"South"_s, u"North"_s, u"South East"_s, u"East"_s, u"South West"_s, u"North West"_s,
          u"North East"_s, u"West"_s}},
        {u"East"_s,
         u"Wood"_s,
         u"Sun"_s,
         u"Blue"_s,
         {u"North"_s, u"South"_s, u"East"_s, u"South East"_s, u"North West"_s, u"South West"_s,
          u"West"_s, u"North East"_s}},
        {u"West"_s,
         u"Earth"_s,
         u"Kun"_s,
         u"Orange"_s,
         {u"North East"_s, u"West"_s, u"North West"_s, u"South West"_s, u"East"_s, u"South East"_s,
          u"South"_s, u"North"_s}},
        {u"West"_s,
         u"Metal"_s,
         u"Chien"_s,
         u"Grey"_s,
         {u"West"_s, u"North East"_s, u"South West"_s, u"North West"_s, u"South East"_s, u"East"_s,
          u"North"_s, u"South"_s}},
        {u"West"_s,
         u"Metal"_s,
         u"Tui"_s,
         u"Red"_s,
         {u"North West"_s, u"South West"_s, u"North East"_s, u"West"_s, u"North"_s, u"South"_s,
          u"South East"_s, u"East"_s}},
        {u"West"_s,
         u"Earth"_s,
         u"Ken"_s,
         u"White"_s,
         {u"South West"_s, u"North West"_s, u"West"_s, u"North East"_s, u"South"_s, u"North"_s,
          u"East"_s, u"South East"_s}},
        {u"East"_s,
         u"Fire"_s,
         u"Li"_s,
         u"Purple"_s,
         {u"East"_s, u"South East"_s, u"North"_s, u"South"_s, u"North East"_s, u"West"_s,
          u"South West"_s, u"North West"_s}},
    }};
    static const KuaRow empty;
    if (kua < 1 || kua > static_cast<int>(rows.size()))
        return empty;
    return rows[static_cast<std::size_t>(kua - 1)];
}

std::array<QString, 2> directionColors(const QString &direction)
{
    std::array<QString, 2> colours;
    // Every matching row is taken, so the last one wins; the directions are
    // unique, so that is also the first.
    for (const auto &row : directionColourTable()) {
        if (row.direction == direction)
            colours = {row.wear, row.avoid};
    }
    return colours;
}

void GetDirectionColors(const QString &direction)
{
    const auto colours = directionColors(direction);
    modFengShui().DirectionColors[0] = colours[0];
    modFengShui().DirectionColors[1] = colours[1];
}

const std::array<QString, 9> &compassCellNames()
{
    static const std::array<QString, 9> names = {
        u"North West"_s, u"North"_s, u"North East"_s, u"West"_s, u"East"_s,
        u"South West"_s, u"South"_s, u"South East"_s, QString(),
    };
    return names;
}

const std::array<QString, 9> &compassCaptions()
{
    static const std::array<QString, 9> captions = {
        u"NW"_s, u"N"_s, u"NE"_s, u"W"_s, u"E"_s, u"SW"_s, u"S"_s, u"SE"_s, QString(),
    };
    return captions;
}

std::array<int, 9> goodDirectionCellColours(const QString &success, const QString &health,
                                            const QString &relationships, const QString &personal)
{
    std::array<int, 9> colours;
    colours.fill(kCompassPlain);
    const auto &names = compassCellNames();
    const auto mark = [&](const QString &direction, int colour) {
        // The centre has no direction and is never searched.
        for (std::size_t i = 0; i < 8; ++i) {
            if (names[i] == direction) {
                colours[i] = colour;
                return;
            }
        }
    };
    mark(success, kCompassSuccess);
    mark(health, kCompassHealth);
    mark(relationships, kCompassRelationships);
    mark(personal, kCompassPersonal);
    return colours;
}

void fillElementTables()
{
    auto &module = modFengShui();
    const auto &table = elementTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto &e = table[i];
        module.ElementNames[i] = e.name;
        module.ElementTexts[i] =
            e.description + kParagraphBreak + e.compatible + kParagraphBreak + e.notCompatible;
    }
}

QString elementDescription(const QString &elementCaption)
{
    fillElementTables();
    const auto &module = modFengShui();
    std::size_t i = 0;
    while (i < 5 && module.ElementNames[i] != elementCaption)
        ++i;
    // Without a match the walk ends on index 5, which holds no text.
    return module.ElementTexts[i];
}

const QStringList &pictureKeys(PictureList list)
{
    static const QStringList elements = {u"Earth"_s, u"Fire"_s, u"Metal"_s, u"Water"_s, u"Wood"_s};
    static const QStringList colours = {u"Black"_s,  u"Blue"_s,      u"Green"_s,
                                        u"Grey"_s,   u"Off White"_s, u"Orange"_s,
                                        u"Purple"_s, u"Red"_s,       u"White"_s};
    static const QStringList trigrams = {u"Chen"_s, u"Chien"_s, u"Kan"_s, u"Ken"_s,
                                         u"Kun"_s,  u"Li"_s,    u"Sun"_s, u"Tui"_s};
    switch (list) {
    case PictureList::Elements:
        return elements;
    case PictureList::Colours:
        return colours;
    case PictureList::Trigrams:
        return trigrams;
    }
    return elements;
}

std::optional<int> pictureIndex(PictureList list, const QString &key)
{
    const int index = pictureKeys(list).indexOf(key);
    if (index < 0)
        return std::nullopt;
    return index;
}

ReportRuns kuaReportRuns(const KuaReportFields &fields, const QLocale &locale)
{
    const std::array<std::pair<QString, QString>, 15> rows = {{
        {u"Name: "_s, fields.name},
        {u"Date of Birth: "_s, shortDateText(fields.birthDate, locale)},
        {u"Kua Number: "_s, fields.kuaNo},
        {u"Group: "_s, fields.group},
        {u"Element: "_s, fields.element},
        {u"Trigram: "_s, fields.trigram},
        {u"Colour: "_s, fields.colour},
        {u"Sheng Chi :- Success Direction: "_s, fields.directions[Success]},
        {u"Tien Yi :- Health Direction: "_s, fields.directions[Health]},
        {u"Nien Yin - Relationships Direction: "_s, fields.directions[Relationships]},
        {u"Fu Wei :- Personal Development: "_s, fields.directions[Personal]},
        {u"Ho Hai :- Mishaps: "_s, fields.directions[Mishaps]},
        {u"Wu Gwei :- Five Ghosts: "_s, fields.directions[FiveGhosts]},
        {u"Liu Sha :- Six Killings: "_s, fields.directions[SixKillings]},
        {u"Chueh Ming :- Total Loss: "_s, fields.directions[TotalLoss]},
    }};
    constexpr int kCaptionColour = 5; // magenta
    constexpr int kValueColour = 0;   // black
    ReportRuns runs;
    runs.reserve(3 * static_cast<qsizetype>(rows.size()));
    for (const auto &[caption, value] : rows) {
        runs.append({true, kCaptionColour, caption});
        runs.append({false, kValueColour, value + kParagraphBreak});
        runs.append({std::nullopt, std::nullopt, creditLine() + kParagraphBreak});
    }
    return runs;
}

} // namespace tessavo::kua
