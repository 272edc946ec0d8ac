// The study's report: from the menu over the results shown, as PDF and OpenDocument, refused
// without results or over changed entries, whole or not at all on a full disk; and from the
// command line, without a window, its exit status and messages.
#include <QProcess>

#include "archivos/limite_de_archivos.h"
#include "support/programa_de_prueba.h"

using namespace abat;
using namespace abat::prueba;

namespace {

QByteArray bytes_de(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a reader finds in the file: the PDF's text (poppler), the OpenDocument's content.xml.
QString texto_de(const QString& ruta) {
    QProcess p;
    if (ruta.endsWith(".odt")) {
        p.start("unzip", {"-p", ruta, "content.xml"});
    } else {
        p.start("pdftotext", {"-layout", ruta, "-"});
    }
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

void informe_del_menu(Prueba& t, const QString& ruta) {
    t.dialogos.archivos = {ruta};
    control<QAction>(&t.v.principal, "accionInforme")->trigger();
}

// A study of `pozos` wells in a row and two points, one named with markup.
QString estudio(const QString& carpeta, int pozos) {
    QString lista;
    for (int k = 1; k <= pozos; ++k) {
        lista += QString(
                     "%1{\"nombre\": \"P%2\", \"diametro\": \"0.3\", \"caudal\": \"0.01\", "
                     "\"x\": \"%3\", \"y\": \"0\"}")
                     .arg(k > 1 ? ", " : "")
                     .arg(k)
                     .arg(100 * k);
    }
    const QString ruta = carpeta + "/campo.abat";
    QFile f(ruta);
    f.open(QIODevice::WriteOnly);
    f.write(
        QString("{\"formato\": \"abatimientos\", \"version\": 1, \"acuifero\": {\"T\": "
                "\"0.01\", \"S\": \"0.0002\"}, \"pozos\": [%1], \"puntos\": [{\"nombre\": "
                "\"<b>A</b>\", \"x\": \"0\", \"y\": \"50\"}, {\"nombre\": \"B\", \"x\": \"50\", "
                "\"y\": \"-50\"}], \"tiempo\": \"1\"}")
            .arg(lista)
            .toUtf8());
    return ruta;
}

struct Salida {
    int estado;
    QString error;
    QString salida;
};

Salida ejecutar(const QStringList& argumentos) {
    QProcess p;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.remove("QT_QPA_PLATFORM");  // it finds no display and makes do without one
    entorno.remove("DISPLAY");
    entorno.remove("WAYLAND_DISPLAY");
    // Under the sanitizers the program is checked for memory errors; what Qt's platform plugins
    // keep until the process ends is not its leak (the report's own code is checked for leaks in
    // this process, from the menu).
    if (entorno.contains("ASAN_OPTIONS")) {
        entorno.insert("ASAN_OPTIONS", entorno.value("ASAN_OPTIONS") + ":detect_leaks=0");
    }
    p.setProcessEnvironment(entorno);
    p.start(ABAT_PROGRAMA, argumentos);
    if (!p.waitForFinished(120000)) return {-1, "no terminó", {}};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError()),
            QString::fromLocal8Bit(p.readAllStandardOutput())};
}

}  // namespace

class TestInforme : public QObject {
    Q_OBJECT

  private slots:
    // Without results, or with entries changed since, the report is refused saying why, before
    // any file is asked for.
    void sinResultadosVigentes() {
        Prueba t;
        t.dialogos.sinGuion = [](const Mostrado&) { return QString(); };
        control<QAction>(&t.v.principal, "accionInforme")->trigger();
        QCOMPARE(t.dialogos.ultimo().tipo, Mostrado::mensaje);
        QCOMPARE(t.dialogos.ultimo().texto,
                 "No hay resultados para el informe: faltan T y S en la ventana del acuífero.");
        t.hastaResultados();
        pulsar(t.v.resultados, "cmdAcuifero");
        t.caja("txtT")->setText("0.02");
        const size_t antes = t.dialogos.mostrados.size();
        control<QAction>(&t.v.principal, "accionInforme")->trigger();
        QCOMPARE(t.dialogos.mostrados.size(), antes + 1);
        QVERIFY(t.dialogos.ultimo().texto.startsWith("Los datos han cambiado"));
    }

