#include "model/portapapeles.h"

#include <algorithm>
#include <cctype>

#include "model/filas.h"
#include "model/mensajes.h"
#include "model/nombres_columnas.h"
#include "model/numeros.h"

namespace abat {
namespace {

// Cells trimmed of the number rules' blanks. A line ends at a carriage return or a line feed,
// so outside quotes no cell holds either; one inside quotes is the cell's own text.
std::string recortado(std::string_view s) {
    return std::string(recortar_blancos(s));
}

std::string celda_tsv(const std::string& c) {
    if (c.find_first_of("\t\r\n\"") == std::string::npos) return c;
    std::string q = "\"";
    for (const char ch : c) q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return q + "\"";
}

// Splits pasted text into rows of cells: quotes as spreadsheets write them ("a ""b""" is
// a "b"), which may hold separators and line breaks.
std::vector<std::vector<std::string>> filas_de(std::string_view texto, char separador) {
    std::vector<std::vector<std::string>> filas(1, std::vector<std::string>(1));
    bool entre_comillas = false;
    bool era_comilla = false;  // the cell so far is a quoted text
    const size_t n = texto.size();
    for (size_t i = 0; i < n;) {
        std::string& celda = filas.back().back();
        if (entre_comillas) {  // up to the next quote at once
            const size_t comilla = std::min(texto.find('"', i), n);
            celda.append(texto.substr(i, comilla - i));
            i = comilla + 1;
            if (comilla == n) break;
            if (texto.substr(i).starts_with('"')) {
                celda += '"';
                ++i;
            } else {
                entre_comillas = false;
            }
            continue;
        }
        const char ch = texto[i];
        if (ch == '"' && celda.empty() && !era_comilla) {
            entre_comillas = era_comilla = true;
            ++i;
        } else if (ch == separador) {
            filas.back().emplace_back();
            era_comilla = false;
            ++i;
        } else if (ch == '\n' || ch == '\r') {
            i += ch == '\r' && texto.substr(i + 1).starts_with('\n') ? 2 : 1;
            filas.emplace_back(1);
            era_comilla = false;
        } else {  // the rest of the cell at once: a quote within it is its own text
            size_t fin = i + 1;
            while (fin < n && texto[fin] != separador && texto[fin] != '\n' && texto[fin] != '\r')
                ++fin;
            celda.append(texto.substr(i, fin - i));
            i = fin;
        }
    }
    return filas;
}

// The separator the spreadsheet wrote: a tab, else a semicolon, else a comma; looked for outside
// quoted cells, which may hold any of them. A quote opens a quoted cell only at its start.
char separador_de(std::string_view texto) {
    bool tab = false;
    bool punto_y_coma = false;
    bool inicio_de_celda = true;
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '"' && inicio_de_celda) {
            // To the closing quote; a doubled quote is a quote within the cell.
            for (++i; i < texto.size(); ++i) {
                if (texto[i] == '"' && !texto.substr(++i).starts_with('"')) break;
            }
        }
        if (i >= texto.size()) break;
        const char ch = texto[i];
        tab = tab || ch == '\t';
        punto_y_coma = punto_y_coma || ch == ';';
        inicio_de_celda = std::string_view("\t;,\r\n").find(ch) != std::string_view::npos;
    }
    return tab ? '\t' : (punto_y_coma ? ';' : ',');
}

bool en_blanco(const std::vector<std::string>& fila) {
    return std::all_of(fila.begin(), fila.end(),
                       [](const std::string& c) { return recortado(c).empty(); });
}

