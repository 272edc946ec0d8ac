#pragma once
// The drawdown map of the results in a window of its own that follows them: drawn anew at each
// calculation, closed when one fails. Its maps are computed on other threads, the last asked for
// first, so the slider moves at once however large the field.

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "adaptadores/dialogos.h"
#include "calc/campo_pozos.h"
#include "calc/datos_calculo.h"
#include "chart/dibujo_mapa.h"
#include "forms/MDIForm1.h"
#include "forms/frmMapa.h"

namespace abat {

class Mapa : public QObject {
    Q_OBJECT
  public:
    Mapa(MDIForm1& principal, Dialogos& dialogos);
    ~Mapa() override;

    // A calculation starts from these data: the map asked for from now on shows them.
    void nuevoCalculo(std::shared_ptr<const DatosCalculo> datos);
    // The plan chart's axis limits, over which the map opens.
    void setExtension(const Caja& extension) { extension_ = extension; }
    // The study's coordinate system as the map names it; empty: local coordinates.
    void setSistema(std::string sistema);
    // "Exportar a SIG…" of the map's menu.
    void setExportar(std::function<void()> exportar) { exportar_ = std::move(exportar); }
    // The calculation has ended in results: an open map is drawn anew for them, at their
    // pumping time.
    void seguirResultados();
    // It has failed: the map closes with the results it came from.
    void cerrar();
    // Opens the map at the pumping time over the plan chart's extent, or brings it to the front.
    // A drawdown that cannot be computed is reported, and nothing opens.
    void abrir();
    frmMapa* ventana() const { return ventana_; }
    // The data of the maps shown and asked for: those of the last calculation.
    const std::shared_ptr<const DatosCalculo>& datos() const { return datos_; }
    // The map at the time and view the window shows; with no window open, at the pumping time
    // over the plan chart's extent. Raises the ErrorCalculo of a map that cannot be computed.
    std::shared_ptr<const DibujoMapa> paraExportar();
    // The map at the pumping time over the plan chart's extent, whatever a window shows, for a
    // report; raises as the above.
    std::shared_ptr<const DibujoMapa> alTiempoDeBombeo(QSize pixeles);
    // Waits for the map being computed and shows it; for tests.
    void esperar();

  signals:
    // A map has been drawn in the window.
    void dibujado();

  private:
    struct Motor;  // the engine over the data, shared with the threads that compute
    struct Hecho {
        std::shared_ptr<const DibujoMapa> mapa;
        std::optional<ErrorCalculo> error;
        bool automatico = false;  // its interval chosen for its values
    };
    // What the window asks for, taken on its thread: another thread computes it.
    struct Peticion {
        double tiempo;
        Caja vista;
        double intervalo;
        double anterior;  // the interval chosen for the map shown, kept while it fits
        QSize pixeles;
        std::string sistema;
    };

    // The window's map, at `pixeles` (its plot's, by default).
    Peticion peticion(std::optional<QSize> pixeles = std::nullopt) const;
    // The map at the pumping time over the plan chart's extent: a grid of 200 x 200 nodes.
    Peticion inicial(QSize pixeles = QSize(500, 500));
    static Hecho componer(const Motor& motor, const Peticion& p);
    // On the window's thread, where the user waits for it: under the wait cursor.
    static Hecho componerAqui(const Motor& motor, const Peticion& p);
    void pedir();
    void recibir();
    // Shows a map computed, and keeps its interval when it was chosen for its values.
    void mostrar(const Hecho& hecho);
    void mostrarCursor(double x, double y);
    Caja extension();
    void preparar();

    MDIForm1& principal_;
    Dialogos& dialogos_;
    std::shared_ptr<const Motor> motor();
    std::shared_ptr<const DatosCalculo> datos_;
    std::shared_ptr<const Motor> motor_;  // built from datos_ when first needed
    Caja extension_;
    std::string sistema_;
    std::function<void()> exportar_;
    QPointer<frmMapa> ventana_;
    QFutureWatcher<Hecho> calculo_;
    bool pendiente_ = false;  // asked for while another was being computed
    bool enCurso_ = false;    // a map asked for is not shown yet
    unsigned ventanas_ = 0;   // windows opened and closed: a map of an earlier one is not shown
    unsigned calculando_para_ = 0;
    double automatico_ = 0;  // the interval last chosen for the values of a map shown
};

}  // namespace abat
