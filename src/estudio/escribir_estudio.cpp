#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <cstdio>

#include "estudio/campos_estudio.h"
#include "estudio/formato_estudio.h"

namespace abat {
namespace {

// A JSON string. Control characters are escaped, and U+FEFF, which Qt's reader would take for a
// byte-order mark at a string's start and drop; every other character is written as it is.
void texto_json(std::string& out, std::string_view texto) {
    std::string valido;  // the text with U+FFFD for each bad sequence, which JSON cannot carry
    if (!QByteArrayView(texto).isValidUtf8()) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        valido = QString(utf8(texto)).toStdString();
        texto = valido;
    }
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    constexpr std::string_view cortos = "\n\t\r";  // escaped \n, \t, \r
    out += '"';
    for (size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (texto.substr(i).starts_with(bom)) {
            out += "\\ufeff";
            i += bom.size() - 1;
        } else if (c == '"' || c == '\\') {
            (out += '\\') += c;
        } else if (const size_t k = cortos.find(c); k != std::string_view::npos) {
            (out += '\\') += "ntr"[k];
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> u{};
            std::snprintf(u.data(), u.size(), "\\u%04x", static_cast<unsigned>(c));
            out += u.data();
        } else {
            out += c;
        }
    }
    out += '"';
}

// "clave": "texto", ...
template <size_t N>
void pares(std::string& out, const std::array<const char*, N>& claves,
           const std::array<std::string_view, N>& textos) {
    for (size_t i = 0; i < N; ++i) {
        if (i > 0) out += ", ";
        texto_json(out, claves[i]);
        out += ": ";
        texto_json(out, textos[i]);
    }
}

// {"clave": "texto", ...} on one line.
template <size_t N>
void objeto(std::string& out, const std::array<const char*, N>& claves,
            const std::array<std::string_view, N>& textos) {
    out += '{';
    pares(out, claves, textos);
    out += '}';
}

// A record with what follows its own fields, `mas(k)`, inside its braces.
struct SinMas {
    void operator()(std::string& /*out*/, size_t /*k*/) const {}
};

// "clave": [ one record a line ],
template <class Registro, size_t N, class Mas = SinMas>
void tabla(std::string& out, const char* clave, const std::vector<Registro>& registros,
           const std::array<const char*, N>& claves, Mas mas = {}) {
    out += "  \"" + std::string(clave) + "\": [";
    for (size_t k = 0; k < registros.size(); ++k) {
        out += k == 0 ? "\n    {" : ",\n    {";
        pares(out, claves, campos::textos(registros[k]));
        mas(out, k);
        out += '}';
    }
    out += registros.empty() ? "],\n" : "\n  ],\n";
}

// Steps after the first, only when there are some: ", "etapas": [{...}, {...}]".
void lista_etapas(std::string& out, const std::vector<EtapaTexto>& etapas) {
    if (etapas.empty()) return;
    out += ", ";
    texto_json(out, campos::etapas);
    out += ": [";
    for (size_t j = 0; j < etapas.size(); ++j) {
        if (j > 0) out += ", ";
        objeto(out, campos::etapa, campos::textos(etapas[j]));
    }
    out += ']';
}

// "ensayo": {the test's boxes, its rate's steps, then its readings, one a line}; a reading left
// out of the fit ends with "excluida": true.
void ensayo(std::string& out, const EnsayoTexto& e) {
    out += ",\n  \"ensayo\": ";
    objeto<3>(out, {"caudal", "unidad_tiempo", "fin_bombeo"},
              {e.caudal, e.unidad_tiempo, e.fin_bombeo});
    out.pop_back();  // the boxes' object goes on with the well, the steps and the readings
    if (!e.pozo.empty()) {
        out += ", ";
        texto_json(out, "pozo");
        out += ": ";
        texto_json(out, e.pozo);
    }
    lista_etapas(out, e.etapas);
    out += ",\n    \"medidas\": [";
    for (size_t k = 0; k < e.medidas.size(); ++k) {
        out += k == 0 ? "\n      " : ",\n      ";
        objeto(out, campos::medida, campos::textos(e.medidas[k]));
        if (e.medidas[k].excluida) {
            out.pop_back();
            out += ", \"" + std::string(campos::excluida) + "\": true}";
        }
    }
    out += e.medidas.empty() ? "]}" : "\n    ]}";
}

// A well's steps after the first and its loss, only when it has them:
// ", "etapas": [{...}, {...}], "perdidas": {"C": "1000", "n": "2"}".
struct EtapasDe {
    const std::vector<std::vector<EtapaTexto>>& etapas;
    const std::vector<PerdidasTexto>& perdidas;
    void operator()(std::string& out, size_t k) const {
        if (k < etapas.size()) lista_etapas(out, etapas[k]);
        if (k < perdidas.size() && !perdidas[k].vacio()) {
            out += ", ";
            texto_json(out, campos::perdidas);
            out += ": ";
            objeto(out, campos::perdida, campos::textos(perdidas[k]));
        }
    }
};

// The boundaries, their types as the file names them.
void limites(std::string& out, const std::vector<LimiteTexto>& limites) {
    std::vector<LimiteTexto> en_archivo = limites;
    for (LimiteTexto& l : en_archivo) l.tipo = campos::tipo_en_archivo(l.tipo);
    tabla(out, "limites", en_archivo, campos::limite);
}

}  // namespace

std::string escribir_estudio(const Estudio& e) {
    std::string out = "{\n  \"formato\": \"abatimientos\",\n  \"version\": " +
                      std::to_string(campos::version_necesaria(e)) + ",\n  \"acuifero\": ";
    out.reserve(64 * (e.pozos.size() + e.puntos.size() + e.ensayo.medidas.size()) + 256);
    objeto<2>(out, {"T", "S"}, {e.T, e.S});
    out += ",\n";
    if (e.acuitardo && !e.acuitardo->empty()) {
        out += "  \"acuitardo\": ";
        objeto<1>(out, campos::acuitardo, {*e.acuitardo});
        out += ",\n";
    }
    if (!e.limites.empty()) limites(out, e.limites);
    tabla(out, "pozos", e.pozos, campos::pozo, EtapasDe{e.etapas, e.perdidas});
    tabla(out, "puntos", e.puntos, campos::punto);
    out += "  \"tiempo\": ";
    texto_json(out, e.tiempo);
    if (e.crs) {
        out += ",\n  \"crs\": ";
        texto_json(out, *e.crs);
    }
    if (!e.ensayo.vacio()) ensayo(out, e.ensayo);
    out += "\n}\n";
    return out;
}

}  // namespace abat
