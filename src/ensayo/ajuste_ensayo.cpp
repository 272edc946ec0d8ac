#include "ensayo/ajuste_ensayo.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "calc/abatimiento.h"
#include "calc/funcion_pozo.h"
#include "ensayo/minimos_cuadrados.h"
#include "ensayo/recta_semilog.h"
#include "ensayo/rectas_ensayo.h"

namespace abat {
namespace {

// A change of rate Q, at `r` [m] after `t` [s], as the drawdowns of the study are computed, and
// its derivatives with respect to ln T, ln S and ln c. With a = Q / (4 pi T): s = a W(u, β), u
// going as S / T and β as (T c)^-1/2.
DerivadasAbatimiento parte(const Acuifero& a, const FuncionPozo& w, double Q, double r, double t) {
    const double u = u_de(a, r, t / segundos_por_dia);
    const double k = Q / (a.T * cuatro_pi);
    const double s = abatimiento_fuente(a, w, Q, u, r);
    const double por_lnu = k * w.u_por_derivada(u, r);
    const double por_lnbeta = k * w.beta_por_derivada(u, r);
    return {s, {-s - por_lnu - por_lnbeta / 2, por_lnu, -por_lnbeta / 2}};
}

// The residuals (computed less read) over x = (ln T, ln S), and ln c of a leaky aquifer. A
// residual that cannot be computed, far from any sensible aquifer, is a large one, so the step
// that led there is refused.
struct Residuos : Eigen::DenseFunctor<double> {
    Residuos(const DatosEnsayo& d, int parametros)
        : Eigen::DenseFunctor<double>(parametros, static_cast<int>(d.medidas.size())),
          d_(d),
          cambios_(d.cambios()) {}

    static Acuifero acuifero(const Eigen::VectorXd& x) {
        return {std::exp(x[0]), std::exp(x[1]),
                x.size() > 2 ? std::optional<double>(std::exp(x[2])) : std::nullopt};
    }

    int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& f) const {
        const Acuifero a = acuifero(x);
        for (Eigen::Index i = 0; i < f.size(); ++i) {
            const MedidaEnsayo& m = d_.medidas[static_cast<size_t>(i)];
            const double s = abatimiento_ensayo(a, cambios_, d_.piezometros[m.piezometro].r, m.t);
            f[i] = std::isfinite(s) ? s - m.s : residuo_inalcanzable;
        }
        return 0;
    }

    int df(const Eigen::VectorXd& x, JacobianType& J) const {
        const Acuifero a = acuifero(x);
        for (Eigen::Index i = 0; i < J.rows(); ++i) {
            const MedidaEnsayo& m = d_.medidas[static_cast<size_t>(i)];
            const DerivadasAbatimiento t =
                abatimiento_y_derivadas(a, cambios_, d_.piezometros[m.piezometro].r, m.t);
            const bool vale =
                std::isfinite(t.s) &&
                std::all_of(t.por.begin(), t.por.end(), [](double v) { return std::isfinite(v); });
            for (Eigen::Index j = 0; j < J.cols(); ++j)
                J(i, j) = vale ? t.por[static_cast<size_t>(j)] : 0;
        }
        return 0;
    }

  private:
    const DatosEnsayo& d_;
    std::vector<EtapaEnsayo> cambios_;
};

struct Minimo {
    Eigen::VectorXd x;
    double suma = 0;  // of the squared residuals
};

// From `inicio`, over ln T and ln S, and ln c when it gives one.
std::optional<Minimo> minimizar(const DatosEnsayo& d, const Acuifero& inicio) {
    const auto positivo = [](double v) { return v > 0 && std::isfinite(v); };
    if (!positivo(inicio.T) || !positivo(inicio.S) || (inicio.c && !positivo(*inicio.c)))
        return std::nullopt;
    const int n = inicio.c ? 3 : 2;
    Residuos f(d, n);
    Eigen::VectorXd x(n);
    x[0] = std::log(inicio.T);
    x[1] = std::log(inicio.S);
    if (inicio.c) x[2] = std::log(*inicio.c);
    const std::optional<double> suma = descender(f, x);
    if (!suma) return std::nullopt;
    return Minimo{x, *suma};
}

// A minimum that fits: it does better than no drawdown at all, at an aquifer a double can hold.
bool ajusta(const DatosEnsayo& d, const std::optional<Minimo>& m) {
    if (!m) return false;
    double ss = 0;
    for (const MedidaEnsayo& k : d.medidas) ss += k.s * k.s;
    return m->suma < ss && m->x.cwiseAbs().maxCoeff() < 300;
}

}  // namespace

