#include "ensayo/ensayo_escalonado.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "ensayo/analisis_ensayo.h"
#include "ensayo/minimos_cuadrados.h"
#include "ensayo/recta_semilog.h"
#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {
namespace {

// n over the whole line, kept between its bounds: n = n_minimo + (n_maximo − n_minimo) σ(z).
double n_de(double z) {
    return n_minimo + (n_maximo - n_minimo) / (1 + std::exp(-z));
}
double z_de(double n) {
    const double p = (n - n_minimo) / (n_maximo - n_minimo);
    return std::log(p / (1 - p));
}
double dn_dz(double z) {
    const double sigma = 1 / (1 + std::exp(-z));
    return (n_maximo - n_minimo) * sigma * (1 - sigma);
}

// The residuals (computed less read) over x = (ln T, ln S, ln C), and z of n when n is fitted.
struct Residuos : Eigen::DenseFunctor<double> {
    Residuos(const DatosEnsayo& d, int parametros)
        : Eigen::DenseFunctor<double>(parametros, static_cast<int>(d.medidas.size())),
          d_(d),
          cambios_(d.cambios()),
          r_(d.piezometros.front().r) {
        caudales_.reserve(d.medidas.size());
        for (const MedidaEnsayo& m : d.medidas) caudales_.push_back(d.caudal_en(m.t));
    }

    static double n(const Eigen::VectorXd& x) { return x.size() > 3 ? n_de(x[3]) : 2.0; }

    int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& f) const {
        const Acuifero a{std::exp(x[0]), std::exp(x[1])};
        const double C = std::exp(x[2]);
        for (Eigen::Index i = 0; i < f.size(); ++i) {
            const auto k = static_cast<size_t>(i);
            const double s = abatimiento_ensayo(a, cambios_, r_, d_.medidas[k].t) +
                             perdida_pozo(C, n(x), caudales_[k]);
            f[i] = std::isfinite(s) ? s - d_.medidas[k].s : residuo_inalcanzable;
        }
        return 0;
    }

    int df(const Eigen::VectorXd& x, JacobianType& J) const {
        const Acuifero a{std::exp(x[0]), std::exp(x[1])};
        const double C = std::exp(x[2]);
        for (Eigen::Index i = 0; i < J.rows(); ++i) {
            const auto k = static_cast<size_t>(i);
            const DerivadasAbatimiento t =
                abatimiento_y_derivadas(a, cambios_, r_, d_.medidas[k].t);
            const double Q = caudales_[k];
            const double perdida = perdida_pozo(C, n(x), Q);
            J(i, 0) = t.por[0];
            J(i, 1) = t.por[1];
            J(i, 2) = perdida;
            if (J.cols() > 3) J(i, 3) = Q != 0 ? perdida * std::log(std::fabs(Q)) * dn_dz(x[3]) : 0;
        }
        if (!J.allFinite()) J.setZero();
        return 0;
    }

  private:
    const DatosEnsayo& d_;
    std::vector<EtapaEnsayo> cambios_;
    double r_;
    std::vector<double> caudales_;  // the rate at each reading
};

struct Minimo {
    Eigen::VectorXd x;
    double suma = 0;
};

std::optional<Minimo> minimizar(const DatosEnsayo& d, Eigen::VectorXd x) {
    if (!x.allFinite()) return std::nullopt;
    Residuos f(d, static_cast<int>(x.size()));
    const std::optional<double> suma = descender(f, x);
    if (!suma) return std::nullopt;
    double ss = 0;
    for (const MedidaEnsayo& m : d.medidas) ss += m.s * m.s;
    // Better than no drawdown at all, at values a double holds.
    if (!(*suma < ss) || x.cwiseAbs().maxCoeff() > 300) return std::nullopt;
    return Minimo{x, *suma};
}

// The rates of the pumping, in order: the first and each step's, before the stop.
std::vector<double> caudales(const DatosEnsayo& d) {
    std::vector<double> q{d.Q};
    for (const EtapaEnsayo& e : d.etapas) q.push_back(e.Q);
    return q;
}

