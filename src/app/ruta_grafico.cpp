#include "app/ruta_grafico.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace abat {
namespace {

const QString nombre = QStringLiteral("grafico.gif");

bool se_puede_escribir(const QString& directorio) {
    const QFileInfo archivo(QDir(directorio).filePath(nombre));
    return archivo.exists() ? archivo.isWritable() : QFileInfo(directorio).isWritable();
}

// The directory the program is installed in is the system's, even for root: nothing of the
// user's goes there.
bool instalado_en(const QString& directorio) {
    const QString sistema = QFileInfo(QStringLiteral(ABAT_BINDIR)).canonicalFilePath();
    return !sistema.isEmpty() && QFileInfo(directorio).canonicalFilePath() == sistema;
}

}  // namespace

std::string ruta_grafico(const QString& directorioPrograma) {
    QString directorio = directorioPrograma;
    if (instalado_en(directorio) || !se_puede_escribir(directorio)) {
        directorio = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(directorio);
    }
    return QDir(directorio).filePath(nombre).toStdString();
}

}  // namespace abat
