// The aquifer window and the time box: what typing leaves in them and what "Siguiente" checks.

#include <QImageReader>
#include <QLegendMarker>

#include "adaptadores/flex_grid.h"
#include "forms/frmCaracteristicas.h"
#include "forms/frmCoordAbat.h"
#include "forms/frmCurvaTiempo.h"
#include "forms/frmNoPozos.h"
#include "forms/frmResultados.h"
#include "model/filas.h"
#include "model/numeros.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"

using namespace abat;
using namespace abat::prueba;

class TestFormularios : public QObject {
    Q_OBJECT
  private slots:
    // Typing goes through the boxes' filters; Enter moves the focus on without pressing the
    // button, and Enter on the button presses it. Only an empty box stops the window; what the
    // boxes hold is stored by the leading-number rule.
    void acuifero() {
        Declaraciones d;
        DialogosGuionados dialogos;
        frmCaracteristicas f(d, dialogos);
        QSignalSpy aceptado(&f, &frmCaracteristicas::aceptado);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* txtT = control<QLineEdit>(&f, "txtT");
        txtT->setFocus();
        QTest::keyClicks(txtT, "2,5x");  // the comma as the point
        QTest::keyClick(txtT, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "x ");  // into txtS, where neither goes
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QVERIFY(f.cmdSiguiente()->hasFocus());
        QTest::keyClick(f.cmdSiguiente(), Qt::Key_Return);
        QCOMPARE(dialogos.mostrados.size(), size_t{1});  // txtS is empty
        QCOMPARE(d.T, 0.0);
        QCOMPARE(aceptado.count(), 0);
        control<QLineEdit>(&f, "txtS")->setText(" ");  // blanks are not empty: read as 0
        QTest::keyClick(f.cmdSiguiente(), Qt::Key_Return);
        QCOMPARE(d.T, 2.5);
        QCOMPARE(d.S, 0.0);
        QCOMPARE(aceptado.at(0).at(0).value<Modo>(), Modo::primera_pasada);
    }

    // The wells window needs a well; the points window a point and a time, whatever its
    // caption; Enter in the time box goes to the button.
    void tablasYTiempo() {
        DialogosGuionados dialogos;
        frmNoPozos pozos(dialogos);
        QSignalSpy pozosAceptados(&pozos, &frmNoPozos::aceptado);
        pulsar(&pozos, "cmdSiguiente");
        append_record(pozos.pozos());
        pulsar(&pozos, "cmdSiguiente");
        QCOMPARE(dialogos.mostrados.size(), size_t{1});
        QCOMPARE(pozosAceptados.count(), 1);
        frmCoordAbat puntos(dialogos);
        QSignalSpy puntosAceptados(&puntos, &frmCoordAbat::aceptado);
        puntos.show();
        QVERIFY(QTest::qWaitForWindowActive(&puntos));
        append_record(puntos.puntos());
        pulsar(&puntos, "cmdSiguiente");  // no time
        auto* tiempo = control<QLineEdit>(&puntos, "txtTiempo");
        tiempo->setFocus();
        QTest::keyClicks(tiempo, "12.5");
        QTest::keyClick(tiempo, Qt::Key_Return);
        QVERIFY(puntos.cmdSiguiente()->hasFocus());
        puntos.cmdSiguiente()->setText("Otra cosa");
        pulsar(&puntos, "cmdSiguiente");
        QCOMPARE(dialogos.mostrados.size(), size_t{2});
        QCOMPARE(puntosAceptados.count(), 1);
    }