// When each rate ends: the next step's start, the stop, or the last reading.
double fin_de_etapa(const DatosEnsayo& d, size_t k) {
    if (k < d.etapas.size()) return d.etapas[k].desde;
    if (d.fin) return *d.fin;
    double ultima = 0;
    for (const MedidaEnsayo& m : d.medidas) ultima = std::max(ultima, m.t);
    return ultima;
}

double comienzo_de_etapa(const DatosEnsayo& d, size_t k) {
    return k == 0 ? 0 : d.etapas[k - 1].desde;
}

void comprobar(const DatosEnsayo& d, bool ajustar_n) {
    if (d.piezometros.size() > 1) {
        std::string nombres;
        for (const Piezometro& p : d.piezometros)
            nombres += (nombres.empty() ? "" : ", ") + cita(p.nombre);
        rechazar("El ensayo escalonado se mide en el pozo bombeado, y las medidas son de " +
                 std::to_string(d.piezometros.size()) + " pozos (" + nombres +
                 "): excluya del ajuste las de los piezómetros.");
    }
    const size_t necesarias = ajustar_n ? 3 : 2;
    const std::string con = ajustar_n ? "con el exponente ajustado" : "con n = 2";
    const std::vector<double> q = caudales(d);
    if (q.size() < necesarias) {
        rechazar("Hay " + std::to_string(q.size()) + (q.size() == 1 ? " etapa" : " etapas") +
                 " de caudal: el ensayo escalonado " + con + " necesita al menos " +
                 std::to_string(necesarias) + ". Añádalas con «Caudal por etapas…».");
    }
    const std::set<double> distintos(q.begin(), q.end());
    if (distintos.size() < necesarias) {
        rechazar("El caudal no cambia entre las etapas: el ensayo escalonado " + con +
                 " necesita al menos " + std::to_string(necesarias) +
                 " caudales distintos para separar la pérdida en el pozo de la del acuífero.");
    }
    const auto parametros = static_cast<int>(necesarias + 1);
    if (d.medidas.size() <= static_cast<size_t>(parametros)) {
        rechazar(medidas_en_ajuste(d.medidas.size(), "el ensayo escalonado", parametros + 1));
    }
}

// Starts of the descent: C from Hantush and Bierschenk's line (or a loss of a tenth of the
// drawdown where the line gives none), T and S from the readings less that loss, and C a decade
// either side.
std::vector<Eigen::VectorXd> inicios(const DatosEnsayo& d, const Especifico& e) {
    double Qmax = 0;
    for (const double q : caudales(d)) Qmax = std::max(Qmax, std::fabs(q));
    double smax = 0;
    for (const MedidaEnsayo& m : d.medidas) smax = std::max(smax, m.s);
    const double C0 = e.b && *e.b > 0 ? *e.b : 0.1 * smax / (Qmax * Qmax);
    std::vector<Eigen::VectorXd> x;
    for (const double factor : {1.0, 0.1, 10.0}) {
        const double C = C0 * factor;
        DatosEnsayo sin_perdida = d;
        for (MedidaEnsayo& m : sin_perdida.medidas) m.s -= perdida_pozo(C, 2, d.caudal_en(m.t));
        std::optional<Acuifero> a = inicio_por_perfil(sin_perdida);
        if (!a) a = inicio_por_perfil(d);
        if (!a) continue;
        x.emplace_back(Eigen::Vector3d(std::log(a->T), std::log(a->S), std::log(C)));
    }
    return x;
}

AjusteEscalonado figuras(const DatosEnsayo& d, const Minimo& m, const Covarianza& cov) {
    AjusteEscalonado f;
    const auto n = static_cast<double>(d.medidas.size());
    f.ajuste.acuifero = Acuifero{std::exp(m.x[0]), std::exp(m.x[1])};
    f.ajuste.rms = std::sqrt(m.suma / n);
    f.ajuste.medidas = d.medidas.size();
    f.ajuste.factorT = cov.factor(0);
    f.ajuste.factorS = cov.factor(1);
    f.ajuste.correlacion = cov.correlacion(0, 1);
    f.C = std::exp(m.x[2]);
    f.factorC = cov.factor(2);
    f.n = Residuos::n(m.x);
    f.n_ajustado = m.x.size() > 3;
    if (f.n_ajustado) f.intervaloN = cov.semiancho(3) * dn_dz(m.x[3]);
    const std::vector<EtapaEnsayo> cambios = d.cambios();
    const std::vector<double> q = caudales(d);
    for (size_t k = 0; k < q.size(); ++k) {
        const double hasta = fin_de_etapa(d, k);
        f.etapas.push_back(
            {q[k], hasta,
             abatimiento_ensayo(f.ajuste.acuifero, cambios, d.piezometros.front().r, hasta),
             perdida_pozo(f.C, f.n, q[k])});
    }
    return f;
}

