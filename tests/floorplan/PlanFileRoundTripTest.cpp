// Whatever the plan file reader takes in, the writer must put back out:
// random plans, and their files damaged byte by byte, go through Open and
// Save twice; the second Save writes what the first one wrote.

#include "floorplan/PlanFile.h"
#include "floorplan/PlanRules.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

using namespace tessavo::floorplan;

namespace {

using Rng = std::mt19937;

int pick(Rng &rng, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

QString randomText(Rng &rng)
{
    static const char *const texts[] = {
        "",
        "Main Entrance",
        "Back Entrance",
        "Deleted Door",
        "a",
        "KITCHEN",
        " Hall ",
        "Master Bed Room",
        "Caf\xc3\xa9",
        "\xe5\xae\xa2\xe5\x8e\x85",
        "TAB\tIN",
        ",A,B,",
        "   ",
        "1,2,3",
        "x'y",
        "\xc3\xbf\xc3\xbe",
    };
    return QString::fromUtf8(texts[pick(rng, static_cast<int>(std::size(texts)))]);
}

float randomTwips(Rng &rng, bool size)
{
    float value = 0;
    switch (pick(rng, 6)) {
    case 0: // where the editor puts things: whole pixels of the plot box
        value = 15.0f * static_cast<float>(pick(rng, 961) - (size ? 0 : 320));
        break;
    case 1: // fractions
        value = static_cast<float>(pick(rng, 100000)) / 64.0f - (size ? 0.0f : 700.0f);
        break;
    case 2: // up to the single-precision limit
        value = std::uniform_real_distribution<float>(1e30f, FLT_MAX)(rng);
        break;
    case 3: // very small
        value = std::uniform_real_distribution<float>(0.0f, 1e-37f)(rng);
        break;
    case 4: { // any finite value
        std::uint32_t bits = 0;
        do {
            bits = static_cast<std::uint32_t>(rng());
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        break;
    }
    default: // more than seven digits
        value = std::uniform_real_distribution<float>(1e7f, 1e9f)(rng);
        break;
    }
    return size ? std::fabs(value) : value;
}

std::vector<PlanRecord> randomRecords(Rng &rng)
{
    std::vector<PlanRecord> records;
    const int count = pick(rng, 8);
    for (int i = 1; i <= count; ++i)
        records.push_back({i, randomText(rng), randomTwips(rng, false), randomTwips(rng, false),
                           randomTwips(rng, true), randomTwips(rng, true), pick(rng, 2)});
    return records;
}

// One damage to a file: the kinds of bytes that change how it reads.
void mutate(QByteArray &file, Rng &rng)
{
    static const char interesting[] = "\",\r\n -.e0123456789x\t+";
    const auto anywhere = [&] { return pick(rng, static_cast<int>(file.size()) + 1); };
    const auto somewhere = [&] { return pick(rng, static_cast<int>(file.size())); };
    if (file.isEmpty())
        file = "1,\"\",0,0,0,0,1";
    const char byte = pick(rng, 4) == 0 ? static_cast<char>(pick(rng, 256))
                                        : interesting[pick(rng, sizeof interesting - 1)];
    switch (pick(rng, 5)) {
    case 0:
        file.insert(anywhere(), byte);
        break;
    case 1:
        file[somewhere()] = byte;
        break;
    case 2:
        file.remove(somewhere(), 1);
        break;
    case 3: { // a number field replaced by an extreme or odd one
        static const char *const numbers[] = {
            "340282346638528859811704183484516925440",
            "3.4028234e38",
            "-3.4e38",
            "-0.5",
            "-15",
            "-0",
            "1234.5678912",
            "9999999.5",
            "1e-45",
            "123456789012",
            "0.00000001",
        };
        const qsizetype comma = file.indexOf(',', somewhere());
        if (comma < 0)
            break;
        qsizetype end = comma + 1;
        while (end < file.size() && file[end] != ',' && file[end] != '\r' && file[end] != '\n')
            ++end;
        file.replace(comma + 1, end - comma - 1,
                     numbers[pick(rng, static_cast<int>(std::size(numbers)))]);
        break;
    }
    default: { // a piece of the file again
        const int from = somewhere();
        file.insert(anywhere(), file.mid(from, pick(rng, 30)));
        break;
    }
    }
}

// The editor's Open: each record becomes the next element, placed on whole
// pixels.
Plan opened(const std::vector<PlanRecord> &records)
{
    Plan plan;
    for (const PlanRecord &r : records) {
        const int n = *plan.loadNext();
        plan.setVisible(n, true);
        plan.setText(n, r.text);
        plan.setGeometry(n, r.left, r.top, r.width, r.height);
        plan.setBorderStyle(n, r.borderStyle);
    }
    return plan;
}

// Seven significant digits keep a value to half a unit of the seventh digit;
// the single-precision value read back adds its own rounding.
bool near(float written, float read)
{
    const double w = written;
    return std::fabs(static_cast<double>(read) - w) <= 6e-7 * std::fabs(w) + 2e-45;
}

::testing::AssertionResult savesAgain(const QByteArray &file, bool *accepted)
{
    const auto fail = [&file](const char *what) {
        return ::testing::AssertionFailure()
               << what << " for the file " << ::testing::PrintToString(file.toStdString());
    };
    const auto first = parsePlanFile(file);
    *accepted = first.has_value();
    if (!first)
        return ::testing::AssertionSuccess();

    // The file as the reader took it.
    const auto written = planFileBytes(*first);
    if (!written)
        return fail("no save");
    const auto second = parsePlanFile(*written);
    if (!second)
        return fail("the saved file does not open");
    if (second->size() != first->size())
        return fail("another count");
    for (std::size_t i = 0; i < first->size(); ++i) {
        const PlanRecord &a = (*first)[i];
        const PlanRecord &b = (*second)[i];
        if (a.index != b.index || a.text != b.text || a.borderStyle != b.borderStyle ||
            !near(a.left, b.left) || !near(a.top, b.top) || !near(a.width, b.width) ||
            !near(a.height, b.height))
            return fail("another record");
    }
    if (planFileBytes(*second) != written)
        return fail("the second save differs");

    // The plan the editor opens it to.
    const Plan plan = opened(*first);
    const auto saved = planFileBytes(planRecords(plan));
    if (!saved)
        return fail("no save of the plan");
    const auto reread = parsePlanFile(*saved);
    if (!reread)
        return fail("the saved plan does not open");
    const Plan again = opened(*reread);
    if (planFileBytes(planRecords(again)) != saved)
        return fail("the plan's second save differs");
    for (int i = 1; i <= plan.upperBound(); ++i) {
        const PlanElement &a = plan.at(i);
        const PlanElement &b = again.at(i);
        // Whole pixels come back as they were; beyond them, seven digits.
        const auto same = [](float x, float y) {
            return std::fabs(x) < kWholeTwipsLimit ? x == y : near(x, y);
        };
        if (a.text != b.text || a.borderStyle != b.borderStyle || !same(a.left, b.left) ||
            !same(a.top, b.top) || !same(a.width, b.width) || !same(a.height, b.height))
            return fail("another plan");
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(PlanFileRoundTrip, EveryFileOpenTakesSavesAgainToTheSamePlan)
{
    Rng rng(20240611);
    int accepted = 0;
    int damagedAccepted = 0;
    for (int n = 0; n < 1500; ++n) {
        const QByteArray file = *planFileBytes(randomRecords(rng));
        bool ok = false;
        ASSERT_TRUE(savesAgain(file, &ok));
        ASSERT_TRUE(ok) << file.toStdString();
        ++accepted;
        for (int m = 0; m < 6; ++m) {
            QByteArray damaged = file;
            for (int k = pick(rng, 3); k >= 0; --k)
                mutate(damaged, rng);
            ASSERT_TRUE(savesAgain(damaged, &ok));
            damagedAccepted += ok ? 1 : 0;
        }
    }
    // The damage must leave enough files readable to prove anything.
    EXPECT_GT(damagedAccepted, 1000);
}

TEST(PlanFileRoundTrip, EveryValueIsWrittenInSevenDigitsAndReadsBackToThem)
{
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    Rng rng(7);
    for (int n = 0; n < 50000; ++n) {
        std::uint32_t bits = static_cast<std::uint32_t>(rng());
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const QString text = formatTwips(value);
        ASSERT_TRUE(plain.match(text).hasMatch()) << text.toStdString();
        QString digits = text;
        digits.remove(QLatin1Char('-'));
        digits.remove(QLatin1Char('.'));
        while (digits.startsWith(QLatin1Char('0')))
            digits.remove(0, 1);
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        ASSERT_LE(digits.size(), 7) << text.toStdString();
        // Rounded to the nearest seven digits: off by half a unit of the
        // seventh at most.
        const double read = text.toDouble();
        ASSERT_LE(std::fabs(read - value), 5.0000001e-7 * std::fabs(value) + 1e-52)
            << text.toStdString();
        ASSERT_EQ(formatTwips(static_cast<float>(read)), text) << text.toStdString();
    }
}
