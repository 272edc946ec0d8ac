#pragma once
// The units the program converts between.

namespace abat {

// The pumping time is entered in days; the aquifer's transmissivity is per second.
inline constexpr double segundos_por_dia = 86400;

}  // namespace abat
