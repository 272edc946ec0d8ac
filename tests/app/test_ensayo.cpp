// The pumping test's window in the whole program: the menu that shows it, its picture, the readings
// pasted and left out, the fits, and the fitted aquifer taken into the study.
#include <cmath>

#include "adaptadores/flex_grid.h"
#include "app/ventanas_estudio.h"
#include "calc/ajuste_ensayo.h"
#include "dibujo/grafico_ensayo.h"
#include "estudio/archivo_estudio.h"
#include "model/numeros.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// Two observation wells, H30 and H90, 12 readings each from 1 to 600 minutes of 0.01 m3/s
// pumped until minute 300 from T = 0.005, S = 2e-4, drawdowns to four decimals with a small
// wobble; the texts a user pastes, with decimal commas and a header of their own.
QString pegado() {
    QString texto = QStringLiteral("Pozo\tr (m)\tt (min)\ts (m)\n");
    for (const int r : {30, 90}) {
        for (int i = 0; i < 12; ++i) {
            const double t = std::round(std::pow(600.0, i / 11.0) * 1000) / 1000;
            const double s = abatimiento_theis({0.005, 2e-4}, 0.01, r, t * 60, 300 * 60) +
                             0.002 * std::sin(7.0 * i + r);
            const auto escrito = [](double v) { return a_qstring(number_to_text(v)); };
            texto += QString("H%1\t%1\t%2\t%3\n")
                         .arg(QString::number(r), escrito(t), escrito(std::round(s * 1e4) / 1e4))
                         .replace('.', ',');
        }
    }
    return texto;
}

template <typename T = QLineEdit>
T* de(Prueba& t, const char* nombre) {
    return control<T>(t.v.ensayo, nombre);
}

QMdiSubWindow* marco(Prueba& t) {
    return qobject_cast<QMdiSubWindow*>(t.v.ensayo->parentWidget());
}

void abrir(Prueba& t) {
    control<QAction>(&t.v.principal, "accionEnsayo")->trigger();
}

void accion(Prueba& t, const char* nombre) {
    control<QAction>(de<FlexGrid>(t, "tblMedidas"), nombre)->trigger();
}

// The test pasted, its rate and stop typed and fitted: what a user does first.
void preparar(Prueba& t, const QString& fin = QStringLiteral("300")) {
    QApplication::clipboard()->setText(pegado());
    accion(t, "accionPegar");
    de(t, "txtCaudalEnsayo")->setText("0.01");
    de(t, "txtFinBombeo")->setText(fin);
    pulsar(t.v.ensayo, "cmdAjustar");
}

double T_ajustada(Prueba& t) {
    return leer_estricto(de(t, "txtTAjustado")->text().toStdString()).valor;
}

void seleccionar_filas(Prueba& t, int desde, int hasta) {
    Grid& g = t.v.ensayo->medidas();
    g.selectCell(desde, 1);
    g.setRowSel(hasta);
    g.setColSel(4);
}
}  // namespace

class TestEnsayo : public QObject {
    Q_OBJECT
  private slots:
    // "Ensayo de bombeo…" in "Análisis" shows the one window of the test; closed, it is hidden
    // with all it holds. It stands aside while an input window shows and comes back with the
    // results; closed, it stays so.
    void menuYVentana() {
        Prueba t;
        abrir(t);
        de(t, "txtCaudalEnsayo")->setText("0.02");
        marco(t)->close();
        QVERIFY(!marco(t)->isVisible() && t.visible() == t.v.caracteristicas);
        abrir(t);
        QCOMPARE(de(t, "txtCaudalEnsayo")->text(), QString("0.02"));
        t.hastaResultados();
        pulsar(t.v.resultados, "cmdAcuifero");
        QVERIFY(!marco(t)->isVisible());
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QVERIFY(t.visible() == t.v.resultados && t.v.ensayo->isVisible());
        marco(t)->close();
        pulsar(t.v.resultados, "cmdAcuifero");
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QVERIFY(!marco(t)->isVisible());  // not even its empty frame
    }

