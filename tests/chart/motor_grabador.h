#pragma once
// A chart engine that draws nothing: it keeps the worksheet and records every call in order, and
// answers the axis limits it was given.

#include <map>
#include <string>
#include <vector>

#include "motor_grafico.h"

namespace abat::prueba {

class MotorGrabador : public MotorGrafico {
  public:
    std::vector<std::string> llamadas;
    std::map<std::string, double> limites = {
        {"max y", 100}, {"min y", 0}, {"max x", 200}, {"min x", 0}};

    void crear() override { anotar("crear"); }
    Hoja& hojaActiva() override { return hoja; }
    void agregarObjetoGrafico(double l, double t, double w, double h) override {
        anotar("objeto " + n(l) + " " + n(t) + " " + n(w) + " " + n(h));
    }
    void asistenteGrafico(const std::string& origen) override { anotar("asistente " + origen); }
    void rellenoAreaGrafico(int patron, int color) override {
        anotar("relleno " + std::to_string(patron) + " " + std::to_string(color));
    }
    void seriesPorColumnas() override { anotar("por columnas"); }
    void agregarSerie(const std::string& origen) override { anotar("serie " + origen); }
    void valoresX(int indice, const std::string& origen) override {
        anotar("x " + std::to_string(indice) + " " + origen);
    }
    void colorAreaTrazado(int color) override { anotar("trazado " + std::to_string(color)); }
    double maximo(Eje eje) override { return limite("max", eje); }
    double minimo(Eje eje) override { return limite("min", eje); }
    void exportar(const std::string& archivo) override { anotar("exportar " + archivo); }
    void eliminarObjetoGrafico() override { anotar("eliminar"); }
    void mostrarAlertas(bool mostrar) override { anotar(mostrar ? "alertas" : "sin alertas"); }
    void salir() override { anotar("salir"); }

    Hoja hoja;

    void anotar(const std::string& s) { llamadas.push_back(s); }

  private:
    static std::string n(double v) { return std::to_string(static_cast<int>(v)); }
    double limite(const std::string& cual, Eje eje) {
        const std::string clave = cual + (eje == Eje::x ? " x" : " y");
        anotar(clave);
        return limites.at(clave);
    }
};

}  // namespace abat::prueba
