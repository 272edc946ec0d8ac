#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "estudio/campos_estudio.h"
#include "estudio/formato_estudio.h"
#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {
namespace {

// "línea L, columna C" of a byte offset; a column counts characters, not bytes.
std::string posicion(std::string_view bytes, size_t offset) {
    const std::string_view antes = bytes.substr(0, offset);
    const size_t inicio = antes.rfind('\n') + 1;  // npos + 1 is 0: the first line
    long columna = 1;
    for (const char c : antes.substr(inicio)) {
        if ((c & 0xC0) != 0x80) ++columna;  // not a continuation byte: a character begins
    }
    const auto linea = 1 + std::count(antes.begin(), antes.end(), '\n');
    return "línea " + std::to_string(linea) + ", columna " + std::to_string(columna);
}

const char* descripcion_json(QJsonParseError::ParseError error) {
    switch (error) {
        case QJsonParseError::UnterminatedObject:
            return "un objeto sin cerrar o sin «,»";
        case QJsonParseError::MissingNameSeparator:
            return "falta «:» tras un nombre";
        case QJsonParseError::UnterminatedArray:
            return "una lista sin cerrar o sin «,»";
        case QJsonParseError::MissingValueSeparator:
            return "falta una «,» entre dos valores";
        case QJsonParseError::IllegalNumber:
            return "número no válido o fuera de rango";
        case QJsonParseError::IllegalEscapeSequence:
            return "secuencia de escape no válida";
        case QJsonParseError::UnterminatedString:
            return "texto sin cerrar";
        case QJsonParseError::GarbageAtEnd:
            return "hay más texto tras el final";
        default:
            return "valor no válido";
    }
}

void rechazar_json(const QJsonParseError& e, std::string_view bytes) {
    const auto offset = static_cast<size_t>(e.offset);
    if (offset >= bytes.size()) rechazar("está incompleto: se acaba antes de cerrar el estudio");
    const std::string donde = posicion(bytes, offset);
    if (e.error == QJsonParseError::IllegalUTF8String)
        rechazar("no es texto UTF-8 (" + donde + ")");
    if (e.error == QJsonParseError::DeepNesting)
        rechazar("anida demasiados niveles (" + donde + ")");
    if (e.error == QJsonParseError::DocumentTooLarge) rechazar("es demasiado grande para leerlo");
    rechazar("no es JSON válido (" + donde + ": " + descripcion_json(e.error) + ")");
}

// A box or cell: a text, or a number as the program writes it; missing, empty. `lugar` names it,
// as a text or as what writes the text: a field of a study of 100,000 wells builds no message
// unless it is refused.
template <class Lugar>
std::string texto(const QJsonValue& v, const Lugar& lugar) {
    if (v.isString()) return v.toString().toStdString();
    if (v.isDouble()) return number_to_text(v.toDouble());
    if (v.isUndefined()) return {};
    if constexpr (std::is_invocable_v<Lugar>) {
        rechazar(lugar() + " no es un texto ni un número");
    } else {
        rechazar(std::string(lugar) + " no es un texto ni un número");
    }
}

// How a record is named in a refusal: "el pozo 3" and "del pozo 3".
struct Nombrado {
    std::string quien;
    std::string de_quien;
};

Nombrado nombrado(const char* cual, qsizetype k) {
    const std::string este = std::string(cual) + " " + std::to_string(k);
    return {"el " + este, "del " + este};
}

// A record: exactly its fields, and those of `opcionales` it may have. `nombrar()` gives how it
// is named, asked for only when it is refused.
template <size_t N, class Nombrar>
std::array<std::string, N> registro(const QJsonValue& v, const std::array<const char*, N>& campos,
                                    const Nombrar& nombrar,
                                    std::initializer_list<const char*> opcionales = {}) {
    if (!v.isObject()) rechazar(nombrar().quien + " no es un objeto");
    const QJsonObject o = v.toObject();
    std::array<std::string, N> textos;
    for (size_t i = 0; i < N; ++i) {
        const QJsonValue c = o.value(QLatin1StringView(campos[i]));
        if (c.isUndefined()) rechazar(nombrar().quien + " no tiene «" + campos[i] + "»");
        textos[i] =
            texto(c, [&] { return "«" + std::string(campos[i]) + "» " + nombrar().de_quien; });
    }
    if (o.size() == static_cast<qsizetype>(N)) return textos;
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto es_clave = [&](const char* campo) {
            return QLatin1StringView(campo) == it.key();
        };
        if (std::none_of(campos.begin(), campos.end(), es_clave) &&
            std::none_of(opcionales.begin(), opcionales.end(), es_clave))
            rechazar(nombrar().quien + " tiene un campo de más: " + cita(it.key().toStdString()));
    }
    return textos;
}

