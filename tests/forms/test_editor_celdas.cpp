// Editing cells in place on the wells and points windows.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "dialogos_guionados.h"
#include "filas.h"
#include "flex_grid.h"
#include "frmCoordAbat.h"
#include "frmNoPozos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

void llenar(Grid& g, int registros) {
    for (int i = 0; i < registros; ++i) {
        const int r = append_record(g);
        for (int c = 1; c < g.Cols(); ++c) g.setTextMatrix(r, c, "0.5");
    }
}

struct Ventana {
    FlexGrid* grid;
    QLineEdit* caja;
};

template <typename F>
Ventana controles(F& f) {
    return {f.template findChild<FlexGrid*>("MSFlexGrid1"),
            f.template findChild<QLineEdit*>("txtCellEditor")};
}

// A table window on screen, its table holding `registros` records with "0.5" in every cell.
template <typename F>
struct Abierta {
    DialogosGuionados dialogos;
    F f{dialogos};
    Ventana v = controles(f);

    explicit Abierta(int registros) {
        llenar(tabla(), registros);
        f.show();
    }
    Grid& tabla() {
        if constexpr (std::is_same_v<F, frmNoPozos>) {
            return f.pozos();
        } else {
            return f.puntos();
        }
    }
};

QPoint centro(FlexGrid* grid, int fila, int col) {
    return grid->visualRect(grid->gridModel()->indexOfCell(fila, col)).center();
}

void doble_clic(FlexGrid* grid, int fila, int col) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centro(grid, fila, col));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centro(grid, fila, col));
}

}  // namespace

class TestEditorCeldas : public QObject {
    Q_OBJECT

    // The box lies exactly over the current cell, one pixel smaller, in its own container.
    static void sobreLaCelda(const Ventana& v) {
        const QRect celda = v.grid->visualRect(v.grid->currentIndex());
        const QPoint esquina = v.grid->viewport()->mapTo(v.caja->parentWidget(), celda.topLeft());
        QCOMPARE(v.caja->geometry(), QRect(esquina, QSize(celda.width() - 1, celda.height() - 1)));
    }

  private slots:
    void dobleClicYTeclas() {
        Abierta<frmNoPozos> a(3);
        QVERIFY(QTest::qWaitForWindowActive(&a.f));
        const Ventana& v = a.v;
        Grid& g = a.tabla();

        doble_clic(v.grid, 2, 3);
        QVERIFY(v.caja->isVisible());
        QVERIFY(v.caja->hasFocus());
        QCOMPARE(v.caja->text(), QString("0.5"));
        sobreLaCelda(v);
        QTest::keyClick(v.caja, Qt::Key_Return);
        QVERIFY(!v.caja->isVisible());
        QCOMPARE(g.TextMatrix(2, 3), std::string("0.5"));

        // A typed character replaces the text; Escape drops the edit.
        v.grid->setFocus();
        QTest::keyClick(v.grid, '7');
        QCOMPARE(v.caja->text(), QString("7"));
        QCOMPARE(v.caja->cursorPosition(), 1);
        QTest::keyClick(v.caja, Qt::Key_Escape);
        QCOMPARE(g.TextMatrix(2, 3), std::string("0.5"));
        QVERIFY(!v.caja->isVisible());

        v.grid->setFocus();
        QTest::keyClick(v.grid, '7');
        QTest::keyClicks(v.caja, "5 m");
        QTest::keyClick(v.caja, Qt::Key_Enter);
        QCOMPARE(g.TextMatrix(2, 3), std::string("75 m"));

        // Enter on the grid opens the box on the cell's own text; an emptied box stores "".
        v.grid->setFocus();
        QTest::keyClick(v.grid, Qt::Key_Return);
        QCOMPARE(v.caja->text(), QString("75 m"));
        v.caja->clear();
        QTest::keyClick(v.caja, Qt::Key_Return);
        QCOMPARE(g.TextMatrix(2, 3), std::string());

        // A character beyond 16 bits is stored whole.
        const QString gota = QString::fromUtf8("\U0001F4A7");
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, gota);
        QApplication::sendEvent(v.grid, &tecla);
        QCOMPARE(v.caja->text(), gota);
        QTest::keyClick(v.caja, Qt::Key_Return);
        QCOMPARE(g.TextMatrix(2, 3), std::string("\U0001F4A7"));

