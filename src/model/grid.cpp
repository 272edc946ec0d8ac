#include "model/grid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace abat {

Grid::Grid(int rows, int cols, int fixedRows, int fixedCols)
    : rows_(std::max(rows, 0)),
      cols_(std::max(cols, 0)),
      cells_(static_cast<size_t>(rows_) * static_cast<size_t>(cols_)),
      fixedRows_(fixedRows),
      fixedCols_(fixedCols),
      columns_(static_cast<size_t>(cols_)) {
    nuevasClaves();
    row_ = rowSel_ = fixedRows_;
    col_ = colSel_ = fixedCols_;
    clampSelection();
}

void Grid::setRows(int rows) {
    const int antes = Rows();
    const int despues = std::max(rows, 0);
    if (observer() != nullptr) observer()->rowsAboutToChange(antes, despues);
    cells_.resize(static_cast<size_t>(despues) * static_cast<size_t>(cols_));
    rows_ = despues;
    nuevasClaves();
    clampSelection();
    if (observer() != nullptr) observer()->rowsChanged(antes, despues);
}

// Rows appended take keys never given before; rows dropped take theirs with them.
void Grid::nuevasClaves() {
    const auto filas = static_cast<size_t>(rows_);
    claves_.resize(std::min(claves_.size(), filas));
    while (claves_.size() < filas) claves_.push_back(siguienteClave_++);
}

uint64_t Grid::clave(int row) const {
    checkCell(row, 0);
    return claves_[static_cast<size_t>(row)];
}

void Grid::setCols(int cols) {
    const int antes = cols_;
    const int despues = std::max(cols, 0);
    if (despues != antes) {
        std::vector<TextoCelda> nuevas(static_cast<size_t>(rows_) * static_cast<size_t>(despues));
        const int comunes = std::min(antes, despues);
        for (int r = 0; r < rows_; ++r) {
            for (int c = 0; c < comunes; ++c) {
                nuevas[static_cast<size_t>(r) * static_cast<size_t>(despues) +
                       static_cast<size_t>(c)] = std::move(cells_[at(r, c)]);
            }
        }
        cells_ = std::move(nuevas);
        cols_ = despues;
    }
    columns_.resize(static_cast<size_t>(cols_));
    clampSelection();
    reshaped();
}

void Grid::fueraDeLaTabla() {
    throw std::out_of_range("celda fuera de la tabla");
}

void Grid::setTextMatrix(int row, int col, std::string_view text) {
    checkCell(row, col);
    cells_[at(row, col)] = text;
    if (observer() != nullptr) observer()->cellChanged(row, col);
}

void Grid::setRow(int row) {
    checkCell(row, 0);
    row_ = row;
    if (observer() != nullptr) observer()->selectionChanged();
}

void Grid::setCol(int col) {
    checkCell(0, col);
    col_ = col;
    if (observer() != nullptr) observer()->selectionChanged();
}

void Grid::setRowSel(int row) {
    checkCell(row, 0);
    rowSel_ = row;
    if (observer() != nullptr) observer()->selectionChanged();
}

void Grid::setColSel(int col) {
    checkCell(0, col);
    colSel_ = col;
    if (observer() != nullptr) observer()->selectionChanged();
}

void Grid::selectCell(int row, int col) {
    checkCell(row, col);
    row_ = rowSel_ = row;
    col_ = colSel_ = col;
    if (observer() != nullptr) observer()->selectionChanged();
}

void Grid::setFormatString(std::string format) {
    formatString_ = std::move(format);
    const std::string_view todo(formatString_);
    size_t start = 0;
    for (int col = 0; col < cols_; ++col) {
        const size_t bar = todo.find('|', start);
        std::string_view segment = todo.substr(start, bar - start);
        auto& column = columns_[static_cast<size_t>(col)];
        column.centred = !segment.empty() && segment.front() == '^';
        if (column.centred) segment.remove_prefix(1);
        column.desde = static_cast<uint32_t>(segment.data() - todo.data());
        column.largo = static_cast<uint32_t>(segment.size());
        if (rows_ > 0) cells_[at(0, col)] = segment;
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    reshaped();
}

void Grid::RemoveItem(int row) {
    checkCell(row, 0);
    const auto inicio = cells_.begin() + static_cast<std::ptrdiff_t>(at(row, 0));
    cells_.erase(inicio, inicio + cols_);
    claves_.erase(claves_.begin() + row);
    --rows_;
    clampSelection();
    reshaped();
}

void Grid::Clear() {
    for (auto& celda : cells_) celda = std::string_view();
    reshaped();
}

// The current cell stays inside the table and out of the headers while there are other cells.
void Grid::clampSelection() {
    auto clamp = [](int v, int fixed, int count) {
        const int ultimo = std::max(count - 1, 0);
        return std::clamp(v, std::min(fixed, ultimo), ultimo);
    };
    row_ = clamp(row_, fixedRows_, Rows());
    rowSel_ = clamp(rowSel_, fixedRows_, Rows());
    col_ = clamp(col_, fixedCols_, cols_);
    colSel_ = clamp(colSel_, fixedCols_, cols_);
}

void Grid::reshaped() const {
    if (observer() != nullptr) observer()->gridReshaped();
}

Grid::Lote::Lote(Grid& grid) : grid_(grid) {
    if (grid_.lotes_++ == 0 && grid_.observer_ != nullptr) grid_.observer_->gridAboutToReshape();
}

Grid::Lote::~Lote() {
    if (--grid_.lotes_ == 0) grid_.reshaped();
}

}  // namespace abat
