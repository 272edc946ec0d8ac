// A random walk through the real program: the buttons and boxes of the window shown, the tables'
// cells, pastes, every command of the menu bar with its file dialogs (studies opened and saved,
// imports, GIS exports, pictures, the coordinate system), the pumping test, the boundaries and a
// well's schedule, the map and the curves. After every action, what must always hold: one window of
// the walk shows, the records are numbered, a calculating button keeps the entries; and whatever
// results show are those of the entries the windows hold (boundaries and steps too), computed again
// by the engine, with the map and the curves of the same calculation. The seeds are fixed, so every
// run walks alike; WALK_SEED and WALK_ACTIONS walk elsewhere or longer.
#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <random>

#include "adaptadores/flex_grid.h"
#include "app/contorno_entradas.h"
#include "app/programa.h"
#include "calc/resultados.h"
#include "estudio/archivo_estudio.h"
#include "forms/tabla_celdas.h"
#include "model/filas.h"
#include "model/numeros.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

int entero(const char* nombre, int porDefecto) {
    return qEnvironmentVariableIsSet(nombre) ? qEnvironmentVariableIntValue(nombre) : porDefecto;
}

// The files the walk's dialogs choose among, in a folder of its own: studies whole (one with a
// river and a schedule) and broken, spreadsheets and a layer to import, and places to save
// studies, pictures and GIS files.
struct Archivos {
    QTemporaryDir dir;
    QStringList estudios, importables, guardados, exportar, imagenes, informes;

    Archivos() {
        Estudio completo;
        completo.T = "0.01";
        completo.S = "0.0002";
        completo.pozos = {{"P1", "0.3", "0.05", "0", "0"}, {"P2", "0.3", "-0.02", "150", "40"}};
        completo.puntos = {{"A", "100", "0"}, {"B", "-60", "80"}};
        completo.tiempo = "30";
        guardar_estudio(completo, ruta("completo.abat"));
        Estudio utm = completo;
        for (auto& p : utm.pozos) p.x = "44010" + p.x, p.y = "447020" + p.y;
        for (auto& p : utm.puntos) p.x = "44011" + p.x, p.y = "447021" + p.y;
        utm.crs = "EPSG:25830";
        guardar_estudio(utm, ruta("utm.abat"));
        Estudio contorno = completo;  // a river to the west; P1 stops after 10 days
        contorno.limites = {{"Recarga", "-500", "-1000", "-500", "1000"}};
        contorno.etapas = {{{"10", "0"}}};
        guardar_estudio(contorno, ruta("contorno.abat"));
        Estudio sin_puntos = completo;
        sin_puntos.puntos.clear();
        sin_puntos.T = "0.02";
        guardar_estudio(sin_puntos, ruta("sin puntos.abat"));
        escribir_texto("roto.abat", "{\"formato\": \"abatimientos\", \"version\": 1,");
        escribir_texto("puntos.geojson", R"({"type": "FeatureCollection", "features": [
            {"type": "Feature", "properties": {"nombre": "Escuela"},
             "geometry": {"type": "Point", "coordinates": [-3.7038, 40.4168]}}]})");
        escribir_texto("no es hoja.csv", "a;b;c\nx\n");
        estudios = {qruta("completo.abat"),   qruta("contorno.abat"), qruta("utm.abat"),
                    qruta("sin puntos.abat"), qruta("roto.abat"),     qruta("guardado.abat"),
                    qruta("no existe.abat")};
        importables = {ABAT_DATOS "/pozos.csv", ABAT_DATOS "/pozos.xlsx", ABAT_DATOS "/pozos.ods",
                       qruta("puntos.geojson"), qruta("no es hoja.csv"),  qruta("falta.csv")};
        guardados = {qruta("guardado.abat"), qruta("otro"), qruta("falta/e.abat")};
        exportar = {qruta("sig.gpkg"), qruta("malla.tif"), qruta("malla.asc"), qruta("cad.dxf"),
                    qruta("falta/sig.gpkg")};
        imagenes = {qruta("imagen.png"), qruta("imagen.svg"), qruta("imagen.pdf")};
        informes = {qruta("informe.pdf"), qruta("informe.odt"), qruta("informe"),
                    qruta("falta/informe.pdf")};
    }
    std::string ruta(const char* nombre) const { return qruta(nombre).toStdString(); }
    QString qruta(const char* nombre) const { return QDir(dir.path()).filePath(nombre); }
    void escribir_texto(const char* nombre, const char* texto) const {
        QFile f(qruta(nombre));
        if (!f.open(QIODevice::WriteOnly) || f.write(texto) < 0) qFatal("cannot write %s", nombre);
    }
    // The file a dialog of this title chooses.
    QStringList para(const Mostrado& m) const {
        if (m.titulo.contains("Abrir estudio")) return estudios;
        if (m.titulo.contains("Importar")) return importables;
        if (m.titulo.contains("Guardar estudio")) return guardados;
        if (m.titulo.contains("SIG")) return exportar;
        if (m.titulo == "Informe") return informes;
        return imagenes;
    }
};

