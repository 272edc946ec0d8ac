#include "app/secciones_informe.h"

#include <QChart>
#include <algorithm>

#include "calc/funcion_pozo.h"
#include "dibujo/grafico_ensayo.h"
#include "dibujo/grafico_tiempo.h"
#include "dibujo/lamina_mapa.h"
#include "informe/reparto_columnas.h"
#include "model/acuitardo.h"
#include "model/filas.h"

namespace abat {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

void titulo(std::vector<BloqueInforme>& b, const QString& texto, int nivel = 1) {
    b.emplace_back(TituloInforme{texto, nivel});
}

void parrafo(std::vector<BloqueInforme>& b, const QString& texto, bool nota = false) {
    b.emplace_back(Parrafo{texto, nota});
}

void portada(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    titulo(b, QStringLiteral("Informe de abatimientos"), 0);
    parrafo(b, QStringLiteral("Estudio: %1").arg(f.estudio));
    parrafo(b, QStringLiteral("Fecha del informe: %1").arg(f.fecha));
    parrafo(b, QStringLiteral("Programa: abatimientos %1").arg(f.version));
    parrafo(b, QStringLiteral("Tiempo de bombeo: %1 días").arg(q(f.entradas.tiempo)));
}

void acuifero(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    titulo(b, QStringLiteral("Acuífero"), 2);
    TablaInforme t{{QStringLiteral("Parámetro"), QStringLiteral("Valor")}, {}};
    t.filas.push_back({QStringLiteral("Transmisividad T [m2/s]"), q(f.entradas.T)});
    t.filas.push_back({QStringLiteral("Coeficiente de almacenamiento S"), q(f.entradas.S)});
    const std::string c = f.entradas.acuitardo.value_or(std::string());
    if (!c.empty()) {
        t.filas.push_back({QString::fromUtf8(etiqueta_resistencia), q(c)});
        const Acuifero& a = f.datos->acuifero;
        const std::optional<double> B = a.c ? factor_goteo(a.T, *a.c) : std::nullopt;
        b.emplace_back(std::move(t));
        if (B) parrafo(b, q(texto_factor_goteo(*B)));
    } else {
        b.emplace_back(std::move(t));
        parrafo(b, QStringLiteral("Acuífero confinado: sin acuitardo."));
    }
}

void limites(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    titulo(b, QStringLiteral("Límites del acuífero"), 2);
    if (f.entradas.limites.empty()) {
        parrafo(b, QStringLiteral(
                       "Sin límites: el acuífero se extiende sin fin en todas direcciones."));
        return;
    }
    TablaInforme t{{QStringLiteral("No."), QStringLiteral("Tipo"), QStringLiteral("X1[m]"),
                    QStringLiteral("Y1[m]"), QStringLiteral("X2[m]"), QStringLiteral("Y2[m]")},
                   {}};
    int n = 0;
    for (const LimiteTexto& l : f.entradas.limites) {
        t.filas.push_back({QString::number(++n), q(l.tipo), q(l.x1), q(l.y1), q(l.x2), q(l.y2)});
    }
    b.emplace_back(std::move(t));
}

void pozos(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    titulo(b, QStringLiteral("Pozos"), 2);
    TablaInforme t = tabla_de(*f.pozos);
    const auto& etapas = f.entradas.etapas;
    const bool con_etapas =
        std::any_of(etapas.begin(), etapas.end(), [](const auto& e) { return !e.empty(); });
    if (con_etapas) {
        t.cabecera.push_back(QStringLiteral("Caudal por etapas"));
        for (size_t k = 0; k < t.filas.size(); ++k) {
            const bool tiene =
                k < etapas.size() && !etapas[k].empty() && k < f.entradas.pozos.size();
            t.filas[k].push_back(
                tiene ? q(texto_etapas(f.entradas.pozos[k].caudal, etapas[k], "; ")) : QString());
        }
    }
    const auto& perdidas = f.entradas.perdidas;
    if (std::any_of(perdidas.begin(), perdidas.end(), [](const auto& p) { return !p.vacio(); })) {
        t.cabecera.push_back(QStringLiteral("Pérdidas C·Qⁿ"));
        for (size_t k = 0; k < t.filas.size(); ++k) {
            const bool tiene = k < perdidas.size() && !perdidas[k].vacio();
            t.filas[k].push_back(
                tiene ? QStringLiteral("C = %1, n = %2").arg(q(perdidas[k].C), q(perdidas[k].n))
                      : QString());
        }
    }
    b.emplace_back(std::move(t));
}

void datos(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    titulo(b, QStringLiteral("Datos"));
    acuifero(b, f);
    limites(b, f);
    pozos(b, f);
    titulo(b, QStringLiteral("Puntos de cálculo"), 2);
    b.emplace_back(tabla_de(*f.puntos));
    titulo(b, QStringLiteral("Sistema de coordenadas"), 2);
    parrafo(b, f.sistema.isEmpty() ? QStringLiteral("Coordenadas locales, en metros.") : f.sistema);
}

QString funcion_de_pozo(const FuentesInforme& f) {
    if (f.datos->acuifero.c) {
        return QStringLiteral(
            "El acuífero es semiconfinado (Hantush y Jacob): el acuitardo que lo cubre, de "
            "resistencia c, le cede agua en proporción al abatimiento, y s = Q / (4πT) · W(u, "
            "r/B), "
            "con B = √(T·c) y c en segundos. W(u, β) = ∫ de u a ∞ de e^(−y − β²/(4y)) / y dy se "
            "calcula con un error relativo menor que 1e-10: por la reflexión W(u, β) + "
            "W(β²/(4u), β) = 2K₀(β) se evalúa siempre la mitad menor, con series de Chebyshev por "
            "regiones de ln u y ln(β²/(4u)), o con su serie en integrales exponenciales donde "
            "una de las dos es menor que 0.082.");
    }
    return QStringLiteral(
               "La función de pozo W(u) se calcula con la serie −0.577216 − ln u + u − u²/4 + "
               "u³/18 − u⁴/96 + u⁵/600 para u ≤ %1 y con la integral exponencial E1(u) para u "
               "mayor, donde ambas coinciden.")
        .arg(u_cruce, 0, 'g', 11);
}

QString contorno(const DatosCalculo& d) {
    switch (d.contorno.disposicion) {
        case Disposicion::ninguna:
            return {};
        case Disposicion::linea:
            return QStringLiteral("una línea recta");
        case Disposicion::franja:
            return QStringLiteral("dos líneas paralelas (una franja)");
        case Disposicion::franja_cerrada:
            return QStringLiteral("dos líneas paralelas cerradas por una perpendicular");
        case Disposicion::rectangulo:
            return QStringLiteral("un rectángulo");
        case Disposicion::cuna:
            return QStringLiteral("dos líneas que se cortan (una cuña)");
    }
    return {};
}

void metodo(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    titulo(b, QStringLiteral("Método"));
    parrafo(b, QStringLiteral(
                   "El abatimiento en cada punto es la suma de los que causa cada pozo "
                   "(superposición). El de un pozo de caudal Q sigue la solución de Theis: s = Q / "
                   "(4πT) · W(u), con u = r²S / (4Tt), r la distancia del pozo al punto (en el "
                   "propio pozo, su radio) y t el tiempo de bombeo en segundos."));
    parrafo(b, funcion_de_pozo(f));
    const QString forma = contorno(*f.datos);
    if (!forma.isEmpty()) {
        parrafo(b,
                QStringLiteral(
                    "El acuífero está limitado por %1. Cada límite se representa por pozos imagen: "
                    "el reflejo de cada pozo bombea su mismo caudal a través de una barrera y el "
                    "opuesto a través de una línea de recarga, de modo que el abatimiento es nulo "
                    "en la recarga y el flujo nulo a través de la barrera. En franjas y "
                    "rectángulos, a tiempos largos la suma de imágenes se completa con la serie de "
                    "los modos propios del acuífero en el tiempo, que converge allí.")
                    .arg(forma));
    }
    if (!f.datos->solo_pozos() || std::any_of(f.datos->etapas.begin(), f.datos->etapas.end(),
                                              [](const auto& e) { return !e.empty(); })) {
        parrafo(b,
                QStringLiteral(
                    "Los pozos con caudal por etapas se calculan por superposición en el tiempo: "
                    "cada cambio de caudal ΔQ desde el tiempo tₖ añade ΔQ / (4πT) · W calculada "
                    "con t − tₖ."));
    }
    parrafo(b, QStringLiteral(
                   "Hipótesis: acuífero homogéneo e isótropo, de espesor constante, %1; pozos que "
                   "atraviesan todo el acuífero, de radio despreciable frente a las distancias; "
                   "caudal constante en cada etapa; nivel inicial horizontal.")
                   .arg(forma.isEmpty() ? QStringLiteral("de extensión ilimitada")
                                        : QStringLiteral("limitado como se ha dicho")));
}

void resultados(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    titulo(b, QStringLiteral("Resultados"));
    // The results window's caption, kept with its table as a heading is.
    titulo(b,
           QStringLiteral("Cuadro Resumen de Abatimientos por Pozo y por Interferencia de Pozos en "
                          "cada Punto"),
           2);
    const auto partes =
        repartir_columnas(f.resultados->Cols(), 2, true, columnas_resultados_por_pagina);
    for (size_t k = 0; k < partes.size(); ++k) {
        if (partes.size() > 1) {
            titulo(b, QStringLiteral("Parte %1 de %2").arg(k + 1).arg(partes.size()), 3);
        }
        b.emplace_back(tabla_de(*f.resultados, partes[k]));
    }
    if (f.plano) {
        titulo(b, QStringLiteral("Gráfico en planta"), 2);
        b.emplace_back(FiguraInforme{f.plano, f.tamanoPlano,
                                     QStringLiteral("Pozos, puntos y abatimiento en la malla a "
                                                    "t = %1 días, en siete clases.")
                                         .arg(q(f.entradas.tiempo))});
    }
}

Pintor pintor_de(const std::shared_ptr<QChart>& grafico) {
    return [grafico](QPainter& pintor, QSizeF tamano) { pintar_grafico(*grafico, pintor, tamano); };
}

TramoInforme curvas(const FuentesInforme& f) {
    TramoInforme t;
    titulo(t.bloques, QStringLiteral("Curvas de tiempo y abatimiento"));
    for (const ContenidoCurva& c : f.curvas) {
        std::shared_ptr<QChart> grafico = grafico_tiempo(c.grafico);
        t.bloques.emplace_back(
            FiguraInforme{pintor_de(grafico), QSizeF(760, 460), c.grafico.titulo, 0.9});
    }
    const size_t puntos = f.datos->puntos.size();
    if (puntos > f.curvas.size()) {
        parrafo(t.bloques,
                QStringLiteral("Otros %1 puntos tienen su curva en el programa: el informe dibuja "
                               "las de los %2 primeros.")
                    .arg(puntos - f.curvas.size())
                    .arg(f.curvas.size()),
                true);
    }
    return t;
}

QString nombre_metodo(MetodoEnsayo m) {
    return QString::fromUtf8(nombres_metodos[static_cast<size_t>(m)]);
}

void papel(std::vector<BloqueInforme>& b, const PapelEnsayo& p) {
    const AnalisisEnsayo& a = p.analisis;
    QString nombre = nombre_metodo(p.metodo);
    if (p.metodo == MetodoEnsayo::escalonado) {
        nombre += p.exponente ? QStringLiteral(" con n ajustado (Rorabaugh)")
                              : QStringLiteral(" con n = 2 (Jacob)");
    }
    titulo(b, nombre, 2);
    if (a.acuifero) {
        TablaInforme ajuste{{QStringLiteral("Parámetro"), QStringLiteral("Valor ajustado")}, {}};
        ajuste.filas.push_back({QStringLiteral("T [m2/s]"), q(a.T)});
        if (!a.S.empty()) ajuste.filas.push_back({QStringLiteral("S"), q(a.S)});
        if (!a.c.empty()) ajuste.filas.push_back({QStringLiteral("c [días]"), q(a.c)});
        if (!a.C.empty()) {
            ajuste.filas.push_back({q("C [" + a.unidadC + "]"), q(a.C)});
            ajuste.filas.push_back({QStringLiteral("n"), q(a.n)});
        }
        b.emplace_back(std::move(ajuste));
    }
    if (!a.resumen.empty()) parrafo(b, q(a.resumen));
    if (!a.eficiencia.empty()) {
        TablaInforme etapas{{QStringLiteral("Etapa")}, {}};
        for (const char* c : columnas_eficiencia) etapas.cabecera.push_back(QString::fromUtf8(c));
        for (size_t k = 0; k < a.eficiencia.size(); ++k) {
            std::vector<QString> fila{QString::number(k + 1)};
            for (const std::string& celda : a.eficiencia[k]) fila.push_back(q(celda));
            etapas.filas.push_back(std::move(fila));
        }
        b.emplace_back(std::move(etapas));
    }
    b.emplace_back(FiguraInforme{[dibujo = a.dibujo](QPainter& pintor, QSizeF tamano) {
                                     pintar_ensayo(dibujo, pintor, tamano);
                                 },
                                 QSizeF(760, 640), q(a.dibujo.titulo), 0.9});
}

void ensayo(std::vector<BloqueInforme>& b, const FuentesInforme& f) {
    const EnsayoEnInforme& e = *f.ensayo;
    const EnsayoTexto& t = f.entradas.ensayo;
    titulo(b, QStringLiteral("Ensayo de bombeo"));
    TablaInforme datos{{QStringLiteral("Dato"), QStringLiteral("Valor")}, {}};
    datos.filas.push_back({QStringLiteral("Caudal [m3/s]"), q(t.caudal)});
    if (!t.etapas.empty()) {
        QString etapas = QStringLiteral("desde 0 %1: %2 m3/s").arg(q(t.unidad_tiempo), q(t.caudal));
        for (const EtapaTexto& e : t.etapas) {
            etapas += QStringLiteral("; desde %1 %2: %3 m3/s")
                          .arg(q(e.desde), q(t.unidad_tiempo), q(e.caudal));
        }
        datos.filas.push_back({QStringLiteral("Caudal por etapas"), etapas});
    }
    datos.filas.push_back({QStringLiteral("Unidad de tiempo"), q(t.unidad_tiempo)});
    datos.filas.push_back({QStringLiteral("Fin del bombeo"), t.fin_bombeo.empty()
                                                                 ? QStringLiteral("bombeo continuo")
                                                                 : q(t.fin_bombeo)});
    datos.filas.push_back({QStringLiteral("Método elegido"), nombre_metodo(e.elegido.metodo)});
    b.emplace_back(std::move(datos));
    papel(b, e.elegido);
    papel(b, e.otro);
    titulo(b, QStringLiteral("Medidas"), 2);
    TablaInforme medidas = tabla_de(*e.medidas);
    medidas.cabecera.push_back(QStringLiteral("Ajuste"));
    for (size_t k = 0; k < medidas.filas.size(); ++k) {
        const bool fuera = k < e.excluidas.size() && e.excluidas[k];
        medidas.filas[k].push_back(fuera ? QStringLiteral("excluida") : QString());
        medidas.atenuadas.push_back(fuera);
    }
    b.emplace_back(std::move(medidas));
}

}  // namespace

