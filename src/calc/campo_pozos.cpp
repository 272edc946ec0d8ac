#include "calc/campo_pozos.h"

#include <cmath>
#include <limits>

#include "calc/abatimiento.h"
#include "calc/funcion_pozo.h"
#include "calc/funcion_pozo_coeficientes.h"
#include "calc/hilos.h"

namespace abat {
namespace {

// A bound of the engine's error in one well's share, twice the accuracy the tests hold it to
// (most of the error is that of u, times u), plus k times the largest W it takes as 0.
constexpr double error_parte = 2e-12;

// The ranges where no step of the exact path can fail or lose precision: positions and radii to
// 1e100 m, r^2 between 1e-200 and 1e200 m2 (a place outside is left to the exact path), S to
// 1e100, u / r^2 = S / (4 T t) between 1e-40 and 1e40, rates whose shares stay finite however
// they add up: W is at most 800.
constexpr double coordenada_max = 1e100;
constexpr double r2_fiable_min = 1e-200;
constexpr double r2_fiable_max = 1e200;
constexpr double S_max = 1e100;
constexpr double c_min = 1e-40;
constexpr double c_max = 1e40;
constexpr double suma_k_max = 1e300 / 800;

bool dentro(double v, double maximo) {
    return std::fabs(v) <= maximo;  // false for NaN
}

bool pozo_dentro(const Pozo& p) {
    return p.caudal.ok() && dentro(p.caudal.valor, 1e300) && dentro(p.x, coordenada_max) &&
           dentro(p.y, coordenada_max) && dentro(p.diametro, coordenada_max);
}

// The engine and the exact path add the n shares in the same order, each rounding a partial sum
// by at most half a unit in its last place.
double cota_total(double suma_abs, size_t n, double suma_k) {
    const double error_suma = static_cast<double>(n) * std::numeric_limits<double>::epsilon();
    return (error_parte + error_suma) * suma_abs + suma_k * coef::w_despreciable;
}

}  // namespace

CampoPozos::CampoPozos(const DatosCalculo& datos) : datos_(datos) {
    const size_t n = datos.pozos.size();
    const size_t relleno = (n + relleno_pozos - 1) / relleno_pozos * relleno_pozos;
    pozos_.n = n;
    pozos_.x.assign(relleno, 0.0);
    pozos_.y.assign(relleno, 0.0);
    pozos_.r2_min.assign(relleno, 1.0);
    pozos_.k.assign(relleno, 0.0);
    const double divisor = datos.T * cuatro_pi;
    todo_exacto_ = !(datos.T > 0 && datos.S > 0 && datos.S <= S_max && std::isnormal(divisor));
    for (size_t i = 0; i < n; ++i) {
        const Pozo& p = datos.pozos[i];
        todo_exacto_ = todo_exacto_ || !pozo_dentro(p);
        const double radio = p.diametro / 2;
        pozos_.x[i] = p.x;
        pozos_.y[i] = p.y;
        pozos_.r2_min[i] = radio * radio;
        pozos_.k[i] = p.caudal.valor / divisor;
        suma_k_ += std::fabs(pozos_.k[i]);
    }
    todo_exacto_ = todo_exacto_ || !(suma_k_ <= suma_k_max);
}

std::optional<EscalaU> CampoPozos::escala(double tiempo) const {
    const double denominador = datos_.T * 4 * tiempo * 86400;  // as the exact path's
    const double c = datos_.S / denominador;
    if (todo_exacto_ || !(tiempo > 0) || !std::isnormal(denominador) || !(c >= c_min) ||
        !(c <= c_max))
        return std::nullopt;
    return EscalaU{c, r2_fiable_min * c, r2_fiable_max * c};
}

Totales CampoPozos::totales(double tiempo, std::span<const double> x, std::span<const double> y,
                            unsigned hilos) const {
    const size_t m = x.size();
    Totales t{std::vector<double>(m, std::numeric_limits<double>::quiet_NaN()),
              std::vector<double>(m, 0.0),
              {}};
    if (const auto e = escala(tiempo); e && pozos_.n > 0) {
        const double evaluaciones = static_cast<double>(m) * static_cast<double>(pozos_.n);
        en_paralelo(m, 64, hilos > 0 ? hilos : hilos_para(evaluaciones),
                    [&](size_t desde, size_t hasta) {
                        sumar_pozos(pozos_, *e, x.data() + desde, y.data() + desde, hasta - desde,
                                    t.valores.data() + desde, t.cotas.data() + desde);
                    });
        for (double& c : t.cotas) c = cota_total(c, pozos_.n, suma_k_);
    }
    resolver(tiempo, x, y, t);
    return t;
}

// The places left to the exact path, in order, up to the first that fails.
void CampoPozos::resolver(double tiempo, std::span<const double> x, std::span<const double> y,
                          Totales& t) const {
    for (size_t i = 0; i < t.valores.size(); ++i) {
        if (!std::isnan(t.valores[i])) continue;
        try {
            t.valores[i] = abatimiento_punto(datos_, tiempo, x[i], y[i]);
            t.cotas[i] = 0.0;
        } catch (ErrorCalculo& e) {
            e.nodo = std::make_pair(x[i], y[i]);
            t.error = e;
            t.valores.resize(i);
            t.cotas.resize(i);
            return;
        }
    }
}

Partes CampoPozos::partes(double tiempo, double x, double y) const {
    Partes p{tiempo, x, y, std::vector<double>(pozos_.k.size(), 0.0)};
    if (const auto e = escala(tiempo)) {
        partes_pozos(pozos_, *e, x, y, p.valores.data());
    } else {
        p.valores.assign(p.valores.size(), std::numeric_limits<double>::quiet_NaN());
    }
    p.valores.resize(pozos_.n);
    return p;
}

double CampoPozos::parte_4dec(const Partes& p, size_t k) const {
    const double v = p.valores[k];
    const double cota = error_parte * std::fabs(v) + std::fabs(pozos_.k[k]) * coef::w_despreciable;
    if (!std::isnan(v) && !cerca_de_redondeo(v, cota)) return v;
    return abatimiento_pozo(datos_, p.tiempo, datos_.pozos[k], p.x, p.y);
}

std::vector<double> abatimientos(const CampoPozos& campo, double tiempo, std::span<const double> x,
                                 std::span<const double> y) {
    Totales t = campo.totales(tiempo, x, y);
    if (t.error) throw *t.error;
    return std::move(t.valores);
}

// Below 1e5 m, a value further than its bound plus 1e-3 from a half ten-thousandth rounds as the
// exact one: valor_4dec rounds both in binary, and format_4dec's 15 significant digits move the
// tie by less than 1e-5 of a ten-thousandth.
bool cerca_de_redondeo(double valor, double cota) {
    const double diezmilesimas = std::fabs(valor) * 1e4;
    const double fraccion = diezmilesimas - std::floor(diezmilesimas);
    return !(diezmilesimas < 1e9) || std::fabs(fraccion - 0.5) <= 1e-3 + cota * 1e4;
}

}  // namespace abat
