#include "app/intercambio_sig.h"

#include <limits>

#include "calc/campo_pozos.h"
#include "calc/niveles_pozos.h"

#include <QFileInfo>

#include "adaptadores/cursor_espera.h"
#include "app/estilo_raster.h"
#include "calc/resultados.h"
#include "forms/comandos_tabla.h"
#include "forms/texto_error.h"
#include "model/columnas.h"
#include "model/nombres_columnas.h"
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

QString con_extension_sig(QString ruta, const QString& filtro) {
    for (const char* e : {"gpkg", "tif", "asc", "dxf"}) {
        if (extension(ruta) == QLatin1String(e)) return ruta;
    }
    const QString tipo = filtro.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0);
    return ruta + QLatin1Char('.') + (tipo.isEmpty() ? QStringLiteral("gpkg") : tipo);
}

// Records far outside the area of use of their system: kept (Sí), left out (No), or the import
// cancelled; false when nothing is left to import.
bool dejar_lejanos(Dialogos& dialogos, const TextosTabla& textos, const Sistema& sistema,
                   Importacion& i) {
    if (i.lejanos.empty()) return true;
    const size_t n = i.lejanos.size();
    const auto& primero = i.registros[i.lejanos.front()];
    const QString texto =
        QStringLiteral(
            "%1: %2 de %3 %4 lejos del área de uso de %5; %6 queda en x = %7 m, "
            "y = %8 m.\n\n¿Desea importar%9 también? Sí: se importan todos. No: se "
            "importan los demás. Cancelar: no se importa nada.")
            .arg(QString::fromStdString(i.capa))
            .arg(n)
            .arg(cuantos(i.registros.size(), textos), n == 1 ? "cae" : "caen",
                 QString::fromStdString(etiqueta(sistema)),
                 (n == 1 ? QStringLiteral("«%1»") : QStringLiteral("el primero, «%1»,"))
                     .arg(QString::fromStdString(primero[0])),
                 QString::fromStdString(primero[primero.size() - 2]),
                 QString::fromStdString(primero.back()), n == 1 ? "lo" : "los");
    switch (dialogos.preguntaConCancelar(texto, textos.tituloImportar)) {
        case Respuesta::si:
            break;
        case Respuesta::no:
            for (auto k = i.lejanos.rbegin(); k != i.lejanos.rend(); ++k) {
                i.registros.erase(i.registros.begin() + static_cast<std::ptrdiff_t>(*k));
            }
            break;
        case Respuesta::cancelar:
            return false;
    }
    i.lejanos.clear();
    return !i.registros.empty();
}

// A wells layer without a diameter field: one diameter for all its wells, asked as the add
// command asks it, until it is a number; an empty answer (Cancel) imports nothing.
bool diametro_de_todos(Dialogos& dialogos, const TextosTabla& textos, Importacion& i) {
    if (!i.sin_diametro) return true;
    const PreguntaNumerica& p = textos.preguntas.front();  // the diameter's
    const QString prompt =
        QStringLiteral(
            "%1 no tiene el campo del diámetro (%2). Introduzca el diámetro de sus "
            "%3, en metros:")
            .arg(QString::fromStdString(i.capa),
                 QString::fromStdString(lista_de_nombres(Dato::diametro)),
                 cuantos(i.registros.size(), textos));
    for (;;) {
        const QString respuesta = dialogos.entrada(prompt, textos.tituloImportar);
        if (respuesta.isEmpty()) return false;
        if (const auto n = numero_de_celda(respuesta.toStdString())) {
            for (auto& r : i.registros) r[1] = *n;
            i.sin_diametro = false;
            return true;
        }
        dialogos.mensaje(p.textoError, p.tituloError, Icono::error);
    }
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
        const Resuelto<Sistema> l = leer_sistema(elegido.toStdString());
        if (!l) {
            dialogos.mensaje(QString::fromStdString(l.rechazo()),
                             QStringLiteral("Sistema de coordenadas"), Icono::advertencia);
            return false;
        }
        nuevo = *l;
    }
    if (nuevo == sistema) return false;
    sistema = nuevo;
    return true;
}

