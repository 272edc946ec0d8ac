// The pumping test's window in the whole program: the menu that shows it, its picture, the readings
// pasted and left out, the fits, and the fitted aquifer taken into the study.
#include <QLogValueAxis>
#include <QValueAxis>
#include <cmath>

#include "adaptadores/flex_grid.h"
#include "app/ventanas_estudio.h"
#include "dibujo/grafico_ensayo.h"
#include "ensayo/ajuste_ensayo.h"
#include "estudio/archivo_estudio.h"
#include "forms/frmEtapas.h"
#include "forms/tabla_etapas.h"
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

// A step test in the pumped well (radius 0.15 m): 0.01 m3/s, then 0.02, 0.03 and 0.04 from minutes
// 60, 120 and 180, of T = 0.01, S = 2e-4 and a well loss of 2000 Q², 12 readings a step, with a
// wobble of a few millimetres.
QString pegado_escalonado() {
    QString texto;
    const std::vector<EtapaEnsayo> cambios = {{0, 0.01}, {3600, 0.01}, {7200, 0.01}, {10800, 0.01}};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i < 12; ++i) {
            const double t = 60 * k + 0.5 * std::pow(120.0, i / 11.0);
            const double Q = 0.01 * (k + 1);
            const double s = abatimiento_ensayo({0.01, 2e-4}, cambios, 0.15, t * 60) +
                             2000 * Q * Q + 0.003 * std::sin(5.0 * i + k);
            texto += QString("Pozo\t0.15\t%1\t%2\n")
                         .arg(a_qstring(number_to_text(t)),
                              a_qstring(number_to_text(std::round(s * 1e4) / 1e4)));
        }
    }
    return texto;
}

// The program with the test's window at hand: its controls, its grid's actions, the fit's T.
struct Ensayo : Prueba {
    using Prueba::Prueba;
    template <typename T = QLineEdit>
    T* de(const char* nombre) {
        return control<T>(v.ensayo, nombre);
    }
    QMdiSubWindow* marco() { return qobject_cast<QMdiSubWindow*>(v.ensayo->parentWidget()); }
    void abrir() { control<QAction>(&v.principal, "accionEnsayo")->trigger(); }
    void accion(const char* n) { control<QAction>(de<FlexGrid>("tblMedidas"), n)->trigger(); }
    double T() { return leer_estricto(de("txtTAjustado")->text().toStdString()).valor; }
    QString ajuste() { return de<QLabel>("lblAjuste")->text(); }
    void filas(int desde, int hasta) {
        v.ensayo->medidas().selectCell(desde, 1);
        v.ensayo->medidas().setRowSel(hasta);
        v.ensayo->medidas().setColSel(4);
    }
    // The test pasted, its rate and stop typed and fitted: what a user does first.
    void preparar(const QString& fin = QStringLiteral("300")) {
        QApplication::clipboard()->setText(pegado());
        accion("accionPegar");
        de("txtCaudalEnsayo")->setText("0.01");
        de("txtFinBombeo")->setText(fin);
        pulsar(v.ensayo, "cmdAjustar");
    }
};
}  // namespace