// Record k (from 1) of a table: exactly its fields. `cual`: "pozo", "punto".
template <size_t N>
std::array<std::string, N> registro(const QJsonValue& v, const std::array<const char*, N>& campos,
                                    const char* cual, qsizetype k) {
    return registro(v, campos, [&] { return nombrado(cual, k); });
}

// A table's records; missing, none.
QJsonArray tabla(const QJsonObject& raiz, const char* clave) {
    const QJsonValue v = raiz.value(QLatin1StringView(clave));
    if (!v.isUndefined() && !v.isArray()) rechazar("«" + std::string(clave) + "» no es una lista");
    return v.toArray();
}

// The steps after the first of a well or the test (`del_pozo`: "del pozo 3", "del ensayo"), when
// it lists them: numbered as the schedule shows them, from 2.
std::vector<EtapaTexto> etapas(const QJsonValue& pozo, const std::string& del_pozo) {
    const QJsonValue v = pozo.toObject().value(QLatin1StringView(campos::etapas));
    if (v.isUndefined()) return {};
    if (!v.isArray())
        rechazar("«" + std::string(campos::etapas) + "» " + del_pozo + " no es una lista");
    const QJsonArray lista = v.toArray();
    std::vector<EtapaTexto> e;
    e.reserve(static_cast<size_t>(lista.size()));
    for (qsizetype j = 0; j < lista.size(); ++j) {
        const auto nombrar = [&] {
            const std::string esta = "la etapa " + std::to_string(j + 2) + " " + del_pozo;
            return Nombrado{esta, "de " + esta};
        };
        auto [desde, caudal] = registro(lista[j], campos::etapa, nombrar);
        e.push_back({std::move(desde), std::move(caudal)});
    }
    return e;
}

// Well k's loss through its screen, when it gives one.
PerdidasTexto perdidas(const QJsonValue& pozo, qsizetype k) {
    const QJsonValue v = pozo.toObject().value(QLatin1StringView(campos::perdidas));
    if (v.isUndefined()) return {};
    const std::string del_pozo = "del pozo " + std::to_string(k);
    auto [C, n] = registro(v, campos::perdida, [&] {
        return Nombrado{"«" + std::string(campos::perdidas) + "» " + del_pozo,
                        "de «" + std::string(campos::perdidas) + "» " + del_pozo};
    });
    return {std::move(C), std::move(n)};
}

// The wells, and the steps and losses of those that have them.
std::vector<PozoTexto> pozos(const QJsonObject& raiz, std::vector<std::vector<EtapaTexto>>& todas,
                             std::vector<PerdidasTexto>& todas_perdidas) {
    std::vector<PozoTexto> pozos;
    const QJsonArray lista = tabla(raiz, "pozos");
    pozos.reserve(static_cast<size_t>(lista.size()));
    for (qsizetype k = 0; k < lista.size(); ++k) {
        auto [nombre, diametro, caudal, x, y] =
            registro(lista[k], campos::pozo, [&] { return nombrado("pozo", k + 1); },
                     {campos::etapas, campos::perdidas});
        pozos.push_back({std::move(nombre), std::move(diametro), std::move(caudal), std::move(x),
                         std::move(y)});
        if (std::vector<EtapaTexto> e = etapas(lista[k], "del pozo " + std::to_string(k + 1));
            !e.empty()) {
            todas.resize(static_cast<size_t>(k) + 1);
            todas.back() = std::move(e);
        }
        if (PerdidasTexto p = perdidas(lista[k], k + 1); !p.vacio()) {
            todas_perdidas.resize(static_cast<size_t>(k) + 1);
            todas_perdidas.back() = std::move(p);
        }
    }
    return pozos;
}

