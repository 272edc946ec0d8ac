// The aquifer's boundaries and the wells' pumping steps in the whole program: the boundaries'
// window from the menu and back to the results, every refusal leaving everything as it was, the
// schedule over the wells window kept beside its well, the study saved and opened, the map and the
// GeoPackage's layer.
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <cmath>

#include "adaptadores/flex_grid.h"
#include "app/programa.h"
#include "calc/funcion_pozo.h"
#include "estudio/archivo_estudio.h"
#include "forms/frmEtapas.h"
#include "forms/frmMapa.h"
#include "forms/tabla_textos.h"
#include "model/columnas.h"
#include "model/filas.h"
#include "model/numeros.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

TablaTextos* tabla_limites(Prueba& t) {
    return control<TablaTextos>(t.v.limites, "tblLimites");
}

void abrir_limites(Prueba& t) {
    control<QAction>(&t.v.principal, "accionLimites")->trigger();
}

bool solo_limites(Prueba& t) {
    return t.visibles() == std::vector<QWidget*>{t.v.limites};
}

// A row typed into a table of texts by its window's "cmdAgregar", after the rows there.
void fila(QWidget* ventana, TablaTextos* tabla, const std::vector<const char*>& textos) {
    pulsar(ventana, "cmdAgregar");
    tabla->terminarEdicion();
    for (size_t c = 0; c < textos.size(); ++c)
        tabla->item(tabla->rowCount() - 1, static_cast<int>(c))->setText(textos[c]);
}

// Theis's drawdown, W as the program takes it: T = 0.01, S = 0.0002.
double theis(double Q, double r, double dias) {
    return Q / (cuatro_pi * 0.01) * funcion_pozo(r * r * 0.0002 / (4 * 0.01 * dias * 86400));
}

// The schedule of the well in row `fila`, opened from the wells table's menu.
frmEtapas* abrir_etapas(Prueba& t, int fila) {
    t.v.noPozos->pozos().selectCell(fila, 2);
    control<QAction>(t.v.noPozos, "accionEtapas")->trigger();
    frmEtapas* e = t.p.limitesYEtapas.etapasAbiertas();
    if (e == nullptr) qFatal("no schedule opened");
    return e;
}

void quitar_pozo(Prueba& t, const char* numero) {
    t.dialogos.respuestas = {numero};
    t.dialogos.si = {true};
    pulsar(t.v.noPozos, "cmdQuitar");
}

using Etapas = std::vector<std::vector<EtapaTexto>>;

}  // namespace

class TestLimites : public QObject {
    Q_OBJECT

  private slots:
    // The menu "Análisis" opens the boundaries' window alone, over the results; its table has
    // the five columns of a line and a new line is a recharge line; the type is typed by its first
    // letter, a number with a decimal comma; every control is described by its name.
    void ventanaDesdeElMenu() {
        Prueba t;
        t.hastaResultados();
        QAction* a = control<QAction>(&t.v.principal, "accionLimites");
        QCOMPARE(a->text(), QString("&Límites del acuífero…"));
        QVERIFY(t.v.principal.menuAnalisis()->actions().contains(a));
        abrir_limites(t);
        QVERIFY(solo_limites(t));
        TablaTextos* tabla = tabla_limites(t);
        QCOMPARE(tabla->columnCount(), 5);
        pulsar(t.v.limites, "cmdAgregar");
        QCOMPARE(tabla->item(0, 0)->text(), QString("Recarga"));
        tabla->terminarEdicion();
        tabla->setCurrentCell(0, 0);
        tabla->editItem(tabla->item(0, 0));
        auto* tipo = qobject_cast<QComboBox*>(tabla->indexWidget(tabla->currentIndex()));
        QVERIFY(tipo != nullptr);
        QTest::keyClick(tipo, Qt::Key_B);
        tabla->terminarEdicion();
        QCOMPARE(tabla->item(0, 0)->text(), QString("Barrera"));
        tabla->setCurrentCell(0, 1);
        tabla->editItem(tabla->item(0, 1));
        auto* caja = qobject_cast<QLineEdit*>(tabla->indexWidget(tabla->currentIndex()));
        QVERIFY(caja != nullptr);
        QTest::keyClicks(caja, "-2x5,5");  // the letter is no key of a number
        tabla->terminarEdicion();
        QCOMPARE(tabla->item(0, 1)->text(), QString("-25.5"));
        for (QWidget* w : t.v.limites->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                QCOMPARE(w->accessibleDescription(), w->objectName());
        }
        for (QLabel* l : t.v.limites->findChildren<QLabel*>()) QVERIFY(l->buddy() != nullptr);
    }

