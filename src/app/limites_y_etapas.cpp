#include "app/limites_y_etapas.h"

#include <QAction>

#include "model/columnas.h"

namespace abat {

LimitesYEtapas::LimitesYEtapas(Ventanas& v, Asistente& asistente, Estudios& estudios,
                               Dialogos& dialogos)
    : v_(v), estudios_(estudios), dialogos_(dialogos) {
    connect(v_.principal.accion("accionLimites"), &QAction::triggered, this,
            [this, &asistente] { asistente.mostrarAparte(v_.limites); });
    connect(v_.noPozos, &frmNoPozos::etapasPedidas, this, &LimitesYEtapas::abrirEtapas);
    connect(v_.noPozos, &frmNoPozos::perdidasPedidas, this, &LimitesYEtapas::abrirPerdidas);
}

// Modal over the main window, without holding the program: the well cannot change meanwhile.
void LimitesYEtapas::abrirEtapas(int fila) {
    if (!etapas_.isNull()) return;
    const Grid& pozos = v_.noPozos->pozos();
    auto* ventana = new frmEtapas(fila, std::string(pozos.TextMatrix(fila, columna_pozo::nombre)),
                                  std::string(pozos.TextMatrix(fila, columna_pozo::gasto)),
                                  v_.noPozos->etapas(fila), dialogos_, &v_.principal);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowModality(Qt::WindowModal);
    etapas_ = ventana;
    connect(ventana, &QDialog::accepted, this,
            [this, fila, ventana] { tomarEtapas(fila, *ventana); });
    ventana->open();
}

// The first step's rate is the well's "Gasto"; both come in as a change of the study.
void LimitesYEtapas::tomarEtapas(int fila, const frmEtapas& ventana) {
    Estudio e = estudios_.entradas();
    const auto k = static_cast<size_t>(fila - 1);
    if (k >= e.pozos.size()) return;
    e.pozos[k].caudal = ventana.caudal();
    if (e.etapas.size() <= k) e.etapas.resize(k + 1);
    e.etapas[k] = ventana.etapas();
    while (!e.etapas.empty() && e.etapas.back().empty()) e.etapas.pop_back();
    estudios_.entrar(e, estudios_.sistema(), Entrada::cambio);
}

// As the schedule: modal over the main window; what it accepts, a change of the study.
void LimitesYEtapas::abrirPerdidas(int fila) {
    if (!perdidas_.isNull()) return;
    const Grid& pozos = v_.noPozos->pozos();
    auto* ventana = new frmPerdidas(fila, std::string(pozos.TextMatrix(fila, columna_pozo::nombre)),
                                    v_.noPozos->perdidas(fila), dialogos_, &v_.principal);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->setWindowModality(Qt::WindowModal);
    perdidas_ = ventana;
    connect(ventana, &QDialog::accepted, this, [this, fila, ventana] {
        Estudio e = estudios_.entradas();
        const auto k = static_cast<size_t>(fila - 1);
        if (k >= e.pozos.size()) return;
        if (e.perdidas.size() <= k) e.perdidas.resize(k + 1);
        e.perdidas[k] = ventana->perdidas();
        while (!e.perdidas.empty() && e.perdidas.back().vacio()) e.perdidas.pop_back();
        estudios_.entrar(e, estudios_.sistema(), Entrada::cambio);
    });
    ventana->open();
}

}  // namespace abat
