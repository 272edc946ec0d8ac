#include "calc/campo_pozos.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "calc/abatimiento.h"
#include "calc/fuentes_lejanas.h"
#include "calc/funcion_hantush.h"
#include "calc/funcion_pozo.h"
#include "calc/funcion_pozo_coeficientes.h"
#include "calc/hilos.h"
#include "calc/interpolacion_chebyshev.h"
#include "calc/pozos_virtuales.h"
#include "model/unidades.h"

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

template <class Fuente>  // a Pozo or a PozoVirtual
bool pozo_dentro(const Fuente& p) {
    return p.caudal.ok() && dentro(p.caudal.valor, 1e300) && dentro(p.x, coordenada_max) &&
           dentro(p.y, coordenada_max) && dentro(p.diametro, coordenada_max);
}

// The engine and the exact path add the n shares in the same order, each rounding a partial sum
// by at most half a unit in its last place.
double cota_total(double suma_abs, size_t n, double suma_k) {
    const double error_suma = static_cast<double>(n) * std::numeric_limits<double>::epsilon();
    return (error_parte + error_suma) * suma_abs + suma_k * coef::w_despreciable;
}

// The totals of the places `dentro` lists among `n`, at their places; NaN, with no error, at the
// others. An error ends the values before the place that failed.
Totales esparcir(Totales d, const std::vector<size_t>& dentro, size_t n) {
    Totales t{std::vector<double>(n, std::numeric_limits<double>::quiet_NaN()),
              std::vector<double>(n, 0.0), d.error};
    for (size_t j = 0; j < d.valores.size(); ++j) {
        t.valores[dentro[j]] = d.valores[j];
        t.cotas[dentro[j]] = d.cotas[j];
    }
    if (d.error) {
        const size_t fin = d.valores.size() < dentro.size() ? dentro[d.valores.size()] : n;
        t.valores.resize(fin);
        t.cotas.resize(fin);
    }
    return t;
}

// The far sources' sum at every node of a grid, and the bound of its error there.
struct Lejanas {
    std::vector<double> valores;
    double cota = 0.0;
};

// The sum of `lejos` at the Chebyshev points of the grid's box, interpolated to its nodes; none
// where a point's value was left to the exact path.
std::optional<Lejanas> sumar_lejanas(const PozosVector& lejos, const EscalaU& e,
                                     const FuncionVector& funcion, const Rejilla& malla,
                                     const Reparto& r) {
    const std::vector<double> px = puntos_chebyshev(malla.x(0), malla.x(malla.nx - 1), r.grado);
    const std::vector<double> py = puntos_chebyshev(malla.y(0), malla.y(malla.ny - 1), r.grado);
    std::vector<double> x;
    std::vector<double> y;
    for (const double b : py) {
        for (const double a : px) {
            x.push_back(a);
            y.push_back(b);
        }
    }
    std::vector<double> suma(x.size());
    std::vector<double> tamano(x.size());
    const double evaluaciones = static_cast<double>(x.size()) * static_cast<double>(lejos.n);
    en_paralelo(x.size(), 64, hilos_para(evaluaciones), [&](size_t desde, size_t hasta) {
        sumar_pozos(lejos, e, funcion, x.data() + desde, y.data() + desde, hasta - desde,
                    suma.data() + desde, tamano.data() + desde);
    });
    if (std::any_of(suma.begin(), suma.end(), [](double v) { return std::isnan(v); }))
        return std::nullopt;
    std::vector<double> nodos_x(static_cast<size_t>(malla.nx));
    std::vector<double> nodos_y(static_cast<size_t>(malla.ny));
    for (int i = 0; i < malla.nx; ++i) nodos_x[i] = malla.x(i);
    for (int j = 0; j < malla.ny; ++j) nodos_y[j] = malla.y(j);
    // The points' rounding, amplified by the interpolation along each direction.
    const double lebesgue = lebesgue_chebyshev(r.grado);
    const double mayor = *std::max_element(tamano.begin(), tamano.end());
    const double redondeo = lebesgue * lebesgue * cota_total(mayor, lejos.n, 0.0) +
                            4 * (r.grado + 1.0) * std::numeric_limits<double>::epsilon() * mayor;
    return Lejanas{interpolar_chebyshev(suma, px, py, nodos_x, nodos_y), r.cota + redondeo};
}

}  // namespace

