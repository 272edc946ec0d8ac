#pragma once
// The dialogs of a run without windows (the command line's report): each message goes to the
// standard error, and every question is answered as its safe choice, "No" or "Cancelar".

#include "adaptadores/dialogos.h"

namespace abat {

class DialogosConsola : public Dialogos {
  public:
    void mensaje(const QString& texto, const QString& titulo, Icono icono) override;
    bool pregunta(const QString& texto, const QString& titulo) override;
    Respuesta preguntaConCancelar(const QString& texto, const QString& titulo) override;
    QString entrada(const QString& prompt, const QString& titulo) override;
    QString elegir(const QString& prompt, const QString& titulo, const QStringList& opciones,
                   const QString& actual) override;
    QString archivoParaGuardar(const QString& titulo, const QString& filtros, QString& filtro,
                               const QString& propuesto) override;
    QString archivoParaAbrir(const QString& titulo, const QString& filtros) override;
    bool imprimir(QPrinter& impresora, const QString& titulo) override;

    // Whether an error or a warning has been told.
    bool huboAvisos() const { return avisos_; }

  private:
    bool avisos_ = false;
};

// Writes `texto` and a new line to the standard error, in the locale's encoding.
void escribir_en_error(const QString& texto);

}  // namespace abat
