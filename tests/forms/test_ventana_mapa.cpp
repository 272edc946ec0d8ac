// The map's window as a report needs it and as the keyboard drives it: the picture saved or
// copied is a sheet with a title, the time, the system, a north arrow and a legend; the line
// under the map never changes the map's size; + and - zoom and the arrows pan.

#include <QSignalSpy>
#include <QXmlStreamReader>

#include "calc/campo_pozos.h"
#include "chart/composicion_mapa.h"
#include "chart/vista_mapa.h"
#include "dibujo/grafico_mapa.h"
#include "dibujo/lamina_mapa.h"
#include "forms/frmMapa.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"

using namespace abat;
using namespace abat::prueba;

namespace {

Pozo pozo(const char* nombre, double caudal, double x, double y) {
    return {nombre, 0.3, {Lectura::numero, caudal}, x, y};
}

// The window of a map of `datos` (one well pumping, by default), shown at 860 × 660 and computing
// its maps as the program does.
struct VentanaDeMapa {
    DialogosGuionados dialogos;
    DatosCalculo datos;
    CampoPozos campo{datos};
    std::string sistema;
    frmMapa ventana{dialogos};

    explicit VentanaDeMapa(DatosCalculo d = {{0.01, 2e-4}, 1, {pozo("P1", 0.05, 100, 0)}, {}},
                           std::string s = "")
        : datos(std::move(d)), sistema(std::move(s)) {
        ventana.resize(860, 660);
        ventana.prepararTiempo(datos.tiempo);
        ventana.prepararVista({-100, 400, -150, 250});
        ventana.setRecomponer([this](QSize pixeles) { return componer(pixeles); });
        QSignalSpy pedido(&ventana, &frmMapa::mapaPedido);  // by the first size it is shown at
        ventana.show();
        if (!QTest::qWaitForWindowExposed(&ventana) || !pedido.wait(30'000))
            qFatal("the map did not show");
        ventana.mostrar(componer(ventana.pixeles()));
    }
    std::shared_ptr<const DibujoMapa> componer(QSize pixeles) const {
        DibujoMapa d =
            componer_mapa(campo, marcas_de(datos, ventana.tiempo()), ventana.tiempo(),
                          a_igual_escala(ventana.vista(), pixeles.width(), pixeles.height()),
                          pixeles.width(), pixeles.height());
        d.sistema = sistema;
        return std::make_shared<const DibujoMapa>(std::move(d));
    }
    GraficoMapa* grafico() { return control<GraficoMapa>(&ventana, "graficoMapa"); }
};

// A map's data and system; the texts its sheet has, and has not.
struct Hoja {
    DatosCalculo datos;
    QString sistema;
    QStringList estan, faltan;
};
// A key, and how it scales the view and moves its centre, in views.
using Tecla = std::tuple<Qt::Key, double, double, double>;

}  // namespace

Q_DECLARE_METATYPE(Hoja)
Q_DECLARE_METATYPE(Tecla)

class TestVentanaMapa : public QObject {
    Q_OBJECT
  private slots:
    // "Guardar imagen…" as SVG: the sheet's title, time, system, legend and north arrow are its
    // texts, beside the map's own (axes, colour bar, scale bar).
    void hojaGuardada_data() {
        QTest::addColumn<Hoja>("hoja");
        const QString utm = "EPSG:25830 · ETRS89 / UTM huso 30N", pozo1 = "Pozo de bombeo";
        // clang-format off
        const auto datos = [](double tiempo, double caudal2) {
            return DatosCalculo{{0.01, 2e-4}, tiempo, {pozo("P1", 0.05, 100, 0), pozo("P2", caudal2, 250, 100)}, {{"A", 0, 0}}};
        };
        QTest::newRow("inyección en UTM a 30 días") << Hoja{datos(30, -0.03), utm,
            {"t = 30 días", utm, pozo1, "Pozo de inyección", "Punto de cálculo"}, {"Coordenadas locales"}};
        QTest::newRow("sin inyección en coordenadas locales a 1 día") << Hoja{datos(1, 0.02), "",
            {"t = 1 día", "Coordenadas locales", pozo1, "Punto de cálculo"}, {"t = 1 días", "Pozo de inyección"}};
        // clang-format on
    }
    void hojaGuardada() {
        QFETCH(Hoja, hoja);
        VentanaDeMapa v(hoja.datos, hoja.sistema.toStdString());
        QTemporaryDir dir;
        v.dialogos.archivos = {dir.filePath("mapa.svg")};
        control<QAction>(&v.ventana, "accionGuardarImagen")->trigger();
        QFile svg(dir.filePath("mapa.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QStringList textos;
        for (QXmlStreamReader xml(&svg); !xml.atEnd();) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
                textos << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
        const double intervalo = v.grafico()->mapa()->niveles.intervalo;
        QVERIFY(intervalo > 0);
        hoja.estan += {"Mapa de abatimientos", "N", "X [m]", "Abatimiento [m]"};
        hoja.estan << QStringLiteral("Isolíneas de abatimiento cada %1 m")
                          .arg(QString::fromStdString(number_to_text(intervalo)));
        for (const QString& t : hoja.estan) QVERIFY2(textos.contains(t), qPrintable(t));
        for (const QString& t : hoja.faltan) QVERIFY2(!textos.contains(t), qPrintable(t));
        QVERIFY(std::any_of(textos.begin(), textos.end(),
                            [](const QString& t) { return t.endsWith(" m") && t[0].isDigit(); }));
    }

    // The line under the map tells the cursor's place, or why a map is not drawn: the map keeps
    // its size, so its view and its interval, whatever the line says. "Copiar imagen" puts the
    // same sheet as saved on the clipboard: the map's width, taller by the title and the legend.
    void lineaSinEfectoEImagenCopiada() {
        VentanaDeMapa v;
        QSignalSpy redimensionado(v.grafico(), &GraficoMapa::redimensionado);
        const QSize antes = v.ventana.pixeles();
        v.ventana.mostrarLinea(
            "No se puede dibujar el mapa a los 1000000 días: el cálculo no "
            "puede continuar, desbordamiento numérico en la función de pozo "
            "del pozo 1 en el punto de la malla más cercano a él");
        QCoreApplication::sendPostedEvents();  // laid out now, as the line asks
        QCOMPARE(v.ventana.pixeles(), antes);
        QCOMPARE(v.ventana.size(), QSize(860, 660));
        QCOMPARE(redimensionado.count(), 0);  // nor resized and back: no new map asked for
        control<QAction>(&v.ventana, "accionCopiarImagen")->trigger();
        const QSizeF hoja = tamano_lamina(QSizeF(v.grafico()->size()));
        QCOMPARE(QApplication::clipboard()->image().size(),
                 (hoja * v.grafico()->devicePixelRatioF()).toSize());
    }

    // + and - zoom about the centre as the wheel does, the arrows pan a tenth of the view; each
    // asks for the map once.
    void teclado_data() {
        QTest::addColumn<Tecla>("tecla");
        QTest::newRow("+") << Tecla{Qt::Key_Plus, 0.8, 0, 0};
        QTest::newRow("-") << Tecla{Qt::Key_Minus, 1.25, 0, 0};
        QTest::newRow("izquierda") << Tecla{Qt::Key_Left, 1, -0.1, 0};
        QTest::newRow("arriba") << Tecla{Qt::Key_Up, 1, 0, 0.1};
    }
    void teclado() {
        QFETCH(Tecla, tecla);
        const auto& [codigo, escala, dx, dy] = tecla;
        VentanaDeMapa v;
        QSignalSpy pedidos(&v.ventana, &frmMapa::mapaPedido);
        const Caja antes = v.ventana.vista();
        QTest::keyClick(v.grafico(), codigo);
        const Caja despues = v.ventana.vista();
        QCOMPARE(pedidos.count(), 1);
        QVERIFY(std::fabs(despues.ancho() / antes.ancho() - escala) < 1e-9);
        const double cx = (despues.xmin + despues.xmax - antes.xmin - antes.xmax) / 2;
        const double cy = (despues.ymin + despues.ymax - antes.ymin - antes.ymax) / 2;
        QVERIFY(std::fabs(cx - dx * antes.ancho()) < 1e-9 * antes.ancho());
        QVERIFY(std::fabs(cy - dy * antes.alto()) < 1e-9 * antes.alto());
    }
};

QTEST_MAIN(TestVentanaMapa)
#include "test_ventana_mapa.moc"