TablaInforme tabla_de(const Grid& tabla, const std::vector<int>& columnas) {
    std::vector<int> cuales = columnas;
    if (cuales.empty()) {
        for (int c = 0; c < tabla.Cols(); ++c) cuales.push_back(c);
    }
    const auto celda = [&](int fila, int columna) {
        return QString::fromUtf8(tabla.TextMatrix(fila, columna).data(),
                                 static_cast<qsizetype>(tabla.TextMatrix(fila, columna).size()))
            .trimmed();
    };
    TablaInforme t;
    for (const int c : cuales) t.cabecera.push_back(celda(0, c));
    const int filas = record_count(tabla);
    for (int f = 1; f <= filas; ++f) {
        std::vector<QString> fila;
        fila.reserve(cuales.size());
        for (const int c : cuales) fila.push_back(celda(f, c));
        t.filas.push_back(std::move(fila));
    }
    return t;
}

EnsayoEnInforme analizar_para_informe(const EnsayoTexto& ensayo, const PeticionAjuste& peticion) {
    EnsayoEnInforme e;
    e.elegido = {peticion.metodo, peticion.exponente, analizar_ensayo(ensayo, peticion, true)};
    PeticionAjuste otra = peticion;
    // Beside a step test, the other well loss's law: Jacob's n = 2 or Rorabaugh's n fitted.
    if (peticion.metodo == MetodoEnsayo::escalonado) {
        otra.exponente = !peticion.exponente;
    } else {
        otra.metodo =
            ajusta_curva(peticion.metodo) ? MetodoEnsayo::cooper_jacob : MetodoEnsayo::theis;
    }
    e.otro = {otra.metodo, otra.exponente, analizar_ensayo(ensayo, otra, true)};
    return e;
}

