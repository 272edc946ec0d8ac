#include "adaptadores/dialogo_archivos.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QHash>
#include <QHeaderView>
#include <QMimeDatabase>
#include <QStyle>
#include <QTreeView>

namespace abat {
namespace {

// The types the program's dialogs list, in Spanish whatever the system's language; the others
// by their extension.
QString tipo_en_espanol(const QString& extension) {
    static const QHash<QString, QString> tipos = {
        {"abat", "Estudio de abatimientos"},
        {"xlsx", "Hoja de cálculo de Excel"},
        {"ods", "Hoja de cálculo de OpenDocument"},
        {"csv", "Valores separados por comas"},
        {"gpkg", "GeoPackage"},
        {"shp", "Shapefile de ESRI"},
        {"geojson", "GeoJSON"},
        {"kml", "KML de Google Earth"},
        {"tif", "Imagen TIFF"},
        {"tiff", "Imagen TIFF"},
        {"asc", "Malla ASCII de ESRI"},
        {"dxf", "Dibujo DXF"},
        {"png", "Imagen PNG"},
        {"svg", "Dibujo SVG"},
        {"pdf", "Documento PDF"},
        {"jpg", "Imagen JPEG"},
        {"jpeg", "Imagen JPEG"},
        {"bmp", "Imagen BMP"},
        {"webp", "Imagen WebP"},
        {"gif", "Imagen GIF"},
    };
    const QString e = extension.toLower();
    if (const auto t = tipos.constFind(e); t != tipos.cend()) return *t;
    return e.isEmpty() ? QStringLiteral("Archivo") : QStringLiteral("Archivo %1").arg(e.toUpper());
}

// Qt sizes its columns for English: "274 bytes" and the Spanish types would be cut short.
void columnas_legibles(QFileDialog& dialogo) {
    auto* vista = dialogo.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (vista == nullptr) return;
    const QFontMetrics medida(vista->font());
    const int margen = 4 * vista->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, vista);
    const auto ancho = [&](const QString& texto) {
        return medida.horizontalAdvance(texto) + margen;
    };
    QHeaderView* cabecera = vista->header();
    cabecera->resizeSection(1, ancho(QStringLiteral("1.023,99 bytes")));
    cabecera->resizeSection(2, ancho(QStringLiteral("Hoja de cálculo de OpenDocument")));
    cabecera->resizeSection(3, ancho(QStringLiteral("29/10/2081 14:02")));
}

class IconosPorNombre : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) return icon(Folder);
        return QIcon::fromTheme(tipo(info).iconName(), icon(File));
    }

    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Carpeta");
        return tipo_en_espanol(info.suffix());
    }

  private:
    // The file's name as a text, so the database never looks at the file itself.
    static QMimeType tipo(const QFileInfo& info) {
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
};

}  // namespace

void listar_por_nombres(QFileDialog& dialogo) {
    static auto* const iconos = new IconosPorNombre;  // outlives every dialog
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialogo.setIconProvider(iconos);
    columnas_legibles(dialogo);
}

}  // namespace abat
