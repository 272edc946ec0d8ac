#include "estudio/archivo_estudio.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

#include "archivos/escritura_entera.h"
#include "model/errores.h"

namespace abat {
namespace {

// What keeps a path from being read as a study, told before it is opened: nothing is read from a
// file too large, and opening a pipe would wait for a writer.
std::optional<std::string> motivo_archivo(const QFileInfo& info) {
    if (!info.exists()) return "no existe";
    if (info.isDir()) return "es una carpeta";
    if (!info.isFile()) return "no es un archivo ordinario";
    if (info.size() >= tamano_maximo_estudio) {
        return "ocupa " + std::to_string(info.size()) +
               " bytes, y un estudio ha de ocupar menos de 1 GB";
    }
    return std::nullopt;
}

}  // namespace

void guardar_estudio(const Estudio& estudio, const std::string& ruta) {
    escribir_entero(ruta, escribir_estudio(estudio));
}

Resuelto<Estudio> abrir_estudio(const std::string& ruta) {
    const QFileInfo info(QString::fromStdString(ruta));
    if (const auto motivo = motivo_archivo(info)) return rechazo_de_estudio(ruta, *motivo);
    QFile archivo(info.filePath());
    if (!archivo.open(QIODevice::ReadOnly)) {
        return rechazo_de_estudio(
            ruta, info.isReadable() ? "no se puede leer" : "no hay permiso para leerlo");
    }
    // As much as its size said: a file that grows meanwhile reads as cut short.
    const QByteArray bytes = archivo.read(info.size());
    if (archivo.error() != QFileDevice::NoError)
        return rechazo_de_estudio(ruta, "no se puede leer");
    return leer_estudio(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                        ruta);
}

}  // namespace abat
