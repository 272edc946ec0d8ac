#pragma once
// Qt's own warnings that say nothing to the program's user.

namespace abat {

// A screen reader or automation tool may ask a table for a cell outside it (a header's position,
// a row past the last): Qt answers "no cell", which is right, and also prints a warning on the
// terminal at each query. Only that warning is dropped; every other message goes where it went.
void callar_consultas_de_celdas_inexistentes();

}  // namespace abat
