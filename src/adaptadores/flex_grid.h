#pragma once
// The widget of the wells, points and results tables: a view of one Grid with its header row and
// column fixed, columns as wide as their format-string segments, and the events the windows use.

#include <QTableView>
#include <array>
#include <string>
#include <string_view>

#include "adaptadores/grid_model.h"
#include "model/grid.h"

namespace abat {

class FlexGrid : public QTableView {
    Q_OBJECT
  public:
    explicit FlexGrid(QWidget* parent = nullptr);

    void setGrid(Grid& grid);
    Grid& grid() { return model_->grid(); }
    GridTableModel* gridModel() const { return model_; }

    // The box of the current cell, in pixels from the widget's own top-left corner.
    int CellLeft();
    int CellTop();
    int CellWidth();
    int CellHeight();

  signals:
    // After a double click on a cell, which is then current with the selection reduced to it.
    void DblClick();
    // A character typed while the grid has the focus (Enter 13, Escape 27, Backspace 8, ...):
    // its first 16-bit code, and the whole text typed, which a character beyond 16 bits (an
    // emoji) needs.
    void KeyPress(int codigo, const QString& texto);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void applyShape();
    void showGridSelection();
    void takeViewSelection();
    QRect currentCellBox();
    void paintCorner(QWidget* corner);

    GridTableModel* model_ = nullptr;
    QWidget* corner_ = nullptr;
    bool syncing_ = false;
    // The width of a text in the grid's font: an ASCII text, as most headers are, by the advance
    // of each character, measured once; any other by shaping it. A results table of 100,000
    // wells' headers is laid out in milliseconds.
    double anchoTexto(std::string_view texto);
    std::array<double, 128> anchosAscii_{};  // 0: not measured yet
};

}  // namespace abat
