#include "ensayo/ajuste_ensayo.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/LevenbergMarquardt>

#include <algorithm>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <numeric>

#include "calc/abatimiento.h"
#include "calc/funcion_pozo.h"
#include "ensayo/recta_semilog.h"
#include "ensayo/rectas_ensayo.h"

namespace abat {
namespace {

// A reading's drawdown and its derivative with respect to ln S; the one with respect to ln T is
// -s - ds/dlnS, since u goes as S/T and the drawdown as W(u)/T.
struct Termino {
    double s;
    double por_lnS;
};

// A well pumping Q from `desde` [s] on, at `r` [m] after `t` [s], as the drawdowns of the study
// are computed.
Termino parte(const Acuifero& a, const FuncionPozo& w, double Q, double r, double t) {
    const double u = u_de(a, r, t / segundos_por_dia);
    return {abatimiento_fuente(a, w, Q, u, r), Q / (a.T * cuatro_pi) * w.u_por_derivada(u, r)};
}

Termino termino(const Acuifero& a, double Q, double r, double t, std::optional<double> fin) {
    const FuncionPozo w(a);
    Termino x = parte(a, w, Q, r, t);
    if (fin && t > *fin) {  // the well that injects from the stop on
        const Termino recupera = parte(a, w, Q, r, t - *fin);
        x.s -= recupera.s;
        x.por_lnS -= recupera.por_lnS;
    }
    return x;
}

// The residuals (computed less read) over x = (ln T, ln S). A residual that cannot be computed,
// far from any sensible aquifer, is a large one, so the step that led there is refused.
struct Residuos : Eigen::DenseFunctor<double> {
    explicit Residuos(const DatosEnsayo& d)
        : Eigen::DenseFunctor<double>(2, static_cast<int>(d.medidas.size())), d_(d) {}

    static Acuifero acuifero(const Eigen::VectorXd& x) { return {std::exp(x[0]), std::exp(x[1])}; }

    int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& f) const {
        const Acuifero a = acuifero(x);
        for (Eigen::Index i = 0; i < f.size(); ++i) {
            const MedidaEnsayo& m = d_.medidas[static_cast<size_t>(i)];
            const double s = termino(a, d_.Q, d_.piezometros[m.piezometro].r, m.t, d_.fin).s;
            f[i] = std::isfinite(s) ? s - m.s : inalcanzable;
        }
        return 0;
    }

    int df(const Eigen::VectorXd& x, JacobianType& J) const {
        const Acuifero a = acuifero(x);
        for (Eigen::Index i = 0; i < J.rows(); ++i) {
            const MedidaEnsayo& m = d_.medidas[static_cast<size_t>(i)];
            const Termino t = termino(a, d_.Q, d_.piezometros[m.piezometro].r, m.t, d_.fin);
            const bool vale = std::isfinite(t.s) && std::isfinite(t.por_lnS);
            J(i, 0) = vale ? -t.s - t.por_lnS : 0;
            J(i, 1) = vale ? t.por_lnS : 0;
        }
        return 0;
    }

    static constexpr double inalcanzable = 1e100;  // m; its square still a double

