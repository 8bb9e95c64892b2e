#include "charts/bazi/Ephemeris.h"

#include <swephexp.h>

#include <array>

namespace tessavo::bazi {

namespace {

// The data files of the installed library. Named outright rather than left
// to the library's default search, which starts in the current folder.
constexpr char kEphemerisFolder[] = "/usr/share/libswe/ephe";

} // namespace

void probeEphemeris(int year, int month, int day, double hour)
{
    swe_set_ephe_path(kEphemerisFolder);
    [[maybe_unused]] const double julianDay = swe_julday(year, month, day, hour, SE_GREG_CAL);

    // The library writes into every buffer it is given: the star name is
    // completed in place and the error text can fill AS_MAXCH characters.
    char star[AS_MAXCH] = "SUN";
    char error[AS_MAXCH] = "";
    std::array<double, 3> place{};
    std::array<double, 10> times{};
    std::array<double, 20> attributes{};
    [[maybe_unused]] const int found =
        swe_lun_occult_when_loc(17.0, SE_SUN, star, SEFLG_SWIEPH, place.data(),
                                times.data(), attributes.data(), 0, error);
    // Files the library opened are let go again.
    swe_close();
}

} // namespace tessavo::bazi
