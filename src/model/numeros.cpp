#include "model/numeros.h"

#include <locale.h>  // NOLINT(modernize-deprecated-headers): newlocale, strtod_l

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "model/errores.h"

namespace abat {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The longest leading part of a text that forms a number, blanks skipped.
struct Prefijo {
    std::string numero;  // its characters without the blanks, '+' dropped
    size_t fin = 0;      // where reading stopped
    bool vacio = true;   // no digit in the mantissa: the text holds no number
};

class Lector {
  public:
    explicit Lector(std::string_view t) : t_(t) {}

    Prefijo leer() {
        saltar_blancos();
        if (hay('+') || hay('-')) {
            if (actual() == '-') p_.numero += '-';
            ++i_;
        }
        int digitos = copiar_digitos();
        if (hay('.')) {
            p_.numero += '.';
            ++i_;
            digitos += copiar_digitos();
        }
        if (digitos == 0) return {};
        p_.vacio = false;
        leer_exponente();
        p_.fin = i_;
        return p_;
    }

  private:
    // The character being read; past the end '\0', which no rule reads on from.
    char actual() const { return i_ < t_.size() ? t_[i_] : '\0'; }
    bool hay(char c) const { return actual() == c; }
    void saltar_blancos() {
        while (es_blanco(actual())) ++i_;
    }
    int copiar_digitos() {
        int n = 0;
        for (; is_digit(actual()) || es_blanco(actual()); ++i_) {
            if (is_digit(actual())) {
                p_.numero += actual();
                ++n;
            }
        }
        return n;
    }
    // The exponent belongs to the number only when at least one digit follows the letter.
    void leer_exponente() {
        if (!hay('E') && !hay('e')) return;
        const size_t antes = i_;
        const std::string mantisa = p_.numero;
        ++i_;
        saltar_blancos();
        std::string exponente = "E";
        if (hay('+') || hay('-')) {
            exponente += actual();
            ++i_;
        }
        p_.numero += exponente;
        if (copiar_digitos() == 0) {
            i_ = antes;
            p_.numero = mantisa;
        }
    }

    std::string_view t_;
    size_t i_ = 0;
    Prefijo p_;
};

// Converts the plain characters of a number, independent of the user's locale.
double convertir(const std::string& numero) {
    static const locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return strtod_l(numero.c_str(), nullptr, c_locale);
}

// Adds one unit in the last place of a string of decimal digits; returns false on carry out.
bool incrementar(std::string& digitos) {
    for (size_t i = digitos.size(); i-- > 0;) {
        if (digitos[i] != '9') {
            ++digitos[i];
            return true;
        }
        digitos[i] = '0';
    }
    return false;
}

}  // namespace