        // The header of the number column is a header cell like the others.
        const QImage esquina = v.grid->findChild<QAbstractButton*>()->grab().toImage();
        QCOMPARE(esquina.pixelColor(2, 2), QGuiApplication::palette().button().color());
    }

    void dejarLaCajaGuardaAntesDelBoton() {
        Abierta<frmNoPozos> a(1);
        QVERIFY(QTest::qWaitForWindowActive(&a.f));
        const Ventana& v = a.v;
        doble_clic(v.grid, 1, 1);
        QTest::keyClicks(v.caja, "Norte");
        std::string nombreAlAgregar;
        a.dialogos.alAbrir = [&] {
            if (nombreAlAgregar.empty()) nombreAlAgregar = a.f.pozos().TextMatrix(1, 1);
        };
        a.dialogos.respuestas = {"P2", "1", "1", "1", "1"};
        QTest::mouseClick(a.f.findChild<QPushButton*>("cmdAgregar"), Qt::LeftButton);
        QCOMPARE(nombreAlAgregar, std::string("0.5Norte"));
        QVERIFY(!v.caja->isVisible());
        QCOMPARE(a.f.pozos().Rows(), 4);
    }

    void filaVaciaBloquea() {
        Abierta<frmCoordAbat> a(2);
        QVERIFY(QTest::qWaitForWindowActive(&a.f));
        const Ventana& v = a.v;
        Grid& g = a.tabla();

        doble_clic(v.grid, 3, 1);  // the empty last row
        QVERIFY(!v.caja->isVisible());
        v.grid->setFocus();
        QTest::keyClick(v.grid, 'x');
        QVERIFY(!v.caja->isVisible());
        QCOMPARE(g.TextMatrix(3, 1), std::string());

        // A selection from a record down into the empty last row blocks too.
        g.selectCell(2, 2);
        g.setRowSel(3);
        QTest::keyClick(v.grid, 'x');
        QVERIFY(!v.caja->isVisible());

        // The current cell in the last row, the selection's far row a record: the box opens there
        // and Enter writes into the empty last row.
        g.selectCell(3, 2);
        g.setRowSel(2);
        QTest::keyClick(v.grid, '9');
        QVERIFY(v.caja->isVisible());
        sobreLaCelda(v);  // on this window the box lies on the window, the grid in a frame
        QTest::keyClick(v.caja, Qt::Key_Return);
        QCOMPARE(g.TextMatrix(3, 2), std::string("9"));
    }

    // As the user makes them: Shift+Down from the last record, or a drag from it, into the empty
    // last row; the character typed then is dropped and no cell changes.
    void seleccionHastaLaFilaVaciaBloquea() {
        Abierta<frmNoPozos> a(2);
        QVERIFY(QTest::qWaitForWindowActive(&a.f));
        const Ventana& v = a.v;
        Grid& g = a.tabla();

        QTest::mouseClick(v.grid->viewport(), Qt::LeftButton, {}, centro(v.grid, 2, 1));
        QTest::keyClick(v.grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(g.Row(), 2);
        QCOMPARE(g.RowSel(), 3);
        QTest::keyClick(v.grid, 'x');
        QVERIFY(!v.caja->isVisible());

        QTest::mousePress(v.grid->viewport(), Qt::LeftButton, {}, centro(v.grid, 2, 2));
        QTest::mouseMove(v.grid->viewport(), centro(v.grid, 3, 2));
        QTest::mouseRelease(v.grid->viewport(), Qt::LeftButton, {}, centro(v.grid, 3, 2));
        QCOMPARE(g.RowSel(), 3);
        QTest::keyClick(v.grid, 'x');
        QVERIFY(!v.caja->isVisible());
        for (int c = 0; c < g.Cols(); ++c) QCOMPARE(g.TextMatrix(3, c), std::string());
    }

    void alActivarElFocoVaAlBotonAgregar() {
        DialogosGuionados dialogos;
        frmCoordAbat f(dialogos);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.findChild<QLineEdit*>("txtTiempo")->setFocus();
        f.Form_Activate();
        QVERIFY(f.findChild<QPushButton*>("cmdAgregar")->hasFocus());
    }
};

QTEST_MAIN(TestEditorCeldas)
#include "test_editor_celdas.moc"
