#include "forms/frmEnsayo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "adaptadores/apariencia.h"
#include "adaptadores/flex_grid.h"
#include "dibujo/grafico_ensayo.h"
#include "forms/filtro_caracteres.h"
#include "forms/guardar_grafico.h"
#include "forms/menu_tabla.h"
#include "model/filas.h"
#include "ui_frmEnsayo.h"

namespace abat {
namespace {

namespace columna {
constexpr int piezometro = 1;
constexpr int r = 2;
constexpr int t = 3;
constexpr int s = 4;
constexpr int columnas = 5;
}  // namespace columna

const QString titulo = QStringLiteral("Ensayo de bombeo");

std::string texto(const QString& s) {
    return s.toStdString();
}

}  // namespace

const TextosTabla& textos_medidas() {
    static const TextosTabla t{
        QStringLiteral("Medida "),
        QStringLiteral("Introduzca el nombre del piezómetro"),
        {{columna::r,
          QStringLiteral("Introduzca la distancia del piezómetro al pozo bombeado, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la distancia"),
          QStringLiteral("Distancia del piezómetro")},
         {columna::t, QStringLiteral("Introduzca el tiempo desde el comienzo del bombeo"),
          QStringLiteral("Debe introducir un valor numérico para el tiempo"),
          QStringLiteral("Tiempo de la medida")},
         {columna::s, QStringLiteral("Introduzca el abatimiento medido, en metros"),
          QStringLiteral("Debe introducir un valor numérico para el abatimiento"),
          QStringLiteral("Abatimiento de la medida")}},
        QStringLiteral("Introduzca el número de la medida que desea eliminar"),
        QStringLiteral("Eliminar medida"),
        QStringLiteral("Número de la medida a eliminar"),
        QStringLiteral("La medida "),
        QStringLiteral("Eliminando medida"),
        QStringLiteral("¿Está seguro que desea eliminar la medida "),
        QStringLiteral("Eliminando medida "),
        QStringLiteral("Pegar medidas"),
        QStringLiteral("Importar medidas"),
        QStringLiteral("medida"),
    };
    return t;
}

frmEnsayo::frmEnsayo(Dialogos& dialogos, QWidget* parent)
    : VentanaConTabla(Grid(2, columna::columnas, 1, 1), parent),
      ui_(std::make_unique<Ui::frmEnsayo>()),
      dialogos_(dialogos) {
    medidas().setFormatString(
        "^No.|^  Piezómetro  |^ Distancia[m] |^    Tiempo    |^ Abatimiento[m] ");
    ui_->setupUi(this);
    fuente_de_ventana(this, 8.25);
    fuente_de_titulo(ui_->Frame1, 9.75, 8.25);
    fuente_de_titulo(ui_->Frame2, 9.75, 8.25);
    ui_->cboUnidadTiempo->setCurrentText(QString::fromUtf8(unidad_tiempo_inicial));
    FlexGrid* grid = ui_->tblMedidas;
    grid->setGrid(medidas());
    grid->setAccessibleName(QStringLiteral("Medidas del ensayo"));
    grid->gridModel()->setAtenuada([this](int fila) { return excluida(fila); },
                                   QStringLiteral("Excluida del ajuste"));
    auto* caja = new QLineEdit(ui_->Frame1);  // laid over the cell it edits, in no layout
    caja->setObjectName(QStringLiteral("txtEditorMedidas"));
    caja->setAccessibleName(QStringLiteral("Editor de celda"));
    editor_ = new EditorCeldas(grid, caja);

    new FiltroCaracteres(ui_->txtCaudalEnsayo, admitido_en_acuifero, ui_->cboUnidadTiempo);
    new FiltroCaracteres(ui_->txtFinBombeo, admitido_en_tiempo, grid);
    new FiltroCaracteres(ui_->txtDesde, admitido_en_tiempo, ui_->txtHasta);
    new FiltroCaracteres(ui_->txtHasta, admitido_en_tiempo, ui_->cmdAjustar);
    for (QLineEdit* c : {ui_->txtCaudalEnsayo, ui_->txtFinBombeo})
        connect(c, &QLineEdit::textChanged, this, &frmEnsayo::cambiado);
    connect(ui_->cboUnidadTiempo, &QComboBox::currentTextChanged, this, &frmEnsayo::cambiado);
    const GridTableModel* modelo = grid->gridModel();
    connect(modelo, &GridTableModel::dataChanged, this, &frmEnsayo::cambiado);
    connect(modelo, &GridTableModel::rowsInserted, this, &frmEnsayo::cambiado);
    connect(modelo, &GridTableModel::rowsRemoved, this, &frmEnsayo::cambiado);
    connect(modelo, &GridTableModel::modelReset, this, &frmEnsayo::cambiado);
    // Typing in an open cell is an entry too: the recovery copy holds it before it is stored.
    connect(caja, &QLineEdit::textEdited, this, &frmEnsayo::editado);
    connect(ui_->cboMetodo, &QComboBox::currentIndexChanged, this, &frmEnsayo::redibujar);
    for (QLineEdit* c : {ui_->txtDesde, ui_->txtHasta})
        connect(c, &QLineEdit::textChanged, this, &frmEnsayo::redibujar);

    menu_de_tabla(grid,
                  [this](const QString& t) {
                      pegar_registros(medidas(), dialogos_, t, textos_medidas(),
                                      Encabezado::propio);
                  },
                  {},
                  {accion(grid, QStringLiteral("Importar…"), "accionImportar",
                          [this] { emit importarPedido(); }),
                   accion(grid, QStringLiteral("Excluir del ajuste"), "accionExcluir",
                          [this] { excluirSeleccion(true); }),
                   accion(grid, QStringLiteral("Incluir en el ajuste"), "accionIncluir",
                          [this] { excluirSeleccion(false); })});
    GraficoEnsayo* g = ui_->graficoEnsayo;
    menu_de_grafico(
        g, [g] { return g->grab(); }, [this] { guardarImagen(); });

    connect(ui_->cmdAgregarMedida, &QPushButton::clicked, this,
            [this] { agregar_registro(medidas(), dialogos_, textos_medidas()); });
    connect(ui_->cmdQuitarMedida, &QPushButton::clicked, this, &frmEnsayo::cmdQuitar_Click);
    connect(ui_->cmdAjustar, &QPushButton::clicked, this, &frmEnsayo::cmdAjustar_Click);
    connect(ui_->cmdEtapasEnsayo, &QPushButton::clicked, this, &frmEnsayo::cmdEtapasEnsayo_Click);
    connect(ui_->chkExponente, &QCheckBox::toggled, this, &frmEnsayo::redibujar);
    connect(ui_->chkEspecifico, &QCheckBox::toggled, this, &frmEnsayo::redibujar);
    std::string cabeceras = "^Etapa";
    for (const char* c : columnas_eficiencia) cabeceras += std::string("|^ ") + c + " ";
    eficiencia_.setFormatString(cabeceras);
    ui_->tblEficiencia->setGrid(eficiencia_);
    ui_->tblEficiencia->setAccessibleName(QStringLiteral("Eficiencia por etapas"));
    connect(ui_->cmdUsarEnEstudio, &QPushButton::clicked, this, &frmEnsayo::usar);
    connect(ui_->cboPozoEnsayo, &QComboBox::activated, this, [this](int indice) {
        pozo_ = indice <= 0 ? std::string() : texto(ui_->cboPozoEnsayo->itemText(indice));
        cambiado();
    });
    mostrarPozo();
    describir_controles(this);
    redibujar();
}

// The efficiencies' table goes before the grid it shows.
frmEnsayo::~frmEnsayo() {
    delete ui_->tblEficiencia;
}

GraficoEnsayo* frmEnsayo::grafico() const {
    return ui_->graficoEnsayo;
}

EnsayoTexto frmEnsayo::ensayo() const {
    EnsayoTexto e;
    e.caudal = texto(ui_->txtCaudalEnsayo->text());
    e.unidad_tiempo = texto(ui_->cboUnidadTiempo->currentText());
    e.fin_bombeo = texto(ui_->txtFinBombeo->text());
    e.etapas = etapas_;
    e.pozo = pozo_;
    const Grid& g = tabla();
    const std::optional<CeldaAbierta> abierta = editor_->abierta();
    const auto celda = [&](int fila, int col) {
        if (abierta && abierta->fila == fila && abierta->columna == col) return abierta->texto;
        return std::string(g.TextMatrix(fila, col));
    };
    e.medidas.reserve(static_cast<size_t>(record_count(g)));
    for (int k = 1; k <= record_count(g); ++k) {
        e.medidas.push_back({celda(k, columna::piezometro), celda(k, columna::r),
                             celda(k, columna::t), celda(k, columna::s), excluida(k)});
    }
    return e;
}

void frmEnsayo::setEnsayo(const EnsayoTexto& e) {
    editor_->HideCellEditor(false);
    if (ensayo() == e) return;
    llenando_ = true;
    ui_->txtCaudalEnsayo->setText(QString::fromStdString(e.caudal));
    ui_->cboUnidadTiempo->setCurrentText(QString::fromStdString(e.unidad_tiempo));
    ui_->txtFinBombeo->setText(QString::fromStdString(e.fin_bombeo));
    etapas_ = e.etapas;
    pozo_ = e.pozo;
    mostrarPozo();
    excluidas_.clear();
    for (const MedidaTexto& m : e.medidas) excluidas_.push_back(m.excluida);
    Grid& g = medidas();
    {
        const Grid::Lote lote(g);
        g.setRows(2);
        for (int c = 0; c < g.Cols(); ++c) g.setTextMatrix(1, c, {});
        g.setRows(static_cast<int>(e.medidas.size()) + 2);
        renumber_records(g);
        for (size_t k = 0; k < e.medidas.size(); ++k) {
            const int fila = static_cast<int>(k) + 1;
            const MedidaTexto& m = e.medidas[k];
            g.setTextMatrix(fila, columna::piezometro, m.piezometro);
            g.setTextMatrix(fila, columna::r, m.r);
            g.setTextMatrix(fila, columna::t, m.t);
            g.setTextMatrix(fila, columna::s, m.s);
        }
        g.selectCell(1, 1);
    }
    llenando_ = false;
    cambiado();
}

void frmEnsayo::terminarEdicion() {
    editor_->HideCellEditor(false);
}

void frmEnsayo::olvidarAjuste() {
    if (!ajustado_) return;
    ajustado_ = false;
    redibujar();
}

bool frmEnsayo::excluida(int fila) const {
    return fila >= 1 && fila <= static_cast<int>(excluidas_.size()) &&
           excluidas_[static_cast<size_t>(fila - 1)];
}

void frmEnsayo::excluirSeleccion(bool excluir) {
    const Grid& g = tabla();
    const int desde = std::max(std::min(g.Row(), g.RowSel()), 1);
    const int hasta = std::min(std::max(g.Row(), g.RowSel()), record_count(g));
    if (desde > hasta) return;
    if (static_cast<int>(excluidas_.size()) < hasta) excluidas_.resize(static_cast<size_t>(hasta));
    bool cambia = false;
    for (int k = desde; k <= hasta; ++k) {
        cambia = cambia || excluidas_[static_cast<size_t>(k - 1)] != excluir;
        excluidas_[static_cast<size_t>(k - 1)] = excluir;
    }
    if (!cambia) return;
    ui_->tblMedidas->viewport()->update();
    cambiado();
}

void frmEnsayo::cmdQuitar_Click() {
    terminarEdicion();  // as a click that takes its focus would
    const int k = quitar_registro(medidas(), dialogos_, textos_medidas(),
                                  [this] { renumber_records(medidas()); });
    if (k < 1 || k > static_cast<int>(excluidas_.size())) return;
    // The rows below moved up: their marks with them.
    excluidas_.erase(excluidas_.begin() + (k - 1));
    cambiado();
}

void frmEnsayo::cmdAjustar_Click() {
    terminarEdicion();
    ajustado_ = true;
    redibujar();
    if (!analisis_.acuifero)
        dialogos_.mensaje(QString::fromStdString(analisis_.resumen), titulo, Icono::advertencia);
}

void frmEnsayo::cambiado() {
    if (llenando_) return;
    emit editado();
    redibujar();
}

PeticionAjuste frmEnsayo::peticion() const {
    return {static_cast<MetodoEnsayo>(std::max(ui_->cboMetodo->currentIndex(), 0)),
            texto(ui_->txtDesde->text()), texto(ui_->txtHasta->text()),
            ui_->chkExponente->isChecked()};
}

void frmEnsayo::cmdEtapasEnsayo_Click() {
    terminarEdicion();
    const std::string unidad = texto(ui_->cboUnidadTiempo->currentText());
    if (!etapas_abiertas_.isNull()) return;
    auto* ventana = new frmEtapas(
        QStringLiteral("Caudal por etapas del ensayo"),
        QString::fromStdString("Desde cada tiempo, en " + unidad +
                               " desde el comienzo del bombeo, el pozo bombea el caudal de su "
                               "fila. La primera fila es el caudal del ensayo.\n&Etapas:"),
        unidad, texto(ui_->txtCaudalEnsayo->text()), etapas_, dialogos_, this);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowModality(Qt::WindowModal);
    etapas_abiertas_ = ventana;
    connect(ventana, &QDialog::accepted, this, [this, ventana] {
        llenando_ = true;
        ui_->txtCaudalEnsayo->setText(QString::fromStdString(ventana->caudal()));
        etapas_ = ventana->etapas();
        llenando_ = false;
        cambiado();
    });
    ventana->open();
}

// A step test's S holds the well's skin and its T is the well's surroundings: what it gives the
// study is the well's loss, into the well it was made in; the aquifer comes from observation wells.
void frmEnsayo::usar() {
    if (!analisis_.acuifero) return;
    if (peticion().metodo != MetodoEnsayo::escalonado) {
        emit usarPedido(QString::fromStdString(analisis_.T), QString::fromStdString(analisis_.S),
                        QString::fromStdString(analisis_.c));
        return;
    }
    if (pozo_.empty()) {
        dialogos_.mensaje(QStringLiteral("Elija en «Pozo del ensayo» el pozo del estudio en que se "
                                         "hizo el ensayo escalonado: su pérdida irá a ese pozo."),
                          titulo, Icono::advertencia);
        return;
    }
    emit usarPerdidasPedido(QString::fromStdString(pozo_), QString::fromStdString(analisis_.C),
                            QString::fromStdString(analisis_.n));
}

void frmEnsayo::setPozos(const std::vector<std::string>& nombres) {
    if (nombres == pozos_) return;
    pozos_ = nombres;
    mostrarPozo();
}

// None first, then the study's wells; a well named that the study no longer has stays offered,
// so that nothing typed is lost.
void frmEnsayo::mostrarPozo() {
    QComboBox* c = ui_->cboPozoEnsayo;
    const QSignalBlocker bloqueo(c);
    c->clear();
    c->addItem(QString());
    for (const std::string& n : pozos_) {
        if (!n.empty() && c->findText(QString::fromStdString(n)) < 0)
            c->addItem(QString::fromStdString(n));
    }
    if (!pozo_.empty() && c->findText(QString::fromStdString(pozo_)) < 0)
        c->addItem(QString::fromStdString(pozo_));
    c->setCurrentIndex(pozo_.empty() ? 0 : c->findText(QString::fromStdString(pozo_)));
}

void frmEnsayo::mostrarEficiencia() {
    const auto& filas = analisis_.eficiencia;
    const Grid::Lote lote(eficiencia_);
    eficiencia_.setRows(static_cast<int>(filas.size()) + 1);
    for (size_t k = 0; k < filas.size(); ++k) {
        const int fila = static_cast<int>(k) + 1;
        eficiencia_.setTextMatrix(fila, 0, std::to_string(fila));
        for (size_t c = 0; c < filas[k].size(); ++c)
            eficiencia_.setTextMatrix(fila, static_cast<int>(c) + 1, filas[k][c]);
    }
}

void frmEnsayo::redibujar() {
    if (llenando_) return;
    const PeticionAjuste peticion = this->peticion();
    const MetodoEnsayo metodo = peticion.metodo;
    const bool rectas = !ajusta_curva(metodo);
    const bool goteo = metodo == MetodoEnsayo::hantush_jacob;
    ui_->lblResistenciaAjustada->setVisible(goteo);
    ui_->txtResistenciaAjustada->setVisible(goteo);
    const bool escalonado = metodo == MetodoEnsayo::escalonado;
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->chkExponente, ui_->chkEspecifico, ui_->lblPerdidaAjustada,
             ui_->txtPerdidaAjustada, ui_->lblExponente, ui_->txtExponente, ui_->tblEficiencia})
        w->setVisible(escalonado);
    // A step test has no straight lines: their window's rows give the room its rows take.
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->lblDesde, ui_->txtDesde, ui_->lblHasta,
                                                      ui_->txtHasta})
        w->setVisible(!escalonado);
    ui_->txtDesde->setEnabled(rectas);
    ui_->txtHasta->setEnabled(rectas);
    analisis_ = analizar_ensayo(ensayo(), peticion, ajustado_);
    ui_->txtTAjustado->setText(QString::fromStdString(analisis_.T));
    ui_->txtSAjustado->setText(QString::fromStdString(analisis_.S));
    ui_->txtResistenciaAjustada->setText(QString::fromStdString(analisis_.c));
    ui_->txtPerdidaAjustada->setText(QString::fromStdString(analisis_.C));
    ui_->txtExponente->setText(QString::fromStdString(analisis_.n));
    ui_->lblPerdidaAjustada->setText(QString::fromStdString(
        "C [" + (analisis_.unidadC.empty() ? unidad_perdida(2) : analisis_.unidadC) + "]"));
    mostrarEficiencia();
    ui_->lblAjuste->setText(QString::fromStdString(analisis_.resumen));
    ui_->cmdUsarEnEstudio->setEnabled(analisis_.acuifero.has_value());
    ui_->graficoEnsayo->mostrar(vista());
    ui_->graficoEnsayo->setAccessibleName(QString::fromStdString(vista().titulo));
}

// The file gets charts of their own, drawn anew at the size shown.
// A step test's second view, once fitted and asked for: Hantush and Bierschenk's line.
const DibujoEnsayo& frmEnsayo::vista() const {
    const bool especifico = peticion().metodo == MetodoEnsayo::escalonado &&
                            ui_->chkEspecifico->isChecked() &&
                            !analisis_.especifico.medidas.empty();
    return especifico ? analisis_.especifico : analisis_.dibujo;
}

void frmEnsayo::guardarImagen() {
    const DibujoEnsayo dibujo = vista();
    guardar_grafico(
        dialogos_, ui_->graficoEnsayo->size(),
        [dibujo](QPainter& pintor, QSizeF tamano) { pintar_ensayo(dibujo, pintor, tamano); },
        QString::fromStdString(dibujo.titulo));
}

}  // namespace abat
