#include "forms/comandos_tabla.h"

#include <QStringList>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/columnas.h"
#include "model/filas.h"
#include "model/mensajes.h"
#include "model/numeros.h"
#include "model/portapapeles.h"

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

// "«Observaciones» y «Fecha»".
QString citas(const std::vector<std::string>& textos) {
    QStringList citadas;
    for (const std::string& t : textos) citadas << QString::fromStdString(cita(t));
    const QString ultima = citadas.takeLast();
    return citadas.isEmpty() ? ultima
                             : citadas.join(QStringLiteral(", ")) + QStringLiteral(" y ") + ultima;
}

}  // namespace

QString cuantos(size_t n, const TextosTabla& textos) {
    return QStringLiteral("%1 %2%3").arg(n).arg(textos.registro, n == 1 ? "" : "s");
}

QString columnas_no_leidas(const std::vector<std::string>& ignoradas) {
    if (ignoradas.empty()) return {};
    return ignoradas.size() == 1
               ? QStringLiteral("No se ha leído la columna %1: la tabla no la tiene.")
                     .arg(citas(ignoradas))
               : QStringLiteral("No se han leído las columnas %1: la tabla no las tiene.")
                     .arg(citas(ignoradas));
}

const TextosTabla& textos_pozos() {
    static const TextosTabla t{
        QStringLiteral("Pozo "),
        QStringLiteral("Introduzca el nombre del pozo"),
        {{columna_pozo::diametro, QStringLiteral("Introduzca el diámetro del pozo, en metros"),
          QStringLiteral("Debe introducir un valor numérico para el diámetro"),
          QStringLiteral("Diámetro del Pozo")},
         {columna_pozo::gasto, QStringLiteral("Introduzca el gasto del pozo, en m3/s"),
          QStringLiteral("Debe introducir un valor numérico para el gasto"),
          QStringLiteral("Gasto del Pozo")},
         {columna_pozo::x, QStringLiteral("Introduzca la coordenada x del pozo, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada x"),
          QStringLiteral("Coordenada x del Pozo")},
         {columna_pozo::y, QStringLiteral("Introduzca la coordenada y del pozo, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada y"),
          QStringLiteral("Coordenada y del Pozo")}},
        QStringLiteral("Introduzca el número de pozo que desea eliminar"),
        QStringLiteral("Eliminar pozo"),
        QStringLiteral("Número de Pozo a eliminar"),
        QStringLiteral("El pozo "),
        QStringLiteral("Eliminando pozo"),
        QStringLiteral("¿Está seguro que desea eliminar el pozo "),
        QStringLiteral("Eliminando pozo "),
        QStringLiteral("Pegar pozos"),
        QStringLiteral("Importar pozos"),
        QStringLiteral("pozo"),
    };
    return t;
}

const TextosTabla& textos_puntos() {
    static const TextosTabla t{
        QStringLiteral("Punto "),
        QStringLiteral("Introduzca el nombre del punto"),
        {{columna_punto::x, QStringLiteral("Introduzca la coordenada x del punto, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada x"),
          QStringLiteral("Coordenada x del Punto")},
         {columna_punto::y, QStringLiteral("Introduzca la coordenada y del punto, en metros"),
          QStringLiteral("Debe introducir un valor numérico para la coordenada y"),
          QStringLiteral("Coordenada y del Punto")}},
        QStringLiteral("Introduzca el número del punto que desea eliminar"),
        QStringLiteral("Eliminar punto"),
        QStringLiteral("Número del punto a eliminar"),
        QStringLiteral("El punto "),
        QStringLiteral("Eliminando punto"),
        QStringLiteral("¿Está seguro que desea eliminar el punto "),
        QStringLiteral("Eliminando punto "),
        QStringLiteral("Pegar puntos"),
        QStringLiteral("Importar puntos"),
        QStringLiteral("punto"),
    };
    return t;
}

void agregar_registro(Grid& tabla, Dialogos& dialogos, const TextosTabla& textos) {
    const int r = append_record(tabla);
    const QString titulo = textos.tituloRegistro + QString::number(r);
    tabla.setTextMatrix(r, columna_nombre, texto(dialogos.entrada(textos.promptNombre, titulo)));
    for (const PreguntaNumerica& p : textos.preguntas) {
        const double valor = pedir_numero(dialogos, p.prompt, titulo, p.textoError, p.tituloError);
        tabla.setTextMatrix(r, p.columna, number_to_text(valor));
    }
}

int quitar_registro(Grid& tabla, Dialogos& dialogos, const TextosTabla& textos,
                    const std::function<void()>& renumerar) {
    if (tabla.Rows() < 3) return 0;
    LecturaEstricta respuesta;
    for (;;) {
        respuesta =
            leer_estricto(texto(dialogos.entrada(textos.promptEliminar, textos.tituloEliminar)));
        if (respuesta.estado != Lectura::no_es_numero) break;
        dialogos.mensaje(error_numerico, textos.tituloNoNumerico, Icono::error);
    }
    const int k = numero_de_registro(respuesta);
    const QString numero = QString::number(k);
    if (k < 1 || k > record_count(tabla)) {
        dialogos.mensaje(textos.noExiste + numero + QStringLiteral(" no existe"),
                         textos.tituloNoExiste, Icono::advertencia);
        return 0;
    }
    if (!dialogos.pregunta(textos.confirmacion + numero + QLatin1Char('?'),
                           textos.tituloConfirmacion + numero)) {
        return 0;
    }
    tabla.RemoveItem(k);
    renumerar();
    return k;
}

}  // namespace abat

namespace abat {

void agregar_registros(Grid& tabla, const std::vector<std::vector<std::string>>& registros) {
    const Grid::Lote lote(tabla);  // thousands of rows shown at once
    const int primera = tabla.Rows() - 1;
    tabla.setRows(tabla.Rows() + static_cast<int>(registros.size()));
    renumber_records(tabla);
    for (size_t i = 0; i < registros.size(); ++i) {
        const int r = primera + static_cast<int>(i);
        for (size_t c = 0; c < registros[i].size(); ++c) {
            tabla.setTextMatrix(r, static_cast<int>(c) + 1, registros[i][c]);
        }
    }
}

void pegar_registros(Grid& tabla, Dialogos& dialogos, const QString& texto,
                     const TextosTabla& textos, Encabezado encabezado, PrimeraColumna primera) {
    const Resuelto<Pegado> p =
        analizar_pegado(texto.toStdString(), encabezados_de(tabla), encabezado, primera);
    if (!p) {
        dialogos.mensaje(QString::fromStdString(p.rechazo() + "\n\nNo se ha pegado nada."),
                         textos.tituloPegar, Icono::advertencia);
        return;
    }
    agregar_registros(tabla, p->registros);
    if (!p->ignoradas.empty()) {  // the user is told what was left out
        const size_t n = p->registros.size();
        dialogos.mensaje(
            QStringLiteral("%1 %2. %3")
                .arg(n == 1 ? QStringLiteral("Se ha pegado") : QStringLiteral("Se han pegado"),
                     cuantos(n, textos), columnas_no_leidas(p->ignoradas)),
            textos.tituloPegar, Icono::informacion);
    }
}

}  // namespace abat
