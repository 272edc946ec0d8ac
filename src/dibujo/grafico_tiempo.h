#pragma once
// The time-drawdown chart of a point: the drawdown against the pumping time on a logarithmic
// axis, the total and the wells' shares, the time entered marked on the total.

#include <QChart>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace abat {

struct LineaTiempo {
    QString nombre;                   // as the legend names it
    std::vector<double> abatimiento;  // m, one per time
};

struct DatosGraficoTiempo {
    QString titulo;
    std::vector<double> dias;  // ascending, > 0
    size_t bombeo = 0;         // the index of the pumping time entered
    LineaTiempo total;
    std::vector<LineaTiempo> partes;   // at most ten, the largest at the pumping time first
    std::optional<LineaTiempo> resto;  // the sum of the other wells' shares
};

// The most shares drawn, each in a colour of its own.
inline constexpr size_t partes_con_color = 10;

// The legend lists the total and the mark first, which a small window never drops, then each
// share with its value at the pumping time, largest first, and the rest's sum. The total in the
// darkest colour of the drawdown classes, drawn over the rest, each share in a colour of its
// own, the rest dashed grey. Raises the overflow ErrorCalculo for drawdowns no axis can span.
std::unique_ptr<QChart> grafico_tiempo(const DatosGraficoTiempo& datos);

// The smallest size at which the chart's axis titles show whole.
QSize tamano_minimo_grafico_tiempo();

}  // namespace abat
