#include "adaptadores/grid_model.h"

#include "adaptadores/texto_qt.h"

#include <QGuiApplication>
#include <QPalette>

namespace abat {

GridTableModel::GridTableModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {
    grid_.setObserver(this);
}

GridTableModel::~GridTableModel() {
    grid_.setObserver(nullptr);
}

QModelIndex GridTableModel::indexOfCell(int row, int col) const {
    return index(row - grid_.FixedRows(), col - grid_.FixedCols());
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(grid_.Rows() - grid_.FixedRows(), 0);
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(grid_.Cols() - grid_.FixedCols(), 0);
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int col = gridCol(index);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return a_qstring(grid_.TextMatrix(gridRow(index), col));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(grid_.isCentred(col) ? Qt::AlignCenter
                                                            : Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return QGuiApplication::palette().base();
        case Qt::ForegroundRole:
            if (atenuada_ && atenuada_(gridRow(index))) {
                return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
            }
            return QGuiApplication::palette().text();
        case Qt::AccessibleDescriptionRole:
            if (atenuada_ && atenuada_(gridRow(index))) return motivo_;
            [[fallthrough]];  // else what the tooltip shows, for a screen reader too
        case Qt::ToolTipRole:
            if (ayuda_) {
                const QString texto = ayuda_(gridRow(index), col);
                if (!texto.isEmpty()) return texto;
            }
            return {};
        default:
            return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool horizontal = orientation == Qt::Horizontal;
    const int row = horizontal ? 0 : section + grid_.FixedRows();
    const int col = horizontal ? section + grid_.FixedCols() : 0;
    if (row >= grid_.Rows() || col >= grid_.Cols()) return {};
    if ((horizontal && grid_.FixedRows() == 0) || (!horizontal && grid_.FixedCols() == 0)) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return a_qstring(grid_.TextMatrix(row, col));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(grid_.isCentred(col) ? Qt::AlignCenter
                                                            : Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

void GridTableModel::gridAboutToReshape() {
    beginResetModel();
    reiniciando_ = true;
}

void GridTableModel::gridReshaped() {
    if (!reiniciando_) beginResetModel();
    reiniciando_ = false;
    endResetModel();
    emit reshaped();
}

// A table that grows a row at a time (the results, point after point) tells the view of the new
// rows alone: a reset would lay out every column again for each row.
void GridTableModel::rowsAboutToChange(int antes, int despues) {
    const int desde = std::max(antes - grid_.FixedRows(), 0);
    const int hasta = std::max(despues - grid_.FixedRows(), 0);
    if (hasta > desde) beginInsertRows({}, desde, hasta - 1);
    if (hasta < desde) beginRemoveRows({}, hasta, desde - 1);
}

void GridTableModel::rowsChanged(int antes, int despues) {
    const int desde = std::max(antes - grid_.FixedRows(), 0);
    const int hasta = std::max(despues - grid_.FixedRows(), 0);
    if (hasta > desde) endInsertRows();
    if (hasta < desde) endRemoveRows();
    // The header row appears or goes with the first row.
    if ((antes > 0) != (despues > 0) || std::min(antes, despues) < grid_.FixedRows()) {
        gridReshaped();
        return;
    }
    emit rowsResized();
}

void GridTableModel::cellChanged(int row, int col) {
    if (row < grid_.FixedRows()) {
        emit headerDataChanged(Qt::Horizontal, col - grid_.FixedCols(), col - grid_.FixedCols());
    } else if (col < grid_.FixedCols()) {
        emit headerDataChanged(Qt::Vertical, row - grid_.FixedRows(), row - grid_.FixedRows());
    } else {
        const QModelIndex i = indexOfCell(row, col);
        emit dataChanged(i, i);
    }
}

void GridTableModel::selectionChanged() {
    emit gridSelectionChanged();
}

}  // namespace abat