    // The chart is saved as the other charts are, drawn anew with the readings above and the
    // residuals below, titled as shown.
    void imagen() {
        Prueba t;
        abrir(t);
        preparar(t);
        auto* g = de<GraficoEnsayo>(t, "graficoEnsayo");
        t.dialogos.archivos = {t.dir.filePath("ensayo.svg")};
        control<QAction>(g, "accionGuardarImagen")->trigger();
        QCOMPARE(t.dialogos.ultimo().propuesto, QString("Ensayo de bombeo- Theis.png"));
        QFile svg(t.dir.filePath("ensayo.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray texto = svg.readAll();
        QVERIFY(texto.contains("Residuos") && texto.contains("Ensayo de bombeo: Theis"));
    }

    // A file imported with a row that is not a reading enters nothing, and the row is named.
    void importar() {
        Prueba t;
        Grid& g = t.v.ensayo->medidas();
        Prueba::agregar(g, {"H90", "90", "2", "0.05"});
        QFile f(t.dir.filePath("medidas.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly) &&
                f.write("H30;30;0,5;0,14\nH30;treinta;1;0,2\n") > 0);
        f.close();
        t.dialogos.archivos = {f.fileName()};
        accion(t, "accionImportar");
        QCOMPARE(record_count(g), 1);
        QVERIFY(t.dialogos.ultimo().texto.contains("fila 2, columna 2 (Distancia[m]): «treinta»"));
    }

    // The whole path: the test pasted, the recovery refused without a stop, Theis's curve fitted;
    // readings left out are marked, out of the fit at once and kept in the study; put back, the fit
    // is the first again; a reading removed takes its mark with it. "Usar en el estudio" writes T
    // and S into the aquifer as the program writes numbers and the results are computed again; the
    // recovery gives no S, and the aquifer keeps its own.
    void excluirAjustarYUsar() {
        Prueba t;
        t.hastaResultados();
        const std::string resultado = t.resultado(1, 2);
        abrir(t);
        de<QComboBox>(t, "cboMetodo")->setCurrentIndex(2);
        preparar(t, "");  // the recovery without a stop: no fit, and a message why
        QVERIFY(de<QLabel>(t, "lblAjuste")->text().contains("Falta el fin del bombeo"));
        QCOMPARE(t.dialogos.ultimo().texto, de<QLabel>(t, "lblAjuste")->text());
        QVERIFY(!de<QPushButton>(t, "cmdUsarEnEstudio")->isEnabled());
        de<QComboBox>(t, "cboMetodo")->setCurrentIndex(0);
        de(t, "txtFinBombeo")->setText("300");
        pulsar(t.v.ensayo, "cmdAjustar");
        const double antes = T_ajustada(t);
        QVERIFY(std::fabs(antes / 0.005 - 1) < 0.05);
        const QString resumen = de<QLabel>(t, "lblAjuste")->text();
        const QAbstractItemModel* m = de<FlexGrid>(t, "tblMedidas")->model();
        seleccionar_filas(t, 2, 2);
        t.v.principal.mostrarEstudio("e.abat", false);  // a study file in use shows the mark
        accion(t, "accionExcluir");
        QCOMPARE(m->data(m->index(1, 2), Qt::AccessibleDescriptionRole).toString(),
                 QString("Excluida del ajuste"));
        QVERIFY(T_ajustada(t) != antes);
        QVERIFY(de<QLabel>(t, "lblAjuste")->text().contains("con 23 medidas"));
        QVERIFY(t.p.estudios.modificado());
        const std::vector<MedidaTexto> e = t.p.estudios.entradas().ensayo.medidas;
        QVERIFY(!e[0].excluida && e[1].excluida && !e[2].excluida);
        accion(t, "accionIncluir");
        QCOMPARE(T_ajustada(t), antes);
        QCOMPARE(de<QLabel>(t, "lblAjuste")->text(), resumen);
        seleccionar_filas(t, 2, 3);
        t.v.ensayo->excluirSeleccion(true);
        t.dialogos.respuestas = {"2"};
        t.dialogos.si = {true};
        pulsar(t.v.ensayo, "cmdQuitarMedida");
        QCOMPARE(record_count(t.v.ensayo->medidas()), 23);
        QVERIFY(!t.v.ensayo->excluida(1) && t.v.ensayo->excluida(2) && !t.v.ensayo->excluida(3));
        const AnalisisEnsayo a = t.v.ensayo->analisis();
        pulsar(t.v.ensayo, "cmdUsarEnEstudio");
        QCOMPARE(t.caja("txtT")->text(), a_qstring(number_to_text(a.acuifero->T)));
        QCOMPARE(t.caja("txtS")->text(), a_qstring(number_to_text(a.acuifero->S)));
        QVERIFY(t.visible() == t.v.resultados && t.resultado(1, 2) != resultado);
        de<QComboBox>(t, "cboMetodo")->setCurrentIndex(2);
        const QString S = t.caja("txtS")->text();
        pulsar(t.v.ensayo, "cmdUsarEnEstudio");
        QCOMPARE(t.caja("txtS")->text(), S);
        QCOMPARE(t.caja("txtT")->text(), de(t, "txtTAjustado")->text());
    }

    // The test is part of the study: saved and opened again, the window shows it as it was, the
    // texts as pasted; "Nuevo" empties it.
    void parteDelEstudio() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("ensayo.abat");
        {
            Prueba t;
            preparar(t);
            de<QComboBox>(t, "cboUnidadTiempo")->setCurrentText("h");
            seleccionar_filas(t, 5, 5);
            t.v.ensayo->excluirSeleccion(true);
            t.dialogos.archivos = {ruta};
            control<QAction>(&t.v.principal, "accionGuardarComo")->trigger();
        }
        Prueba t(ruta);
        QCOMPARE(de<QComboBox>(t, "cboUnidadTiempo")->currentText(), QString("h"));
        QCOMPARE(de(t, "txtCaudalEnsayo")->text(), QString("0.01"));
        QCOMPARE(record_count(t.v.ensayo->medidas()), 24);
        QVERIFY(t.v.ensayo->excluida(5) && !t.v.ensayo->excluida(4));
        const QString primera = pegado().split('\n')[1];  // as pasted, the comma a point
        QCOMPARE(fila(t.v.ensayo->medidas(), 1),
                 "1|" + QString(primera).replace('\t', '|').replace(',', '.'));
        QVERIFY(!t.p.estudios.modificado());
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QCOMPARE(record_count(t.v.ensayo->medidas()), 0);
    }
};

QTEST_MAIN(TestEnsayo)
#include "test_ensayo.moc"