    // A refusal is told and changes nothing: from the boundaries' window it stays there, from the
    // wells window a well beyond a line leaves it there, the results as they were. "Actualizar"
    // computes again with the image of the well across a barrier and returns to the results; the
    // line taken away, the results are as before.
    void actualizarYRechazos() {
        Prueba t;
        t.hastaResultados();  // P1 at (100, 0), A at (0, 0), 1 day
        const QStringList entradas = t.entradas();
        const std::string antes = t.resultado(1, 2);
        abrir_limites(t);
        fila(t.v.limites, tabla_limites(t),
             {"Barrera", "50", "-10", "50", "10"});  // the point A, at x = 0, beyond it
        QVERIFY(t.p.estudios.modificado());
        pulsar(t.v.limites, "cmdActualizar");
        const QString fuera =
            " está al otro lado de la línea 1 (barrera), fuera del acuífero: el "
            "acuífero queda del lado de cada línea donde está el pozo 1.";
        QCOMPARE(t.dialogos.ultimo().texto, "El punto 1 «A»" + fuera);
        QCOMPARE(t.dialogos.ultimo().titulo, QString("Límites del acuífero"));
        QVERIFY(solo_limites(t));
        QCOMPARE(t.entradas(), entradas);
        QCOMPARE(t.resultado(1, 2), antes);
        QCOMPARE(tabla_limites(t)->rowCount(), 1);  // nothing typed is lost
        tabla_limites(t)->item(0, 1)->setText("-50");
        tabla_limites(t)->item(0, 3)->setText("-50");
        pulsar(t.v.limites, "cmdActualizar");
        QVERIFY(t.visibles() == std::vector<QWidget*>{t.v.resultados});
        QCOMPARE(t.v.resultados->resultados().Cols(), 4);  // one column for the well
        const double esperado = theis(0.05, 100, 1) + theis(0.05, 200, 1);
        QCOMPARE(t.resultado(1, 2), format_4dec(esperado));
        QCOMPARE(t.resultado(1, 3), number_to_text(valor_4dec(esperado)));
        pulsar(t.v.resultados, "cmdPozos");
        Prueba::agregar(t.v.noPozos->pozos(), {"P2", "0.3", "0.01", "-80", "0"});
        pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(t.dialogos.ultimo().texto, "El pozo 2 «P2»" + fuera);
        QCOMPARE(t.visible(), t.v.noPozos);
        QCOMPARE(t.resultado(1, 2), format_4dec(esperado));
        quitar_pozo(t, "2");
        pulsar(t.v.noPozos, "cmdSiguiente");
        abrir_limites(t);
        tabla_limites(t)->selectRow(0);
        t.dialogos.si = {true};
        pulsar(t.v.limites, "cmdQuitar");
        QCOMPARE(t.dialogos.ultimo().texto, QString("¿Está seguro que desea quitar la línea 1?"));
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.resultado(1, 2), antes);
    }

    // Opened over an input window of the first pass, the window goes back to it; a study whose
    // boundaries cannot be taken opens on them.
    void desdeLaPrimeraPasadaYAlAbrir() {
        Prueba t;
        t.caja("txtT")->setText("0.01");
        t.caja("txtS")->setText("0.0002");
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        abrir_limites(t);
        fila(t.v.limites, tabla_limites(t), {"Recarga", "0", "0", "0", "1"});
        pulsar(t.v.limites, "cmdActualizar");  // no well yet: no side to check
        QCOMPARE(t.visible(), t.v.noPozos);
        QCOMPARE(control<QPushButton>(t.v.noPozos, "cmdSiguiente")->text(), QString("Siguiente"));
        QTemporaryDir dir;
        guardar_estudio({.T = "0.01",
                         .S = "0.0002",
                         .pozos = {{"P1", "0.3", "0.05", "100", "0"}},
                         .puntos = {{"A", "-5", "0"}},
                         .tiempo = "1",
                         .crs = {},
                         .ensayo = {},
                         .limites = {{"Barrera", "0", "0", "0", "1"}}},
                        dir.filePath("fuera.abat").toStdString());
        t.dialogos.respuestasConCancelar = {Respuesta::no};
        t.p.estudios.abrir(dir.filePath("fuera.abat"));
        QVERIFY(t.dialogos.ultimo().texto.startsWith("El punto 1 «A» está al otro lado"));
        QVERIFY(solo_limites(t));
        tabla_limites(t)->item(0, 1)->setText("-10");
        tabla_limites(t)->item(0, 3)->setText("-10");
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.visible(), t.v.resultados);
        QCOMPARE(t.resultado(1, 2), format_4dec(theis(0.05, 105, 1) + theis(0.05, 115, 1)));
    }

    // The schedule of a well: its first row the well's "Gasto", kept in step with it; what it
    // accepts comes in as a change of the study and into the results; a refusal keeps it open,
    // Cancel changes nothing. Each well's schedule stays with its well when a well above is removed
    // (its schedule gone), through a new study and the study opened again.
    void caudalPorEtapas() {
        QTemporaryDir dir;
        Prueba t;
        t.hastaResultados();
        pulsar(t.v.resultados, "cmdPozos");
        QCOMPARE(menu([&] {
                     emit control<FlexGrid>(t.v.noPozos, "MSFlexGrid1")
                         ->customContextMenuRequested(QPoint(5, 30));
                 }).first(),
                 QString("accionEtapas"));
        frmEtapas* e = abrir_etapas(t, 1);
        QCOMPARE(e->windowTitle(), QString("Caudal por etapas del pozo 1 «P1»"));
        QVERIFY(e->isModal() || e->windowModality() != Qt::NonModal);
        QCOMPARE(e->tabla()->filas(), (std::vector<std::vector<std::string>>{{"0", "0.05"}}));
        QVERIFY(!(e->tabla()->item(0, 0)->flags() & Qt::ItemIsEditable));
        e->tabla()->item(0, 1)->setText("0.06");
        fila(e, e->tabla(), {"0.5", "x"});
        pulsar(e, "cmdAceptar");
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("El caudal de la etapa 2, «x», no es un valor numérico."));
        QVERIFY(e->isVisible());
        e->tabla()->item(1, 1)->setText("0");
        pulsar(e, "cmdAceptar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        Grid& pozos = t.v.noPozos->pozos();
        QCOMPARE(pozos.TextMatrix(1, columna_pozo::gasto), std::string("0.06"));
        QCOMPARE(t.v.noPozos->etapas(), (Etapas{{{"0.5", "0"}}}));
        QVERIFY(t.p.estudios.modificado());
        e = abrir_etapas(t, 1);
        QCOMPARE(e->tabla()->filas(),
                 (std::vector<std::vector<std::string>>{{"0", "0.06"}, {"0.5", "0"}}));
        e->tabla()->item(1, 0)->setText("7");
        pulsar(e, "cmdCancelar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        QCOMPARE(t.v.noPozos->etapas(), (Etapas{{{"0.5", "0"}}}));
        // Stopped at half a day: at one day the well's drawdown at A is Theis's recovery.
        pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(t.resultado(1, 2), format_4dec(theis(0.06, 100, 1) - theis(0.06, 100, 0.5)));

        pulsar(t.v.resultados, "cmdPozos");
        Prueba::agregar(pozos, {"P2", "0.3", "0.02", "300", "0"});
        Prueba::agregar(pozos, {"P3", "0.3", "0.01", "200", "50"});
        e = abrir_etapas(t, 3);
        fila(e, e->tabla(), {"3", "0"});
        pulsar(e, "cmdAceptar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        QCOMPARE(t.v.noPozos->etapas(), (Etapas{{{"0.5", "0"}}, {}, {{"3", "0"}}}));
        quitar_pozo(t, "1");  // P1 and its schedule removed: P3's moves up with its well
        const Etapas despues = {{}, {{"3", "0"}}};
        QCOMPARE(t.v.noPozos->etapas(), despues);
        t.dialogos.archivos = {dir.filePath("etapas.abat")};
        QVERIFY(t.p.estudios.guardarComo());
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QVERIFY(t.v.noPozos->etapas().empty() && !has_records(pozos));
        t.p.estudios.abrir(dir.filePath("etapas.abat"));
        QCOMPARE(t.v.noPozos->etapas(), despues);
    }

    // A study with boundaries saved and opened again computes the same results; the map opens
    // over an extent that holds the lines, and its cursor says where there is no aquifer; the
    // GeoPackage has the layer "limites".
    void estudioMapaYGeoPackage() {
        QTemporaryDir dir;
        Prueba t;
        t.hastaResultados();
        abrir_limites(t);
        fila(t.v.limites, tabla_limites(t), {"Recarga", "-50", "-1000", "-50", "1000"});
        fila(t.v.limites, tabla_limites(t), {"Barrera", "-1000", "-400", "1000", "-400"});
        pulsar(t.v.limites, "cmdActualizar");
        const std::string total = t.resultado(1, 3);
        t.dialogos.archivos = {dir.filePath("limites.abat")};
        QVERIFY(t.p.estudios.guardarComo());
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QCOMPARE(tabla_limites(t)->rowCount(), 0);
        t.p.estudios.abrir(dir.filePath("limites.abat"));
        QCOMPARE(tabla_limites(t)->rowCount(), 2);
        QCOMPARE(tabla_limites(t)->item(1, 0)->text(), QString("Barrera"));
        QCOMPARE(t.resultado(1, 3), total);
        QCOMPARE(t.p.asistente.calculo()->datos->limites.size(), size_t(2));
        Mapa& mapa = t.p.asistente.mapa();
        mapa.abrir();
        QVERIFY(mapa.ventana() != nullptr);
        const VistaMapa v = mapa.ventana()->vista();
        QVERIFY(v.xmin < -1000 && v.xmax > 1000 && v.ymin < -1000 && v.ymax > 1000);
        emit mapa.ventana()->cursorMovido(-300, 0);
        QVERIFY(
            control<QLabel>(mapa.ventana(), "lblCursor")->text().endsWith("fuera del acuífero"));
        emit mapa.ventana()->cursorMovido(10, 0);
        QVERIFY(control<QLabel>(mapa.ventana(), "lblCursor")->text().endsWith(" m"));
        const QString gpkg = dir.filePath("limites.gpkg");
        t.dialogos.archivos = {gpkg};
        control<QAction>(&t.v.principal, "accionExportarSig")->trigger();
        GDALAllRegister();
        const std::unique_ptr<GDALDataset> g(
            GDALDataset::Open(gpkg.toUtf8().constData(), GDAL_OF_VECTOR));
        QVERIFY(g != nullptr && g->GetLayerByName("limites") != nullptr);
        QCOMPARE(g->GetLayerByName("limites")->GetFeatureCount(), 2);
    }
};

QTEST_MAIN(TestLimites)
#include "test_limites.moc"
