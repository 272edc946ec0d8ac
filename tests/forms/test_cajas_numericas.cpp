// The number boxes as a user with a Spanish keyboard types into them: the decimal comma, and
// select all, copy and paste.

#include "forms/frmCaracteristicas.h"
#include "forms/frmCoordAbat.h"
#include "forms/frmMapa.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// The five number boxes, each in its window.
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
    // A comma typed where the box holds no point is the point; where it holds one, nothing, as a
    // second comma would make another number. A key typed over a selection (all the text held
    // before) replaces it: the point it held does not count.
    void comaDecimal_data() {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("queda");
        // clang-format off
        for (const QString& n : nombres) {
            for (const auto& [caso, antes, tecleado, queda] : {
                     std::array<const char*, 4>{"0,01", "", "0,01", "0.01"}, {"otra coma", "", "2,5,3", "2.53"},
                     {"tras un punto", "", "1.5,2", "1.52"}, {"sobre el punto seleccionado", "1.5", ",25", ".25"}})
                QTest::newRow(qPrintable(n + ": " + caso)) << n << QString(antes) << QString(tecleado) << QString(queda);
        }
        // clang-format on
    }
    void comaDecimal() {
        QFETCH(QString, caja);
        QFETCH(QString, antes);
        QFETCH(QString, tecleado);
        Cajas cajas;
        QLineEdit* c = cajas.caja(caja);
        c->setText(antes);
        c->selectAll();
        QTest::keyClicks(c, tecleado);
        QTEST(c->text(), "queda");
    }

    // Ctrl+A selects all, Ctrl+C copies it and Ctrl+V pastes, as in any text box; a paste is held
    // to what the keys could type, a comma included.
    void seleccionarCopiarYPegar() {
        Cajas cajas;
        for (const QString& n : nombres) {
            QLineEdit* c = cajas.caja(n);
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
            QVERIFY2(c->text() == "312.5", qPrintable(n + ": " + c->text()));
        }
    }
};

QTEST_MAIN(TestCajasNumericas)
#include "test_cajas_numericas.moc"
