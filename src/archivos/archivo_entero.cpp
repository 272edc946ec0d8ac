#include "archivos/archivo_entero.h"

#include <QSaveFile>
#include <cerrno>

#include "model/errores.h"

namespace abat {
// Each step starts with no error number, so the one that fails leaves its own.
void escribir_entero(const std::string& ruta, const std::function<bool(QIODevice&)>& escribir) {
    QSaveFile archivo(QString::fromStdString(ruta));
    errno = 0;
    bool escrito = archivo.open(QIODevice::WriteOnly);
    if (escrito) {
        errno = 0;
        escrito = escribir(archivo) && archivo.error() == QFileDevice::NoError;
    }
    if (escrito) {
        errno = 0;
        escrito = archivo.commit();  // the data reach the disk here, or fail to
    }
    if (escrito) return;
    const int error = errno != 0 ? errno : causa_por_la_ruta(ruta);
    archivo.cancelWriting();
    throw ErrorCalculo::de_acceso(ruta, motivo_del_sistema(error));
}

}  // namespace abat
