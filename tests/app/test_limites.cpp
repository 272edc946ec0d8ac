// The aquifer's boundaries and the wells' pumping steps in the whole program: the boundaries'
// window from the menu and back to the results, a refusal leaving everything as it was, the
// schedule over the wells window kept beside its well, the study saved and opened, the map.
#include "adaptadores/flex_grid.h"
#include "app/programa.h"
#include "calc/funcion_pozo.h"
#include "forms/frmEtapas.h"
#include "forms/frmMapa.h"
#include "forms/frmPerdidas.h"
#include "forms/tabla_etapas.h"
#include "model/columnas.h"
#include "model/numeros.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// Theis's drawdown, W as the program takes it: T = 0.01, S = 0.0002.
double theis(double Q, double r, double dias) {
    return Q / (cuatro_pi * 0.01) * funcion_pozo(r * r * 0.0002 / (4 * 0.01 * dias * 86400));
}

// The program with the boundaries' window and the wells' schedules at hand.
struct Limites : Prueba {
    Grid& tabla() { return v.limites->tabla()->tabla(); }
    void abrir() { control<QAction>(&v.principal, "accionLimites")->trigger(); }
    bool solo() { return visibles() == std::vector<QWidget*>{v.limites}; }
    // A row typed into a table by its window's "cmdAgregar", after the rows there.
    static void fila(QWidget* ventana, TablaCeldas* t, const std::vector<const char*>& textos) {
        pulsar(ventana, "cmdAgregar");
        t->terminarEdicion();
        for (size_t c = 0; c < textos.size(); ++c)
            t->tabla().setTextMatrix(record_count(t->tabla()), static_cast<int>(c) + 1, textos[c]);
    }
    // The schedule of the well in row `fila`, opened from the wells table's menu.
    frmEtapas* etapas(int fila) {
        v.noPozos->pozos().selectCell(fila, 2);
        control<QAction>(v.noPozos, "accionEtapas")->trigger();
        if (p.limitesYEtapas.etapasAbiertas() == nullptr) qFatal("no schedule opened");
        return p.limitesYEtapas.etapasAbiertas();
    }
};

using Etapas = std::vector<std::vector<EtapaTexto>>;

}  // namespace

class TestLimites : public QObject {
    Q_OBJECT

  private slots:
    // "Pérdidas en el pozo…" of the wells table: n 2 by default; C or n that are not numbers, or n
    // out of its range, are refused naming them and the window stays; what it accepts comes into
    // the study beside its well, follows it when a well above is removed and is in the file; C
    // emptied is no loss. Nothing of it changes a point's drawdown.
    void perdidasEnElPozo() {
        Limites t;
        t.hastaResultados();
        const std::string antes = t.resultado(1, 2);
        pulsar(t.v.resultados, "cmdPozos");
        Prueba::agregar(t.v.noPozos->pozos(), {"P2", "0.3", "0.02", "300", "0"});
        const auto abrir = [&t](int fila) {
            t.v.noPozos->pozos().selectCell(fila, 2);
            control<QAction>(t.v.noPozos, "accionPerdidas")->trigger();
            frmPerdidas* p = t.p.limitesYEtapas.perdidasAbiertas();
            if (p == nullptr) qFatal("no loss window opened");
            return p;
        };
        frmPerdidas* p = abrir(2);
        QCOMPARE(control<QLineEdit>(p, "txtN")->text(), QString("2"));
        for (const auto& [C, n, dice] :
             {std::tuple{"mil", "2",
                         "La C de la pérdida en el pozo, «mil», no es un número mayor "
                         "o igual que 0."},
              {"-1", "2",
               "La C de la pérdida en el pozo, «-1», no es un número mayor o igual "
               "que 0."},
              {"1500", "4",
               "El exponente n de la pérdida en el pozo, «4», no es un número entre "
               "1.5 y 3.5."}}) {
            control<QLineEdit>(p, "txtC")->setText(C);
            control<QLineEdit>(p, "txtN")->setText(n);
            pulsar(p, "cmdAceptar");
            QCOMPARE(t.dialogos.ultimo().texto, QString(dice));
            QVERIFY(p->isVisible());
        }
        control<QLineEdit>(p, "txtN")->setText("2,5");
        pulsar(p, "cmdAceptar");
        QTRY_VERIFY(t.p.limitesYEtapas.perdidasAbiertas() == nullptr);
        QCOMPARE(t.p.estudios.entradas().perdidas,
                 (std::vector<PerdidasTexto>{{}, {"1500", "2,5"}}));
        t.dialogos.respuestas = {"1"};
        t.dialogos.si = {true};
        pulsar(t.v.noPozos, "cmdQuitar");
        QCOMPARE(t.v.noPozos->perdidas(), (std::vector<PerdidasTexto>{{"1500", "2,5"}}));
        Prueba::agregar(t.v.noPozos->pozos(), {"P1", "0.3", "0.05", "100", "0"});
        pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(t.resultado(1, 3), antes);  // P1's share at A, the loss of P2 no part of it
        // The water level in the wells: P2's own drawdown is its share at a point at its radius,
        // its interference P1's share at its centre, its loss 1500 · 0.02^2.5; total their sum.
        control<QAction>(&t.v.principal, "accionAbatimientoPozos")->trigger();
        const Grid& nivel = t.v.abatimientoPozos->niveles();
        QCOMPARE(record_count(nivel), 2);
        QCOMPARE(std::string(nivel.TextMatrix(1, 1)), std::string("P2"));
        QCOMPARE(std::string(nivel.TextMatrix(1, 2)), format_4dec(0.15));
        QCOMPARE(std::string(nivel.TextMatrix(1, 5)), format_4dec(1500 * std::pow(0.02, 2.5)));
        pulsar(t.v.resultados, "cmdPuntos");
        Prueba::agregar(t.v.coordAbat->puntos(), {"R", "300.15", "0"});
        pulsar(t.v.coordAbat, "cmdSiguiente");
        QCOMPARE(std::string(nivel.TextMatrix(1, 3)), t.resultado(2, 2));  // followed the results
        const auto numero = [&nivel](int f, int c) {
            return strict_number(nivel.TextMatrix(f, c));
        };
        QVERIFY(std::fabs(numero(1, 6) - numero(1, 3) - numero(1, 4) - numero(1, 5)) <= 2e-4);
        QVERIFY(std::fabs(numero(1, 4) - strict_number(t.resultado(2, 3))) < 0.001);
        pulsar(t.v.resultados, "cmdPozos");
        p = abrir(1);
        control<QLineEdit>(p, "txtC")->clear();
        pulsar(p, "cmdAceptar");
        QTRY_VERIFY(t.p.limitesYEtapas.perdidasAbiertas() == nullptr);
        QVERIFY(t.p.estudios.entradas().perdidas.empty());
    }