// The wells the loops add up at one time: without steps and boundaries the field's wells, the
// same at every time; otherwise each well's steps begun by then and their images.
struct CampoPozos::Instante {
    double tiempo = 0.0;
    Virtuales virtuales;  // none without steps and boundaries: the wells themselves
    PozosVector propio;
    const PozosVector* pozos = nullptr;
    std::optional<EscalaU> escala;  // none: the exact path computes every place
    double suma_k = 0.0;
    std::vector<double> suma_k_pozo;  // each well's, over what it adds
    // Of a leaky aquifer: the well function restricted to each time of start (PozosVector::grupo,
    // all the first without it); none for a confined one.
    std::vector<HantushFuente> hantush;
    double B = 0;  // the leakage factor, m

    // The loops' well function over the sources `p` at `lugares` places: with the series of ln W
    // of each restriction that many evaluations make worth fitting, kept in `logs`.
    FuncionVector funcion(const PozosVector& p, size_t lugares,
                          std::vector<HantushLog>& logs) const;
};

CampoPozos::CampoPozos(const DatosCalculo& datos)
    : datos_(datos), funcion_(datos.acuifero), solo_pozos_(datos.solo_pozos()) {
    if (!solo_pozos_) return;
    const Acuifero& a = datos.acuifero;
    const double divisor = a.T * cuatro_pi;
    todo_exacto_ = !(a.T > 0 && a.S > 0 && a.S <= S_max && std::isnormal(divisor));
    for (const Pozo& p : datos.pozos) {
        todo_exacto_ = todo_exacto_ || !pozo_dentro(p);
        const double radio = p.diametro / 2;
        pozos_.agregar(p.x, p.y, radio * radio, p.caudal.valor / divisor);
        suma_k_ += std::fabs(pozos_.k.back());
    }
    pozos_.rellenar();
    todo_exacto_ = todo_exacto_ || !(suma_k_ <= suma_k_max);
}

// Fitting a restriction's series of ln W costs some 1,100 values of W, as much as this many
// evaluations of the restriction by the loops.
constexpr double evaluaciones_por_serie = 50'000;

FuncionVector CampoPozos::Instante::funcion(const PozosVector& p, size_t lugares,
                                            std::vector<HantushLog>& logs) const {
    if (hantush.empty()) return {};
    // Each restriction's sources, and the least u any place can give them: at their radius.
    std::vector<double> fuentes(hantush.size(), 0.0);
    std::vector<double> r2(hantush.size(), std::numeric_limits<double>::infinity());
    for (size_t i = 0; i < p.n; ++i) {
        const size_t g = p.grupo.empty() ? 0 : p.grupo[i];
        fuentes[g] += 1;
        r2[g] = std::min(r2[g], p.r2_min[i]);
    }
    logs.assign(hantush.size(), HantushLog{});
    for (size_t g = 0; g < hantush.size(); ++g) {
        if (fuentes[g] * static_cast<double>(lugares) < evaluaciones_por_serie) continue;
        const double c = p.c.empty() ? escala->c : 1 / (4 * hantush[g].v * B * B);
        logs[g] = hantush_log(hantush[g], std::max(c * r2[g], 1e-16));
    }
    return {hantush.data(), p.grupo.empty() ? nullptr : p.grupo.data(), logs.data()};
}

// A leaky aquifer's v = beta^2 / (4 u) of a source of scale c (u = c r^2): 1 / (4 c B^2).
double CampoPozos::v_de(double c) const {
    return 1 / (4 * c * funcion_.B() * funcion_.B());
}

// The restriction of the well function to a source of scale c, found or added: the sources that
// began together (a step and its images) share it.
uint32_t CampoPozos::grupo_de(Instante& in, double c,
                              std::unordered_map<double, uint32_t>& grupos) const {
    const auto [g, nuevo] = grupos.try_emplace(c, static_cast<uint32_t>(in.hantush.size()));
    if (nuevo) in.hantush.push_back(hantush_fuente(v_de(c)));
    return g->second;
}

std::optional<EscalaU> CampoPozos::escala(double tiempo) const {
    const double denominador =
        datos_.acuifero.T * 4 * tiempo * segundos_por_dia;  // as the exact path's
    const double c = datos_.acuifero.S / denominador;
    if (todo_exacto_ || !(tiempo > 0) || !std::isnormal(denominador) || !(c >= c_min) ||
        !(c <= c_max))
        return std::nullopt;
    return EscalaU{c, r2_fiable_min * c, r2_fiable_max * c};
}

