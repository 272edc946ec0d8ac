#pragma once
// The nodes of the drawdown grid drawn in the chart: one node (cRedG) and their ordered
// collection (colRed). Plain records, held by value.

#include <string>
#include <vector>

namespace abat {

// One grid node: its position and the total drawdown there, in metres.
class cRedG {
  public:
    void setAbat(double vData) { abat_ = vData; }
    double abat() const { return abat_; }
    void setY(double vData) { y_ = vData; }
    double y() const { return y_; }
    void setX(double vData) { x_ = vData; }
    double x() const { return x_; }

  private:
    double x_ = 0.0;
    double y_ = 0.0;
    double abat_ = 0.0;
};

// Nodes in the order they were added, numbered from 1, each with an optional unique key.
// References returned by Add and Item stay valid until the next Add or Remove.
class colRed {
  public:
    // Throws std::invalid_argument when sKey is already in use.
    cRedG& Add(double x, double y, double abat, const std::string& sKey = {});
    // Throws std::out_of_range for a position or key that does not exist.
    cRedG& Item(long index);
    cRedG& Item(const std::string& key);
    long Count() const { return static_cast<long>(nodos_.size()); }
    void Remove(long index);
    void Remove(const std::string& key);

    // Iteration in insertion order.
    auto begin() const { return nodos_.begin(); }
    auto end() const { return nodos_.end(); }

  private:
    size_t posicion(const std::string& key) const;
    size_t posicion(long index) const;

    std::vector<cRedG> nodos_;
    std::vector<std::string> claves_;
};

}  // namespace abat
