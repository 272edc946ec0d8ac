// The pumping test's window in the whole program: the menu that shows it, its controls, the
// readings pasted and left out, the methods' fits, and the fitted aquifer taken into the study.
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

const Acuifero verdadero{0.005, 2e-4};

// Two observation wells, H30 and H90, 12 readings each from 1 to 600 minutes of 0.01 m3/s
// pumped until minute 300, drawdowns to four decimals with a small wobble that is no noise a
// fit could follow; the texts a user pastes, with decimal commas and a header of their own.
QString pegado() {
    QString texto = QStringLiteral("Pozo\tr (m)\tt (min)\ts (m)\n");
    for (const int r : {30, 90}) {
        for (int i = 0; i < 12; ++i) {
            const double t = std::pow(600.0, i / 11.0);
            const double s = abatimiento_theis(verdadero, 0.01, r, t * 60, 300 * 60) +
                             0.002 * std::sin(7.0 * i + r);
            texto += QStringLiteral("H%1\t%1\t%2\t%3\n")
                         .arg(r)
                         .arg(QString::fromStdString(number_to_text(std::round(t * 1000) / 1000)))
                         .arg(QString::fromStdString(number_to_text(std::round(s * 1e4) / 1e4)))
                         .replace(QLatin1Char('.'), QLatin1Char(','));
        }
    }
    return texto;
}

frmEnsayo* ventana(Prueba& t) {
    return t.v.ensayo;
}

QMdiSubWindow* marco(Prueba& t) {
    return qobject_cast<QMdiSubWindow*>(ventana(t)->parentWidget());
}

void abrir(Prueba& t) {
    control<QAction>(&t.v.principal, "accionEnsayo")->trigger();
}

template <typename T = QLineEdit>
T* de_ensayo(Prueba& t, const char* nombre) {
    return control<T>(ventana(t), nombre);
}

// The test pasted, its rate and stop typed: what a user does first.
void preparar(Prueba& t, const QString& fin = QStringLiteral("300")) {
    QApplication::clipboard()->setText(pegado());
    control<QAction>(de_ensayo<FlexGrid>(t, "tblMedidas"), "accionPegar")->trigger();
    de_ensayo(t, "txtCaudalEnsayo")->setText("0.01");
    de_ensayo(t, "txtFinBombeo")->setText(fin);
}

void metodo(Prueba& t, int k) {
    de_ensayo<QComboBox>(t, "cboMetodo")->setCurrentIndex(k);
}

void ajustar(Prueba& t) {
    pulsar(ventana(t), "cmdAjustar");
}

double T_ajustada(Prueba& t) {
    return leer_estricto(de_ensayo(t, "txtTAjustado")->text().toStdString()).valor;
}

void seleccionar_filas(Grid& g, int desde, int hasta) {
    g.selectCell(desde, 1);
    g.setRowSel(hasta);
    g.setColSel(4);
}

}  // namespace

class TestEnsayo : public QObject {
    Q_OBJECT
  private slots:
    // "Ensayo de bombeo…" in "Análisis" shows the one window of the test, over the aquifer
    // window; closed, it is hidden with all it holds, and the menu shows it again.
    void menuYVentana() {
        Prueba t;
        QMenu* analisis = t.v.principal.menuAnalisis();
        QCOMPARE(analisis->title(), QString("A&nálisis"));
        QAction* a = control<QAction>(&t.v.principal, "accionEnsayo");
        QCOMPARE(a->text(), QString("&Ensayo de bombeo…"));
        QVERIFY(analisis->actions().contains(a));
        QVERIFY(!ventana(t)->isVisible());
        abrir(t);
        QVERIFY(ventana(t)->isVisible());
        QCOMPARE(ventana(t)->windowTitle(), QString("Ensayo de bombeo"));
        QCOMPARE(t.v.principal.findChild<QMdiArea*>()->activeSubWindow(), marco(t));
        QVERIFY(marco(t)->geometry().intersects(
            qobject_cast<QWidget*>(t.v.caracteristicas->parentWidget())->geometry()));
        de_ensayo(t, "txtCaudalEnsayo")->setText("0.02");
        marco(t)->close();
        QVERIFY(!marco(t)->isVisible());
        QVERIFY(t.visible() == t.v.caracteristicas);
        abrir(t);
        QVERIFY(ventana(t)->isVisible());
        QCOMPARE(de_ensayo(t, "txtCaudalEnsayo")->text(), QString("0.02"));
    }

