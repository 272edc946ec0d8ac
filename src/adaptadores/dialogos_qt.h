#pragma once
// The dialogs shown to the user, with Qt's message box and input dialog.

#include <QPointer>
#include <QWidget>

#include "adaptadores/dialogos.h"

namespace abat {

class DialogosQt : public Dialogos {
  public:
    explicit DialogosQt(QWidget* padre = nullptr) : padre_(padre) {}
    void setPadre(QWidget* padre) { padre_ = padre; }

    void mensaje(const QString& texto, const QString& titulo, Icono icono) override;
    bool pregunta(const QString& texto, const QString& titulo) override;
    Respuesta preguntaConCancelar(const QString& texto, const QString& titulo) override;
    QString entrada(const QString& prompt, const QString& titulo) override;
    QString elegir(const QString& prompt, const QString& titulo, const QStringList& opciones,
                   const QString& actual) override;
    QString archivoParaGuardar(const QString& titulo, const QString& filtros, QString& filtro,
                               const QString& propuesto = {}) override;
    QString archivoParaAbrir(const QString& titulo, const QString& filtros) override;
    bool imprimir(QPrinter& impresora, const QString& titulo) override;
    void abrirEn(const QString& carpeta) override { carpeta_ = carpeta; }

  private:
    QPointer<QWidget> padre_;
    QString carpeta_;
};

// The width in pixels that a dialog needs for its title bar to show `titulo` whole.
int ancho_para_titulo(const QString& titulo);

}  // namespace abat