// A walk of the given length from a seed, and what it has seen.
class Paseo {
  public:
    Paseo(int semilla, const Archivos& archivos)
        : semilla_(semilla), azar_(semilla), a_(archivos) {}

    void andar(int acciones);
    int calculos() const { return calculos_; }  // actions after which results showed
    // What the walk has been through: the dialogs by title, the map and the curves shown.
    const QMap<QString, int>& vistos() const { return vistos_; }

  private:
    int entre(int a, int b) { return a + int(azar_() % uint64_t(b - a + 1)); }
    template <typename Lista>
    auto uno(const Lista& lista) {
        return lista[entre(0, int(lista.size()) - 1)];
    }
    QString numero();
    void empezar();
    void pulsar_boton(QWidget* w);
    void escribir_en_caja(QWidget* w);
    void pegar(QWidget* w);
    void en_la_tabla(QWidget* w);
    void del_menu(QWidget*);
    void de_los_resultados(QWidget*);
    void del_ensayo(QWidget*);
    void comprobar(int i);
    void comprobar_resultados(const QString& donde);

    int semilla_;
    std::mt19937_64 azar_;
    const Archivos& a_;
    std::unique_ptr<Prueba> t_;
    void contar();

    int calculos_ = 0;
    QMap<QString, int> vistos_;
    QStringList antes_;  // the entries before a calculating button
};

// Numbers mostly, so that the walk gets past the input's checks: each window's own kind first.
QString Paseo::numero() {
    static const QStringList validos = {"0.01", "0.0002", "1",    "30",   "0.05", "-0.02",
                                        "100",  "2.5e-3", "1E+2", "0,01", "12.5"};
    static const QStringList raros = {"0",   "-5", "1e400", "nan", "1,5", " 12 ",  "abc",
                                      "ñÁé", "💧",  "",      "+.5", "e",   "1.2.3", "<b>x</b>"};
    return entre(0, 3) == 0 ? uno(raros) : uno(validos);
}

void Paseo::contar() {
    if (!t_) return;
    for (const Mostrado& m : t_->dialogos.mostrados) ++vistos_[m.titulo];
    t_->dialogos.mostrados.clear();
}

void Paseo::empezar() {
    contar();
    t_ = std::make_unique<Prueba>();
    t_->dialogos.sinGuion = [this](const Mostrado& m) {
        switch (m.tipo) {
            case Mostrado::pregunta:
                return QString(entre(0, 9) == 0 ? "Sí" : "");
            case Mostrado::archivo:
            case Mostrado::abrir:
                return entre(0, 9) == 0 ? QString() : uno(a_.para(m));
            default:
                if (m.titulo == "Sistema de coordenadas") {
                    return QStringList{"EPSG:25830 · ETRS89 / UTM huso 30N", "4326", "25830",
                                       "Sin sistema (coordenadas locales)", "x"}[entre(0, 4)];
                }
                return entre(0, 3) == 0 ? numero() : QString::number(entre(-500, 500) / 7.0);
        }
    };
}

