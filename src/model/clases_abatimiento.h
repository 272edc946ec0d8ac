#pragma once
// The seven drawdown classes of the plan chart, bounded at 10, 20, ..., 60 m.

#include <array>
#include <string_view>

namespace abat {

inline constexpr int numero_clases = 7;

// Class k (1 to 7) at index k - 1, as the chart's legend names it.
inline constexpr std::array<std::string_view, numero_clases> nombres_clases = {
    "Abat. <= 10.0 m",        "10.0 < Abat. <= 20.0 m", "20.0 < Abat. <= 30.0 m",
    "30.0 < Abat. <= 40.0 m", "40.0 < Abat. <= 50.0 m", "50.0 < Abat. <= 60.0 m",
    "Abat. >= 60.0 m"};

// The class of a drawdown in metres: up to 10 m class 1, over 10 up to 20 class 2, ..., over
// 60 m class 7. A drawdown of exactly 60 m is class 6, although class 7 reads ">= 60.0 m".
int clase_de(double abat);

}  // namespace abat
