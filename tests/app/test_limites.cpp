// The aquifer's boundaries and the wells' pumping steps in the whole program: the boundaries'
// window from the menu and back to the results, every refusal leaving everything as it was, the
// schedule over the wells window kept beside its well through every change of the table's rows, the
// study saved and opened, the curve and the map, and the GeoPackage's layer.
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <cmath>

#include "adaptadores/flex_grid.h"
#include "app/programa.h"
#include "calc/curva_tiempo.h"
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

// A line typed into the boundaries' table, after the lines there.
void linea(Prueba& t, const char* tipo, const char* x1, const char* y1, const char* x2,
           const char* y2) {
    TablaTextos* tabla = tabla_limites(t);
    pulsar(t.v.limites, "cmdAgregar");
    tabla->terminarEdicion();
    const int r = tabla->rowCount() - 1;
    const char* textos[] = {tipo, x1, y1, x2, y2};
    for (int c = 0; c < 5; ++c) tabla->item(r, c)->setText(textos[c]);
}

void abrir_limites(Prueba& t) {
    control<QAction>(&t.v.principal, "accionLimites")->trigger();
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

// Steps after the first typed into an open schedule, then accepted.
void poner_etapas(frmEtapas* e, const std::vector<std::pair<const char*, const char*>>& etapas) {
    for (const auto& [desde, caudal] : etapas) {
        pulsar(e, "cmdAgregar");
        e->tabla()->terminarEdicion();
        const int r = e->tabla()->rowCount() - 1;
        e->tabla()->item(r, 0)->setText(desde);
        e->tabla()->item(r, 1)->setText(caudal);
    }
    pulsar(e, "cmdAceptar");
}

std::vector<std::vector<EtapaTexto>> etapas_de(Prueba& t) {
    return t.v.noPozos->etapas();
}

}  // namespace

class TestLimites : public QObject {
    Q_OBJECT

