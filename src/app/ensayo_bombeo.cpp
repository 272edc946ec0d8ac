#include "app/ensayo_bombeo.h"

#include <QAction>

#include "adaptadores/flex_grid.h"
#include "adaptadores/grid_model.h"
#include "model/columnas.h"
#include "model/filas.h"
#include "model/portapapeles.h"
#include "sig/importacion.h"

namespace abat {

EnsayoBombeo::EnsayoBombeo(Ventanas& v, Estudios& estudios, Dialogos& dialogos)
    : v_(v), estudios_(estudios), dialogos_(dialogos) {
    connect(v_.principal.accion("accionEnsayo"), &QAction::triggered, this, [this] {
        v_.principal.mostrarVentana(v_.ensayo);
        v_.ensayo->setFocus(Qt::OtherFocusReason);
    });
    connect(v_.ensayo, &frmEnsayo::usarPedido, this, &EnsayoBombeo::usar);
    connect(v_.ensayo, &frmEnsayo::importarPedido, this, &EnsayoBombeo::importar);
    connect(v_.ensayo, &frmEnsayo::usarPerdidasPedido, this, &EnsayoBombeo::usarPerdidas);
    // "Pozo del ensayo" offers the wells the wells table holds, as it changes.
    const GridTableModel* pozos = control_pozos();
    const auto ofrecer = [this] { ofrecerPozos(); };
    connect(pozos, &GridTableModel::dataChanged, this, ofrecer);
    connect(pozos, &GridTableModel::rowsInserted, this, ofrecer);
    connect(pozos, &GridTableModel::rowsRemoved, this, ofrecer);
    connect(pozos, &GridTableModel::modelReset, this, ofrecer);
    ofrecerPozos();
}

const GridTableModel* EnsayoBombeo::control_pozos() const {
    return v_.noPozos->findChild<FlexGrid*>(QStringLiteral("MSFlexGrid1"))->gridModel();
}

void EnsayoBombeo::ofrecerPozos() const {
    const Grid& g = v_.noPozos->pozos();
    std::vector<std::string> nombres;
    for (int fila = 1; fila <= record_count(g); ++fila)
        nombres.emplace_back(g.TextMatrix(fila, columna_pozo::nombre));
    v_.ensayo->setPozos(nombres);
}

// Into the first well of that name, through the one way in; the aquifer stays as it is.
void EnsayoBombeo::usarPerdidas(const QString& pozo, const QString& C, const QString& n) {
    Estudio e = estudios_.entradas();
    for (size_t k = 0; k < e.pozos.size(); ++k) {
        if (e.pozos[k].nombre != pozo.toStdString()) continue;
        if (e.perdidas.size() <= k) e.perdidas.resize(k + 1);
        e.perdidas[k] = {C.toStdString(), n.toStdString()};
        estudios_.entrar(e, estudios_.sistema(), Entrada::cambio);
        return;
    }
    dialogos_.mensaje(QStringLiteral("El estudio no tiene ningún pozo «%1»: elija otro en «Pozo "
                                     "del ensayo».")
                          .arg(pozo),
                      QStringLiteral("Ensayo de bombeo"), Icono::advertencia);
}

void EnsayoBombeo::usar(const QString& T, const QString& S, const QString& c) {
    Estudio e = estudios_.entradas();
    e.T = T.toStdString();
    if (!S.isEmpty()) e.S = S.toStdString();
    if (!c.isEmpty()) e.acuitardo = c.toStdString();
    estudios_.entrar(e, estudios_.sistema(), Entrada::cambio);
}

void EnsayoBombeo::importar() {
    const QString& titulo = textos_medidas().tituloImportar;
    const QString ruta =
        dialogos_.archivoParaAbrir(titulo, QStringLiteral("Hojas de cálculo (*.xlsx *.ods *.csv)"));
    if (ruta.isEmpty()) return;
    const Resuelto<Importacion> i =
        importar_hoja(ruta.toStdString(), encabezados_de(v_.ensayo->medidas()), Encabezado::propio);
    if (!i) {
        dialogos_.mensaje(QString::fromStdString(i.rechazo()), titulo, Icono::advertencia);
        return;
    }
    Estudio e = estudios_.entradas();
    for (const std::vector<std::string>& r : i->registros) {
        const auto celda = [&r](size_t c) { return c < r.size() ? r[c] : std::string(); };
        e.ensayo.medidas.push_back({celda(0), celda(1), celda(2), celda(3), false});
    }
    estudios_.entrar(e, estudios_.sistema(), Entrada::cambio);
}

}  // namespace abat
