#include "adaptadores/flex_grid.h"

#include <cmath>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <algorithm>

#include "adaptadores/teclado.h"
#include "adaptadores/texto_qt.h"

namespace abat {
namespace {

constexpr int ancho_sin_formato = 64;  // a column that no segment has sized yet

const char* const estilo =
    "QTableView { background-color: #808080; gridline-color: #C0C0C0; }"
    "QHeaderView { background-color: #808080; }"
    "QHeaderView::section { background-color: palette(button); color: palette(button-text);"
    "  border: 0px; border-right: 1px solid #000000; border-bottom: 1px solid #000000;"
    "  padding: 0px; }"
    "QTableCornerButton::section { background-color: palette(button);"
    "  border: 0px; border-right: 1px solid #000000; border-bottom: 1px solid #000000; }";

// A selection is highlighted only when it spans more than one cell; the current cell alone shows
// just the focus frame, so a table at rest reads as plain text.
class DelegadoCelda : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto* vista = qobject_cast<const QAbstractItemView*>(option->widget);
        if (vista != nullptr && vista->selectionModel()->selectedIndexes().size() <= 1) {
            option->state &= ~QStyle::State_Selected;
        }
    }
};

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new DelegadoCelda(this));
    setStyleSheet(estilo);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton*>();
    if (corner_ != nullptr) corner_->installEventFilter(this);
}

void FlexGrid::setGrid(Grid& grid) {
    delete model_;
    model_ = new GridTableModel(grid, this);
    setModel(model_);
    connect(model_, &GridTableModel::reshaped, this, &FlexGrid::applyShape);
    connect(model_, &GridTableModel::gridSelectionChanged, this, &FlexGrid::showGridSelection);
    connect(model_, &GridTableModel::rowsResized, this, &FlexGrid::showGridSelection);
    applyShape();
}

// Row heights follow the font; each column is as wide as its format-string segment.
double FlexGrid::anchoTexto(std::string_view texto) {
    const QFontMetricsF fm(font());
    double suma = 0;
    for (const char c : texto) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= anchosAscii_.size() || u < 0x20) return fm.horizontalAdvance(a_qstring(texto));
        if (anchosAscii_[u] == 0) anchosAscii_[u] = std::max(fm.horizontalAdvance(QChar(u)), 1e-6);
        suma += anchosAscii_[u];
    }
    return suma;
}

void FlexGrid::applyShape() {
    const Grid& g = model_->grid();
    const QFontMetrics fm(font());
    const int alto = fm.height() + 4;
    // A header draws its text inside margins on both sides, and a line on its right.
    const int margen =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;
    verticalHeader()->setMinimumSectionSize(alto);
    verticalHeader()->setDefaultSectionSize(alto);
    horizontalHeader()->setFixedHeight(g.FixedRows() > 0 ? alto : 0);
    horizontalHeader()->setVisible(g.FixedRows() > 0);
    // The results' format string grows a well at a time: only new texts are measured.
    auto ancho = [&](int col) {
        const std::string_view texto = g.widthText(col);
        if (texto.empty()) return ancho_sin_formato;
        return static_cast<int>(std::ceil(anchoTexto(texto))) + margen;
    };
    verticalHeader()->setVisible(g.FixedCols() > 0 && g.Cols() > 0);
    if (g.FixedCols() > 0 && g.Cols() > 0) verticalHeader()->setFixedWidth(ancho(0));
    // A header that repaints after each width finds each column's place anew: thousands of
    // columns are sized with its updates off, and drawn once.
    horizontalHeader()->setUpdatesEnabled(false);
    for (int c = g.FixedCols(); c < g.Cols(); ++c) {
        const int w = ancho(c);
        if (columnWidth(c - g.FixedCols()) != w) setColumnWidth(c - g.FixedCols(), w);
    }
    horizontalHeader()->setUpdatesEnabled(true);
    showGridSelection();
}

