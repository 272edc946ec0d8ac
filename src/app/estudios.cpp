#include "app/estudios.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <memory>

#include "app/intercambio_sig.h"
#include "app/memoria.h"
#include "app/ventanas_estudio.h"
#include "estudio/archivo_estudio.h"
#include "forms/texto_error.h"
#include "model/errores.h"

namespace abat {
namespace {

// The study's system, read once from its "crs"; a study without one has none.
Resuelto<Sistema> sistema_del_estudio(const Estudio& e) {
    return e.crs ? leer_sistema(*e.crs) : Sistema{};
}

const QString filtros = QStringLiteral("Estudios de abatimientos (*.abat)");
const QString clave_recientes = QStringLiteral("estudios/recientes");
constexpr int cuantos_recientes = 5;

// The program's settings, in ~/.config/abatimientos/, in a file named as the program (a test's
// are its own). The organisation is named here only: as the application's, it would move the
// data directory, where the recovery copies and grafico.gif are kept.
std::unique_ptr<QSettings> ajustes() {
    return std::make_unique<QSettings>(QStringLiteral("abatimientos"),
                                       QCoreApplication::applicationName());
}

// A text without the period that ends it, to go on inside a sentence.
std::string sin_punto_final(std::string texto) {
    while (!texto.empty() && texto.back() == '.') texto.pop_back();
    return texto;
}

QString con_extension_estudio(QString ruta) {
    if (!ruta.endsWith(QStringLiteral(".abat"), Qt::CaseInsensitive)) ruta += ".abat";
    return ruta;
}

}  // namespace

Estudios::Estudios(Ventanas& v, Asistente& asistente, Dialogos& dialogos,
                   const QString& carpetaRecuperacion)
    : v_(v),
      asistente_(asistente),
      dialogos_(dialogos),
      recuperacion_([this] { return entradas(Editores::dejar_abiertos); }, carpetaRecuperacion),
      guardado_(estudio_de(v)) {
    conectarMenu();
    connect(v_.caracteristicas, &frmCaracteristicas::editado, this, &Estudios::alCambiar);
    connect(v_.noPozos, &frmNoPozos::editado, this, &Estudios::alCambiar);
    connect(v_.coordAbat, &frmCoordAbat::editado, this, &Estudios::alCambiar);
    connect(v_.ensayo, &frmEnsayo::editado, this, &Estudios::alCambiar);
    connect(v_.limites, &frmLimites::editado, this, &Estudios::alCambiar);
    connect(&v_.principal, &MDIForm1::estudioSoltado, this, &Estudios::abrir);
    v_.principal.setAntesDeCerrar([this] { return alCerrar(); });
    asistente_.mapa().setExportar([this] { exportar(dialogos_, asistente_, sistema_); });
    connect(v_.noPozos, &VentanaTabla::importarPedido, this,
            [this] { importarEn(*v_.noPozos, Registro::pozo); });
    connect(v_.coordAbat, &VentanaTabla::importarPedido, this,
            [this] { importarEn(*v_.coordAbat, Registro::punto); });
    titular();
}

void Estudios::conectarMenu() {
    const MDIForm1& p = v_.principal;
    connect(p.accion("accionNuevo"), &QAction::triggered, this, &Estudios::nuevo);
    connect(p.accion("accionAbrir"), &QAction::triggered, this, [this] {
        const QString ruta = dialogos_.archivoParaAbrir(QStringLiteral("Abrir estudio"), filtros);
        if (!ruta.isEmpty()) abrir(ruta);
    });
    connect(p.accion("accionGuardar"), &QAction::triggered, this, &Estudios::guardar);
    connect(p.accion("accionGuardarComo"), &QAction::triggered, this, &Estudios::guardarComo);
    connect(p.accion("accionImportarPozos"), &QAction::triggered, this,
            [this] { importarEn(*v_.noPozos, Registro::pozo); });
    connect(p.accion("accionImportarPuntos"), &QAction::triggered, this,
            [this] { importarEn(*v_.coordAbat, Registro::punto); });
    connect(p.accion("accionExportarSig"), &QAction::triggered, this,
            [this] { exportar(dialogos_, asistente_, sistema_); });
    connect(p.accion("accionSistema"), &QAction::triggered, this, &Estudios::elegirSistema);
    // Files gone since are dropped as the menu opens.
    connect(p.menuArchivo(), &QMenu::aboutToShow, this, &Estudios::rehacerRecientes);
    for (int k = 1; k <= cuantos_recientes; ++k) {
        QAction* a = p.accion(("accionReciente" + std::to_string(k)).c_str());
        connect(a, &QAction::triggered, this, [this, a] { abrir(a->data().toString()); });
        recientes_.push_back(a);
    }
    rehacerRecientes();
}

// The files that are still there.
QStringList Estudios::recientes() const {
    QStringList lista = ajustes()->value(clave_recientes).toStringList();
    lista.removeIf([](const QString& ruta) { return !QFileInfo(ruta).isFile(); });
    return lista;
}

void Estudios::rehacerRecientes() {
    const QStringList lista = recientes();
    if (const auto guardados = ajustes(); guardados->value(clave_recientes) != lista) {
        guardados->setValue(clave_recientes, lista);
    }
    for (size_t k = 0; k < recientes_.size(); ++k) {
        QAction* a = recientes_[k];
        const bool hay = static_cast<qsizetype>(k) < lista.size();
        a->setVisible(hay);
        if (!hay) continue;
        const QString& ruta = lista[static_cast<qsizetype>(k)];
        // The whole path: two studies of one name in two folders are told apart.
        QString texto = QDir::toNativeSeparators(ruta);
        texto.replace(QLatin1Char('&'), QStringLiteral("&&"));
        a->setText(QStringLiteral("&%1 %2").arg(k + 1).arg(texto));
        a->setToolTip(ruta);
        a->setStatusTip(ruta);
        a->setData(ruta);
    }
}

void Estudios::recordar(const QString& ruta) {
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    QStringList lista = recientes();
    lista.removeAll(absoluta);
    lista.prepend(absoluta);
    ajustes()->setValue(clave_recientes, lista.mid(0, cuantos_recientes));
    rehacerRecientes();
}

void Estudios::alCambiar() {
    if (llenando_) return;
    modificado_ = true;
    titular();
    recuperacion_.cambiado(ruta_);
}

void Estudios::titular() {
    v_.principal.mostrarEstudio(ruta_, modificado_);
}

Estudio Estudios::entradas(Editores editores) {
    Estudio e = estudio_de(v_, editores);
    if (sistema_.tiene()) e.crs = "EPSG:" + std::to_string(sistema_.epsg);
    return e;
}

// The one way in for every change made outside the walk: the windows take the entries, the
// study its system, and the walk stores and computes as its own buttons would.
void Estudios::entrar(const Estudio& estudio, const Sistema& sistema, Entrada como) {
    llenando_ = true;
    llenar_ventanas(v_, estudio);
    llenando_ = false;
    sistema_ = sistema;
    asistente_.mapa().setSistema(sistema_.tiene() ? etiqueta(sistema_) : std::string());
    if (como == Entrada::cambio) alCambiar();
    asistente_.tomarEntradas(como);
    devolver_memoria_libre();
}

void Estudios::elegirSistema() {
    Sistema nuevo = sistema_;
    if (elegir_sistema(dialogos_, nuevo)) entrar(entradas(), nuevo, Entrada::cambio);
}

void Estudios::importarEn(VentanaTabla& ventana, Registro tipo) {
    const std::optional<Importado> i = importar(dialogos_, ventana, tipo, sistema_);
    if (!i) return;
    Estudio e = entradas();
    agregar_importados(e, tipo, i->datos.registros);
    const bool visible = ventana.isVisible();
    const std::optional<Sistema>& de_la_capa = i->datos.sistema;
    entrar(e, de_la_capa && !sistema_.tiene() ? *de_la_capa : sistema_, Entrada::cambio);
    // From the menu, with another window showing, the user is told what was added; and always
    // what was left out.
    if (!visible || !i->datos.ignoradas.empty()) contar_importados(dialogos_, ventana, *i);
}

bool Estudios::puedeSeguir() {
    if (!modificado_ || entradas() == guardado_) return true;
    const QString nombre =
        ruta_.isEmpty() ? QStringLiteral("Estudio sin título") : QFileInfo(ruta_).fileName();
    switch (dialogos_.preguntaConCancelar(
        QStringLiteral("¿Desea guardar los cambios en «%1»?").arg(nombre),
        QStringLiteral("Cambios sin guardar"))) {
        case Respuesta::si:
            return guardar();
        case Respuesta::no:
            return true;
        case Respuesta::cancelar:
            break;
    }
    return false;
}

void Estudios::mostrar(const Estudio& estudio, const Sistema& sistema, const QString& ruta,
                       bool modificado) {
    ruta_ = ruta;
    if (!ruta_.isEmpty()) dialogos_.abrirEn(QFileInfo(ruta_).absolutePath());
    guardado_ = estudio;
    modificado_ = modificado;
    titular();
    entrar(estudio, sistema, Entrada::otro_estudio);
}

void Estudios::abrir(const QString& ruta) {
    if (!puedeSeguir()) return;
    Resuelto<Estudio> l = abrir_estudio(ruta.toStdString());
    const Resuelto<Sistema> sistema = l ? sistema_del_estudio(*l) : Sistema{};
    if (!sistema) {
        l = rechazo_de_estudio(ruta.toStdString(),
                               "su «crs», " + sin_punto_final(sistema.rechazo()));
    }
    if (!l) {
        dialogos_.mensaje(QString::fromStdString(l.rechazo()), QStringLiteral("Abrir estudio"),
                          Icono::error);
        return;
    }
    recordar(ruta);
    recuperacion_.descartar();
    mostrar(*l, *sistema, QFileInfo(ruta).absoluteFilePath(), false);
}

void Estudios::nuevo() {
    if (!puedeSeguir()) return;
    recuperacion_.descartar();
    mostrar(Estudio{}, Sistema{}, {}, false);
}

bool Estudios::guardar() {
    return ruta_.isEmpty() ? guardarComo() : guardarEn(ruta_);
}

bool Estudios::guardarComo() {
    QString filtro;
    const QString propuesto = ruta_.isEmpty() ? QStringLiteral("Estudio.abat") : ruta_;
    const QString ruta =
        dialogos_.archivoParaGuardar(QStringLiteral("Guardar estudio"), filtros, filtro, propuesto);
    return !ruta.isEmpty() && guardarEn(con_extension_estudio(ruta));
}

bool Estudios::guardarEn(const QString& ruta) {
    const Estudio estudio = entradas();
    try {
        guardar_estudio(estudio, ruta.toStdString());
    } catch (const ErrorCalculo& e) {
        dialogos_.mensaje(texto_error(e, QStringLiteral("al guardar el estudio")),
                          QStringLiteral("Guardar estudio"), Icono::error);
        return false;
    }
    ruta_ = QFileInfo(ruta).absoluteFilePath();
    guardado_ = estudio;
    modificado_ = false;
    recordar(ruta_);
    dialogos_.abrirEn(QFileInfo(ruta_).absolutePath());
    recuperacion_.descartar();
    titular();
    return true;
}

void Estudios::ofrecerRecuperacion() {
    const std::optional<CopiaRecuperada> copia = recuperacion_.pendiente();
    if (!copia) return;
    const QString datos =
        copia->archivo.isEmpty()
            ? QStringLiteral("sus datos")
            : QStringLiteral("los cambios de «%1»").arg(QDir::toNativeSeparators(copia->archivo));
    if (!dialogos_.pregunta(
            QStringLiteral("La sesión anterior terminó sin guardar %1. ¿Desea recuperarlos?")
                .arg(datos),
            QStringLiteral("Recuperar datos"))) {
        recuperacion_.descartar();
        return;
    }
    // The study's own file is remembered, not overwritten until the user saves; the question
    // before another study compares with what it holds.
    const Resuelto<Estudio> archivo = abrir_estudio(copia->archivo.toStdString());
    const Resuelto<Sistema> sistema = sistema_del_estudio(copia->estudio);
    mostrar(copia->estudio, sistema ? *sistema : Sistema{}, copia->archivo, true);
    guardado_ = archivo ? *archivo : Estudio{};
}

Estudios::~Estudios() {
    v_.principal.setAntesDeCerrar({});
}

// Closed by its title bar or the desktop: a study file's changes are asked about as "Salir"
// asks; without one, the entries stay in the recovery copy, complete, for the next start.
bool Estudios::alCerrar() {
    if (!ruta_.isEmpty()) return terminar();
    recuperacion_.completar();
    return true;
}

bool Estudios::terminar() {
    // Without a study file the program ends as it always has; a study's changes are not lost.
    if (!ruta_.isEmpty() && !puedeSeguir()) return false;
    recuperacion_.terminar();
    return true;
}

}  // namespace abat
