#pragma once
// A window that holds a table, the store of record of what it shows.

#include <QWidget>

#include "model/grid.h"

namespace abat {

class VentanaConTabla : public QWidget {
  public:
    VentanaConTabla(Grid tabla, QWidget* parent) : QWidget(parent), tabla_(std::move(tabla)) {}
    // The widgets that show the table observe it: they go first, while it still exists.
    ~VentanaConTabla() override { qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly)); }
    VentanaConTabla(const VentanaConTabla&) = delete;
    VentanaConTabla& operator=(const VentanaConTabla&) = delete;

    Grid& tabla() { return tabla_; }
    const Grid& tabla() const { return tabla_; }

  private:
    Grid tabla_;
};

}  // namespace abat
