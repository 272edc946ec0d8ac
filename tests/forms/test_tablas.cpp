// The wells and points tables: the add and remove commands, editing cells in place, and the
// clipboard.
#include "adaptadores/flex_grid.h"
#include "forms/frmCoordAbat.h"
#include "forms/frmNoPozos.h"
#include "model/filas.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// A table window on screen, its table holding `registros` records with "0.5" in every cell.
template <typename F>
struct Abierta {
    DialogosGuionados dialogos;
    F f{dialogos};
    Grid& g = f.tabla();
    FlexGrid* grid = control<FlexGrid>(&f, "MSFlexGrid1");
    QLineEdit* caja = control<QLineEdit>(&f, "txtCellEditor");

    explicit Abierta(int registros) {
        for (int i = 0; i < registros; ++i) {
            const int r = append_record(g);
            for (int c = 1; c < g.Cols(); ++c) g.setTextMatrix(r, c, "0.5");
        }
        f.show();
        if (!QTest::qWaitForWindowActive(&f)) qFatal("the window did not show");
    }
    QPoint centro(int fila, int col) const {
        return grid->visualRect(grid->gridModel()->indexOfCell(fila, col)).center();
    }
    void dobleClic(int fila, int col) const {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centro(fila, col));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centro(fila, col));
    }
    void pegar(const QString& texto) {
        QApplication::clipboard()->setText(texto);
        control<QAction>(&f, "accionPegar")->trigger();
    }
};

}  // namespace

class TestTablas : public QObject {
    Q_OBJECT
  private slots:
    // A row's commands store an open cell first, even where the click took no focus from it;
    // a cell whose row is gone under the open box takes nothing and ends nothing.
    void celdaAbiertaYFilasQueSeVan() {
        Abierta<frmCoordAbat> a(3);
        a.dobleClic(3, 2);
        QVERIFY(a.caja->isVisible());
        a.caja->setText("-60");
        a.dialogos.respuestas = {"3"};
        a.dialogos.si = {true};
        QMetaObject::invokeMethod(control<QPushButton>(&a.f, "cmdQuitar"), "click");
        QCOMPARE(a.g.Rows(), 4);
        QVERIFY(!a.caja->isVisible());
        a.dobleClic(2, 2);
        QVERIFY(a.caja->isVisible());
        a.caja->setText("7");
        a.g.RemoveItem(2);
        a.g.RemoveItem(1);
        a.f.terminarEdicion();
        QCOMPARE(std::pair(a.g.Rows(), a.caja->isVisible()), std::pair(2, false));
    }

    // Each value is asked until it reads as a number, after an error message, and written the
    // moment it is accepted; the name is never checked. The row is there from the first question.
    void agregarPozoConReintentos() {
        Abierta<frmNoPozos> a(0);
        QStringList alPreguntar;  // the new row as each dialog opens
        a.dialogos.alAbrir = [&] { alPreguntar << fila(a.g, 1); };
        a.dialogos.respuestas = {"", "", "0.3", "abc", "1e309", " .5 ", "1,5", "+100", "-0", "x"};
        pulsar(&a.f, "cmdAgregar");
        QCOMPARE(fila(a.g, 1) + "/" + fila(a.g, 2), QString("1||0.3|0.5|100|0/|||||"));
        QCOMPARE(alPreguntar.first() + "/" + alPreguntar.at(4), QString("1|||||/1||0.3|||"));
        QString tipos;  // e: input, m: error message
        for (const Mostrado& m : a.dialogos.mostrados)
            tipos += m.tipo == Mostrado::entrada ? 'e' : (m.icono == Icono::error ? 'm' : '?');
        QCOMPARE(tipos, QString("eemeememeemee"));
        QCOMPARE(a.dialogos.respuestas.size(), size_t{1});  // "x" was never needed

        // Names are kept exactly as typed; numbers as the program writes them.
        const QString nombre = QString("Pozo|\t\u0416\u4e95 ") + QString(300, 'n');
        a.dialogos.respuestas = {nombre, "-0", "0", "1e308", "-3"};
        pulsar(&a.f, "cmdAgregar");
        QCOMPARE(fila(a.g, 2), QString("2|%1|0|0|1E+308|-3").arg(nombre));
    }

