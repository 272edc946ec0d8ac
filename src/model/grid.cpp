#include "model/grid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace abat {

Grid::Grid(int rows, int cols, int fixedRows, int fixedCols)
    : cols_(std::max(cols, 0)),
      fixedRows_(fixedRows),
      fixedCols_(fixedCols),
      columns_(static_cast<size_t>(std::max(cols, 0))) {
    cells_.assign(static_cast<size_t>(std::max(rows, 0)),
                  std::vector<std::string>(static_cast<size_t>(cols_)));
    nuevasClaves();
    row_ = rowSel_ = fixedRows_;
    col_ = colSel_ = fixedCols_;
    clampSelection();
}

void Grid::setRows(int rows) {
    const int antes = Rows();
    const int despues = std::max(rows, 0);
    if (observer() != nullptr) observer()->rowsAboutToChange(antes, despues);
    cells_.resize(static_cast<size_t>(despues),
                  std::vector<std::string>(static_cast<size_t>(cols_)));
    nuevasClaves();
    clampSelection();
    if (observer() != nullptr) observer()->rowsChanged(antes, despues);
}

// Rows appended take keys never given before; rows dropped take theirs with them.
void Grid::nuevasClaves() {
    claves_.resize(std::min(claves_.size(), cells_.size()));
    while (claves_.size() < cells_.size()) claves_.push_back(siguienteClave_++);
}

uint64_t Grid::clave(int row) const {
    checkCell(row, 0);
    return claves_[static_cast<size_t>(row)];
}

void Grid::setCols(int cols) {
    cols_ = std::max(cols, 0);
    for (auto& row : cells_) row.resize(static_cast<size_t>(cols_));
    columns_.resize(static_cast<size_t>(cols_));
    clampSelection();
    reshaped();
}

void Grid::checkCell(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= cols_) {
        throw std::out_of_range("celda fuera de la tabla");
    }
}

const std::string& Grid::TextMatrix(int row, int col) const {
    checkCell(row, col);
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Grid::setTextMatrix(int row, int col, std::string text) {
    checkCell(row, col);
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
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
    size_t start = 0;
    for (int col = 0; col < cols_; ++col) {
        const size_t bar = formatString_.find('|', start);
        std::string segment = formatString_.substr(start, bar - start);
        auto& column = columns_[static_cast<size_t>(col)];
        column.centred = !segment.empty() && segment.front() == '^';
        if (column.centred) segment.erase(0, 1);
        column.widthText = segment;
        if (!cells_.empty()) cells_[0][static_cast<size_t>(col)] = std::move(segment);
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    reshaped();
}

void Grid::RemoveItem(int row) {
    checkCell(row, 0);
    cells_.erase(cells_.begin() + row);
    claves_.erase(claves_.begin() + row);
    clampSelection();
    reshaped();
}

void Grid::Clear() {
    for (auto& row : cells_) std::fill(row.begin(), row.end(), std::string());
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
