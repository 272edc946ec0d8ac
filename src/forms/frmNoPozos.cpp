#include "forms/frmNoPozos.h"

#include "adaptadores/flex_grid.h"
#include "forms/menu_tabla.h"
#include "model/columnas.h"
#include "model/filas.h"
#include "ui_frmNoPozos.h"

namespace abat {

frmNoPozos::frmNoPozos(Dialogos& dialogos, QWidget* parent)
    : VentanaTabla(dialogos, Grid(2, 6, 1, 1), textos_pozos(), parent),
      ui_(std::make_unique<Ui::frmNoPozos>()) {
    pozos().setFormatString(
        "^ No. |^   Nombre  |^  Diámetro[m]  |^  Gasto[m3/s]  |^  Coordenada x [m]  |^  "
        "Coordenada y [m]");
    ui_->setupUi(this);
    QAction* etapas = accion(ui_->MSFlexGrid1, QStringLiteral("Caudal por etapas…"), "accionEtapas",
                             [this] { pedirEtapas(); });
    montar({ui_->Frame1, ui_->MSFlexGrid1, ui_->txtCellEditor, ui_->cmdAgregar, ui_->cmdQuitar,
            ui_->cmdSiguiente},
           {etapas});
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
    const auto e = etapas_.find(tabla().clave(fila));
    return e == etapas_.end() ? std::vector<EtapaTexto>{} : e->second;
}

std::vector<std::vector<EtapaTexto>> frmNoPozos::etapas() const {
    std::vector<std::vector<EtapaTexto>> todas;
    if (etapas_.empty()) return todas;
    for (int fila = 1; fila <= record_count(tabla()); ++fila) {
        std::vector<EtapaTexto> e = etapas(fila);
        if (e.empty()) continue;
        todas.resize(static_cast<size_t>(fila));
        todas.back() = std::move(e);
    }
    return todas;
}

// Rows that are no longer records take nothing with them into a record they may become.
void frmNoPozos::setEtapas(const std::vector<std::vector<EtapaTexto>>& etapas) {
    etapas_.clear();
    for (size_t k = 0; k < etapas.size() && static_cast<int>(k) < record_count(tabla()); ++k) {
        if (!etapas[k].empty()) etapas_[tabla().clave(static_cast<int>(k) + 1)] = etapas[k];
    }
}

// The current cell's well; without one, the user is told how to choose it.
void frmNoPozos::pedirEtapas() {
    terminarEdicion();
    const int fila = tabla().Row();
    if (fila >= 1 && fila <= record_count(tabla())) {
        emit etapasPedidas(fila);
        return;
    }
    dialogos_.mensaje(QStringLiteral("Elija antes el pozo: una celda de su fila en la tabla."),
                      QStringLiteral("Caudal por etapas"), Icono::advertencia);
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
