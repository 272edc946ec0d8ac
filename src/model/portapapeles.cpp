#include "model/portapapeles.h"

#include <algorithm>
#include <cctype>

#include "model/filas.h"
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
    for (size_t i = 0; i < texto.size(); ++i) {
        const char ch = texto[i];
        std::string& celda = filas.back().back();
        if (entre_comillas) {
            if (ch != '"') {
                celda += ch;
            } else if (texto.substr(i + 1).starts_with('"')) {
                celda += '"';
                ++i;
            } else {
                entre_comillas = false;
            }
        } else if (ch == '"' && celda.empty() && !era_comilla) {
            entre_comillas = era_comilla = true;
        } else if (ch == separador) {
            filas.back().emplace_back();
            era_comilla = false;
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && texto.substr(i + 1).starts_with('\n')) ++i;
            filas.emplace_back(1);
            era_comilla = false;
        } else {
            celda += ch;
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

bool repite(const std::vector<std::string>& fila, const std::vector<std::string>& encabezados,
            size_t desde) {
    if (fila.size() != encabezados.size() + desde) return false;
    if (desde == 1 && !iguales(recortado(fila[0]), "No.")) return false;
    for (size_t c = 0; c < encabezados.size(); ++c) {
        if (!iguales(recortado(fila[c + desde]), encabezados[c])) return false;
    }
    return true;
}

// A header in the user's words: cells after the first, none of them a number.
bool encabezado_propio(const std::vector<std::string>& fila) {
    bool hay_texto = false;
    for (size_t c = 1; c < fila.size(); ++c) {
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

Pegado analizar_pegado(std::string_view texto, const std::vector<std::string>& encabezados,
                       Encabezado encabezado) {
    return analizar_filas(filas_de_texto(texto), encabezados, encabezado);
}

Pegado analizar_filas(std::vector<std::vector<std::string>> filas,
                      const std::vector<std::string>& encabezados, Encabezado encabezado) {
    while (!filas.empty() && en_blanco(filas.back())) filas.pop_back();
    size_t primera = 0;
    size_t numero_delante = 0;
    if (!filas.empty() && repite(filas[0], encabezados, 0)) primera = 1;
    if (!filas.empty() && repite(filas[0], encabezados, 1)) primera = numero_delante = 1;
    if (!filas.empty() && primera == 0 && encabezado == Encabezado::propio &&
        encabezado_propio(filas[0])) {
        primera = 1;
    }

    Pegado p;
    const size_t columnas = encabezados.size() + numero_delante;
    for (size_t f = primera; f < filas.size(); ++f) {
        const auto& fila = filas[f];
        const int n = static_cast<int>(f) + 1;
        if (fila.size() < columnas) {
            p.rechazo = {RechazoPegado::faltan_celdas, n, static_cast<int>(fila.size()) + 1, "",
                         ""};
        } else if (fila.size() > columnas) {
            p.rechazo = {RechazoPegado::sobran_celdas, n, static_cast<int>(columnas) + 1,
                         fila[columnas], ""};
        }
        if (p.rechazo) {
            const size_t c = static_cast<size_t>(p.rechazo->columna) - 1 - numero_delante;
            if (c < encabezados.size()) p.rechazo->encabezado = encabezados[c];
            break;
        }
        std::vector<std::string> registro{fila[numero_delante]};
        for (size_t c = numero_delante + 1; c < columnas && !p.rechazo; ++c) {
            if (auto v = numero_de_celda(fila[c])) {
                registro.push_back(std::move(*v));
            } else {
                p.rechazo = {RechazoPegado::no_numerico, n, static_cast<int>(c) + 1, fila[c],
                             encabezados[c - numero_delante]};
            }
        }
        if (p.rechazo) break;
        p.registros.push_back(std::move(registro));
    }
    if (p.rechazo) p.registros.clear();
    return p;
}

}  // namespace abat