double abatimiento_ensayo(const Acuifero& a, const std::vector<EtapaEnsayo>& cambios, double r,
                          double t) {
    const FuncionPozo w(a);
    double s = 0;
    for (const EtapaEnsayo& c : cambios) {
        if (t > c.desde)
            s += abatimiento_fuente(a, w, c.Q, u_de(a, r, (t - c.desde) / segundos_por_dia), r);
    }
    return s;
}

DerivadasAbatimiento abatimiento_y_derivadas(const Acuifero& a,
                                             const std::vector<EtapaEnsayo>& cambios, double r,
                                             double t) {
    const FuncionPozo w(a);
    DerivadasAbatimiento x;
    for (const EtapaEnsayo& c : cambios) {
        if (!(t > c.desde)) continue;
        const DerivadasAbatimiento p = parte(a, w, c.Q, r, t - c.desde);
        x.s += p.s;
        for (size_t j = 0; j < x.por.size(); ++j) x.por[j] += p.por[j];
    }
    return x;
}

double abatimiento_theis(const Acuifero& a, double Q, double r, double t,
                         std::optional<double> fin) {
    std::vector<EtapaEnsayo> cambios{{0, Q}};
    if (fin) cambios.push_back({*fin, -Q});
    return abatimiento_ensayo(a, cambios, r, t);
}

namespace {

// The best start on a grid of ratios S / 4T (and, for a leaky aquifer, of leakage factors B):
// with those fixed the drawdowns go as 1 / T, whose best value is a closed form; the pair of least
// squares wins.
std::optional<Acuifero> perfil(const DatosEnsayo& d, const std::vector<double>& factores_goteo) {
    const std::vector<EtapaEnsayo> cambios = d.cambios();
    std::optional<Acuifero> mejor;
    double menor = std::numeric_limits<double>::infinity();
    for (const double B : factores_goteo) {
        // At T = 1 an aquitard of B² / T seconds gives the leakage factor B.
        const std::optional<double> c =
            B > 0 ? std::optional<double>(B * B / segundos_por_dia) : std::nullopt;
        for (double e = -14; e <= 4; e += 0.25) {
            const double beta = std::pow(10.0, e);  // S / 4T
            double sd = 0;
            double dd = 0;
            double ss = 0;
            for (const MedidaEnsayo& m : d.medidas) {
                // The drawdown at T = 1, which the drawdown at T goes as 1 / T of.
                const double D = abatimiento_ensayo({1, 4 * beta, c}, cambios,
                                                    d.piezometros[m.piezometro].r, m.t);
                sd += m.s * D;
                dd += D * D;
                ss += m.s * m.s;
            }
            if (!(dd > 0) || !(sd > 0)) continue;
            const double resto = ss - sd * sd / dd;
            if (resto < menor) {
                menor = resto;
                const double T = dd / sd;
                mejor = Acuifero{T, 4 * beta * T, c ? std::optional<double>(*c / T) : std::nullopt};
            }
        }
    }
    return mejor;
}

}  // namespace

std::optional<Acuifero> inicio_por_perfil(const DatosEnsayo& d) {
    return perfil(d, {0});
}

