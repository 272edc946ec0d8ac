// The tables of text cells: the wells', the points', the boundaries' and a schedule's; the add
// and remove commands, editing cells in place, and the clipboard.
#include "adaptadores/flex_grid.h"
#include "forms/frmCoordAbat.h"
#include "forms/frmEtapas.h"
#include "forms/frmLimites.h"
#include "forms/frmNoPozos.h"
#include "model/filas.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// A table window on screen, made of `args` and its dialogs, its table holding `registros` records
// more with "0.5" in every cell.
template <typename F>
struct Abierta {
    DialogosGuionados dialogos;
    F f;
    FlexGrid* grid = f.template findChild<FlexGrid*>();
    QLineEdit* caja = control<QLineEdit>(&f, "txtCellEditor");
    Grid& g = grid->grid();

    template <typename... A>
    explicit Abierta(int registros, A&&... args) : f(std::forward<A>(args)..., dialogos) {
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
    // Typed as at a desk: the first key on the table opens the cell, Enter stores it.
    QString teclear(int fila, int col, const QString& texto) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centro(fila, col));
        escribir(grid, texto.left(1));
        if (caja->isVisible()) escribir(caja, texto.mid(1));
        QTest::keyClick(caja, Qt::Key_Return);
        return a_qstring(g.TextMatrix(fila, col));
    }
    // A copy of the table, or `texto`, pasted: the records then, and the last message.
    QString pegarYVer(QString texto) {
        if (texto.isEmpty()) control<QAction>(&f, "accionCopiar")->trigger();
        pegar(texto.isEmpty() ? QApplication::clipboard()->text() : texto);
        QStringList filas;
        for (int r = 1; r < g.Rows() - 1; ++r) filas << fila(g, r);
        const auto& m = dialogos.mostrados;
        return filas.join('/') + '>' + (m.empty() ? "" : m.back().titulo + ": " + m.back().texto);
    }
};

// A row of a data table, named, its values in the columns' order.
template <typename... Valores>
void caso(const char* nombre, const Valores&... valores) {
    (QTest::newRow(nombre) << ... << valores);
}

