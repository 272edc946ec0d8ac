// The whole program as a new user meets it: spreadsheets and layers as others keep them, the
// recent studies and the settings, the file dialogs, and the messages of a study, a recovery and
// the map.
#include "adaptadores/dialogos_qt.h"
#include "forms/frmCurvaTiempo.h"
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

// A layer of points in longitude and latitude, one field "Pozo" and one "Caudal".
QByteArray capa_geojson(const std::vector<std::tuple<const char*, double, double>>& puntos) {
    QByteArray texto = R"({"type": "FeatureCollection", "features": [)";
    for (const auto& [nombre, lon, lat] : puntos) {
        texto +=
            QStringLiteral(R"(%1{"type": "Feature", "properties": {"Pozo": "%2", "Caudal": 0.01},
            "geometry": {"type": "Point", "coordinates": [%3, %4]}})")
                .arg(texto.endsWith('[') ? "" : ",", nombre)
                .arg(lon)
                .arg(lat)
                .toUtf8();
    }
    return texto + "]}";
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
    // A wells layer without diameters asks once for the diameter of all its wells, as the add
    // command asks it, until it reads as a number; the empty answer imports nothing.
    void capaSinDiametros() {
        Prueba t;
        en_25830(t);
        const QString capa = t.dir.filePath("sin diametro.geojson");
        escribir(capa, capa_geojson({{"P1", -3.70, 40.42}, {"P2", -3.71, 40.42}}));
        t.dialogos.archivos = {capa};
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
        t.dialogos.archivos = {capa};
        t.dialogos.respuestas = {""};  // Cancel
        control<QAction>(t.v.noPozos, "accionImportar")->trigger();
        QCOMPARE(std::pair(record_count(pozos), t.dialogos.ultimo().tipo),
                 std::pair(2, Mostrado::entrada));
    }

    // Features far outside the area of use of the study's system are told, with their count:
    // imported too (Sí), left out (No), or nothing imported (Cancelar).
    void elementosLejanos() {
        Prueba t;
        en_25830(t);
        pulsar(t.v.noPozos, "cmdSiguiente");  // the points window, whose table is imported into
        const QString capa = t.dir.filePath("lejos.geojson");
        escribir(capa, capa_geojson({{"Madrid", -3.70, 40.42}, {"Lejos", 150, 40}}));
        const Grid& puntos = t.v.coordAbat->puntos();
        int antes = 0;
        for (const auto& [respuesta, importados] :
             {std::pair{Respuesta::no, 1}, {Respuesta::si, 2}, {Respuesta::cancelar, 0}}) {
            t.dialogos.archivos = {capa};
            t.dialogos.respuestasConCancelar = {respuesta};
            control<QAction>(t.v.coordAbat, "accionImportar")->trigger();
            QCOMPARE(record_count(puntos) - antes, importados);
            antes = record_count(puntos);
        }
        const QString pregunta = t.dialogos.ultimo().texto;
        QVERIFY2(pregunta.startsWith("La capa «lejos» de «lejos.geojson»: 1 de 2 puntos cae "
                                     "lejos del área de uso de EPSG:25830 · ETRS89 / UTM huso "
                                     "30N; «Lejos» queda en x = "),
                 qPrintable(pregunta));
        QCOMPARE(puntos.TextMatrix(1, 1), std::string("Madrid"));
    }

    // A spreadsheet saved by LibreOffice with the header "Pozo, X (m), Y (m), Caudal [m3/s],
    // Diámetro (m), Observaciones", imported from the wells window itself: the column left out
    // is told. A paste with such a header too.
    void hojaYPegadoConCabecera() {
        Prueba t;
        t.caja("txtT")->setText("0.01");
        t.caja("txtS")->setText("0.0002");
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QCOMPARE(t.visible(), t.v.noPozos);
        t.dialogos.archivos = {ABAT_DATOS "/pozos_cabecera.xlsx"};
        control<QAction>(t.v.noPozos, "accionImportar")->trigger();
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("Se han añadido 17 pozos de «pozos_cabecera.xlsx». No se ha leído la "
                         "columna «Observaciones»: la tabla no la tiene."));
        QCOMPARE(fila(t.v.noPozos->pozos(), 1),
                 QString("1|P-01 Arroyo|0.3|0.015|440125.5|4470210.3"));

        QApplication::clipboard()->setText(
            "Pozo\tX (m)\tY (m)\tCaudal [m3/s]\tDiámetro (m)\tObservaciones\tFecha\n"
            "Nuevo\t100\t0\t0,05\t0,3\tjunto al río\t2024");
        control<QAction>(t.v.noPozos, "accionPegar")->trigger();
        QCOMPARE(fila(t.v.noPozos->pozos(), 18), QString("18|Nuevo|0.3|0.05|100|0"));
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("Se ha pegado 1 pozo. No se han leído las columnas «Observaciones» y "
                         "«Fecha»: la tabla no las tiene."));
    }

    // Settings in ~/.config/abatimientos/; the recent studies by their whole path, two of one
    // name told apart, and a file gone since dropped from the list; the file dialogs open in the
    // folder of the study in use.
    void recientesYAjustes() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("norte");
        QDir(dir.path()).mkpath("sur");
        const QString norte = QDir(dir.path()).filePath("norte/estudio.abat");
        const QString sur = QDir(dir.path()).filePath("sur/estudio.abat");
        {
            Prueba t;
            t.hastaResultados();
            for (const QString& ruta : {norte, sur}) {
                t.dialogos.archivos = {ruta};
                control<QAction>(&t.v.principal, "accionGuardarComo")->trigger();
                QCOMPARE(t.dialogos.carpeta, QFileInfo(ruta).absolutePath());
            }
            const QString ajustes = QDir(configuracion->path()).filePath("abatimientos");
            QCOMPARE(QDir(ajustes).entryList(QDir::Files),
                     QStringList{QCoreApplication::applicationName() + ".conf"});
            QVERIFY(!QDir(configuracion->path()).exists("Unknown Organization"));
        }
        QFile::remove(sur);
        Prueba t(norte);  // from the command line
        QCOMPARE(t.dialogos.carpeta, QFileInfo(norte).absolutePath());
        QMenu* archivo = t.v.principal.menuArchivo();
        emit archivo->aboutToShow();
        QStringList textos;
        for (const char* k : {"1", "2", "3", "4", "5"}) {
            auto* a = control<QAction>(&t.v.principal, qPrintable(QString("accionReciente") + k));
            if (a->isVisible()) textos << a->text();
        }
        QCOMPARE(textos, QStringList{"&1 " + QDir::toNativeSeparators(norte)});
        QCOMPARE(t.p.estudios.recientes(), QStringList{norte});
    }

    // The real file dialog opens in the folder it is told, with the types in Spanish and sizes
    // and types whole, never cut ("274...tes").
    void dialogoDeArchivosEnEspanol() {
        const QTemporaryDir dir;
        escribir(QDir(dir.path()).filePath("estudio.abat"), QByteArray(274, ' '));
        escribir(QDir(dir.path()).filePath("notas.txt"), "x");
        QString mostrada;
        QStringList tipos;
        QStringList cortados;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            mostrada = dialogo->directory().absolutePath();
            auto* vista = dialogo->findChild<QTreeView*>("treeView");
            auto* modelo = dialogo->findChild<QFileSystemModel*>();
            QTest::qWait(300);  // the folder's list, filled in the background
            const QModelIndex raiz = modelo->index(dir.path());
            for (int r = 0; r < modelo->rowCount(raiz); ++r) {
                tipos << modelo->index(r, 0, raiz).data().toString() + ": " +
                             modelo->index(r, 2, raiz).data().toString();
                for (const int c : {1, 2}) {
                    const QString texto = modelo->index(r, c, raiz).data().toString();
                    if (vista->fontMetrics().horizontalAdvance(texto) + 8 >
                        vista->header()->sectionSize(c))
                        cortados << texto;
                }
            }
            dialogo->reject();
        });
        DialogosQt dialogos;
        dialogos.abrirEn(dir.path());
        dialogos.archivoParaAbrir("Abrir estudio", "Todos los archivos (*)");
        QCOMPARE(mostrada, QDir(dir.path()).absolutePath());
        tipos.sort();
        QCOMPARE(tipos,
                 (QStringList{"estudio.abat: Estudio de abatimientos", "notas.txt: Archivo TXT"}));
        QCOMPARE(cortados, QStringList{});
    }

    // A study whose system is refused names it once, in a sentence that ends once.
    void sistemaRechazadoAlAbrir() {
        Prueba t;
        const QString ruta = t.dir.filePath("grados.abat");
        escribir(ruta, R"({"formato": "abatimientos", "version": 1, "crs": "EPSG:4326"})");
        emit t.v.principal.estudioSoltado(ruta);
        QCOMPARE(t.dialogos.ultimo().texto,
                 QString("No se puede abrir «%1»: su «crs», EPSG:4326 (WGS 84) no es un sistema "
                         "proyectado: las coordenadas de pozos y puntos han de estar en metros.")
                     .arg(ruta));
    }

    // The recovery question names the study whose changes were not saved.
    void recuperacionNombraElEstudio() {
        QTemporaryDir carpeta;
        const QString ruta = QDir(carpeta.path()).filePath("presa.abat");
        {
            auto t = std::make_unique<Prueba>(QString(), carpeta.filePath("copias"));
            t->hastaResultados();
            t->dialogos.archivos = {ruta};
            control<QAction>(&t->v.principal, "accionGuardar")->trigger();
            t->caja("txtT")->setText("0.02");
            QTRY_VERIFY(QFile::exists(t->p.estudios.recuperacion().rutaCopia()));
            t->p.estudios.recuperacion().esperar();
        }  // ended without "Salir", as after a kill
        Prueba t({}, carpeta.filePath("copias"), [](DialogosGuionados& d) { d.si = {false}; });
        QCOMPARE(t.dialogos.mostrados.at(0).texto,
                 "La sesión anterior terminó sin guardar los cambios de «" +
                     QDir::toNativeSeparators(ruta) + "». ¿Desea recuperarlos?");
    }

    // A map time of 0 is refused saying why, and the map stays at its time; the curve's mark
    // says its days as Spanish does.
    void tiemposDelMapaYDeLaCurva() {
        Prueba t;
        t.hastaResultados([](Prueba& p) { p.caja("txtTiempo")->setText("30"); });
        t.p.asistente.mapa().abrir();
        frmMapa* mapa = t.p.asistente.mapa().ventana();
        auto* tiempo = control<QLineEdit>(mapa, "txtTiempoMapa");
        tiempo->setText("0");
        const size_t antes = t.dialogos.mostrados.size();
        emit tiempo->editingFinished();
        QCOMPARE(std::tuple(t.dialogos.mostrados.size(), t.dialogos.ultimo().titulo,
                            t.dialogos.ultimo().texto),
                 std::tuple(antes + 1, QString("Tiempo del mapa"),
                            QString("El tiempo del mapa ha de ser mayor que 0 días: al empezar el "
                                    "bombeo no hay abatimiento que dibujar. El mapa sigue a 30 "
                                    "días.")));
        QCOMPARE(std::pair(tiempo->text(), mapa->tiempo()), std::pair(QString("30"), 30.0));

        emit t.v.resultados->curvaPedida(1);
        auto* curva = qobject_cast<frmCurvaTiempo*>(t.p.asistente.curvas().abiertas().back());
        QVERIFY(curva->grafico()->series().at(1)->name().startsWith("A 30 días: "));
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