    // The number is rounded half to even, and a text that is not a number asked again; a number
    // that names no well is said, and nothing is asked after it. The removal is confirmed, and
    // the wells below move up and are renumbered.
    void quitarPozo() {
        Abierta<frmNoPozos> a(0);
        pulsar(&a.f, "cmdQuitar");
        QVERIFY(a.dialogos.mostrados.empty());  // no wells: nothing asked
        for (int i = 1; i <= 5; ++i) a.pegar(QString("P%1\t0.3\t1\t%1\t0").arg(i));
        for (const auto& [respuesta, numero] : {std::pair{"5.5", "6"}, {"32768", "0"}}) {
            a.dialogos.respuestas = {respuesta};
            a.dialogos.mostrados.clear();
            pulsar(&a.f, "cmdQuitar");
            QCOMPARE(a.dialogos.mostrados.size(), size_t{2});  // the question, then the warning
            QCOMPARE(std::tuple(a.dialogos.ultimo().texto, a.dialogos.ultimo().icono),
                     std::tuple(QString("El pozo %1 no existe").arg(numero), Icono::advertencia));
        }
        a.dialogos.mostrados.clear();
        a.dialogos.respuestas = {"abc", "", "2.5", "3.5", "1"};
        a.dialogos.si = {true, true, false};
        pulsar(&a.f, "cmdQuitar");
        QVERIFY(a.dialogos.mostrados[1].icono == Icono::error &&
                a.dialogos.ultimo().texto.endsWith(" 2?"));
        QCOMPARE(fila(a.g, 2), QString("2|P3|0.3|1|3|0"));
        pulsar(&a.f, "cmdQuitar");  // 3.5 is 4: P5 goes
        pulsar(&a.f, "cmdQuitar");  // answered No
        QVERIFY(a.dialogos.ultimo().titulo.endsWith(" 1"));
        QCOMPARE(std::tuple(fila(a.g, 3), a.g.Rows()), std::tuple("3|P4|0.3|1|4|0", 5));
    }

    // A double click opens the box over the cell with its text; a typed character replaces the
    // text, the caret after it, and control characters open it on the cell's text; Enter
    // stores, Escape drops; a character beyond 16 bits is stored whole; a paste of several cells
    // changes nothing; leaving the box for a button stores its text before the button's action
    // runs.
    void editarEnLaCelda() {
        Abierta<frmNoPozos> a(3);
        a.dobleClic(2, 3);
        QVERIFY(a.caja->hasFocus() && a.caja->text() == "0.5");
        QTest::keyClick(a.caja, Qt::Key_Return);
        a.grid->setFocus();
        QTest::keyClick(a.grid, '7');
        QCOMPARE(std::tuple(a.caja->text(), a.caja->cursorPosition()), std::tuple("7", 1));
        QTest::keyClick(a.caja, Qt::Key_Escape);
        QVERIFY(!a.caja->isVisible() && a.g.TextMatrix(2, 3) == "0.5");
        a.grid->setFocus();
        QTest::keyClick(a.grid, '7');
        QTest::keyClicks(a.caja, "5 m");
        QTest::keyClick(a.caja, Qt::Key_Enter);
        QCOMPARE(a.g.TextMatrix(2, 3), std::string("75 m"));
        a.grid->setFocus();
        QKeyEvent separador(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(31)));  // Ctrl+_
        QApplication::sendEvent(a.grid, &separador);  // the last control code
        QCOMPARE(a.caja->text(), QString("75 m"));
        QTest::keyClick(a.caja, Qt::Key_Escape);
        QKeyEvent gota(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\U0001F4A7"));
        QApplication::sendEvent(a.grid, &gota);
        QTest::keyClick(a.caja, Qt::Key_Return);
        QCOMPARE(a.g.TextMatrix(2, 3), std::string("\U0001F4A7"));

        a.dobleClic(1, 1);
        QTest::keyClicks(a.caja, "Norte");
        for (const char* pegado : {"P1\t0.3\nP2", " (Sur)"}) {  // a row pastes nothing
            QApplication::clipboard()->setText(pegado);
            a.caja->paste();
        }
        std::string nombreAlAgregar;
        a.dialogos.alAbrir = [&] {
            if (nombreAlAgregar.empty()) nombreAlAgregar = a.g.TextMatrix(1, 1);
        };
        a.dialogos.respuestas = {"P", "1", "1", "1", "1"};
        pulsar(&a.f, "cmdAgregar");
        QVERIFY(nombreAlAgregar == "0.5Norte (Sur)" && !a.caja->isVisible());
    }

    // A decimal comma typed into a number's cell is stored as the point, so the cell shows what
    // the calculation reads ("440123,5" would read 440123); a name keeps its commas, and so does
    // a text that holds a point already.
    void comaDecimalEnLasCeldas() {
        const auto escribir = [](auto& a, int col, const char* texto) {
            a.dobleClic(1, col);
            a.caja->selectAll();
            QTest::keyClicks(a.caja, texto);
            QTest::keyClick(a.caja, Qt::Key_Return);
            return a.g.TextMatrix(1, col);
        };
        Abierta<frmNoPozos> pozos(1);
        QCOMPARE(escribir(pozos, 1, "P,1"), std::string("P,1"));
        for (int col = 2; col <= 5; ++col)
            QCOMPARE(escribir(pozos, col, "440123,5"), std::string("440123.5"));
        QCOMPARE(escribir(pozos, 4, "1.234,5"), std::string("1.234,5"));
        Abierta<frmCoordAbat> puntos(1);  // a window of its own columns: the name, then x and y
        QVERIFY(escribir(puntos, 1, "2,5") == "2,5" && escribir(puntos, 3, "2,5") == "2.5");
    }

