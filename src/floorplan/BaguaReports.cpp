#include "floorplan/BaguaReports.h"

#include "charts/report/ReportRuns.h"
#include "platform/QbColor.h"

#include <QStringList>

#include <array>

namespace tessavo::floorplan {

using namespace Qt::StringLiterals;

namespace {

const QString kBreak = u"\r\n"_s;
const QString kBlankLine = u"\r\n\r\n"_s;

// Items each on a line of their own.
QString lines(const QStringList &items)
{
    return items.join(kBreak);
}

// Paragraphs (or groups of lines) with a blank line between them.
QString paragraphs(const QStringList &items)
{
    return items.join(kBlankLine);
}

// A sub-title line, a blank line and its paragraph.
QString subTitled(const QString &subTitle, const QString &paragraph)
{
    return subTitle + kBlankLine + paragraph;
}

ReportSection intro(const QString &text)
{
    return {QString(), HeadingBreak::Two, text};
}

ReportSection inlineValue(const QString &heading, const QString &value)
{
    return {heading, HeadingBreak::Inline, value};
}

ReportSection section(const QString &heading, const QString &body,
                      HeadingBreak after = HeadingBreak::Two)
{
    return {heading, after, body};
}

const QString kAccessories = u"Accessories to be used in this corner:"_s;

PartReport wealth()
{
    return {
        u"Wealth Corner:"_s,
        {
            intro(u"The Hsun is the wealth corner of the Bagua, the part at the top left of your "
                  "plan. It rules money, abundance and the good fortune that lets you enjoy "
                  "life, and it answers to anything that speaks of steady, healthy growth."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Purple"_s),
            inlineValue(u"Other Good Color Choices:-"_s, u"Red,Green and Gold"_s),
            inlineValue(u"Good Element Choices:-"_s, u"Wood and Water"_s),
            section(u"Tips to Enhance the Wealth Corner:"_s,
                    lines({
                        u"a. Keep the corner clean, bright and free of clutter so that energy can "
                        "gather there."_s,
                        u"b. Grow healthy plants with round leaves; their growth stands for growing "
                        "wealth."_s,
                        u"c. A small aquarium or a bowl of moving water invites a steady flow of "
                        "money."_s,
                        u"d. Hang a picture of something you wish to own or achieve."_s,
                        u"e. Light the corner well, above all in the evening."_s,
                    })),
            section(kAccessories, lines({
                                      u"a. Feng Shui Turtles"_s,
                                      u"b. Tabletop Fountains"_s,
                                      u"c. Wind Chimes"_s,
                                      u"d. Feng Shui Dragons"_s,
                                      u"e. Good fortune symbols like the Laughing Buddha"_s,
                                      u"f. Feng Shui Coins"_s,
                                  })),
            section(u"Worst Place for the Wealth Corner:"_s,
                    paragraphs({
                        subTitled(u"Wealth corner in the Bathroom:"_s,
                                  u"Water that drains away carries money with it. Keep the toilet "
                                  "lid down and the door closed, and set a living plant in the "
                                  "room to lift its energy."_s),
                        subTitled(u"Wealth Corner in the Storage room:"_s,
                                  u"Stored clutter holds the energy still. Give away what you do "
                                  "not use and keep what remains tidy and well lit."_s),
                        subTitled(u"Wealth Corner at the Entrance of your House:"_s,
                                  u"Energy that comes in through the door leaves again just as "
                                  "quickly, so wealth does not settle. Two remedies help:"_s),
                        u"a. Hang a faceted crystal inside the door to hold the incoming energy "
                        "in the room."_s,
                        u"b. Place a pair of healthy plants or a small fountain just inside the "
                        "entrance."_s,
                    })),
        },
    };
}

PartReport fame()
{
    return {
        u"Fame & Reputation Corner:"_s,
        {
            intro(u"The Li is the fame and reputation corner, the middle of the top row of your "
                  "plan. It governs how others see you, your good name and the recognition your "
                  "work earns, and it is fed by light and warmth."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Red"_s),
            inlineValue(u"Other Good Color Choice:-"_s, u"Green"_s),
            inlineValue(u"Best Element Choice:-"_s, u"Fire"_s),
            inlineValue(u"Other Good Element Choice:-"_s, u"Wood"_s),
            section(u"Tips To Enhance the Fame Corner:"_s,
                    paragraphs({
                        lines({
                            u"a. Keep the corner bright with good lamps or candles."_s,
                            u"b. Display awards, diplomas and letters of praise here."_s,
                            u"c. Use red cushions, rugs or frames to add the energy of fire."_s,
                            u"d. Keep water features out of this corner; water puts out fire."_s,
                        }),
                        lines({
                            u"e. Tall green plants feed the fire as wood feeds a flame."_s,
                            u"f. Hang a picture of a rising sun or a bird in flight."_s,
                        }),
                    })),
            section(kAccessories, lines({
                                      u"a. Pyramids or Triangles"_s,
                                      u"b. Feng Shui Coins"_s,
                                      u"c. Dragon Head"_s,
                                      u"d. Feng Shui Tassels"_s,
                                      u"e. Laughing Buddha"_s,
                                      u"f. Bagua Mirror"_s,
                                  })),
            section(u"Worst Place to have the Fame Corner:"_s,
                    paragraphs({
                        subTitled(u"Fame corner in the Bathroom:"_s,
                                  u"Water drains the fire of this corner and your efforts may go "
                                  "unnoticed. Add red towels and a warm light, and keep the "
                                  "drains closed."_s),
                        subTitled(u"Fame Corner in the Storage room"_s,
                                  u"A dark, crowded store room hides your light. Clear it out, "
                                  "light it well and keep only what you need."_s),
                    })),
        },
    };
}

PartReport marriage()
{
    return {
        u"Marriage Corner:"_s,
        {
            intro(u"The Kun is the marriage corner, at the top right of your plan. It governs "
                  "love, marriage and every close partnership, and it grows strong with pairs, "
                  "soft colours and the warmth of the earth."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Pink"_s),
            inlineValue(u"Other Good Color Choices:-"_s, u"Red and White"_s),
            inlineValue(u"Good Element Choices:-"_s, u"Earth and Fire"_s),
            section(u"Tips to Enhance the Marriage Corner:-"_s,
                    lines({
                        u"a. Arrange things in pairs: two candles, two cushions, two flowers."_s,
                        u"b. Hang a picture of the two of you looking happy together."_s,
                        u"c. Keep out pictures of a single person or of lonely landscapes."_s,
                        u"d. Light a pink or red candle now and then."_s,
                    })),
            section(kAccessories, lines({
                                      u"a. Feng Shui Incense Sticks"_s,
                                      u"b. Rose Bracelets or Rose Pendants"_s,
                                      u"c. Dragon Headed Turtle with Pink Ribbon in the Mouth"_s,
                                      u"d. Mandarin Ducks"_s,
                                      u"e. Bunch of Twin Crystals"_s,
                                  })),
            section(u"Marriage Corner in the Room with missing corners:"_s,
                    u"When the plan has no room in this corner, the energy of partnership has "
                    "nowhere to gather. Place a mirror on the wall facing the missing part to "
                    "draw it back in, or mark the corner outside with a lamp or a plant."_s),
            section(u"Best Place for the Marriage Corner:"_s,
                    paragraphs({
                        subTitled(u"Marriage Corner in the Bedroom:"_s,
                                  u"A bedroom here supports a loving, lasting relationship. Keep "
                                  "it restful and private."_s),
                        lines({
                            u"1. Place the bed so that both partners can get in from either "
                            "side."_s,
                            u"2. Use matching night tables and lamps."_s,
                            u"3. Keep work, exercise machines and television out of the room."_s,
                            u"4. Choose soft pinks, peaches and warm whites for the linen."_s,
                            u"5. Keep the space under the bed clear."_s,
                        }),
                    })),
            section(u"Worst Place for the Marriage Corner:"_s,
                    subTitled(u"Marriage Corner in the Garage:"_s,
                              u"Cars and tools bring restless, coming-and-going energy to the "
                              "relationship. Keep the garage clean and well lit and hang a "
                              "pair of wind chimes near its door."_s)),
        },
    };
}

PartReport family()
{
    return {
        u"Family Corner:"_s,
        {
            intro(u"The Jen is the family corner, at the middle left of your plan. It governs "
                  "your family, your elders and the ties that hold a household together, and it "
                  "thrives on growth, as a tree does from its roots."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Green"_s),
            inlineValue(u"Other Good Color Choices:-"_s, u"Black and Blue"_s),
            inlineValue(u"Best Element Choice:-"_s, u"Wood"_s),
            inlineValue(u"Other Good Element Choice:-"_s, u"Water"_s),
            section(u"Tips To Enhance the Family Corner:"_s,
                    lines({
                        u"a. Hang family photographs in which everyone is smiling."_s,
                        u"b. Use wooden furniture and frames."_s,
                        u"c. Keep plants healthy and remove any that wilt."_s,
                        u"d. Make room for the family to sit together."_s,
                    })),
            section(kAccessories, lines({
                                      u"a. Feng Shui Tassels"_s,
                                      u"b. Feng Shui Dragon Heads"_s,
                                      u"c. Wind Chimes"_s,
                                      u"d. Green Plants"_s,
                                      u"e. Table Top Water Fountain"_s,
                                  })),
            section(u"Best Place for the Family Corner:"_s,
                    subTitled(u"Family Corner in the Living Room:"_s,
                              u"The room where the family meets is the best home for this "
                              "corner. Arrange the seats so that everyone can see one "
                              "another."_s)),
            section(u"Worst Place for the Family Corner:"_s,
                    paragraphs({
                        subTitled(u"Family Corner in the Bathroom:"_s,
                                  u"Family harmony may drain away. Keep the room fresh, add a "
                                  "green plant and keep the door closed."_s),
                        subTitled(u"Family Corner in the Bedroom:"_s,
                                  u"A private room shuts the family out. Keep a family picture "
                                  "elsewhere in the house where all can see it."_s),
                    })),
        },
    };
}

PartReport health()
{
    return {
        u"Health Corner:"_s,
        {
            intro(u"The Tai Chi is the centre of your plan, the point where all the other "
                  "parts meet. It governs health and balance, and whatever happens here "
                  "touches every other area of your life."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Yellow"_s),
            inlineValue(u"Other Good Color Choices:-"_s, u"Brown and Orange"_s),
            inlineValue(u"Best Element Choice:-"_s, u"Earth"_s),
            inlineValue(u"Other Good Element Choice:"_s, u"Fire"_s),
            section(u"Tips to Enhance the Health Corner:"_s,
                    lines({
                        u"a. Keep the centre of the house open and uncluttered."_s,
                        u"b. Use earthen pots, square shapes and warm yellow light."_s,
                        u"c. Let fresh air and daylight reach it."_s,
                        u"d. Avoid heavy furniture that blocks the flow through the middle."_s,
                    })),
            section(kAccessories, lines({
                                      u"a. Potted Plants"_s,
                                      u"b. Feng Shui Dragon Head"_s,
                                      u"c. Feng Shui Tassels"_s,
                                      u"e. Laughing Buddha"_s,
                                  })),
        },
    };
}

PartReport children()
{
    return {
        u"Children Corner:"_s,
        {
            intro(u"The Dui is the children corner, at the middle right of your plan. It "
                  "governs your children, your creativity and the projects you bring to life, "
                  "and it likes metal, light and play."_s),
            inlineValue(u"Best Color Choice:"_s, u"White"_s),
            inlineValue(u"Best Element:"_s, u"Metal"_s),
            inlineValue(u"Other Good Element Choice:"_s, u"Earth"_s),
            section(u"Tips to Enhance the Children Corner:"_s,
                    lines({
                        u"a. Display the children's drawings and handiwork."_s,
                        u"b. Use round shapes and metal frames."_s,
                        u"c. Keep a bright light in the corner to encourage new ideas."_s,
                    })),
            section(kAccessories, lines({
                                      u"a. Wind Chime"_s,
                                      u"b. Laughing Buddha"_s,
                                      u"c. Crystal Balls"_s,
                                      u"d. Hematite"_s,
                                      u"e. Flowing Fountains."_s,
                                  })),
            section(u"Best Place for the Children Corner:"_s,
                    subTitled(u"Children Corner in the Study Room:"_s,
                              u"A study here helps children learn and lets creative work "
                              "flourish. Keep the desk tidy and facing the door."_s)),
            section(u"Worst Place for the Children Corner:"_s,
                    paragraphs({
                        subTitled(u"Children Corner in the Bathroom:"_s,
                                  u"Creative energy may drain away. Hang a metal wind chime and "
                                  "keep the room bright."_s),
                        subTitled(u"Children Corner in the Bedroom:"_s,
                                  u"The corner becomes too quiet for lively energy. Add a white "
                                  "lamp and a few cheerful pictures."_s),
                    })),
        },
    };
}

PartReport knowledge()
{
    return {
        u"Knowledge Corner:"_s,
        {
            intro(u"The Ken is the knowledge corner, at the bottom left of your plan. It "
                  "governs learning, wisdom and self understanding, and it is the place for "
                  "quiet study and reflection."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Blue"_s),
            inlineValue(u"Other Good Color Choices:-"_s, u"Black and Green"_s),
            inlineValue(u"Best Element Choice:-"_s, u"Earth"_s),
            section(u"Tips to Enhance the Knowledge Corner:"_s,
                    lines({
                        u"a. Keep your books and study material here."_s,
                        u"b. Set up a quiet place to read or meditate."_s,
                        u"c. Use blue and green cushions or curtains."_s,
                        u"d. Hang a picture of a mountain for stillness."_s,
                        u"e. Keep the corner free of noise and clutter."_s,
                        u"f. Place a good reading lamp near the chair."_s,
                    })),
            section(kAccessories, lines({
                                      u"a. Laughing Buddha"_s,
                                      u"b. Desk Lamps"_s,
                                      u"c. Potted Plants"_s,
                                      u"d. Feng Shui Coins"_s,
                                  })),
            section(u"Best Place for the Knowledge Corner:"_s,
                    subTitled(u"Knowledge corner at the Entrance:"_s,
                              u"Everyone who comes in brings new ideas with them. Keep the "
                              "entrance bright and welcoming."_s),
                    HeadingBreak::One),
            section(u"Worst Place for the Knowledge Corner:"_s,
                    subTitled(u"Knowledge corner in the Bathroom"_s,
                              u"Learning may not stick. Keep the room clean and dry and add an "
                              "earthen pot or a stone."_s),
                    HeadingBreak::One),
        },
    };
}

PartReport career()
{
    return {
        u"Career Corner:"_s,
        {
            intro(u"The Kan is the career corner, at the bottom middle of your plan, the part "
                  "of the main door. It governs your work, your path in life and the "
                  "opportunities that come your way, and it answers to flowing water."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Black"_s),
            inlineValue(u"Other Good Color Choices:-"_s, u"Blue and White"_s),
            inlineValue(u"Best Element Choice:-"_s, u"Water"_s),
            inlineValue(u"Other Good Element Choice:-"_s, u"Metal"_s),
            section(u"Tips to Enhance the Career Corner:-"_s,
                    lines({
                        u"a. Place a small fountain with water flowing towards the room."_s,
                        u"b. Use wavy shapes, mirrors and glass."_s,
                        u"c. Hang a picture of calm, flowing water."_s,
                        u"d. Keep the corner free of anything broken."_s,
                        u"e. Keep your work papers in good order here."_s,
                    })),
            section(kAccessories, lines({
                                      u"a. Feng Shui Turtles"_s,
                                      u"b. Tabletop Fountains"_s,
                                      u"c. Wind Chimes"_s,
                                      u"d. Feng Shui Dragons"_s,
                                      u"e. Good fortune symbols like the Laughing Buddha"_s,
                                  })),
            section(u"Looking for a New Job:"_s,
                    u"Clear the corner completely, then add a fountain and a metal wind chime "
                    "to stir fresh energy, and place a written list of what you seek in your "
                    "next position where you see it every day."_s),
            section(u"Career Corner in the Storage Room:"_s,
                    u"Stored things keep your career standing still. Clear out what you no "
                    "longer need, keep the rest in closed boxes and light the room well."_s),
            section(u"Career Corner at the Entrance of your House:"_s,
                    paragraphs({
                        u"This is the natural place of the career corner; keep the way to the "
                        "door open, clean and well lit so that opportunity can find you."_s,
                        lines({
                            u"a. Put a dark blue or black door mat at the entrance."_s,
                            u"b. Hang a metal wind chime just inside the door."_s,
                        }),
                    })),
        },
    };
}

PartReport friends()
{
    return {
        u"Friends & Travel Corner"_s,
        {
            intro(u"The Chien is the benefactor corner, at the bottom right of your plan. It "
                  "governs helpful people, mentors and travel, and it draws support to you when "
                  "you are ready to help others in turn."_s),
            inlineValue(u"Best Color Choice:-"_s, u"Silver and Gray"_s),
            inlineValue(u"Other Good Color Choices:-"_s, u"White and Black"_s),
            inlineValue(u"Good Element Choices:-"_s, u"Metal and Water"_s),
            section(u"Tips to Enhance the Travel Corner:"_s,
                    lines({
                        u"a. Display pictures of places you wish to visit."_s,
                        u"b. Keep the names of people who have helped you here."_s,
                        u"c. Use metal frames and round shapes."_s,
                        u"d. Keep the corner bright and uncluttered."_s,
                    })),
            section(kAccessories,
                    lines({
                        u"a. Feng Shui Traveling Rocks"_s,
                        u"b. Feng Shui Angels"_s,
                        u"c. Crystal Balls"_s,
                        u"d. Feng Shui Turtles"_s,
                        u"The benefactor corner may lie in any room of the house; its place in "
                        "the plan, not the room, is what counts."_s,
                    })),
        },
    };
}

QString headingBreaks(HeadingBreak after)
{
    switch (after) {
    case HeadingBreak::Two: return kBlankLine;
    case HeadingBreak::One: return kBreak;
    case HeadingBreak::Inline: break;
    }
    return {};
}

} // namespace

const PartReport &partReport(int part)
{
    static const std::array<PartReport, 9> reports = {
        wealth(), fame(),      marriage(), family(), health(),
        children(), knowledge(), career(),   friends(),
    };
    static const PartReport none;
    if (part < 0 || part >= static_cast<int>(reports.size()))
        return none;
    return reports[static_cast<std::size_t>(part)];
}

const PartReportColours &partReportColours(int part)
{
    static const std::array<PartReportColours, 9> colours = {{
        {QColor(0, 0, 0), QColor(255, 255, 0), QColor(255, 255, 255)},
        {QColor(0, 0, 205), QColor(255, 255, 0), QColor(255, 255, 255)},
        {QColor(0, 0, 0), QColor(25, 25, 112), QColor(255, 255, 255)},
        {QColor(250, 0, 0), QColor(0, 0, 0), QColor(255, 255, 255)},
        {qbColor(1), qbColor(3), qbColor(4)},
        {qbColor(1), qbColor(3), qbColor(4)},
        {qbColor(1), QColor(255, 255, 255), QColor(255, 255, 0)},
        {QColor(255, 0, 0), QColor(255, 20, 147), QColor(255, 255, 255)},
        {qbColor(1), QColor(255, 255, 255), qbColor(4)},
    }};
    static const PartReportColours none{QColor(Qt::black), QColor(Qt::black), QColor(Qt::black)};
    if (part < 0 || part >= static_cast<int>(colours.size()))
        return none;
    return colours[static_cast<std::size_t>(part)];
}

double reportStylePoints(ReportStyle style)
{
    switch (style) {
    case ReportStyle::Title: return 11;
    case ReportStyle::Heading: return 10;
    case ReportStyle::Body: break;
    }
    return 8;
}

bool reportStyleBold(ReportStyle style)
{
    return style != ReportStyle::Body;
}

QList<StyledRun> partReportRuns(int part)
{
    const PartReport &report = partReport(part);
    const PartReportColours &colours = partReportColours(part);
    const auto run = [&](ReportStyle style, const QString &text) {
        const QColor &colour = style == ReportStyle::Title     ? colours.title
                               : style == ReportStyle::Heading ? colours.heading
                                                               : colours.body;
        return StyledRun{reportStyleBold(style), colour, reportStylePoints(style), text};
    };

    QList<StyledRun> runs;
    if (report.title.isEmpty())
        return runs;
    runs.append(run(ReportStyle::Title, report.title + kBreak));
    for (qsizetype i = 0; i < report.sections.size(); ++i) {
        const ReportSection &s = report.sections[i];
        if (!s.heading.isEmpty())
            runs.append(run(ReportStyle::Heading, s.heading + headingBreaks(s.after)));
        runs.append(run(ReportStyle::Body, s.body + kBlankLine));
        // The wealth report alone keeps the breaks after its last credit line.
        const bool last = i == report.sections.size() - 1;
        runs.append(run(ReportStyle::Body, creditLine() + (last && part != 0 ? QString() : kBlankLine)));
    }
    return runs;
}

} // namespace tessavo::floorplan
