// A table's format string, whatever it holds (well names go into it): the header texts are its
// segments, every column has a width text, and the cells keep their places.
#include "comun.h"
#include "filas.h"
#include "grid.h"

using namespace abat;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    if (n < 1) return 0;
    const int columnas = 1 + datos[0] % 40;
    const std::string formato(reinterpret_cast<const char*>(datos + 1), n - 1);
    Grid g(2, columnas, 1, 1);
    const int r = append_record(g);
    for (int c = 0; c < columnas; ++c) g.setTextMatrix(r, c, "x");
    g.setFormatString(formato);
    EXIGIR(g.FormatString() == formato);
    EXIGIR(g.Cols() == columnas);
    EXIGIR(g.Rows() == 3);
    for (int c = 0; c < columnas; ++c) {
        EXIGIR(g.TextMatrix(r, c) == "x");
        EXIGIR(g.widthText(c).find('|') == std::string::npos);
        EXIGIR(g.TextMatrix(0, c).find('|') == std::string::npos);
    }
    g.setCols(columnas / 2);
    g.setFormatString(formato + "|" + formato);
    EXIGIR(g.Cols() == columnas / 2);
    return 0;
}
