#pragma once
// How the program turns the text of a cell or box into a number, and a number into text.
// Only '.' is a decimal point and nothing depends on the user's locale: every number written
// into a cell must read back as the same number.

#include <string>
#include <string_view>

namespace abat {

// The blanks of both rules: space, tab and line feed. Inline, as the next: asked of every
// character of every cell read.
inline bool es_blanco(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
// The text without the blanks at its ends.
inline std::string_view recortar_blancos(std::string_view t) {
    while (!t.empty() && es_blanco(t.front())) t.remove_prefix(1);
    while (!t.empty() && es_blanco(t.back())) t.remove_suffix(1);
    return t;
}

// A number typed with a decimal comma, as it is written in Spanish: when the text holds no '.',
// each comma becomes one ("2,5" is "2.5"); otherwise the text stays as it is ("1.234,5").
std::string con_punto_decimal(std::string text);

// Leading-number rule: blanks (space, tab, line feed) are skipped wherever they stand; the longest
// leading part that forms a number is read ([sign] digits [. digits] [E|e [sign] digits]); a text
// without such a part reads as 0. Never fails; a number beyond the range of a double reads as
// +-infinity, which the calculation reports as an overflow.
double leading_number(std::string_view text);

// Strict rule: the whole text, blanks around it aside, must be one number in the same notation.
enum class Lectura { numero, no_es_numero, fuera_de_rango };
struct LecturaEstricta {
    Lectura estado = Lectura::no_es_numero;
    double valor = 0.0;
    bool ok() const { return estado == Lectura::numero; }
    bool operator==(const LecturaEstricta&) const = default;
};
LecturaEstricta leer_estricto(std::string_view text);

// The value of a strict reading; raises the type-mismatch error for a text that is not a number
// and the overflow error for a number beyond the range of a double.
double valor_estricto(const LecturaEstricta& lectura);

// The strict rule as the calculation uses it: a text that is not a number raises the
// type-mismatch error, a number beyond the range of a double the overflow error.
double strict_number(std::string_view text);

// A number as the program writes it into a cell: '.' as the decimal point, no grouping,
// at most 15 significant digits, no trailing zeros ('12', '0.5', '1E+20'). Also the format of a
// total drawdown.
std::string number_to_text(double value);

// `valor` rounded to `cifras` significant digits: the double nearest to the decimal number of that
// many digits nearest to it (0.3, not 0.30000000000000004). Infinities and NaN stay as they are.
double redondear_cifras(double valor, int cifras);
// The double nearest to mantisa x 10^exponente; beyond a double's range, +-infinity, or 0 below
// its smallest.
double numero_decimal(long long mantisa, int exponente);

// The per-well drawdown pattern "##.####": four decimals at most, rounded half away from zero,
// no integer part when it is 0 ('.5'), the point always written ('12.', '.').
std::string format_4dec(double value);
// The number that text reads back as: leading_number(format_4dec(value)), quicker.
double valor_4dec(double value);

}  // namespace abat
