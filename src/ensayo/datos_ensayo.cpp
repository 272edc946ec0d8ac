#include "ensayo/datos_ensayo.h"

#include <cmath>
#include <limits>

#include "calc/etapas.h"
#include "model/mensajes.h"
#include "model/numeros.h"
#include "model/unidades.h"

namespace abat {
namespace {

std::string la_medida(int numero) {
    return "La medida " + std::to_string(numero);
}

// A reading's cell, which must be a number.
double celda(const std::string& texto, int numero, const char* columna) {
    if (recortar_blancos(texto).empty()) rechazar(la_medida(numero) + " no tiene " + columna + ".");
    const std::optional<double> v = numero_ensayo(texto);
    if (!v) {
        rechazar(la_medida(numero) + " (" + columna + "): " + cita(texto) +
                 " no es un valor numérico.");
    }
    return *v;
}

double caudal(const std::string& texto) {
    if (recortar_blancos(texto).empty()) rechazar("Falta el caudal del ensayo.");
    const std::optional<double> Q = numero_ensayo(texto);
    if (!Q) rechazar("El caudal del ensayo, " + cita(texto) + ", no es un valor numérico.");
    if (*Q == 0) rechazar("El caudal del ensayo es 0: sin bombeo no hay nada que ajustar.");
    if (*Q < 0) {
        rechazar("El caudal del ensayo es negativo: el ajuste es el de un pozo que bombea.");
    }
    return *Q;
}

std::optional<double> fin_bombeo(const std::string& texto, double segundos) {
    if (recortar_blancos(texto).empty()) return std::nullopt;
    const std::optional<double> fin = numero_ensayo(texto);
    if (!fin) {
        rechazar("El fin del bombeo, " + cita(texto) + ", no es un valor numérico.");
    }
    if (*fin <= 0) rechazar("El fin del bombeo debe ser un tiempo mayor que 0.");
    return *fin * segundos;
}

// The steps after the first, read by the schedules' rule in the test's unit, before the stop.
std::vector<EtapaEnsayo> etapas(const EnsayoTexto& e, const DatosEnsayo& d) {
    const Resuelto<std::vector<Etapa>> leidas = leer_etapas(e.etapas, e.unidad_tiempo);
    if (!leidas) rechazar(leidas.rechazo());
    std::vector<EtapaEnsayo> en_segundos;
    en_segundos.reserve(leidas->size());
    for (size_t k = 0; k < leidas->size(); ++k) {
        const Etapa& etapa = (*leidas)[k];
        if (d.fin && etapa.desde * d.segundos >= *d.fin) {
            rechazar("La etapa " + std::to_string(k + 2) + " empieza a los " +
                     number_to_text(etapa.desde) + " " + e.unidad_tiempo +
                     ", cuando el bombeo ya ha terminado.");
        }
        en_segundos.push_back({etapa.desde * d.segundos, etapa.caudal.valor});
    }
    return en_segundos;
}

class Lector {
  public:
    explicit Lector(DatosEnsayo& d) : d_(d) {}

    // A reading in the fit: its numbers checked, its observation well found or added.
    void incluir(const MedidaTexto& m, int numero) {
        const double r = celda(m.r, numero, "distancia");
        const double t = celda(m.t, numero, "tiempo");
        const double s = celda(m.s, numero, "abatimiento");
        if (t == 0) {
            ++d_.al_comienzo;
            return;
        }
        if (r == 0) {
            rechazar(la_medida(numero) +
                     " está a una distancia de 0 m: la solución de Theis no vale en el "
                     "pozo bombeado. Excluya la medida o corrija su distancia.");
        }
        if (r < 0) rechazar(la_medida(numero) + " tiene una distancia negativa.");
        if (t < 0) {
            rechazar(la_medida(numero) + " es del comienzo del bombeo o anterior (tiempo " +
                     number_to_text(t) + "): exclúyala del ajuste.");
        }
        d_.medidas.push_back({piezometro(m.piezometro, r, numero), t * d_.segundos, s, numero});
    }

    // A reading left out, kept for the chart when it reads.
    void apartar(const MedidaTexto& m, int numero) const {
        const auto t = numero_ensayo(m.t);
        const auto s = numero_ensayo(m.s);
        if (!t || !s || *t <= 0) return;
        size_t k = std::numeric_limits<size_t>::max();
        for (size_t i = 0; i < d_.piezometros.size(); ++i) {
            if (d_.piezometros[i].nombre == m.piezometro) k = i;
        }
        d_.excluidas.push_back({k, *t * d_.segundos, *s, numero});
    }

  private:
    size_t piezometro(const std::string& nombre, double r, int numero) {
        for (size_t k = 0; k < d_.piezometros.size(); ++k) {
            if (d_.piezometros[k].nombre != nombre) continue;
            if (d_.piezometros[k].r != r) {
                rechazar("El piezómetro " + cita(nombre) + " está a " +
                         number_to_text(d_.piezometros[k].r) + " m en la medida " +
                         std::to_string(primeras_[k]) + " y a " + number_to_text(r) +
                         " m en la medida " + std::to_string(numero) + ".");
            }
            return k;
        }
        d_.piezometros.push_back({nombre, r});
        primeras_.push_back(numero);
        return d_.piezometros.size() - 1;
    }

    DatosEnsayo& d_;
    std::vector<int> primeras_;  // each observation well's first reading
};

}  // namespace

double DatosEnsayo::caudal_en(double t) const {
    if (fin && t > *fin) return 0;
    double q = Q;
    for (const EtapaEnsayo& e : etapas) {
        if (t > e.desde) q = e.Q;
    }
    return q;
}

std::vector<EtapaEnsayo> DatosEnsayo::cambios() const {
    std::vector<EtapaEnsayo> c{{0, Q}};
    c.reserve(etapas.size() + 2);
    double antes = Q;
    for (const EtapaEnsayo& e : etapas) {
        c.push_back({e.desde, e.Q - antes});
        antes = e.Q;
    }
    if (fin) c.push_back({*fin, -antes});
    return c;
}

double segundos_por_unidad(std::string_view unidad) {
    constexpr std::array<double, unidades_tiempo.size()> segundos = {1, 60, 3600, segundos_por_dia};
    for (size_t k = 0; k < unidades_tiempo.size(); ++k) {
        if (unidad == unidades_tiempo[k]) return segundos[k];
    }
    return 0;
}

std::optional<double> numero_ensayo(const std::string& texto) {
    const LecturaEstricta l = leer_estricto(con_punto_decimal(texto));
    if (!l.ok()) return std::nullopt;
    return l.valor;
}

Resuelto<DatosEnsayo> leer_ensayo(const EnsayoTexto& e) {
    return resolver([&e] {
        DatosEnsayo d;
        d.segundos = segundos_por_unidad(e.unidad_tiempo);
        if (d.segundos == 0) {
            rechazar("La unidad de tiempo " + cita(e.unidad_tiempo) +
                     " no es ninguna de s, min, h, días.");
        }
        d.Q = caudal(e.caudal);
        d.fin = fin_bombeo(e.fin_bombeo, d.segundos);
        d.etapas = etapas(e, d);
        Lector lector(d);
        for (size_t k = 0; k < e.medidas.size(); ++k) {
            const int numero = static_cast<int>(k) + 1;
            if (!e.medidas[k].excluida) lector.incluir(e.medidas[k], numero);
        }
        for (size_t k = 0; k < e.medidas.size(); ++k) {
            if (e.medidas[k].excluida) lector.apartar(e.medidas[k], static_cast<int>(k) + 1);
        }
        return d;
    });
}

}  // namespace abat