std::shared_ptr<const CampoPozos::Instante> CampoPozos::instante(double tiempo) const {
    if (solo_pozos_) {
        auto in = std::make_shared<Instante>();
        in->tiempo = tiempo;
        in->pozos = &pozos_;
        in->escala = escala(tiempo);
        in->suma_k = suma_k_;
        in->B = funcion_.B();
        if (in->escala && funcion_.semiconfinado())
            in->hantush.push_back(hantush_fuente(v_de(in->escala->c)));
        return in;
    }
    {
        const std::lock_guard<std::mutex> cerrojo(ultimo_mutex_);
        if (ultimo_ && ultimo_->tiempo == tiempo) return ultimo_;
    }
    auto in = construir(tiempo);
    const std::lock_guard<std::mutex> cerrojo(ultimo_mutex_);
    ultimo_ = in;
    return in;
}

// Each step and image at its own scale of u, from its start; the engine vouches for a time only
// when it does for every one of them.
std::shared_ptr<const CampoPozos::Instante> CampoPozos::construir(double tiempo) const {
    auto in = std::make_shared<Instante>();
    in->tiempo = tiempo;
    in->virtuales = pozos_virtuales(datos_, tiempo);
    PozosVector& p = in->propio;
    std::unordered_map<double, uint32_t> grupos;  // by the scale of u, a time of start
    in->B = funcion_.B();
    in->suma_k_pozo.assign(datos_.pozos.size(), 0.0);
    const Acuifero& a = datos_.acuifero;
    const double divisor = a.T * cuatro_pi;
    bool vale = a.T > 0 && a.S > 0 && a.S <= S_max && std::isnormal(divisor);
    for (const PozoVirtual& v : in->virtuales.pozos) {
        vale = vale && pozo_dentro(v);
        const double radio = v.diametro / 2;
        const double t = std::fmin(tiempo - v.desde, v.duracion);
        const double denominador = a.T * 4 * t * segundos_por_dia;  // as the exact path's
        const double c = a.S / denominador;
        vale = vale && t > 0 && std::isnormal(denominador) && c >= c_min && c <= c_max;
        EscalaU e{c, r2_fiable_min * c, r2_fiable_max * c};
        // Within the radius of a source the series continues, the exact path moves the series'
        // increment to the well's face: such a place is left to it.
        if (tiempo - v.desde > v.duracion)
            e.u_min = std::fmax(e.u_min, std::nextafter(radio * radio * c, c_max));
        p.agregar(v.x, v.y, radio * radio, v.caudal.valor / divisor, e);
        if (funcion_.semiconfinado()) p.grupo.push_back(grupo_de(*in, c, grupos));
        in->suma_k += std::fabs(p.k.back());
        in->suma_k_pozo[v.pozo] += std::fabs(p.k.back());
    }
    p.rellenar();
    in->pozos = &in->propio;
    if (vale && in->suma_k <= suma_k_max) in->escala = EscalaU{1.0, 0.0, 1.0};  // each its own
    return in;
}

// The instant of `tiempo`; none, with t emptied and its error set, where it has too many images.
std::shared_ptr<const CampoPozos::Instante> CampoPozos::instante_o_error(double tiempo,
                                                                         Totales& t) const {
    try {
        return instante(tiempo);
    } catch (const ErrorCalculo& e) {  // more images than a time may take
        t.error = e;
        t.valores.clear();
        t.cotas.clear();
        return nullptr;
    }
}

// The sum of `pozos` (the instant's or some of them) at each place, into t's values and bounds;
// NaN where the exact path must decide.
void CampoPozos::sumar(const Instante& in, const PozosVector& pozos, std::span<const double> x,
                       std::span<const double> y, unsigned hilos, Totales& t) const {
    const auto e = in.escala;
    if (!e || in.pozos->n == 0) return;
    const size_t m = x.size();
    const double evaluaciones = static_cast<double>(m) * static_cast<double>(pozos.n);
    std::vector<HantushLog> logs;
    const FuncionVector funcion = in.funcion(pozos, m, logs);
    en_paralelo(m, 64, hilos > 0 ? hilos : hilos_para(evaluaciones),
                [&](size_t desde, size_t hasta) {
                    sumar_pozos(pozos, *e, funcion, x.data() + desde, y.data() + desde,
                                hasta - desde, t.valores.data() + desde, t.cotas.data() + desde);
                });
    for (double& c : t.cotas) c = cota_total(c, pozos.n, in.suma_k);
}

