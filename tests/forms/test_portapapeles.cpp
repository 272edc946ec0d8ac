// The tables and the chart through the clipboard: the context menus and what they reach.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QtTest>

#include "dialogos_guionados.h"
#include "flex_grid.h"
#include "frmCoordAbat.h"
#include "frmNoPozos.h"
#include "frmResultados.h"
#include "tablas.h"

using namespace abat;
using namespace abat::prueba;

namespace {

void accion(QWidget* w, const char* nombre) {
    auto* a = w->findChild<QAction*>(nombre);
    QVERIFY2(a != nullptr, nombre);
    a->trigger();
}

// The entries of the context menu that `abrir` opens, read while it shows.
QStringList entradas_del_menu(const std::function<void()>& abrir) {
    QStringList textos;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* a : menu->actions()) textos << a->text();
        menu->close();
    });
    abrir();
    return textos;
}

}  // namespace

class TestPortapapeles : public QObject {
    Q_OBJECT
  private slots:
    // Paste appends numbered records; a bad cell pastes nothing and names row, column and text.
    void pegarPozos() {
        DialogosGuionados dialogos;
        frmNoPozos f(dialogos);
        Grid& g = f.pozos();
        QApplication::clipboard()->setText("P1\t0,3\t0,05\t100\t0\nP2\t0.3\t2e-2\t-100\t0\n");
        accion(&f, "accionPegar");
        accion(&f, "accionPegar");
        QCOMPARE(g.Rows(), 6);
        QCOMPARE(fila(g, 1), QString("1|P1|0.3|0.05|100|0"));
        QCOMPARE(fila(g, 4), QString("4|P2|0.3|0.02|-100|0"));
        QVERIFY(dialogos.mostrados.empty());

        QApplication::clipboard()->setText("P3\t1\t1\t1\t1\nP4\t1\tabc\t1\t1\n");
        accion(&f, "accionPegar");
        QCOMPARE(g.Rows(), 6);
        QCOMPARE(dialogos.ultimo().titulo, QString("Pegar pozos"));
        QCOMPARE(dialogos.ultimo().texto,
                 QString("Fila 2, columna 3 (Gasto[m3/s]): «abc» no es un valor numérico.\n\n"
                         "No se ha pegado nada."));

        // A cell of 2,000 words is quoted on one line and cut short: the box fits the screen.
        QApplication::clipboard()->setText("P\t1\t1\t1\t4" + QString(" palabra").repeated(2000));
        accion(&f, "accionPegar");
        QVERIFY(dialogos.ultimo().texto.contains("«4 palabra palabra"));
        QVERIFY(dialogos.ultimo().texto.contains("…»"));
        QVERIFY(dialogos.ultimo().texto.size() < 200);
        QCOMPARE(dialogos.ultimo().texto.count('\n'), 2);
    }

    // Copy of everything, of a selection, and the menus of each table; on the points window
    // the same menu pastes points.
    void copiarYMenus() {
        DialogosGuionados dialogos;
        frmCoordAbat f(dialogos);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* grid = f.findChild<FlexGrid*>("MSFlexGrid1");
        QApplication::clipboard()->setText(
            "Nombre;Coordenada x [m];Coordenada y [m]\nA;1,5;2\nB;3;4");
        const QStringList menu =
            entradas_del_menu([&] { QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier); });
        QCOMPARE(menu, (QStringList{"Copiar", "Pegar", "Seleccionar todo"}));
        accion(&f, "accionPegar");
        QCOMPARE(f.puntos().Rows(), 4);

        accion(&f, "accionCopiar");
        QCOMPARE(
            QApplication::clipboard()->text(),
            QString("No.\tNombre\tCoordenada x [m]\tCoordenada y [m]\n1\tA\t1.5\t2\n2\tB\t3\t4\n"));
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<table><tr><th>No."));
        accion(&f, "accionSeleccionarTodo");
        QCOMPARE(f.puntos().Row(), 1);
        QCOMPARE(f.puntos().RowSel(), 2);
        QCOMPARE(f.puntos().ColSel(), 3);
    }

    // The results: read-only, Ctrl+C and Ctrl+A on the table; the chart's picture copied whole.
    void resultados() {
        frmResultados f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        Grid& g = f.resultados();
        g.setCols(3);
        g.setFormatString("^ No. |^ Punto |^ Abatimiento Total[m] ");
        g.setRows(3);
        g.setTextMatrix(1, 0, "1");
        g.setTextMatrix(1, 1, "A");
        g.setTextMatrix(1, 2, "2.7367");
        auto* grid = f.findChild<FlexGrid*>("MSFlexGrid1");
        grid->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("No.\tPunto\tAbatimiento Total[m]\n1\tA\t2.7367\n"));
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(g.RowSel(), 1);
        QCOMPARE(g.ColSel(), 2);
        QCOMPARE(entradas_del_menu([&] { QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier); }),
                 (QStringList{"Copiar", "Seleccionar todo"}));

        QPixmap dibujo(785, 465);
        dibujo.fill(Qt::red);
        f.mostrarGrafico(dibujo);
        auto* imagen = f.findChild<QLabel*>("Image1");
        QCOMPARE(
            entradas_del_menu([&] { emit imagen->customContextMenuRequested(QPoint(10, 10)); }),
            QStringList{"Copiar imagen"});
        accion(&f, "accionCopiarImagen");
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(785, 465));
    }
};

QTEST_MAIN(TestPortapapeles)
#include "test_portapapeles.moc"
