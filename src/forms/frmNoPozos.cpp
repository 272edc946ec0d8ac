#include "forms/frmNoPozos.h"

#include "adaptadores/flex_grid.h"
#include "forms/menu_tabla.h"
#include "model/columnas.h"
#include "model/filas.h"
#include "ui_frmNoPozos.h"

namespace abat {

frmNoPozos::frmNoPozos(Dialogos& dialogos, QWidget* parent)
    : VentanaTabla(dialogos, Grid(2, 6, 1, 1), textos_pozos(), parent),
      ui_(std::make_unique<Ui::frmNoPozos>()),
      etapas_(tabla()),
      perdidas_(tabla()) {
    pozos().setFormatString(
        "^ No. |^   Nombre  |^  Diámetro[m]  |^  Gasto[m3/s]  |^  Coordenada x [m]  |^  "
        "Coordenada y [m]");
    ui_->setupUi(this);
    const QString titulo_etapas = QStringLiteral("Caudal por etapas");
    QAction* etapas = accion(ui_->MSFlexGrid1, titulo_etapas + "…", "accionEtapas", [=, this] {
        if (const int fila = filaElegida(titulo_etapas); fila > 0) emit etapasPedidas(fila);
    });
    const QString titulo_perdidas = QStringLiteral("Pérdidas en el pozo");
    QAction* perdidas =
        accion(ui_->MSFlexGrid1, titulo_perdidas + "…", "accionPerdidas", [=, this] {
            if (const int fila = filaElegida(titulo_perdidas); fila > 0) emit perdidasPedidas(fila);
        });
    montar({ui_->Frame1, ui_->MSFlexGrid1, ui_->txtCellEditor, ui_->cmdAgregar, ui_->cmdQuitar,
            ui_->cmdSiguiente},
           {etapas, perdidas});
    ui_->MSFlexGrid1->gridModel()->setAyuda([this](int fila, int columna) {
        return columna == columna_pozo::gasto ? ayudaGasto(fila) : QString();
    });
}

// A well with a schedule says so where its rate is, the steps listed; its cell keeps its own rate.
QString frmNoPozos::ayudaGasto(int fila) const {
    const std::vector<EtapaTexto> e = etapas(fila);
    if (e.empty()) return {};
    const std::string gasto(tabla().TextMatrix(fila, columna_pozo::gasto));
    return QStringLiteral("Caudal por etapas:\n") +
           QString::fromStdString(texto_etapas(gasto, e, "\n"));
}

std::vector<EtapaTexto> frmNoPozos::etapas(int fila) const {
    return etapas_.de(fila);
}

std::vector<std::vector<EtapaTexto>> frmNoPozos::etapas() const {
    return etapas_.todos();
}

void frmNoPozos::setEtapas(const std::vector<std::vector<EtapaTexto>>& etapas) {
    etapas_.poner(etapas);
}

int frmNoPozos::filaElegida(const QString& titulo) {
    terminarEdicion();
    const int fila = tabla().Row();
    if (fila >= 1 && fila <= record_count(tabla())) return fila;
    dialogos_.mensaje(QStringLiteral("Elija antes el pozo: una celda de su fila en la tabla."),
                      titulo, Icono::advertencia);
    return 0;
}

frmNoPozos::~frmNoPozos() = default;

// Only the two captions the button has are modes; at least one well is needed.
bool frmNoPozos::completa() {
    if (modo_de(cmdSiguiente()) == Modo::ninguno) return false;
    if (has_records(pozos())) return true;
    dialogos_.mensaje(QStringLiteral("Para continuar, debe existir almenos un pozo"),
                      QStringLiteral("No existen pozos"), Icono::advertencia);
    return false;
}

}  // namespace abat