    // A point's row of the results asks for its curve, from the table's menu and by a double
    // click; the empty last row does not.
    void resultadosPidenLaCurva() {
        frmResultados r;
        r.show();
        Grid& g = r.resultados();
        g.setCols(4);
        g.setRows(4);
        g.setTextMatrix(1, 1, "A");
        g.setTextMatrix(2, 1, "B");
        QSignalSpy pedida(&r, &frmResultados::curvaPedida);
        for (const int fila : {2, 3}) {
            g.selectCell(fila, 1);
            control<QAction>(&r, "accionCurvaTiempo")->trigger();
        }
        auto* grid = control<FlexGrid>(&r, "MSFlexGrid1");
        const QPoint celda = grid->visualRect(grid->model()->index(0, 2)).center();  // row 1
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, celda);
        QCOMPARE(pedida, (QList<QList<QVariant>>{{2}, {1}}));
    }

    // The curve's window: the data copied as a table; the picture saved, under the chart's title,
    // as PNG at twice its size, SVG, JPEG by its name's extension; a path that cannot be written
    // is error 75 with its path and the system's cause, and leaves no temporary file.
    void curvaCopiaYGuarda() {
        const DatosCalculo datos{
            {0.01, 0.0002}, 1, {{"P1", 0.3, leer_estricto("0.05"), 100, 0}}, {}};
        DialogosGuionados dialogos;
        frmCurvaTiempo w(contenido_curva(curva_tiempo(datos, 0, 0), "A/B", datos.pozos), dialogos);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        control<QAction>(&w, "accionCopiarDatos")->trigger();
        const QStringList lineas =
            QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lineas.size(), 202);
        QCOMPARE(lineas[151], QString("1\t2.7367\t2.7367"));

        const QTemporaryDir dir;
        QDir carpeta(dir.path());
        for (const char* nombre : {"c.png", "c.svg", "c.jpg", "falta/c.png"}) {
            dialogos.archivos.push_back(carpeta.filePath(nombre));
            control<QAction>(&w, "accionGuardarImagen")->trigger();
        }
        QCOMPARE(dialogos.mostrados[0].propuesto, QString("Abatimiento en el punto A-B.png"));
        const QSize vista = control<QWidget>(&w, "graficoTiempo")->size();
        QCOMPARE(QImage(carpeta.filePath("c.png")).size(), vista * 2);
        QCOMPARE(QImageReader(carpeta.filePath("c.jpg")).format(), QByteArray("jpeg"));
        const Mostrado& error = dialogos.ultimo();
        QVERIFY2(
            error.texto.startsWith("Se ha producido el error '75' al guardar la imagen") &&
                error.texto.endsWith(carpeta.filePath("falta/c.png") + ": No existe el directorio"),
            qPrintable(error.texto));
        QCOMPARE(carpeta.entryList(QDir::Files), (QStringList{"c.jpg", "c.png", "c.svg"}));
    }

    // Beyond ten wells the legend lists the total and the mark first, which a small window never
    // drops, then the ten largest shares at the pumping time, largest first, each with its value
    // and "Otros N pozos" with the others' sum.
    void leyendaDeLaCurva() {
        DatosCalculo datos{{0.01, 0.0002}, 1, {}, {}};
        for (int k = 0; k < 12; ++k) {  // further and further, one injecting
            datos.pozos.push_back({"W" + std::to_string(k), 0.3,
                                   leer_estricto(k == 4 ? "-0.2" : "0.02"), 40.0 * (k + 1), 0});
        }
        const CurvaTiempo curva = curva_tiempo(datos, 0, 0);
        frmCurvaTiempo w(contenido_curva(curva, "A", datos.pozos), dialogos_);
        QStringList nombres;  // as the legend lists them
        for (QLegendMarker* m : w.grafico()->legend()->markers())
            if (m->isVisible()) nombres << m->label();
        const auto metros = [&](double v) {
            return QString::fromStdString(number_to_text(v)) + " m";
        };
        const auto en_bombeo = [&](size_t k) { return curva.partes[k][curva.tiempos.bombeo]; };
        QCOMPARE(nombres.size(), 2 + 10 + 1);
        QCOMPARE(nombres.mid(0, 4),
                 (QStringList{
                     "Abatimiento total", "A 1 día: " + metros(curva.total[curva.tiempos.bombeo]),
                     "Pozo W4: " + metros(en_bombeo(4)), "Pozo W0: " + metros(en_bombeo(0))}));
        QCOMPARE(nombres.back(), "Otros 2 pozos: " + metros(en_bombeo(10) + en_bombeo(11)));
    }

  private:
    DialogosGuionados dialogos_;
};

QTEST_MAIN(TestFormularios)
#include "test_formularios.moc"