class TestEnsayo : public QObject {
    Q_OBJECT
  private slots:
    // "Ensayo de bombeo…" in "Análisis" shows the one window of the test; closed, it is hidden
    // with all it holds. It stands aside while an input window shows and comes back with the
    // results; closed, it stays so. A file imported with a row that is not a reading enters
    // nothing, and the row is named.
    void menuVentanaEImportar() {
        Ensayo t;
        t.abrir();
        t.de("txtCaudalEnsayo")->setText("0.02");
        t.marco()->close();
        QVERIFY(!t.marco()->isVisible() && t.visible() == t.v.caracteristicas);
        t.abrir();
        QCOMPARE(t.de("txtCaudalEnsayo")->text(), QString("0.02"));
        t.hastaResultados();
        pulsar(t.v.resultados, "cmdAcuifero");
        QVERIFY(!t.marco()->isVisible());
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QVERIFY(t.visible() == t.v.resultados && t.v.ensayo->isVisible());
        t.marco()->close();
        pulsar(t.v.resultados, "cmdAcuifero");
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QVERIFY(!t.marco()->isVisible());  // not even its empty frame
        Prueba::agregar(t.v.ensayo->medidas(), {"H90", "90", "2", "0.05"});
        QFile f(t.dir.filePath("medidas.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly) &&
                f.write("H30;30;0,5;0,14\nH30;treinta;1;0,2\n") > 0);
        f.close();
        t.dialogos.archivos = {f.fileName()};
        t.accion("accionImportar");
        QCOMPARE(record_count(t.v.ensayo->medidas()), 1);
        QVERIFY(t.dialogos.ultimo().texto.contains("fila 2, columna 2 (Distancia[m]): «treinta»"));
    }

    // The whole path: the test pasted, the recovery refused without a stop, Theis's curve fitted;
    // readings left out are marked, out of the fit at once and kept in the study; put back, the fit
    // is the first again; a reading removed takes its mark with it. "Usar en el estudio" writes T
    // and S into the aquifer as the program writes numbers and the results are computed again; the
    // recovery gives no S, and the aquifer keeps its own.
    void excluirAjustarYUsar() {
        Ensayo t;
        t.hastaResultados();
        const std::string resultado = t.resultado(1, 2);
        t.abrir();
        t.de<QComboBox>("cboMetodo")->setCurrentIndex(2);
        t.preparar("");  // the recovery without a stop: no fit, and a message why
        QVERIFY(t.ajuste().contains("Falta el fin del bombeo"));
        QCOMPARE(t.dialogos.ultimo().texto, t.ajuste());
        QVERIFY(!t.de<QPushButton>("cmdUsarEnEstudio")->isEnabled());
        t.de<QComboBox>("cboMetodo")->setCurrentIndex(0);
        t.de("txtFinBombeo")->setText("300");
        pulsar(t.v.ensayo, "cmdAjustar");
        const double antes = t.T();
        QVERIFY(std::fabs(antes / 0.005 - 1) < 0.05);
        const QString resumen = t.ajuste();
        const QAbstractItemModel* m = t.de<FlexGrid>("tblMedidas")->model();
        t.filas(2, 2);
        t.v.principal.mostrarEstudio("e.abat", false);  // a study file in use shows the mark
        t.accion("accionExcluir");
        QCOMPARE(m->data(m->index(1, 2), Qt::AccessibleDescriptionRole).toString(),
                 QString("Excluida del ajuste"));
        QVERIFY(t.T() != antes);
        QVERIFY(t.ajuste().contains("con 23 medidas"));
        QVERIFY(t.p.estudios.modificado());
        const std::vector<MedidaTexto> e = t.p.estudios.entradas().ensayo.medidas;
        QVERIFY(!e[0].excluida && e[1].excluida && !e[2].excluida);
        t.accion("accionIncluir");
        QCOMPARE(t.T(), antes);
        QCOMPARE(t.ajuste(), resumen);
        t.filas(2, 3);
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
        t.de<QComboBox>("cboMetodo")->setCurrentIndex(2);
        const QString S = t.caja("txtS")->text();
        pulsar(t.v.ensayo, "cmdUsarEnEstudio");
        QCOMPARE(t.caja("txtS")->text(), S);
        QCOMPARE(t.caja("txtT")->text(), t.de("txtTAjustado")->text());
    }

    // A step test: its steps in a table of their own in the test's unit, the first row the
    // test's rate, kept in step both ways, a refusal keeping the table open; "Ensayo escalonado"
    // fitted with n = 2, then with n fitted: C with its unit, n, a row a step of efficiencies that
    // fall as the rate grows, on linear time. "Usar en el estudio" asks first for the well the
    // test was made in, then writes C and n into that well and leaves the aquifer; the steps and
    // the well are in the file.
    void ensayoEscalonado() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("escalonado.abat");
        {
            Ensayo t;
            t.hastaResultados();
            t.abrir();
            QApplication::clipboard()->setText(pegado_escalonado());
            t.accion("accionPegar");
            t.de("txtCaudalEnsayo")->setText("0,01");
            pulsar(t.v.ensayo, "cmdEtapasEnsayo");
            frmEtapas* e = t.v.ensayo->etapasAbiertas();
            QVERIFY(e != nullptr);
            QCOMPARE(e->tabla()->filas(), (std::vector<std::vector<std::string>>{{"0", "0,01"}}));
            for (const auto& [desde, caudal] :
                 {std::pair{"60", "0.02"}, {"120", "0.03"}, {"x", "0.04"}}) {
                pulsar(e, "cmdAgregar");
                e->tabla()->terminarEdicion();
                const int fila = record_count(e->tabla()->tabla());
                e->tabla()->tabla().setTextMatrix(fila, 1, desde);
                e->tabla()->tabla().setTextMatrix(fila, 2, caudal);
            }
            pulsar(e, "cmdAceptar");
            QCOMPARE(t.dialogos.ultimo().texto,
                     QString("La etapa 4 empieza a «x» min, que no es un valor numérico."));
            e->tabla()->tabla().setTextMatrix(4, 1, "180");
            pulsar(e, "cmdAceptar");
            QTRY_VERIFY(t.v.ensayo->etapasAbiertas() == nullptr);
            QCOMPARE(t.p.estudios.entradas().ensayo.etapas,
                     (std::vector<EtapaTexto>{{"60", "0.02"}, {"120", "0.03"}, {"180", "0.04"}}));
            t.de<QComboBox>("cboMetodo")->setCurrentText("Ensayo escalonado");
            QVERIFY(!t.de<QCheckBox>("chkExponente")->isHidden());
            pulsar(t.v.ensayo, "cmdAjustar");
            const auto numero = [&t](const char* caja) {
                return leer_estricto(t.de(caja)->text().toStdString()).valor;
            };
            QVERIFY2(std::fabs(numero("txtPerdidaAjustada") / 2000 - 1) < 0.05,
                     qPrintable(t.ajuste()));
            QCOMPARE(t.de("txtExponente")->text(), QString("2"));
            QCOMPARE(t.de<QLabel>("lblPerdidaAjustada")->text(), QString("C [s²/m⁵]"));
            QVERIFY(t.ajuste().contains("S es un valor efectivo"));
            const QAbstractItemModel* m = t.de<FlexGrid>("tblEficiencia")->model();
            QCOMPARE(m->rowCount(), 4);
            const auto celda = [m](int fila, int col) {
                return m->data(m->index(fila, col)).toString();
            };
            QCOMPARE(celda(3, 0), QString("0.04"));
            for (int k = 1; k < 4; ++k)
                QVERIFY(celda(k, 4).toDouble() < celda(k - 1, 4).toDouble());
            pulsar(t.v.ensayo, "cmdUsarEnEstudio");
            QVERIFY(t.dialogos.ultimo().texto.startsWith("Elija en «Pozo del ensayo»"));
            QVERIFY(t.p.estudios.entradas().perdidas.empty());
            auto* pozo = t.de<QComboBox>("cboPozoEnsayo");
            QCOMPARE(pozo->count(), 2);  // none, and the study's P1
            pozo->setCurrentIndex(1);
            emit pozo->activated(1);
            pulsar(t.v.ensayo, "cmdUsarEnEstudio");
            const Estudio usado = t.p.estudios.entradas();
            QCOMPARE(usado.perdidas, (std::vector<PerdidasTexto>{
                                         {t.de("txtPerdidaAjustada")->text().toStdString(), "2"}}));
            QCOMPARE(usado.T, std::string("0.01"));  // the aquifer as it was
            QCOMPARE(usado.ensayo.pozo, std::string("P1"));
            const GraficoEnsayo* g = t.de<GraficoEnsayo>("graficoEnsayo");
            QVERIFY(qobject_cast<QValueAxis*>(g->principal()->axes(Qt::Horizontal).at(0)));
            // The second view: the specific drawdown at each step's end against the rate.
            t.de<QCheckBox>("chkEspecifico")->setChecked(true);
            QCOMPARE(g->principal()->series().count(), 2);  // the four steps' points, the line
            QVERIFY(g->principal()->title().contains("Hantush-Bierschenk"));
            t.de<QCheckBox>("chkEspecifico")->setChecked(false);
            t.de<QCheckBox>("chkExponente")->setChecked(true);
            QVERIFY(t.de("txtExponente")->text() != "2");
            QVERIFY(std::fabs(numero("txtExponente") - 2) < 0.3);
            QVERIFY(t.de<QLabel>("lblPerdidaAjustada")->text().startsWith("C [s^"));
            pulsar(t.v.ensayo, "cmdEtapasEnsayo");  // the first row follows the rate's box
            QCOMPARE(t.v.ensayo->etapasAbiertas()->tabla()->filas().front(),
                     (std::vector<std::string>{"0", "0,01"}));
            pulsar(t.v.ensayo->etapasAbiertas(), "cmdCancelar");
            t.dialogos.archivos = {ruta};
            control<QAction>(&t.v.principal, "accionGuardarComo")->trigger();
        }
        Ensayo t(ruta);
        QCOMPARE(t.v.ensayo->ensayo().etapas.size(), size_t{3});
        QCOMPARE(t.de<QComboBox>("cboPozoEnsayo")->currentText(), QString("P1"));
        QCOMPARE(t.v.noPozos->perdidas().size(), size_t{1});
    }

