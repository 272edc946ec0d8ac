#include "comandos_tabla.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "filas.h"
#include "numeros.h"

namespace abat {
namespace {

const QString error_numerico = QStringLiteral("Debe introducir un valor numérico");

std::string texto(const QString& s) {
    return s.toStdString();
}

// Asks until the answer reads as a number under the strict rule; one beyond the range of a
// double is asked again too.
double pedir_numero(Dialogos& dialogos, const QString& prompt, const QString& titulo,
                    const QString& textoError, const QString& tituloError) {
    for (;;) {
        const LecturaEstricta l = leer_estricto(texto(dialogos.entrada(prompt, titulo)));
        if (l.ok()) return l.valor;
        dialogos.mensaje(textoError, tituloError, Icono::error);
    }
}

// The record number that the answer names: the nearest whole number, halves to the even one.
// A number that a 16-bit record number cannot hold names no record, shown as 0.
int numero_de_registro(const LecturaEstricta& l) {
    const double k = std::nearbyint(l.valor);  // the default rounding: half to even
    if (l.estado != Lectura::numero || k < std::numeric_limits<int16_t>::min() ||
        k > std::numeric_limits<int16_t>::max()) {
        return 0;
    }
    return static_cast<int>(k);
}

}  // namespace

const TextosTabla& textos_pozos() {
    static const TextosTabla t{
        QStringLiteral("Pozo "),
        QStringLiteral("Introduzca el nombre del pozo"),
        {{2, QStringLiteral("Introduzca el diámetro del pozo, en metros"),
          QStringLiteral("Debe introducir un valor numérico para el diámetro"),
          QStringLiteral("Diámetro del Pozo")},
         {3, QStringLiteral("Introduzca el gasto del pozo, en m3/s"),
          QStringLiteral("Debe introducir un valor numérico para el gasto"),
          QStringLiteral("Gasto del Pozo")},
         {4, QStringLiteral("Introduzca la coordenada x del pozo, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada x"),
          QStringLiteral("Coordenada x del Pozo")},
         {5, QStringLiteral("Introduzca la coordenada y del pozo, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada y"),
          QStringLiteral("Coordenada y del Pozo")}},
        QStringLiteral("Introduzca el número de pozo que desea eliminar"),
        QStringLiteral("Eliminar pozo"),
        QStringLiteral("Número de Pozo a eliminar"),
        QStringLiteral("El pozo "),
        QStringLiteral("Eliminando pozo"),
        QStringLiteral("¿Está seguro que desea eliminar el pozo "),
        QStringLiteral("Eliminando pozo "),
    };
    return t;
}

const TextosTabla& textos_puntos() {
    static const TextosTabla t{
        QStringLiteral("Punto "),
        QStringLiteral("Introduzca el nombre del punto"),
        {{2, QStringLiteral("Introduzca la coordenada x del punto, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada x"),
          QStringLiteral("Coordenada x del Punto")},
         {3, QStringLiteral("Introduzca la coordenada y del punto, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada y"),
          QStringLiteral("Coordenada y del Punto")}},
        QStringLiteral("Introduzca el número del punto que desea eliminar"),
        QStringLiteral("Eliminar punto"),
        QStringLiteral("Número del punto a eliminar"),
        QStringLiteral("El punto "),
        QStringLiteral("Eliminando punto"),
        QStringLiteral("¿Está seguro que desea eliminar el punto "),
        QStringLiteral("Eliminando punto "),
    };
    return t;
}

void agregar_registro(Grid& tabla, Dialogos& dialogos, const TextosTabla& textos) {
    const int r = append_record(tabla);
    const QString titulo = textos.tituloRegistro + QString::number(r);
    tabla.setTextMatrix(r, 1, texto(dialogos.entrada(textos.promptNombre, titulo)));
    for (const PreguntaNumerica& p : textos.preguntas) {
        const double valor = pedir_numero(dialogos, p.prompt, titulo, p.textoError, p.tituloError);
        tabla.setTextMatrix(r, p.columna, number_to_text(valor));
    }
}

void quitar_registro(Grid& tabla, Dialogos& dialogos, const TextosTabla& textos,
                     const std::function<void()>& renumerar) {
    if (tabla.Rows() < 3) return;
    LecturaEstricta respuesta;
    for (;;) {
        respuesta =
            leer_estricto(texto(dialogos.entrada(textos.promptEliminar, textos.tituloEliminar)));
        if (respuesta.estado != Lectura::no_es_numero) break;
        dialogos.mensaje(error_numerico, textos.tituloNoNumerico, Icono::error);
    }
    const int k = numero_de_registro(respuesta);
    const QString numero = QString::number(k);
    if (k < 1 || k > tabla.Rows() - 2) {
        dialogos.mensaje(textos.noExiste + numero + QStringLiteral(" no existe"),
                         textos.tituloNoExiste, Icono::advertencia);
        return;
    }
    if (!dialogos.pregunta(textos.confirmacion + numero + QLatin1Char('?'),
                           textos.tituloConfirmacion + numero)) {
        return;
    }
    tabla.RemoveItem(k);
    renumerar();
}

}  // namespace abat
