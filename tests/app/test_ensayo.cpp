// The pumping test's window in the whole program: the menu that shows it, its controls, the
// readings pasted and left out, the methods' fits, and the fitted aquifer taken into the study.
#include <algorithm>
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
            texto += QStringLiteral("H%1\t%1\t%2\t%3\n")
                         .arg(r)
                         .arg(a_qstring(number_to_text(t)))
                         .arg(a_qstring(number_to_text(std::round(s * 1e4) / 1e4)))
                         .replace(QLatin1Char('.'), QLatin1Char(','));
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

// The test pasted, its rate and stop typed, and with `ajustar` fitted: what a user does first.
void preparar(Prueba& t, bool ajustar = false, const QString& fin = QStringLiteral("300")) {
    QApplication::clipboard()->setText(pegado());
    accion(t, "accionPegar");
    de(t, "txtCaudalEnsayo")->setText("0.01");
    de(t, "txtFinBombeo")->setText(fin);
    if (ajustar) pulsar(t.v.ensayo, "cmdAjustar");
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

QStringList elementos(QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
    return l;
}

}  // namespace

class TestEnsayo : public QObject {
    Q_OBJECT
  private slots:
    // "Ensayo de bombeo…" in "Análisis" shows the one window of the test, over the aquifer
    // window; closed, it is hidden with all it holds, and the menu shows it again. It stands
    // aside while an input window shows and comes back with the results; closed, it stays so.
    void menuYVentana() {
        Prueba t;
        QAction* a = control<QAction>(&t.v.principal, "accionEnsayo");
        QCOMPARE(a->text(), QString("&Ensayo de bombeo…"));
        QVERIFY(t.v.principal.menuAnalisis()->actions().contains(a));
        QVERIFY(!t.v.ensayo->isVisible());
        abrir(t);
        QCOMPARE(t.v.ensayo->windowTitle(), QString("Ensayo de bombeo"));
        QCOMPARE(t.v.principal.findChild<QMdiArea*>()->activeSubWindow(), marco(t));
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

    // Each box described by its name, the units and methods offered in order, "Usar en el
    // estudio" off until a fit; the table's columns and its menu's entries in order.
    void controles() {
        Prueba t;
        frmEnsayo* w = t.v.ensayo;
        for (const char* nombre : {"txtCaudalEnsayo", "txtFinBombeo", "txtDesde", "txtHasta",
                                   "txtTAjustado", "txtSAjustado"}) {
            QCOMPARE(control<QLineEdit>(w, nombre)->accessibleDescription(), QString(nombre));
        }
        QCOMPARE(elementos(de<QComboBox>(t, "cboUnidadTiempo")),
                 (QStringList{"s", "min", "h", "días"}));
        QCOMPARE(de<QComboBox>(t, "cboUnidadTiempo")->currentText(), QString("min"));
        QCOMPARE(elementos(de<QComboBox>(t, "cboMetodo")),
                 (QStringList{"Theis", "Cooper-Jacob", "Theis (recuperación)"}));
        QVERIFY(!de<QPushButton>(t, "cmdUsarEnEstudio")->isEnabled());
        QCOMPARE(fila(w->medidas(), 0),
                 QString("No.|  Piezómetro  | Distancia[m] |    Tiempo    | Abatimiento[m] "));
        QCOMPARE(menu([&] {
                     emit de<FlexGrid>(t, "tblMedidas")->customContextMenuRequested({5, 5});
                 }),
                 (QStringList{"accionCopiar", "accionPegar", "accionSeleccionarTodo",
                              "accionImportar", "accionExcluir", "accionIncluir"}));
    }

    // What a spreadsheet copies, pasted, or imported after a reading already there: a header in
    // the user's words, decimal commas; a row that is not a reading enters nothing and is named.
    void entrar_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("importar");
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QString>("aviso");
        const QString ya = "1|H90|90|2|0.05";
        QTest::newRow("pegado_encabezado_propio_y_comas")
            << "Pozo;r (m);t (min);s (m)\nH30;30;0,5;0,14\nH90;90,5;1;0,02\n"
            << false << QStringList{"1|H30|30|0.5|0.14", "2|H90|90.5|1|0.02"} << QString();
        QTest::newRow("importado")
            << "Pozo;r (m);t (min);s (m)\nH30;30;0,5;0,14\nH30;30;1;0,2\n"
            << true << QStringList{ya, "2|H30|30|0.5|0.14", "3|H30|30|1|0.2"} << QString();
        QTest::newRow("importado_una_distancia_que_no_es_numero")
            << "H30;30;0,5;0,14\nH30;treinta;1;0,2\n"
            << true << QStringList{ya} << "fila 2, columna 2 (Distancia[m]): «treinta»";
    }
    void entrar() {
        QFETCH(QString, texto);
        QFETCH(bool, importar);
        QFETCH(QStringList, filas);
        QFETCH(QString, aviso);
        Prueba t;
        Grid& g = t.v.ensayo->medidas();
        if (importar) {
            Prueba::agregar(g, {"H90", "90", "2", "0.05"});
            QFile f(t.dir.filePath("medidas.csv"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(texto.toUtf8()) > 0);
            f.close();
            t.dialogos.archivos = {f.fileName()};
            accion(t, "accionImportar");
        } else {
            QApplication::clipboard()->setText(texto);
            accion(t, "accionPegar");
        }
        QStringList hay;
        for (int r = 1; r <= record_count(g); ++r) hay << fila(g, r);
        QCOMPARE(hay, filas);
        const bool avisado =
            !t.dialogos.mostrados.empty() && t.dialogos.ultimo().tipo == Mostrado::mensaje;
        QCOMPARE(avisado, !aviso.isEmpty());
        if (avisado) {
            QVERIFY2(t.dialogos.ultimo().texto.contains(aviso),
                     qPrintable(t.dialogos.ultimo().texto));
            QCOMPARE(t.dialogos.ultimo().titulo,
                     QString(importar ? "Importar medidas" : "Pegar medidas"));
        }
    }

    // Each method on the test of two wells: Theis's curve gives T and S near the truth with its
    // figures; the straight lines give them per well; a refusal says why, and gives no number.
    // The chart shows each well's readings and curve, on log-log paper for Theis's.
    void metodos_data() {
        QTest::addColumn<int>("metodo");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<QString>("dice");
        for (const auto& [nombre, metodo, fin, dice] :
             {std::tuple{"theis", 0, "300", "con 24 medidas"},
              {"cooper_jacob", 1, "300", "«H90»: T = "},
              {"recuperacion", 2, "300", "La recuperación no da S"},
              {"recuperacion_sin_fin", 2, "", "Falta el fin del bombeo"}}) {
            QTest::newRow(nombre) << metodo << QString(fin) << QString(dice);
        }
    }
    void metodos() {
        QFETCH(int, metodo);
        QFETCH(QString, fin);
        QFETCH(QString, dice);
        Prueba t;
        abrir(t);
        de<QComboBox>(t, "cboMetodo")->setCurrentIndex(metodo);
        preparar(t, true, fin);
        const QString resumen = de<QLabel>(t, "lblAjuste")->text();
        QVERIFY2(resumen.contains(dice), qPrintable(resumen));
        const bool ajusta = !fin.isEmpty();
        QCOMPARE(de<QPushButton>(t, "cmdUsarEnEstudio")->isEnabled(), ajusta);
        QCOMPARE(t.dialogos.mostrados.size(), size_t(ajusta ? 0 : 1));
        if (!ajusta) {
            QCOMPARE(t.dialogos.ultimo().texto, resumen);
            QVERIFY(de(t, "txtTAjustado")->text().isEmpty());
            return;
        }
        QVERIFY(std::fabs(T_ajustada(t) / 0.005 - 1) < 0.05);
        QCOMPARE(de(t, "txtSAjustado")->text().isEmpty(), metodo == 2);
        const DibujoEnsayo& d = t.v.ensayo->analisis().dibujo;
        QCOMPARE(d.medidas.size(), size_t(2));
        QCOMPARE(d.curvas.size(), size_t(2));
        QCOMPARE(d.logaritmicoY, metodo == 0);
        QVERIFY(!d.residuos.empty());
        QCOMPARE(size_t(t.v.ensayo->grafico()->principal()->series().size()),
                 d.medidas.size() + d.curvas.size() + d.derivadas.size());
    }

    // The chart's menu copies it and saves it as the other charts are saved, drawn anew, with the
    // readings above and the residuals below, titled as the chart.
    void guardarImagen() {
        Prueba t;
        abrir(t);
        preparar(t, true);
        auto* g = de<GraficoEnsayo>(t, "graficoEnsayo");
        QCOMPARE(menu([&] {
                     emit g->customContextMenuRequested({5, 5});
                 }),
                 (QStringList{"accionCopiarImagen", "accionGuardarImagen"}));
        t.dialogos.archivos = {t.dir.filePath("ensayo.svg")};
        control<QAction>(g, "accionGuardarImagen")->trigger();
        QCOMPARE(t.dialogos.ultimo().propuesto, QString("Ensayo de bombeo- Theis.png"));
        QFile svg(t.dir.filePath("ensayo.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray texto = svg.readAll();
        QVERIFY(texto.contains("Residuos") && texto.contains("Ensayo de bombeo: Theis"));
    }

    // Readings left out are marked and out of the fit, which follows at once; put back, the fit
    // is the first again. Leaving them out is a change of the study, kept in its file. A reading
    // removed takes its mark with it: the rows below keep theirs.
    void excluirCambiaElAjuste() {
        Prueba t;
        abrir(t);
        preparar(t, true);
        const double antes = T_ajustada(t);
        const QString resumen = de<QLabel>(t, "lblAjuste")->text();
        const QAbstractItemModel* m = de<FlexGrid>(t, "tblMedidas")->model();
        seleccionar_filas(t, 2, 3);
        t.v.principal.mostrarEstudio("e.abat", false);  // a study file in use shows the mark
        accion(t, "accionExcluir");
        for (const int fila : {1, 2, 3}) {
            QCOMPARE(m->data(m->index(fila, 2), Qt::AccessibleDescriptionRole).toString() ==
                         "Excluida del ajuste",
                     fila < 3);
        }
        QVERIFY(T_ajustada(t) != antes);
        QVERIFY(de<QLabel>(t, "lblAjuste")->text().contains("con 22 medidas"));
        QCOMPARE(t.v.ensayo->analisis().dibujo.excluidas.puntos.size(), size_t(2));
        QVERIFY(t.p.estudios.modificado());
        const Estudio e = t.p.estudios.entradas();
        QVERIFY(!e.ensayo.medidas[0].excluida && e.ensayo.medidas[1].excluida &&
                e.ensayo.medidas[2].excluida && !e.ensayo.medidas[3].excluida);
        accion(t, "accionIncluir");
        QCOMPARE(T_ajustada(t), antes);
        QCOMPARE(de<QLabel>(t, "lblAjuste")->text(), resumen);
        seleccionar_filas(t, 3, 3);
        t.v.ensayo->excluirSeleccion(true);
        t.dialogos.respuestas = {"2"};
        t.dialogos.si = {true};
        pulsar(t.v.ensayo, "cmdQuitarMedida");
        QCOMPARE(record_count(t.v.ensayo->medidas()), 23);
        QVERIFY(!t.v.ensayo->excluida(1) && t.v.ensayo->excluida(2) && !t.v.ensayo->excluida(3));
    }

    // "Usar en el estudio" writes T and S into the aquifer's boxes as the program writes
    // numbers, and the results shown are computed again with them; the recovery gives no S,
    // and the aquifer keeps its own.
    void usarEnElEstudio() {
        Prueba t;
        t.hastaResultados();
        const std::string antes = t.resultado(1, 2);
        abrir(t);
        preparar(t, true);
        const AnalisisEnsayo a = t.v.ensayo->analisis();
        pulsar(t.v.ensayo, "cmdUsarEnEstudio");
        QCOMPARE(t.caja("txtT")->text(), a_qstring(number_to_text(a.acuifero->T)));
        QCOMPARE(t.caja("txtS")->text(), a_qstring(number_to_text(a.acuifero->S)));
        QCOMPARE(t.p.d.T, a.acuifero->T);
        QVERIFY(t.visible() == t.v.resultados && t.resultado(1, 2) != antes);
        QVERIFY(t.v.ensayo->isVisible() && t.p.estudios.modificado());
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
        QCOMPARE(de<QComboBox>(t, "cboUnidadTiempo")->currentText(), QString("min"));
        QVERIFY(!t.v.ensayo->excluida(5));
    }
};

QTEST_MAIN(TestEnsayo)
#include "test_ensayo.moc"