Totales CampoPozos::totales(double tiempo, std::span<const double> x, std::span<const double> y,
                            unsigned hilos) const {
    const size_t m = x.size();
    Totales t{std::vector<double>(m, std::numeric_limits<double>::quiet_NaN()),
              std::vector<double>(m, 0.0),
              {}};
    const std::shared_ptr<const Instante> in = instante_o_error(tiempo, t);
    if (!in) return t;
    sumar(*in, *in->pozos, x, y, hilos, t);
    sumar_serie(*in, x, y, t);
    resolver(*in, x, y, t);
    return t;
}

Totales CampoPozos::totales_rejilla(double tiempo, const Rejilla& malla) const {
    std::vector<size_t> dentro;
    std::vector<double> x;
    std::vector<double> y;
    for (int j = 0; j < malla.ny; ++j) {
        for (int i = 0; i < malla.nx; ++i) {
            if (!datos_.contorno.contiene(malla.x(i), malla.y(j))) continue;
            dentro.push_back(malla.indice(i, j));
            x.push_back(malla.x(i));
            y.push_back(malla.y(j));
        }
    }
    Totales t{std::vector<double>(x.size(), std::numeric_limits<double>::quiet_NaN()),
              std::vector<double>(x.size(), 0.0),
              {}};
    if (const std::shared_ptr<const Instante> in = instante_o_error(tiempo, t)) {
        sumar_repartidas(*in, malla, x, y, dentro, t);
        sumar_serie(*in, x, y, t);
        resolver(*in, x, y, t);
    }
    return esparcir(
        std::move(t), dentro,
        static_cast<size_t>(std::max(malla.nx, 0)) * static_cast<size_t>(std::max(malla.ny, 0)));
}

// The near sources summed at each node, the far ones at Chebyshev points and interpolated; all
// at each node where that saves little or a far source's value was left to the exact path.
void CampoPozos::sumar_repartidas(const Instante& in, const Rejilla& malla,
                                  std::span<const double> x, std::span<const double> y,
                                  const std::vector<size_t>& dentro, Totales& t) const {
    const PozosVector& pozos = *in.pozos;
    const auto e = in.escala;
    Reparto r;
    if (e && pozos.n > 0 && malla.nx > 1 && malla.ny > 1) {
        const Caja caja{malla.x(0), malla.x(malla.nx - 1), malla.y(0), malla.y(malla.ny - 1)};
        r = repartir_fuentes(pozos, e->c, caja, x.size(), funcion_);
    }
    std::optional<Lejanas> lejos;
    if (r.grado > 0) {
        const PozosVector lejanas = elegir_fuentes(pozos, r.lejanas, true);
        std::vector<HantushLog> logs;
        const size_t lado = static_cast<size_t>(r.grado) + 1;
        const size_t puntos = lado * lado;
        lejos = sumar_lejanas(lejanas, *e, in.funcion(lejanas, puntos, logs), malla, r);
    }
    if (!lejos) {
        sumar(in, pozos, x, y, 0, t);
        return;
    }
    sumar(in, elegir_fuentes(pozos, r.lejanas, false), x, y, 0, t);
    for (size_t j = 0; j < dentro.size(); ++j) {
        t.valores[j] += lejos->valores[dentro[j]];
        t.cotas[j] += lejos->cota;
    }
}

// The series' share added where the wells' sum is there; where it overflows the place is left to
// the exact path, which names the well. Both paths compute it alike, so the bound grows only by
// the rounding of that sum; or, across a strip, by what reading its modes along it from a few
// points may differ (tolerancia_lejanas' hundredth).
void CampoPozos::sumar_serie(const Instante& in, std::span<const double> x,
                             std::span<const double> y, Totales& t) const {
    const Autofunciones* serie = in.virtuales.serie.get();
    if (serie == nullptr) return;
    std::vector<double> s(x.size());
    const double cota = serie->totales(x, y, s, tolerancia_lejanas / 100);
    for (size_t i = 0; i < x.size(); ++i) {
        if (std::isnan(t.valores[i])) continue;
        const double v = t.valores[i] + s[i];
        t.cotas[i] += cota + 2 * std::numeric_limits<double>::epsilon() *
                                 (std::fabs(t.valores[i]) + std::fabs(s[i]));
        t.valores[i] = std::isfinite(v) ? v : std::numeric_limits<double>::quiet_NaN();
    }
}

