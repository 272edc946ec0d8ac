// A random walk through the real windows, seeded and reproducible: buttons, typing, grid keys,
// double clicks, selections, pastes and dialog answers drawn at random, with what must always
// hold checked after every action. WALK_SEED and WALK_ACTIONS replay a failure or walk longer.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <thread>

#include "flex_grid.h"
#include "programa.h"

using namespace abat;

namespace {

using Azar = std::mt19937_64;

// Texts a user might type or paste: numbers, signs, exponents, commas, blanks, letters, accents,
// characters beyond 16 bits, and hostile ones.
const QStringList textos = {"0.01",  "0.0002", "1",    "30",  "-5",    "2.5e-3", "1E+2", "0", "-0",
                            "1e400", "1e-320", "nan",  "inf", "1,5",   " 12 ",   "abc",  "½", "ñÁé",
                            "💧",     "",       "3.2m", "+.5", "1.2.3", "--1",    "e",    "."};
const QStringList pegados = {
    "P\t0.3\t0.05\t100\t0\n",
    "A;1,5;2\nB;3;4\n",
    "Nombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y [m]\nQ\t1\t1\t1\t1",
    "x\ty\n",
    "\"a\"\"b\"\t1\t2\t3\t4\n",
    "1e400\t1\t1\t1\t1",
    ""};

QString al_azar(Azar& azar, const QStringList& lista) {
    return lista[static_cast<int>(azar() % static_cast<uint64_t>(lista.size()))];
}

// Types a text character by character, also characters QTest's ASCII keys do not have.
void escribir(QWidget* w, const QString& texto) {
    for (int i = 0; i < texto.size(); ++i) {
        const int largo = texto[i].isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QString c = texto.mid(i, largo);
        i += largo - 1;
        if (c[0].unicode() < 128) {
            QTest::keyClick(w, c[0].toLatin1());
            continue;
        }
        QKeyEvent pulsada(QEvent::KeyPress, 0, Qt::NoModifier, c);
        QApplication::sendEvent(w, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, 0, Qt::NoModifier, c);
        QApplication::sendEvent(w, &soltada);
    }
}

int entre(Azar& azar, int desde, int hasta) {
    return desde + static_cast<int>(azar() % static_cast<uint64_t>(hasta - desde + 1));
}

// Answers every dialog at random: valid numbers most of the time, so an add command ends.
class DialogosAlAzar : public Dialogos {
  public:
    explicit DialogosAlAzar(Azar& azar) : azar_(azar) {}
    int errores = 0;       // calculation errors shown since the last look
    bool salirSi = false;  // the next exit question is answered Yes

    void mensaje(const QString& texto, const QString& /*titulo*/, Icono /*icono*/) override {
        if (texto.startsWith(QStringLiteral("Se ha producido el error"))) ++errores;
    }
    bool pregunta(const QString& texto, const QString& /*titulo*/) override {
        if (texto.contains(QStringLiteral("salir"))) return salirSi;
        return azar_() % 2 == 0;
    }
    QString entrada(const QString& /*prompt*/, const QString& /*titulo*/) override {
        switch (azar_() % 8) {
            case 0:
                return {10000, QChar(u'9')};
            case 1:
            case 2:
                return al_azar(azar_, textos);
            default:
                return QString::number(static_cast<double>(entre(azar_, -500, 500)) / 7);
        }
    }

  private:
    Azar& azar_;
};

// A hang fails the walk, naming the seed and the action, instead of stalling the suite.
class Vigilante {
  public:
    Vigilante(uint64_t semilla, std::chrono::seconds limite)
        : hilo_([this, semilla, limite] {
              auto ultimo = std::chrono::steady_clock::now();
              int visto = -1;
              while (!fin_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  if (accion_ != visto) {
                      visto = accion_;
                      ultimo = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - ultimo > limite) {
                      std::fprintf(stderr, "WALK HANG: WALK_SEED=%llu, action %d did not return\n",
                                   static_cast<unsigned long long>(semilla), visto);
                      std::_Exit(3);
                  }
              }
          }) {}
    ~Vigilante() {
        fin_ = true;
        hilo_.join();
    }
    void accion(int n) { accion_ = n; }

  private:
    std::atomic<int> accion_{0};
    std::atomic<bool> fin_{false};
    std::thread hilo_;
};

uint64_t variable(const char* nombre, uint64_t porDefecto) {
    const char* v = std::getenv(nombre);
    return v != nullptr ? std::strtoull(v, nullptr, 10) : porDefecto;
}

struct Paseo {
    Azar azar;
    DialogosAlAzar dialogos{azar};
    QTemporaryDir dir;
    std::unique_ptr<Programa> p;
    bool terminado = false;
    bool calculoBueno = false;  // the results shown come from a calculation that succeeded
    QString fallo;              // the first broken rule, with the action that broke it
    int calculos = 0;           // that showed the results

