#include "adaptadores/dialogos_consola.h"

#include <cstdio>

namespace abat {

void escribir_en_error(const QString& texto) {
    std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
    std::fflush(stderr);
}

void DialogosConsola::mensaje(const QString& texto, const QString& titulo, Icono icono) {
    if (icono == Icono::error || icono == Icono::advertencia) avisos_ = true;
    escribir_en_error(QStringLiteral("abatimientos: %1: %2").arg(titulo, texto));
}

bool DialogosConsola::pregunta(const QString& texto, const QString& titulo) {
    mensaje(texto + QStringLiteral(" (no)"), titulo, Icono::pregunta);
    return false;
}

Respuesta DialogosConsola::preguntaConCancelar(const QString& texto, const QString& titulo) {
    mensaje(texto + QStringLiteral(" (cancelar)"), titulo, Icono::pregunta);
    return Respuesta::cancelar;
}

QString DialogosConsola::entrada(const QString& /*prompt*/, const QString& /*titulo*/) {
    return {};
}

QString DialogosConsola::elegir(const QString& /*prompt*/, const QString& /*titulo*/,
                                const QStringList& /*opciones*/, const QString& /*actual*/) {
    return {};
}

QString DialogosConsola::archivoParaGuardar(const QString& /*titulo*/, const QString& /*filtros*/,
                                            QString& /*filtro*/, const QString& /*propuesto*/) {
    return {};
}

QString DialogosConsola::archivoParaAbrir(const QString& /*titulo*/, const QString& /*filtros*/) {
    return {};
}

bool DialogosConsola::imprimir(QPrinter& /*impresora*/, const QString& /*titulo*/) {
    return false;
}

}  // namespace abat