void Paseo::andar(int acciones) {
    for (int i = 1; i <= acciones; ++i) {
        if (!t_ || t_->terminado) empezar();  // at the start, and after "Salir" answered Yes
        QWidget* w = t_->visible();
        antes_.clear();
        // Each kind of action twice as often as a paste or the pumping test.
        // clang-format off
        static constexpr void (Paseo::*tipos[])(QWidget*) = {
            &Paseo::pulsar_boton, &Paseo::pulsar_boton, &Paseo::escribir_en_caja,
            &Paseo::escribir_en_caja, &Paseo::pegar, &Paseo::en_la_tabla, &Paseo::en_la_tabla,
            &Paseo::del_menu, &Paseo::del_menu, &Paseo::de_los_resultados,
            &Paseo::de_los_resultados, &Paseo::del_ensayo};
        // clang-format on
        // A well's schedule holds the program, as a dialog over it, until it closes: the kinds
        // of action before the menu's act on it.
        QWidget* etapas = t_->p.limitesYEtapas.etapasAbiertas();
        const bool enEtapas = etapas != nullptr && etapas->isVisible();
        (this->*tipos[entre(0, enEtapas ? 6 : 11)])(enEtapas ? etapas : w);
        if (QTest::currentTestFailed()) return;
        comprobar(i);
        if (QTest::currentTestFailed()) return;
        if (t_->p.asistente.mapa().ventana() != nullptr) ++vistos_["(mapa)"];
        if (!t_->p.asistente.curvas().abiertas().empty()) ++vistos_["(curvas)"];
    }
    contar();
}

void Paseo::pulsar_boton(QWidget* w) {
    const QList<QAbstractButton*> botones = w->findChildren<QAbstractButton*>();
    if (botones.isEmpty()) return;
    QAbstractButton* boton = uno(botones);
    const bool calcula = boton->objectName() == QStringLiteral("cmdSiguiente");
    auto* editor = w->findChild<QLineEdit*>("txtCellEditor");
    if (calcula && editor != nullptr && editor->isVisible())
        QTest::keyClick(editor, Qt::Key_Return);  // leaving it stores its text
    if (calcula) antes_ = t_->entradas();
    QTest::mouseClick(boton, Qt::LeftButton);
}

void Paseo::escribir_en_caja(QWidget* w) {
    QList<QLineEdit*> cajas = w->findChildren<QLineEdit*>();
    cajas.removeIf([](QLineEdit* c) { return !c->isVisible(); });
    if (cajas.isEmpty()) return;
    QLineEdit* caja = uno(cajas);
    if (entre(0, 2) == 0) caja->selectAll();
    escribir(caja, numero());
    QTest::keyClick(caja, entre(0, 1) != 0 ? Qt::Key_Return : Qt::Key_Escape);
}

void Paseo::pegar(QWidget* w) {
    // clang-format off
    static const QStringList pegados = {"P\t0.3\t0.05\t100\t0\n", "A;1,5;2\nB;3;4\n",
        "Nombre;Diámetro;Gasto;X;Y\nQ;0,3;0,01;10;20\n", "x\ty\n", "\"a;b\",1,2,3,4",
        "1e400\t1\t1\t1\t1", "Recarga\t-500\t-1000\t-500\t1000\n",
        "Tipo;X1;Y1;X2;Y2\nbar;0;-800;1000;-800\n", "Desde;Caudal\n0,5;0\n2;-0,01\n"};
    // clang-format on
    auto* accion = w->findChild<QAction*>("accionPegar");
    if (accion == nullptr) return;
    QApplication::clipboard()->setText(uno(pegados));
    accion->trigger();
}

void Paseo::en_la_tabla(QWidget* w) {
    auto* grid = w->findChild<FlexGrid*>();
    if (grid == nullptr || grid->model()->columnCount() == 0) return;
    if (w == t_->v.noPozos && entre(0, 5) == 0) {  // the schedule of the current cell's well
        control<QAction>(w, "accionEtapas")->trigger();
        return;
    }
    if (entre(0, 1) == 0) {
        const QPoint celda =
            grid->visualRect(grid->model()->index(entre(0, grid->model()->rowCount() - 1),
                                                  entre(0, grid->model()->columnCount() - 1)))
                .center();
        if (entre(0, 1) == 1) QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, celda);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton,
                          entre(0, 1) == 1 ? Qt::ShiftModifier : Qt::NoModifier, celda);
        return;
    }
    escribir(grid, numero().left(1));  // opens the editor on a record
    QTest::keyClick(grid, entre(0, 1) == 1 ? Qt::Key_Return : Qt::Key_Down,
                    entre(0, 1) == 1 ? Qt::ShiftModifier : Qt::NoModifier);
}

