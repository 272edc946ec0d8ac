#include "chart/isolineas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <utility>

namespace abat {
namespace {

// A cell's edges counter-clockwise, edge k from its corner k to corner k + 1: 0 the lower side,
// from the node (i, j); 1 the right; 2 the upper; 3 the left. Pieces run with the corners above
// the level on their left: a piece enters by an edge from a corner above to one below and leaves
// by one from below to above.
struct Pieza {
    int entra = 0;
    int sale = 0;
};
struct Caso {
    int piezas = 0;
    std::array<Pieza, 2> pieza{};
};

// The pieces of a cell by which corners are above (bit k: corner k) and whether its centre is.
// From each edge it enters by, a piece leaves by the next edge it may leave by, counter-clockwise
// when the centre is above (the corners above then join across it and the piece turns round
// the corner below) and clockwise when it is below. Only where diagonal corners are above (cases
// 5 and 10) is there a choice.
constexpr std::array<std::array<Caso, 2>, 16> casos = [] {
    std::array<std::array<Caso, 2>, 16> tabla{};
    for (int caso = 0; caso < 16; ++caso) {
        auto arriba = [caso](int k) { return ((caso >> (k % 4)) & 1) != 0; };
        for (int centro = 0; centro < 2; ++centro) {
            Caso& c = tabla.at(caso).at(centro);
            for (int k = 0; k < 4; ++k) {
                if (!arriba(k) || arriba(k + 1)) continue;
                for (int paso = 1; paso < 4; ++paso) {
                    const int m = (k + (centro != 0 ? paso : 4 - paso)) % 4;
                    if (arriba(m) || !arriba(m + 1)) continue;
                    c.pieza.at(c.piezas++) = {k, m};
                    break;
                }
            }
        }
    }
    return tabla;
}();

// The levels in order, once each, those that are finite.
std::vector<double> niveles_ordenados(std::vector<double> niveles) {
    std::erase_if(niveles, [](double n) { return !std::isfinite(n); });
    std::sort(niveles.begin(), niveles.end());
    niveles.erase(std::unique(niveles.begin(), niveles.end()), niveles.end());
    return niveles;
}

// Each node's class, how many levels it is at or above; -1 for a node without a value. Each
// search starts from the last node's class, its neighbour's, mostly the same.
std::vector<int> clases(const std::vector<double>& valores, const std::vector<double>& niveles) {
    std::vector<int> clase(valores.size());
    const int n = static_cast<int>(niveles.size());
    int k = 0;
    for (size_t p = 0; p < valores.size(); ++p) {
        const double v = valores[p];
        if (!std::isfinite(v)) {
            clase[p] = -1;
            continue;
        }
        while (k > 0 && v < niveles[k - 1]) --k;
        while (k < n && v >= niveles[k]) ++k;
        clase[p] = k;
    }
    return clase;
}

// A crossing: where one level crosses one edge between neighbouring nodes. Numbered edge by edge,
// and on each edge by level; the edges along x first, from the node (i, j) to (i + 1, j), row
// after row, then those along y, from (i, j) to (i, j + 1).
using Cruce = std::uint32_t;
constexpr Cruce ninguno = std::numeric_limits<Cruce>::max();

// Where a crossing lies: the edge from the node `desde` to its neighbour along x or along y, and
// the level.
struct Lado {
    std::uint32_t desde = 0;
    std::uint32_t nivel = 0;
    bool a_lo_largo_de_y = false;
};

// The lines are traced in one pass over the cells for every level: each cell links, at each level
// between its corners' least and greatest class, the crossing where a piece enters it to the one
// where the piece leaves. Each crossing is left by one piece at most and reached by one at most.
class Trazado {
  public:
    Trazado(const Rejilla& r, std::vector<double> niveles)
        : r_(r),
          nx_(static_cast<size_t>(r.nx)),
          niveles_(std::move(niveles)),
          clase_(clases(r.valores, niveles_)) {}

    std::vector<Isolinea> lineas() {
        numerar_cruces();
        enlazar_en_celdas();
        const auto cruces = static_cast<Cruce>(siguiente_.size());
        for (Cruce c = 0; c < cruces; ++c) {  // the open lines, from where no piece arrives
            if (siguiente_[c] != ninguno && llega_[c] == 0) seguir(c);
        }
        for (Cruce c = 0; c < cruces; ++c) {  // then the closed ones
            if (siguiente_[c] != ninguno) seguir(c);
        }
        std::stable_sort(lineas_.begin(), lineas_.end(),
                         [](const Isolinea& a, const Isolinea& b) { return a.nivel < b.nivel; });
        return std::move(lineas_);
    }

  private:
    size_t horizontales() const { return (nx_ - 1) * static_cast<size_t>(r_.ny); }

    // An edge is crossed by the levels between its nodes' classes; by none where one has no value.
    // Most edges are crossed by none: they only take their number.
    void numerar_cruces() {
        const size_t nodos = r_.valores.size();
        if (nodos >= ninguno) throw std::length_error("trazar_isolineas");
        primero_.resize(horizontales() + nodos - nx_ + 1);
        Cruce* primero = primero_.data();
        auto numerar = [&](size_t m, size_t n, bool en_y) {
            *primero++ = static_cast<Cruce>(lados_.size());
            if (clase_[m] != clase_[n]) cruces_de(m, n, en_y);
        };
        for (size_t fila = 0; fila < nodos; fila += nx_) {
            for (size_t n = fila; n + 1 < fila + nx_; ++n) numerar(n, n + 1, false);
        }
        for (size_t n = 0; n + nx_ < nodos; ++n) numerar(n, n + nx_, true);
        if (lados_.size() >= ninguno) throw std::length_error("trazar_isolineas");
        *primero = static_cast<Cruce>(lados_.size());
        siguiente_.assign(lados_.size(), ninguno);
        llega_.assign(lados_.size(), 0);
    }

