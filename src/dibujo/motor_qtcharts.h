#pragma once
// The chart engine of the program: an XY scatter chart drawn off-screen with Qt Charts and
// written as a GIF picture.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <memory>
#include <optional>
#include <vector>

#include "chart/escala_ejes.h"
#include "chart/hoja.h"
#include "chart/motor_grafico.h"
#include "model/registros.h"

namespace abat {

// A drawn chart, kept apart from the engine's worksheet: it paints again at any size, on a
// picture of any pixel density, a vector file or a printed page.
struct PlanoDibujo {
    struct Serie {
        std::string nombre;
        std::vector<double> x;
        std::vector<double> y;
    };
    std::vector<Serie> series;
    QColor fondoGrafico = Qt::white;
    QColor fondoTrazado = Qt::white;
    EscalaEje ex;
    EscalaEje ey;
    std::vector<Lado> limites = {};  // the aquifer's boundaries, drawn over the nodes
    // Each well's state, in the order of the wells' series; none: all pumping, no mark.
    std::vector<EstadoPozo> estados = {};

    // Paints the chart over (0, 0, tamano) of the painter's device; gives the plot area.
    QRectF pintar(QPainter& pintor, QSizeF tamano) const;
    // Where a place (x, y) in metres lies on a plot area painted so.
    QPointF en_pixeles(const QRectF& area, double x, double y) const;
};

class MotorQtCharts : public MotorGrafico {
  public:
    // `tamano`: the picture's size in pixels, that of the box that shows it.
    explicit MotorQtCharts(QSize tamano) : tamano_(tamano) {}

    void crear() override;
    Hoja& hojaActiva() override;
    void agregarObjetoGrafico(double left, double top, double width, double height) override;
    void asistenteGrafico(const std::string& origen) override;
    void rellenoAreaGrafico(int patron, int color) override;
    void seriesPorColumnas() override {}
    void agregarSerie(const std::string& origen) override;
    void valoresX(int indice, const std::string& origen) override;
    void colorAreaTrazado(int color) override;
    double maximo(Eje eje) override;
    double minimo(Eje eje) override;
    void exportar(const std::string& archivo) override;
    void eliminarObjetoGrafico() override;
    void mostrarAlertas(bool /*mostrar*/) override {}
    void salir() override;

    // The aquifer's boundaries, drawn over the grid's nodes and under the wells; none by default.
    void setLimites(std::vector<Lado> limites) { limites_ = std::move(limites); }
    // The wells' states at the calculation's time (DatosCalculo::estados_en), marked over them.
    void setEstados(std::vector<EstadoPozo> estados) { estados_ = std::move(estados); }

    // The picture of the chart as it stands.
    QImage dibujar();
    // The chart of the last picture written, or null before any.
    std::shared_ptr<const PlanoDibujo> ultimoDibujo() const { return ultimo_; }
    // Where the last picture drew the plot area, the axes' inside, in pixels.
    QRect areaTrazado() const { return areaTrazado_; }

    // The colours of the series by name: the seven drawdown classes from light to dark, then the
    // wells and the points. The picture holds them exactly.
    static QColor color_serie(const std::string& nombre);
    static std::vector<QRgb> colores_exactos();

  private:
    struct Puntos {
        std::vector<double> x;
        std::vector<double> y;
    };
    struct Serie {
        std::string nombre;
        Rango y;
        std::optional<Rango> x;
        // Its points, read from the worksheet once while the worksheet stays as it is: the
        // axes' limits read them four times, and a field of 100,000 wells is 200,000 cells.
        mutable std::shared_ptr<const Puntos> leidos;
    };

    const Puntos& puntos(const Serie& s) const;
    std::pair<double, double> extremos(Eje eje) const;
    Serie& serie(int indice);
    PlanoDibujo plano() const;

    QSize tamano_;
    std::optional<Hoja> hoja_;
    bool hayGrafico_ = false;
    std::vector<Serie> series_;
    QColor fondoGrafico_ = Qt::white;
    QColor fondoTrazado_ = Qt::white;
    QRect areaTrazado_;
    std::shared_ptr<const PlanoDibujo> ultimo_;
    std::vector<Lado> limites_;
    std::vector<EstadoPozo> estados_;
};

}  // namespace abat
