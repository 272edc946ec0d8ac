// The aquitard in the whole program: its window from the menu and back to the results, a refusal
// that names the box and changes nothing, the leakage factor as typed, the study saved with it
// and opened again, and the leaky fit of a pumping test used in the study.
#include "app/programa.h"
#include "calc/funcion_hantush.h"
#include "calc/funcion_pozo.h"
#include "ensayo/ajuste_ensayo.h"
#include "model/numeros.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

struct ConAcuitardo : Prueba {
    void abrir() { control<QAction>(&v.principal, "accionAcuitardo")->trigger(); }
    QLineEdit* resistencia() { return control<QLineEdit>(v.acuitardo, "txtResistencia"); }
    void actualizar(const QString& texto) {
        resistencia()->setText(texto);
        pulsar(v.acuitardo, "cmdActualizar");
    }
};

// P1's drawdown at A, 100 m away after a day, in the leaky aquifer of T = 0.01, S = 0.0002 and c.
double hantush(double c) {
    const double B = std::sqrt(0.01 * c * 86400);
    return 0.05 / (cuatro_pi * 0.01) *
           W_hantush(100.0 * 100 * 0.0002 / (4 * 0.01 * 86400), 100 / B);
}

}  // namespace

class TestAcuitardo : public QObject {
    Q_OBJECT

