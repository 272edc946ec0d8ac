#pragma once
// A small table of texts edited in place, a row per record: the boundaries' lines and a well's
// pumping steps. Number cells take what a number is typed with, a decimal comma stored as the
// point; a choice cell offers its texts and takes no other.

#include <QStringList>
#include <QTableWidget>
#include <string>
#include <vector>

namespace abat {

class TablaTextos : public QTableWidget {
    Q_OBJECT
  public:
    // `opciones`: the texts of column 0 when it is a choice; none: every column holds a number.
    TablaTextos(const QStringList& encabezados, const QStringList& opciones, QWidget* parent);

    // Each row's texts as the cells hold them.
    std::vector<std::vector<std::string>> filas() const;
    void setFilas(const std::vector<std::vector<std::string>>& filas);
    // A row at the end, its first number cell then being edited.
    void agregarFila(const std::vector<std::string>& textos);
    // Stores the text of a cell being edited, as leaving it does.
    void terminarEdicion();

  signals:
    // A cell or a row has changed, by the user or otherwise.
    void editado();

  private:
    bool callado_ = false;  // a change of many cells, told once at its end
};

}  // namespace abat