    // A selection whose far row is the empty last row opens nothing, made by a double click or
    // by keys; the character typed is dropped. Only the far row counts: a current
    // cell in the last row with a record as the far row opens there, and Enter writes there.
    void filaVaciaBloquea() {
        Abierta<frmCoordAbat> a(2);
        a.dobleClic(3, 1);
        QVERIFY(!a.caja->isVisible());
        QTest::mouseClick(a.grid->viewport(), Qt::LeftButton, {}, a.centro(2, 1));
        QTest::keyClick(a.grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(seleccion(a.g), QString("2,1:3,1"));
        QTest::keyClick(a.grid, 'x');
        QVERIFY(!a.caja->isVisible() && fila(a.g, 3) == "|||");
        a.g.selectCell(3, 2);
        a.g.setRowSel(2);
        a.g.setColSel(3);
        QTest::keyClick(a.grid, '9');  // the selection becomes the current cell alone
        QVERIFY(a.caja->isVisible() && seleccion(a.g) == "3,2:3,2");
        QTest::keyClick(a.caja, Qt::Key_Return);
        QCOMPARE(a.g.TextMatrix(3, 2), std::string("9"));
    }

    // Paste appends numbered records; a bad cell pastes nothing and names row, column and text,
    // quoted on one line and cut short, so the box fits the screen.
    void pegarPozos() {
        Abierta<frmNoPozos> a(1);
        a.pegar("P1\t0,3\t0,05\t100\t0\nP2\t0.3\t2e-2\t-100\t0\n");
        QVERIFY(fila(a.g, 3) == "3|P2|0.3|0.02|-100|0" && a.dialogos.mostrados.empty());
        a.pegar("P3\t1\t1\t1\t1\nP4\t1\t1\n");
        QVERIFY(a.g.Rows() == 5 && a.dialogos.ultimo().texto.startsWith(
                                       "Fila 2, columna 4 (Coordenada x [m]): falta el dato; "));
        const QString gota = QStringLiteral("💧");  // the 40th character, two UTF-16 units
        for (const auto& [valor, cita] :
             {std::pair{"4" + QString(" palabra").repeated(2000),
                        QString("4 palabra palabra palabra palabra palabr…")},
              {QString(39, 'x') + gota + "yy", QString(39, 'x') + gota + "…"}}) {
            a.pegar("P\t1\t1\t1\t" + valor);
            const QString aviso = a.dialogos.ultimo().texto;
            QVERIFY2(aviso.contains("(Coordenada y [m]): «" + cita + "» no") &&
                         aviso.size() < 200 && aviso.count('\n') == 2,
                     qPrintable(aviso));
        }
        QCOMPARE(a.g.Rows(), 5);
    }

    // The points window pastes points, and copies every record also as an HTML table for
    // word processors, the header first, its cells escaped; it adds and removes on its own
    // columns, and its last point can go too.
    void copiarYPegarPuntos() {
        Abierta<frmCoordAbat> a(0);
        a.pegar("Nombre;Coordenada x [m];Coordenada y [m]\nA;1,5;2\nB;3;4");
        a.g.setTextMatrix(2, 1, "<b>&");
        control<QAction>(&a.f, "accionCopiar")->trigger();
        QCOMPARE(QApplication::clipboard()->mimeData()->html(),
                 QString("<meta charset=\"utf-8\"><table><tr><th>No.</th><th>Nombre</th>"
                         "<th>Coordenada x [m]</th><th>Coordenada y [m]</th></tr><tr><td>1</td>"
                         "<td>A</td><td>1.5</td><td>2</td></tr><tr><td>2</td><td>&lt;b&gt;&amp;"
                         "</td><td>3</td><td>4</td></tr></table>"));
        control<QAction>(&a.f, "accionSeleccionarTodo")->trigger();
        QCOMPARE(seleccion(a.g), QString("1,1:2,3"));
        a.dialogos.respuestas = {"C", "1.5", "-20", "3", "2", "1"};
        a.dialogos.si = {true, true, true};
        pulsar(&a.f, "cmdAgregar");
        QCOMPARE(fila(a.g, 3), QString("3|C|1.5|-20"));
        for (int k = 0; k < 3; ++k) pulsar(&a.f, "cmdQuitar");
        QCOMPARE(a.g.Rows(), 2);
    }
};

QTEST_MAIN(TestTablas)
#include "test_tablas.moc"
