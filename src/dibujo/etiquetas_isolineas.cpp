#include "dibujo/etiquetas_isolineas.h"

#include <QLineF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

namespace abat {
namespace {

constexpr double primera = 80;   // from a line's start to its first label
constexpr double entre = 400;    // along the line from one label to the next
constexpr double paso = 8;       // between the places tried
constexpr double recto = 0.96;   // the chord over the label at least this part of the arc
constexpr double holgura_x = 6;  // the label's box beyond its text
constexpr double desvio = 0.25;  // of the label's height: how far the line may leave its chord

// A polyline measured along its length.
class Recorrido {
  public:
    explicit Recorrido(const QPolygonF& p) : p_(p), s_(static_cast<size_t>(p.size()), 0.0) {
        for (qsizetype k = 1; k < p.size(); ++k) {
            s_[static_cast<size_t>(k)] =
                s_[static_cast<size_t>(k - 1)] + QLineF(p[k - 1], p[k]).length();
        }
    }
    double largo() const { return s_.empty() ? 0 : s_.back(); }
    // The index of the last vertex at or before `s`.
    size_t tramo(double s) const {
        const auto i = std::upper_bound(s_.begin(), s_.end(), s) - s_.begin();
        return static_cast<size_t>(std::clamp<std::ptrdiff_t>(i - 1, 0, std::ssize(s_) - 2));
    }
    QPointF en(double s) const {
        const size_t k = tramo(s);
        const double l = s_[k + 1] - s_[k];
        const double f = l > 0 ? (s - s_[k]) / l : 0;
        const auto i = static_cast<qsizetype>(k);
        return p_[i] + (p_[i + 1] - p_[i]) * f;
    }
    // Whether the line from `a` to `b` along it keeps within `tolerancia` of the chord.
    bool cerca_de_la_cuerda(double a, double b, QLineF cuerda, double tolerancia) const {
        const QPointF d = cuerda.p2() - cuerda.p1();
        const double l = cuerda.length();
        for (size_t k = tramo(a) + 1; k < s_.size() && s_[k] < b; ++k) {
            const QPointF v = p_[static_cast<qsizetype>(k)] - cuerda.p1();
            if (std::fabs(d.x() * v.y() - d.y() * v.x()) / l > tolerancia) return false;
        }
        return true;
    }

  private:
    const QPolygonF& p_;
    std::vector<double> s_;
};

EtiquetaIsolinea etiqueta(QPointF centro, double angulo, QSizeF tamano, const QString& texto) {
    QTransform giro;
    giro.translate(centro.x(), centro.y());
    giro.rotate(-angulo);
    const QRectF caja = giro.mapRect(
        QRectF(-tamano.width() / 2, -tamano.height() / 2, tamano.width(), tamano.height()));
    return {centro, angulo, tamano, texto, caja};
}

// The label centred at `s` along the line, if it runs straight there.
std::optional<EtiquetaIsolinea> en_lo_recto(const Recorrido& r, double s, QSizeF tamano,
                                            const QString& texto) {
    const double mitad = tamano.width() / 2;
    const QLineF cuerda(r.en(s - mitad), r.en(s + mitad));
    if (cuerda.length() < recto * tamano.width() ||
        !r.cerca_de_la_cuerda(s - mitad, s + mitad, cuerda, desvio * tamano.height())) {
        return std::nullopt;
    }
    double angulo = cuerda.angle();  // counter-clockwise, degrees
    if (angulo > 90 && angulo <= 270) angulo -= 180;
    if (angulo > 270) angulo -= 360;
    return etiqueta(cuerda.center(), angulo, tamano, texto);
}

}  // namespace

std::vector<EtiquetaIsolinea> colocar_etiquetas(const std::vector<LineaDibujada>& lineas,
                                                const QFontMetricsF& letra, const QRectF& dentro,
                                                std::vector<QRectF> ocupado) {
    std::vector<EtiquetaIsolinea> etiquetas;
    for (const LineaDibujada& l : lineas) {
        if (l.puntos.size() < 2) continue;
        const Recorrido r(l.puntos);
        const QSizeF tamano(letra.horizontalAdvance(l.texto) + holgura_x, letra.height());
        const double mitad = tamano.width() / 2;
        for (double s = std::max(primera, mitad); s + mitad <= r.largo(); s += paso) {
            const auto e = en_lo_recto(r, s, tamano, l.texto);
            if (!e || !dentro.contains(e->caja) ||
                std::any_of(ocupado.begin(), ocupado.end(),
                            [&](const QRectF& o) { return o.intersects(e->caja); })) {
                continue;
            }
            ocupado.push_back(e->caja);
            etiquetas.push_back(*e);
            s += entre - paso;
        }
    }
    return etiquetas;
}

}  // namespace abat
