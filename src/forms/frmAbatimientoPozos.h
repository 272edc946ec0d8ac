#pragma once
// The water level inside every pumping well at the pumping time of the points window: one row a
// well, its radius, its own drawdown there, the interference of the others, its loss through the
// screen and the total, four decimals as the results; wells without a radius are named beneath.
// The table is read-only; Ctrl+C and Ctrl+A copy and select, as in the results.

#include <QLabel>
#include <string>
#include <vector>

#include "calc/niveles_pozos.h"
#include "forms/ventana_con_tabla.h"

namespace abat {

// The headings of the table, after the wells' numbers.
inline constexpr std::array<const char*, 6> columnas_niveles = {
    "Pozo", "Radio[m]", "Propio[m]", "Interferencia[m]", "Pérdidas[m]", "Total[m]"};

class frmAbatimientoPozos : public VentanaConTabla {
    Q_OBJECT
  public:
    explicit frmAbatimientoPozos(QWidget* parent = nullptr);

    Grid& niveles() { return tabla(); }
    // The levels of the wells of `datos`, and what is to be said beneath (wells without a radius).
    void mostrar(const DatosCalculo& datos, const std::vector<NivelPozo>& niveles,
                 const std::string& aviso);
    // No levels: the table empties and `motivo` says why.
    void vaciar(const QString& motivo);
    QString aviso() const { return aviso_->text(); }

  private:
    QLabel* aviso_;
};

}  // namespace abat