  private slots:
    // The menu "Análisis" opens the boundaries' window alone, over the results; its table has
    // the columns of a line and a new line is a recharge line; every control is described by its
    // name.
    void ventanaDesdeElMenu() {
        Prueba t;
        t.hastaResultados();
        QAction* a = control<QAction>(&t.v.principal, "accionLimites");
        QCOMPARE(a->text(), QString("&Límites del acuífero…"));
        QVERIFY(t.v.principal.menuAnalisis()->actions().contains(a));
        abrir_limites(t);
        QVERIFY(t.v.principal.visible(t.v.limites) &&
                t.visibles() == std::vector<QWidget*>{t.v.limites});
        TablaTextos* tabla = tabla_limites(t);
        QStringList encabezados;
        for (int c = 0; c < tabla->columnCount(); ++c)
            encabezados << tabla->horizontalHeaderItem(c)->text();
        QCOMPARE(encabezados, (QStringList{"Tipo", "x1[m]", "y1[m]", "x2[m]", "y2[m]"}));
        pulsar(t.v.limites, "cmdAgregar");
        QCOMPARE(tabla->item(0, 0)->text(), QString("Recarga"));
        // Typed in the cell: the type by its first letter, a number with a decimal comma.
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

    // "Actualizar" computes again with the image of the well across a barrier and returns to the
    // results: the well's share includes its image. Taken away, the results are as before.
    void actualizarVuelveALosResultados() {
        Prueba t;
        t.hastaResultados();  // P1 at (100, 0), A at (0, 0), 1 day
        const std::string antes = t.resultado(1, 2);
        abrir_limites(t);
        linea(t, "Barrera", "-50", "0", "-50", "10");
        QVERIFY(t.p.estudios.modificado());
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.visible(), t.v.resultados);
        QVERIFY(!t.v.principal.visible(t.v.limites));
        QCOMPARE(t.v.resultados->resultados().Cols(), 4);  // one column for the well
        const double esperado = theis(0.05, 100, 1) + theis(0.05, 200, 1);
        QCOMPARE(t.resultado(1, 2), format_4dec(esperado));
        QCOMPARE(t.resultado(1, 3), number_to_text(valor_4dec(esperado)));
        abrir_limites(t);
        tabla_limites(t)->selectRow(0);
        t.dialogos.si = {true};
        pulsar(t.v.limites, "cmdQuitar");
        QCOMPARE(t.dialogos.ultimo().texto, QString("¿Está seguro que desea quitar la línea 1?"));
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.resultado(1, 2), antes);
    }

    // A refusal is told and changes nothing: from the boundaries' window it stays there, from the
    // wells window a well beyond a line leaves it there, the results as they were.
    void unRechazoNoCambiaNada() {
        Prueba t;
        t.hastaResultados();
        abrir_limites(t);
        linea(t, "Recarga", "50", "-10", "50", "10");  // the point A, at x = 0, beyond it
        const QStringList entradas = t.entradas();
        const std::string antes = t.resultado(1, 2);
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(
            t.dialogos.ultimo().texto,
            QString("El punto 1 «A» está al otro lado de la línea 1 (recarga), fuera del "
                    "acuífero: el acuífero queda del lado de cada línea donde está el pozo 1."));
        QCOMPARE(t.dialogos.ultimo().titulo, QString("Límites del acuífero"));
        QVERIFY(t.v.principal.visible(t.v.limites) &&
                t.visibles() == std::vector<QWidget*>{t.v.limites});
        QCOMPARE(t.entradas(), entradas);
        QCOMPARE(t.resultado(1, 2), antes);
        QCOMPARE(tabla_limites(t)->rowCount(), 1);  // nothing typed is lost
        tabla_limites(t)->item(0, 1)->setText("-50");
        tabla_limites(t)->item(0, 3)->setText("-50");
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.visible(), t.v.resultados);

        pulsar(t.v.resultados, "cmdPozos");
        Prueba::agregar(t.v.noPozos->pozos(), {"P2", "0.3", "0.01", "-80", "0"});
        const std::string con_limite = t.resultado(1, 2);
        pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(
            t.dialogos.ultimo().texto,
            QString("El pozo 2 «P2» está al otro lado de la línea 1 (recarga), fuera del "
                    "acuífero: el acuífero queda del lado de cada línea donde está el pozo 1."));
        QCOMPARE(t.visible(), t.v.noPozos);
        QCOMPARE(t.resultado(1, 2), con_limite);
    }

    // Opened over an input window of the first pass, the window goes back to it; a study whose
    // boundaries cannot be taken opens on them.
    void desdeLaPrimeraPasadaYAlAbrir() {
        Prueba t;
        t.caja("txtT")->setText("0.01");
        t.caja("txtS")->setText("0.0002");
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QCOMPARE(t.visible(), t.v.noPozos);
        abrir_limites(t);
        linea(t, "Recarga", "0", "0", "0", "1");
        pulsar(t.v.limites, "cmdActualizar");  // no well yet: no side to check
        QCOMPARE(t.visible(), t.v.noPozos);
        QCOMPARE(control<QPushButton>(t.v.noPozos, "cmdSiguiente")->text(), QString("Siguiente"));

        QTemporaryDir dir;
        Estudio e;
        e.T = "0.01";
        e.S = "0.0002";
        e.pozos = {{"P1", "0.3", "0.05", "100", "0"}};
        e.puntos = {{"A", "-5", "0"}};
        e.tiempo = "1";
        e.limites = {{"Barrera", "0", "0", "0", "1"}};
        guardar_estudio(e, dir.filePath("fuera.abat").toStdString());
        t.dialogos.respuestasConCancelar = {Respuesta::no};
        t.p.estudios.abrir(dir.filePath("fuera.abat"));
        QVERIFY(t.dialogos.ultimo().texto.startsWith("El punto 1 «A» está al otro lado"));
        QVERIFY(t.v.principal.visible(t.v.limites) &&
                t.visibles() == std::vector<QWidget*>{t.v.limites});
        tabla_limites(t)->item(0, 1)->setText("-10");
        tabla_limites(t)->item(0, 3)->setText("-10");
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.visible(), t.v.resultados);
        QCOMPARE(t.resultado(1, 2), format_4dec(theis(0.05, 105, 1) + theis(0.05, 115, 1)));
    }

    // The schedule of a well: its first row the well's "Gasto", kept in step with it; what it
    // accepts comes in as a change of the study; a refusal keeps it open.
    void caudalPorEtapas() {
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
        const auto filas = e->tabla()->filas();
        QCOMPARE(filas, (std::vector<std::vector<std::string>>{{"0", "0.05"}}));
        QVERIFY(!(e->tabla()->item(0, 0)->flags() & Qt::ItemIsEditable));
        e->tabla()->item(0, 1)->setText("0.06");
        pulsar(e, "cmdAgregar");
        e->tabla()->terminarEdicion();
        e->tabla()->item(1, 0)->setText("0.5");
        e->tabla()->item(1, 1)->setText("x");
        pulsar(e, "cmdAceptar");
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("El caudal de la etapa 2, «x», no es un valor numérico."));
        QVERIFY(e->isVisible());
        e->tabla()->item(1, 1)->setText("0");
        pulsar(e, "cmdAceptar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        QCOMPARE(t.v.noPozos->pozos().TextMatrix(1, columna_pozo::gasto), std::string("0.06"));
        QCOMPARE(etapas_de(t), (std::vector<std::vector<EtapaTexto>>{{{"0.5", "0"}}}));
        QVERIFY(t.p.estudios.modificado());
        // Reopened, it shows what it accepted; Cancel changes nothing.
        e = abrir_etapas(t, 1);
        QCOMPARE(e->tabla()->filas(),
                 (std::vector<std::vector<std::string>>{{"0", "0.06"}, {"0.5", "0"}}));
        e->tabla()->item(1, 0)->setText("7");
        pulsar(e, "cmdCancelar");
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        QCOMPARE(etapas_de(t), (std::vector<std::vector<EtapaTexto>>{{{"0.5", "0"}}}));
        // Stopped at half a day: at one day the well's drawdown at A is Theis's recovery.
        pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(t.visible(), t.v.resultados);
        QCOMPARE(t.resultado(1, 2), format_4dec(theis(0.06, 100, 1) - theis(0.06, 100, 0.5)));
        // The curve through the stop: up to half a day, then down.
        t.p.asistente.curvas().abrir(1);
        const auto curva = curva_tiempo(*t.p.asistente.calculo()->datos, 0, 0);
        size_t pico = 0;
        for (size_t i = 0; i < curva.total.size(); ++i)
            if (curva.total[i] > curva.total[pico]) pico = i;
        QVERIFY(std::fabs(curva.tiempos.dias[pico] - 0.5) < 0.03);
        QVERIFY(curva.total.back() < 0.2 * curva.total[pico]);
        QCOMPARE(t.p.asistente.curvas().abiertas().size(), size_t(1));
    }

    // Each well's schedule stays with its well through every change of the rows: a well added,
    // one removed, rows pasted, wells imported, a new study, a study opened; a removed well's
    // schedule is gone for good.
    void etapasAlineadasConSusPozos() {
        QTemporaryDir dir;
        Prueba t;
        t.hastaResultados();
        pulsar(t.v.resultados, "cmdPozos");
        Grid& pozos = t.v.noPozos->pozos();
        Prueba::agregar(pozos, {"P2", "0.3", "0.02", "300", "0"});
        Prueba::agregar(pozos, {"P3", "0.3", "0.01", "200", "50"});
        poner_etapas(abrir_etapas(t, 2), {{"3", "0"}});
        QTRY_VERIFY(t.p.limitesYEtapas.etapasAbiertas() == nullptr);
        const std::vector<EtapaTexto> de_p2 = {{"3", "0"}};
        const auto de_fila = [&](int fila) { return t.v.noPozos->etapas(fila); };
        QCOMPARE(de_fila(2), de_p2);

        t.dialogos.respuestas = {"P4", "0.3", "0.01", "400", "10"};
        pulsar(t.v.noPozos, "cmdAgregar");  // added: at the end, with none
        QCOMPARE(record_count(pozos), 4);
        QCOMPARE(de_fila(2), de_p2);
        QVERIFY(de_fila(4).empty());

        t.dialogos.respuestas = {"1"};
        t.dialogos.si = {true};
        pulsar(t.v.noPozos, "cmdQuitar");  // P1 removed: P2's schedule moves up with it
        QCOMPARE(pozos.TextMatrix(1, 1), std::string("P2"));
        QCOMPARE(de_fila(1), de_p2);
        QVERIFY(de_fila(2).empty() && de_fila(3).empty());

        QApplication::clipboard()->setText("P5\t0.3\t0.01\t500\t0\nP6\t0.3\t0.01\t600\t0\n");
        control<QAction>(t.v.noPozos, "accionPegar")->trigger();
        QCOMPARE(record_count(pozos), 5);
        QCOMPARE(etapas_de(t), (std::vector<std::vector<EtapaTexto>>{de_p2}));

        t.dialogos.archivos = {ABAT_DATOS "/pozos.csv"};
        control<QAction>(t.v.noPozos, "accionImportar")->trigger();
        QCOMPARE(record_count(pozos), 5 + 17);
        QCOMPARE(etapas_de(t), (std::vector<std::vector<EtapaTexto>>{de_p2}));

        // Saved, then a new study: none; opened again: at its well.
        t.dialogos.archivos = {dir.filePath("etapas.abat")};
        QVERIFY(t.p.estudios.guardarComo());
        QFile archivo(dir.filePath("etapas.abat"));
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        QVERIFY(
            archivo.readAll().contains(R"("y": "0", "etapas": [{"desde": "3", "caudal": "0"}]})"));
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QVERIFY(etapas_de(t).empty() && !has_records(pozos));
        t.p.estudios.abrir(dir.filePath("etapas.abat"));
        QCOMPARE(pozos.TextMatrix(1, 1), std::string("P2"));
        QCOMPARE(etapas_de(t), (std::vector<std::vector<EtapaTexto>>{de_p2}));

        // The well removed: its schedule goes, and no well added after takes it.
        pulsar(t.v.resultados, "cmdPozos");
        t.dialogos.respuestas = {"1"};
        t.dialogos.si = {true};
        pulsar(t.v.noPozos, "cmdQuitar");
        QVERIFY(etapas_de(t).empty());
        while (record_count(pozos) > 0) {
            t.dialogos.respuestas = {"1"};
            t.dialogos.si = {true};
            pulsar(t.v.noPozos, "cmdQuitar");
        }
        t.dialogos.respuestas = {"Q", "0.3", "0.01", "1", "1"};
        pulsar(t.v.noPozos, "cmdAgregar");
        QVERIFY(etapas_de(t).empty());
        QVERIFY(t.v.noPozos->etapas(1).empty());
    }

    // A study with boundaries and steps saved and opened again computes the same results; the map
    // opens over an extent that holds the lines, has no value beyond them, and its cursor says so;
    // the GeoPackage has the layer "limites".
    void estudioMapaYGeoPackage() {
        QTemporaryDir dir;
        Prueba t;
        t.hastaResultados();
        abrir_limites(t);
        linea(t, "Recarga", "-50", "-1000", "-50", "1000");
        linea(t, "Barrera", "-1000", "-400", "1000", "-400");
        pulsar(t.v.limites, "cmdActualizar");
        QCOMPARE(t.visible(), t.v.resultados);
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
        const std::shared_ptr<const DibujoMapa> d = mapa.paraExportar();
        int sin_valor = 0;
        for (int j = 0; j < d->rejilla.ny; ++j) {
            for (int i = 0; i < d->rejilla.nx; ++i) {
                const bool fuera = d->rejilla.x(i) < -50 || d->rejilla.y(j) < -400;
                QCOMPARE(std::isnan(d->rejilla.valor(i, j)), fuera);
                sin_valor += fuera ? 1 : 0;
            }
        }
        QVERIFY(sin_valor > 0);
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
        QVERIFY(g != nullptr);
        OGRLayer* capa = g->GetLayerByName("limites");
        QVERIFY(capa != nullptr);
        QCOMPARE(capa->GetFeatureCount(), 2);
        OGRFeature* f = capa->GetNextFeature();
        QCOMPARE(QString(f->GetFieldAsString("tipo")), QString("recarga"));
        const auto* l = f->GetGeometryRef()->toLineString();
        QCOMPARE(std::pair(l->getX(0), l->getX(1)), std::pair(-50.0, -50.0));
        QVERIFY(std::fabs(l->getY(1) - l->getY(0)) >= 2000);
        OGRFeature::DestroyFeature(f);
    }

    // A study without boundaries or steps exports no layer of them.
    void sinLimitesNingunaCapa() {
        QTemporaryDir dir;
        Prueba t;
        t.hastaResultados();
        const QString gpkg = dir.filePath("sin.gpkg");
        t.dialogos.archivos = {gpkg};
        control<QAction>(&t.v.principal, "accionExportarSig")->trigger();
        GDALAllRegister();
        const std::unique_ptr<GDALDataset> g(
            GDALDataset::Open(gpkg.toUtf8().constData(), GDAL_OF_VECTOR));
        QVERIFY(g != nullptr && g->GetLayerByName("pozos") != nullptr);
        QVERIFY(g->GetLayerByName("limites") == nullptr);
    }
};

QTEST_MAIN(TestLimites)
#include "test_limites.moc"