ContenidoInforme contenido_informe(const FuentesInforme& f) {
    ContenidoInforme c;
    c.titulo = QStringLiteral("Informe de abatimientos: %1").arg(f.estudio);
    c.cabecera = QStringLiteral("%1 · %2").arg(f.estudio, f.fecha);
    TramoInforme primero;
    portada(primero.bloques, f);
    datos(primero.bloques, f);
    metodo(primero.bloques, f);
    resultados(primero.bloques, f);
    c.tramos.push_back(std::move(primero));
    if (f.mapa) {
        TramoInforme mapa{true, {}};
        titulo(mapa.bloques, QStringLiteral("Mapa de abatimientos"));
        const QString texto = QStringLiteral("Abatimiento al tiempo de bombeo");
        mapa.bloques.emplace_back(
            FiguraInforme{[m = f.mapa, texto](QPainter& p, QSizeF tamano) {
                              pintar_lamina(p, tamano, *m, texto);
                          },
                          f.tamanoMapa,
                          QStringLiteral("Los pozos como están al tiempo de bombeo; la escala y el "
                                         "norte en el mapa.")});
        c.tramos.push_back(std::move(mapa));
    }
    TramoInforme despues = curvas(f);
    if (f.ensayo) ensayo(despues.bloques, f);
    c.tramos.push_back(std::move(despues));
    return c;
}

}  // namespace abat