std::string con_punto_decimal(std::string text) {
    if (text.find('.') == std::string::npos) std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

double leading_number(std::string_view text) {
    const Prefijo p = Lector(text).leer();
    return p.vacio ? 0.0 : convertir(p.numero);
}

LecturaEstricta leer_estricto(std::string_view text) {
    const std::string_view t = recortar_blancos(text);
    for (char c : t) {
        if (es_blanco(c)) return {};
    }
    const Prefijo p = Lector(t).leer();
    if (p.vacio || p.fin != t.size()) return {};
    const double v = convertir(p.numero);
    if (std::isinf(v)) return {Lectura::fuera_de_rango, v};
    return {Lectura::numero, v};
}

double strict_number(std::string_view text) {
    return valor_estricto(leer_estricto(text));
}

double valor_estricto(const LecturaEstricta& l) {
    switch (l.estado) {
        case Lectura::numero:
            return l.valor;
        case Lectura::fuera_de_rango:
            throw ErrorCalculo(CodigoError::desbordamiento);
        case Lectura::no_es_numero:
            break;
    }
    throw ErrorCalculo(CodigoError::tipos_no_coinciden);
}

std::string number_to_text(double value) {
    if (value == 0.0) return "0";  // also -0
    // Above 1.797693134862315E+308, 15 digits round beyond the largest double and would read
    // back as an overflow: the text rounds towards zero there instead.
    if (std::fabs(value) > 1.79769313486231e308) {
        return std::string(std::signbit(value) ? "-" : "") + "1.79769313486231E+308";
    }
    std::array<char, 32> buf{};
    const auto r = std::to_chars(buf.begin(), buf.end(), value, std::chars_format::general, 15);
    std::string s(buf.begin(), r.ptr);
    if (const auto e = s.find('e'); e != std::string::npos) s[e] = 'E';
    return s;
}

namespace {

// Whether |value| in ten-thousandths lies below a million metres and away from a tie at the fifth
// decimal, where rounding it in binary cannot differ from rounding its 15 significant digits in
// decimal: those hold nine decimals or more, and a tie is at least 1e-7 m away.
bool redondeo_binario(double diezmilesimas) {
    if (!(diezmilesimas < 1e10)) return false;
    // Below 2^53 the integer part converts exactly, with no call to the maths library.
    const double fraccion =
        diezmilesimas - static_cast<double>(static_cast<int64_t>(diezmilesimas));
    return std::fabs(fraccion - 0.5) > 1e-3;
}

// The nearest whole number of ten-thousandths, where redondeo_binario holds.
uint64_t diezmilesimas_enteras(double diezmilesimas) {
    const auto entero = static_cast<uint64_t>(diezmilesimas);  // exact below 2^53
    return entero + (diezmilesimas - static_cast<double>(entero) > 0.5 ? 1 : 0);
}

// The text of k ten-thousandths, as the decimal path writes it: no leading zero, no trailing
// zeros, the point always.
std::string texto_diezmilesimas(uint64_t k, bool negativo) {
    std::array<char, 24> buf{};
    char* p = buf.begin();
    if (negativo && k != 0) *p++ = '-';
    if (k >= 10000) p = std::to_chars(p, buf.end(), k / 10000).ptr;
    *p++ = '.';
    uint64_t decimales = k % 10000;
    if (decimales != 0) {
        int cifras = 4;
        while (decimales % 10 == 0) {
            decimales /= 10;
            --cifras;
        }
        for (int i = cifras - 1; i >= 0; --i, decimales /= 10)
            p[i] = static_cast<char>('0' + decimales % 10);
        p += cifras;
    }
    return {buf.begin(), p};
}

}  // namespace

double redondear_cifras(double valor, int cifras) {
    if (!std::isfinite(valor) || valor == 0) return valor;
    std::array<char, 40> texto{};
    const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                   std::chars_format::scientific, std::max(cifras, 1) - 1);
    double v = valor;
    std::from_chars(texto.data(), fin.ptr, v);
    return v;
}

double numero_decimal(long long mantisa, int exponente) {
    const std::string texto = std::to_string(mantisa) + "e" + std::to_string(exponente);
    double valor = 0;
    const auto leido = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (leido.ec == std::errc::result_out_of_range) {
        return exponente > 0 ? std::copysign(std::numeric_limits<double>::infinity(),
                                             static_cast<double>(mantisa))
                             : 0.0;
    }
    return valor;
}

std::string format_4dec(double value) {
    if (const double d = std::fabs(value) * 1e4; redondeo_binario(d))
        return texto_diezmilesimas(diezmilesimas_enteras(d), value < 0);
    // The value as its 15 significant digits, then rounded in decimal: what the user reads.
    std::array<char, 40> buf{};
    const auto r =
        std::to_chars(buf.begin(), buf.end(), std::fabs(value), std::chars_format::scientific, 14);
    const std::string s(buf.begin(), r.ptr);
    const std::string digitos = s.substr(0, 1) + s.substr(2, 14);
    const int punto = std::stoi(s.substr(s.find('e') + 1)) + 1;  // digits before the point
    auto digito = [&](int i) { return i >= 0 && i < 15 ? digitos[i] : '0'; };

    std::string fijo;  // integer digits followed by four decimals
    for (int i = 0; i < punto; ++i) fijo += digito(i);
    for (int i = punto; i < punto + 4; ++i) fijo += digito(i);
    if (digito(punto + 4) >= '5' && !incrementar(fijo)) fijo.insert(fijo.begin(), '1');

    std::string entero = fijo.substr(0, fijo.size() - 4);
    std::string decimales = fijo.substr(fijo.size() - 4);
    entero.erase(0, entero.find_first_not_of('0'));
    if (const auto u = decimales.find_last_not_of('0'); u == std::string::npos) {
        decimales.clear();
    } else {
        decimales.resize(u + 1);
    }
    const bool negativo = value < 0 && !(entero.empty() && decimales.empty());
    return (negativo ? "-" : "") + entero + "." + decimales;
}

// Rounded in binary where that cannot differ from the text's decimal rounding: away from a tie
// at the fifth decimal and below a million metres, where the 15 digits the text starts from hold
// every decimal that matters. Elsewhere the text itself is read.
double valor_4dec(double value) {
    const double diezmilesimas = std::fabs(value) * 1e4;
    if (redondeo_binario(diezmilesimas)) {
        const uint64_t k = diezmilesimas_enteras(diezmilesimas);
        return k == 0 ? 0.0 : std::copysign(static_cast<double>(k) / 1e4, value);
    }
    return leading_number(format_4dec(value));
}

}  // namespace abat
