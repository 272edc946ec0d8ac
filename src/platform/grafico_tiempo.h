#pragma once
// The time-drawdown chart of a point: the drawdown against the pumping time on a logarithmic
// axis, the total and the wells' shares, the time entered marked on the total.

#include <QChart>
#include <QString>
#include <memory>
#include <vector>

namespace abat {

struct LineaTiempo {
    QString nombre;                   // as the legend shows it
    std::vector<double> abatimiento;  // m, one per time
};

struct DatosGraficoTiempo {
    QString titulo;
    std::vector<double> dias;  // ascending, > 0
    size_t bombeo = 0;         // the index of the pumping time entered
    LineaTiempo total;
    std::vector<LineaTiempo> partes;
};

// The total in the darkest colour of the drawdown classes, the shares in the family's other
// tones, solid and then dashed. Raises the overflow ErrorCalculo for drawdowns no axis can span.
std::unique_ptr<QChart> grafico_tiempo(const DatosGraficoTiempo& datos);

}  // namespace abat
