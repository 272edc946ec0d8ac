// The whole program as a new user meets it: layers and pastes as others keep them, the recent
// studies and the settings, the file dialogs' folder, and the messages of a study, a recovery and
// the map.
#include "forms/frmMapa.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

QTemporaryDir* configuracion = nullptr;  // the user's ~/.config, the test's own

void escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) qFatal("cannot write");
}

// A layer of two points in longitude and latitude, "P1" in Madrid and `otro` at `lonlat`, with
// the fields "Pozo" and "Caudal" and no diameter; written as `nombre`.geojson in the study's dir.
QString capa(Prueba& t, const QString& nombre, const QString& otro, const QString& lonlat) {
    const QString punto = R"({"type": "Feature", "properties": {"Pozo": "%1", "Caudal": 0.01},
        "geometry": {"type": "Point", "coordinates": [%2]}})";
    const QString ruta = t.dir.filePath(nombre + ".geojson");
    escribir(ruta, (R"({"type": "FeatureCollection", "features": [)" +
                    punto.arg("P1", "-3.70, 40.42") + "," + punto.arg(otro, lonlat) + "]}")
                       .toUtf8());
    return ruta;
}

// The study in EPSG:25830, with the aquifer given, on the wells window.
void en_25830(Prueba& t) {
    t.dialogos.respuestas = {"25830"};
    control<QAction>(&t.v.principal, "accionSistema")->trigger();
    t.caja("txtT")->setText("0.01");
    t.caja("txtS")->setText("0.0002");
    pulsar(t.v.caracteristicas, "cmdSiguiente");
}

}  // namespace

class TestPrimerUso : public QObject {
    Q_OBJECT
  private slots:
    // A wells layer without diameters asks once for the diameter of all its wells until it reads
    // as a number; a paste with a header names the columns it left out; features of a layer far
    // outside the area of use of the study's system are told with their count, and left out when
    // so answered.
    void capasYPegadoConCabecera() {
        Prueba t;
        en_25830(t);
        t.dialogos.archivos = {capa(t, "sin diametro", "P2", "-3.71, 40.42")};
        t.dialogos.respuestas = {"ancho", "0,3"};
        control<QAction>(t.v.noPozos, "accionImportar")->trigger();
        const QString pregunta =
            "La capa «sin diametro» de «sin diametro.geojson» no tiene el campo del diámetro "
            "(diámetro o diameter). Introduzca el diámetro de sus 2 pozos, en metros:";
        QStringList vistos;  // asked, refused, asked again
        for (const Mostrado& m : t.dialogos.mostrados) vistos << m.texto;
        QCOMPARE(vistos.filter("diámetro"),
                 (QStringList{pregunta, "Debe introducir un valor numérico para el diámetro",
                              pregunta}));
        const Grid& pozos = t.v.noPozos->pozos();
        QVERIFY(record_count(pozos) == 2 && fila(pozos, 2).startsWith("2|P2|0.3|0.01|"));

        QApplication::clipboard()->setText(
            "Pozo\tX (m)\tY (m)\tCaudal [m3/s]\tDiámetro (m)\tObservaciones\tFecha\n"
            "Nuevo\t100\t0\t0,05\t0,3\tjunto al río\t2024");
        control<QAction>(t.v.noPozos, "accionPegar")->trigger();
        QCOMPARE(fila(pozos, 3), QString("3|Nuevo|0.3|0.05|100|0"));
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("Se ha pegado 1 pozo. No se han leído las columnas «Observaciones» y "
                         "«Fecha»: la tabla no las tiene."));

