#pragma once
// The study in use and its file: "Nuevo", "Abrir…", "Guardar", "Guardar como…" and the last five
// studies in the menu "Archivo"; a study dropped on the main window or named on the command line;
// the title that shows it; the recovery copy of the entries. With no study file in use, the
// program works as it always has.

#include <QAction>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "adaptadores/dialogos.h"
#include "app/asistente.h"
#include "app/recuperacion.h"
#include "app/ventanas.h"
#include "app/ventanas_estudio.h"
#include "estudio/estudio.h"
#include "sig/importacion.h"
#include "sig/sistema_coordenadas.h"

namespace abat {

class Estudios : public QObject {
    Q_OBJECT
  public:
    // `carpetaRecuperacion`: where the recovery copies are kept (the user's application-data
    // directory when empty).
    Estudios(Ventanas& v, Asistente& asistente, Dialogos& dialogos,
             const QString& carpetaRecuperacion = {});
    ~Estudios() override;

    // At the start, before anything else: offers the entries a session that ended without
    // "Salir" left, and fills the windows with them if the user wants them.
    void ofrecerRecuperacion();
    // Opens the study in `ruta`, after asking about unsaved changes. A file that cannot be read
    // is told, and nothing changes.
    void abrir(const QString& ruta);
    void nuevo();
    // False when nothing was saved: cancelled, or a file that cannot be written.
    bool guardar();
    bool guardarComo();
    // "Salir", confirmed: a study file's unsaved changes are saved, dropped or the exit cancelled
    // (false); then nothing is left to recover.
    bool terminar();
    // The main window closed otherwise than by "Salir"; false keeps it open.
    bool alCerrar();

    // Every change made outside the walk comes in here: the windows take `estudio`, the study
    // `sistema`, T and S are stored as the aquifer window's "Siguiente" stores them, and the
    // results are computed again where they show (Asistente::tomarEntradas). A change of the
    // same study is a change to save.
    void entrar(const Estudio& estudio, const Sistema& sistema, Entrada como);

    const QString& ruta() const { return ruta_; }
    // The study's coordinate reference system; none: local coordinates.
    const Sistema& sistema() const { return sistema_; }
    // What the windows hold, with the study's system: what a save writes.
    Estudio entradas(Editores editores = Editores::cerrar);
    bool modificado() const { return modificado_; }
    Recuperacion& recuperacion() { return recuperacion_; }
    QStringList recientes() const;

  private:
    // The file commands of the menu bar.
    void conectarMenu();
    void rehacerRecientes();
    void recordar(const QString& ruta);
    void alCambiar();
    // Unsaved changes are saved, dropped, or the command is cancelled (false).
    bool puedeSeguir();
    // The windows show `estudio`, in `sistema`, as the one saved in `ruta`.
    void mostrar(const Estudio& estudio, const Sistema& sistema, const QString& ruta,
                 bool modificado);
    bool guardarEn(const QString& ruta);
    void titular();
    void importarEn(VentanaTabla& ventana, Registro tipo);
    void elegirSistema();

    Ventanas& v_;
    Asistente& asistente_;
    Dialogos& dialogos_;
    Recuperacion recuperacion_;
    QString ruta_;  // the study's file; empty while none is in use
    Sistema sistema_;
    Estudio guardado_;  // what that file holds, or the entries of a new study
    bool modificado_ = false;
    bool llenando_ = false;  // the program, not the user, is changing the windows
    std::vector<QAction*> recientes_;
};

}  // namespace abat
