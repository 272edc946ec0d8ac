#include "adaptadores/dialogos_qt.h"

#include <QPrintDialog>
#include <QPrinter>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

#include "adaptadores/dialogo_archivos.h"

namespace abat {
namespace {

QMessageBox::Icon icono_qt(Icono icono) {
    switch (icono) {
        case Icono::error:
            return QMessageBox::Critical;
        case Icono::advertencia:
            return QMessageBox::Warning;
        case Icono::pregunta:
            return QMessageBox::Question;
        case Icono::informacion:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The text is plain text: messages quote what the user pasted, where "<b>" is no markup.
// A message box is as wide as its text needs, which can be narrower than its title: the window
// manager then cuts the title ("Elimi... pozo"). A spacer across the box keeps it wide enough.
void preparar(QMessageBox& caja) {
    caja.setTextFormat(Qt::PlainText);
    auto* rejilla = qobject_cast<QGridLayout*>(caja.layout());
    if (rejilla == nullptr) return;
    rejilla->addItem(new QSpacerItem(ancho_para_titulo(caja.windowTitle()), 0, QSizePolicy::Minimum,
                                     QSizePolicy::Expanding),
                     rejilla->rowCount(), 0, 1, rejilla->columnCount());
}

}  // namespace

int ancho_para_titulo(const QString& titulo) {
    QFont negrita = QApplication::font("QMdiSubWindowTitleBar");
    negrita.setBold(true);
    // Title bars use a larger, bold font; their buttons and icon take about 120 pixels.
    constexpr double escala_fuente = 1.25;
    constexpr int decoracion = 120;
    return static_cast<int>(QFontMetrics(negrita).horizontalAdvance(titulo) * escala_fuente) +
           decoracion;
}

void DialogosQt::mensaje(const QString& texto, const QString& titulo, Icono icono) {
    QMessageBox caja(icono_qt(icono), titulo, texto, QMessageBox::Ok, padre_);
    preparar(caja);
    caja.exec();
}

bool DialogosQt::pregunta(const QString& texto, const QString& titulo) {
    QMessageBox caja(QMessageBox::Question, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                     padre_);
    caja.setDefaultButton(QMessageBox::Yes);
    preparar(caja);
    return caja.exec() == QMessageBox::Yes;
}

Respuesta DialogosQt::preguntaConCancelar(const QString& texto, const QString& titulo) {
    QMessageBox caja(QMessageBox::Question, titulo, texto,
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, padre_);
    caja.setDefaultButton(QMessageBox::Yes);
    caja.setEscapeButton(QMessageBox::Cancel);
    preparar(caja);
    switch (caja.exec()) {
        case QMessageBox::Yes:
            return Respuesta::si;
        case QMessageBox::No:
            return Respuesta::no;
        default:
            return Respuesta::cancelar;
    }
}

QString DialogosQt::entrada(const QString& prompt, const QString& titulo) {
    QInputDialog dialogo(padre_);
    dialogo.setWindowTitle(titulo);
    dialogo.setLabelText(prompt);
    dialogo.setTextValue(QString());
    return dialogo.exec() == QDialog::Accepted ? dialogo.textValue() : QString();
}

QString DialogosQt::elegir(const QString& prompt, const QString& titulo,
                           const QStringList& opciones, const QString& actual) {
    QInputDialog dialogo(padre_);
    dialogo.setWindowTitle(titulo);
    dialogo.setLabelText(prompt);
    dialogo.setComboBoxItems(opciones);
    dialogo.setComboBoxEditable(true);
    dialogo.setTextValue(actual);
    dialogo.resize(std::max(dialogo.sizeHint().width(), 480), dialogo.sizeHint().height());
    return dialogo.exec() == QDialog::Accepted ? dialogo.textValue() : QString();
}

// Qt's own dialog, which the program's translation puts in Spanish, starting in the folder of
// the study or of the last file chosen (the user's home at first).
QString DialogosQt::archivoParaGuardar(const QString& titulo, const QString& filtros,
                                       QString& filtro, const QString& propuesto) {
    if (carpeta_.isEmpty()) carpeta_ = QDir::homePath();
    QFileDialog dialogo(padre_, titulo, carpeta_, filtros);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    listar_por_nombres(dialogo);
    // The extension of the type chosen, added before the dialog asks whether to replace a file.
    auto sufijo = [&dialogo](const QString& tipo) {
        dialogo.setDefaultSuffix(tipo.section(QStringLiteral("*."), 1)
                                     .section(QLatin1Char(')'), 0, 0)
                                     .section(' ', 0, 0));
    };
    sufijo(filtros.section(QStringLiteral(";;"), 0, 0));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, sufijo);
    if (!propuesto.isEmpty()) dialogo.selectFile(propuesto);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    filtro = dialogo.selectedNameFilter();
    carpeta_ = dialogo.directory().absolutePath();
    return dialogo.selectedFiles().constFirst();
}

bool DialogosQt::imprimir(QPrinter& impresora, const QString& titulo) {
    QPrintDialog dialogo(&impresora, padre_);
    dialogo.setWindowTitle(titulo);
    return dialogo.exec() == QDialog::Accepted;
}

QString DialogosQt::archivoParaAbrir(const QString& titulo, const QString& filtros) {
    if (carpeta_.isEmpty()) carpeta_ = QDir::homePath();
    QFileDialog dialogo(padre_, titulo, carpeta_, filtros);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    listar_por_nombres(dialogo);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    carpeta_ = dialogo.directory().absolutePath();
    return dialogo.selectedFiles().constFirst();
}

}  // namespace abat
