#include "app/intercambio_sig.h"

#include <QFileInfo>

#include "adaptadores/cursor_espera.h"
#include "calc/resultados.h"
#include "forms/comandos_tabla.h"
#include "forms/texto_error.h"
#include "model/columnas.h"
#include "model/numeros.h"
#include "model/portapapeles.h"
#include "sig/exportacion.h"

namespace abat {
namespace {

const QString filtros_importar = QStringLiteral(
    "Hojas de cálculo y capas de puntos (*.xlsx *.ods *.csv *.gpkg *.shp *.geojson *.kml);;"
    "Hojas de cálculo (*.xlsx *.ods *.csv);;Capas de puntos (*.gpkg *.shp *.geojson *.kml)");
const QString filtros_exportar = QStringLiteral(
    "GeoPackage: pozos, puntos, isolíneas y malla (*.gpkg);;GeoTIFF: la malla (*.tif);;"
    "ESRI ASCII grid: la malla (*.asc);;DXF para CAD: isolíneas, pozos y puntos (*.dxf)");
const QString titulo_exportar = QStringLiteral("Exportar a SIG");

QString extension(const QString& ruta) {
    return QFileInfo(ruta).suffix().toLower();
}

std::vector<PozoSig> pozos_sig(const DatosCalculo& datos) {
    std::vector<PozoSig> pozos;
    pozos.reserve(datos.pozos.size());
    for (const Pozo& p : datos.pozos) {
        pozos.push_back({p.nombre, p.diametro, p.gasto.ok() ? p.gasto.valor : 0.0, p.x, p.y});
    }
    return pozos;
}

// Each point with its total and each well's share, as the results table gives them.
PuntosSig puntos_sig(const DatosCalculo& datos, const Grid& resultados) {
    PuntosSig p;
    for (const Pozo& pozo : datos.pozos) p.campos_partes.push_back(encabezado_pozo(pozo.nombre));
    const int total = resultados.Cols() - 1;
    for (size_t j = 0; j < datos.puntos.size(); ++j) {
        const int fila = static_cast<int>(j) + 1;
        PuntoSig q{datos.puntos[j].nombre,
                   datos.puntos[j].x,
                   datos.puntos[j].y,
                   datos.tiempo,
                   leading_number(resultados.TextMatrix(fila, total)),
                   {}};
        for (int c = 2; c < total; ++c)
            q.partes.push_back(leading_number(resultados.TextMatrix(fila, c)));
        p.puntos.push_back(std::move(q));
    }
    return p;
}

QString con_extension_sig(QString ruta, const QString& filtro) {
    for (const char* e : {"gpkg", "tif", "asc", "dxf"}) {
        if (extension(ruta) == QLatin1String(e)) return ruta;
    }
    const QString tipo = filtro.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0);
    return ruta + QLatin1Char('.') + (tipo.isEmpty() ? QStringLiteral("gpkg") : tipo);
}

}  // namespace

bool elegir_sistema(Dialogos& dialogos, Sistema& sistema) {
    QStringList opciones;
    for (const Sistema& s : sistemas_ofrecidos()) opciones << QString::fromStdString(etiqueta(s));
    const QString elegido = dialogos.elegir(
        QStringLiteral("Sistema de coordenadas de los pozos y los puntos (o un código EPSG):"),
        QStringLiteral("Sistema de coordenadas"), opciones,
        QString::fromStdString(etiqueta(sistema)));
    if (elegido.isEmpty()) return false;
    Sistema nuevo;
    if (const auto i = opciones.indexOf(elegido); i >= 0) {
        nuevo = sistemas_ofrecidos()[static_cast<size_t>(i)];
    } else {
        const LecturaSistema l = leer_sistema(elegido.toStdString());
        if (!l.sistema) {
            dialogos.mensaje(QString::fromStdString(l.error),
                             QStringLiteral("Sistema de coordenadas"), Icono::advertencia);
            return false;
        }
        nuevo = *l.sistema;
    }
    if (nuevo == sistema) return false;
    sistema = nuevo;
    return true;
}

bool importar(Dialogos& dialogos, VentanaTabla& ventana, Registro tipo, Sistema& sistema) {
    const QString& titulo = ventana.textos().tituloImportar;
    const QString ruta = dialogos.archivoParaAbrir(titulo, filtros_importar);
    if (ruta.isEmpty()) return false;
    const QString e = extension(ruta);
    const bool hoja = e == "xlsx" || e == "ods" || e == "csv";
    const Importacion i = hoja ? importar_hoja(ruta.toStdString(), encabezados_de(ventana.tabla()))
                               : importar_capa(ruta.toStdString(), tipo, sistema);
    if (!i.rechazo.empty()) {
        dialogos.mensaje(QString::fromStdString(i.rechazo), titulo, Icono::advertencia);
        return false;
    }
    ventana.terminarEdicion();
    agregar_registros(ventana.tabla(), i.registros);
    if (i.sistema && !sistema.tiene()) sistema = *i.sistema;
    // From the menu, with another window showing, the user is told what was added.
    if (!ventana.isVisible()) {
        dialogos.mensaje(
            QStringLiteral("Se han añadido %1 %2 de «%3».")
                .arg(i.registros.size())
                .arg(tipo == Registro::pozo ? QStringLiteral("pozos") : QStringLiteral("puntos"),
                     QFileInfo(ruta).fileName()),
            titulo, Icono::informacion);
    }
    return true;
}

void exportar(Dialogos& dialogos, Asistente& asistente, Ventanas& v, const Sistema& sistema) {
    const std::shared_ptr<const DatosCalculo> datos = asistente.datosDeResultados();
    if (!datos) {
        dialogos.mensaje(QStringLiteral("No hay resultados que exportar: calcule antes."),
                         titulo_exportar, Icono::advertencia);
        return;
    }
    QString filtro;
    const QString elegida = dialogos.archivoParaGuardar(titulo_exportar, filtros_exportar, filtro,
                                                        QStringLiteral("Abatimientos.gpkg"));
    if (elegida.isEmpty()) return;
    const QString ruta = con_extension_sig(elegida, filtro);
    try {
        const CursorDeEspera espera;  // a large field's file takes seconds; gone before a message
        const std::shared_ptr<const DibujoMapa> mapa = asistente.mapa().paraExportar();
        CapasSig capas{sistema,
                       pozos_sig(*datos),
                       puntos_sig(*datos, v.resultados->resultados()),
                       {mapa->tiempo, mapa->isolineas},
                       mapa->rejilla};
        const std::string r = ruta.toStdString();
        const QString e = extension(ruta);
        if (e == "tif") {
            exportar_geotiff(r, capas.rejilla, sistema);
        } else if (e == "asc") {
            exportar_asc(r, capas.rejilla, sistema);
        } else if (e == "dxf") {
            exportar_dxf(r, capas);
        } else {
            exportar_geopackage(r, capas);
        }
    } catch (const ErrorCalculo& e) {
        dialogos.mensaje(texto_error(e, QStringLiteral("al exportar")), titulo_exportar,
                         Icono::error);
    }
}

}  // namespace abat
