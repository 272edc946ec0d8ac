#pragma once
// Values over a regular grid of nodes in plan: the drawdown map as it is computed, drawn with its
// isolines and written to GIS files.

#include <cstddef>
#include <utility>
#include <vector>

namespace abat {

struct Rejilla {
    double x0 = 0.0;  // the first node, at the lowest x and the lowest y, m
    double y0 = 0.0;
    double dx = 1.0;  // the steps between neighbouring nodes, m, > 0
    double dy = 1.0;
    int nx = 0;  // nodes along x and along y
    int ny = 0;
    // Row after row from the lowest y, each by increasing x; NaN where a node has no value.
    std::vector<double> valores;

    double x(int i) const { return x0 + i * dx; }
    double y(int j) const { return y0 + j * dy; }
    size_t indice(int i, int j) const {
        return static_cast<size_t>(j) * static_cast<size_t>(nx) + static_cast<size_t>(i);
    }
    double valor(int i, int j) const { return valores[indice(i, j)]; }
};

// A line of equal value over a Rejilla: its level and its vertices (x, y) in metres, in order.
// A closed line ends where it starts.
struct Isolinea {
    double nivel = 0.0;
    std::vector<std::pair<double, double>> puntos;
};

}  // namespace abat