    void tipos_data() {
        QTest::addColumn<QString>("nombre");
        QTest::newRow("pdf") << "informe.pdf";
        QTest::newRow("odt") << "informe.odt";
    }

    // The report of the results shown: the table's texts as the window shows them, page numbers
    // in the PDF, a table that stays a table in the OpenDocument.
    void tipos() {
        QFETCH(QString, nombre);
        Prueba t;
        t.hastaResultados();
        const QString ruta = t.dir.filePath(nombre);
        informe_del_menu(t, ruta);
        QCOMPARE(t.dialogos.ultimo().tipo, Mostrado::archivo);
        const QString texto = texto_de(ruta);
        QVERIFY2(texto.contains("Cuadro Resumen de Abatimientos") &&
                     texto.contains(QString::fromStdString(t.resultado(1, 2))) &&
                     texto.contains(QString::fromStdString(t.resultado(1, 3))),
                 qPrintable(texto.left(3000)));
        if (nombre.endsWith(".pdf")) {
            QVERIFY(bytes_de(ruta).startsWith("%PDF"));
            QVERIFY(texto.contains("Página 1 de "));
        } else {
            QVERIFY(texto.contains("<table:table "));
        }
    }

    // "Imprimir…": the same pages through the print dialog (here into a PDF file); cancelled,
    // nothing.
    void imprimir() {
        Prueba t;
        t.hastaResultados();
        control<QAction>(&t.v.principal, "accionImprimir")->trigger();
        QCOMPARE(t.dialogos.ultimo().tipo, Mostrado::imprimir);
        QCOMPARE(QDir(t.dir.path()).entryList({"*.pdf"}, QDir::Files), QStringList());
        t.dialogos.impreso = t.dir.filePath("impreso.pdf");
        control<QAction>(&t.v.principal, "accionImprimir")->trigger();
        QCOMPARE(t.dialogos.ultimo().tipo, Mostrado::imprimir);
        const QString texto = texto_de(t.dialogos.impreso);
        QVERIFY2(texto.contains(QString::fromStdString(t.resultado(1, 2))) &&
                     texto.contains("Página 1 de "),
                 qPrintable(texto.left(2000)));
    }

    // A full disk: the message names the file and the cause, and the old report stays whole.
    void discoLleno() {
        Prueba t;
        t.hastaResultados();
        const QString ruta = t.dir.filePath("informe.pdf");
        QFile viejo(ruta);
        QVERIFY(viejo.open(QIODevice::WriteOnly));
        viejo.write("el informe de ayer");
        viejo.close();
        {
            const LimiteDeArchivos limite(4096);
            informe_del_menu(t, ruta);
        }
        const Mostrado& m = t.dialogos.ultimo();
        QCOMPARE(m.icono, Icono::error);
        QVERIFY2(m.texto.contains("al escribir el informe") && m.texto.contains(ruta),
                 qPrintable(m.texto));
        QCOMPARE(bytes_de(ruta), QByteArray("el informe de ayer"));
        QCOMPARE(QDir(t.dir.path()).entryList({"informe*"}, QDir::Files),
                 QStringList{"informe.pdf"});
    }

