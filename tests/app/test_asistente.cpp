// The whole program: the walk through the windows, from the start to the results and back in
// update mode, what a failed calculation leaves, the real dialogs; the random walk is test_paseo.
#include <gdal_priv.h>
#include <ogrsf_frmts.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "adaptadores/dialogos_qt.h"
#include "adaptadores/flex_grid.h"
#include "app/programa.h"
#include "app/ruta_grafico.h"
#include "dibujo/grafico_mapa.h"
#include "estudio/archivo_estudio.h"
#include "forms/frmCurvaTiempo.h"
#include "model/filas.h"
#include "model/numeros.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// One well and one point, 2.7367 m after a day: the data of a calculation.
DatosCalculo datos_de_prueba() {
    return {{0.01, 0.0002}, 1, {{"P1", 0.3, leer_estricto("0.05"), 100, 0}}, {{"A", 0, 0}}};
}

// How a failing case spoils (true) or mends (false) the value it is about.
using Poner = std::function<void(Prueba&, bool)>;
Poner celda(bool pozos, int col, const char* mal, const char* bien) {
    return [=](Prueba& t, bool estropear) {
        Grid& g = pozos ? t.v.noPozos->pozos() : t.v.coordAbat->puntos();
        g.setTextMatrix(1, col, estropear ? mal : bien);
    };
}
Poner caja(const char* nombre, const char* mal, const char* bien) {
    return [=](Prueba& t, bool estropear) { t.caja(nombre)->setText(estropear ? mal : bien); };
}

// A study of one well, P1 at (0, 0) pumping 0.05 m3/s, with the aquifer given and no point.
Estudio un_pozo(const char* T, const char* S) {
    Estudio e;
    e.T = T;
    e.S = S;
    e.pozos = {{"P1", "0.3", "0.05", "0", "0"}};
    return e;
}

// How the entries reach the windows from outside the walk, before a point is added to them.
using Llegada = std::function<std::unique_ptr<Prueba>(const QTemporaryDir&)>;

}  // namespace

Q_DECLARE_METATYPE(Llegada)
Q_DECLARE_METATYPE(Poner)

class TestAsistente : public QObject {
    Q_OBJECT
  private slots:
    // The first pass, an update from the wells window straight to the results, the wait cursor
    // while a calculation runs, and "Salir" asked before the program ends.
    void recorrido() {
        Prueba t;
        t.hastaResultados();
        QVERIFY(t.visible() == t.v.resultados && t.dialogos.mostrados.empty());
        // The chart is copied whole.
        control<QAction>(t.v.resultados, "accionCopiarImagen")->trigger();
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(785, 465));

        pulsar(t.v.resultados, "cmdPozos");
        Prueba::agregar(t.v.noPozos->pozos(), {"P2", "0.3", "0.05", "-100", "0"});
        pulsar(t.v.noPozos, "cmdSiguiente");
        QCOMPARE(t.visible(), t.v.resultados);
        QCOMPARE(t.resultado(1, 4), std::string("5.4734"));

        Qt::CursorShape cursor = Qt::ArrowCursor;
        t.p.asistente.setGraficar(
            [&](const DatosCalculo&) { cursor = QGuiApplication::overrideCursor()->shape(); });
        pulsar(t.v.resultados, "cmdPuntos");
        pulsar(t.v.coordAbat, "cmdSiguiente");
        QCOMPARE(cursor, Qt::WaitCursor);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        // A fault of the program is reported too, and no chart of another calculation stays.
        QVERIFY(!t.v.resultados->imagen().isNull());
        t.p.asistente.setGraficar(
            [](const DatosCalculo&) { throw std::logic_error("fallo del programa"); });
        pulsar(t.v.resultados, "cmdPuntos");
        pulsar(t.v.coordAbat, "cmdSiguiente");
        QVERIFY(t.v.resultados->imagen().isNull() &&
                t.dialogos.ultimo().texto.contains("fallo del programa"));