// The boundaries, their types as the boundaries' table shows them, read without regard to case;
// any other type as it is written, as the table keeps a type typed so, refused when taken.
std::vector<LimiteTexto> limites(const QJsonObject& raiz) {
    std::vector<LimiteTexto> limites;
    const QJsonArray lista = tabla(raiz, "limites");
    for (qsizetype k = 0; k < lista.size(); ++k) {
        auto [tipo, x1, y1, x2, y2] = registro(lista[k], campos::limite, "límite", k + 1);
        const QString t = QString::fromStdString(tipo);
        if (t.compare(QLatin1StringView("recarga"), Qt::CaseInsensitive) == 0) {
            tipo = texto_recarga;
        } else if (t.compare(QLatin1StringView("barrera"), Qt::CaseInsensitive) == 0) {
            tipo = texto_barrera;
        }
        limites.push_back(
            {std::move(tipo), std::move(x1), std::move(y1), std::move(x2), std::move(y2)});
    }
    return limites;
}

std::vector<PuntoTexto> puntos(const QJsonObject& raiz) {
    std::vector<PuntoTexto> puntos;
    const QJsonArray lista = tabla(raiz, "puntos");
    puntos.reserve(static_cast<size_t>(lista.size()));
    for (qsizetype k = 0; k < lista.size(); ++k) {
        auto [nombre, x, y] = registro(lista[k], campos::punto, "punto", k + 1);
        puntos.push_back({std::move(nombre), std::move(x), std::move(y)});
    }
    return puntos;
}

// Reading k (from 1) of the test: exactly its fields, and "excluida", a boolean, if it is left
// out.
MedidaTexto medida(const QJsonValue& v, qsizetype k) {
    const std::string esta = "la medida " + std::to_string(k) + " del ensayo";
    if (!v.isObject()) rechazar(esta + " no es un objeto");
    const QJsonObject o = v.toObject();
    std::array<std::string, campos::medida.size()> textos;
    for (size_t i = 0; i < textos.size(); ++i) {
        const char* campo = campos::medida[i];
        const QJsonValue c = o.value(QLatin1StringView(campo));
        if (c.isUndefined()) rechazar(esta + " no tiene «" + campo + "»");
        textos[i] = texto(c, "«" + std::string(campo) + "» de " + esta);
    }
    const QJsonValue excluida = o.value(QLatin1StringView(campos::excluida));
    if (!excluida.isUndefined() && !excluida.isBool())
        rechazar("«" + std::string(campos::excluida) + "» de " + esta + " no es true ni false");
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto es_clave = [&](const char* campo) {
            return QLatin1StringView(campo) == it.key();
        };
        if (std::none_of(campos::medida.begin(), campos::medida.end(), es_clave) &&
            !es_clave(campos::excluida)) {
            rechazar(esta + " tiene un campo de más: " + cita(it.key().toStdString()));
        }
    }
    auto& [piezometro, r, t, s] = textos;
    return {std::move(piezometro), std::move(r), std::move(t), std::move(s), excluida.toBool()};
}

// "ensayo": the pumping test; missing, none. A missing box is empty, a missing unit minutes.
EnsayoTexto ensayo(const QJsonObject& raiz) {
    EnsayoTexto e;
    const QJsonValue v = raiz.value(QLatin1StringView("ensayo"));
    if (v.isUndefined()) return e;
    if (!v.isObject()) rechazar("«ensayo» no es un objeto");
    const QJsonObject o = v.toObject();
    const auto caja = [&o](const char* clave) {
        return texto(o.value(QLatin1StringView(clave)), "«" + std::string(clave) + "» del ensayo");
    };
    e.caudal = caja("caudal");
    e.fin_bombeo = caja("fin_bombeo");
    e.pozo = caja("pozo");
    if (o.contains(QLatin1StringView("unidad_tiempo"))) {
        e.unidad_tiempo = caja("unidad_tiempo");
        if (std::none_of(unidades_tiempo.begin(), unidades_tiempo.end(),
                         [&](const char* u) { return e.unidad_tiempo == u; })) {
            rechazar("«unidad_tiempo» del ensayo, " + cita(e.unidad_tiempo) +
                     ", no es s, min, h ni días");
        }
    }
    const QJsonValue medidas = o.value(QLatin1StringView("medidas"));
    if (!medidas.isUndefined() && !medidas.isArray())
        rechazar("«medidas» del ensayo no es una lista");
    const QJsonArray lista = medidas.toArray();
    e.medidas.reserve(static_cast<size_t>(lista.size()));
    for (qsizetype k = 0; k < lista.size(); ++k) e.medidas.push_back(medida(lista[k], k + 1));
    e.etapas = etapas(v, "del ensayo");
    return e;
}