bool iguales(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Where a first row that names columns has each of the table's: columnas[k] is the column of the
// rows that holds the table's record column k.
struct Cabecera {
    std::vector<size_t> columnas;
    size_t ancho = 0;  // the header's cells: beyond them no column is named
    std::vector<std::string> ignoradas;
};

bool es_numero(const std::string& celda) {
    return numero_de_celda(celda).has_value();
}

// The table's column that a header's cell names: by the names of the column's datum, or by the
// column's own header, units aside; datos.size() when it names none.
size_t columna_nombrada(const std::string& celda, const std::vector<std::optional<Dato>>& datos,
                        const std::vector<std::string>& propios) {
    const std::optional<Dato> dato = dato_nombrado(celda);
    const std::string comparable = nombre_comparable(celda);
    for (size_t k = 0; k < datos.size(); ++k) {
        if ((dato && datos[k] == dato) || comparable == propios[k]) return k;
    }
    return datos.size();
}

// A header, or none; a first row that names only some of the table's columns is refused.
std::optional<Cabecera> leer_cabecera(const std::vector<std::string>& fila,
                                      const std::vector<std::string>& encabezados,
                                      const LugarPegado& lugar) {
    std::vector<std::optional<Dato>> de_la_tabla;
    std::vector<std::string> propios;
    for (const std::string& e : encabezados) {
        de_la_tabla.push_back(dato_nombrado(e));
        propios.push_back(nombre_comparable(e));
    }
    constexpr auto ninguna = static_cast<size_t>(-1);
    Cabecera c{std::vector<size_t>(encabezados.size(), ninguna), fila.size(), {}};
    int nombradas = 0;
    for (size_t i = 0; i < fila.size(); ++i) {
        const std::string celda = recortado(fila[i]);
        const size_t k = columna_nombrada(celda, de_la_tabla, propios);
        nombradas += k < c.columnas.size() || dato_nombrado(celda) ? 1 : 0;
        if (k < c.columnas.size() && c.columnas[k] == ninguna) {
            c.columnas[k] = i;
        } else if (!celda.empty() && !iguales(celda, "No.")) {
            c.ignoradas.push_back(celda);
        }
    }
    const auto falta = std::find(c.columnas.begin(), c.columnas.end(), ninguna);
    if (falta == c.columnas.end()) return c;
    // Names, and not a number among them: a header all the same, which lacks a column.
    if (nombradas < 2 || std::any_of(fila.begin(), fila.end(), es_numero)) return std::nullopt;
    const auto k = static_cast<size_t>(falta - c.columnas.begin());
    const std::string nombres =
        de_la_tabla[k] ? lista_de_nombres(*de_la_tabla[k]) : recortado(encabezados[k]);
    rechazar(lugar.fila(1) + " nombra las columnas, pero ninguna es la de «" + encabezados[k] +
             "» (" + nombres + ").");
}

// How the refusals of a table's rows name its cells and its columns.
class Lector {
  public:
    Lector(const std::vector<std::string>& encabezados, const LugarPegado& lugar)
        : encabezados_(encabezados), lugar_(lugar) {}

    // "cada fila debe tener 5 columnas (Nombre, Diámetro[m], ...)"
    std::string columnas() const {
        std::string t =
            "cada fila debe tener " + std::to_string(encabezados_.size()) + " columnas (";
        for (size_t c = 0; c < encabezados_.size(); ++c) t += (c > 0 ? ", " : "") + encabezados_[c];
        return t + ")";
    }
    [[noreturn]] void falta(int fila, int columna, size_t k) const {
        rechazar(lugar_.celda(fila, columna) + " (" + encabezado(k) + "): falta el dato; " +
                 columnas() + ".");
    }
    [[noreturn]] void sobra(int fila, int columna, const std::string& celda) const {
        rechazar(lugar_.celda(fila, columna) + ": " + cita(celda) + " sobra; " + columnas() + ".");
    }
    // The cell of table column k (from 0) as the add command stores it.
    std::string numero(const std::string& celda, int fila, int columna, size_t k) const {
        if (recortado(celda).empty())
            rechazar(lugar_.celda(fila, columna) + " (" + encabezado(k) + "): falta el dato.");
        if (auto v = numero_de_celda(celda)) return std::move(*v);
        rechazar(lugar_.celda(fila, columna) + " (" + encabezado(k) + "): " + cita(celda) +
                 " no es un valor numérico.");
    }

  private:
    std::string encabezado(size_t k) const {
        return k < encabezados_.size() ? encabezados_[k] : "";
    }

    const std::vector<std::string>& encabezados_;
    const LugarPegado& lugar_;
};

// The records of rows in the table's order of columns.
void por_orden(const std::vector<std::vector<std::string>>& filas, const Lector& lector,
               size_t columnas, PrimeraColumna primera, Pegado& p) {
    const size_t nombres = primera == PrimeraColumna::nombre ? 1 : 0;
    for (size_t f = 0; f < filas.size(); ++f) {
        const auto& fila = filas[f];
        const int n = static_cast<int>(f) + 1;
        if (fila.size() < columnas) lector.falta(n, static_cast<int>(fila.size()) + 1, fila.size());
        if (fila.size() > columnas) lector.sobra(n, static_cast<int>(columnas) + 1, fila[columnas]);
        std::vector<std::string> registro(fila.begin(),
                                          fila.begin() + static_cast<std::ptrdiff_t>(nombres));
        for (size_t c = nombres; c < columnas; ++c)
            registro.push_back(lector.numero(fila[c], n, static_cast<int>(c) + 1, c));
        p.registros.push_back(std::move(registro));
    }
}

// The records of the rows under a header, each datum from its column.
void por_cabecera(const std::vector<std::vector<std::string>>& filas, const Cabecera& cabecera,
                  const Lector& lector, PrimeraColumna primera, Pegado& p) {
    for (size_t f = 1; f < filas.size(); ++f) {
        const auto& fila = filas[f];
        const int n = static_cast<int>(f) + 1;
        for (size_t c = cabecera.ancho; c < fila.size(); ++c) {
            if (!recortado(fila[c]).empty()) lector.sobra(n, static_cast<int>(c) + 1, fila[c]);
        }
        std::vector<std::string> registro;
        for (size_t k = 0; k < cabecera.columnas.size(); ++k) {
            const size_t c = cabecera.columnas[k];
            const std::string celda = c < fila.size() ? fila[c] : std::string();
            const bool nombre = k == 0 && primera == PrimeraColumna::nombre;
            registro.push_back(nombre ? celda
                                      : lector.numero(celda, n, static_cast<int>(c) + 1, k));
        }
        p.registros.push_back(std::move(registro));
    }
}

// A header in the user's words: none of its cells a number (its name's cell aside, which may be
// any text).
bool encabezado_propio(const std::vector<std::string>& fila, PrimeraColumna primera) {
    bool hay_texto = false;
    for (size_t c = primera == PrimeraColumna::nombre ? 1 : 0; c < fila.size(); ++c) {
        if (numero_de_celda(fila[c])) return false;
        hay_texto = hay_texto || !recortado(fila[c]).empty();
    }
    return hay_texto;
}

}  // namespace

