#include "dialogos_qt.h"

#include <QInputDialog>
#include <QMessageBox>

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
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void DialogosQt::mensaje(const QString& texto, const QString& titulo, Icono icono) {
    QMessageBox caja(icono_qt(icono), titulo, texto, QMessageBox::Ok, padre_);
    caja.exec();
}

bool DialogosQt::pregunta(const QString& texto, const QString& titulo) {
    QMessageBox caja(QMessageBox::Question, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                     padre_);
    caja.setDefaultButton(QMessageBox::Yes);
    return caja.exec() == QMessageBox::Yes;
}

QString DialogosQt::entrada(const QString& prompt, const QString& titulo) {
    QInputDialog dialogo(padre_);
    dialogo.setWindowTitle(titulo);
    dialogo.setLabelText(prompt);
    dialogo.setTextValue(QString());
    return dialogo.exec() == QDialog::Accepted ? dialogo.textValue() : QString();
}

}  // namespace abat