    void lineaDeOrdenes_data() {
        QTest::addColumn<QStringList>("argumentos");  // %I the report, %E the study
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("dice");  // on the standard error, or the output for help
        QTest::addColumn<bool>("escrito");
        QTest::newRow("pdf") << QStringList{"--informe", "%I.pdf", "%E"} << 0 << "" << true;
        QTest::newRow("odt") << QStringList{"--informe", "%I.odt", "%E"} << 0 << "" << true;
        QTest::newRow("ayuda") << QStringList{"--help"} << 0 << "--informe INFORME.pdf" << false;
        QTest::newRow("otroTipo") << QStringList{"--informe", "%I.txt", "%E"} << 2
                                  << "ha de terminar en .pdf o en .odt" << false;
        QTest::newRow("sinEstudio") << QStringList{"--informe", "%I.pdf"} << 2
                                    << "necesita el archivo del informe y el del estudio" << false;
        QTest::newRow("opcionDesconocida")
            << QStringList{"--informa", "%E"} << 2 << "Opción desconocida: «--informa»" << false;
        QTest::newRow("estudioInexistente")
            << QStringList{"--informe", "%I.pdf", "%E.no"} << 1 << "no existe el estudio" << false;
        QTest::newRow("estudioIncompleto") << QStringList{"--informe", "%I.pdf", "%V"} << 1
                                           << "No hay resultados para el informe: faltan los "
                                              "pozos en su ventana."
                                           << false;
        QTest::newRow("carpetaInexistente")
            << QStringList{"--informe", "%N/i.pdf", "%E"} << 1 << "al escribir el informe" << false;
    }

    // Without a display: written with status 0, or a message in Spanish, another status and no
    // file.
    void lineaDeOrdenes() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, estado);
        QFETCH(QString, dice);
        QFETCH(bool, escrito);
        QTemporaryDir carpeta;
        const QString ruta_estudio = estudio(carpeta.path(), 3);
        const QString incompleto = carpeta.filePath("incompleto.abat");
        QFile f(incompleto);
        f.open(QIODevice::WriteOnly);
        f.write(R"({"formato": "abatimientos", "version": 1, "acuifero": {"T": "0.01", "S": )"
                R"("0.0002"}, "pozos": [], "puntos": [], "tiempo": "1"})");
        f.close();
        for (QString& a : argumentos) {
            a.replace("%I", carpeta.filePath("informe"))
                .replace("%E", ruta_estudio)
                .replace("%V", incompleto)
                .replace("%N", carpeta.filePath("no/hay"));
        }
        const Salida s = ejecutar(argumentos);
        QVERIFY2(s.estado == estado, qPrintable(s.error));
        QVERIFY2((estado == 0 && escrito ? s.error.isEmpty() || !s.error.contains("abatimientos:")
                                         : (s.error + s.salida).contains(dice)),
                 qPrintable(s.error + s.salida));
        const QStringList hechos = QDir(carpeta.path()).entryList({"informe*"}, QDir::Files);
        QCOMPARE(hechos.size(), escrito ? 1 : 0);
        if (escrito) {
            const QString texto = texto_de(carpeta.filePath(hechos.front()));
            QVERIFY2(texto.contains("<b>A</b>") || texto.contains("&lt;b&gt;A&lt;/b&gt;"),
                     qPrintable(texto.left(2000)));
        }
    }

    // More wells than fit across a page: the shares follow in parts, each with the points' names,
    // the total in the first.
    void resultadosEnPartes() {
        QTemporaryDir carpeta;
        const QString informe = carpeta.filePath("partes.pdf");
        QCOMPARE(ejecutar({"--informe", informe, estudio(carpeta.path(), 12)}).estado, 0);
        const QString texto = texto_de(informe);
        const qsizetype parte1 = texto.indexOf("Parte 1 de 2");
        const qsizetype parte2 = texto.indexOf("Parte 2 de 2");
        const qsizetype total = texto.indexOf("Total[m]");
        QVERIFY2(parte1 >= 0 && parte1 < total && total < parte2, qPrintable(texto.left(4000)));
        const QString segunda = texto.mid(parte2, 1500);
        QVERIFY(segunda.contains("Pozo P12[m]") && segunda.contains("<b>A</b>") &&
                !segunda.contains("Total[m]"));
    }
};

QTEST_MAIN(TestInforme)
#include "test_informe.moc"
