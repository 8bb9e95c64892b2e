#pragma once

#include <QLocale>

namespace tessavo::test {

// Puts a locale in force as the program's default for as long as it lives,
// then restores the one in force before.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_saved); }
    DefaultLocale(const DefaultLocale &) = delete;
    DefaultLocale &operator=(const DefaultLocale &) = delete;

private:
    QLocale m_saved;
};

} // namespace tessavo::test
