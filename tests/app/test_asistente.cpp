// The walk through the windows, from the start to the results and back in update mode.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "dialogos_guionados.h"
#include "dialogos_qt.h"
#include "filas.h"
#include "programa.h"
#include "resultados.h"
#include "ruta_grafico.h"

using namespace abat;
using namespace abat::prueba;

namespace {

struct Prueba {
    DialogosGuionados dialogos;
    bool terminado = false;
    Programa p{dialogos, [this] { terminado = true; }};
    Ventanas& v = p.ventanas;
    QTemporaryDir dir;

    bool sinEspera = true;  // no wait cursor over any dialog

    Prueba() {
        p.archivoGrafico = QDir(dir.path()).filePath("grafico.gif").toStdString();
        dialogos.alAbrir = [this] { sinEspera = sinEspera && !QGuiApplication::overrideCursor(); };
    }

    template <typename T = QWidget>
    T* control(QWidget* ventana, const char* nombre) {
        return ventana->findChild<T*>(QString::fromLatin1(nombre));
    }
    QLineEdit* caja(QWidget* ventana, const char* nombre) {
        return control<QLineEdit>(ventana, nombre);
    }
    void pulsar(QWidget* ventana, const char* boton) {
        QTest::mouseClick(control<QAbstractButton>(ventana, boton), Qt::LeftButton);
    }
    QStringList visibles() {
        QStringList nombres;
        for (QWidget* w :
             {static_cast<QWidget*>(v.caracteristicas), static_cast<QWidget*>(v.noPozos),
              static_cast<QWidget*>(v.coordAbat), static_cast<QWidget*>(v.resultados)}) {
            if (v.principal.visible(w)) nombres << w->objectName();
        }
        return nombres;
    }
    QWidget* ventanaVisible() { return v.principal.findChild<QWidget*>(visibles().value(0)); }
    void agregar(Grid& g, std::vector<std::string> celdas) {
        const int r = append_record(g);
        for (size_t c = 0; c < celdas.size(); ++c) g.setTextMatrix(r, int(c) + 1, celdas[c]);
    }
    // Aquifer, one well and one point of the worked example: 2.7367 m after one day.
    void hastaResultados(const char* tiempo = "1", const char* T = "0.01") {
        p.asistente.iniciar();
        QVERIFY(QTest::qWaitForWindowActive(&v.principal));
        caja(v.caracteristicas, "txtT")->setText(T);
        caja(v.caracteristicas, "txtS")->setText("0.0002");
        pulsar(v.caracteristicas, "cmdSiguiente");
        agregar(v.noPozos->pozos(), {"P1", "0.3", "0.05", "100", "0"});
        pulsar(v.noPozos, "cmdSiguiente");
        agregar(v.coordAbat->puntos(), {"A", "0", "0"});
        caja(v.coordAbat, "txtTiempo")->setText(tiempo);
        pulsar(v.coordAbat, "cmdSiguiente");
    }
    std::string resultado(int r, int c) { return v.resultados->resultados().TextMatrix(r, c); }
    // Everything the user entered, in all three input windows.
    QStringList entradas() {
        QStringList todo{caja(v.caracteristicas, "txtT")->text(),
                         caja(v.caracteristicas, "txtS")->text(),
                         caja(v.coordAbat, "txtTiempo")->text()};
        for (const Grid* g : {&v.noPozos->pozos(), &v.coordAbat->puntos()}) {
            for (int r = 0; r < g->Rows(); ++r) {
                for (int c = 0; c < g->Cols(); ++c)
                    todo << QString::fromStdString(g->TextMatrix(r, c));
            }
        }
        return todo;
    }
};

// A calculation that fails on the first pass, or on an update from one input window; the button
// of the results window that leads to the culprit, and how the user mends it there.
struct CasoError {
    const char* nombre;
    std::function<void(Prueba&)> estropear;
    bool primera;       // the whole first pass is `estropear`
    const char* desde;  // the results button of the update path, if any
    int error;
    const char* boton;
    std::function<void(Prueba&)> arreglar;
};

void poner(Grid& g, int r, int c, const char* texto) {
    g.setTextMatrix(r, c, texto);
}

}  // namespace

