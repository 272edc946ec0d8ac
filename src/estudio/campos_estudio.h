#pragma once
// The keys of a study file's records, in the order the file writes them, shared by the writer and
// the reader so the two cannot part.

#include <array>
#include <string>
#include <string_view>

#include "estudio/estudio.h"

namespace abat::campos {

inline constexpr std::array<const char*, 5> pozo = {"nombre", "diametro", "caudal", "x", "y"};
inline constexpr std::array<const char*, 3> punto = {"nombre", "x", "y"};

// A reading of the pumping test; "excluida", true, follows on a reading left out of the fit.
inline constexpr std::array<const char*, 4> medida = {"piezometro", "r", "t", "s"};
inline constexpr const char* excluida = "excluida";
// A well's optional list of steps, and a step's fields.
inline constexpr const char* etapas = "etapas";
inline constexpr std::array<const char*, 2> etapa = {"desde", "caudal"};
inline constexpr std::array<const char*, 1> acuitardo = {"c"};
// A well's optional loss through its screen, and its fields.
inline constexpr const char* perdidas = "perdidas";
inline constexpr std::array<const char*, 2> perdida = {"C", "n"};
inline constexpr std::array<const char*, 5> limite = {"tipo", "x1", "y1", "x2", "y2"};

inline std::array<std::string_view, 5> textos(const PozoTexto& p) {
    return {p.nombre, p.diametro, p.caudal, p.x, p.y};
}
inline std::array<std::string_view, 3> textos(const PuntoTexto& p) {
    return {p.nombre, p.x, p.y};
}
inline std::array<std::string_view, 5> textos(const LimiteTexto& l) {
    return {l.tipo, l.x1, l.y1, l.x2, l.y2};
}
inline std::array<std::string_view, 2> textos(const EtapaTexto& e) {
    return {e.desde, e.caudal};
}
inline std::array<std::string_view, 2> textos(const PerdidasTexto& p) {
    return {p.C, p.n};
}

// A boundary's type as the file writes it: "recarga" or "barrera" (the cell's "Recarga" or
// "Barrera"; any other text as it is).
inline std::string tipo_en_archivo(const std::string& tipo) {
    if (tipo == texto_recarga) return nombre_tipo(TipoLimite::recarga);
    if (tipo == texto_barrera) return nombre_tipo(TipoLimite::barrera);
    return tipo;
}

// The study's own keys, in the order the file writes them.
inline constexpr std::array<const char*, 10> raiz = {"formato", "version", "acuifero", "acuitardo",
                                                     "limites", "pozos",   "puntos",   "tiempo",
                                                     "crs",     "ensayo"};

// The format's version a study needs: 1 unless it holds what a program that reads version 1
// would compute without (the aquitard), so that such a program refuses it as a newer study.
inline int version_necesaria(const Estudio& e) {
    return e.acuitardo && !e.acuitardo->empty() ? 2 : 1;
}
// The newest version this program reads.
inline constexpr int version_leida = 2;

inline std::array<std::string_view, 4> textos(const MedidaTexto& m) {
    return {m.piezometro, m.r, m.t, m.s};
}

}  // namespace abat::campos
