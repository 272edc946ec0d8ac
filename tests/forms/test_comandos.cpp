// Adding and removing wells and points through the dialogs: the sequence shown, the retries and
// what lands in the table.
#include <QPushButton>
#include <QtTest>

#include "comandos_tabla.h"
#include "dialogos_guionados.h"
#include "filas.h"
#include "frmCoordAbat.h"
#include "frmNoPozos.h"
#include "tablas.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// n wells named P1..Pn, added as a user would.
void agregar_pozos(frmNoPozos& f, DialogosGuionados& dialogos, int n) {
    for (int i = 1; i <= n; ++i) {
        dialogos.respuestas.insert(dialogos.respuestas.end(),
                                   {QString("P%1").arg(i), "0.3", "0.01", QString::number(i), "0"});
        QTest::mouseClick(f.findChild<QPushButton*>("cmdAgregar"), Qt::LeftButton);
    }
}

}  // namespace

class TestComandos : public QObject {
    Q_OBJECT
  private slots:
    void agregarPozoConReintentos() {
        DialogosGuionados dialogos;
        frmNoPozos f(dialogos);
        std::vector<std::string> alPreguntar;  // the new row as each dialog opens
        dialogos.alAbrir = [&] { alPreguntar.push_back(f.pozos().TextMatrix(1, 0)); };
        dialogos.respuestas = {"",    "",     "0.3", "abc", "1e309", " .5 ",
                               "1,5", "+100", "-0",  "x",   "5."};
        QTest::mouseClick(f.findChild<QPushButton*>("cmdAgregar"), Qt::LeftButton);

        const Grid& g = f.pozos();
        QCOMPARE(g.Rows(), 3);
        QCOMPARE(fila(g, 1), QString("1||0.3|0.5|100|0"));
        QCOMPARE(fila(g, 2), QString("|||||"));
        QCOMPARE(alPreguntar.front(), std::string("1"));  // the row exists from the start

        using T = Mostrado::Tipo;
        const std::vector<std::tuple<T, QString, QString>> esperado = {
            {T::entrada, "Introduzca el nombre del pozo", "Pozo 1"},
            {T::entrada, "Introduzca el diámetro del pozo, en metros", "Pozo 1"},
            {T::mensaje, "Debe introducir un valor numérico para el diámetro", "Diámetro del Pozo"},
            {T::entrada, "Introduzca el diámetro del pozo, en metros", "Pozo 1"},
            {T::entrada, "Introduzca el gasto del pozo, en m3/s", "Pozo 1"},
            {T::mensaje, "Debe introducir un valor numérico para el gasto", "Gasto del Pozo"},
            {T::entrada, "Introduzca el gasto del pozo, en m3/s", "Pozo 1"},
            {T::mensaje, "Debe introducir un valor numérico para el gasto", "Gasto del Pozo"},
            {T::entrada, "Introduzca el gasto del pozo, en m3/s", "Pozo 1"},
            {T::entrada, "Introduzca la coordenada x del pozo, en metros", "Pozo 1"},
            {T::mensaje, "Debe introducir un valor numérico para la coordenada x",
             "Coordenada x del Pozo"},
            {T::entrada, "Introduzca la coordenada x del pozo, en metros", "Pozo 1"},
            {T::entrada, "Introduzca la coordenada y del pozo, en metros", "Pozo 1"},
        };
        QCOMPARE(dialogos.mostrados.size(), esperado.size());
        for (size_t i = 0; i < esperado.size(); ++i) {
            const Mostrado& m = dialogos.mostrados[i];
            QCOMPARE(m.tipo, std::get<0>(esperado[i]));
            QCOMPARE(m.texto, std::get<1>(esperado[i]));
            QCOMPARE(m.titulo, std::get<2>(esperado[i]));
            if (m.tipo == T::mensaje) QCOMPARE(m.icono, Icono::error);
        }
        QCOMPARE(dialogos.respuestas.size(), size_t{2});  // "x" and "5." were never needed

        // Names are kept exactly as typed; numbers as the program writes them.
        const QString nombre = QString("Pozo|\t\u0416\u4e95 ") + QString(300, 'n');
        dialogos.respuestas = {nombre, "-0", "0", "1e308", "-3"};
        QTest::mouseClick(f.findChild<QPushButton*>("cmdAgregar"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(g.TextMatrix(2, 1)), nombre);
        QCOMPARE(fila(g, 2).section('|', 3), QString("0|0|1E+308|-3"));
    }

    void quitarPozoRedondeaAlPar() {
        DialogosGuionados dialogos;
        frmNoPozos f(dialogos);
        auto* quitar = f.findChild<QPushButton*>("cmdQuitar");
        QTest::mouseClick(quitar, Qt::LeftButton);
        QVERIFY(dialogos.mostrados.empty());  // no wells: nothing asked

        agregar_pozos(f, dialogos, 5);
        dialogos.mostrados.clear();
        dialogos.respuestas = {"abc", "", "2.5"};
        dialogos.si = {true};
        QTest::mouseClick(quitar, Qt::LeftButton);
        QCOMPARE(dialogos.mostrados[1].texto, QString("Debe introducir un valor numérico"));
        QCOMPARE(dialogos.mostrados[1].titulo, QString("Número de Pozo a eliminar"));
        QCOMPARE(dialogos.ultimo().texto, QString("¿Está seguro que desea eliminar el pozo 2?"));
        QCOMPARE(dialogos.ultimo().titulo, QString("Eliminando pozo 2"));
        const Grid& g = f.pozos();
        QCOMPARE(g.Rows(), 6);
        QCOMPARE(fila(g, 2), QString("2|P3|0.3|0.01|3|0"));  // renumbered, cells kept

        dialogos.respuestas = {"3.5"};
        dialogos.si = {true};
        QTest::mouseClick(quitar, Qt::LeftButton);
        QCOMPARE(dialogos.ultimo().titulo, QString("Eliminando pozo 4"));
        QCOMPARE(g.Rows(), 5);
        QCOMPARE(g.TextMatrix(3, 1), std::string("P4"));

        dialogos.respuestas = {"1"};
        dialogos.si = {false};
        QTest::mouseClick(quitar, Qt::LeftButton);
        QCOMPARE(g.Rows(), 5);  // No leaves the table as it was
    }

    void quitarPozoInexistente_data() {
        QTest::addColumn<QString>("respuesta");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("0") << "0"
                           << "El pozo 0 no existe";
        QTest::newRow("fila vacía") << "4"
                                    << "El pozo 4 no existe";
        QTest::newRow("3.5 con tres") << "3.5"
                                      << "El pozo 4 no existe";
        QTest::newRow("fuera de 16 bits") << "40000"
                                          << "El pozo 0 no existe";
    }
    void quitarPozoInexistente() {
        QFETCH(QString, respuesta);
        QFETCH(QString, aviso);
        DialogosGuionados dialogos;
        frmNoPozos f(dialogos);
        agregar_pozos(f, dialogos, 3);
        dialogos.respuestas = {respuesta};
        QTest::mouseClick(f.findChild<QPushButton*>("cmdQuitar"), Qt::LeftButton);
        QCOMPARE(dialogos.ultimo().texto, aviso);
        QCOMPARE(dialogos.ultimo().titulo, QString("Eliminando pozo"));
        QCOMPARE(dialogos.ultimo().icono, Icono::advertencia);
        QCOMPARE(f.pozos().Rows(), 5);
    }

    void puntos() {
        DialogosGuionados dialogos;
        frmCoordAbat f(dialogos);
        dialogos.respuestas = {"A", "", "10", "abc", "-20", "B", "1", "2"};
        QTest::mouseClick(f.findChild<QPushButton*>("cmdAgregar"), Qt::LeftButton);
        QTest::mouseClick(f.findChild<QPushButton*>("cmdAgregar"), Qt::LeftButton);
        const Grid& g = f.puntos();
        QCOMPARE(fila(g, 1), QString("1|A|10|-20"));
        QCOMPARE(fila(g, 2), QString("2|B|1|2"));
        QCOMPARE(dialogos.mostrados[0].texto, QString("Introduzca el nombre del punto"));
        QCOMPARE(dialogos.mostrados[2].titulo, QString("Coordenada x del Punto"));
        QCOMPARE(dialogos.mostrados[5].titulo, QString("Coordenada y del Punto"));

        dialogos.respuestas = {"x", "1"};
        dialogos.si = {true};
        QTest::mouseClick(f.findChild<QPushButton*>("cmdQuitar"), Qt::LeftButton);
        QCOMPARE(dialogos.mostrados.end()[-3].titulo, QString("Número del punto a eliminar"));
        QCOMPARE(dialogos.ultimo().texto, QString("¿Está seguro que desea eliminar el punto 1?"));
        QCOMPARE(fila(g, 1), QString("1|B|1|2"));
    }
};

QTEST_MAIN(TestComandos)
#include "test_comandos.moc"
