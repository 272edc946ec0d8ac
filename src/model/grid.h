#pragma once
// A table of text cells: the store of record of the wells, the points and the results. Plain C++,
// so the calculation reads and writes it without a display; the widget that shows it observes it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/texto_celda.h"

namespace abat {

// Told of every change, so a view can redraw what changed.
class GridObserver {
  public:
    virtual ~GridObserver() = default;
    // Everything may change until the next gridReshaped: nothing else is told in between.
    virtual void gridAboutToReshape() {}
    virtual void gridReshaped() = 0;  // columns, headers or widths changed, or everything
    // Only the number of rows changes, from `antes` to `despues`: told before and after.
    virtual void rowsAboutToChange(int /*antes*/, int /*despues*/) {}
    virtual void rowsChanged(int /*antes*/, int /*despues*/) { gridReshaped(); }
    virtual void cellChanged(int row, int col) = 0;
    virtual void selectionChanged() = 0;
};

class Grid {
  public:
    Grid(int rows, int cols, int fixedRows, int fixedCols);

    int Rows() const { return rows_; }
    void setRows(int rows);  // growing appends blank rows; shrinking drops the bottom ones
    int Cols() const { return cols_; }
    void setCols(int cols);  // growing appends blank columns on the right
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }

    // Any cell, headers included: valid until the cell or the table's shape changes. Throws
    // std::out_of_range outside the table.
    // Inline: read for every cell of every table the program copies, saves or computes.
    std::string_view TextMatrix(int row, int col) const {
        checkCell(row, col);
        return cells_[at(row, col)].vista();
    }
    void setTextMatrix(int row, int col, std::string_view text);
    std::string_view Text() const { return TextMatrix(row_, col_); }  // the current cell

    // The current cell and the far corner of the selection.
    int Row() const { return row_; }
    int Col() const { return col_; }
    int RowSel() const { return rowSel_; }
    int ColSel() const { return colSel_; }
    void setRow(int row);
    void setCol(int col);
    void setRowSel(int row);
    void setColSel(int col);
    // Makes (row, col) current with the selection reduced to it.
    void selectCell(int row, int col);

    // "|" separates the columns from column 0 rightwards; each segment's text becomes the header
    // in row 0 of its column; a leading "^" centres the column. Segments beyond Cols are ignored;
    // columns beyond the last segment keep their header. The widget sizes each column to its
    // segment's text, blanks included.
    const std::string& FormatString() const { return formatString_; }
    void setFormatString(std::string format);
    bool isCentred(int col) const { return columns_.at(static_cast<size_t>(col)).centred; }
    std::string_view widthText(int col) const {
        const ColumnFormat& c = columns_.at(static_cast<size_t>(col));
        return std::string_view(formatString_).substr(c.desde, c.largo);
    }

    // A key of its own for every row, that stays with the row through every insertion and
    // removal and is never given to another: what a window keeps beside a record follows it.
    uint64_t clave(int row) const;

    void RemoveItem(int row);  // the rows below move up one
    void Clear();              // empties every cell; Rows and Cols stay

    void setObserver(GridObserver* observer) { observer_ = observer; }

    // Many changes told as one: while a Lote lives, the observer hears only that the whole table
    // is about to change and, when the last Lote ends, that it has. A results table of thousands
    // of columns, or thousands of pasted rows, is then laid out once, not once per change.
    class Lote {
      public:
        explicit Lote(Grid& grid);
        ~Lote();
        Lote(const Lote&) = delete;
        Lote& operator=(const Lote&) = delete;

      private:
        Grid& grid_;
    };

  private:
    // A column's segment of the format string, its leading "^" aside.
    struct ColumnFormat {
        bool centred = false;
        uint32_t desde = 0;
        uint32_t largo = 0;
    };

    void checkCell(int row, int col) const {
        if (row < 0 || row >= rows_ || col < 0 || col >= cols_) fueraDeLaTabla();
    }
    [[noreturn]] static void fueraDeLaTabla();
    size_t at(int row, int col) const {
        return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
    }
    void clampSelection();
    void reshaped() const;
    GridObserver* observer() const { return lotes_ == 0 ? observer_ : nullptr; }

    void nuevasClaves();

    int rows_;
    int cols_;
    std::vector<TextoCelda> cells_;  // row after row
    std::vector<uint64_t> claves_;   // one a row
    uint64_t siguienteClave_ = 1;
    int fixedRows_;
    int fixedCols_;
    std::vector<ColumnFormat> columns_;
    std::string formatString_;
    int row_ = 0;
    int col_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    GridObserver* observer_ = nullptr;
    int lotes_ = 0;  // Lotes alive
};

}  // namespace abat
