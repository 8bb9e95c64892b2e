#pragma once

// The maker's web address: the credit line of every report and the page
// openers of the frame both name it, so it is kept in one place.

#include <QString>

namespace tessavo {

inline const QString kSiteAddress = QStringLiteral("https://www.tessavo.org");

} // namespace tessavo
