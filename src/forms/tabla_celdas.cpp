#include "forms/tabla_celdas.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "adaptadores/flex_grid.h"
#include "forms/menu_tabla.h"
#include "model/filas.h"

namespace abat {
namespace {

// A column a segment of the format string.
int columnas_de(const std::string& formato) {
    return static_cast<int>(std::count(formato.begin(), formato.end(), '|')) + 1;
}

}  // namespace

TablaCeldas::TablaCeldas(FormaTabla forma, Dialogos& dialogos, QWidget* parent)
    : VentanaConTabla(Grid(2, columnas_de(forma.formato), 1, 1), parent),
      forma_(std::move(forma)),
      dialogos_(dialogos),
      grid_(new FlexGrid(this)),
      caja_(new QLineEdit(this)) {
    tabla().setFormatString(forma_.formato);
    grid_->setGrid(tabla());
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addWidget(grid_);
    // Laid over the cell it edits, in no layout.
    caja_->setObjectName(QStringLiteral("txtCellEditor"));
    caja_->setAccessibleName(QStringLiteral("Editor de celda"));
    editor_ = new EditorCeldas(grid_, caja_, forma_.reglas);
    const GridTableModel* modelo = grid_->gridModel();
    connect(modelo, &GridTableModel::dataChanged, this, &TablaCeldas::editado);
    connect(modelo, &GridTableModel::rowsInserted, this, &TablaCeldas::editado);
    connect(modelo, &GridTableModel::rowsRemoved, this, &TablaCeldas::editado);
    connect(modelo, &GridTableModel::modelReset, this, &TablaCeldas::editado);
    // Typing in an open cell is an entry too: the recovery copy holds it before it is stored.
    connect(caja_, &QLineEdit::textEdited, this, &TablaCeldas::editado);
    menu_de_tabla(grid_, [this](const QString& texto) { pegar(texto); });
    grid_->installEventFilter(this);
}

// Escape on the table, no cell open, is the window's: a dialog's "Cancelar".
bool TablaCeldas::eventFilter(QObject* vigilado, QEvent* evento) {
    if (vigilado == grid_ && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(evento)->modifiers() == Qt::NoModifier) {
        evento->ignore();  // on to the window, as the table takes it not
        return true;
    }
    return VentanaConTabla::eventFilter(vigilado, evento);
}

std::vector<std::vector<std::string>> TablaCeldas::filas(bool cerrar) {
    if (cerrar) terminarEdicion();
    const std::optional<CeldaAbierta> abierta = editor_->abierta();
    const Grid& g = tabla();
    std::vector<std::vector<std::string>> f(static_cast<size_t>(record_count(g)));
    for (int r = 1; r <= record_count(g); ++r) {
        for (int c = 1; c < g.Cols(); ++c) {
            const bool esta = abierta && abierta->fila == r && abierta->columna == c;
            f[static_cast<size_t>(r - 1)].push_back(esta ? abierta->texto
                                                         : std::string(g.TextMatrix(r, c)));
        }
    }
    return f;
}

void TablaCeldas::setFilas(const std::vector<std::vector<std::string>>& filas) {
    editor_->HideCellEditor(true);  // its cell may be gone
    Grid& g = tabla();
    const Grid::Lote lote(g);  // one change for the views
    g.setRows(2);
    for (int c = 0; c < g.Cols(); ++c) g.setTextMatrix(1, c, {});
    agregar_registros(g, filas);
    g.selectCell(1, 1);
}

void TablaCeldas::agregarFila(const std::vector<std::string>& celdas, int columna) {
    terminarEdicion();
    Grid& g = tabla();
    const int r = append_record(g);
    for (size_t c = 0; c < celdas.size(); ++c)
        g.setTextMatrix(r, static_cast<int>(c) + 1, celdas[c]);
    g.selectCell(r, columna);
    editor_->ShowCellEditor();
}

void TablaCeldas::quitarFila(int fila) {
    terminarEdicion();
    Grid& g = tabla();
    if (fila < 1 || fila > record_count(g)) return;
    g.RemoveItem(fila);
    renumber_records(g);
}

int TablaCeldas::filaActual() const {
    const Grid& g = tabla();
    return g.Row() >= 1 && g.Row() <= record_count(g) ? g.Row() : 0;
}

void TablaCeldas::terminarEdicion() {
    editor_->HideCellEditor(false);
}

// The rows appended as the wells table's paste appends them; then each pasted cell as the cell
// would store it typed ("recarga" is "Recarga").
void TablaCeldas::pegar(const QString& texto) {
    terminarEdicion();
    Grid& g = tabla();
    const int antes = record_count(g);
    pegar_registros(g, dialogos_, texto, forma_.textos, Encabezado::propio, forma_.primera);
    for (int r = antes + 1; r <= record_count(g); ++r) {
        for (int c = 1; c < g.Cols(); ++c) {
            std::string celda = forma_.reglas.guardar(c, std::string(g.TextMatrix(r, c)));
            if (celda != g.TextMatrix(r, c)) g.setTextMatrix(r, c, celda);
        }
    }
}

}  // namespace abat