    // The menu opens the boundaries' window alone. A refusal (a type of no word, a point beyond a
    // line) is told and changes nothing: the window stays, the results as they were; a study so
    // saved opens on its boundaries. "Actualizar" computes again with the image of the well across
    // a barrier and returns to the results, and the map's cursor says where there is no aquifer;
    // the line taken away, they are as before.
    void actualizarYRechazos() {
        Limites t;
        t.hastaResultados();  // P1 at (100, 0), A at (0, 0), 1 day
        const QStringList entradas = t.entradas();
        const std::string antes = t.resultado(1, 2);
        t.abrir();
        QVERIFY(t.solo());
        Limites::fila(t.v.limites, t.v.limites->tabla(), {"Río", "50", "-10", "50", "10"});
        QVERIFY(t.p.estudios.modificado());
        pulsar(t.v.limites, "cmdActualizar");  // a type of no word is kept as typed, and refused
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("La línea 1 no es de recarga ni barrera: su tipo es «Río»."));
        t.tabla().setTextMatrix(1, 1, "Barrera");  // the point A, at x = 0, beyond it
        pulsar(t.v.limites, "cmdActualizar");
        const QString fuera =
            "El punto 1 «A» está al otro lado de la línea 1 (barrera), fuera del acuífero: el "
            "acuífero queda del lado de cada línea donde está el pozo 1.";
        QCOMPARE(t.dialogos.ultimo().texto, fuera);
        QVERIFY(t.solo());
        QCOMPARE(t.entradas(), entradas);
        QCOMPARE(t.resultado(1, 2), antes);
        QCOMPARE(record_count(t.tabla()), 1);  // nothing typed is lost
        // Saved so, the study opens again on its boundaries.
        QTemporaryDir dir;
        t.dialogos.archivos = {dir.filePath("fuera.abat")};
        QVERIFY(t.p.estudios.guardarComo());
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QVERIFY(!t.solo());
        t.p.estudios.abrir(dir.filePath("fuera.abat"));
        QCOMPARE(t.dialogos.ultimo().texto, fuera);
        QVERIFY(t.solo());
        t.tabla().setTextMatrix(1, 2, "-50");
        t.tabla().setTextMatrix(1, 4, "-50");
        pulsar(t.v.limites, "cmdActualizar");
        QVERIFY(t.visibles() == std::vector<QWidget*>{t.v.resultados});
        const double esperado = theis(0.05, 100, 1) + theis(0.05, 200, 1);
        QCOMPARE(t.resultado(1, 2), format_4dec(esperado));
        Mapa& mapa = t.p.asistente.mapa();  // its cursor says where there is no aquifer
        mapa.abrir();
        QVERIFY(mapa.ventana() != nullptr);
        auto* cursor = control<QLabel>(mapa.ventana(), "lblCursor");
        emit mapa.ventana()->cursorMovido(-300, 0);
        QVERIFY(cursor->text().endsWith("fuera del acuífero"));
        emit mapa.ventana()->cursorMovido(10, 0);
        QVERIFY(cursor->text().endsWith(" m"));
        t.abrir();
        t.tabla().selectCell(1, 1);
        t.dialogos.si = {true};
        pulsar(t.v.limites, "cmdQuitar");
        QCOMPARE(t.dialogos.ultimo().texto, QString("¿Está seguro que desea quitar la línea 1?"));
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.resultado(1, 2), antes);
    }

    // The schedule of a well: its first row the well's "Gasto", kept in step with it; what it
    // accepts comes into the study, the results and the cell's tooltip; a refusal keeps it open,
    // Cancel changes nothing. Each schedule stays with its well when a well above is removed, and
    // in the file.
    void caudalPorEtapas() {
        QTemporaryDir dir;
        Limites t;
        t.hastaResultados();
        pulsar(t.v.resultados, "cmdPozos");
        frmEtapas* e = t.etapas(1);
        QCOMPARE(e->tabla()->filas(), (std::vector<std::vector<std::string>>{{"0", "0.05"}}));
        e->tabla()->tabla().setTextMatrix(1, 2, "0.06");
        Limites::fila(e, e->tabla(), {"0.5", "x"});
        pulsar(e, "cmdAceptar");
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("El caudal de la etapa 2, «x», no es un valor numérico."));
        QVERIFY(e->isVisible());
        e->tabla()->tabla().setTextMatrix(2, 2, "0");
        pulsar(e, "cmdAceptar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        Grid& pozos = t.v.noPozos->pozos();
        QCOMPARE(pozos.TextMatrix(1, columna_pozo::gasto), std::string("0.06"));
        QCOMPARE(t.v.noPozos->etapas(), (Etapas{{{"0.5", "0"}}}));
        const QAbstractItemModel* m = control<FlexGrid>(t.v.noPozos, "MSFlexGrid1")->model();
        QCOMPARE(m->data(m->index(0, columna_pozo::gasto - 1), Qt::ToolTipRole).toString(),
                 "Caudal por etapas:\ndesde el día 0: 0.06 m3/s\ndesde el día 0.5: 0 m3/s, parado");
        QVERIFY(t.p.estudios.modificado());
        e = t.etapas(1);
        QCOMPARE(e->tabla()->filas(),
                 (std::vector<std::vector<std::string>>{{"0", "0.06"}, {"0.5", "0"}}));
        e->tabla()->tabla().setTextMatrix(2, 1, "7");
        pulsar(e, "cmdCancelar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        QCOMPARE(t.v.noPozos->etapas(), (Etapas{{{"0.5", "0"}}}));
        // Stopped at half a day: at one day the well's drawdown at A is Theis's recovery.
        pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(t.resultado(1, 2), format_4dec(theis(0.06, 100, 1) - theis(0.06, 100, 0.5)));

        pulsar(t.v.resultados, "cmdPozos");
        Prueba::agregar(pozos, {"P2", "0.3", "0.02", "300", "0"});
        Prueba::agregar(pozos, {"P3", "0.3", "0.01", "200", "50"});
        e = t.etapas(3);
        Limites::fila(e, e->tabla(), {"3", "0"});
        pulsar(e, "cmdAceptar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        QCOMPARE(t.v.noPozos->etapas(), (Etapas{{{"0.5", "0"}}, {}, {{"3", "0"}}}));
        t.dialogos.respuestas = {"1"};  // P1 and its schedule removed: P3's moves up with its well
        t.dialogos.si = {true};
        pulsar(t.v.noPozos, "cmdQuitar");
        const Etapas despues = {{}, {{"3", "0"}}};
        QCOMPARE(t.v.noPozos->etapas(), despues);
        t.dialogos.archivos = {dir.filePath("etapas.abat")};
        QVERIFY(t.p.estudios.guardarComo());
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QVERIFY(t.v.noPozos->etapas().empty());
        t.p.estudios.abrir(dir.filePath("etapas.abat"));
        QCOMPARE(t.v.noPozos->etapas(), despues);
    }
};

QTEST_MAIN(TestLimites)
#include "test_limites.moc"
