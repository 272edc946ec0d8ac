#include "app/asistente.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <array>
#include <exception>

#include "adaptadores/cursor_espera.h"
#include "app/contorno_entradas.h"
#include "app/informe_error.h"
#include "app/memoria.h"
#include "app/ventanas_estudio.h"
#include "calc/origen_error.h"
#include "calc/resultados.h"
#include "model/filas.h"

namespace abat {

Asistente::Asistente(Ventanas& v, Declaraciones& d, Dialogos& dialogos,
                     std::function<void()> terminar)
    : v_(v),
      d_(d),
      dialogos_(dialogos),
      terminar_(std::move(terminar)),
      curvas_(v.principal, dialogos),
      mapa_(v.principal, dialogos) {
    connect(v_.caracteristicas, &frmCaracteristicas::aceptado, this, &Asistente::acuiferoAceptado);
    connect(v_.noPozos, &frmNoPozos::aceptado, this, &Asistente::pozosAceptados);
    connect(v_.coordAbat, &frmCoordAbat::aceptado, this, &Asistente::puntosAceptados);
    connect(v_.resultados, &frmResultados::editarAcuifero, this,
            [this] { editar(v_.caracteristicas, v_.caracteristicas->cmdSiguiente()); });
    connect(v_.resultados, &frmResultados::editarPozos, this,
            [this] { editar(v_.noPozos, v_.noPozos->cmdSiguiente()); });
    connect(v_.resultados, &frmResultados::editarPuntos, this,
            [this] { editar(v_.coordAbat, v_.coordAbat->cmdSiguiente()); });
    connect(v_.resultados, &frmResultados::terminar, this, &Asistente::salir);
    connect(v_.resultados, &frmResultados::curvaPedida, this,
            [this](int fila) { curvas_.abrir(fila); });
    connect(v_.resultados, &frmResultados::mapaPedido, this, [this] { mapa_.abrir(); });
    const auto cambiadas = [this] { cambiadas_ = true; };
    connect(v_.caracteristicas, &frmCaracteristicas::editado, this, cambiadas);
    connect(v_.noPozos, &VentanaTabla::editado, this, cambiadas);
    connect(v_.coordAbat, &VentanaTabla::editado, this, cambiadas);
    connect(v_.limites, &frmLimites::editado, this, cambiadas);
    connect(v_.limites, &frmLimites::actualizarPedido, this,
            [this] { aparteAceptada(v_.limites); });
    connect(&v_.principal, &MDIForm1::activado, this, [](QWidget* hijo) {
        if (auto* tabla = qobject_cast<VentanaTabla*>(hijo)) tabla->Form_Activate();
    });
    // A curve closed by the user gives the keyboard back to the results table.
    connect(&v_.principal, &MDIForm1::ventanaCerrada, this, [this] {
        if (v_.principal.visible(v_.resultados)) {
            v_.principal.mostrar(v_.resultados);
            v_.resultados->enfocarTabla();
        }
    });
}

void Asistente::iniciar() {
    // The maximised size is known before the window shows, so the centring below uses it.
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        v_.principal.setGeometry(pantalla->availableGeometry());
    }
    v_.principal.showMaximized();
    v_.principal.mostrar(v_.caracteristicas);
    v_.principal.setLeft(v_.caracteristicas, v_.principal.centrado(v_.caracteristicas));
}

void Asistente::acuiferoAceptado(Modo modo) {
    if (modo == Modo::actualizar) {
        actualizarDesde(v_.caracteristicas);
        return;
    }
    v_.principal.setLeft(v_.noPozos, v_.principal.centrado(v_.noPozos));
    v_.principal.setTop(v_.noPozos, 0);
    v_.principal.mostrar(v_.noPozos);
    v_.principal.ocultar(v_.caracteristicas);
}

void Asistente::pozosAceptados(Modo modo) {
    if (modo == Modo::actualizar) {
        actualizarDesde(v_.noPozos);
        return;
    }
    v_.principal.setTop(v_.coordAbat, 0);
    v_.principal.setLeft(v_.coordAbat, v_.principal.centrado(v_.coordAbat));
    v_.principal.mostrar(v_.coordAbat);
    v_.principal.ocultar(v_.noPozos);
}