        pulsar(t.v.noPozos, "cmdSiguiente");  // the points window, whose table is imported into
        t.dialogos.archivos = {capa(t, "lejos", "Lejos", "150, 40")};
        t.dialogos.respuestasConCancelar = {Respuesta::no};
        control<QAction>(t.v.coordAbat, "accionImportar")->trigger();
        QVERIFY(t.dialogos.ultimo().texto.startsWith(
            "La capa «lejos» de «lejos.geojson»: 1 de 2 puntos cae "
            "lejos del área de uso de EPSG:25830 · ETRS89 / UTM huso "
            "30N; «Lejos» queda en x = "));
        const Grid& puntos = t.v.coordAbat->puntos();
        QVERIFY(record_count(puntos) == 1 && puntos.TextMatrix(1, 1) == "P1");
    }

    // Settings in ~/.config/abatimientos/; the recent studies by their whole path, last in the
    // menu bar as the user sees it, and a file gone since dropped from the list; the file dialogs
    // open in the folder of the study in use. A map time of 0 is refused saying why, and the map
    // stays at its time.
    void recientesAjustesYTiempos() {
        QTemporaryDir dir;
        const QString norte = dir.filePath("norte/estudio.abat");
        const QString sur = dir.filePath("sur/estudio.abat");
        {
            Prueba t;
            t.hastaResultados([](Prueba& p) { p.caja("txtTiempo")->setText("30"); });
            t.p.asistente.mapa().abrir();
            frmMapa* mapa = t.p.asistente.mapa().ventana();
            auto* tiempo = control<QLineEdit>(mapa, "txtTiempoMapa");
            tiempo->setText("0");
            emit tiempo->editingFinished();
            QCOMPARE(t.dialogos.ultimo().texto,
                     QString("El tiempo del mapa ha de ser mayor que 0 días: al empezar el "
                             "bombeo no hay abatimiento que dibujar. El mapa sigue a 30 días."));
            QCOMPARE(std::pair(tiempo->text(), mapa->tiempo()), std::pair(QString("30"), 30.0));
            for (const QString& ruta : {norte, sur}) {
                QDir().mkpath(QFileInfo(ruta).path());
                t.dialogos.archivos = {ruta};
                control<QAction>(&t.v.principal, "accionGuardarComo")->trigger();
                QCOMPARE(t.dialogos.carpeta, QFileInfo(ruta).absolutePath());
            }
            QCOMPARE(QDir(configuracion->filePath("abatimientos")).entryList(QDir::Files),
                     QStringList{QCoreApplication::applicationName() + ".conf"});
            QVERIFY(!QDir(configuracion->path()).exists("Unknown Organization"));
        }
        QFile::remove(sur);
        Prueba t(norte);  // from the command line
        QCOMPARE(t.dialogos.carpeta, QFileInfo(norte).absolutePath());
        // The menu bar as the user sees it: each command's name, text and keys, in order, and the
        // separators; the study last, by its whole path.
        emit t.v.principal.menuArchivo()->aboutToShow();
        QStringList barra;
        for (const QAction* m : t.v.principal.menuBar()->actions()) {
            barra << m->text();
            for (const QAction* a : m->menu()->actions()) {
                const QString orden =
                    a->objectName() + ' ' + a->text() + ' ' + a->shortcut().toString();
                if (a->isVisible()) barra << (a->isSeparator() ? "-" : orden.trimmed());
            }
        }
        QCOMPARE(barra.join('|'),
                 "&Archivo|accionNuevo &Nuevo Ctrl+N|accionAbrir &Abrir… Ctrl+O|accionGuardar "
                 "&Guardar Ctrl+S|accionGuardarComo Guardar &como… Ctrl+Shift+S|-|"
                 "accionImportarPozos Importar &pozos…|accionImportarPuntos Importar p&untos…|"
                 "accionExportarSig &Exportar a SIG…|accionSistema &Sistema de coordenadas…|-|"
                 "accionInforme &Informe… Ctrl+R|accionImprimir &Imprimir… Ctrl+P|-|"
                 "accionReciente1 &1 " +
                     QDir::toNativeSeparators(norte) +
                     "|A&nálisis|"
                     "accionEnsayo &Ensayo de bombeo…|accionLimites &Límites del acuífero…|"
                     "accionAcuitardo &Acuitardo…|accionAbatimientoPozos Abatimiento en los "
                     "&pozos…");
        QCOMPARE(t.p.estudios.recientes(), QStringList{norte});
    }

    // A study whose system is refused names it once, in a sentence that ends once; the recovery
    // question names the study whose changes were not saved.
    void estudioRechazadoYRecuperado() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath("presa.abat");
        {
            Prueba t(QString(), carpeta.filePath("copias"));
            const QString grados = t.dir.filePath("grados.abat");
            escribir(grados, R"({"formato": "abatimientos", "version": 1, "crs": "EPSG:4326"})");
            emit t.v.principal.estudioSoltado(grados);
            QCOMPARE(t.dialogos.ultimo().texto,
                     QString("No se puede abrir «%1»: su «crs», EPSG:4326 (WGS 84) no es un "
                             "sistema proyectado: las coordenadas de pozos y puntos han de estar "
                             "en metros.")
                         .arg(grados));
            t.hastaResultados();
            t.dialogos.archivos = {ruta};
            control<QAction>(&t.v.principal, "accionGuardar")->trigger();
            t.caja("txtT")->setText("0.02");
            QTRY_VERIFY(QFile::exists(t.p.estudios.recuperacion().rutaCopia()));
            t.p.estudios.recuperacion().esperar();
        }  // ended without "Salir", as after a kill
        Prueba t({}, carpeta.filePath("copias"), [](DialogosGuionados& d) { d.si = {false}; });
        QCOMPARE(t.dialogos.mostrados.at(0).texto,
                 "La sesión anterior terminó sin guardar los cambios de «" +
                     QDir::toNativeSeparators(ruta) + "». ¿Desea recuperarlos?");
    }
};

int main(int argc, char** argv) {
    QTemporaryDir config;  // before the application, which reads where settings go once
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    configuracion = &config;
    QApplication app(argc, argv);
    TestPrimerUso prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "test_primer_uso.moc"
