#include "adaptadores/dialogo_archivos.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHash>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QStyle>
#include <QTreeView>
#include <algorithm>

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
    // The dates as the list writes them, in the system's format; at least the column's title.
    const QString fecha = QLocale::system().toString(
        QDateTime(QDate(2088, 12, 28), QTime(23, 58, 58)), QLocale::ShortFormat);
    cabecera->resizeSection(3,
                            std::max(ancho(fecha), ancho(QStringLiteral("Última modificación"))));
    // Wide enough for every column beside the folders' list, as the screen allows.
    constexpr int lista_de_lugares = 160;
    int quiere = cabecera->length() + lista_de_lugares;
    if (const QScreen* pantalla = dialogo.screen()) {
        quiere = std::min(quiere, pantalla->availableGeometry().width() * 9 / 10);
    }
    if (dialogo.width() < quiere) dialogo.resize(quiere, dialogo.height());
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
