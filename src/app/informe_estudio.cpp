#include "app/informe_estudio.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QPrinter>

#include "adaptadores/cursor_espera.h"
#include "app/secciones_informe.h"
#include "app/ventanas_estudio.h"
#include "dibujo/lamina_mapa.h"
#include "forms/texto_error.h"
#include "informe/escribir_informe.h"
#include "sig/sistema_coordenadas.h"

namespace abat {

namespace {

const QString titulo_informe = QStringLiteral("Informe");
const QString filtros_informe =
    QStringLiteral("Informe PDF (*.pdf);;Documento OpenDocument (*.odt)");
// The map's pixels on a landscape page: its sheet, title and legend included, fills the page.
constexpr QSize pixeles_mapa(880, 470);

// The path with the extension of the type chosen, unless it has one of the two.
QString con_extension_informe(const QString& ruta, const QString& filtro) {
    const QString e = QFileInfo(ruta).suffix().toLower();
    if (e == QLatin1String("pdf") || e == QLatin1String("odt")) return ruta;
    return ruta + (filtro.contains(QLatin1String("*.odt")) ? QStringLiteral(".odt")
                                                           : QStringLiteral(".pdf"));
}

}  // namespace

InformeDelEstudio::InformeDelEstudio(Ventanas& v, Asistente& asistente, Estudios& estudios,
                                     Dialogos& dialogos, PlanoMostrado plano)
    : v_(v),
      asistente_(asistente),
      estudios_(estudios),
      dialogos_(dialogos),
      plano_(std::move(plano)) {
    QObject::connect(v.principal.accion("accionInforme"), &QAction::triggered, &v.principal,
                     [this] { guardar(); });
    QObject::connect(v.principal.accion("accionImprimir"), &QAction::triggered, &v.principal,
                     [this] { imprimir(); });
}

QString InformeDelEstudio::sinInforme() const {
    if (!asistente_.calculo()) {
        const QWidget* falta = ventana_incompleta(v_);
        const QString que =
            falta == v_.caracteristicas ? QStringLiteral("T y S en la ventana del acuífero")
            : falta == v_.noPozos       ? QStringLiteral("los pozos en su ventana")
            : falta == v_.coordAbat
                ? QStringLiteral(
                      "los puntos o el tiempo de bombeo en la ventana de los puntos "
                      "del cálculo")
                : QString();
        if (que.isEmpty()) {
            return QStringLiteral(
                "No hay resultados para el informe: calcule antes, hasta la "
                "ventana de resultados.");
        }
        return QStringLiteral("No hay resultados para el informe: faltan %1.").arg(que);
    }
    if (!asistente_.resultadosVigentes()) {
        return QStringLiteral(
            "Los datos han cambiado desde el último cálculo: pulse «Actualizar» "
            "para calcular de nuevo antes del informe.");
    }
    return {};
}

bool InformeDelEstudio::sePuede() {
    const QString motivo = sinInforme();
    if (!motivo.isEmpty()) dialogos_.mensaje(motivo, titulo_informe, Icono::advertencia);
    return motivo.isEmpty();
}

ContenidoInforme InformeDelEstudio::contenido() {
    const std::shared_ptr<const Calculo> calculo = asistente_.calculo();
    const DatosCalculo& datos = *calculo->datos;
    FuentesInforme f;
    f.estudio = estudios_.ruta().isEmpty() ? QStringLiteral("Estudio sin guardar")
                                           : QFileInfo(estudios_.ruta()).fileName();
    f.fecha = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    f.version = QStringLiteral(ABAT_VERSION);
    f.entradas = estudios_.entradas();
    f.sistema = estudios_.sistema().tiene() ? QString::fromStdString(etiqueta(estudios_.sistema()))
                                            : QString();
    f.datos = &datos;
    f.pozos = &v_.noPozos->pozos();
    f.puntos = &v_.coordAbat->puntos();
    f.resultados = &v_.resultados->resultados();
    std::tie(f.plano, f.tamanoPlano) = plano_();
    f.mapa = asistente_.mapa().alTiempoDeBombeo(pixeles_mapa);
    f.tamanoMapa = tamano_lamina(QSizeF(pixeles_mapa));
    const int puntos = static_cast<int>(std::min(datos.puntos.size(), curvas_en_informe));
    for (int fila = 1; fila <= puntos; ++fila)
        f.curvas.push_back(asistente_.curvas().contenido(fila));
    if (!f.entradas.ensayo.vacio()) {
        EnsayoEnInforme e = analizar_para_informe(f.entradas.ensayo, v_.ensayo->peticion());
        e.medidas = &v_.ensayo->medidas();
        for (const MedidaTexto& m : f.entradas.ensayo.medidas) e.excluidas.push_back(m.excluida);
        f.ensayo = std::move(e);
    }
    return contenido_informe(f);
}

void InformeDelEstudio::escribir(const QString& ruta) {
    escribir_informe(ruta, contenido());
}

void InformeDelEstudio::guardar() {
    if (!sePuede()) return;
    QString filtro;
    const QString base = estudios_.ruta().isEmpty()
                             ? QStringLiteral("Informe")
                             : QFileInfo(estudios_.ruta()).completeBaseName();
    const QString elegida =
        dialogos_.archivoParaGuardar(titulo_informe, filtros_informe, filtro, base + ".pdf");
    if (elegida.isEmpty()) return;
    try {
        const CursorDeEspera espera;
        escribir(con_extension_informe(elegida, filtro));
    } catch (const ErrorCalculo& e) {
        dialogos_.mensaje(texto_error(e, QStringLiteral("al escribir el informe")), titulo_informe,
                          Icono::error);
    }
}

void InformeDelEstudio::imprimir() {
    if (!sePuede()) return;
    QPrinter impresora;
    if (!dialogos_.imprimir(impresora, QStringLiteral("Imprimir el informe"))) return;
    try {
        const CursorDeEspera espera;
        if (!imprimir_informe(impresora, contenido())) {
            dialogos_.mensaje(QStringLiteral("La impresora no ha aceptado el informe."),
                              titulo_informe, Icono::error);
        }
    } catch (const ErrorCalculo& e) {
        dialogos_.mensaje(texto_error(e, QStringLiteral("al preparar el informe")), titulo_informe,
                          Icono::error);
    }
}

}  // namespace abat