AjusteEscalonado ajustar(const DatosEnsayo& d, bool ajustar_n) {
    comprobar(d, ajustar_n);
    const Especifico e = especifico(d);
    std::optional<Minimo> mejor;
    for (const Eigen::VectorXd& x : inicios(d, e)) {
        std::optional<Minimo> m = minimizar(d, x);
        if (m && (!mejor || m->suma < mejor->suma)) mejor = m;
    }
    if (mejor && ajustar_n) {
        Eigen::VectorXd x(4);
        x << mejor->x, z_de(2);
        mejor = minimizar(d, x);
    }
    if (!mejor) {
        rechazar(
            "Las medidas no dan un ajuste del ensayo escalonado: ninguna T, S y pérdida en el "
            "pozo reproducen sus abatimientos mejor que un abatimiento nulo.");
    }
    Residuos r(d, static_cast<int>(mejor->x.size()));
    Eigen::MatrixXd J(r.values(), r.inputs());
    r.df(mejor->x, J);
    const std::optional<Covarianza> cov = covarianza(J, mejor->suma);
    if (!cov) {
        rechazar(
            "Las medidas no distinguen la pérdida en el pozo del acuífero: añada medidas de "
            "cada etapa, desde su comienzo hasta su final.");
    }
    AjusteEscalonado f = figuras(d, *mejor, *cov);
    double mayor = 0;
    for (const EficienciaEtapa& etapa : f.etapas) mayor = std::max(mayor, std::fabs(etapa.pozo));
    if (mayor < std::max(f.ajuste.rms, 1e-4)) {
        rechazar(
            "Las medidas no muestran pérdidas en el pozo: la que mejor las ajusta queda por "
            "debajo de su error en todas las etapas. Ajústelas con el método de Theis.");
    }
    f.especifico = e;
    return f;
}

}  // namespace

std::string unidad_perdida(double n) {
    if (n == 2) return "s²/m⁵";
    return "s^" + redondeado(n, 4) + "/m^" + redondeado(3 * n - 1, 4);
}

Especifico especifico(const DatosEnsayo& d) {
    Especifico e;
    const std::vector<double> q = caudales(d);
    for (size_t k = 0; k < q.size(); ++k) {
        const MedidaEnsayo* ultima = nullptr;
        for (const MedidaEnsayo& m : d.medidas) {
            if (m.t > comienzo_de_etapa(d, k) && m.t <= fin_de_etapa(d, k) &&
                (ultima == nullptr || m.t > ultima->t))
                ultima = &m;
        }
        if (ultima != nullptr && q[k] > 0) e.puntos.push_back({q[k], ultima->s / q[k]});
    }
    std::vector<double> x;
    std::vector<double> y;
    for (const PuntoEspecifico& p : e.puntos) {
        x.push_back(p.Q);
        y.push_back(p.s_Q);
    }
    if (const std::optional<Coeficientes> recta = recta_lineal(x, y)) {
        e.a = recta->a;
        e.b = recta->b;
    }
    return e;
}

Resuelto<AjusteEscalonado> ajustar_escalonado(const DatosEnsayo& d, bool ajustar_n) {
    return resolver([&] { return ajustar(d, ajustar_n); });
}

double abatimiento_escalonado(const AjusteEscalonado& f, const DatosEnsayo& d, double t) {
    return abatimiento_ensayo(f.ajuste.acuifero, d.cambios(), d.piezometros.front().r, t) +
           perdida_pozo(f.C, f.n, d.caudal_en(t));
}

}  // namespace abat
