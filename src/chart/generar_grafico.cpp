#include "chart/generar_grafico.h"

#include "calc/red.h"
#include "chart/hoja_grafico.h"

namespace abat {
namespace {

std::string columna(char c, int desde, int hasta) {
    return direccion_celda(c, desde) + ":" + direccion_celda(c, hasta);
}

}  // namespace

void agregar_series_de_clases(MotorGrafico& motor,
                              const std::array<int, numero_clases>& contadores) {
    int serie = 3;
    for (size_t k = 0; k < contadores.size(); ++k) {
        const ClaseAbatimiento& c = clases_abatimiento()[k];
        if (motor.hojaActiva().vacia(direccion_celda(c.columnaX, 2))) continue;
        motor.agregarSerie(columna(c.columnaY, 1, contadores[k]));
        motor.valoresX(serie, columna(c.columnaX, 2, contadores[k]));
        ++serie;
    }
}

// Rw and Rp are the row counts of the wells and points tables: the last row of their blocks is
// the empty one below the last record.
void generar_grafico(Declaraciones& d, const DatosCalculo& datos, MotorGrafico& motor,
                     const DestinoGrafico& destino) {
    const int Rw = static_cast<int>(datos.pozos.size()) + 2;
    const int Rp = static_cast<int>(datos.puntos.size()) + 2;
    motor.crear();
    escribir_pozos(motor.hojaActiva(), datos.pozos);
    escribir_puntos(motor.hojaActiva(), datos.puntos);
    motor.agregarObjetoGrafico(100, 30, 500, 360);
    motor.asistenteGrafico("A1:B" + std::to_string(Rw));
    motor.rellenoAreaGrafico(relleno_solido, blanco);
    motor.seriesPorColumnas();
    motor.agregarSerie(columna('D', 1, Rp));
    motor.valoresX(2, columna('C', 2, Rp));
    motor.colorAreaTrazado(blanco);

    const double ymax = motor.maximo(Eje::y);
    const double ymin = motor.minimo(Eje::y);
    const double xmax = motor.maximo(Eje::x);
    const double xmin = motor.minimo(Eje::x);
    generar_red(d, datos, xmin, xmax, ymin, ymax);

    escribir_nombres_clases(motor.hojaActiva());
    agregar_series_de_clases(motor, clasificar_nodos(motor.hojaActiva(), *d.nodos, d.nodo));

    motor.exportar(destino.archivo);
    destino.mostrar(destino.archivo);
    motor.eliminarObjetoGrafico();
    motor.mostrarAlertas(false);
    motor.salir();
}

}  // namespace abat
