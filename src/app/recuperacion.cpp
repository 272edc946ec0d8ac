#include "app/recuperacion.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtConcurrent>

#include "archivos/escritura_entera.h"
#include "estudio/archivo_estudio.h"

namespace abat {
namespace {

constexpr int pausa_ms = 500;  // a copy at most twice a second, when the user pauses
constexpr int lugares = 64;    // programs running at once, each with a place of its own

QString en(const QString& carpeta, int lugar, const char* extension) {
    return QDir(carpeta).filePath(
        QStringLiteral("recuperacion-%1.%2").arg(lugar).arg(QLatin1String(extension)));
}

}  // namespace

// A place whose lock this program can take is free: its program is no longer running. The first
// free place that holds a copy is this program's, so that the copy is offered; otherwise the
// first free place.
Recuperacion::Recuperacion(std::function<Estudio()> tomar, QString carpeta)
    : tomar_(std::move(tomar)), carpeta_(std::move(carpeta)) {
    if (carpeta_.isEmpty()) {
        carpeta_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(carpeta_);
    for (const bool conCopia : {true, false}) {
        for (int lugar = 1; lugar <= lugares && !cerrojo_; ++lugar) {
            if (conCopia && !QFile::exists(en(carpeta_, lugar, "abat"))) continue;
            auto cerrojo = std::make_unique<QLockFile>(en(carpeta_, lugar, "lock"));
            if (cerrojo->tryLock(0)) {
                lugar_ = lugar;
                cerrojo_ = std::move(cerrojo);
            }
        }
    }
    pausa_.setSingleShot(true);
    pausa_.setInterval(pausa_ms);
    connect(&pausa_, &QTimer::timeout, this, &Recuperacion::escribir);
    connect(&escritura_, &QFutureWatcher<void>::finished, this, [this] {
        emit escrita();
        if (otra_) escribir();
    });
}

Recuperacion::~Recuperacion() {
    esperar();
}

QString Recuperacion::rutaCopia() const {
    return lugar_ == 0 ? QString() : en(carpeta_, lugar_, "abat");
}

std::optional<CopiaRecuperada> Recuperacion::pendiente() const {
    if (lugar_ == 0 || !QFile::exists(rutaCopia())) return std::nullopt;
    const Resuelto<Estudio> l = abrir_estudio(rutaCopia().toStdString());
    if (!l) return std::nullopt;
    QFile origen(en(carpeta_, lugar_, "origen"));
    const QString archivo =
        origen.open(QIODevice::ReadOnly) ? QString::fromUtf8(origen.readAll()) : QString();
    return CopiaRecuperada{*l, archivo};
}

void Recuperacion::cambiado(const QString& archivo) {
    if (lugar_ == 0) return;  // every place taken: the program works without a copy
    archivo_ = archivo;
    pausa_.start();
}

// The entries are taken here, on the user-interface thread, and written on another.
void Recuperacion::escribir() {
    if (escritura_.isRunning()) {
        otra_ = true;
        return;
    }
    otra_ = false;
    escritura_.setFuture(
        QtConcurrent::run([estudio = tomar_(), copia = rutaCopia(),
                           origen = en(carpeta_, lugar_, "origen"), archivo = archivo_] {
            try {
                escribir_entero(origen.toStdString(), archivo.toUtf8().toStdString());
                guardar_estudio(estudio, copia.toStdString());
            } catch (const std::exception&) {
                // A copy that cannot be written is no reason to stop the user's work.
            }
        }));
}

void Recuperacion::completar() {
    if (lugar_ == 0 || !(pausa_.isActive() || otra_)) return;
    pausa_.stop();
    esperar();
    escribir();
    esperar();
}

void Recuperacion::esperar() {
    escritura_.waitForFinished();
}

void Recuperacion::descartar() {
    pausa_.stop();
    otra_ = false;
    esperar();
    if (lugar_ == 0) return;
    QFile::remove(rutaCopia());
    QFile::remove(en(carpeta_, lugar_, "origen"));
}

void Recuperacion::terminar() {
    descartar();
    if (cerrojo_) cerrojo_->unlock();
    cerrojo_.reset();
    lugar_ = 0;
}

}  // namespace abat