    // The chart is saved drawn anew, with the readings above and the residuals below, on one span
    // of time across, a reading at an end drawn whole. The test is part of the study: saved and
    // opened again, the window shows it as it was, the texts as pasted; "Nuevo" empties it, and no
    // fit shows until one is asked for.
    void imagenYEstudio() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("ensayo.abat");
        {
            Ensayo t;
            t.abrir();
            t.preparar();
            const GraficoEnsayo* g = t.de<GraficoEnsayo>("graficoEnsayo");
            const QRectF arriba = g->principal()->plotArea();
            const QRectF abajo = g->residuos()->plotArea();
            QVERIFY2(std::fabs(arriba.left() - abajo.left()) < 1 &&
                         std::fabs(arriba.right() - abajo.right()) < 1,
                     "the residuals' time axis under the readings'");
            const auto tiempo = [](const QChart* c) {
                return qobject_cast<QLogValueAxis*>(c->axes(Qt::Horizontal).at(0));
            };
            QCOMPARE(tiempo(g->residuos())->min(), tiempo(g->principal())->min());
            QCOMPARE(tiempo(g->residuos())->max(), tiempo(g->principal())->max());
            QVERIFY(tiempo(g->principal())->min() < 0.95);  // the first reading, at 1 min, whole
            t.dialogos.archivos = {dir.filePath("ensayo.svg")};
            control<QAction>(t.de<GraficoEnsayo>("graficoEnsayo"), "accionGuardarImagen")
                ->trigger();
            QFile svg(dir.filePath("ensayo.svg"));
            QVERIFY(svg.open(QIODevice::ReadOnly));
            const QByteArray texto = svg.readAll();
            QVERIFY(texto.contains("Residuos"));
            t.de<QComboBox>("cboUnidadTiempo")->setCurrentText("h");
            t.filas(5, 5);
            t.v.ensayo->excluirSeleccion(true);
            t.dialogos.archivos = {ruta};
            control<QAction>(&t.v.principal, "accionGuardarComo")->trigger();
        }
        Ensayo t(ruta);
        QCOMPARE(t.de<QComboBox>("cboUnidadTiempo")->currentText(), QString("h"));
        QCOMPARE(t.de("txtCaudalEnsayo")->text(), QString("0.01"));
        QCOMPARE(record_count(t.v.ensayo->medidas()), 24);
        QVERIFY(t.v.ensayo->excluida(5) && !t.v.ensayo->excluida(4));
        const QString primera = pegado().split('\n')[1];  // as pasted, the comma a point
        QCOMPARE(fila(t.v.ensayo->medidas(), 1),
                 "1|" + QString(primera).replace('\t', '|').replace(',', '.'));
        QVERIFY(!t.p.estudios.modificado());
        pulsar(t.v.ensayo, "cmdAjustar");
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QCOMPARE(record_count(t.v.ensayo->medidas()), 0);
        QCOMPARE(t.ajuste(), QString());  // no fit asked for the new study
    }
};

QTEST_MAIN(TestEnsayo)
#include "test_ensayo.moc"