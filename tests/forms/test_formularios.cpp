// The aquifer window and the time box: what typing leaves in them and what "Siguiente" checks.
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include "avisos_qt.h"
#include "dialogos_guionados.h"
#include "frmCaracteristicas.h"
#include "frmCoordAbat.h"
#include "frmNoPozos.h"
#include "frmResultados.h"

using namespace abat;
using namespace abat::prueba;

class TestFormularios : public QObject {
    Q_OBJECT

    template <typename T>
    static T* control(QWidget* ventana, const char* nombre) {
        T* c = ventana->findChild<T*>(QString::fromLatin1(nombre));
        if (c == nullptr) qFatal("no control %s", nombre);
        return c;
    }

  private slots:
    void filtroDelAcuifero_data() {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        QTest::newRow("coma") << "2,5"
                              << "25";
        QTest::newRow("blanco y letras") << "1 .5x"
                                         << "1.5";
        QTest::newRow("exponente y signos") << "-1.2E+3e"
                                            << "-1.2E+3e";
        QTest::newRow("se teclea sin sentido") << "1.2.3--"
                                               << "1.2.3--";
    }
    void filtroDelAcuifero() {
        QFETCH(QString, tecleado);
        QFETCH(QString, queda);
        Declaraciones d;
        DialogosGuionados dialogos;
        frmCaracteristicas f(d, dialogos);
        f.show();
        auto* txtT = control<QLineEdit>(&f, "txtT");
        QTest::keyClicks(txtT, tecleado);
        QCOMPARE(txtT->text(), queda);
        QTest::keyClick(txtT, Qt::Key_Escape);
        QCOMPARE(txtT->text(), queda);
        QTest::keyClick(txtT, Qt::Key_Backspace);
        QCOMPARE(txtT->text(), queda.chopped(1));
    }

    void enterPasaElFocoYLuegoPulsa() {
        Declaraciones d;
        DialogosGuionados dialogos;
        frmCaracteristicas f(d, dialogos);
        QSignalSpy aceptado(&f, &frmCaracteristicas::aceptado);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* txtT = control<QLineEdit>(&f, "txtT");
        auto* txtS = control<QLineEdit>(&f, "txtS");
        txtT->setFocus();
        QTest::keyClicks(txtT, "0.01");
        QTest::keyClick(txtT, Qt::Key_Return);
        QVERIFY(txtS->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "2e-4");
        QTest::keyClick(txtS, Qt::Key_Enter);
        QVERIFY(f.cmdSiguiente()->hasFocus());
        QCOMPARE(aceptado.count(), 0);  // Enter moved the focus without pressing the button
        QCOMPARE(txtS->text(), QString("2e-4"));
        QTest::keyClick(f.cmdSiguiente(), Qt::Key_Return);
        QCOMPARE(aceptado.count(), 1);
        QCOMPARE(d.T, 0.01);
        QCOMPARE(d.S, 2e-4);
    }

