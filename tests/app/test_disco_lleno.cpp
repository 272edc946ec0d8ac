// The whole program on a disk that fills: a study that cannot be saved stays unsaved, with its
// recovery copy, and the user is told which file and why (every writer alone: test_escrituras).
#include "archivos/limite_de_archivos.h"
#include "estudio/archivo_estudio.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

constexpr rlim_t lleno = 64;  // bytes: no study or picture fits
const QString demasiado_grande = QStringLiteral("El archivo supera el tamaño que se le permite");

QByteArray bytes_de(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The files of a folder, the recovery copies' locks aside.
QStringList archivos(const QString& carpeta) {
    return QDir(carpeta).entryList({QStringLiteral("*")}, QDir::Files, QDir::Name);
}

// The last message told the error 75 with the file and the cause.
bool dice_el_error(const DialogosGuionados& dialogos, const QString& ruta) {
    const QString& t = dialogos.ultimo().texto;
    return t.contains("'75'") && t.endsWith(ruta + ": " + demasiado_grande);
}

}  // namespace

class TestDiscoLleno : public QObject {
    Q_OBJECT
  private slots:
    // "Guardar" fails whole: the message names the file and the cause, the title keeps its mark,
    // the file holds the study saved before, and nothing is left beside it. "Salir" then asks
    // again, saving fails again, and the program stays with its recovery copy.
    void guardarEnUnDiscoLleno() {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath("lleno.abat");
        Prueba t;
        t.hastaResultados();
        t.dialogos.archivos = {ruta};
        control<QAction>(&t.v.principal, "accionGuardar")->trigger();
        const QByteArray guardado = bytes_de(ruta);
        QVERIFY(guardado.contains("\"0.01\""));

        Recuperacion& recuperacion = t.p.estudios.recuperacion();
        pulsar(t.v.resultados, "cmdAcuifero");
        t.caja("txtT")->setText("0.02");
        pulsar(t.v.caracteristicas, "cmdSiguiente");
        QTRY_VERIFY(bytes_de(recuperacion.rutaCopia()).contains("\"0.02\""));
        recuperacion.esperar();
        const QByteArray copia = bytes_de(recuperacion.rutaCopia());

        const LimiteDeArchivos limite(lleno);
        const size_t antes = t.dialogos.mostrados.size();
        control<QAction>(&t.v.principal, "accionGuardar")->trigger();
        QCOMPARE(t.dialogos.mostrados.size(), antes + 1);
        const Mostrado& m = t.dialogos.ultimo();
        QCOMPARE(std::pair(m.titulo, m.icono), std::pair(QString("Guardar estudio"), Icono::error));
        QVERIFY2(m.texto.startsWith("Se ha producido el error '75' al guardar el estudio") &&
                     dice_el_error(t.dialogos, ruta),
                 qPrintable(m.texto));
        QVERIFY(t.v.principal.isWindowModified() && t.p.estudios.modificado());
        QCOMPARE(archivos(carpeta.path()), QStringList{"lleno.abat"});

        // A copy that cannot be written leaves the last one whole.
        QSignalSpy escrita(&recuperacion, &Recuperacion::escrita);
        t.caja("txtS")->setText("0.0003");
        QVERIFY(escrita.wait());
        QCOMPARE(bytes_de(recuperacion.rutaCopia()), copia);

        t.dialogos.si = {true};                              // "¿Está seguro de que desea salir?"
        t.dialogos.respuestasConCancelar = {Respuesta::si};  // save the changes
        pulsar(t.v.resultados, "cmdTerminar");
        QVERIFY(!t.terminado && dice_el_error(t.dialogos, ruta));
        QCOMPARE(std::pair(bytes_de(recuperacion.rutaCopia()), bytes_de(ruta)),
                 std::pair(copia, guardado));
    }
};

QTEST_MAIN(TestDiscoLleno)
#include "test_disco_lleno.moc"
