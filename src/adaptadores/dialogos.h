#pragma once
// The modal dialogs that the windows open: message boxes and the input dialog. The windows use
// them only through this interface, so tests can script the answers and read what was shown.

#include <QString>
#include <QStringList>

class QPrinter;

namespace abat {

enum class Icono { error, advertencia, pregunta, informacion };
enum class Respuesta { si, no, cancelar };

class Dialogos {
  public:
    virtual ~Dialogos() = default;
    // A message with an OK button.
    virtual void mensaje(const QString& texto, const QString& titulo, Icono icono) = 0;
    // A question with Yes and No, Yes the default and the question icon; true for Yes.
    virtual bool pregunta(const QString& texto, const QString& titulo) = 0;
    // A question with Yes, No and Cancel, Yes the default; closing it is Cancel.
    virtual Respuesta preguntaConCancelar(const QString& texto, const QString& titulo) = 0;
    // An input dialog with an empty default text; Cancel and closing give the empty text.
    virtual QString entrada(const QString& prompt, const QString& titulo) = 0;
    // A choice among `opciones`, `actual` first shown, in a box where another text may be typed.
    // Gives the text chosen or typed; Cancel gives the empty text.
    virtual QString elegir(const QString& prompt, const QString& titulo,
                           const QStringList& opciones, const QString& actual) = 0;
    // A file dialog to save a file, offering the types of `filtros` ("Nombre (*.ext);;..."), in
    // the folder last used with the name `propuesto`; an existing file is replaced only when the
    // user confirms. Gives the path, or the empty text when cancelled, and in `filtro` the type
    // chosen.
    virtual QString archivoParaGuardar(const QString& titulo, const QString& filtros,
                                       QString& filtro, const QString& propuesto = {}) = 0;
    // A file dialog to open an existing file of the types of `filtros`, in the folder last used.
    // Gives the path, or the empty text when cancelled.
    virtual QString archivoParaAbrir(const QString& titulo, const QString& filtros) = 0;
    // The print dialog over `impresora`, titled `titulo`: true when the user prints, the printer
    // then set up as chosen.
    virtual bool imprimir(QPrinter& impresora, const QString& titulo) = 0;
    // The folder the file dialogs open in from now on: the study's, once one is opened or saved.
    virtual void abrirEn(const QString& carpeta) { (void)carpeta; }
};

}  // namespace abat