std::optional<Acuifero> inicio_cooper_jacob(const DatosEnsayo& d) {
    double lnT = 0;
    double lnS = 0;
    int rectas = 0;
    for (size_t k = 0; k < d.piezometros.size(); ++k) {
        std::vector<double> t;
        std::vector<double> s;
        const auto en_la_primera = [&d](const MedidaEnsayo& m) {
            return !d.recuperando(m) && (d.etapas.empty() || m.t <= d.etapas.front().desde);
        };
        for (const MedidaEnsayo& m : d.medidas) {
            if (m.piezometro == k && en_la_primera(m)) t.push_back(m.t);
        }
        std::sort(t.begin(), t.end());
        if (t.size() < 2) continue;
        const double desde = t[t.size() / 2 - (t.size() == 2 ? 1 : 0)];  // the later half
        t.clear();
        for (const MedidaEnsayo& m : d.medidas) {
            if (m.piezometro == k && en_la_primera(m) && m.t >= desde) {
                t.push_back(m.t);
                s.push_back(m.s);
            }
        }
        const std::optional<Recta> recta = recta_semilog(t, s);
        const std::optional<Acuifero> a =
            recta ? acuifero_de_la_recta(*recta, d.Q, d.piezometros[k].r) : std::nullopt;
        if (!a) continue;
        lnT += std::log(a->T);
        lnS += std::log(a->S);
        ++rectas;
    }
    if (rectas == 0) return std::nullopt;
    return Acuifero{std::exp(lnT / rectas), std::exp(lnS / rectas)};
}

namespace {

// The fit's figures at the minimum: the intervals from the Jacobian there; refused when the
// readings do not tell the parameters apart.
Resuelto<AjusteTheis> figuras(const DatosEnsayo& d, const Minimo& m) {
    const auto n = static_cast<Eigen::Index>(d.medidas.size());
    const Eigen::Index k = m.x.size();
    if (n <= k) {
        return Rechazo{"Hay " + std::to_string(n) + " medidas en el ajuste de " +
                       std::to_string(k) + " valores: hacen falta más para estimar su error."};
    }
    Residuos f(d, static_cast<int>(k));
    Eigen::MatrixXd J(n, k);
    f.df(m.x, J);
    const std::optional<Covarianza> cov = covarianza(J, m.suma);
    if (!cov) {
        return Rechazo{
            k == 2 ? "Las medidas no distinguen T de S: todas dan la misma razón entre el cuadrado "
                     "de la distancia y el tiempo, o la curva apenas cambia en ellas. Añada "
                     "medidas de otros tiempos o piezómetros."
                   : "Las medidas no distinguen T, S y c entre sí: la curva apenas cambia con "
                     "alguno de ellos. Añada medidas de otros tiempos o piezómetros."};
    }
    const auto factor = [&](Eigen::Index j) { return cov->factor(j); };
    const auto correlacion = [&](Eigen::Index i, Eigen::Index j) { return cov->correlacion(i, j); };
    AjusteTheis a;
    a.acuifero = Residuos::acuifero(m.x);
    a.rms = std::sqrt(m.suma / static_cast<double>(n));
    a.medidas = static_cast<size_t>(n);
    a.factorT = factor(0);
    a.factorS = factor(1);
    a.correlacion = correlacion(0, 1);
    if (k > 2) {
        a.factorC = factor(2);
        a.correlacionTc = correlacion(0, 2);
        a.correlacionSc = correlacion(1, 2);
    }
    return a;
}

// How far the leakage moves the fitted curve at the readings: the largest difference from
// Theis's with the same T and S, m.
double efecto_del_goteo(const DatosEnsayo& d, const Acuifero& a) {
    double mayor = 0;
    const Acuifero confinado{a.T, a.S};
    const std::vector<EtapaEnsayo> cambios = d.cambios();
    for (const MedidaEnsayo& m : d.medidas) {
        const double r = d.piezometros[m.piezometro].r;
        mayor = std::max(mayor, std::fabs(abatimiento_ensayo(a, cambios, r, m.t) -
                                          abatimiento_ensayo(confinado, cambios, r, m.t)));
    }
    return mayor;
}

}  // namespace

std::string medidas_en_ajuste(size_t n, const char* curva, int minimo) {
    return "Hay " + std::to_string(n) + (n == 1 ? " medida" : " medidas") +
           " en el ajuste: " + curva + " necesita al menos " + std::to_string(minimo) + ".";
}