// Any command of the menu bar, as its menu offers it.
void Paseo::del_menu(QWidget*) {
    QList<QAction*> acciones;
    for (QAction* m : t_->v.principal.menuBar()->actions()) {
        if (m->menu() == nullptr) continue;
        for (QAction* a : m->menu()->actions()) {
            if (!a->isSeparator() && a->isVisible() && a->isEnabled()) acciones << a;
        }
    }
    if (!acciones.isEmpty()) uno(acciones)->trigger();
}

// From the results: the map opened, its time moved, a curve opened, a window closed.
void Paseo::de_los_resultados(QWidget*) {
    Prueba& t = *t_;
    if (t.visible() != t.v.resultados) return;
    switch (entre(0, 3)) {
        case 0:
            control<QAction>(t.v.resultados, "accionMapa")->trigger();
            break;
        case 1:
            if (has_records(t.v.resultados->resultados())) {
                emit t.v.resultados->curvaPedida(
                    entre(1, record_count(t.v.resultados->resultados())));
            }
            break;
        case 2:
            if (frmMapa* mapa = t.p.asistente.mapa().ventana()) {
                auto* tiempo = control<QSlider>(mapa, "sldTiempo");
                tiempo->setValue(entre(tiempo->minimum(), tiempo->maximum()));
                t.p.asistente.mapa().esperar();
            }
            break;
        default:
            if (!t.p.asistente.curvas().abiertas().empty()) {
                t.v.principal.cerrarVentana(uno(t.p.asistente.curvas().abiertas()));
            }
    }
}

// The pumping test's window: readings pasted, a fit, its aquifer used in the study.
void Paseo::del_ensayo(QWidget*) {
    Prueba& t = *t_;
    QWidget* e = t.v.ensayo;
    if (!e->isVisible()) {
        control<QAction>(&t.v.principal, "accionEnsayo")->trigger();
        return;
    }
    switch (entre(0, 2)) {
        case 0:
            QApplication::clipboard()->setText(
                "H30\t30\t1\t0.5\nH30\t30\t10\t1.2\nH30\t30\t100\t1.9\nH30\t30\t1000\t2.6\n");
            control<QAction>(e, "accionPegar")->trigger();
            break;
        case 1:
            escribir_en_caja(e);
            break;
        default:
            QTest::mouseClick(
                control<QAbstractButton>(e, entre(0, 1) == 0 ? "cmdAjustar" : "cmdUsarEnEstudio"),
                Qt::LeftButton);
    }
}

void Paseo::comprobar(int i) {
    Prueba& t = *t_;
    if (t.terminado) return;
    const QString donde = QStringLiteral("WALK_SEED=%1, action %2: ").arg(semilla_).arg(i);
    QVERIFY2(t.visibles().size() == 1, qPrintable(donde + "not one child window visible"));
    for (const Grid* g :
         {&t.v.noPozos->pozos(), &t.v.coordAbat->puntos(), &t.v.limites->tabla()->tabla()}) {
        for (int r = 1; r < g->Rows(); ++r)
            QVERIFY2(g->TextMatrix(r, 0) == (r < g->Rows() - 1 ? std::to_string(r) : ""),
                     qPrintable(donde + "a record misnumbered, or the last row numbered"));
    }
    if (!antes_.isEmpty())
        QVERIFY2(t.entradas() == antes_, qPrintable(donde + "the input changed"));
    comprobar_resultados(donde);
}

