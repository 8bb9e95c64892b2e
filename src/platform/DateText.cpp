#include "platform/DateText.h"

namespace tessavo {

QString fourDigitYearShortFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

QString shortDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, fourDigitYearShortFormat(locale));
}

} // namespace tessavo
