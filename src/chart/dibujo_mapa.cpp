#include "chart/dibujo_mapa.h"

#include "chart/numeros_redondos.h"

namespace abat {

double longitud_escala(double metros_por_pixel, double pixeles) {
    return redondo_no_mayor(metros_por_pixel * pixeles, Serie::uno_dos_cinco).valor();
}

}  // namespace abat