// The grid's current cell and selection, shown in the view, whose current cell is the far one.
void FlexGrid::showGridSelection() {
    if (syncing_ || model_ == nullptr) return;
    const Grid& g = model_->grid();
    const QModelIndex actual = model_->indexOfCell(g.Row(), g.Col());
    QModelIndex lejano = model_->indexOfCell(g.RowSel(), g.ColSel());
    if (!actual.isValid()) return;
    if (!lejano.isValid()) lejano = actual;
    syncing_ = true;
    selectionModel()->setCurrentIndex(lejano, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(actual, lejano), QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

// The view's current cell and selection, written back into the grid. The view's current cell
// moves with Shift+arrows and drags: it is the far corner of the selection (RowSel, ColSel), and
// the cell the selection started from is the grid's own current cell (Row, Col).
void FlexGrid::takeViewSelection() {
    if (syncing_ || model_ == nullptr) return;
    const QModelIndex lejana = currentIndex();
    if (!lejana.isValid()) return;
    int fila = lejana.row();
    int col = lejana.column();
    for (const QItemSelectionRange& rango : selectionModel()->selection()) {
        if (!rango.contains(lejana)) continue;
        fila = lejana.row() == rango.top() ? rango.bottom() : rango.top();
        col = lejana.column() == rango.left() ? rango.right() : rango.left();
    }
    Grid& g = model_->grid();
    syncing_ = true;
    g.setRow(fila + g.FixedRows());
    g.setCol(col + g.FixedCols());
    g.setRowSel(model_->gridRow(lejana));
    g.setColSel(model_->gridCol(lejana));
    syncing_ = false;
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    takeViewSelection();
}

void FlexGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
    takeViewSelection();
}

// A right click inside the selection keeps it, as spreadsheets do, so that the context menu's
// "Copiar" copies what was selected; elsewhere it moves the current cell as a left click does.
void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex celda = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && selectionModel()->isSelected(celda)) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the context menu, as the Menu key does, at the current cell.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier &&
        contextMenuPolicy() == Qt::CustomContextMenu) {
        const QModelIndex actual = currentIndex();
        emit customContextMenuRequested(actual.isValid() ? visualRect(actual).center()
                                                         : QPoint(0, 0));
        event->accept();
        return;
    }
    const auto codigo = caracter_tecleado(event);
    if (!codigo) {
        QTableView::keyPressEvent(event);  // arrows, paging and Tab keep their usual effect
        return;
    }
    emit KeyPress(*codigo, event->text());
    event->accept();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (!indexAt(event->position().toPoint()).isValid()) return;
    Grid& g = model_->grid();
    g.selectCell(g.Row(), g.Col());
    emit DblClick();
}

// The style sheet leaves the headers on the application's font: they take the grid's own.
void FlexGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    horizontalHeader()->setFont(font());
    verticalHeader()->setFont(font());
    anchosAscii_.fill(0);
    if (model_ != nullptr) applyShape();
}

QRect FlexGrid::currentCellBox() {
    const QModelIndex actual = currentIndex();
    if (!actual.isValid()) return {};
    scrollTo(actual);
    const QRect r = visualRect(actual);
    return {viewport()->mapTo(this, r.topLeft()), r.size()};
}

int FlexGrid::CellLeft() {
    return currentCellBox().left();
}
int FlexGrid::CellTop() {
    return currentCellBox().top();
}
int FlexGrid::CellWidth() {
    return currentCellBox().width();
}
int FlexGrid::CellHeight() {
    return currentCellBox().height();
}

// The corner holds the header of the number column, " No. ".
bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint && model_ != nullptr) {
        paintCorner(corner_);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::paintCorner(QWidget* corner) {
    const Grid& g = model_->grid();
    if (g.Rows() == 0 || g.Cols() == 0) return;
    // The view's own palette carries the outside area's grey from the style sheet: the header
    // cell takes the button face and text of the application, as the other headers do.
    const QPalette paleta = QGuiApplication::palette();
    QPainter p(corner);
    p.fillRect(corner->rect(), paleta.button());
    p.setPen(Qt::black);
    p.drawLine(corner->rect().topRight(), corner->rect().bottomRight());
    p.drawLine(corner->rect().bottomLeft(), corner->rect().bottomRight());
    p.setPen(paleta.buttonText().color());
    p.setFont(font());
    const Qt::Alignment alineacion =
        g.isCentred(0) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    p.drawText(QRectF(corner->rect()), a_qstring(g.TextMatrix(0, 0)), QTextOption(alineacion));
}

}  // namespace abat
