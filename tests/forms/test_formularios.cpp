// The aquifer window and the time box: what typing leaves in them and what "Siguiente" checks.

#include "controles.h"
#include "dialogos_guionados.h"
#include "filas.h"
#include "filtro_caracteres.h"
#include "frmCaracteristicas.h"
#include "frmCoordAbat.h"
#include "frmNoPozos.h"

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
};

QTEST_MAIN(TestFormularios)
#include "test_formularios.moc"