std::optional<std::string> numero_de_celda(const std::string& celda) {
    const LecturaEstricta l = leer_estricto(con_punto_decimal(celda));
    if (!l.ok()) return std::nullopt;
    return number_to_text(l.valor);
}

Bloque bloque_a_copiar(const Grid& t) {
    const int ultima = record_count(t);
    const Bloque seleccion{std::min(t.Row(), t.RowSel()), std::min(t.Col(), t.ColSel()),
                           std::min(std::max(t.Row(), t.RowSel()), ultima),
                           std::max(t.Col(), t.ColSel())};
    const bool varias = t.Row() != t.RowSel() || t.Col() != t.ColSel();
    if (varias && seleccion.fila1 <= seleccion.fila2) return seleccion;
    return {1, 0, ultima, t.Cols() - 1};
}

std::vector<std::vector<std::string>> celdas_a_copiar(const Grid& t, const Bloque& b) {
    std::vector<std::vector<std::string>> filas;
    for (int r = b.fila1 - 1; r <= b.fila2; ++r) {
        const int fila = r < b.fila1 ? 0 : r;  // the header row first
        auto& celdas = filas.emplace_back();
        for (int c = b.col1; c <= b.col2; ++c) {
            celdas.push_back(fila == 0 ? recortado(t.TextMatrix(0, c))
                                       : std::string(t.TextMatrix(fila, c)));
        }
    }
    return filas;
}

std::string como_tsv(const std::vector<std::vector<std::string>>& filas) {
    std::string texto;
    for (const auto& fila : filas) {
        for (size_t c = 0; c < fila.size(); ++c) {
            if (c > 0) texto += '\t';
            texto += celda_tsv(fila[c]);
        }
        texto += '\n';
    }
    return texto;
}

std::string como_texto(const Grid& t, const Bloque& b) {
    return como_tsv(celdas_a_copiar(t, b));
}

std::vector<std::string> encabezados_de(const Grid& t) {
    std::vector<std::string> e;
    for (int c = 1; c < t.Cols(); ++c) e.push_back(recortado(t.TextMatrix(0, c)));
    return e;
}

std::vector<std::vector<std::string>> filas_de_texto(std::string_view texto) {
    return filas_de(texto, separador_de(texto));
}

const LugarPegado& lugar_en_pegado() {
    static const LugarPegado lugar{
        [](int fila, int columna) {
            return "Fila " + std::to_string(fila) + ", columna " + std::to_string(columna);
        },
        [](int fila) {
            return fila == 1 ? std::string("La primera fila") : "La fila " + std::to_string(fila);
        }};
    return lugar;
}

Resuelto<Pegado> analizar_pegado(std::string_view texto,
                                 const std::vector<std::string>& encabezados, Encabezado encabezado,
                                 PrimeraColumna primera) {
    return analizar_filas(filas_de_texto(texto), encabezados, encabezado, primera);
}

Resuelto<Pegado> analizar_filas(std::vector<std::vector<std::string>> filas,
                                const std::vector<std::string>& encabezados, Encabezado encabezado,
                                PrimeraColumna primera, const LugarPegado& lugar) {
    return resolver([&] {
        while (!filas.empty() && en_blanco(filas.back())) filas.pop_back();
        Pegado p;
        if (filas.empty()) return p;
        const Resuelto<std::optional<Cabecera>> cabecera =
            resolver([&] { return leer_cabecera(filas[0], encabezados, lugar); });
        const Lector lector(encabezados, lugar);
        // On a table headed in the users' own words, a first row of words is a header too, its
        // columns in the table's order.
        if ((!cabecera || !*cabecera) && encabezado == Encabezado::propio &&
            encabezado_propio(filas[0], primera)) {
            filas.erase(filas.begin());
            por_orden(filas, lector, encabezados.size(), primera, p);
        } else if (!cabecera) {
            rechazar(cabecera.rechazo());
        } else if (*cabecera) {
            por_cabecera(filas, **cabecera, lector, primera, p);
            p.ignoradas = (*cabecera)->ignoradas;
        } else {
            por_orden(filas, lector, encabezados.size(), primera, p);
        }
        return p;
    });
}

}  // namespace abat
