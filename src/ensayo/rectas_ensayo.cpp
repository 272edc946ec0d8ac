#include "ensayo/rectas_ensayo.h"

#include <cmath>

#include "calc/funcion_pozo.h"
#include "ensayo/superposicion.h"
#include "model/mensajes.h"

namespace abat {
namespace {

enum class Metodo { cooper_jacob, recuperacion };

// 2.303 of the textbooks, unrounded.
const double ln10 = std::log(10.0);

// The reading on the line's paper: t, or t / t', and its drawdown, through the steps.
std::optional<PuntoRecta> en_papel(const DatosEnsayo& d, const MedidaEnsayo& m, Metodo metodo) {
    return en_papel_recta(d, metodo == Metodo::recuperacion, m.t, m.s);
}

// Whether the reading is one of the line's: of its phase, and in the window or where u ≤ 0.05.
bool en_la_recta(const DatosEnsayo& d, const MedidaEnsayo& m, Metodo metodo,
                 const VentanaTiempos& ventana, const std::optional<AjusteTheis>& seleccion) {
    if (!en_papel(d, m, metodo)) return false;
    if (ventana.dada()) {
        return (!ventana.desde || m.t >= *ventana.desde) &&
               (!ventana.hasta || m.t <= *ventana.hasta);
    }
    const Acuifero& a = seleccion->acuifero;
    const double r = d.piezometros[m.piezometro].r;
    const double tiempo = desde_el_cambio(d, m.t);
    return r * r * a.S / (4 * a.T * tiempo) <= u_recta;
}

// Each well's line, or why it has none.
Resuelto<RectaPiezometro> linea(const DatosEnsayo& d, size_t k, Metodo metodo,
                                const VentanaTiempos& ventana,
                                const std::optional<AjusteTheis>& seleccion) {
    RectaPiezometro p;
    p.piezometro = k;
    std::vector<double> x;
    std::vector<double> s;
    for (size_t i = 0; i < d.medidas.size(); ++i) {
        const MedidaEnsayo& m = d.medidas[i];
        if (m.piezometro != k || !en_la_recta(d, m, metodo, ventana, seleccion)) continue;
        const PuntoRecta q = *en_papel(d, m, metodo);
        p.medidas.push_back(i);
        x.push_back(q.x);
        s.push_back(q.y);
        p.desde = p.medidas.size() == 1 ? m.t : std::min(p.desde, m.t);
        p.hasta = std::max(p.hasta, m.t);
    }
    const char* donde = ventana.dada()                   ? "en la ventana de tiempos"
                        : metodo == Metodo::cooper_jacob ? "con u ≤ 0.05"
                                                         : "con u' ≤ 0.05";
    if (p.medidas.size() < 2) return Rechazo{std::string("menos de dos medidas ") + donde};
    const std::optional<Recta> recta = recta_semilog(x, s);
    if (!recta) return Rechazo{"sus medidas en la recta son todas de un mismo tiempo"};
    p.recta = *recta;
    if (metodo == Metodo::cooper_jacob) {
        const std::optional<Acuifero> a = acuifero_de_la_recta(*recta, d.Q, d.piezometros[k].r);
        if (!a) return Rechazo{"su abatimiento no crece con el tiempo"};
        p.acuifero = *a;
    } else {
        if (!(recta->b > 0)) return Rechazo{"su abatimiento residual no baja con t/t'"};
        p.acuifero = {ln10 * d.Q / (cuatro_pi * recta->b), 0};
        if (!std::isfinite(p.acuifero.T)) return Rechazo{"su recta no da una T"};
    }
    return p;
}

Resuelto<AjusteRectas> rectas(const DatosEnsayo& d, const VentanaTiempos& ventana, Metodo metodo) {
    AjusteRectas a;
    if (!ventana.dada()) {
        Resuelto<AjusteTheis> theis = ajustar_theis(d);
        if (!theis) {
            return Rechazo{
                "Para elegir las medidas de la recta (u ≤ 0.05) hace falta el ajuste de Theis, "
                "y no lo hay. " +
                theis.rechazo() + " Dé la ventana de tiempos de la recta («Desde», «Hasta»)."};
        }
        a.seleccion = *theis;
    }
    double lnT = 0;
    double lnS = 0;
    double cuadrados = 0;
    for (size_t k = 0; k < d.piezometros.size(); ++k) {
        Resuelto<RectaPiezometro> l = linea(d, k, metodo, ventana, a.seleccion);
        if (!l) {
            a.sin_recta.emplace_back(k, l.rechazo());
            continue;
        }
        for (const size_t i : l->medidas) {
            const PuntoRecta q = *en_papel(d, d.medidas[i], metodo);
            const double e = q.y - l->recta.en(q.x);
            cuadrados += e * e;
        }
        a.medidas += l->medidas.size();
        lnT += std::log(l->acuifero.T);
        if (metodo == Metodo::cooper_jacob) lnS += std::log(l->acuifero.S);
        a.rectas.push_back(std::move(*l));
    }
    if (a.rectas.empty()) {
        std::string motivo = d.piezometros.empty() ? "No hay medidas en el ajuste."
                                                   : "Ningún piezómetro da una recta: ";
        for (size_t j = 0; j < a.sin_recta.size(); ++j) {
            motivo += (j > 0 ? "; " : "") + cita(d.piezometros[a.sin_recta[j].first].nombre) +
                      ", " + a.sin_recta[j].second;
        }
        return Rechazo{motivo + (a.sin_recta.empty() ? "" : ".")};
    }
    const auto n = static_cast<double>(a.rectas.size());
    a.acuifero = {std::exp(lnT / n), metodo == Metodo::cooper_jacob ? std::exp(lnS / n) : 0};
    a.rms = std::sqrt(cuadrados / static_cast<double>(a.medidas));
    return a;
}

}  // namespace

std::optional<Acuifero> acuifero_de_la_recta(const Recta& recta, double Q, double r) {
    if (!(recta.b > 0)) return std::nullopt;
    const double T = ln10 * Q / (cuatro_pi * recta.b);
    const double t0 = std::pow(10.0, -recta.a / recta.b);
    const double S = 2.25 * T * t0 / (r * r);
    if (!std::isfinite(T) || !std::isfinite(S) || !(S > 0)) return std::nullopt;
    return Acuifero{T, S};
}

Resuelto<AjusteRectas> cooper_jacob(const DatosEnsayo& d, const VentanaTiempos& ventana) {
    return rectas(d, ventana, Metodo::cooper_jacob);
}

Resuelto<AjusteRectas> recuperacion_theis(const DatosEnsayo& d, const VentanaTiempos& ventana) {
    if (!d.fin) {
        return Rechazo{
            "Falta el fin del bombeo: la recuperación son las medidas posteriores a él."};
    }
    return rectas(d, ventana, Metodo::recuperacion);
}

}  // namespace abat
