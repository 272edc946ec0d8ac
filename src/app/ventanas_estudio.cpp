#include "app/ventanas_estudio.h"

#include <algorithm>

#include "model/columnas.h"
#include "model/filas.h"

namespace abat {
namespace {

std::string texto(const QString& s) {
    return s.toStdString();
}

// Whether row `fila` of the table holds the record.
template <typename Registro, typename Columnas>
bool tiene(const Grid& tabla, int fila, const Registro& r, Columnas columnas) {
    return std::ranges::all_of(columnas(r), [&](const auto& columna_y_celda) {
        return tabla.TextMatrix(fila, columna_y_celda.first) == columna_y_celda.second;
    });
}

// The rows of `registros` with the cells `columnas` gives each record, numbered, in place of
// the table's records; one change for the views. Records the table already holds in their rows
// stay as they are, so a table that only grows keeps its current cell.
template <typename Registro, typename Columnas>
void llenar_tabla(Grid& tabla, const std::vector<Registro>& registros, Columnas columnas) {
    const int antes = record_count(tabla);
    int iguales = 0;
    while (iguales < antes && iguales < static_cast<int>(registros.size()) &&
           tiene(tabla, iguales + 1, registros[static_cast<size_t>(iguales)], columnas)) {
        ++iguales;
    }
    if (iguales == antes && iguales == static_cast<int>(registros.size())) return;
    const Grid::Lote lote(tabla);
    const bool crece = iguales == antes;
    if (!crece) {
        tabla.setRows(2);
        for (int c = 0; c < tabla.Cols(); ++c) tabla.setTextMatrix(1, c, {});
        iguales = 0;
    }
    tabla.setRows(static_cast<int>(registros.size()) + 2);
    renumber_records(tabla);
    for (int fila = iguales + 1; fila <= static_cast<int>(registros.size()); ++fila) {
        for (const auto& [columna, celda] : columnas(registros[static_cast<size_t>(fila - 1)])) {
            tabla.setTextMatrix(fila, columna, celda);
        }
    }
    if (!crece) tabla.selectCell(1, 1);
}

// A table's cell as it would stand were its open editor closed now.
class Celdas {
  public:
    Celdas(const Grid& tabla, std::optional<CeldaAbierta> abierta)
        : tabla_(tabla), abierta_(std::move(abierta)) {}
    std::string operator()(int fila, int columna) const {
        if (abierta_ && abierta_->fila == fila && abierta_->columna == columna) {
            return abierta_->texto;
        }
        return std::string(tabla_.TextMatrix(fila, columna));
    }

  private:
    const Grid& tabla_;
    std::optional<CeldaAbierta> abierta_;
};

Celdas celdas(VentanaTabla& ventana, const Grid& tabla, Editores editores) {
    if (editores == Editores::cerrar) ventana.terminarEdicion();
    return {tabla, ventana.celdaAbierta()};
}

}  // namespace

Estudio estudio_de(Ventanas& v, Editores editores) {
    Estudio e;
    e.T = texto(v.caracteristicas->textoT());
    e.S = texto(v.caracteristicas->textoS());
    if (const QString c = v.acuitardo->resistencia(); !c.trimmed().isEmpty())
        e.acuitardo = texto(c);
    const Grid& pozos = v.noPozos->pozos();
    const Celdas de_pozos = celdas(*v.noPozos, pozos, editores);
    e.pozos.reserve(static_cast<size_t>(record_count(pozos)));
    for (int i = 1; i <= record_count(pozos); ++i) {
        auto celda = [&](int c) { return de_pozos(i, c); };
        e.pozos.push_back({celda(columna_pozo::nombre), celda(columna_pozo::diametro),
                           celda(columna_pozo::gasto), celda(columna_pozo::x),
                           celda(columna_pozo::y)});
    }
    const Grid& puntos = v.coordAbat->puntos();
    const Celdas de_puntos = celdas(*v.coordAbat, puntos, editores);
    e.puntos.reserve(static_cast<size_t>(record_count(puntos)));
    for (int j = 1; j <= record_count(puntos); ++j) {
        auto celda = [&](int c) { return de_puntos(j, c); };
        e.puntos.push_back(
            {celda(columna_punto::nombre), celda(columna_punto::x), celda(columna_punto::y)});
    }
    e.tiempo = v.coordAbat->tiempo();
    if (editores == Editores::cerrar) v.ensayo->terminarEdicion();
    e.ensayo = v.ensayo->ensayo();
    e.limites = v.limites->limites(editores == Editores::cerrar);
    e.etapas = v.noPozos->etapas();
    e.perdidas = v.noPozos->perdidas();
    return e;
}

void llenar_ventanas(Ventanas& v, const Estudio& e) {
    v.noPozos->terminarEdicion();
    v.coordAbat->terminarEdicion();
    if (v.caracteristicas->textoT().toStdString() != e.T ||
        v.caracteristicas->textoS().toStdString() != e.S) {
        v.caracteristicas->setTextos(QString::fromStdString(e.T), QString::fromStdString(e.S));
    }
    v.acuitardo->setResistencia(QString::fromStdString(e.acuitardo.value_or(std::string())));
    llenar_tabla(v.noPozos->pozos(), e.pozos, [](const PozoTexto& p) {
        return std::array<std::pair<int, const std::string&>, 5>{
            {{columna_pozo::nombre, p.nombre},
             {columna_pozo::diametro, p.diametro},
             {columna_pozo::gasto, p.caudal},
             {columna_pozo::x, p.x},
             {columna_pozo::y, p.y}}};
    });
    v.noPozos->setEtapas(e.etapas);  // beside the rows just filled
    v.noPozos->setPerdidas(e.perdidas);
    v.limites->setLimites(e.limites);
    llenar_tabla(v.coordAbat->puntos(), e.puntos, [](const PuntoTexto& p) {
        return std::array<std::pair<int, const std::string&>, 3>{
            {{columna_punto::nombre, p.nombre}, {columna_punto::x, p.x}, {columna_punto::y, p.y}}};
    });
    if (v.coordAbat->tiempo() != e.tiempo) v.coordAbat->setTiempo(QString::fromStdString(e.tiempo));
    v.ensayo->setEnsayo(e.ensayo);
}

QWidget* ventana_incompleta(Ventanas& v) {
    if (v.caracteristicas->textoT().isEmpty() || v.caracteristicas->textoS().isEmpty()) {
        return v.caracteristicas;
    }
    if (!has_records(v.noPozos->pozos())) return v.noPozos;
    if (!has_records(v.coordAbat->puntos()) || v.coordAbat->tiempo().empty()) return v.coordAbat;
    return nullptr;
}

}  // namespace abat