// What `hacer` gives of the window of a table ("pozos", "puntos", "límites", or "etapas": a
// well's schedule at 0.05 m3/s) on screen with `registros` records more.
template <typename Hacer>
QString en_la_tabla(const QString& tabla, int registros, Hacer hacer) {
    if (tabla == "pozos") return hacer(*std::make_unique<Abierta<frmNoPozos>>(registros));
    if (tabla == "puntos") return hacer(*std::make_unique<Abierta<frmCoordAbat>>(registros));
    if (tabla == "límites") return hacer(*std::make_unique<Abierta<frmLimites>>(registros));
    return hacer(*std::make_unique<Abierta<frmEtapas>>(registros, 1, "P1", "0.05",
                                                       std::vector<EtapaTexto>{}));
}

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

    // What a cell typed into stores, in each table: a number's decimal comma as the point, so
    // the cell shows what the calculation reads ("440123,5" would read 440123), unless the text
    // holds a point already; a name as typed; a boundary's type as the word any beginning of it
    // names in either case, any other text as typed; never the schedule's first time.
    void celdaTecleada_data() {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("columna");
        for (const char* columna : {"tecleado", "guardado"}) QTest::addColumn<QString>(columna);
        caso("el nombre de un pozo guarda su coma", "pozos", 1, 1, "P,1", "P,1");
        caso("la x de un pozo con coma decimal", "pozos", 2, 4, "440123,5", "440123.5");
        caso("un número con su punto queda", "pozos", 1, 5, "1.234,5", "1.234,5");
        caso("la y de un punto con coma decimal", "puntos", 1, 3, "2,5", "2.5");
        caso("r entre blancos es Recarga", "límites", 1, 1, " r ", "Recarga");
        caso("BAR es Barrera", "límites", 2, 1, "BAR", "Barrera");
        caso("otro tipo, tal como se escribe", "límites", 1, 1, "Río", "Río");
        caso("más que la palabra", "límites", 1, 1, "Recargas", "Recargas");
        caso("la y2 de una línea con coma decimal", "límites", 1, 5, "-2,5", "-2.5");
        caso("el caudal desde 0 con coma decimal", "etapas", 1, 2, "0,07", "0.07");
        caso("el tiempo de una etapa con coma decimal", "etapas", 2, 1, "2,5", "2.5");
        caso("el primer tiempo no se edita", "etapas", 1, 1, "5", "0");
    }
    void celdaTecleada() {
        QFETCH(QString, tabla);
        QFETCH(QString, tecleado);
        QFETCH(int, fila);
        QFETCH(int, columna);
        QTEST(en_la_tabla(tabla, 2, [&](auto& a) { return a.teclear(fila, columna, tecleado); }),
              "guardado");
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

    // The points window pastes points, and copies every record also as an HTML table for
    // word processors, the header first, its cells escaped; "Seleccionar todo" takes every record
    // and a right click inside the selection keeps it; it adds and removes on its own
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
        QTest::mouseClick(a.grid->viewport(), Qt::RightButton, {}, a.centro(2, 2));
        QCOMPARE(seleccion(a.g), QString("1,1:2,3"));  // kept by a right click inside it
        a.dialogos.respuestas = {"C", "1.5", "-20", "3", "2", "1"};
        a.dialogos.si = {true, true, true};
        pulsar(&a.f, "cmdAgregar");
        QCOMPARE(fila(a.g, 3), QString("3|C|1.5|-20"));
        for (int k = 0; k < 3; ++k) pulsar(&a.f, "cmdQuitar");
        QCOMPARE(a.g.Rows(), 2);
    }

    // A paste appends numbered records after the last, each datum from the column a header names
    // by the table's headings or a spreadsheet's, else in the table's order, decimal commas read;
    // a pasted type as typed into its cell. A copy of the table pastes back as its records. The
    // first bad cell pastes nothing and is named by row, column and text, quoted on one line and
    // cut short, so the box fits the screen. The boundaries' table and a schedule's as the
    // wells'.
    void pegarLineasYEtapas_data() {
        for (const char* columna : {"tabla", "pegado", "visto"}) QTest::addColumn<QString>(columna);
        const QString l = "1|0.5|0.5|0.5|0.5|0.5";  // a well's row too
        const QString e = "1|0|0.05/2|0.5|0.5";
        const QString no = "«x» no es un valor numérico.\n\nNo se ha pegado nada.";
        const QString y = ">Pegar pozos: Fila 1, columna 5 (Coordenada y [m]): «";
        caso("un pozo sin su x", "pozos", "P3\t1\t1\t1\t1\nP4\t1\t1\n",
             l + ">Pegar pozos: Fila 2, columna 4 (Coordenada x [m]): falta el dato; cada fila "
                 "debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], "
                 "Coordenada y [m]).\n\nNo se ha pegado nada.");
        caso("una cita larga, cortada", "pozos",
             "P\t1\t1\t1\t4" + QString(" palabra").repeated(2000),
             l + y + "4 palabra palabra palabra palabra palabr…» " + no.mid(4));
        caso("sin partir un carácter", "pozos", "P\t1\t1\t1\t" + QString(39, 'x') + "💧yy",
             l + y + QString(39, 'x') + "💧…» " + no.mid(4));
        caso("las líneas de su propia copia", "límites", "", l + "/2|0.5|0.5|0.5|0.5|0.5>");
        caso("las de una hoja, en otro orden", "límites",
             "Y2 (m);X2 (m);Y1 (m);X1 (m);Tipo\n-500;1000;-500;0,5;bar",
             l + "/2|Barrera|0.5|-500|1000|-500>");
        caso("las de una hoja con sus palabras", "límites",
             "Clase\tXa\tYa\tXb\tYb\nrecarga\t1\t2\t3\t4\nRío\t1\t2\t3\t4",
             l + "/2|Recarga|1|2|3|4/3|Río|1|2|3|4>");
        caso("una línea que la tabla rechaza", "límites", "r\t0\t0\t0\t1\nr\t0\t0\tx\t1",
             l + ">Pegar líneas: Fila 2, columna 4 (x2[m]): " + no);
        caso("las etapas de su propia copia", "etapas", "", e + "/3|0|0.05/4|0.5|0.5>");
        caso("las de una hoja", "etapas", "Desde (días);Caudal (m3/s)\n10;0\n12,5;-0,01",
             e + "/3|10|0/4|12.5|-0.01>");
        caso("un tiempo que no es un número", "etapas", "x\t0",
             e + ">Pegar etapas: Fila 1, columna 1 (Desde[días]): " + no);
    }
    void pegarLineasYEtapas() {
        QFETCH(QString, tabla);
        QFETCH(QString, pegado);
        QTEST(en_la_tabla(tabla, 1, [&](auto& a) { return a.pegarYVer(pegado); }), "visto");
    }
};

QTEST_MAIN(TestTablas)
#include "test_tablas.moc"
