#pragma once
// The recovery copy: while the user works, the entries are kept in a file of the user's
// application-data directory, written when the user pauses, in the background, so that a kill, a
// crash or a power cut loses nothing. "Salir" removes it; any other end leaves it for the next
// start to offer. Each program running holds a place of its own, so two never overwrite each
// other's copy.

#include <QFutureWatcher>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "estudio/estudio.h"

namespace abat {

struct CopiaRecuperada {
    Estudio estudio;
    QString archivo;  // the study's own file, empty when it had none
};

class Recuperacion : public QObject {
    Q_OBJECT
  public:
    // `tomar` gives the entries as they stand, on the user-interface thread; `carpeta`, where the
    // copies are kept (the user's application-data directory by default).
    explicit Recuperacion(std::function<Estudio()> tomar, QString carpeta = {});
    ~Recuperacion() override;

    // The copy a program that ended without "Salir" left in this program's place, if any.
    std::optional<CopiaRecuperada> pendiente() const;
    // The entries have changed: the copy is written once the user pauses. `archivo` is the
    // study's own file, remembered with the copy.
    void cambiado(const QString& archivo);
    // Nothing is unsaved (the study was saved or opened): no copy is needed.
    void descartar();
    // A copy still waiting for the user's pause is written now, and waited for: the program ends.
    void completar();
    // Ends cleanly: no copy, no place held.
    void terminar();

    QString rutaCopia() const;
    // Waits for a copy being written; for tests and for the end.
    void esperar();

  signals:
    void escrita();  // a copy has reached the disk

  private:
    void escribir();

    std::function<Estudio()> tomar_;
    QString carpeta_;
    int lugar_ = 0;
    std::unique_ptr<QLockFile> cerrojo_;
    QTimer pausa_;
    QString archivo_;
    QFutureWatcher<void> escritura_;
    bool otra_ = false;  // changed while a copy was being written
};

}  // namespace abat
