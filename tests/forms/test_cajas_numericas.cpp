// The number boxes and the cell editor as a user with a Spanish keyboard types into them: the keys
// they take, the decimal comma, and select all, copy and paste.

#include "forms/frmCaracteristicas.h"
#include "forms/frmCoordAbat.h"
#include "forms/frmMapa.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// The five number boxes and the points' cell editor, each in its window.
struct Cajas {
    Declaraciones d;
    DialogosGuionados dialogos;
    frmCaracteristicas acuifero{d, dialogos};
    frmCoordAbat puntos{dialogos};
    frmMapa mapa{dialogos};
    QLineEdit* caja(const QString& nombre) {
        for (QWidget* w : {(QWidget*)&acuifero, (QWidget*)&puntos, (QWidget*)&mapa}) {
            if (auto* c = w->findChild<QLineEdit*>(nombre)) {
                w->show();
                w->activateWindow();
                if (!QTest::qWaitForWindowActive(w)) qFatal("the window did not show");
                c->setFocus();
                return c;
            }
        }
        qFatal("no box %s", qPrintable(nombre));
    }
};

const QStringList nombres = {"txtT", "txtS", "txtTiempo", "txtTiempoMapa", "txtIntervalo"};

}  // namespace

class TestCajasNumericas : public QObject {
    Q_OBJECT
  private slots:
    // What typing leaves in each box. The aquifer boxes take digits, signs, the point and the
    // exponent letters, the time boxes digits and the point, both Backspace; the cell editor all
    // but control codes and line separators. A comma typed where a number box holds no point is
    // the point; where it holds one, nothing, as a second comma would make another number. A key
    // typed over a selection (all the text held before) replaces it: the point it held does not
    // count.
    void teclas_data() {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        // clang-format off
        for (const QString& n : nombres) {
            const bool acuifero = n == "txtT" || n == "txtS";
            for (const auto& [caso, antes, tecleado, queda] : {
                     std::array<QString, 4>{"0,01", "", "0,01", "0.01"}, {"otra coma", "", "2,5,3", "2.53"},
                     {"tras un punto", "", "1.5,2", "1.52"}, {"sobre el punto seleccionado", "1.5", ",25", ".25"},
                     {"signos y exponente", "", "-1e+5E", acuifero ? "-1e+5E" : "15"}, {"retroceso", "", "12\b3", "13"},
                     {"letras, blancos y símbolos", "", "2a b/ñ%*", "2"}, {"cifras de otras escrituras", "", "4٣²", "4"}})
                QTest::newRow(qPrintable(n + ": " + caso)) << n << antes << tecleado << queda;
        }
        QTest::newRow("txtCellEditor: separadores de línea") << "txtCellEditor" << "" << "a\u2028b\u2029c" << "abc";
        QTest::newRow("txtCellEditor: letras, comas y blancos") << "txtCellEditor" << "" << "Ñandú 2,5 m²" << "Ñandú 2,5 m²";
        // clang-format on
    }
    void teclas() {
        QFETCH(QString, caja);
        QFETCH(QString, antes);
        QFETCH(QString, tecleado);
        Cajas cajas;
        QLineEdit* c = cajas.caja(caja);
        c->setText(antes);
        c->selectAll();
        for (const QChar letra : tecleado) {  // a key for each, of any script
            if (letra.unicode() < 128)
                QTest::keyClick(c, letra.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, c, Qt::Key_unknown, letra, Qt::NoModifier);
        }
        QTEST(c->text(), "queda");
    }

    // Ctrl+A selects all, Ctrl+C copies it and Ctrl+V pastes, as in any text box; a paste is held
    // to what the keys could type, a comma included.
    void seleccionarCopiarYPegar_data() {
        QTest::addColumn<QString>("caja");
        for (const QString& n : nombres) QTest::newRow(qPrintable(n)) << n;
    }
    void seleccionarCopiarYPegar() {
        QFETCH(QString, caja);
        Cajas cajas;
        QLineEdit* c = cajas.caja(caja);
        c->setText("12.5");
        c->setCursorPosition(0);
        QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(c->selectedText(), QString("12.5"));
        QApplication::clipboard()->clear();
        QTest::keyClick(c, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("12.5"));
        c->setText("3");
        QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        for (const char* pegado : {"0,5", "x"}) {
            QApplication::clipboard()->setText(pegado);
            QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        }
        QCOMPARE(c->text(), QString("312.5"));
    }
};

QTEST_MAIN(TestCajasNumericas)
#include "test_cajas_numericas.moc"