// The results show first and fill while the user watches. After an error too the user stays on
// the results, from which every input window can be reached to mend the value.
void Asistente::puntosAceptados() {
    if (!sePuedeCalcular()) return;
    aResultados();
    v_.principal.mostrar(v_.resultados);
    const auto culpable = calcular();
    v_.principal.ocultar(v_.coordAbat);
    v_.principal.reponerVentanas();
    if (culpable) v_.resultados->enfocarEdicion(*culpable);
}

void Asistente::actualizarDesde(QWidget* desde) {
    if (!sePuedeCalcular()) return;
    aResultados();
    const auto culpable = calcular();
    v_.principal.mostrar(v_.resultados);
    v_.principal.ocultar(desde);
    v_.principal.reponerVentanas();
    if (culpable) v_.resultados->enfocarEdicion(*culpable);
}

bool Asistente::cabeLaTabla() {
    const long long pozos = record_count(v_.noPozos->pozos());
    const long long puntos = record_count(v_.coordAbat->puntos());
    if (pozos * puntos <= limite_resultados) return true;
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    dialogos_.mensaje(QStringLiteral("La tabla de resultados tendría %1 abatimientos (%2 pozos × "
                                     "%3 puntos); el límite es %4.\n\nReduzca el número de "
                                     "pozos o de puntos.")
                          .arg(es.toString(pozos * puntos), es.toString(pozos), es.toString(puntos),
                               es.toString(limite_resultados)),
                      QStringLiteral("Demasiados resultados"), Icono::advertencia);
    return false;
}

QWidget* Asistente::rechazoDelContorno() {
    if (!hay_contorno(v_)) return nullptr;
    DatosCalculo datos =
        leer_datos(d_, v_.noPozos->pozos(), v_.coordAbat->puntos(), v_.coordAbat->tiempo());
    QWidget* ventana = nullptr;
    const Resuelto<void> r = completar_datos(v_, datos, ventana);
    if (r) return nullptr;
    const QString titulo =
        ventana == v_.noPozos ? QStringLiteral("Caudal por etapas") : ventana->windowTitle();
    dialogos_.mensaje(QString::fromStdString(r.rechazo()), titulo, Icono::advertencia);
    return ventana;
}

void Asistente::mostrarAparte(QWidget* ventana) {
    if (v_.principal.visible(ventana)) return;
    antesDeAparte_ = nullptr;
    for (QWidget* w : {(QWidget*)v_.caracteristicas, (QWidget*)v_.noPozos, (QWidget*)v_.coordAbat,
                       (QWidget*)v_.resultados}) {
        if (v_.principal.visible(w)) antesDeAparte_ = w;
    }
    v_.principal.apartarVentanas();
    colocar(ventana);
    mostrarSolo(ventana);
}

void Asistente::aparteAceptada(QWidget* ventana) {
    if (rechazoDelContorno() != nullptr) return;
    if (antesDeAparte_ == v_.resultados ||
        (antesDeAparte_ == nullptr && ventana_incompleta(v_) == nullptr)) {
        actualizarDesde(ventana);
        return;
    }
    QWidget* volver = antesDeAparte_ != nullptr ? antesDeAparte_ : ventana_incompleta(v_);
    mostrarSolo(volver != nullptr ? volver : v_.coordAbat);
}

void Asistente::aResultados() {
    v_.principal.setTop(v_.resultados, 0);
    v_.principal.setLeft(v_.resultados, 0);
}

// The curves stand aside: nothing covers an input window.
void Asistente::editar(QWidget* ventana, QPushButton* siguiente) {
    v_.principal.apartarVentanas();
    siguiente->setText(texto_actualizar);
    v_.principal.mostrar(ventana);
    v_.principal.ocultar(v_.resultados);
}

void Asistente::tomarEntradas(Entrada como) {
    // As "Siguiente" on the aquifer window: both boxes filled, both stored.
    if (!v_.caracteristicas->textoT().isEmpty() && !v_.caracteristicas->textoS().isEmpty()) {
        v_.caracteristicas->almacenar();
    }
    if (como == Entrada::otro_estudio) {
        v_.ensayo->olvidarAjuste();
        empezarDeNuevo();
    } else if (v_.principal.visible(v_.resultados)) {
        if (ventana_incompleta(v_) == nullptr) {
            calcularYMostrar();
        } else {
            empezarDeNuevo();
        }
    }
}

