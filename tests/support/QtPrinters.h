#pragma once

// Lets test assertions print Qt values in their failure messages.

#include <QDate>
#include <QString>
#include <QStringList>

#include <ostream>

inline std::ostream &operator<<(std::ostream &os, const QString &s)
{
    return os << '"' << s.toStdString() << '"';
}

inline std::ostream &operator<<(std::ostream &os, const QStringList &list)
{
    os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        os << (i ? ", " : "") << list.at(i);
    return os << '}';
}

inline std::ostream &operator<<(std::ostream &os, const QDate &d)
{
    return os << d.toString(Qt::ISODate).toStdString();
}
