#include "ensayo/analisis_ensayo.h"

#include <algorithm>
#include <cmath>

#include "ensayo/rectas_ensayo.h"
#include "ensayo/superposicion.h"
#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {
namespace {

constexpr int puntos_curva = 100;
constexpr double margen = 1.5;  // the curves reach this factor beyond the readings' times

bool es_recta(MetodoEnsayo m) {
    return m == MetodoEnsayo::cooper_jacob || m == MetodoEnsayo::recuperacion;
}

// The paper of the method; a line's, through rate steps, that of their superposition.
DibujoEnsayo papel(MetodoEnsayo metodo, const std::string& unidad, bool superpuesto) {
    DibujoEnsayo d;
    d.titulo = std::string("Ensayo de bombeo: ") + nombres_metodos[static_cast<size_t>(metodo)];
    const bool recuperacion = metodo == MetodoEnsayo::recuperacion;
    const std::string equivalente = superpuesto ? " equivalente" : "";
    d.ejeX = recuperacion ? "t/t'" + equivalente : "Tiempo" + equivalente + " [" + unidad + "]";
    d.ejeY = recuperacion  ? "Abatimiento residual [m]"
             : superpuesto ? "Abatimiento al caudal inicial [m]"
                           : "Abatimiento [m]";
    d.logaritmicoY = ajusta_curva(metodo);
    d.logaritmicoX = metodo != MetodoEnsayo::escalonado;
    d.excluidas.nombre = "Excluidas del ajuste";
    return d;
}

// Where a reading stands on the method's paper: its time in the test's unit, or t / t' in the
// recovery, through the steps of `superpuesto` when the test has them and reads; none where the
// paper has no place for it.
std::optional<PuntoTiempo> en_papel(MetodoEnsayo metodo, double t, double s,
                                    std::optional<double> fin, bool logaritmicoY,
                                    const DatosEnsayo* superpuesto) {
    if (!(t > 0)) return std::nullopt;
    if (superpuesto != nullptr) {
        const bool recuperacion = metodo == MetodoEnsayo::recuperacion;
        const double segundos = superpuesto->segundos;
        const std::optional<PuntoRecta> p =
            en_papel_recta(*superpuesto, recuperacion, t * segundos, s);
        if (!p) return std::nullopt;
        return PuntoTiempo{recuperacion ? p->x : p->x / segundos, p->y};
    }
    if (metodo == MetodoEnsayo::recuperacion) {
        if (!fin || t <= *fin) return std::nullopt;
        return PuntoTiempo{t / (t - *fin), s};
    }
    if (logaritmicoY && !(s > 0)) return std::nullopt;
    return PuntoTiempo{t, s};
}

// Bourdet's derivative of a well's readings while pumping, in the test's unit; through the steps
// of `etapas` when it has them.
std::vector<PuntoTiempo> derivada_de(std::vector<PuntoTiempo> bombeo, const DatosEnsayo* etapas) {
    if (etapas == nullptr) return derivada_bourdet(bombeo);
    for (PuntoTiempo& p : bombeo) p.t *= etapas->segundos;
    std::vector<PuntoTiempo> d = derivada_superpuesta(*etapas, bombeo);
    for (PuntoTiempo& p : d) p.t /= etapas->segundos;
    return d;
}

// Whether the test has rate steps, read: the paper of the lines and the derivative follow them.
const DatosEnsayo* con_etapas(const Resuelto<DatosEnsayo>& leido) {
    return leido && !leido->etapas.empty() ? &*leido : nullptr;
}

// The readings that read, each in its observation well's series, the left out greyed, while the
// rest of the test may not read yet: the user sees what is typed. Through the steps of `etapas`,
// a test that reads, when it has them.
void dibujar_medidas(const EnsayoTexto& e, MetodoEnsayo metodo, const DatosEnsayo* etapas,
                     DibujoEnsayo& d) {
    const std::optional<double> fin = numero_ensayo(e.fin_bombeo);
    const DatosEnsayo* superpuesto = es_recta(metodo) ? etapas : nullptr;
    for (const MedidaTexto& m : e.medidas) {
        const std::optional<double> t = numero_ensayo(m.t);
        const std::optional<double> s = numero_ensayo(m.s);
        if (!t || !s) continue;
        const std::optional<PuntoTiempo> p =
            en_papel(metodo, *t, *s, fin, d.logaritmicoY, superpuesto);
        if (m.excluida) {
            if (p) d.excluidas.puntos.push_back(*p);
            continue;
        }
        auto serie = std::find_if(d.medidas.begin(), d.medidas.end(),
                                  [&](const SerieEnsayo& k) { return k.nombre == m.piezometro; });
        if (serie == d.medidas.end()) {
            d.medidas.push_back({m.piezometro, d.medidas.size(), {}});
            serie = d.medidas.end() - 1;
        }
        if (p) serie->puntos.push_back(*p);
    }
    if (!ajusta_curva(metodo)) return;
    for (const SerieEnsayo& serie : d.medidas) {
        std::vector<PuntoTiempo> bombeo;
        for (const PuntoTiempo& p : serie.puntos) {
            if (!fin || p.t <= *fin) bombeo.push_back(p);
        }
        std::stable_sort(bombeo.begin(), bombeo.end(),
                         [](const PuntoTiempo& a, const PuntoTiempo& b) { return a.t < b.t; });
        SerieEnsayo derivada{"Derivada " + serie.nombre, serie.color, {}};
        for (const PuntoTiempo& p : derivada_de(bombeo, etapas)) {
            if (p.s > 0) derivada.puntos.push_back(p);
        }
        d.derivadas.push_back(std::move(derivada));
    }
}

// The span of the x of every reading drawn.
std::pair<double, double> extension(const DibujoEnsayo& d) {
    double menor = std::numeric_limits<double>::infinity();
    double mayor = 0;
    for (const SerieEnsayo& s : d.medidas) {
        for (const PuntoTiempo& p : s.puntos) {
            menor = std::min(menor, p.t);
            mayor = std::max(mayor, p.t);
        }
    }
    return {menor, mayor};
}

// The series of well k's readings on the paper.
size_t color_de(const DibujoEnsayo& d, const std::string& nombre) {
    for (const SerieEnsayo& s : d.medidas) {
        if (s.nombre == nombre) return s.color;
    }
    return sin_color;
}

// An interval's factor, its two first digits beyond 1 shown: 1.0043, 1.12, 3.5.
std::string factor(double f) {
    return f < 2 ? number_to_text(1 + redondear_cifras(f - 1, 2)) : redondeado(f, 2);
}

// Whether some observation well's readings of the pumping's end lie all on one side of Theis's
// curve while its derivative falls: what leakage or a recharge boundary does.
bool cae_al_final(const DatosEnsayo& datos, const AjusteTheis& f, const DibujoEnsayo& d) {
    const std::vector<EtapaEnsayo> cambios = datos.cambios();
    for (size_t k = 0; k < datos.piezometros.size(); ++k) {
        std::vector<std::pair<double, double>> lecturas;  // (t, read less computed) pumping
        for (const MedidaEnsayo& m : datos.medidas) {
            if (m.piezometro != k || datos.recuperando(m)) continue;
            const double s = abatimiento_ensayo(f.acuifero, cambios, datos.piezometros[k].r, m.t);
            lecturas.emplace_back(m.t, m.s - s);
        }
        const size_t n = std::max<size_t>(3, lecturas.size() / 10);
        if (lecturas.size() < 2 * n) continue;
        std::sort(lecturas.begin(), lecturas.end());
        const auto ultimas = lecturas.end() - static_cast<std::ptrdiff_t>(n);
        const auto encima = [](const auto& p) { return p.second > 0; };
        if (!std::all_of(ultimas, lecturas.end(), encima) &&
            !std::none_of(ultimas, lecturas.end(), encima))
            continue;
        // The derivative's last value well below its largest over the later half.
        const std::string nombre = "Derivada " + datos.piezometros[k].nombre;
        for (const SerieEnsayo& derivada : d.derivadas) {
            const size_t m = derivada.puntos.size();
            if (derivada.nombre != nombre || m < 6) continue;
            double mayor = 0;
            for (size_t i = m / 2; i < m; ++i) mayor = std::max(mayor, derivada.puntos[i].s);
            if (derivada.puntos.back().s < 0.7 * mayor) return true;
        }
    }
    return false;
}

std::string figuras(const AjusteTheis& f, bool goteo) {
    std::string t = "Error cuadrático medio: " + redondeado(f.rms, 3) + " m, con " +
                    std::to_string(f.medidas) +
                    " medidas.\nIntervalos del 95 %, indicativos (los residuos de un ensayo no "
                    "son independientes): T ×/÷ " +
                    factor(f.factorT) + ", S ×/÷ " + factor(f.factorS);
    if (!goteo) return t + "; correlación de T y S: " + redondeado(f.correlacion, 2) + ".";
    return t + ", c ×/÷ " + factor(f.factorC) + "; correlaciones: T y S " +
           redondeado(f.correlacion, 2) + ", T y c " + redondeado(f.correlacionTc, 2) + ", S y c " +
           redondeado(f.correlacionSc, 2) + ".";
}

void curva(const DatosEnsayo& datos, MetodoEnsayo metodo, AnalisisEnsayo& a) {
    const bool goteo = metodo == MetodoEnsayo::hantush_jacob;
    const Resuelto<AjusteTheis> r = goteo ? ajustar_hantush(datos) : ajustar_theis(datos);
    if (!r) {
        a.resumen = r.rechazo();
        return;
    }
    const AjusteTheis& f = *r;
    a.acuifero = f.acuifero;
    a.resumen = figuras(f, goteo);
    DibujoEnsayo& d = a.dibujo;
    if (!goteo && cae_al_final(datos, f, d)) {
        a.resumen +=
            "\nLa derivada cae al final: el acuífero puede ser semiconfinado o tener un "
            "límite de recarga.";
    }
    const auto [menor, mayor] = extension(d);
    const std::vector<EtapaEnsayo> cambios = datos.cambios();
    for (const Piezometro& p : datos.piezometros) {
        SerieEnsayo linea{nombres_metodos[static_cast<size_t>(metodo)] + (" " + p.nombre),
                          color_de(d, p.nombre),
                          {}};
        for (int i = 0; i < puntos_curva; ++i) {
            const double t = menor / margen *
                             std::pow(margen * margen * mayor / menor, i / (puntos_curva - 1.0));
            const double s = abatimiento_ensayo(f.acuifero, cambios, p.r, t * datos.segundos);
            if (s > 0 && std::isfinite(s)) linea.puntos.push_back({t, s});
        }
        d.curvas.push_back(std::move(linea));
        d.residuos.push_back({p.nombre, color_de(d, p.nombre), {}});
    }
    for (const MedidaEnsayo& m : datos.medidas) {
        const double s =
            abatimiento_ensayo(f.acuifero, cambios, datos.piezometros[m.piezometro].r, m.t);
        d.residuos[m.piezometro].puntos.push_back({m.t / datos.segundos, m.s - s});
    }
}

// Hantush and Bierschenk's paper: s/Q against Q on linear axes, the line a + b Q across the rates.
DibujoEnsayo dibujo_especifico(const Especifico& e, size_t color) {
    DibujoEnsayo d;
    d.titulo = "Ensayo escalonado: abatimiento específico (Hantush-Bierschenk)";
    d.ejeX = "Caudal [m3/s]";
    d.ejeY = "s/Q [s/m2]";
    d.logaritmicoX = false;
    d.logaritmicoY = false;
    d.excluidas.nombre = "Excluidas del ajuste";
    SerieEnsayo puntos{"s/Q al final de cada etapa", color, {}};
    SerieEnsayo residuos{"s/Q", color, {}};
    double mayor = 0;
    for (const PuntoEspecifico& p : e.puntos) {
        puntos.puntos.push_back({p.Q, p.s_Q});
        mayor = std::max(mayor, p.Q);
        if (e.a && e.b) residuos.puntos.push_back({p.Q, p.s_Q - (*e.a + *e.b * p.Q)});
    }
    d.medidas.push_back(std::move(puntos));
    if (e.a && e.b) {
        SerieEnsayo recta{"Recta", color, {}};
        recta.puntos = {{0, *e.a}, {mayor * margen, *e.a + *e.b * mayor * margen}};
        d.curvas.push_back(std::move(recta));
    }
    d.residuos.push_back(std::move(residuos));
    return d;
}

// A step test: the fitted curve through the steps over the readings' span on linear paper, the
// residuals, the figures and the table of efficiencies.
void escalonado(const DatosEnsayo& datos, const PeticionAjuste& p, AnalisisEnsayo& a) {
    const Resuelto<AjusteEscalonado> r = ajustar_escalonado(datos, p.exponente);
    if (!r) {
        a.resumen = r.rechazo();
        return;
    }
    const AjusteEscalonado& f = *r;
    a.acuifero = f.ajuste.acuifero;
    a.C = number_to_text(redondear_cifras(f.C, 6));
    a.unidadC = unidad_perdida(f.n);
    a.n = f.n_ajustado ? number_to_text(redondear_cifras(f.n, 4)) : "2";
    a.resumen = "Error cuadrático medio: " + redondeado(f.ajuste.rms, 3) + " m, con " +
                std::to_string(f.ajuste.medidas) +
                " medidas.\nIntervalos del 95 %, indicativos (los residuos de un ensayo no son "
                "independientes): T ×/÷ " +
                factor(f.ajuste.factorT) + ", S ×/÷ " + factor(f.ajuste.factorS) + ", C ×/÷ " +
                factor(f.factorC) +
                (f.n_ajustado ? ", n ± " + redondeado(f.intervaloN, 2) : std::string()) +
                ".\nS es un valor efectivo: incluye el efecto pelicular del pozo. La pérdida en "
                "el pozo es C·Q" +
                (f.n_ajustado ? "ⁿ (Rorabaugh)." : "² (Jacob).");
    for (const EficienciaEtapa& e : f.etapas) {
        a.eficiencia.push_back({number_to_text(e.Q), format_4dec(e.total()),
                                format_4dec(e.acuifero), format_4dec(e.pozo),
                                format_4dec(e.eficiencia())});
    }
    DibujoEnsayo& d = a.dibujo;
    const double hasta = extension(d).second;
    const size_t color = color_de(d, datos.piezometros.front().nombre);
    a.especifico = dibujo_especifico(f.especifico, color);
    SerieEnsayo linea{"Ajuste", color, {}};
    constexpr int puntos_escalones = 400;
    for (int i = 1; i <= puntos_escalones; ++i) {
        const double t = hasta * i / puntos_escalones;
        const double s = abatimiento_escalonado(f, datos, t * datos.segundos);
        if (std::isfinite(s)) linea.puntos.push_back({t, s});
    }
    d.curvas.push_back(std::move(linea));
    d.residuos.push_back({datos.piezometros.front().nombre, color, {}});
    for (const MedidaEnsayo& m : datos.medidas) {
        d.residuos.back().puntos.push_back(
            {m.t / datos.segundos, m.s - abatimiento_escalonado(f, datos, m.t)});
    }
}

// A bound of the lines' window, in the test's unit, as seconds.
std::optional<double> limite(const std::string& texto, const char* cual, double segundos) {
    if (recortar_blancos(texto).empty()) return std::nullopt;
    const std::optional<double> v = numero_ensayo(texto);
    if (!v) rechazar("«" + std::string(cual) + "», " + cita(texto) + ", no es un valor numérico.");
    return *v * segundos;
}

// The window of times typed, or why it is none.
Resuelto<VentanaTiempos> ventana_de(const PeticionAjuste& p, double segundos) {
    return resolver([&] {
        const VentanaTiempos v{limite(p.desde, "Desde", segundos),
                               limite(p.hasta, "Hasta", segundos)};
        if (v.desde && v.hasta && *v.desde >= *v.hasta)
            rechazar("«Desde» debe ser menor que «Hasta».");
        return v;
    });
}

void rectas(const DatosEnsayo& datos, const PeticionAjuste& p, const std::string& unidad,
            AnalisisEnsayo& a) {
    const Resuelto<VentanaTiempos> leida = ventana_de(p, datos.segundos);
    if (!leida) {
        a.resumen = leida.rechazo();
        return;
    }
    const VentanaTiempos& ventana = *leida;
    const bool cj = p.metodo == MetodoEnsayo::cooper_jacob;
    const Resuelto<AjusteRectas> r =
        cj ? cooper_jacob(datos, ventana) : recuperacion_theis(datos, ventana);
    if (!r) {
        a.resumen = r.rechazo();
        return;
    }
    const AjusteRectas& f = *r;
    a.acuifero = f.acuifero;
    std::string texto;
    if (f.seleccion) {
        texto = std::string("Rectas por las medidas ") +
                (cj ? "con u" : "de la recuperación con u'") +
                " ≤ 0.05 según el ajuste de Theis (T = " + redondeado(f.seleccion->acuifero.T, 3) +
                " m²/s, S = " + redondeado(f.seleccion->acuifero.S, 3) + "):";
    } else {
        texto = "Rectas por las medidas de la ventana de tiempos:";
    }
    DibujoEnsayo& d = a.dibujo;
    for (const RectaPiezometro& recta : f.rectas) {
        const Piezometro& pz = datos.piezometros[recta.piezometro];
        texto += "\n" + cita(pz.nombre) + ": T = " + redondeado(recta.acuifero.T, 3) + " m²/s";
        if (cj) texto += ", S = " + redondeado(recta.acuifero.S, 3);
        texto += ", " + std::to_string(recta.medidas.size()) + " medidas de " +
                 redondeado(recta.desde / datos.segundos, 3) + " a " +
                 redondeado(recta.hasta / datos.segundos, 3) + " " + unidad + ".";
        const size_t color = color_de(d, pz.nombre);
        SerieEnsayo linea{(cj ? "Recta " : "Recuperación ") + pz.nombre, color, {}};
        SerieEnsayo residuo{pz.nombre, color, {}};
        double x0 = 0;
        double x1 = 0;
        for (const size_t i : recta.medidas) {
            const MedidaEnsayo& m = datos.medidas[i];
            const PuntoRecta q = *en_papel_recta(datos, !cj, m.t, m.s);
            const double x = q.x;
            residuo.puntos.push_back({cj ? x / datos.segundos : x, q.y - recta.recta.en(x)});
            x0 = x0 == 0 ? x : std::min(x0, x);
            x1 = std::max(x1, x);
        }
        // Over the span of its well's readings, to where the line reaches zero drawdown.
        const double cero = std::pow(10.0, -recta.recta.a / recta.recta.b);
        for (const SerieEnsayo& s : d.medidas) {
            if (s.color != color) continue;
            for (const PuntoTiempo& q : s.puntos) {
                const double x = cj ? q.t * datos.segundos : q.t;
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
            }
        }
        x0 = std::max(x0 / margen, cero);
        x1 *= margen;
        const double escala = cj ? datos.segundos : 1;
        if (x1 > x0) {
            linea.puntos = {{x0 / escala, recta.recta.en(x0)}, {x1 / escala, recta.recta.en(x1)}};
        }
        d.curvas.push_back(std::move(linea));
        d.residuos.push_back(std::move(residuo));
    }
    for (const auto& [k, porque] : f.sin_recta) {
        texto += "\n" + cita(datos.piezometros[k].nombre) + ": sin recta, " + porque + ".";
    }
    texto += std::string("\n") + (f.rectas.size() > 1 ? "T" : "") +
             (f.rectas.size() > 1 ? (cj ? " y S: medias de los " : ": media de los ") +
                                        std::to_string(f.rectas.size()) + " piezómetros. "
                                  : "") +
             "Error cuadrático medio: " + redondeado(f.rms, 3) + " m, con " +
             std::to_string(f.medidas) + " medidas.";
    if (!cj) texto += "\nLa recuperación no da S: «Usar en el estudio» deja la del acuífero.";
    if (!datos.etapas.empty()) {
        texto +=
            "\nCon caudal por etapas, las rectas van contra el tiempo equivalente de la "
            "superposición (Birsoy y Summers)" +
            std::string(cj ? ", con el abatimiento al caudal de la primera etapa." : ".");
    }
    a.resumen = texto;
}

// The readings at t = 0 that the fit left out by themselves, counted.
std::string al_comienzo(int n) {
    if (n == 1) return "La medida en t = 0 queda fuera del ajuste.";
    return "Las " + std::to_string(n) + " medidas en t = 0 quedan fuera del ajuste.";
}

}  // namespace

