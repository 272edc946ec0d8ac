#include "forms/frmCurvaTiempo.h"

#include <QAction>
#include <QShortcut>

#include "adaptadores/apariencia.h"
#include "calc/resultados.h"
#include "dibujo/pintar_grafico.h"
#include "forms/menu_tabla.h"
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
    const std::vector<size_t> mayores = partes_mayores(curva, partes_con_color);
    for (const size_t k : mayores) {
        c.grafico.partes.push_back(
            {QString::fromStdString(nombre_pozo(pozos[k].nombre)), curva.partes[k]});
    }
    if (const size_t otros = pozos.size() - mayores.size(); otros > 0) {
        c.grafico.resto = {QStringLiteral("Otros %1 pozos").arg(otros),
                           resto_de_partes(curva, mayores)};
    }
    c.tabla = tabla_curva(curva, pozos);
    return c;
}

frmCurvaTiempo::frmCurvaTiempo(ContenidoCurva contenido, Dialogos& dialogos, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::frmCurvaTiempo>()), dialogos_(dialogos) {
    ui_->setupUi(this);
    fuente_de_ventana(this, 8.25);
    ui_->graficoTiempo->setRenderHint(QPainter::Antialiasing);
    ui_->graficoTiempo->setMinimumSize(tamano_minimo_grafico_tiempo());
    mostrar(std::move(contenido));
    QAction* datos = accion(ui_->graficoTiempo, QStringLiteral("Copiar datos"), "accionCopiarDatos",
                            [this] { copiarDatos(); });
    ui_->graficoTiempo->addAction(datos);
    menu_de_grafico(
        ui_->graficoTiempo, [this] { return imagen(); }, [this] { guardarImagen(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { parentWidget()->close(); });
    describir_controles(this);
}

frmCurvaTiempo::~frmCurvaTiempo() = default;

void frmCurvaTiempo::mostrar(ContenidoCurva contenido) {
    std::unique_ptr<QChart> grafico = grafico_tiempo(contenido.grafico);
    contenido_ = std::move(contenido);
    setWindowTitle(contenido_.grafico.titulo);
    ui_->graficoTiempo->setAccessibleName(contenido_.grafico.titulo);
    QChart* antes = ui_->graficoTiempo->chart();
    ui_->graficoTiempo->setChart(grafico.release());
    delete antes;
}

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
        datos.titulo);
}

}  // namespace abat