    // It stands aside while an input window shows, and comes back with the results; closed, it
    // stays closed.
    void seApartaComoLasCurvas() {
        Prueba t;
        t.hastaResultados();
        abrir(t);
        pulsar(t.v.resultados, "cmdAcuifero");
        QVERIFY(!marco(t)->isVisible());
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QVERIFY(t.visible() == t.v.resultados);
        QVERIFY(ventana(t)->isVisible());
        marco(t)->close();
        pulsar(t.v.resultados, "cmdAcuifero");
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QVERIFY(!marco(t)->isVisible());  // not even its empty frame
    }

    // Every control by its name, its texts as the program's, each label its box's buddy and
    // each control described by its name.
    void controles() {
        Prueba t;
        frmEnsayo* w = ventana(t);
        for (const char* nombre : {"txtCaudalEnsayo", "txtFinBombeo", "txtDesde", "txtHasta",
                                   "txtTAjustado", "txtSAjustado"}) {
            QLineEdit* caja = control<QLineEdit>(w, nombre);
            QCOMPARE(caja->accessibleDescription(), QString(nombre));
            bool con_etiqueta = false;
            for (QLabel* l : w->findChildren<QLabel*>()) con_etiqueta |= l->buddy() == caja;
            QVERIFY2(con_etiqueta, nombre);
        }
        QVERIFY(control<QLineEdit>(w, "txtTAjustado")->isReadOnly());
        auto* unidad = control<QComboBox>(w, "cboUnidadTiempo");
        QStringList unidades;
        for (int i = 0; i < unidad->count(); ++i) unidades << unidad->itemText(i);
        QCOMPARE(unidades, (QStringList{"s", "min", "h", "días"}));
        QCOMPARE(unidad->currentText(), QString("min"));
        auto* metodos = control<QComboBox>(w, "cboMetodo");
        QStringList nombres;
        for (int i = 0; i < metodos->count(); ++i) nombres << metodos->itemText(i);
        QCOMPARE(nombres, (QStringList{"Theis", "Cooper-Jacob", "Theis (recuperación)"}));
        QCOMPARE(control<QPushButton>(w, "cmdAjustar")->text(), QString("Ajustar"));
        QCOMPARE(control<QPushButton>(w, "cmdUsarEnEstudio")->text(),
                 QString("Usar en el estudio"));
        QVERIFY(!control<QPushButton>(w, "cmdUsarEnEstudio")->isEnabled());
        control<QLabel>(w, "lblAjuste");
        control<GraficoEnsayo>(w, "graficoEnsayo");
        const Grid& g = control<FlexGrid>(w, "tblMedidas")->grid();
        QCOMPARE(fila(g, 0),
                 QString("No.|  Piezómetro  | Distancia[m] |    Tiempo    | Abatimiento[m] "));
        QCOMPARE(encabezados_de(g), (std::vector<std::string>{"Piezómetro", "Distancia[m]",
                                                              "Tiempo", "Abatimiento[m]"}));
        QCOMPARE(menu([&] {
                     emit control<FlexGrid>(w, "tblMedidas")->customContextMenuRequested({5, 5});
                 }),
                 (QStringList{"accionCopiar", "accionPegar", "accionSeleccionarTodo",
                              "accionImportar", "accionExcluir", "accionIncluir"}));
        QCOMPARE(control<QAction>(w, "accionExcluir")->text(), QString("Excluir del ajuste"));
        QCOMPARE(control<QAction>(w, "accionIncluir")->text(), QString("Incluir en el ajuste"));
    }