// An object with no key but `claves`; `quien` names it in the refusal ("«acuifero» ").
template <size_t N>
void sin_campos_de_mas(const QJsonObject& o, const std::array<const char*, N>& claves,
                       const std::string& quien) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (std::none_of(claves.begin(), claves.end(),
                         [&](const char* clave) { return QLatin1StringView(clave) == it.key(); }))
            rechazar(quien + "tiene un campo de más: " + cita(it.key().toStdString()));
    }
}

// A study of this program, in a version it reads.
void comprobar_formato(const QJsonDocument& documento) {
    const std::string ajeno = "no es un estudio de abatimientos: ";
    if (!documento.isObject()) rechazar(ajeno + "no es un objeto JSON");
    const QJsonObject raiz = documento.object();
    if (!raiz.contains(QLatin1StringView("formato"))) rechazar(ajeno + "le falta «formato»");
    if (raiz.value(QLatin1StringView("formato")) != QJsonValue(QLatin1StringView("abatimientos")))
        rechazar(ajeno + "su «formato» no es «abatimientos»");
    const QJsonValue version = raiz.value(QLatin1StringView("version"));
    if (version.isUndefined()) rechazar("le falta «version»");
    const double v = version.toDouble();
    if (!version.isDouble() || v < 1 || v != std::floor(v))
        rechazar("«version» no es un número entero positivo");
    if (v > campos::version_leida) {
        rechazar("es de la versión " + number_to_text(v) + " del formato, más reciente que la " +
                 std::to_string(campos::version_leida) + " que lee este programa");
    }
}

// "acuitardo": {"c": ...}; missing, none.
std::optional<std::string> acuitardo(const QJsonObject& raiz) {
    const QJsonValue v = raiz.value(QLatin1StringView("acuitardo"));
    if (v.isUndefined()) return std::nullopt;
    auto [c] = registro(v, campos::acuitardo, [] {
        return Nombrado{"«acuitardo»", "de «acuitardo»"};
    });
    return std::move(c);
}

Estudio estudio(const QJsonObject& raiz) {
    Estudio e;
    const QJsonValue acuifero = raiz.value(QLatin1StringView("acuifero"));
    if (!acuifero.isUndefined() && !acuifero.isObject()) rechazar("«acuifero» no es un objeto");
    sin_campos_de_mas(acuifero.toObject(), std::array{"T", "S"}, "«acuifero» ");
    e.T = texto(acuifero.toObject().value(QLatin1StringView("T")), "«T» de «acuifero»");
    e.S = texto(acuifero.toObject().value(QLatin1StringView("S")), "«S» de «acuifero»");
    e.acuitardo = acuitardo(raiz);
    e.limites = limites(raiz);
    e.pozos = pozos(raiz, e.etapas, e.perdidas);
    e.puntos = puntos(raiz);
    e.tiempo = texto(raiz.value(QLatin1StringView("tiempo")), "«tiempo»");
    if (raiz.contains(QLatin1StringView("crs")))
        e.crs = texto(raiz.value(QLatin1StringView("crs")), "«crs»");
    e.ensayo = ensayo(raiz);
    // A key this program does not know holds what it would compute without: refused, as an
    // unknown field of a well is.
    sin_campos_de_mas(raiz, campos::raiz, "");
    return e;
}

bool en_blanco(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);  // a byte-order mark
    return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

Rechazo rechazo_de_estudio(const std::string& nombre, const std::string& motivo) {
    return {"No se puede abrir «" + nombre + "»: " + motivo + "."};
}

Resuelto<Estudio> leer_estudio(std::string_view bytes, const std::string& nombre) {
    Resuelto<Estudio> e = resolver([bytes] {
        if (en_blanco(bytes)) rechazar("está vacío");
        // No JSON text holds a NUL byte; UTF-16 and UTF-32 texts are full of them.
        if (const size_t nul = bytes.find('\0'); nul != std::string_view::npos)
            rechazar("no es texto UTF-8 (" + posicion(bytes, nul) + ")");
        QJsonParseError error{};
        const QJsonDocument documento = QJsonDocument::fromJson(
            QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
        if (error.error != QJsonParseError::NoError) rechazar_json(error, bytes);
        comprobar_formato(documento);
        return estudio(documento.object());
    });
    if (!e) return rechazo_de_estudio(nombre, e.rechazo());
    return e;
}

}  // namespace abat