Resuelto<AjusteTheis> ajustar_theis(const DatosEnsayo& d, std::optional<Acuifero> inicio) {
    const size_t n = d.medidas.size();
    if (n < 3) return Rechazo{medidas_en_ajuste(n, "la curva de Theis", 3)};
    if (inicio) inicio->c.reset();
    if (!inicio) inicio = inicio_cooper_jacob(d);
    std::optional<Minimo> m = inicio ? minimizar(d, *inicio) : std::nullopt;
    // From a start in the flat reaches of W(u) the descent can stall: once more from the best
    // start a coarse search finds.
    if (!ajusta(d, m)) {
        const std::optional<Acuifero> otro = inicio_por_perfil(d);
        if (otro) m = minimizar(d, *otro);
    }
    if (!ajusta(d, m)) {
        return Rechazo{
            "Las medidas no dan un ajuste de la curva de Theis: ninguna T y S reproducen sus "
            "abatimientos mejor que un abatimiento nulo."};
    }
    return figuras(d, *m);
}

Resuelto<AjusteTheis> ajustar_hantush(const DatosEnsayo& d, std::optional<Acuifero> inicio) {
    const size_t n = d.medidas.size();
    if (n < 4) return Rechazo{medidas_en_ajuste(n, "la curva de Hantush-Jacob", 4)};
    std::optional<Minimo> m;
    const auto probar = [&](const Acuifero& a) {
        std::optional<Minimo> otro = minimizar(d, a);
        if (ajusta(d, otro) && (!m || otro->suma < m->suma)) m = otro;
    };
    if (inicio && inicio->c) probar(*inicio);
    // From Theis's fit, with leakage factors that put the observation wells from well inside to
    // well beyond B: the descent reaches the minimum from one of them, whatever the start given.
    const Resuelto<AjusteTheis> theis = ajustar_theis(d);
    if (!theis && !m) return Rechazo{theis.rechazo()};
    if (theis) {
        double r = 0;
        for (const Piezometro& p : d.piezometros) r += std::log(p.r);
        r = std::exp(r / static_cast<double>(d.piezometros.size()));
        const Acuifero& a = theis->acuifero;
        for (const double beta : {0.01, 0.1, 0.5, 2.0})
            probar({a.T, a.S, r * r / (beta * beta * a.T * segundos_por_dia)});
    }
    // Without leakage c runs away to where it no longer moves the curve.
    const auto sin_goteo = [&] {
        const double rms = std::sqrt(m->suma / static_cast<double>(n));
        return m->x[2] > 200 ||
               efecto_del_goteo(d, Residuos::acuifero(m->x)) < std::max(2 * rms, 1e-4);
    };
    // Readings near the steady state from the first minutes leave Theis's fit far from the
    // aquifer (T too large, S vanishing), and every start from it short of the minimum: once more
    // from the best of a coarse search over S / T and B too, from a tenth of the observation
    // wells' distances to a thousand times them.
    if (!m || sin_goteo()) {
        double r = 0;
        for (const Piezometro& p : d.piezometros) r += std::log(p.r);
        r = std::exp(r / static_cast<double>(d.piezometros.size()));
        std::vector<double> factores;
        for (double e = -1; e <= 3; e += 0.5) factores.push_back(r * std::pow(10.0, e));
        if (const std::optional<Acuifero> a = perfil(d, factores)) probar(*a);
    }
    if (!m) {
        return Rechazo{
            "Las medidas no dan un ajuste de la curva de Hantush-Jacob: ninguna T, S y c "
            "reproducen sus abatimientos mejor que un abatimiento nulo."};
    }
    // No leakage: no number to give.
    if (sin_goteo()) {
        return Rechazo{
            "Las medidas no muestran goteo: la resistencia del acuitardo que mejor las ajusta "
            "crece sin límite, y la curva es la de Theis. Ajústelas con el método de Theis."};
    }
    return figuras(d, *m);
}

}  // namespace abat
