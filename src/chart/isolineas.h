#pragma once
// The isolines of the drawdown map, traced over its grid by marching squares: plain C++, so that
// the map draws them without the GIS module.

#include <vector>

#include "model/rejilla.h"

namespace abat {

// The isolines of a grid at the levels given, ordered by level (a level given twice is traced
// once; one that is not finite, not at all). Each vertex lies on an edge between two neighbouring
// nodes whose values bracket the level, where interpolating linearly between them gives it.
//
// A node exactly at a level counts as above it, so a line through it passes through the node,
// neither broken nor doubled. A cell whose diagonal nodes lie on one side of a level and the other
// two on the other side is settled by the mean of its four nodes, above when it is at or above the
// level: lines never cross and each is traced once.
//
// Nodes without a value (NaN, or not finite) are no data: a cell with one gives no line, so lines
// end where such nodes begin, as they end on the outer nodes' rectangle. A closed line ends where
// it starts; no line has fewer than two vertices, nor the same vertex twice in a row.
//
// The cost is linear in the nodes and the vertices traced, whatever the number of levels.
std::vector<Isolinea> trazar_isolineas(const Rejilla& rejilla, const std::vector<double>& niveles);

}  // namespace abat