std::string redondeado(double valor, int cifras) {
    return number_to_text(redondear_cifras(valor, cifras));
}

AnalisisEnsayo analizar_ensayo(const EnsayoTexto& e, const PeticionAjuste& p, bool ajustar) {
    AnalisisEnsayo a;
    const Resuelto<DatosEnsayo> datos = leer_ensayo(e);
    const DatosEnsayo* etapas = con_etapas(datos);
    a.dibujo = papel(p.metodo, e.unidad_tiempo, etapas != nullptr && es_recta(p.metodo));
    dibujar_medidas(e, p.metodo, etapas, a.dibujo);
    if (!ajustar) return a;
    if (!datos) {
        a.resumen = datos.rechazo();
        return a;
    }
    if (p.metodo == MetodoEnsayo::escalonado) {
        escalonado(*datos, p, a);
    } else if (ajusta_curva(p.metodo)) {
        curva(*datos, p.metodo, a);
    } else {
        rectas(*datos, p, e.unidad_tiempo, a);
    }
    if (datos->al_comienzo > 0) a.resumen += "\n" + al_comienzo(datos->al_comienzo);
    if (a.acuifero) {
        a.T = number_to_text(a.acuifero->T);
        if (a.acuifero->S > 0) a.S = number_to_text(a.acuifero->S);
        if (a.acuifero->c) a.c = number_to_text(*a.acuifero->c);
    }
    return a;
}

}  // namespace abat
