#include "app/ensayo_bombeo.h"

#include <QAction>

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
}

void EnsayoBombeo::usar(const QString& T, const QString& S) {
    Estudio e = estudios_.entradas();
    e.T = T.toStdString();
    if (!S.isEmpty()) e.S = S.toStdString();
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
