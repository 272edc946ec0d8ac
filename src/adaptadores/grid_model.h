#pragma once
// The table of text cells seen through Qt's model/view: the header row and column become the
// header views, the other cells the model's items. The grid stays the one store of record.

#include <QAbstractTableModel>
#include <functional>

#include "model/grid.h"

namespace abat {

class GridTableModel : public QAbstractTableModel, private GridObserver {
    Q_OBJECT
  public:
    GridTableModel(Grid& grid, QObject* parent);
    ~GridTableModel() override;

    Grid& grid() { return grid_; }
    const Grid& grid() const { return grid_; }

    // Model positions are grid positions less the header row and column.
    QModelIndex indexOfCell(int row, int col) const;
    int gridRow(const QModelIndex& i) const { return i.row() + grid_.FixedRows(); }
    int gridCol(const QModelIndex& i) const { return i.column() + grid_.FixedCols(); }

    // Rows shown greyed, by grid row, with `motivo` for screen readers: readings left out.
    void setAtenuada(std::function<bool(int)> atenuada, QString motivo) {
        atenuada_ = std::move(atenuada);
        motivo_ = std::move(motivo);
    }

    // A cell's tooltip, by grid row and column; an empty text: none.
    void setAyuda(std::function<QString(int, int)> ayuda) { ayuda_ = std::move(ayuda); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    void reshaped();
    void rowsResized();
    void gridSelectionChanged();

  private:
    void gridAboutToReshape() override;
    void gridReshaped() override;
    void rowsAboutToChange(int antes, int despues) override;
    void rowsChanged(int antes, int despues) override;
    void cellChanged(int row, int col) override;
    void selectionChanged() override;

    Grid& grid_;
    bool reiniciando_ = false;  // between gridAboutToReshape and gridReshaped
    std::function<bool(int)> atenuada_;
    QString motivo_;
    std::function<QString(int, int)> ayuda_;
};

}  // namespace abat