    // What a spreadsheet copies: a header in the user's words or the table's, decimal commas;
    // a row that is not a reading pastes nothing and is named.
    void pegar_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("encabezado_propio_y_comas")
            << "Pozo;r (m);t (min);s (m)\nH30;30;0,5;0,14\nH90;90,5;1;0,02\n"
            << QStringList{"1|H30|30|0.5|0.14", "2|H90|90.5|1|0.02"} << QString();
        QTest::newRow("encabezado_de_la_tabla")
            << "Piezómetro\tDistancia[m]\tTiempo\tAbatimiento[m]\nH30\t30\t2\t0.3\n"
            << QStringList{"1|H30|30|2|0.3"} << QString();
        QTest::newRow("sin_encabezado") << "H30\t30\t2\t0.3\n"
                                        << QStringList{"1|H30|30|2|0.3"} << QString();
        QTest::newRow("un_abatimiento_que_no_es_numero")
            << "H30\t30\t2\t0.3\nH30\t30\t3\tseco\n"
            << QStringList{}
            << "Fila 2, columna 4 (Abatimiento[m]): «seco» no es un valor numérico.\n\nNo se ha "
               "pegado nada.";
    }
    void pegar() {
        QFETCH(QString, texto);
        QFETCH(QStringList, filas);
        QFETCH(QString, aviso);
        Prueba t;
        QApplication::clipboard()->setText(texto);
        control<QAction>(de_ensayo<FlexGrid>(t, "tblMedidas"), "accionPegar")->trigger();
        const Grid& g = ventana(t)->medidas();
        QStringList hay;
        for (int r = 1; r <= record_count(g); ++r) hay << fila(g, r);
        QCOMPARE(hay, filas);
        if (aviso.isEmpty()) {
            QVERIFY(t.dialogos.mostrados.empty());
        } else {
            QCOMPARE(t.dialogos.ultimo().texto, aviso);
            QCOMPARE(t.dialogos.ultimo().titulo, QString("Pegar medidas"));
        }
    }

    // "Importar…" reads a spreadsheet's readings as a paste reads them, after the table's, through
    // the one way in; a file refused is told, and nothing changes.
    void importar() {
        QTemporaryDir dir;
        const QString bueno = dir.filePath("medidas.csv");
        const QString malo = dir.filePath("malo.csv");
        for (const auto& [ruta, texto] :
             {std::pair{bueno,
                        QByteArray("Pozo;r (m);t (min);s (m)\nH30;30;0,5;0,14\nH30;30;1;0,2\n")},
              std::pair{malo, QByteArray("H30;30;0,5;0,14\nH30;treinta;1;0,2\n")}}) {
            QFile f(ruta);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(texto);
        }
        Prueba t;
        Prueba::agregar(ventana(t)->medidas(), {"H90", "90", "2", "0.05"});
        t.dialogos.archivos = {bueno, malo};
        auto* grid = de_ensayo<FlexGrid>(t, "tblMedidas");
        control<QAction>(grid, "accionImportar")->trigger();
        const Grid& g = ventana(t)->medidas();
        QCOMPARE(record_count(g), 3);
        QCOMPARE(fila(g, 2), QString("2|H30|30|0.5|0.14"));
        QCOMPARE(fila(g, 3), QString("3|H30|30|1|0.2"));
        QCOMPARE(t.dialogos.ultimo().titulo, QString("Importar medidas"));
        control<QAction>(grid, "accionImportar")->trigger();
        QCOMPARE(record_count(g), 3);
        QCOMPARE(t.dialogos.ultimo().tipo, Mostrado::mensaje);
        QVERIFY2(t.dialogos.ultimo().texto.contains("fila 2, columna 2 (Distancia[m]): «treinta»"),
                 qPrintable(t.dialogos.ultimo().texto));
    }

    // Each method on the test of two wells: Theis's curve gives T and S near the truth with its
    // figures; the straight lines give them per well; a refusal says why, and gives no number.
    void metodos_data() {
        QTest::addColumn<int>("metodo");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<bool>("conS");
        QTest::addColumn<QString>("dice");
        QTest::newRow("theis") << 0 << "300" << true << "con 24 medidas";
        QTest::newRow("cooper_jacob") << 1 << "300" << true << "«H90»: T = ";
        QTest::newRow("recuperacion") << 2 << "300" << false << "La recuperación no da S";
        QTest::newRow("recuperacion_sin_fin") << 2 << "" << false << "Falta el fin del bombeo";
    }
    void metodos() {
        QFETCH(int, metodo);
        QFETCH(QString, fin);
        QFETCH(bool, conS);
        QFETCH(QString, dice);
        Prueba t;
        abrir(t);
        preparar(t, fin);
        ::metodo(t, metodo);
        ajustar(t);
        const QString resumen = de_ensayo<QLabel>(t, "lblAjuste")->text();
        QVERIFY2(resumen.contains(dice), qPrintable(resumen));
        const bool ajusta = !fin.isEmpty();
        QCOMPARE(de_ensayo<QPushButton>(t, "cmdUsarEnEstudio")->isEnabled(), ajusta);
        QCOMPARE(t.dialogos.mostrados.size(), size_t(ajusta ? 0 : 1));
        if (!ajusta) {
            QCOMPARE(t.dialogos.ultimo().texto, resumen);
            QVERIFY(de_ensayo(t, "txtTAjustado")->text().isEmpty());
            return;
        }
        QVERIFY(std::fabs(T_ajustada(t) / verdadero.T - 1) < 0.05);
        QCOMPARE(de_ensayo(t, "txtSAjustado")->text().isEmpty(), !conS);
        const DibujoEnsayo& d = ventana(t)->analisis().dibujo;
        QCOMPARE(d.medidas.size(), size_t(2));
        QCOMPARE(d.curvas.size(), size_t(2));
        QCOMPARE(d.logaritmicoY, metodo == 0);
        QVERIFY(!d.residuos.empty());
        QCOMPARE(size_t(ventana(t)->grafico()->principal()->series().size()),
                 d.medidas.size() + d.curvas.size() + d.derivadas.size());
    }

    // The chart's menu copies it and saves it as the other charts are saved: PNG, SVG, PDF, each
    // with the readings above and the residuals below, titled as the chart.
    void guardarImagen() {
        QTemporaryDir dir;
        Prueba t;
        abrir(t);
        preparar(t);
        ajustar(t);
        auto* g = de_ensayo<GraficoEnsayo>(t, "graficoEnsayo");
        QCOMPARE(menu([&] {
                     emit g->customContextMenuRequested({5, 5});
                 }),
                 (QStringList{"accionCopiarImagen", "accionGuardarImagen"}));
        control<QAction>(g, "accionCopiarImagen")->trigger();
        QCOMPARE(QApplication::clipboard()->pixmap().size(), g->grab().size());
        for (const char* tipo : {"png", "svg", "pdf"}) {
            const QString ruta = dir.filePath(QStringLiteral("ensayo.") + tipo);
            t.dialogos.archivos = {ruta};
            control<QAction>(g, "accionGuardarImagen")->trigger();
            QCOMPARE(t.dialogos.ultimo().propuesto, QString("Ensayo de bombeo- Theis.png"));
            QVERIFY2(QFileInfo(ruta).size() > 1000, tipo);
        }
        const QImage png(dir.filePath("ensayo.png"));
        QCOMPARE(png.size(), g->size() * 2);
        QFile svg(dir.filePath("ensayo.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray texto = svg.readAll();
        QVERIFY(texto.contains("Residuos") && texto.contains("Ensayo de bombeo: Theis"));
    }

    // Readings left out are greyed and out of the fit, which follows at once; put back, the fit
    // is the first again. Leaving them out is a change of the study, kept in its file.
    void excluirCambiaElAjuste() {
        Prueba t;
        abrir(t);
        preparar(t);
        ajustar(t);
        const double antes = T_ajustada(t);
        const QString resumen = de_ensayo<QLabel>(t, "lblAjuste")->text();
        auto* grid = de_ensayo<FlexGrid>(t, "tblMedidas");
        Grid& g = ventana(t)->medidas();
        const QVariant normal = grid->model()->data(grid->model()->index(1, 0), Qt::ForegroundRole);
        seleccionar_filas(g, 2, 3);
        t.v.principal.mostrarEstudio("e.abat", false);  // a study file in use shows the mark
        control<QAction>(grid, "accionExcluir")->trigger();
        QVERIFY(ventana(t)->excluida(2) && ventana(t)->excluida(3) && !ventana(t)->excluida(4));
        for (int fila : {1, 2}) {
            QVERIFY(grid->model()->data(grid->model()->index(fila, 0), Qt::ForegroundRole) !=
                    normal);
            QCOMPARE(grid->model()
                         ->data(grid->model()->index(fila, 2), Qt::AccessibleDescriptionRole)
                         .toString(),
                     QString("Excluida del ajuste"));
        }
        QCOMPARE(grid->model()->data(grid->model()->index(3, 0), Qt::ForegroundRole), normal);
        QVERIFY(T_ajustada(t) != antes);
        QVERIFY(de_ensayo<QLabel>(t, "lblAjuste")->text().contains("con 22 medidas"));
        QCOMPARE(ventana(t)->analisis().dibujo.excluidas.puntos.size(), size_t(2));
        QVERIFY(t.p.estudios.modificado());
        const Estudio e = t.p.estudios.entradas();
        QVERIFY(!e.ensayo.medidas[0].excluida && e.ensayo.medidas[1].excluida &&
                e.ensayo.medidas[2].excluida);
        control<QAction>(grid, "accionIncluir")->trigger();
        QCOMPARE(T_ajustada(t), antes);
        QCOMPARE(de_ensayo<QLabel>(t, "lblAjuste")->text(), resumen);
    }

    // A reading removed takes its mark with it: the rows below keep theirs.
    void quitarMedidaConservaLasMarcas() {
        Prueba t;
        preparar(t);
        Grid& g = ventana(t)->medidas();
        seleccionar_filas(g, 3, 3);
        ventana(t)->excluirSeleccion(true);
        t.dialogos.respuestas = {"2"};
        t.dialogos.si = {true};
        pulsar(ventana(t), "cmdQuitarMedida");
        QCOMPARE(record_count(g), 23);
        QVERIFY(!ventana(t)->excluida(1) && ventana(t)->excluida(2) && !ventana(t)->excluida(3));
    }

    // "Usar en el estudio" writes T and S into the aquifer's boxes as the program writes
    // numbers, and the results shown are computed again with them.
    void usarEnElEstudio() {
        Prueba t;
        t.hastaResultados();
        const std::string antes = t.resultado(1, 2);
        abrir(t);
        preparar(t);
        ajustar(t);
        const AnalisisEnsayo a = ventana(t)->analisis();
        pulsar(ventana(t), "cmdUsarEnEstudio");
        QCOMPARE(t.caja("txtT")->text(), QString::fromStdString(number_to_text(a.acuifero->T)));
        QCOMPARE(t.caja("txtS")->text(), QString::fromStdString(number_to_text(a.acuifero->S)));
        QCOMPARE(t.p.d.T, a.acuifero->T);
        QVERIFY(t.visible() == t.v.resultados);
        QVERIFY(t.resultado(1, 2) != antes);
        QVERIFY(ventana(t)->isVisible());  // it came back with the results
        QVERIFY(t.p.estudios.modificado());
        // The recovery gives no S: the aquifer keeps its own.
        metodo(t, 2);
        const QString S = t.caja("txtS")->text();
        pulsar(ventana(t), "cmdUsarEnEstudio");
        QCOMPARE(t.caja("txtS")->text(), S);
        QCOMPARE(t.caja("txtT")->text(), de_ensayo(t, "txtTAjustado")->text());
    }

    // The test is part of the study: saved, and opened again, the window shows it as it was;
    // "Nuevo" empties it.
    void parteDelEstudio() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("ensayo.abat");
        {
            Prueba t;
            preparar(t);
            de_ensayo<QComboBox>(t, "cboUnidadTiempo")->setCurrentText("h");
            seleccionar_filas(ventana(t)->medidas(), 5, 5);
            ventana(t)->excluirSeleccion(true);
            t.dialogos.archivos = {ruta};
            control<QAction>(&t.v.principal, "accionGuardarComo")->trigger();
        }
        const LecturaEstudio l = abrir_estudio(ruta.toStdString());
        QVERIFY(l.estudio);
        QCOMPARE(l.estudio->ensayo.unidad_tiempo, std::string("h"));
        QCOMPARE(l.estudio->ensayo.medidas.size(), size_t(24));
        QVERIFY(l.estudio->ensayo.medidas[4].excluida);
        Prueba t(ruta);
        QCOMPARE(de_ensayo<QComboBox>(t, "cboUnidadTiempo")->currentText(), QString("h"));
        QCOMPARE(de_ensayo(t, "txtCaudalEnsayo")->text(), QString("0.01"));
        QVERIFY(ventana(t)->excluida(5));
        const QString primera = pegado().split('\n')[1];  // as pasted, the comma a point
        QCOMPARE(fila(ventana(t)->medidas(), 1),
                 "1|" + QString(primera).replace('\t', '|').replace(',', '.'));
        QVERIFY(!t.p.estudios.modificado());
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QCOMPARE(record_count(ventana(t)->medidas()), 0);
        QCOMPARE(de_ensayo<QComboBox>(t, "cboUnidadTiempo")->currentText(), QString("min"));
        QVERIFY(!ventana(t)->excluida(5));
    }
};

QTEST_MAIN(TestEnsayo)
#include "test_ensayo.moc"