void Asistente::empezarDeNuevo() {
    hayResultados_ = false;
    curvas_.cerrar();
    mapa_.cerrar();
    v_.resultados->limpiar();
    const std::array<QPushButton*, 3> botones = {v_.caracteristicas->cmdSiguiente(),
                                                 v_.noPozos->cmdSiguiente(),
                                                 v_.coordAbat->cmdSiguiente()};
    for (QPushButton* b : botones) b->setText(texto_siguiente);
    // Each input window where the walk would have put it.
    for (QWidget* w : {(QWidget*)v_.caracteristicas, (QWidget*)v_.noPozos, (QWidget*)v_.coordAbat})
        colocar(w);
    QWidget* falta = ventana_incompleta(v_);
    if (falta == nullptr && cabeLaTabla()) {
        if (QWidget* mendar = rechazoDelContorno()) {  // what to mend shows, in its first pass
            antesDeAparte_ = nullptr;
            mostrarSolo(mendar);
            return;
        }
        for (QPushButton* b : botones) b->setText(texto_actualizar);
        calcularYMostrar();
        return;
    }
    mostrarSolo(falta != nullptr ? falta : v_.coordAbat);  // beyond the limit: fewer points
}

void Asistente::calcularYMostrar() {
    if (!sePuedeCalcular()) return;
    aResultados();
    const auto culpable = calcular();
    mostrarSolo(v_.resultados);
    v_.principal.reponerVentanas();
    if (culpable) v_.resultados->enfocarEdicion(*culpable);
}

void Asistente::colocar(QWidget* ventana) {
    if (ventana != v_.caracteristicas) v_.principal.setTop(ventana, 0);
    v_.principal.setLeft(ventana, v_.principal.centrado(ventana));
}

void Asistente::mostrarSolo(QWidget* ventana) {
    v_.principal.mostrar(ventana);
    for (QWidget* w : std::initializer_list<QWidget*>{v_.caracteristicas, v_.noPozos, v_.coordAbat,
                                                      v_.resultados, v_.limites, v_.acuitardo}) {
        if (w != ventana) v_.principal.ocultar(w);
    }
}

void Asistente::salir() {
    if (dialogos_.pregunta(QStringLiteral("¿Está seguro de que desea salir?"),
                           QStringLiteral("Salir"))) {
        terminar_();
    }
}

std::optional<Origen> Asistente::calcular() {
    hayResultados_ = false;
    try {
        const CursorDeEspera espera;  // gone before any message of the handlers below
        DatosCalculo datos =
            leer_datos(d_, v_.noPozos->pozos(), v_.coordAbat->puntos(), v_.coordAbat->tiempo());
        QWidget* ninguna = nullptr;
        completar_datos(v_, datos, ninguna);  // admitted before every calculation
        datos_ = std::make_shared<const DatosCalculo>(std::move(datos));
        curvas_.nuevoCalculo(datos_);
        mapa_.nuevoCalculo(datos_);
        cambiadas_ = false;
        Resultados resultados = calcular_resultados(*datos_, v_.resultados->resultados());
        if (graficar_) graficar_(*datos_);
        calculo_ = std::make_shared<const Calculo>(Calculo{datos_, std::move(resultados)});
        hayResultados_ = true;
        curvas_.seguirResultados();
        mapa_.seguirResultados();
        devolver_memoria_libre();
        emit calculoTerminado();
        return std::nullopt;
    } catch (const ErrorCalculo& e) {
        emit calculoTerminado();
        return fallo(e, *datos_);
    } catch (const std::exception& e) {  // a fault of the program: the user's data stay
        curvas_.cerrar();
        mapa_.cerrar();
        v_.resultados->mostrarGrafico(QPixmap());
        informar_error(dialogos_, QString::fromUtf8(e.what()));
        emit calculoTerminado();
        return Origen::acuifero;
    }
}

// The table keeps what the failed calculation wrote; no chart of another calculation stands
// beside it. Gives the window that holds the value to mend.
Origen Asistente::fallo(const ErrorCalculo& e, const DatosCalculo& datos) {
    curvas_.cerrar();
    mapa_.cerrar();
    v_.resultados->mostrarGrafico(QPixmap());
    informar_error(dialogos_, e);
    return origen_del_error(e, datos);
}

}  // namespace abat
