#include "DefaultLocale.h"

#include "platform/DateText.h"

#include <gtest/gtest.h>

using namespace tessavo;
using tessavo::test::DefaultLocale;

TEST(ShortDateText, TheYearHasFourDigitsInTheLocalesOwnOrder)
{
    struct Row {
        const char *locale;
        QDate date;
        const char *shown;
    };
    const Row rows[] = {
        {"en_US", QDate(1905, 1, 15), "1/15/1905"},   {"en_US", QDate(2005, 1, 15), "1/15/2005"},
        {"en_US", QDate(2050, 12, 31), "12/31/2050"}, {"de_DE", QDate(1905, 1, 15), "15.01.1905"},
        {"de_DE", QDate(2005, 1, 15), "15.01.2005"},  {"de_DE", QDate(1904, 2, 29), "29.02.1904"},
        {"en_GB", QDate(1905, 1, 15), "15/01/1905"},  {"en_GB", QDate(2005, 1, 15), "15/01/2005"},
        {"C", QDate(1905, 1, 15), "15 Jan 1905"},     {"C", QDate(2005, 1, 15), "15 Jan 2005"},
        {"C", QDate(1899, 12, 30), "30 Dec 1899"},
    };
    for (const Row &row : rows) {
        const DefaultLocale inForce{QLocale(QString::fromLatin1(row.locale))};
        EXPECT_EQ(shortDateText(row.date), row.shown) << row.locale;
    }
}

TEST(ShortDateText, EveryLocaleWritesTheWholeYear)
{
    // Whatever the order, the digits and the separators of a locale, the
    // year shows as the locale writes the number itself.
    const QDate date(2005, 1, 15);
    const auto locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (QLocale locale : locales) {
        const QString shown = shortDateText(date, locale);
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        EXPECT_TRUE(shown.contains(locale.toString(2005)))
            << locale.name().toStdString() << ": " << shown.toStdString();
    }
}