// The results that show, computed again from what the windows hold, cell by cell; the map and the
// curves of the same calculation.
void Paseo::comprobar_resultados(const QString& donde) {
    Prueba& t = *t_;
    const std::shared_ptr<const Calculo> calculo = t.p.asistente.calculo();
    if (t.visible() != t.v.resultados || !calculo) return;
    ++calculos_;
    QVERIFY2(t.p.asistente.resultadosVigentes(), qPrintable(donde + "results of other entries"));
    const Declaraciones& d = t.p.d;
    QVERIFY2(d.T == leading_number(t.caja("txtT")->text().toStdString()) &&
                 d.S == leading_number(t.caja("txtS")->text().toStdString()),
             qPrintable(donde + "an aquifer other than the one its window shows"));
    DatosCalculo datos =
        leer_datos(d, t.v.noPozos->pozos(), t.v.coordAbat->puntos(), t.v.coordAbat->tiempo());
    QWidget* ninguna = nullptr;  // with the boundaries and steps, as every calculation
    QVERIFY2(completar_datos(t.v, datos, ninguna), qPrintable(donde + "entries refused"));
    Grid esperada(2, 0, 1, 0);
    const Resultados numeros = calcular_resultados(datos, esperada);
    const Grid& mostrada = t.v.resultados->resultados();
    QVERIFY2(mostrada.Rows() == esperada.Rows() && mostrada.Cols() == esperada.Cols(),
             qPrintable(donde + "a results table of another shape"));
    for (int r = 0; r < esperada.Rows(); ++r) {
        for (int c = 0; c < esperada.Cols(); ++c) {
            QVERIFY2(mostrada.TextMatrix(r, c) == esperada.TextMatrix(r, c),
                     qPrintable(donde +
                                QStringLiteral("cell (%1, %2) of other entries: ").arg(r).arg(c) +
                                a_qstring(mostrada.TextMatrix(r, c))));
        }
    }
    QVERIFY2(calculo->resultados.totales == numeros.totales &&
                 calculo->resultados.partes == numeros.partes,
             qPrintable(donde + "the results' numbers are not the table's"));
    QVERIFY2(t.p.asistente.mapa().datos() == calculo->datos &&
                 t.p.asistente.curvas().datos() == calculo->datos,
             qPrintable(donde + "a map or curves of another calculation"));
    for (QWidget* curva : t.p.asistente.curvas().abiertas()) {
        const QString titulo = curva->windowTitle();
        const bool de_un_punto = std::any_of(
            calculo->datos->puntos.begin(), calculo->datos->puntos.end(), [&](const Punto& p) {
                return titulo == "Abatimiento en el punto " + QString::fromStdString(p.nombre);
            });
        QVERIFY2(de_un_punto, qPrintable(donde + "a curve of a point gone: " + titulo));
    }
}

}  // namespace

class TestPaseo : public QObject {
    Q_OBJECT
  private slots:
    void paseoAlAzar_data() {
        QTest::addColumn<int>("semilla");
        if (qEnvironmentVariableIsSet("WALK_SEED")) {
            QTest::newRow("WALK_SEED") << entero("WALK_SEED", 1);
            return;
        }
        for (const int semilla : {1, 2, 3}) {
            QTest::newRow(qPrintable(QStringLiteral("semilla %1").arg(semilla))) << semilla;
        }
    }
    void paseoAlAzar() {
        QFETCH(int, semilla);
        const Archivos archivos;
        Paseo paseo(semilla, archivos);
        const int acciones = entero("WALK_ACTIONS", 1500);
        paseo.andar(acciones);
        if (QTest::currentTestFailed()) return;
        QVERIFY2(paseo.calculos() > 0, "no action of the walk reached the results");
        // A walk of full length went through the menu bar's file dialogs, the boundaries' and a
        // schedule's pastes, the map and the curves too; a shorter one (WALK_ACTIONS) checks
        // what it meets.
        if (acciones < 1500) return;
        for (const char* visto :
             {"Abrir estudio", "Guardar estudio", "Importar pozos", "Importar puntos",
              "Exportar a SIG", "Sistema de coordenadas", "Pegar líneas", "Pegar etapas", "Informe",
              "(mapa)", "(curvas)"}) {
            QVERIFY2(paseo.vistos().value(visto) > 0, visto);
        }
    }
};

QTEST_MAIN(TestPaseo)
#include "test_paseo.moc"