  private:
    const DatosEnsayo& d_;
};

// A start found without one: for each ratio S/T on a wide grid the drawdowns are proportional
// to 1/T, whose best value is a closed form; the ratio of least squares wins.
std::optional<Acuifero> inicio_por_perfil(const DatosEnsayo& d) {
    std::optional<Acuifero> mejor;
    double menor = std::numeric_limits<double>::infinity();
    for (double e = -14; e <= 4; e += 0.25) {
        const double beta = std::pow(10.0, e);  // S / 4T
        double sd = 0;
        double dd = 0;
        double ss = 0;
        for (const MedidaEnsayo& m : d.medidas) {
            const double D =
                termino({1, 4 * beta}, cuatro_pi, d.piezometros[m.piezometro].r, m.t, d.fin)
                    .s;  // W(u) less W(u') at T = 1, Q = 4 pi
            sd += m.s * D;
            dd += D * D;
            ss += m.s * m.s;
        }
        if (!(dd > 0) || !(sd > 0)) continue;
        const double resto = ss - sd * sd / dd;
        if (resto < menor) {
            menor = resto;
            const double T = d.Q / (cuatro_pi * (sd / dd));
            mejor = Acuifero{T, 4 * beta * T};
        }
    }
    return mejor;
}

struct Minimo {
    Eigen::VectorXd x;
    double suma = 0;  // of the squared residuals
};

std::optional<Minimo> minimizar(const DatosEnsayo& d, const Acuifero& inicio) {
    if (!(inicio.T > 0) || !(inicio.S > 0) || !std::isfinite(inicio.T) ||
        !std::isfinite(inicio.S)) {
        return std::nullopt;
    }
    Residuos f(d);
    Eigen::LevenbergMarquardt<Residuos> lm(f);
    lm.setXtol(1e-12);
    lm.setFtol(1e-14);
    lm.setMaxfev(2000);
    Eigen::VectorXd x(2);
    x << std::log(inicio.T), std::log(inicio.S);
    const auto estado = lm.minimize(x);
    using namespace Eigen::LevenbergMarquardtSpace;
    if (estado == ImproperInputParameters || estado == TooManyFunctionEvaluation ||
        estado == UserAsked) {
        return std::nullopt;
    }
    Eigen::VectorXd r(f.values());
    f(x, r);
    if (!x.allFinite() || !r.allFinite()) return std::nullopt;
    return Minimo{x, r.squaredNorm()};
}

// A minimum that fits: it does better than no drawdown at all, at an aquifer a double can hold.
bool ajusta(const DatosEnsayo& d, const std::optional<Minimo>& m) {
    if (!m) return false;
    double ss = 0;
    for (const MedidaEnsayo& k : d.medidas) ss += k.s * k.s;
    return m->suma < ss && m->x.cwiseAbs().maxCoeff() < 300;
}

}  // namespace

double abatimiento_theis(const Acuifero& a, double Q, double r, double t,
                         std::optional<double> fin) {
    return termino(a, Q, r, t, fin).s;
}

std::optional<Acuifero> inicio_cooper_jacob(const DatosEnsayo& d) {
    double lnT = 0;
    double lnS = 0;
    int rectas = 0;
    for (size_t k = 0; k < d.piezometros.size(); ++k) {
        std::vector<double> t;
        std::vector<double> s;
        for (const MedidaEnsayo& m : d.medidas) {
            if (m.piezometro == k && !d.recuperando(m)) t.push_back(m.t);
        }
        std::sort(t.begin(), t.end());
        if (t.size() < 2) continue;
        const double desde = t[t.size() / 2 - (t.size() == 2 ? 1 : 0)];  // the later half
        t.clear();
        for (const MedidaEnsayo& m : d.medidas) {
            if (m.piezometro == k && !d.recuperando(m) && m.t >= desde) {
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

Resuelto<AjusteTheis> ajustar_theis(const DatosEnsayo& d, std::optional<Acuifero> inicio) {
    const size_t n = d.medidas.size();
    if (n < 3) {
        return Rechazo{"Hay " + std::to_string(n) + (n == 1 ? " medida" : " medidas") +
                       " en el ajuste: la curva de Theis necesita al menos 3."};
    }
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
    Residuos f(d);
    Eigen::MatrixXd J(static_cast<Eigen::Index>(n), 2);
    f.df(m->x, J);
    const Eigen::Matrix2d JtJ = J.transpose() * J;
    const double det = JtJ.determinant();
    if (!(det > 1e-12 * JtJ(0, 0) * JtJ(1, 1))) {
        return Rechazo{
            "Las medidas no distinguen T de S: todas dan la misma razón entre el cuadrado de la "
            "distancia y el tiempo, o la curva apenas cambia en ellas. Añada medidas de otros "
            "tiempos o piezómetros."};
    }
    const double varianza = m->suma / static_cast<double>(n - 2);
    const Eigen::Matrix2d cov = varianza * JtJ.inverse();
    const boost::math::students_t t_student(static_cast<double>(n - 2));
    const double t95 = boost::math::quantile(t_student, 0.975);
    AjusteTheis a;
    a.acuifero = Residuos::acuifero(m->x);
    a.rms = std::sqrt(m->suma / static_cast<double>(n));
    a.medidas = n;
    a.factorT = std::exp(t95 * std::sqrt(cov(0, 0)));
    a.factorS = std::exp(t95 * std::sqrt(cov(1, 1)));
    const Eigen::Matrix2d inv = JtJ.inverse();
    a.correlacion = inv(0, 1) / std::sqrt(inv(0, 0) * inv(1, 1));
    return a;
}

}  // namespace abat
