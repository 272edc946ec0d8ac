// The aquifer window and the time box: what typing leaves in them and what "Siguiente" checks.

#include <QSvgRenderer>
#include <QXYSeries>

#include "controles.h"
#include "dialogos_guionados.h"
#include "filas.h"
#include "filtro_caracteres.h"
#include "flex_grid.h"
#include "frmCaracteristicas.h"
#include "frmCoordAbat.h"
#include "frmCurvaTiempo.h"
#include "frmNoPozos.h"
#include "frmResultados.h"

using namespace abat;
using namespace abat::prueba;

class TestFormularios : public QObject {
    Q_OBJECT
  private slots:
    // Every 16-bit character: the aquifer boxes take digits, signs, the point and the exponent
    // letters; the time box digits and the point; both Backspace. A cell takes all but control
    // codes and line separators.
    void filtrosDeCaracteres() {
        for (int i = 0; i <= 0xFFFF; ++i) {
            const auto c = static_cast<char16_t>(i);
            const bool digito = c >= u'0' && c <= u'9';
            const bool otro = c == u'+' || c == u'-' || c == u'E' || c == u'e';
            QCOMPARE(admitido_en_acuifero(c), digito || otro || c == u'.' || c == 8);
            QCOMPARE(admitido_en_tiempo(c), digito || c == u'.' || c == 8);
            QCOMPARE(cabe_en_celda(c), c > 159 ? c != 0x2028 && c != 0x2029 : c >= 32 && c < 127);
        }
    }

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
        QTest::keyClicks(txtT, "2,5x");
        QTest::keyClick(txtT, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "x ");  // into txtS, where neither goes
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QVERIFY(f.cmdSiguiente()->hasFocus());
        QTest::keyClick(f.cmdSiguiente(), Qt::Key_Return);
        QCOMPARE(dialogos.mostrados.size(), size_t{1});  // txtS is empty
        QCOMPARE(std::tuple(d.T, aceptado.count()), std::tuple(0.0, 0));
        control<QLineEdit>(&f, "txtS")->setText(" ");  // blanks are not empty: read as 0
        QTest::keyClick(f.cmdSiguiente(), Qt::Key_Return);
        QCOMPARE(std::tuple(d.T, d.S, aceptado.at(0).at(0).value<Modo>()),
                 std::tuple(25.0, 0.0, Modo::primera_pasada));
    }

    // The time box filters what is typed and pasted, Enter goes to the button, and its label names
    // it. The wells window needs a well; the points window a point and a time, whatever its
    // caption.
    void tablasYTiempo() {
        DialogosGuionados dialogos;
        frmNoPozos pozos(dialogos);
        QSignalSpy pozosAceptados(&pozos, &frmNoPozos::aceptado);
        pulsar(&pozos, "cmdSiguiente");
        QCOMPARE(dialogos.mostrados.size(), size_t{1});
        append_record(pozos.pozos());
        pulsar(&pozos, "cmdSiguiente");
        QCOMPARE(pozosAceptados.count(), 1);

        frmCoordAbat puntos(dialogos);
        QSignalSpy puntosAceptados(&puntos, &frmCoordAbat::aceptado);
        puntos.show();
        QVERIFY(QTest::qWaitForWindowActive(&puntos));
        append_record(puntos.puntos());
        pulsar(&puntos, "cmdSiguiente");  // no time
        QCOMPARE(std::tuple(dialogos.mostrados.size(), puntosAceptados.count()),
                 std::tuple(size_t{2}, 0));
        auto* tiempo = control<QLineEdit>(&puntos, "txtTiempo");
        QCOMPARE(control<QLabel>(&puntos, "Label1")->buddy(), tiempo);
        tiempo->setFocus();
        QTest::keyClicks(tiempo, "12-e,+ .5");
        for (const char* pegado : {"1.2.3abc\t2\n3", "\b", "0"}) {  // only what keys could type
            QApplication::clipboard()->setText(pegado);
            tiempo->paste();  // as the box's own menu does
        }
        QCOMPARE(tiempo->text(), QString("12.50"));
        QTest::keyClick(tiempo, Qt::Key_Return);
        QVERIFY(puntos.cmdSiguiente()->hasFocus());
        puntos.cmdSiguiente()->setText("Otra cosa");
        pulsar(&puntos, "cmdSiguiente");
        QCOMPARE(std::tuple(dialogos.mostrados.size(), puntosAceptados.count()),
                 std::tuple(size_t{2}, 1));
    }

    // A point's row of the results asks for its curve, from the table's menu and by a double
    // click; the empty last row does not.
    void resultadosPidenLaCurva() {
        frmResultados r;
        r.show();
        Grid& g = r.resultados();
        g.setCols(4);
        g.setRows(4);
        for (int j = 1; j <= 2; ++j) g.setTextMatrix(j, 1, j == 1 ? "A" : "B");
        QSignalSpy pedida(&r, &frmResultados::curvaPedida);
        for (const int fila : {2, 3}) {
            g.selectCell(fila, 1);
            control<QAction>(&r, "accionCurvaTiempo")->trigger();
        }
        auto* grid = control<FlexGrid>(&r, "MSFlexGrid1");
        const QPoint celda = grid->visualRect(grid->model()->index(0, 2)).center();  // row 1
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, celda);
        QCOMPARE(pedida.size(), 2);
        QCOMPARE(std::pair(pedida[0][0].toInt(), pedida[1][0].toInt()), std::pair(2, 1));
    }

    // The curve's window: the mark at the pumping time on the total, the data copied as a table,
    // the picture saved as PNG at twice its size, SVG and PDF, each file whole; a path that cannot
    // be written is error 75 and leaves no temporary file behind.
    void curvaCopiaYGuarda() {
        const DatosCalculo datos{0.01, 0.0002, 1, {{"P1", 0.3, 100, 0, leer_estricto("0.05")}}, {}};
        DialogosGuionados dialogos;
        std::vector<ErrorCalculo> errores;
        frmCurvaTiempo w(contenido_curva(curva_tiempo(datos, 0, 0), "A", datos.pozos), dialogos,
                         [&](const ErrorCalculo& e) { errores.push_back(e); });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto series = w.grafico()->series();
        QCOMPARE(series.size(), 3);  // the well's share, the total, the mark
        const auto* marca = qobject_cast<QXYSeries*>(series.back());
        QCOMPARE(marca->points(), QList<QPointF>{QPointF(1, 2.7367)});

        control<QAction>(&w, "accionCopiarDatos")->trigger();
        const QStringList lineas =
            QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lineas.size(), 202);
        QCOMPARE(lineas[151], QString("1\t2.7367\t2.7367"));

        const QTemporaryDir dir;
        QDir carpeta(dir.path());
        carpeta.mkdir("carpeta.png");  // a folder where the file should go: cannot be written
        for (const char* nombre : {"c.png", "c.svg", "c.pdf", "carpeta.png"}) {
            dialogos.archivos.push_back(carpeta.filePath(nombre));
            control<QAction>(&w, "accionGuardarImagen")->trigger();
        }
        const QSize vista = control<QWidget>(&w, "graficoTiempo")->size();
        QCOMPARE(QImage(carpeta.filePath("c.png")).size(), vista * 2);
        QVERIFY(QSvgRenderer(carpeta.filePath("c.svg")).isValid());
        QFile pdf(carpeta.filePath("c.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll().trimmed();
        QVERIFY(bytes.startsWith("%PDF") && bytes.endsWith("%%EOF"));
        QCOMPARE(errores.size(), size_t{1});
        QCOMPARE(std::pair(errores[0].numero(), errores[0].ruta),
                 std::pair(75, carpeta.filePath("carpeta.png").toStdString()));
        QCOMPARE(carpeta.entryList(QDir::Files), (QStringList{"c.pdf", "c.png", "c.svg"}));
    }
};

QTEST_MAIN(TestFormularios)
#include "test_formularios.moc"
