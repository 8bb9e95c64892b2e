#pragma once

// The Lo Shu calculation as the input window runs it: it fills the module
// data and writes the result into frmLoshu, loading that window when it is
// not loaded. Showing the window is left to the caller.

#include <QString>

namespace tessavo::loshu {

// Lays the digits of the date into the grid labels of frmLoshu and writes the
// missing elements with their remedies into its RTBLoshu.
void CalcLoShuGrid(const QString &day, const QString &month, const QString &year);

} // namespace tessavo::loshu