class TestAsistente : public QObject {
    Q_OBJECT
  private slots:
    void primeraPasadaYActualizacion() {
        Prueba t;
        t.hastaResultados();
        QCOMPARE(t.v.principal.windowTitle(),
                 QString("Cálculo de Abatimientos en el Acuífero Ocasionados por una Trelvana"));
        QVERIFY(t.v.principal.windowState() & Qt::WindowMaximized);
        QCOMPARE(t.visibles(), QStringList{"frmResultados"});
        QVERIFY(t.dialogos.mostrados.empty());
        QCOMPARE(t.v.principal.posicion(t.v.resultados), QPoint(0, 0));
        QCOMPARE(t.v.principal.posicion(t.v.coordAbat),
                 QPoint(qRound(t.v.principal.Width() / 2.0 - 566 / 2.0), 0));
        QCOMPARE(t.resultado(0, 2), std::string("   Pozo P1[m]   "));
        QCOMPARE(t.resultado(1, 3), std::string("2.7367"));

        // Back to the wells: straight to the results, without the points window.
        t.pulsar(t.v.resultados, "cmdPozos");
        QCOMPARE(t.v.noPozos->cmdSiguiente()->text(), QString("Actualizar"));
        QCOMPARE(t.v.caracteristicas->cmdSiguiente()->text(), QString("Siguiente"));
        t.agregar(t.v.noPozos->pozos(), {"P2", "0.3", "0.05", "-100", "0"});
        t.pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(t.visibles(), QStringList{"frmResultados"});
        QCOMPARE(t.resultado(1, 4), std::string("5.4734"));

        // The wait cursor shows while the calculation runs, and only then.
        Qt::CursorShape cursor = Qt::ArrowCursor;
        t.p.asistente.setGraficar([&] { cursor = QGuiApplication::overrideCursor()->shape(); });
        t.pulsar(t.v.resultados, "cmdPuntos");
        t.pulsar(t.v.coordAbat, "cmdSiguiente");
        QCOMPARE(cursor, Qt::WaitCursor);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // wells x points beyond the limit: said before anything changes, and the user stays.
    void demasiadosResultados() {
        Prueba t;
        t.hastaResultados();
        t.pulsar(t.v.resultados, "cmdPuntos");
        t.v.noPozos->pozos().setRows(5000 + 2);
        t.v.coordAbat->puntos().setRows(4001 + 2);
        const QStringList antes = t.entradas();
        t.pulsar(t.v.coordAbat, "cmdSiguiente");
        for (const char* cifra : {"20.005.000", "5000", "4001", "20.000.000"})
            QVERIFY2(t.dialogos.ultimo().texto.contains(cifra), cifra);
        QCOMPARE(t.visibles(), QStringList{"frmCoordAbat"});
        QCOMPARE(t.entradas(), antes);
    }

    // After a failed calculation the user is on the results, the table shows what was written,
    // no picture stands beside it, every input is kept, and the focus waits on the button that
    // leads to the value to mend; mending it there gives the results as if nothing had failed.
    void errorDeCalculoLlevaALosResultados() {
        const std::vector<CasoError> casos = {
            {"T = 0", [](Prueba& t) { t.hastaResultados("1", "0"); }, true, nullptr, 11,
             "cmdAcuifero",
             [](Prueba& t) { t.caja(t.v.caracteristicas, "txtT")->setText("0.01"); }},
            {"tiempo 0", [](Prueba& t) { t.hastaResultados("0"); }, true, "cmdPozos", 11,
             "cmdPuntos", [](Prueba& t) { t.caja(t.v.coordAbat, "txtTiempo")->setText("1"); }},
            {"gasto", [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 3, "abc"); }, false,
             "cmdPozos", 13, "cmdPozos",
             [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 3, "0.05"); }},
            {"diámetro 0 bajo el punto",
             [](Prueba& t) {
                 poner(t.v.noPozos->pozos(), 1, 2, "0");
                 poner(t.v.noPozos->pozos(), 1, 4, "0");
             },
             false, "cmdAcuifero", 5, "cmdPozos",
             [](Prueba& t) {
                 poner(t.v.noPozos->pozos(), 1, 2, "0.3");
                 poner(t.v.noPozos->pozos(), 1, 4, "100");
             }},
            // An overflow is blamed on the value that made it, finite or not.
            {"gasto 1e307", [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 3, "1e307"); }, false,
             "cmdPozos", 6, "cmdPozos",
             [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 3, "0.05"); }},
            {"pozo en x = 1e200", [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 4, "1e200"); },
             false, "cmdAcuifero", 6, "cmdPozos",
             [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 4, "100"); }},
            {"diámetro 1e200", [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 2, "1e200"); }, false,
             "cmdPozos", 6, "cmdPozos",
             [](Prueba& t) { poner(t.v.noPozos->pozos(), 1, 2, "0.3"); }},
            {"punto en x = 1e200", [](Prueba& t) { poner(t.v.coordAbat->puntos(), 1, 2, "1e200"); },
             false, "cmdPuntos", 6, "cmdPuntos",
             [](Prueba& t) { poner(t.v.coordAbat->puntos(), 1, 2, "0"); }},
            {"punto en 1.2e154: un nodo de la red",
             [](Prueba& t) { poner(t.v.coordAbat->puntos(), 1, 2, "1.2e154"); }, false, "cmdPozos",
             6, "cmdPuntos", [](Prueba& t) { poner(t.v.coordAbat->puntos(), 1, 2, "0"); }},
            {"T 1e-320", [](Prueba& t) { t.caja(t.v.caracteristicas, "txtT")->setText("1e-320"); },
             false, "cmdAcuifero", 6, "cmdAcuifero",
             [](Prueba& t) { t.caja(t.v.caracteristicas, "txtT")->setText("0.01"); }},
        };
        for (const CasoError& c : casos) {
            Prueba t;
            if (c.primera) {
                c.estropear(t);
            } else {
                t.hastaResultados();
            }
            if (c.desde != nullptr) {
                t.control(t.v.resultados, "cmdTerminar")->setFocus();  // where the user left it
                t.pulsar(t.v.resultados, c.desde);
                if (!c.primera) c.estropear(t);
                const QStringList antes = t.entradas();
                t.pulsar(t.ventanaVisible(), "cmdSiguiente");
                QCOMPARE(t.entradas(), antes);
            }
            QVERIFY2(t.dialogos.ultimo().texto.startsWith(
                         QStringLiteral("Se ha producido el error '%1'").arg(c.error)),
                     c.nombre);
            QCOMPARE(t.visibles(), QStringList{"frmResultados"});
            QVERIFY2(t.v.resultados->imagen().isNull(), c.nombre);
            QVERIFY2(t.control(t.v.resultados, c.boton)->hasFocus(), c.nombre);
            QStyleOption marco;  // the focus frame drawn, as after a key
            marco.initFrom(t.control(t.v.resultados, c.boton));
            QVERIFY(marco.state & QStyle::State_KeyboardFocusChange);
            QVERIFY(t.sinEspera);

            t.pulsar(t.v.resultados, c.boton);
            if (QWidget* agregar = t.control(t.ventanaVisible(), "cmdAgregar")) {
                QVERIFY2(agregar->hasFocus(), c.nombre);  // as whenever the window becomes active
            }
            c.arreglar(t);
            t.pulsar(t.ventanaVisible(), "cmdSiguiente");
            QCOMPARE(t.visibles(), QStringList{"frmResultados"});
            QCOMPARE(t.resultado(1, 3), std::string("2.7367"));
            QVERIFY(!t.v.resultados->imagen().isNull());
        }
    }

    // A chart that cannot be written is error 75 with its path, and leaves the complete table
    // without a picture. Installed, the program writes it in the user's data directory.
    void graficoEnLaVentanaDeResultados() {
        Prueba t;
        t.hastaResultados();
        QCOMPARE(t.v.resultados->imagen().size(), QSize(785, 465));
        t.p.archivoGrafico = "/nonexistent/dir/grafico.gif";
        t.pulsar(t.v.resultados, "cmdPuntos");
        t.pulsar(t.v.coordAbat, "cmdSiguiente");
        QCOMPARE(
            t.dialogos.ultimo().texto,
            QString("Se ha producido el error '75' en el cálculo:\n\nError de acceso a la ruta "
                    "o el archivo\n\n/nonexistent/dir/grafico.gif"));
        QCOMPARE(t.visibles(), QStringList{"frmResultados"});
        QVERIFY(t.v.resultados->imagen().isNull());
        QCOMPARE(t.resultado(1, 3), std::string("2.7367"));

        QTemporaryDir programa;
        QCOMPARE(QString::fromStdString(ruta_grafico(programa.path())),
                 QDir(programa.path()).filePath("grafico.gif"));
        const QString datos =
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                .filePath("grafico.gif");
        QCOMPARE(QString::fromStdString(ruta_grafico("/nonexistent/bin")), datos);
        QCOMPARE(QString::fromStdString(ruta_grafico(ABAT_BINDIR)), datos);  // even as root
    }

    void salir() {
        Prueba t;
        t.hastaResultados();
        t.dialogos.si = {false, true};
        t.pulsar(t.v.resultados, "cmdTerminar");
        QCOMPARE(t.dialogos.ultimo().texto, QString("¿Está seguro de que desea salir?"));
        QVERIFY(!t.terminado);
        QCOMPARE(t.visibles(), QStringList{"frmResultados"});
        t.pulsar(t.v.resultados, "cmdTerminar");
        QVERIFY(t.terminado);
    }

    // The real dialogs: Spanish standard buttons, Yes the default of a question, and a box never
    // narrower than its title.
    void dialogosEnEspanol() {
        cargar_traduccion_qt();
        DialogosQt dialogos;
        QStringList botones;
        int ancho = 0;
        const auto leer = [&](QMessageBox::StandardButton pulsar) {
            QTimer::singleShot(0, [&, pulsar] {
                auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                for (QAbstractButton* b : caja->buttons()) botones << b->text().remove('&');
                QAbstractButton* si = caja->button(QMessageBox::Yes);
                if (si != nullptr && caja->defaultButton() == si) botones << "(Sí)";
                if (caja->textFormat() != Qt::PlainText) botones << "(formato)";
                ancho = caja->width();
                caja->button(pulsar)->click();
            });
        };
        leer(QMessageBox::No);
        QVERIFY(!dialogos.pregunta("¿Está seguro de que desea salir?", "Salir"));
        leer(QMessageBox::Ok);
        dialogos.mensaje("<b>1</b>", "Eliminando pozo", Icono::advertencia);
        botones.sort();
        QCOMPARE(botones, (QStringList{"(Sí)", "Aceptar", "No", "Sí"}));
        QVERIFY(ancho >= ancho_para_titulo("Eliminando pozo"));

        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            for (QPushButton* b : w->findChildren<QPushButton*>()) botones << b->text().remove('&');
            QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(dialogos.entrada("Introduzca el nombre del pozo", "Pozo 1"), QString());
        QVERIFY(botones.contains("Cancelar"));
    }
};

QTEST_MAIN(TestAsistente)
#include "test_asistente.moc"