    explicit Paseo(uint64_t semilla) : azar(semilla) { nuevo(); }

    void nuevo() {
        p.reset();
        terminado = false;
        calculoBueno = false;
        p = std::make_unique<Programa>(dialogos, [this] { terminado = true; });
        p->archivoGrafico = QDir(dir.path()).filePath("grafico.gif").toStdString();
        p->asistente.iniciar();
    }

    Ventanas& v() const { return p->ventanas; }
    QList<QWidget*> hijas() const {
        return {v().caracteristicas, v().noPozos, v().coordAbat, v().resultados};
    }
    QWidget* visible() const {
        for (QWidget* w : hijas()) {
            if (v().principal.visible(w)) return w;
        }
        return nullptr;
    }
    template <typename T = QWidget>
    T* control(QWidget* w, const char* nombre) {
        return w->findChild<T*>(QString::fromLatin1(nombre));
    }

    // Everything the user entered, in all three input windows.
    QStringList entradas() {
        QStringList todo;
        for (const char* caja : {"txtT", "txtS"})
            todo << control<QLineEdit>(v().caracteristicas, caja)->text();
        todo << control<QLineEdit>(v().coordAbat, "txtTiempo")->text();
        for (const Grid* g : {&v().noPozos->pozos(), &v().coordAbat->puntos()}) {
            for (int r = 0; r < g->Rows(); ++r) {
                for (int c = 0; c < g->Cols(); ++c)
                    todo << QString::fromStdString(g->TextMatrix(r, c));
            }
        }
        return todo;
    }

    void pulsar(QWidget* w, const char* boton) {
        auto* b = control<QAbstractButton>(w, boton);
        if (b != nullptr && b->isVisible()) QTest::mouseClick(b, Qt::LeftButton);
    }

    // A button that may calculate: the editor is closed first (leaving it stores its text), and
    // nothing the user entered may change from then on.
    void calcular(QWidget* w) {
        if (auto* editor = control<QLineEdit>(w, "txtCellEditor");
            editor != nullptr && editor->isVisible()) {
            QTest::keyClick(editor, Qt::Key_Return);
        }
        const QStringList antes = entradas();
        dialogos.errores = 0;
        pulsar(w, "cmdSiguiente");
        if (entradas() != antes) fallo = "a calculating button changed the user's input";
        if (v().principal.visible(v().resultados)) {
            calculoBueno = dialogos.errores == 0;
            ++calculos;
        }
    }

    void teclas_en_rejilla(FlexGrid* grid) {
        static const std::array teclas = {Qt::Key_Return,    Qt::Key_Escape, Qt::Key_Tab,
                                          Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Up,
                                          Qt::Key_Down,      Qt::Key_Left,   Qt::Key_Right};
        const Qt::KeyboardModifiers mod = azar() % 3 == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        switch (azar() % 4) {
            case 0: {
                const QString t = al_azar(azar, textos);
                QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, t.left(2));
                if (!t.isEmpty()) QApplication::sendEvent(grid, &tecla);
                break;
            }
            case 1:
                QTest::keyClick(grid,
                                static_cast<Qt::Key>(Qt::Key_A + static_cast<int>(azar() % 26)),
                                Qt::ControlModifier);
                break;
            default:
                QTest::keyClick(grid, teclas[azar() % teclas.size()], mod);
        }
    }

