#include "forms/frmAbatimientoPozos.h"

#include <QAction>
#include <QVBoxLayout>

#include "adaptadores/apariencia.h"
#include "adaptadores/flex_grid.h"
#include "forms/menu_tabla.h"
#include "model/filas.h"
#include "model/numeros.h"

namespace abat {
namespace {

std::string cuatro(const std::optional<double>& v) {
    return v ? format_4dec(*v) : std::string();
}

}  // namespace

frmAbatimientoPozos::frmAbatimientoPozos(QWidget* parent)
    : VentanaConTabla(Grid(2, static_cast<int>(columnas_niveles.size()) + 1, 1, 1), parent),
      aviso_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmAbatimientoPozos"));
    setWindowTitle(QStringLiteral("Abatimiento en los pozos"));
    std::string cabeceras = "^ No. ";
    for (const char* c : columnas_niveles) cabeceras += std::string("|^ ") + c + " ";
    niveles().setFormatString(cabeceras);
    auto* grid = new FlexGrid(this);
    grid->setObjectName(QStringLiteral("tblAbatimientoPozos"));
    grid->setAccessibleName(QStringLiteral("Abatimiento en los pozos"));
    grid->setGrid(niveles());
    aviso_->setObjectName(QStringLiteral("lblAvisos"));
    aviso_->setWordWrap(true);
    aviso_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(grid, 1);
    todo->addWidget(aviso_);
    const AccionesTabla acciones = menu_de_tabla(grid, {}, {});
    acciones.copiar->setShortcut(QKeySequence::Copy);
    acciones.seleccionarTodo->setShortcut(QKeySequence::SelectAll);
    for (QAction* a : {acciones.copiar, acciones.seleccionarTodo}) {
        a->setShortcutContext(Qt::WidgetShortcut);
        grid->addAction(a);
    }
    fuente_de_ventana(this, 8.25);
    resize(720, 360);
    describir_controles(this);
}

void frmAbatimientoPozos::mostrar(const DatosCalculo& datos, const std::vector<NivelPozo>& n,
                                  const std::string& aviso) {
    Grid& g = niveles();
    const Grid::Lote lote(g);
    g.setRows(static_cast<int>(n.size()) + 2);  // a blank row closes it, as the results table
    for (size_t k = 0; k < n.size(); ++k) {
        const int fila = static_cast<int>(k) + 1;
        const NivelPozo& p = n[k];
        const std::array<std::string, columnas_niveles.size()> celdas = {
            datos.pozos[k].nombre,   format_4dec(p.radio),    cuatro(p.propio),
            cuatro(p.interferencia), format_4dec(p.perdidas), cuatro(p.total())};
        g.setTextMatrix(fila, 0, std::to_string(fila));
        for (size_t c = 0; c < celdas.size(); ++c)
            g.setTextMatrix(fila, static_cast<int>(c) + 1, celdas[c]);
    }
    aviso_->setText(QString::fromStdString(aviso));
}

void frmAbatimientoPozos::vaciar(const QString& motivo) {
    Grid& g = niveles();
    const Grid::Lote lote(g);
    g.setRows(2);
    for (int c = 0; c < g.Cols(); ++c) g.setTextMatrix(1, c, {});
    aviso_->setText(motivo);
}

}  // namespace abat
