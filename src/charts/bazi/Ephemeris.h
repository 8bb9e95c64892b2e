#pragma once

namespace tessavo::bazi {

// Asks the Swiss Ephemeris for the Julian day of a birth moment and for the
// next lunar occultation seen from the zero meridian, and discards both
// answers. Harmless whatever the library finds: a missing data file or an
// unknown body only ends in an error code that nobody reads.
void probeEphemeris(int year, int month, int day, double hour);

} // namespace tessavo::bazi
