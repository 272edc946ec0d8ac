#pragma once
// What the fuzz targets share: reading the fuzzer's bytes, and failing loudly on a broken rule.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace abat::fuzz {

// A broken property: the fuzzer keeps the input that broke it.
#define EXIGIR(condicion)                                                                         \
    do {                                                                                          \
        if (!(condicion)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condicion); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

// `leido` is `v` written with 15 significant digits and read back: within half a unit of the
// 15th digit (a whole one at the top of the range, where the text rounds towards zero), and the
// rounding of reading a decimal text.
inline bool dentro_de_15_cifras(double leido, double v) {
    if (v == 0) return leido == 0;
    const double ultimo = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 14);
    const double media = std::fabs(v) > 1.79769313486231e308 ? 1.0 : 0.5;
    return std::fabs(leido - v) <= media * ultimo * (1 + 1e-9) + 4e-16 * std::fabs(v);
}

class Bytes {
  public:
    Bytes(const uint8_t* datos, size_t n) : datos_(datos), n_(n) {}
    double doble() {
        double v = 0;
        if (n_ - i_ >= sizeof v) {
            std::memcpy(&v, datos_ + i_, sizeof v);
            i_ += sizeof v;
        }
        return v;
    }
    std::string_view resto() const { return {reinterpret_cast<const char*>(datos_ + i_), n_ - i_}; }

  private:
    const uint8_t* datos_;
    size_t n_;
    size_t i_ = 0;
};

}  // namespace abat::fuzz
