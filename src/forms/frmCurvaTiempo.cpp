#include "frmCurvaTiempo.h"

#include <QAction>

#include "apariencia.h"
#include "menu_tabla.h"
#include "pintar_grafico.h"
#include "resultados.h"
#include "ui_frmCurvaTiempo.h"

namespace abat {

ContenidoCurva contenido_curva(const CurvaTiempo& curva, const std::string& punto,
                               const std::vector<Pozo>& pozos) {
    ContenidoCurva c;
    c.grafico.titulo =
        QStringLiteral("Abatimiento en el punto %1").arg(QString::fromStdString(punto));
    c.grafico.dias = curva.tiempos.dias;
    c.grafico.bombeo = curva.tiempos.bombeo;
    c.grafico.total = {QStringLiteral("Abatimiento total"), curva.total};
    for (const size_t k : partes_mayores(curva)) {
        c.grafico.partes.push_back(
            {QString::fromStdString(nombre_pozo(pozos[k].nombre)), curva.partes[k]});
    }
    c.tabla = tabla_curva(curva, pozos);
    return c;
}

frmCurvaTiempo::frmCurvaTiempo(ContenidoCurva contenido, Dialogos& dialogos, InformarError informar,
                               QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::frmCurvaTiempo>()),
      contenido_(std::move(contenido)),
      dialogos_(dialogos),
      informar_(std::move(informar)) {
    ui_->setupUi(this);
    setWindowTitle(contenido_.grafico.titulo);
    fuente_de_ventana(this, 8.25);
    ui_->graficoTiempo->setChart(grafico_tiempo(contenido_.grafico).release());
    ui_->graficoTiempo->setRenderHint(QPainter::Antialiasing);
    ui_->graficoTiempo->setAccessibleName(contenido_.grafico.titulo);
    QAction* datos = accion(ui_->graficoTiempo, QStringLiteral("Copiar datos"), "accionCopiarDatos",
                            [this] { copiarDatos(); });
    menu_de_grafico(
        ui_->graficoTiempo, [this] { return imagen(); }, [this] { guardarImagen(); }, {datos});
    describir_controles(this);
}

frmCurvaTiempo::~frmCurvaTiempo() = default;

QChart* frmCurvaTiempo::grafico() const {
    return ui_->graficoTiempo->chart();
}

void frmCurvaTiempo::copiarDatos() const {
    copiar_celdas(contenido_.tabla);
}

QPixmap frmCurvaTiempo::imagen() const {
    return ui_->graficoTiempo->grab();
}

// The file gets a chart of its own, drawn anew at the size shown: a vector file holds every line
// as a line.
void frmCurvaTiempo::guardarImagen() {
    const DatosGraficoTiempo& datos = contenido_.grafico;
    guardar_grafico(
        dialogos_, ui_->graficoTiempo->size(),
        [&datos](QPainter& pintor, QSizeF tamano) {
            const std::unique_ptr<QChart> g = grafico_tiempo(datos);
            pintar_grafico(*g, pintor, tamano);
        },
        informar_);
}

}  // namespace abat