    void raton_en_rejilla(FlexGrid* grid) {
        const Grid& g = grid->grid();
        const int fila = entre(azar, 1, std::max(g.Rows() - 1, 1));
        const int col = entre(azar, 1, std::max(g.Cols() - 1, 1));
        const QModelIndex i = grid->gridModel()->indexOfCell(fila, col);
        if (!i.isValid()) return;
        const QPoint punto = grid->visualRect(i).center();
        if (azar() % 2 == 0) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, punto);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, punto);
        } else {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton,
                              azar() % 2 != 0 ? Qt::ShiftModifier : Qt::NoModifier, punto);
        }
    }

    void en_tabla(QWidget* w) {
        auto* grid = control<FlexGrid>(w, "MSFlexGrid1");
        auto* editor = control<QLineEdit>(w, "txtCellEditor");
        switch (azar() % 9) {
            case 0:
                pulsar(w, "cmdAgregar");
                break;
            case 1:
                pulsar(w, "cmdQuitar");
                break;
            case 2:
                calcular(w);
                break;
            case 3:
                QApplication::clipboard()->setText(al_azar(azar, pegados));
                control<QAction>(w, "accionPegar")->trigger();
                break;
            case 4:
                raton_en_rejilla(grid);
                break;
            case 5:
                if (editor->isVisible()) {
                    escribir(editor, al_azar(azar, textos));
                    QTest::keyClick(editor, azar() % 2 != 0 ? Qt::Key_Return : Qt::Key_Escape);
                    break;
                }
                [[fallthrough]];
            default:
                teclas_en_rejilla(grid);
        }
        if (w == v().coordAbat && azar() % 6 == 0) teclear(control<QLineEdit>(w, "txtTiempo"));
    }

    void teclear(QLineEdit* caja) {
        if (azar() % 3 == 0) QTest::keyClick(caja, Qt::Key_Backspace);
        if (azar() % 5 == 0) caja->clear();
        escribir(caja, al_azar(azar, textos));
        if (azar() % 4 == 0) QTest::keyClick(caja, Qt::Key_Return);
    }

    void en_resultados() {
        switch (azar() % 8) {
            case 0:
                pulsar(v().resultados, "cmdAcuifero");
                break;
            case 1:
            case 2:
                pulsar(v().resultados, "cmdPozos");
                break;
            case 3:
            case 4:
                pulsar(v().resultados, "cmdPuntos");
                break;
            default:
                dialogos.salirSi = azar() % 10 == 0;
                pulsar(v().resultados, "cmdTerminar");
        }
    }

    void paso() {
        QWidget* w = visible();
        if (w == v().caracteristicas) {
            if (azar() % 3 == 0) {
                calcular(w);
            } else {
                teclear(control<QLineEdit>(w, azar() % 2 != 0 ? "txtT" : "txtS"));
            }
        } else if (w == v().noPozos || w == v().coordAbat) {
            en_tabla(w);
        } else if (w == v().resultados) {
            en_resultados();
        }
        if (terminado) nuevo();  // "Salir" answered Yes: a fresh program
    }

    // What must hold after every action.
    void comprobar() {
        int visibles = 0;
        for (QWidget* w : hijas()) visibles += v().principal.visible(w) ? 1 : 0;
        if (visibles != 1) fallo = QStringLiteral("%1 child windows visible").arg(visibles);
        for (const Grid* g : {&v().noPozos->pozos(), &v().coordAbat->puntos()}) {
            if (g->Rows() < 2) fallo = "a table lost its header or its empty last row";
            for (int r = 1; r < g->Rows() - 1; ++r) {
                if (g->TextMatrix(r, 0) != std::to_string(r)) fallo = "a record is misnumbered";
            }
            if (!g->TextMatrix(g->Rows() - 1, 0).empty()) fallo = "the empty last row has a number";
        }
        if (v().principal.visible(v().resultados)) {
            const Grid& r = v().resultados->resultados();
            const int n = v().noPozos->pozos().Rows() - 2;
            const int m = v().coordAbat->puntos().Rows() - 2;
            const bool imagen = !v().resultados->imagen().isNull();
            if (calculoBueno && (r.Cols() != n + 3 || r.Rows() != m + 2 || !imagen)) {
                fallo = QStringLiteral("results of %1 x %2 for %3 wells and %4 points")
                            .arg(r.Cols())
                            .arg(r.Rows())
                            .arg(n)
                            .arg(m);
            }
            if (!calculoBueno && imagen) fallo = "a picture beside a failed calculation";
        }
    }
};

}  // namespace

class TestPaseo : public QObject {
    Q_OBJECT
  private slots:
    void paseoAlAzar() {
        const uint64_t semilla = variable(
            "WALK_SEED",
            static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
        const int acciones = static_cast<int>(variable("WALK_ACTIONS", 10000));
        std::printf("WALK_SEED=%llu WALK_ACTIONS=%d\n", static_cast<unsigned long long>(semilla),
                    acciones);
        std::fflush(stdout);
        Vigilante vigilante(semilla, std::chrono::seconds(60));
        Paseo paseo(semilla);
        QVERIFY(QTest::qWaitForWindowActive(&paseo.v().principal));
        for (int i = 1; i <= acciones && paseo.fallo.isEmpty(); ++i) {
            vigilante.accion(i);
            paseo.paso();
            paseo.comprobar();
            if (!paseo.fallo.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("WALK_SEED=%1, action %2: %3")
                                     .arg(semilla)
                                     .arg(i)
                                     .arg(paseo.fallo)));
            }
        }
        QVERIFY(paseo.calculos > 0);
    }
};

QTEST_MAIN(TestPaseo)
#include "test_paseo.moc"
