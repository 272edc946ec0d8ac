// Spreadsheets into a table: the cells as text, then the rules of a paste.
#include <cpl_string.h>
#include <cpl_vsi.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <array>

#include "model/numeros.h"
#include "model/portapapeles.h"
#include "sig/gdal_comun.h"
#include "sig/importacion.h"
#include "sig/mensajes_sig.h"

namespace abat {
namespace {

using Filas = std::vector<std::vector<std::string>>;

struct Hoja {
    std::string nombre;  // none for a .csv, which has no sheets
    Filas filas;         // row k of the sheet is filas[k - 1]
};

std::vector<std::string> celdas_de(OGRFeature& f) {
    std::vector<std::string> fila;
    fila.reserve(static_cast<size_t>(f.GetFieldCount()));
    for (int i = 0; i < f.GetFieldCount(); ++i) {
        fila.emplace_back(f.IsFieldSetAndNotNull(i) ? f.GetFieldAsString(i) : "");
    }
    // Every row has as many fields as the widest: a row ends at its last cell with text, as a
    // spreadsheet copies it.
    while (fila.size() > 1 && fila.back().empty()) fila.pop_back();
    return fila;
}

// The first sheet of an .xlsx or .ods file. GDAL 3.6 takes as configuration options what later
// versions also take as open options: no row is a header, no type is guessed, so each cell reads
// as the text of its value (numbers with '.' and every digit stored).
std::optional<Hoja> hoja_de(const std::string& ruta, const std::string& driver) {
    const CPLConfigOptionSetter sin_cabecera(("OGR_" + driver + "_HEADERS").c_str(), "DISABLE",
                                             false);
    const CPLConfigOptionSetter como_texto(("OGR_" + driver + "_FIELD_TYPES").c_str(), "STRING",
                                           false);
    const std::array<const char*, 2> drivers = {driver.c_str(), nullptr};
    const Dataset d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY,
                                      drivers.data(), nullptr, nullptr));
    if (!d || d->GetLayerCount() == 0) return std::nullopt;
    OGRLayer* capa = d->GetLayer(0);
    Hoja hoja{capa->GetName(), {}};
    for (const auto& f : *capa) {
        // A feature's FID is its row: blank rows stay in their places.
        while (static_cast<GIntBig>(hoja.filas.size()) + 1 < f->GetFID())
            hoja.filas.emplace_back(1);
        hoja.filas.push_back(celdas_de(*f));
    }
    return hoja;
}

// A .csv file as a paste's text. Not through GDAL's CSV driver: GDAL 3.6 takes the separator
// from the first line and falls back to the comma when it holds both ';' and ',', which splits a
// Spanish file's decimal commas. Text in Windows-1252, as a spreadsheet may save it, is recoded.
std::optional<Hoja> csv_de(const std::string& ruta) {
    GByte* datos = nullptr;
    vsi_l_offset n = 0;
    if (VSIIngestFile(nullptr, ruta.c_str(), &datos, &n, -1) == 0) return std::nullopt;
    std::string texto(reinterpret_cast<const char*>(datos), static_cast<size_t>(n));
    VSIFree(datos);
    if (texto.starts_with("\xEF\xBB\xBF")) texto.erase(0, 3);  // the byte order mark
    if (CPLIsUTF8(texto.c_str(), static_cast<int>(texto.size())) == 0) {
        char* recodificado = CPLRecode(texto.c_str(), "CP1252", CPL_ENC_UTF8);
        texto = recodificado;
        CPLFree(recodificado);
    }
    return Hoja{{}, filas_de_texto(texto)};
}

// Spreadsheets name columns with letters: 1 is A, 27 is AA.
std::string letra_de_columna(int columna) {
    std::string letras;
    for (; columna > 0; columna = (columna - 1) / 26) {
        letras.insert(letras.begin(), static_cast<char>('A' + (columna - 1) % 26));
    }
    return letras;
}

// A sheet's cells named as the spreadsheet names them: "«a.xlsx», hoja «Pozos», fila 3,
// columna C"; a .csv's columns by number. `saltadas`: blank rows above the table.
LugarPegado lugar_en_hoja(const std::string& archivo, const Hoja& hoja, int saltadas) {
    const std::string en_hoja =
        archivo + ", " + (hoja.nombre.empty() ? "" : "hoja " + cita(hoja.nombre) + ", ");
    const auto fila = [en_hoja, saltadas](int f) {
        return en_hoja + "fila " + std::to_string(f + saltadas);
    };
    const bool letras = !hoja.nombre.empty();
    return {[fila, letras](int f, int c) {
                return fila(f) + ", columna " + (letras ? letra_de_columna(c) : std::to_string(c));
            },
            fila};
}

bool en_blanco(const std::vector<std::string>& fila) {
    return std::all_of(fila.begin(), fila.end(),
                       [](const std::string& c) { return recortar_blancos(c).empty(); });
}

}  // namespace

Resuelto<Importacion> importar_hoja(const std::string& ruta,
                                    const std::vector<std::string>& encabezados,
                                    Encabezado encabezado) {
    const SesionGdal sesion;
    const std::string tipo = extension(ruta);
    const std::string archivo = cita_archivo(ruta);
    std::optional<Hoja> hoja;
    if (tipo == "xlsx" || tipo == "ods") {
        hoja = hoja_de(ruta, tipo == "xlsx" ? "XLSX" : "ODS");
    } else if (tipo == "csv") {
        hoja = csv_de(ruta);
    } else {
        return Rechazo{archivo +
                       " no es una hoja de cálculo: se leen archivos .xlsx, .ods y .csv."};
    }
    if (!hoja) return Rechazo{"No se puede leer " + archivo + " como hoja de cálculo."};

    // Blank rows above the table, as a sheet may have, are no rows of it.
    const auto primera = std::find_if_not(hoja->filas.begin(), hoja->filas.end(), en_blanco);
    const int saltadas = static_cast<int>(primera - hoja->filas.begin());
    Resuelto<Pegado> p =
        analizar_filas(Filas(primera, hoja->filas.end()), encabezados, encabezado,
                       PrimeraColumna::nombre, lugar_en_hoja(archivo, *hoja, saltadas));
    if (!p) return Rechazo{p.rechazo() + "\n\nNo se ha importado nada."};
    if (p->registros.empty())
        return Rechazo{archivo + " no tiene ninguna fila que importar en su primera hoja."};
    Importacion i;
    i.registros = std::move(p->registros);
    i.ignoradas = std::move(p->ignoradas);
    return i;
}

}  // namespace abat
