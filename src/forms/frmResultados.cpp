#include "forms/frmResultados.h"

#include <QAction>
#include <QIcon>
#include <stdexcept>

#include "adaptadores/apariencia.h"
#include "adaptadores/flex_grid.h"
#include "adaptadores/marco_de_foco.h"
#include "adaptadores/pulsar_con_enter.h"
#include "forms/menu_tabla.h"
#include "model/errores.h"
#include "model/filas.h"
#include "ui_frmResultados.h"

namespace abat {
namespace {

void poner_dibujo(QToolButton* boton, const QString& recurso) {
    boton->setIcon(QIcon(dibujo(recurso, 32)));
}

}  // namespace

frmResultados::frmResultados(QWidget* parent)
    : VentanaConTabla(Grid(2, 0, 1, 0), parent), ui_(std::make_unique<Ui::frmResultados>()) {
    ui_->setupUi(this);
    fuente_de_ventana(this, 9.75);
    fuente_de_titulo(ui_->Frame2, 12, 9.75);
    ui_->cmdPuntos->setFont(fuente(8.25));
    ui_->MSFlexGrid1->setGrid(resultados());

    poner_dibujo(ui_->cmdAcuifero, QStringLiteral(":/iconos/gotas.svg"));
    poner_dibujo(ui_->cmdPozos, QStringLiteral(":/iconos/grifo.svg"));
    poner_dibujo(ui_->cmdPuntos, QStringLiteral(":/iconos/grafico_lineas.svg"));
    poner_dibujo(ui_->cmdTerminar, QStringLiteral(":/iconos/salir.svg"));
    // The aquifer button's second picture, a two-way road, is kept for its disabled state.
    QIcon acuifero = ui_->cmdAcuifero->icon();
    acuifero.addPixmap(dibujo(QStringLiteral(":/iconos/camino.svg"), 32), QIcon::Disabled);
    ui_->cmdAcuifero->setIcon(acuifero);

    for (QToolButton* b : {ui_->cmdAcuifero, ui_->cmdPozos, ui_->cmdPuntos, ui_->cmdTerminar}) {
        pulsar_con_enter(b);
    }
    // The results are read-only: Ctrl+C and Ctrl+A copy and select, as in any table.
    QAction* curva = accion(ui_->MSFlexGrid1, QStringLiteral("Abatimiento en el tiempo…"),
                            "accionCurvaTiempo", [this] { pedirCurva(); });
    // Connected before the table's own menu opens: the command needs a point's row.
    connect(ui_->MSFlexGrid1, &FlexGrid::customContextMenuRequested, curva, [this, curva] {
        const int fila = resultados().Row();
        curva->setEnabled(fila >= 1 && fila <= record_count(resultados()));
    });
    connect(ui_->MSFlexGrid1, &FlexGrid::DblClick, this, &frmResultados::pedirCurva);
    const AccionesTabla acciones = menu_de_tabla(ui_->MSFlexGrid1, {}, {curva});
    acciones.copiar->setShortcut(QKeySequence::Copy);
    acciones.seleccionarTodo->setShortcut(QKeySequence::SelectAll);
    for (QAction* a : {acciones.copiar, acciones.seleccionarTodo}) {
        a->setShortcutContext(Qt::WidgetShortcut);
        ui_->MSFlexGrid1->addAction(a);
    }
    QAction* mapa = accion(ui_->Image1, QStringLiteral("Mapa de abatimientos…"), "accionMapa",
                           [this] { emit mapaPedido(); });
    ui_->Image1->addAction(mapa);
    ui_->Image1->installEventFilter(this);
    // Connected before the chart's own menu opens: the map needs a chart.
    connect(ui_->Image1, &QWidget::customContextMenuRequested, mapa,
            [this, mapa] { mapa->setEnabled(!grafico_.isNull()); });
    menu_de_grafico(
        ui_->Image1, [this] { return grafico_; }, [this] { emit guardarGraficoPedido(); });
    connect(ui_->cmdAcuifero, &QToolButton::clicked, this, &frmResultados::editarAcuifero);
    connect(ui_->cmdPozos, &QToolButton::clicked, this, &frmResultados::editarPozos);
    connect(ui_->cmdPuntos, &QToolButton::clicked, this, &frmResultados::editarPuntos);
    connect(ui_->cmdTerminar, &QToolButton::clicked, this, &frmResultados::terminar);
    ui_->MSFlexGrid1->setAccessibleName(ui_->Frame2->title());
    ui_->Image1->setAccessibleName(QStringLiteral("Gráfico de abatimientos"));
    // The chart takes the focus by Tab, first, so that the Menu key reaches its commands; a
    // frame shows it while the keyboard is there.
    ui_->Image1->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(ui_->Image1, ui_->cmdTerminar);
    marcar_foco(ui_->Image1);
    describir_controles(this);
}

frmResultados::~frmResultados() = default;

void frmResultados::mostrarGrafico(const QPixmap& imagen) {
    if (imagen.devicePixelRatio() == 1.0) grafico_ = imagen;
    if (imagen.isNull() || imagen.deviceIndependentSize().toSize() == ui_->Image1->size()) {
        ui_->Image1->setPixmap(imagen);
        return;
    }
    ui_->Image1->setPixmap(
        imagen.scaled(ui_->Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool frmResultados::eventFilter(QObject* vigilado, QEvent* evento) {
    if (vigilado == ui_->Image1 && evento->type() == QEvent::MouseButtonDblClick &&
        !grafico_.isNull()) {
        emit mapaPedido();
        return true;
    }
    return VentanaConTabla::eventFilter(vigilado, evento);
}

void frmResultados::pedirCurva() {
    const int fila = resultados().Row();
    if (fila >= 1 && fila <= record_count(resultados())) emit curvaPedida(fila);
}

void frmResultados::cargarGrafico(const std::string& archivo) {
    const QPixmap imagen(QString::fromStdString(archivo));
    if (imagen.isNull()) throw ErrorCalculo::de_acceso(archivo);
    mostrarGrafico(imagen);
}

void frmResultados::enfocarEdicion(Origen origen) {
    QToolButton* boton = ui_->cmdAcuifero;
    if (origen == Origen::pozos) boton = ui_->cmdPozos;
    if (origen == Origen::puntos) boton = ui_->cmdPuntos;
    // As the keyboard gives it, with the focus frame drawn: a cue for the mouse user too. The
    // window may not be active yet (a message box has just closed), and activation would give
    // the focus without the frame: the window is told that the focus moved by keyboard.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    boton->setFocus(Qt::ShortcutFocusReason);
}

void frmResultados::limpiar() {
    {
        const Grid::Lote lote(resultados());
        resultados().setRows(2);
        resultados().setCols(0);
        resultados().setFormatString({});
    }
    mostrarGrafico(QPixmap());
}

void frmResultados::enfocarTabla() {
    ui_->MSFlexGrid1->setFocus(Qt::OtherFocusReason);
}

QSize frmResultados::tamanoImagen() const {
    return ui_->Image1->size();
}

QString frmResultados::tituloGrafico() const {
    return ui_->Image1->accessibleName();
}

QPixmap frmResultados::imagen() const {
    return ui_->Image1->pixmap();
}

}  // namespace abat