    // Out of line, so that the count over the edges that no level crosses stays a tight loop.
    [[gnu::noinline]] void cruces_de(size_t m, size_t n, bool en_y) {
        const auto [menor, mayor] = std::minmax(clase_[m], clase_[n]);
        if (menor < 0) return;
        for (int l = menor; l < mayor; ++l)
            lados_.push_back({static_cast<Cruce>(m), static_cast<Cruce>(l), en_y});
    }

    // Most cells lie between two levels: their four corners are of one class.
    void enlazar_en_celdas() {
        for (size_t j = 0; j + 1 < static_cast<size_t>(r_.ny); ++j) {
            const int* abajo = clase_.data() + j * nx_;
            const int* arriba = abajo + nx_;
            for (size_t i = 0; i + 1 < nx_; ++i) {
                if (abajo[i] == abajo[i + 1] && abajo[i] == arriba[i] && abajo[i] == arriba[i + 1])
                    continue;
                enlazar_en_celda(i, j);
            }
        }
    }

    // The pieces of a cell at the levels between its corners' least and greatest class; none where
    // a corner has no value.
    void enlazar_en_celda(size_t i, size_t j) {
        const size_t n = j * nx_ + i;
        const std::array<size_t, 4> nodo = {n, n + 1, n + nx_ + 1, n + nx_};
        const std::array<int, 4> c = {clase_[nodo[0]], clase_[nodo[1]], clase_[nodo[2]],
                                      clase_[nodo[3]]};
        const auto [menor, mayor] = std::minmax({c[0], c[1], c[2], c[3]});
        if (menor < 0) return;
        const size_t abajo = j * (nx_ - 1) + i;
        const std::array<size_t, 4> arista = {abajo, horizontales() + n + 1, abajo + nx_ - 1,
                                              horizontales() + n};
        for (int l = menor; l < mayor; ++l) {
            int caso = 0;
            for (size_t k = 0; k < 4; ++k) caso |= (c[k] > l ? 1 : 0) << k;
            bool centro = false;
            if (caso == 5 || caso == 10) {
                double suma = 0;
                for (const size_t m : nodo) suma += r_.valores[m];
                centro = suma / 4 >= niveles_[static_cast<size_t>(l)];
            }
            const Caso& p = casos[static_cast<size_t>(caso)][centro ? 1 : 0];
            for (int m = 0; m < p.piezas; ++m) {
                const auto [entra, sale] = p.pieza[static_cast<size_t>(m)];
                const Cruce hasta = cruce(arista, c, sale, l);
                siguiente_[cruce(arista, c, entra, l)] = hasta;
                llega_[hasta] = 1;
            }
        }
    }

    // The crossing of a cell's edge k at level l.
    Cruce cruce(const std::array<size_t, 4>& arista, const std::array<int, 4>& clase, int k,
                int l) const {
        const auto kk = static_cast<size_t>(k);
        const int menor = std::min(clase[kk], clase[(kk + 1) % 4]);
        return primero_[arista[kk]] + static_cast<Cruce>(l - menor);
    }

    // Where the level crosses the edge. Exact at a node at the level: the fraction is 0 or 1 and
    // the node's index whole, so that every edge round it gives the node's own position.
    std::pair<double, double> vertice(const Lado& l) const {
        const double desde = r_.valores[l.desde];
        const double hasta = r_.valores[l.desde + (l.a_lo_largo_de_y ? nx_ : 1)];
        const double t = (niveles_[l.nivel] - desde) / (hasta - desde);
        const size_t fila = l.desde / nx_;
        const auto i = static_cast<double>(l.desde - fila * nx_);
        const auto j = static_cast<double>(fila);
        if (l.a_lo_largo_de_y) return {r_.x0 + i * r_.dx, r_.y0 + (j + t) * r_.dy};
        return {r_.x0 + (i + t) * r_.dx, r_.y0 + j * r_.dy};
    }

    // The line from crossing `desde` on; a closed one comes back to it. Its vertices are gathered
    // first, so that each line takes its memory once.
    void seguir(Cruce desde) {
        puntos_.clear();
        const double nivel = niveles_[lados_[desde].nivel];
        for (Cruce c = desde; c != ninguno;) {
            const std::pair<double, double> v = vertice(lados_[c]);
            if (puntos_.empty() || v != puntos_.back()) puntos_.push_back(v);
            c = std::exchange(siguiente_[c], ninguno);
        }
        if (puntos_.size() > 1) lineas_.push_back({nivel, puntos_});
    }

    const Rejilla& r_;
    size_t nx_;
    std::vector<double> niveles_;
    std::vector<int> clase_;        // by node
    std::vector<Cruce> primero_;    // by edge: its first crossing; the total at the end
    std::vector<Lado> lados_;       // by crossing
    std::vector<Cruce> siguiente_;  // by crossing: where its line goes on, or ninguno
    std::vector<char> llega_;       // by crossing: whether a piece arrives there
    std::vector<std::pair<double, double>> puntos_;
    std::vector<Isolinea> lineas_;
};

}  // namespace

std::vector<Isolinea> trazar_isolineas(const Rejilla& rejilla, const std::vector<double>& niveles) {
    if (rejilla.nx < 2 || rejilla.ny < 2 || rejilla.valores.size() != rejilla.indice(0, rejilla.ny))
        return {};
    std::vector<double> ordenados = niveles_ordenados(niveles);
    if (ordenados.empty()) return {};
    return Trazado(rejilla, std::move(ordenados)).lineas();
}

}  // namespace abat