std::optional<Importado> importar(Dialogos& dialogos, const VentanaTabla& ventana, Registro tipo,
                                  const Sistema& sistema) {
    const QString& titulo = ventana.textos().tituloImportar;
    const QString ruta = dialogos.archivoParaAbrir(titulo, filtros_importar);
    if (ruta.isEmpty()) return std::nullopt;
    const QString e = extension(ruta);
    const bool hoja = e == "xlsx" || e == "ods" || e == "csv";
    Resuelto<Importacion> leida =
        hoja ? importar_hoja(ruta.toStdString(), encabezados_de(ventana.tabla()))
             : importar_capa(ruta.toStdString(), tipo, sistema);
    if (!leida) {
        dialogos.mensaje(QString::fromStdString(leida.rechazo()), titulo, Icono::advertencia);
        return std::nullopt;
    }
    Importacion& i = *leida;
    const Sistema& destino = i.sistema && !sistema.tiene() ? *i.sistema : sistema;
    if (!dejar_lejanos(dialogos, ventana.textos(), destino, i) ||
        !diametro_de_todos(dialogos, ventana.textos(), i)) {
        return std::nullopt;
    }
    return Importado{std::move(i), QFileInfo(ruta).fileName()};
}

void agregar_importados(Estudio& estudio, Registro tipo,
                        const std::vector<std::vector<std::string>>& registros) {
    // Each record's cells of columns 1.., as the table holds them.
    const auto celda = [](const std::vector<std::string>& r, size_t c) {
        return c < r.size() ? r[c] : std::string();
    };
    for (const auto& r : registros) {
        if (tipo == Registro::pozo) {
            estudio.pozos.push_back(
                {celda(r, 0), celda(r, 1), celda(r, 2), celda(r, 3), celda(r, 4)});
        } else {
            estudio.puntos.push_back({celda(r, 0), celda(r, 1), celda(r, 2)});
        }
    }
}

void contar_importados(Dialogos& dialogos, const VentanaTabla& ventana, const Importado& i) {
    const size_t n = i.datos.registros.size();
    const QString ignoradas = columnas_no_leidas(i.datos.ignoradas);
    dialogos.mensaje(
        QStringLiteral("%1 %2 de «%3».%4")
            .arg(n == 1 ? QStringLiteral("Se ha añadido") : QStringLiteral("Se han añadido"),
                 cuantos(n, ventana.textos()), i.archivo,
                 ignoradas.isEmpty() ? QString() : QLatin1Char(' ') + ignoradas),
        ventana.textos().tituloImportar, Icono::informacion);
}

void exportar(Dialogos& dialogos, Asistente& asistente, const Sistema& sistema) {
    const std::shared_ptr<const Calculo> calculo = asistente.calculo();
    if (!calculo) {
        dialogos.mensaje(QStringLiteral("No hay resultados que exportar: calcule antes."),
                         titulo_exportar, Icono::advertencia);
        return;
    }
    if (!asistente.resultadosVigentes()) {  // what would be written is of other entries
        dialogos.mensaje(QStringLiteral("Los datos han cambiado desde el último cálculo: pulse "
                                        "«Actualizar» para calcular de nuevo antes de exportar."),
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
        const DatosCalculo& datos = *calculo->datos;
        CapasSig capas{sistema,      datos.pozos,          datos.puntos,
                       datos.tiempo, &calculo->resultados, {mapa->tiempo, mapa->isolineas},
                       mapa->rejilla};
        capas.limites = datos.contorno.lados;
        capas.etapas = datos.etapas;
        const CampoPozos campo(datos);
        std::vector<NivelSig> niveles;
        const double nada = std::numeric_limits<double>::quiet_NaN();
        for (const NivelPozo& n : niveles_pozos(campo)) {
            niveles.push_back({n.propio.value_or(nada), n.interferencia.value_or(nada), n.perdidas,
                               n.total().value_or(nada)});
        }
        capas.niveles = niveles;
        const std::string r = ruta.toStdString();
        const QString e = extension(ruta);
        if (e == "tif") {
            exportar_geotiff(r, capas.rejilla, sistema);
        } else if (e == "asc") {
            exportar_asc(r, capas.rejilla, sistema);
        } else if (e == "dxf") {
            exportar_dxf(r, capas);
        } else {
            exportar_geopackage(r, capas, estilo_raster(*mapa));
        }
    } catch (const ErrorCalculo& e) {
        dialogos.mensaje(texto_error(e, QStringLiteral("al exportar")), titulo_exportar,
                         Icono::error);
    }
}

}  // namespace abat
