#include "ruta_grafico.h"

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

}  // namespace

std::string ruta_grafico(const QString& directorioPrograma) {
    QString directorio = directorioPrograma;
    if (!se_puede_escribir(directorio)) {
        directorio = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(directorio);
    }
    return QDir(directorio).filePath(nombre).toStdString();
}

}  // namespace abat