        t.dialogos.si = {false, true};
        pulsar(t.v.resultados, "cmdTerminar");
        QVERIFY(!t.terminado && t.visible() == t.v.resultados);
        pulsar(t.v.resultados, "cmdTerminar");
        QVERIFY(t.terminado);
    }

    // A point's curve opens in a window of its own, one per point, over the results. It stands
    // aside while an input window shows and comes back with the results, drawn anew; it goes
    // with its point, and a failed calculation closes every curve; a drawdown that overflows at
    // some time of the curve is the calculation's error, and nothing opens.
    void curvasEnElTiempo() {
        Prueba t;
        t.hastaResultados([](Prueba& p) {
            Prueba::agregar(p.v.coordAbat->puntos(), {"B", "9", "9"});
        });
        for (const int fila : {2, 1, 2}) emit t.v.resultados->curvaPedida(fila);  // B's again
        const auto titulos = [&] {
            std::vector<QString> v;
            for (QWidget* w : t.p.asistente.curvas().abiertas()) v.push_back(w->windowTitle());
            return v;
        };
        const auto visibles = [&] {
            int n = 0;
            for (QWidget* w : t.p.asistente.curvas().abiertas()) n += w->isVisible() ? 1 : 0;
            return n;
        };
        QCOMPARE(titulos(),
                 (std::vector<QString>{"Abatimiento en el punto B", "Abatimiento en el punto A"}));
        QCOMPARE(visibles(), 2);  // B's window not opened twice
        pulsar(t.v.resultados, "cmdPozos");
        QCOMPARE(visibles(), 0);  // nothing covers the input window
        t.v.noPozos->pozos().setTextMatrix(1, 3, "0.1");
        pulsar(t.v.noPozos, "cmdSiguiente");  // "Actualizar": back to the results alone
        QCOMPARE(t.visibles(), std::vector<QWidget*>{t.v.resultados});
        QCOMPARE(visibles(), 2);
        auto* curvaA = qobject_cast<frmCurvaTiempo*>(t.p.asistente.curvas().abiertas().back());
        QCOMPARE(curvaA->grafico()->series().at(1)->name(), QString("A 1 día: 5.4734 m"));
        pulsar(t.v.resultados, "cmdPuntos");
        t.v.coordAbat->puntos().RemoveItem(2);  // B goes, and its curve with it
        pulsar(t.v.coordAbat, "cmdSiguiente");
        QTRY_COMPARE(titulos(), (std::vector<QString>{"Abatimiento en el punto A"}));

        pulsar(t.v.resultados, "cmdPozos");
        t.v.noPozos->pozos().setTextMatrix(1, 3, "1.4e307");
        pulsar(t.v.noPozos, "cmdSiguiente");
        QTRY_VERIFY(t.p.asistente.curvas().abiertas().empty());
        const size_t antes = t.dialogos.mostrados.size();
        emit t.v.resultados->curvaPedida(1);
        QCOMPARE(t.dialogos.mostrados.size(), antes + 1);
        QVERIFY(t.dialogos.ultimo().texto.contains("'6'"));
        QVERIFY(t.p.asistente.curvas().abiertas().empty());

        pulsar(t.v.resultados, "cmdPozos");
        t.v.noPozos->pozos().setTextMatrix(1, 3, "0.05");
        pulsar(t.v.noPozos, "cmdSiguiente");

        emit t.v.resultados->curvaPedida(1);
        QCOMPARE(t.p.asistente.curvas().abiertas().size(), size_t(1));
        t.dialogos.respuestasConCancelar = {Respuesta::no};
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();  // the changes dropped
        QTRY_VERIFY(t.p.asistente.curvas().abiertas().empty());      // no curve of another study
    }

    // The drawdown map opens from the plan chart's menu over its extent, at the pumping time;
    // the slider recomputes it at its time, the wheel at a closer view of the same scale, and
    // "Vista inicial" goes back. A map whose drawdown cannot be computed is the calculation's
    // error, and nothing opens.
    void mapaDeAbatimientos() {
        Prueba t;
        t.hastaResultados([](Prueba& p) {
            Prueba::agregar(p.v.noPozos->pozos(), {"I", "0.3", "-0.2", "50", "60"});
        });
        Mapa& mapa = t.p.asistente.mapa();
        QSignalSpy dibujado(&mapa, &Mapa::dibujado);
        control<QAction>(t.v.resultados, "accionMapa")->trigger();
        QVERIFY(dibujado.wait(60'000));  // at the size it is shown at in the main window
        QVERIFY(mapa.ventana() != nullptr && mapa.ventana()->isVisible());
        auto* grafico = control<GraficoMapa>(mapa.ventana(), "graficoMapa");
        const Caja inicial = grafico->mapa()->vista;
        QCOMPARE(grafico->mapa()->tiempo, 1.0);
        QVERIFY(inicial.xmin <= 0 && inicial.xmax >= 100 && inicial.ymin <= 0 &&
                inicial.ymax >= 60);
        QVERIFY(grafico->mapa()->minimo < 0);  // around the injection well

        auto* deslizador = control<QSlider>(mapa.ventana(), "sldTiempo");
        deslizador->setValue(0);
        mapa.esperar();
        QCOMPARE(grafico->mapa()->tiempo, tiempos_curva(1).dias.front());
        emit grafico->zoom(0.5, 0, 0);
        mapa.esperar();
        control<QAction>(mapa.ventana(), "accionVistaInicial")->trigger();
        mapa.esperar();
        QCOMPARE(grafico->mapa()->vista.xmin, inicial.xmin);
        // Closed while a map of another time is computed, and opened again: every map the new
        // window shows is of its own time.
        DatosCalculo campo = datos_de_prueba();
        campo.pozos.resize(3000, campo.pozos.front());
        Mapa grande(t.v.principal, t.dialogos);
        grande.nuevoCalculo(std::make_shared<const DatosCalculo>(campo));
        grande.setExtension({-100, 300, -200, 200});
        grande.abrir();
        auto* tiempo = control<QSlider>(grande.ventana(), "sldTiempo");
        tiempo->setValue(tiempo->maximum());
        grande.cerrar();
        grande.abrir();
        std::vector<double> mostrados;
        connect(&grande, &Mapa::dibujado, [&] {
            mostrados.push_back(
                control<GraficoMapa>(grande.ventana(), "graficoMapa")->mapa()->tiempo);
        });
        QTRY_VERIFY_WITH_TIMEOUT(!mostrados.empty(), 60'000);
        grande.esperar();
        QCOMPARE(mostrados, std::vector<double>(mostrados.size(), 1.0));

        DatosCalculo sinT = datos_de_prueba();
        sinT.acuifero.T = 0;
        Mapa otro(t.v.principal, t.dialogos);
        otro.nuevoCalculo(std::make_shared<const DatosCalculo>(sinT));
        otro.abrir();
        QVERIFY(otro.ventana() == nullptr && t.dialogos.ultimo().texto.contains("'11'"));
    }

    // The study in ETRS89 / UTM 30N: wells from a spreadsheet saved by LibreOffice; computed, more
    // wells imported while the results show and computed with them at once, and exported as a
    // GeoPackage, which GDAL reads back with the study's system; results of entries changed since,
    // never. An export before any result is told and changes nothing.
    void sistemaImportacionYExportacion() {
        Prueba t;
        t.dialogos.respuestas = {"EPSG:25830 · ETRS89 / UTM huso 30N"};
        control<QAction>(&t.v.principal, "accionSistema")->trigger();
        QCOMPARE(t.p.estudios.sistema().epsg, 25830);

        t.dialogos.archivos = {ABAT_DATOS "/pozos.xlsx"};
        control<QAction>(&t.v.principal, "accionImportarPozos")->trigger();
        QCOMPARE(record_count(t.v.noPozos->pozos()), 17);
        QCOMPARE(t.dialogos.ultimo().texto, QString("Se han añadido 17 pozos de «pozos.xlsx»."));
        Prueba::agregar(t.v.coordAbat->puntos(), {"Escuela", "440291", "4474254"});

        const QString gpkg = t.dir.filePath("estudio.gpkg");
        t.dialogos.archivos = {gpkg};
        control<QAction>(&t.v.principal, "accionExportarSig")->trigger();
        QVERIFY(t.dialogos.ultimo().texto.startsWith("No hay resultados") && !QFile::exists(gpkg));
        t.caja("txtT")->setText("0.01");
        t.caja("txtS")->setText("0.0002");
        t.caja("txtTiempo")->setText("30");
        for (QWidget* w :
             {(QWidget*)t.v.caracteristicas, (QWidget*)t.v.noPozos, (QWidget*)t.v.coordAbat})
            pulsar(w, "cmdSiguiente");
        QCOMPARE(t.visible(), t.v.resultados);
        // Imported while the results show, the wells are computed with the others at once.
        t.dialogos.archivos = {ABAT_DATOS "/pozos.csv"};
        control<QAction>(&t.v.principal, "accionImportarPozos")->trigger();
        QCOMPARE(t.visible(), t.v.resultados);
        QCOMPARE(t.v.resultados->resultados().Cols(), 34 + 3);
        QVERIFY(t.p.estudios.modificado());
        t.dialogos.archivos = {gpkg};
        control<QAction>(&t.v.principal, "accionExportarSig")->trigger();
        GDALAllRegister();
        {
            const std::unique_ptr<GDALDataset> g(
                GDALDataset::Open(gpkg.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_RASTER));
            QVERIFY(g != nullptr);
            QCOMPARE(g->GetLayerByName("pozos")->GetFeatureCount(), 34);
            OGRLayer* capaPuntos = g->GetLayerByName("puntos");
            QCOMPARE(capaPuntos->GetSpatialRef()->GetAuthorityCode(nullptr), "25830");
            OGRFeature* escuela = capaPuntos->GetNextFeature();
            QCOMPARE(QString::fromStdString(number_to_text(
                         escuela->GetFieldAsDouble(escuela->GetFieldIndex("abatimiento_total")))),
                     QString::fromStdString(t.resultado(1, 34 + 2)));
            OGRFeature::DestroyFeature(escuela);
        }
        // Results of other entries than the windows hold are never exported.
        pulsar(t.v.resultados, "cmdPozos");
        t.v.noPozos->pozos().setTextMatrix(1, 3, "0.5");
        QFile::remove(gpkg);
        control<QAction>(&t.v.principal, "accionExportarSig")->trigger();
        QVERIFY(t.dialogos.ultimo().texto.contains("pulse «Actualizar»") && !QFile::exists(gpkg));
    }

    // The keyboard: Tab reaches the chart first; Ctrl+Tab goes from the results to each open
    // curve; Escape closes a curve and gives the keyboard back to the results table. Wells x
    // points beyond the limit: said before anything changes, and the user stays.
    void tecladoYVentanasDentroDeLaVista() {
        Prueba t;
        t.hastaResultados([](Prueba& p) {
            Prueba::agregar(p.v.coordAbat->puntos(), {"B", "9", "9"});
        });
        auto* imagen = control(t.v.resultados, "Image1");
        control(t.v.resultados, "cmdAcuifero")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), imagen);
        auto* area = t.v.principal.findChild<QMdiArea*>();
        for (const int fila : {1, 2}) emit t.v.resultados->curvaPedida(fila);
        QApplication::setActiveWindow(&t.v.principal);
        t.v.principal.mostrar(t.v.resultados);
        t.v.resultados->enfocarTabla();
        QCOMPARE(area->activeSubWindow()->widget(), t.v.resultados);
        QCOMPARE(QApplication::focusWidget(), control(t.v.resultados, "MSFlexGrid1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        auto* curva = qobject_cast<frmCurvaTiempo*>(area->activeSubWindow()->widget());
        QVERIFY(curva != nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(t.p.asistente.curvas().abiertas().size(), size_t{1});
        QTRY_COMPARE(QApplication::focusWidget(), control(t.v.resultados, "MSFlexGrid1"));

        pulsar(t.v.resultados, "cmdPuntos");
        t.v.noPozos->pozos().setRows(5000 + 2);
        t.v.coordAbat->puntos().setRows(4001 + 2);
        const QStringList antes = t.entradas();
        pulsar(t.v.coordAbat, "cmdSiguiente");
        for (const char* cifra : {"20.005.000", "5000", "4001", "20.000.000"})
            QVERIFY2(t.dialogos.ultimo().texto.contains(cifra), cifra);
        QCOMPARE(t.visible(), t.v.coordAbat);
        QCOMPARE(t.entradas(), antes);
    }

    // A study saved and opened again, from the command line, computes the same results, the input
    // windows in update mode and marked unsaved after a change; one without a time opens on the
    // points window in its first-pass mode. A file that is not a study is told, naming it, and
    // every entry stays.
    void estudioGuardadoYAbierto() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("dos pozos");
        {
            Prueba t;
            t.hastaResultados([](Prueba& p) {
                Prueba::agregar(p.v.noPozos->pozos(), {"P<2>", "0,3", "0.05", "-100", "0"});
            });
            t.dialogos.archivos = {ruta};
            QTest::keyClick(&t.v.principal, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(t.dialogos.ultimo().propuesto, QString("Estudio.abat"));
            QVERIFY(!t.v.principal.isWindowModified());
            t.caja("txtTiempo")->setText("2");
            pulsar(t.v.resultados, "cmdAcuifero");  // another window shows: still unsaved
            QVERIFY(t.v.principal.isWindowModified());
        }
        Prueba t(ruta + ".abat");
        QCOMPARE(t.visible(), t.v.resultados);
        QCOMPARE(t.resultado(1, 4), std::string("5.4734"));
        QCOMPARE(t.v.noPozos->pozos().TextMatrix(2, 1), std::string("P<2>"));
        QCOMPARE(t.v.noPozos->cmdSiguiente()->text(), QString("Actualizar"));
        QCOMPARE(t.p.estudios.recientes().first(), ruta + ".abat");

        QFile sinTiempo(dir.filePath("sin tiempo.abat"));
        QVERIFY(sinTiempo.open(QIODevice::WriteOnly));
        sinTiempo.write(R"({"formato": "abatimientos", "version": 1,
            "acuifero": {"T": 0.01, "S": "0.0002"}, "puntos": [{"nombre": "A", "x": 1, "y": 2}],
            "pozos": [{"nombre": "P", "diametro": "1", "caudal": "1", "x": "0", "y": "0"}]})");
        sinTiempo.close();
        emit t.v.principal.estudioSoltado(sinTiempo.fileName());  // dropped on the window
        QCOMPARE(t.visible(), t.v.coordAbat);
        QCOMPARE(t.v.coordAbat->cmdSiguiente()->text(), QString("Siguiente"));
        QCOMPARE(t.caja("txtT")->text(), QString("0.01"));
        QVERIFY(t.v.resultados->resultados().Cols() == 0 && t.v.resultados->imagen().isNull());

        const QStringList antes = t.entradas();
        QFile f(dir.filePath("malo.abat"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("{\"formato\": \"abatimientos\",") > 0);
        f.close();
        const size_t mostrados = t.dialogos.mostrados.size();
        emit t.v.principal.estudioSoltado(f.fileName());
        QCOMPARE(t.dialogos.mostrados.size(), mostrados + 1);
        QCOMPARE(t.dialogos.ultimo().texto,
                 "No se puede abrir «" + f.fileName() +
                     "»: está incompleto: se acaba antes de cerrar el estudio.");
        QCOMPARE(t.entradas(), antes);
    }

    // Entries that come from outside the walk are stored as the walk stores them: a study without
    // points opened over a complete one of another aquifer, or recovered so, computes with the
    // aquifer its window shows once the point is added, not with the last study's.
    void entradasDeFueraSeCalculanComoSeMuestran_data() {
        QTest::addColumn<Llegada>("llegada");
        QTest::newRow("abierto sobre otro estudio") << Llegada([](const QTemporaryDir& dir) {
            Estudio completo = un_pozo("0.01", "0.0002");
            completo.puntos = {{"A", "100", "0"}};
            completo.tiempo = "1";
            guardar_estudio(completo, dir.filePath("completo.abat").toStdString());
            guardar_estudio(un_pozo("0.02", "0.0004"), dir.filePath("otro.abat").toStdString());
            auto t = std::make_unique<Prueba>(dir.filePath("completo.abat"));
            if (t->resultado(1, 2) != "2.7367") qFatal("the complete study did not compute");
            t->dialogos.archivos = {dir.filePath("otro.abat")};
            control<QAction>(&t->v.principal, "accionAbrir")->trigger();
            return t;
        });
        QTest::newRow("copia recuperada") << Llegada([](const QTemporaryDir& dir) {
            guardar_estudio(un_pozo("0.02", "0.0004"),
                            dir.filePath("recuperacion/recuperacion-1.abat").toStdString());
            return std::make_unique<Prueba>(QString(), dir.filePath("recuperacion"),
                                            [](DialogosGuionados& d) { d.si = {true}; });
        });
    }
    void entradasDeFueraSeCalculanComoSeMuestran() {
        QFETCH(Llegada, llegada);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("recuperacion");
        const std::unique_ptr<Prueba> t = llegada(dir);
        QCOMPARE(t->visible(), t->v.coordAbat);
        QCOMPARE(t->caja("txtT")->text(), QString("0.02"));
        Prueba::agregar(t->v.coordAbat->puntos(), {"A", "100", "0"});
        t->caja("txtTiempo")->setText("1");
        pulsar(t->v.coordAbat, "cmdSiguiente");
        // Theis at 100 m after a day with T = 0.02, S = 0.0004: 1.3684 m (T = 0.01: 2.7367 m).
        QCOMPARE(std::pair(t->resultado(1, 2), t->resultado(1, 3)),
                 std::pair(std::string("1.3684"), std::string("1.3684")));
    }

    // Entries changed since the study was saved or opened are not dropped without the question,
    // on a new study, another opened or "Salir": Cancel keeps everything, No drops them, Sí saves
    // them first. With a table focused,
    // Ctrl+letters open its cell editor, as they always have, and save nothing.
    void cambiosSinGuardar() {
        QTemporaryDir dir;
        Prueba t;
        t.hastaResultados();
        auto* grid = control<FlexGrid>(t.v.noPozos, "MSFlexGrid1");
        pulsar(t.v.resultados, "cmdPozos");
        grid->setFocus();
        t.v.noPozos->pozos().selectCell(1, 2);
        const size_t antes = t.dialogos.mostrados.size();
        QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(control(t.v.noPozos, "txtCellEditor")->isVisible());
        QCOMPARE(t.dialogos.mostrados.size(), antes);  // no save dialog
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        t.dialogos.respuestasConCancelar = {Respuesta::cancelar, Respuesta::si, Respuesta::no};
        t.dialogos.archivos = {dir.filePath("guardado.abat")};
        const QStringList entradas = t.entradas();
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("¿Desea guardar los cambios en «Estudio sin título»?"));
        QCOMPARE(t.entradas(), entradas);
        control<QAction>(&t.v.principal, "accionNuevo")->trigger();  // Sí: saved, then new
        QVERIFY(QFile::exists(dir.filePath("guardado.abat")));
        QVERIFY(!has_records(t.v.noPozos->pozos()) && t.caja("txtT")->text().isEmpty());
        QCOMPARE(t.visible(), t.v.caracteristicas);
        t.caja("txtT")->setText("1");
        t.dialogos.archivos = {dir.filePath("guardado.abat")};
        control<QAction>(&t.v.principal, "accionAbrir")->trigger();  // No: the study opens
        QCOMPARE(t.caja("txtT")->text(), QString("0.01"));
        QVERIFY(t.dialogos.respuestasConCancelar.empty());

        // Closing the main window asks too, and Cancel keeps it.
        t.caja("txtT")->setText("0.02");
        t.dialogos.respuestasConCancelar = {Respuesta::cancelar};
        QVERIFY(!t.v.principal.close());
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("¿Desea guardar los cambios en «guardado.abat»?"));
        // "Salir", confirmed, asks the same of a study file: Cancel stays, Sí saves and ends.
        t.dialogos.si = {true, true};
        t.dialogos.respuestasConCancelar = {Respuesta::cancelar, Respuesta::si};
        for (const bool termina : {false, true}) {
            control<QAbstractButton>(t.v.resultados, "cmdTerminar")->click();
            QCOMPARE(t.dialogos.ultimo().texto,
                     QString("¿Desea guardar los cambios en «guardado.abat»?"));
            QCOMPARE(t.terminado, termina);
        }
        QVERIFY(t.dialogos.si.empty() && t.dialogos.respuestasConCancelar.empty());
        QCOMPARE(abrir_estudio(dir.filePath("guardado.abat").toStdString())->T, "0.02");
    }

    // Killed or closed while the user works, the program leaves a copy of the entries, a cell
    // edited included, that the next start offers before anything else; "Salir" ends cleanly and
    // leaves none. Two programs running keep copies of their own.
    void recuperacionTrasUnCierreBrusco() {
        QTemporaryDir carpeta;
        const QString copia = carpeta.filePath("recuperacion-1.abat");
        {
            auto t = std::make_unique<Prueba>(QString(), carpeta.path());
            Prueba otra({}, carpeta.path());  // running at the same time
            t->caja("txtT")->setText("0.01");
            Prueba::agregar(t->v.noPozos->pozos(), {"Norte", "0.3", "0.05", "100", "0"});
            otra.caja("txtT")->setText("99");
            QTRY_VERIFY(QFile::exists(copia) &&
                        QFile::exists(carpeta.filePath("recuperacion-2.abat")));
            t->p.estudios.recuperacion().esperar();
            const auto contiene = [&](const char* texto) {
                QFile f(copia);
                return f.open(QIODevice::ReadOnly) && f.readAll().contains(texto);
            };
            t->v.noPozos->pozos().setTextMatrix(1, 1, "Sur");  // the last change reaches it too
            t->caja("txtS")->setText("0.0002");
            QTRY_VERIFY(contiene("Sur") && contiene("0.0002"));
            t->p.estudios.recuperacion().esperar();
            // A copy taken while a cell is edited holds the editor's text and leaves it open.
            pulsar(t->v.caracteristicas, "cmdSiguiente");
            t->v.noPozos->pozos().selectCell(1, 2);
            QTest::keyClicks(control<FlexGrid>(t->v.noPozos, "MSFlexGrid1"), "0");
            auto* editor = control<QLineEdit>(t->v.noPozos, "txtCellEditor");
            QTest::keyClicks(editor, ",45");  // typing alone is a change
            QTRY_VERIFY(contiene("0.45"));
            QVERIFY(editor->isVisible());
            QCOMPARE(editor->text(), QString("0,45"));
            // Closed by its title bar before the pause: the copy is written as it closes.
            t->caja("txtT")->setText("0.02");
            QVERIFY(t->v.principal.close());
        }  // neither says "Salir": as after a kill
        const auto si = [](DialogosGuionados& d) { d.si = {true}; };
        Prueba t({}, carpeta.path(), si);
        QCOMPARE(t.dialogos.mostrados.at(0).texto,
                 QString("La sesión anterior terminó sin guardar sus datos. "
                         "¿Desea recuperarlos?"));
        QCOMPARE(std::pair(t.caja("txtT")->text(), fila(t.v.noPozos->pozos(), 1)),
                 std::pair(QString("0.02"), QString("1|Sur|0.45|0.05|100|0")));
        t.dialogos.si = {true};
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        pulsar(t.v.noPozos, "cmdSiguiente");
        t.caja("txtTiempo")->setText("1");
        Prueba::agregar(t.v.coordAbat->puntos(), {"A", "0", "0"});
        pulsar(t.v.coordAbat, "cmdSiguiente");
        pulsar(t.v.resultados, "cmdTerminar");
        QVERIFY(t.terminado && !QFile::exists(copia));
        Prueba limpia({}, carpeta.path(), si);  // the other's copy is offered now
        QCOMPARE(limpia.caja("txtT")->text(), QString("99"));
    }

    // After a failed calculation the user is on the results, which show no picture; every input
    // is kept; the message names the error and where it arose; the button that leads to the
    // value to mend has the focus, and Enter opens its window; mended
    // there, the results come as if nothing had failed. On the first pass or on an update.
    void errorDeCalculoLlevaALosResultados_data() {
        QTest::addColumn<QString>("desde");  // the results button of the update; empty: first pass
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<Poner>("poner");
        // Each window once, and each source of error: a (well, point) pair, a grid node and the
        // chart's file. Which window each value leads to is told in the calculation's tests.
        const QString lugar = "Pozo 1, punto 1.";
        QTest::newRow("T = 0 al primer paso")
            << QString() << 11 << lugar << "cmdAcuifero" << caja("txtT", "0", "0.01");
        QTest::newRow("gasto no numérico desde el acuífero")
            << "cmdAcuifero" << 13 << lugar << "cmdPozos" << celda(true, 3, "abc", "0.05");
        QTest::newRow("punto desbordado")
            << "cmdPuntos" << 6 << lugar << "cmdPuntos" << celda(false, 2, "1e200", "0");
        QTest::newRow("nodo de la red desbordado")
            << "cmdPozos" << 6 << "nodo de la red en x = 1.4E+154"
            << "cmdPuntos" << celda(false, 2, "1.2e154", "0");
        QTest::newRow("gráfico que no se puede escribir")
            << "cmdPuntos" << 75 << "\n\n/nonexistent/grafico.gif"
            << "cmdAcuifero" << Poner([](Prueba& t, bool mal) {
                   t.p.archivoGrafico = mal ? "/nonexistent/grafico.gif"
                                            : QDir(t.dir.path()).filePath("g.gif").toStdString();
               });
    }
    void errorDeCalculoLlevaALosResultados() {
        QFETCH(QString, desde);
        QFETCH(int, error);
        QFETCH(QString, dice);
        QFETCH(QString, boton);
        QFETCH(Poner, poner);
        Prueba t;
        t.hastaResultados([&](Prueba& p) {
            if (desde.isEmpty()) poner(p, true);
        });
        if (!desde.isEmpty()) {
            control(t.v.resultados, "cmdTerminar")->setFocus();  // where the user left it
            pulsar(t.v.resultados, qPrintable(desde));
            poner(t, true);
            const QStringList antes = t.entradas();
            pulsar(t.visible(), "cmdSiguiente");
            QCOMPARE(t.entradas(), antes);
        }
        QApplication::setActiveWindow(&t.v.principal);  // back once the message closes
        const QString texto = t.dialogos.ultimo().texto;
        QVERIFY2(texto.contains(QStringLiteral("'%1'").arg(error)) && texto.contains(dice),
                 qPrintable(texto));
        QVERIFY(t.visible() == t.v.resultados && t.v.resultados->imagen().isNull());
        QWidget* enfocado = control(t.v.resultados, qPrintable(boton));
        QVERIFY2(enfocado->hasFocus(), qPrintable(texto));
        QVERIFY(t.sinEspera);

        QTest::keyClick(enfocado, Qt::Key_Return);
        poner(t, false);
        pulsar(t.visible(), "cmdSiguiente");
        QCOMPARE(t.resultado(1, 3), std::string("2.7367"));
        QVERIFY(t.visible() == t.v.resultados && !t.v.resultados->imagen().isNull());
    }

    // Beside the program; installed (even as root), or where it cannot write, in the user's
    // data directory.
    void dondeSeEscribeElGrafico_data() {
        QTest::addColumn<QString>("directorio");
        QTest::addColumn<QString>("esperado");  // empty: the user's data directory
        QTest::newRow("junto al programa") << QDir::tempPath() << QDir::tempPath();
        QTest::newRow("donde no puede escribir") << "/nonexistent/bin" << QString();
        QTest::newRow("instalado") << ABAT_BINDIR << QString();
    }
    void dondeSeEscribeElGrafico() {
        QFETCH(QString, directorio);
        QFETCH(QString, esperado);
        const QString datos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(QString::fromStdString(ruta_grafico(directorio)),
                 QDir(esperado.isEmpty() ? datos : esperado).filePath("grafico.gif"));
    }

    // A file dialog lists a folder by names alone: it never opens a file to find its type or
    // icon, which on a named pipe, a device or a file of /proc blocks until someone writes.
    // The kernel tells every opening of a file in the folder. A study's size and type show.
    void dialogoDeArchivosNoLeeLosArchivos() {
        const QTemporaryDir dir;
        QFile foto(QDir(dir.path()).filePath("foto"));  // a name that tells no type
        QVERIFY(foto.open(QIODevice::WriteOnly) && foto.write("\x89PNG\r\n\x1a\n", 8) == 8);
        foto.close();
        QFile estudio(QDir(dir.path()).filePath("estudio.abat"));
        QVERIFY(estudio.open(QIODevice::WriteOnly) && estudio.write(QByteArray(274, ' ')) == 274);
        estudio.close();
        QVERIFY(mkfifo(QDir(dir.path()).filePath("tubo").toLocal8Bit().constData(), 0600) == 0);
        const int avisos = inotify_init1(IN_NONBLOCK);
        QVERIFY(inotify_add_watch(avisos, dir.path().toLocal8Bit().constData(),
                                  IN_OPEN | IN_ACCESS) >= 0);
        QStringList tipos, columnas;  // as the list shows them; a study's size and type
        QString mostrada;             // the folder the dialog lists
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialogo->setDirectory(dir.path());  // it opens where the user last was
            mostrada = dialogo->directory().absolutePath();
            auto* modelo = dialogo->findChild<QFileSystemModel*>();
            for (const char* nombre : {"foto", "tubo", "estudio.abat"}) {
                const QModelIndex i = modelo->index(QDir(dir.path()).filePath(nombre));
                // Listed in the background: its type, and its icon, found with it.
                if (!QTest::qWaitFor([&] { return !modelo->type(i).isEmpty(); }, 30'000)) break;
                tipos << modelo->type(i);
                modelo->fileIcon(i);
            }
            const QModelIndex i = modelo->index(QDir(dir.path()).filePath("estudio.abat"));
            for (const int c : {1, 2}) columnas << i.siblingAtColumn(c).data().toString();
            dialogo->reject();
        });
        const QString antes = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QString filtro;
        DialogosQt().archivoParaGuardar("Guardar estudio", "Todos los archivos (*)", filtro);
        QDir::setCurrent(antes);
        alignas(inotify_event) char eventos[4096];
        int archivos = 0;  // openings or reads of a file, not of the folder
        for (ssize_t n; (n = ::read(avisos, eventos, sizeof eventos)) > 0;) {
            for (char* p = eventos; p < eventos + n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(p);
                archivos += (e->mask & IN_ISDIR) == 0 ? 1 : 0;
                p += sizeof(inotify_event) + e->len;
            }
        }
        ::close(avisos);
        QCOMPARE(mostrada, QDir(dir.path()).absolutePath());
        QVERIFY(!tipos.isEmpty() && !tipos.first().isEmpty());  // the list asked for a type
        QCOMPARE(archivos, 0);
        QCOMPARE(columnas, (QStringList{"274 bytes", "Estudio de abatimientos"}));
    }

    // The real dialogs: Spanish standard buttons, Yes the default of a question, texts shown as
    // plain text, and Cancel giving the empty text.
    void dialogosEnEspanol() {
        cargar_traduccion_qt();
        DialogosQt dialogos;
        QStringList vistos;
        const auto leer = [&](QMessageBox::StandardButton pulsar) {
            QTimer::singleShot(0, [&, pulsar] {
                auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                for (QAbstractButton* b : caja->buttons()) vistos << b->text().remove('&');
                QAbstractButton* si = caja->button(QMessageBox::Yes);
                if (si != nullptr && caja->defaultButton() == si) vistos << "(Sí)";
                if (caja->textFormat() != Qt::PlainText) vistos << "(formato)";
                caja->button(pulsar)->click();
            });
        };
        leer(QMessageBox::No);
        QVERIFY(!dialogos.pregunta("¿Está seguro de que desea salir?", "Salir"));
        leer(QMessageBox::Ok);
        dialogos.mensaje("<b>1</b>", "Eliminando pozo", Icono::advertencia);
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            for (QPushButton* b : w->findChildren<QPushButton*>()) vistos << b->text().remove('&');
            QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(dialogos.entrada("Introduzca el nombre del pozo", "Pozo 1"), QString());
        vistos.sort();
        QCOMPARE(vistos, (QStringList{"(Sí)", "Aceptar", "Aceptar", "Cancelar", "No", "Sí"}));
    }
};

QTEST_MAIN(TestAsistente)
#include "test_asistente.moc"