// The places left to the exact path, in order, up to the first that fails.
void CampoPozos::resolver(const Instante& in, std::span<const double> x, std::span<const double> y,
                          Totales& t) const {
    for (size_t i = 0; i < t.valores.size(); ++i) {
        if (!std::isnan(t.valores[i])) continue;
        try {
            t.valores[i] = solo_pozos_
                               ? abatimiento_punto(datos_, in.tiempo, x[i], y[i])
                               : abatimiento_virtuales(datos_, in.tiempo, in.virtuales, x[i], y[i]);
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
    const auto nan = std::numeric_limits<double>::quiet_NaN();
    const std::shared_ptr<const Instante> in = instante(tiempo);
    const PozosVector& pozos = *in->pozos;
    std::vector<double> valores(pozos.k.size(), nan);
    std::vector<HantushLog> logs;
    if (in->escala)
        partes_pozos(pozos, *in->escala, in->funcion(pozos, 1, logs), x, y, valores.data());
    if (solo_pozos_) {  // the field's wells themselves
        valores.resize(pozos_.n);
        return Partes{tiempo, x, y, std::move(valores)};
    }
    // Each well's steps and images added in their order, as the exact path adds them.
    const std::vector<size_t>& inicio = in->virtuales.inicio;
    Partes p{tiempo, x, y, std::vector<double>(datos_.pozos.size(), 0.0),
             std::vector<double>(datos_.pozos.size(), 0.0)};
    const Autofunciones* serie = in->virtuales.serie.get();
    for (size_t k = 0; k < datos_.pozos.size(); ++k) {
        for (size_t j = inicio[k]; j < inicio[k + 1]; ++j) {
            p.valores[k] += valores[j];
            p.tamanos[k] += std::fabs(valores[j]);
        }
        if (serie == nullptr) continue;
        const double s = serie->parte(k, x, y);
        p.valores[k] += s;
        p.tamanos[k] += std::fabs(s);
    }
    return p;
}

double CampoPozos::parte_4dec(const Partes& p, size_t k) const {
    const double v = p.valores[k];
    if (solo_pozos_) {
        const double cota =
            error_parte * std::fabs(v) + std::fabs(pozos_.k[k]) * coef::w_despreciable;
        if (!std::isnan(v) && !cerca_de_redondeo(v, cota)) return v;
        return abatimiento_pozo(datos_, p.tiempo, datos_.pozos[k], p.x, p.y);
    }
    const std::shared_ptr<const Instante> in = instante(p.tiempo);
    const std::vector<size_t>& inicio = in->virtuales.inicio;
    const size_t sumandos = inicio[k + 1] - inicio[k] + (in->virtuales.serie ? 1 : 0);
    const double cota = cota_total(p.tamanos[k], sumandos, in->suma_k_pozo[k]);
    if (!std::isnan(v) && !cerca_de_redondeo(v, cota)) return v;
    return abatimiento_virtuales(datos_, p.tiempo, in->virtuales, k, p.x, p.y);
}

std::vector<double> abatimientos(const CampoPozos& campo, double tiempo, std::span<const double> x,
                                 std::span<const double> y) {
    Totales t = campo.totales(tiempo, x, y);
    if (t.error) throw *t.error;
    return std::move(t.valores);
}

Totales totales_en_el_acuifero(const CampoPozos& campo, double tiempo, std::span<const double> x,
                               std::span<const double> y) {
    const Contorno& contorno = campo.datos().contorno;
    if (contorno.vacio()) return campo.totales(tiempo, x, y);
    std::vector<size_t> dentro;
    std::vector<double> xd;
    std::vector<double> yd;
    for (size_t i = 0; i < x.size(); ++i) {
        if (!contorno.contiene(x[i], y[i])) continue;
        dentro.push_back(i);
        xd.push_back(x[i]);
        yd.push_back(y[i]);
    }
    return esparcir(campo.totales(tiempo, xd, yd), dentro, x.size());
}

}  // namespace abat