  private slots:
    void rechazos_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("porque");
        const QString caja = "«Resistencia del acuitardo c [días]»: ";
        QTest::newRow("texto") << "4x" << caja + "«4x» no es un valor numérico.";
        QTest::newRow("cero") << "0"
                              << caja +
                                     "«0» no es mayor que cero. Deje la casilla vacía "
                                     "para un acuífero confinado.";
        QTest::newRow("negativo") << "-3"
                                  << caja +
                                         "«-3» no es mayor que cero. Deje la casilla "
                                         "vacía para un acuífero confinado.";
        QTest::newRow("enorme") << "1e999"
                                << caja +
                                       "«1e999» está fuera del rango de los números "
                                       "que el programa calcula.";
    }

    // A refused text is said, naming the box; the window stays, and nothing changes: the study,
    // the results, what the aquitard holds.
    void rechazos() {
        QFETCH(QString, texto);
        QFETCH(QString, porque);
        ConAcuitardo t;
        t.hastaResultados();
        const std::string antes = t.resultado(1, 2);
        const Estudio estudio = t.p.estudios.entradas();
        t.abrir();
        QVERIFY(t.visibles() == std::vector<QWidget*>{t.v.acuitardo});
        t.actualizar(texto);
        QCOMPARE(t.dialogos.ultimo().texto, porque);
        QCOMPARE(t.dialogos.ultimo().titulo, QString("Acuitardo"));
        QVERIFY(t.visibles() == std::vector<QWidget*>{t.v.acuitardo});
        QCOMPARE(t.v.acuitardo->resistencia(), QString());
        QVERIFY(t.p.estudios.entradas() == estudio);
        QCOMPARE(t.resultado(1, 2), antes);
    }

    // A comma typed is the point; the leakage factor follows what is typed and T. "Actualizar"
    // computes the leaky aquifer and returns to the results; the study keeps the aquitard as
    // typed and opens on it; an empty box is the confined aquifer again.
    void actualizarGuardarYAbrir() {
        ConAcuitardo t;
        t.hastaResultados();
        const std::string theis = t.resultado(1, 2);
        t.abrir();
        auto* factor = control<QLabel>(t.v.acuitardo, "lblFactorGoteo");
        QVERIFY(factor->text().isEmpty());
        t.resistencia()->setFocus();
        QTest::keyClicks(t.resistencia(), "43,9");
        QCOMPARE(t.resistencia()->text(), QString("43.9"));
        QCOMPARE(factor->text(), QString("Factor de goteo B = √(T·c) = 194.8 m"));
        t.caja("txtT")->setText("0.04");
        QCOMPARE(factor->text(), QString("Factor de goteo B = √(T·c) = 389.5 m"));
        t.caja("txtT")->setText("0.01");
        pulsar(t.v.acuitardo, "cmdActualizar");
        QVERIFY(t.visibles() == std::vector<QWidget*>{t.v.resultados});
        QCOMPARE(t.resultado(1, 2), format_4dec(hantush(43.9)));
        QVERIFY(t.resultado(1, 2) != theis);
        QVERIFY(t.p.estudios.modificado());
        QTemporaryDir dir;
        t.dialogos.archivos = {dir.filePath("semi.abat")};
        QVERIFY(t.p.estudios.guardarComo());
        QFile f(dir.filePath("semi.abat"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.contains("\"version\": 2,") &&
                bytes.contains("\"acuitardo\": {\"c\": \"43.9\"}"));
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QCOMPARE(t.v.acuitardo->resistencia(), QString());
        QCOMPARE(t.resistencia()->text(), QString());
        t.p.estudios.abrir(dir.filePath("semi.abat"));
        QCOMPARE(t.resistencia()->text(), QString("43.9"));
        QCOMPARE(t.resultado(1, 2), format_4dec(hantush(43.9)));
        t.abrir();
        t.actualizar("");
        QCOMPARE(t.resultado(1, 2), theis);
    }

    // A study whose aquitard the file gives refused opens with the text in the box and the
    // refusal, on the aquitard's window, as a refused boundary does.
    void estudioConAcuitardoRechazado() {
        QTemporaryDir dir;
        QFile f(dir.filePath("malo.abat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            R"({"formato": "abatimientos", "version": 2, "acuifero": {"T": "0.01", "S": "0.0002"},
 "acuitardo": {"c": "-5"}, "pozos": [{"nombre": "P1", "diametro": "0.3", "caudal": "0.05",
 "x": "100", "y": "0"}], "puntos": [{"nombre": "A", "x": "0", "y": "0"}], "tiempo": "1"})");
        f.close();
        ConAcuitardo t;
        t.p.estudios.abrir(dir.filePath("malo.abat"));
        QCOMPARE(t.resistencia()->text(), QString("-5"));
        QCOMPARE(t.p.estudios.entradas().acuitardo, std::optional<std::string>("-5"));
        QVERIFY(t.dialogos.ultimo().texto.contains("«-5» no es mayor que cero"));
        QVERIFY(t.visibles() == std::vector<QWidget*>{t.v.acuitardo});
        t.actualizar("50");
        QCOMPARE(t.resultado(1, 2), format_4dec(hantush(50)));
        // Without its "c" the aquifer is confined, and the user is told.
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(R"({"formato": "abatimientos", "version": 2, "acuitardo": {"c": " "}})");
        f.close();
        t.dialogos.respuestasConCancelar = {Respuesta::no};  // the changes above, not saved
        t.p.estudios.abrir(dir.filePath("malo.abat"));
        QCOMPARE(t.dialogos.ultimo().texto, QString("«malo.abat» declara un acuitardo sin su "
                                                    "resistencia «c»: el acuífero se calcula "
                                                    "como confinado."));
        QCOMPARE(t.resistencia()->text(), QString());
    }

    // "Usar en el estudio" after a Hantush-Jacob fit writes T, S and c into the study.
    void usarElAjuste() {
        ConAcuitardo t;
        t.hastaResultados();
        EnsayoTexto e;
        e.caudal = "0.02";
        e.unidad_tiempo = "s";
        for (const auto& [nombre, r] : {std::pair{"PZ1", 20.0}, {"PZ2", 60.0}, {"PZ3", 150.0}}) {
            for (int i = 0; i < 30; ++i) {
                const double tiempo = 60 * std::pow(4320.0, i / 29.0);
                const double s = abatimiento_theis({0.005, 3e-4, 40}, 0.02, r, tiempo);
                e.medidas.push_back(
                    {nombre, number_to_text(r), number_to_text(tiempo), number_to_text(s), false});
            }
        }
        t.v.ensayo->setEnsayo(e);
        control<QComboBox>(t.v.ensayo, "cboMetodo")->setCurrentText("Hantush-Jacob");
        pulsar(t.v.ensayo, "cmdAjustar");
        const QString c = control<QLineEdit>(t.v.ensayo, "txtResistenciaAjustada")->text();
        QVERIFY2(std::fabs(c.toDouble() / 40 - 1) < 1e-4, qPrintable(c));
        pulsar(t.v.ensayo, "cmdUsarEnEstudio");
        QCOMPARE(t.v.acuitardo->resistencia(), c);
        QCOMPARE(t.resistencia()->text(), c);
        QCOMPARE(t.caja("txtT")->text(), control<QLineEdit>(t.v.ensayo, "txtTAjustado")->text());
    }
};

QTEST_MAIN(TestAcuitardo)
#include "test_acuitardo.moc"