    // Enter on a focused picture button of the results presses it, as on any other button.
    void enterPulsaLosBotonesDeResultados() {
        frmResultados f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QSignalSpy acuifero(&f, &frmResultados::editarAcuifero);
        QSignalSpy pozos(&f, &frmResultados::editarPozos);
        QSignalSpy puntos(&f, &frmResultados::editarPuntos);
        QSignalSpy terminar(&f, &frmResultados::terminar);
        const std::pair<const char*, QSignalSpy*> botones[] = {{"cmdAcuifero", &acuifero},
                                                               {"cmdPozos", &pozos},
                                                               {"cmdPuntos", &puntos},
                                                               {"cmdTerminar", &terminar}};
        for (const auto& [nombre, espia] : botones) {
            auto* boton = control<QToolButton>(&f, nombre);
            boton->setFocus();
            QTest::keyClick(boton, Qt::Key_Return);
            QTest::keyClick(boton, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(espia->count(), 2);
        }
    }

    // An assistive tool asking the wells table for a cell outside it gets no cell, silently;
    // other warnings still reach the terminal.
    void consultaDeCeldaInexistente() {
        static QStringList avisos;
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& texto) { avisos << texto; });
        callar_consultas_de_celdas_inexistentes();
        DialogosGuionados dialogos;
        frmNoPozos f(dialogos);
        f.show();
        QAccessibleInterface* tabla =
            QAccessible::queryAccessibleInterface(f.findChild<QWidget*>("MSFlexGrid1"));
        QVERIFY(tabla != nullptr && tabla->tableInterface() != nullptr);
        QVERIFY(tabla->tableInterface()->cellAt(0, 0) != nullptr);
        QCOMPARE(tabla->tableInterface()->cellAt(1, 5), nullptr);
        qWarning("otro aviso");
        qInstallMessageHandler(nullptr);
        QCOMPARE(avisos, QStringList{"otro aviso"});
    }

    void siguienteDelAcuifero() {
        Declaraciones d;
        d.T = 7;
        DialogosGuionados dialogos;
        frmCaracteristicas f(d, dialogos);
        QSignalSpy aceptado(&f, &frmCaracteristicas::aceptado);
        auto* txtT = control<QLineEdit>(&f, "txtT");
        auto* txtS = control<QLineEdit>(&f, "txtS");
        txtT->setText("1.2.3");
        QTest::mouseClick(f.cmdSiguiente(), Qt::LeftButton);
        QCOMPARE(dialogos.ultimo().texto, QString("Debe introducir datos en ambas casillas"));
        QCOMPARE(dialogos.ultimo().titulo, QString("Características del Acuífero"));
        QCOMPARE(d.T, 7.0);  // nothing stored
        QCOMPARE(aceptado.count(), 0);

        txtS->setText(" ");  // blanks are not empty: read as 0
        QTest::mouseClick(f.cmdSiguiente(), Qt::LeftButton);
        QCOMPARE(aceptado.count(), 1);
        QCOMPARE(aceptado.at(0).at(0).value<Modo>(), Modo::primera_pasada);
        QCOMPARE(d.T, 1.2);
        QCOMPARE(d.S, 0.0);

        f.cmdSiguiente()->setText("Actualizar");
        txtS->setText("E5");
        QTest::mouseClick(f.cmdSiguiente(), Qt::LeftButton);
        QCOMPARE(aceptado.at(1).at(0).value<Modo>(), Modo::actualizar);
        QCOMPARE(f.cmdSiguiente()->text(), QString("Actualizar"));
    }

    void filtroDelTiempo() {
        DialogosGuionados dialogos;
        frmCoordAbat f(dialogos);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* txtTiempo = control<QLineEdit>(&f, "txtTiempo");
        txtTiempo->setFocus();
        QTest::keyClicks(txtTiempo, "12-e,+ .5");
        QCOMPARE(txtTiempo->text(), QString("12.5"));
        QTest::keyClick(txtTiempo, Qt::Key_Return);
        QVERIFY(f.cmdSiguiente()->hasFocus());
    }

    void siguienteDeLasTablas() {
        DialogosGuionados dialogos;
        frmNoPozos pozos(dialogos);
        QSignalSpy pozosAceptados(&pozos, &frmNoPozos::aceptado);
        QTest::mouseClick(pozos.cmdSiguiente(), Qt::LeftButton);
        QCOMPARE(dialogos.ultimo().texto, QString("Para continuar, debe existir almenos un pozo"));
        QCOMPARE(dialogos.ultimo().titulo, QString("No existen pozos"));
        QCOMPARE(dialogos.ultimo().icono, Icono::advertencia);
        pozos.pozos().setRows(3);
        pozos.pozos().setTextMatrix(1, 0, "1");
        QTest::mouseClick(pozos.cmdSiguiente(), Qt::LeftButton);
        QCOMPARE(pozosAceptados.count(), 1);

        frmCoordAbat puntos(dialogos);
        QSignalSpy puntosAceptados(&puntos, &frmCoordAbat::aceptado);
        puntos.puntos().setRows(3);
        puntos.puntos().setTextMatrix(1, 0, "1");
        QTest::mouseClick(puntos.cmdSiguiente(), Qt::LeftButton);  // no time
        QCOMPARE(
            dialogos.ultimo().texto,
            QString("Para continuar, debe existir almenos un punto y el tiempo de explotación"));
        QCOMPARE(dialogos.ultimo().titulo, QString("No existen puntos"));
        QCOMPARE(puntosAceptados.count(), 0);
        control<QLineEdit>(&puntos, "txtTiempo")->setText("0");
        puntos.cmdSiguiente()->setText("Otra cosa");  // this window does not look at its caption
        QTest::mouseClick(puntos.cmdSiguiente(), Qt::LeftButton);
        QCOMPARE(puntosAceptados.count(), 1);
    }

    void textosQueTerminanEnBlanco() {
        DialogosGuionados dialogos;
        frmNoPozos pozos(dialogos);
        QCOMPARE(control<QGroupBox>(&pozos, "Frame1")->title(),
                 QString("Pozos de Explotación en el Acuífero "));
        frmCoordAbat puntos(dialogos);
        QCOMPARE(puntos.puntos().TextMatrix(0, 1), std::string("   Nombre  "));
        // Labels name their boxes, and every control is described by its name.
        QCOMPARE(control<QLabel>(&puntos, "Label1")->buddy(),
                 control<QLineEdit>(&puntos, "txtTiempo"));
        QCOMPARE(control<QLineEdit>(&puntos, "txtTiempo")->accessibleDescription(),
                 QString("txtTiempo"));
    }
};

QTEST_MAIN(TestFormularios)
#include "test_formularios.moc"
