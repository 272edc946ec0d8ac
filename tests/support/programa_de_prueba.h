#pragma once
// The whole program under test: its windows, the dialogs answered from a script, the chart and
// the recovery copies in a folder of the test's own.

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <string>
#include <vector>

#include "app/programa.h"
#include "model/filas.h"
#include "support/controles.h"
#include "support/dialogos_guionados.h"

namespace abat::prueba {

struct Prueba {
    DialogosGuionados dialogos;
    bool terminado = false;
    QTemporaryDir dir;  // the chart's picture and the recovery copies
    Programa p;
    Ventanas& v = p.ventanas;
    bool sinEspera = true;  // no wait cursor over any dialog

    // `estudio`: the study named on the command line; `recuperacion`: where the recovery copies
    // are kept (a folder of its own when empty); `antes` answers the dialogs of the start.
    explicit Prueba(const QString& estudio = {}, const QString& recuperacion = {},
                    const std::function<void(DialogosGuionados&)>& antes = {})
        : p(
              dialogos, [this] { terminado = true; },
              recuperacion.isEmpty() ? dir.filePath("recuperacion") : recuperacion) {
        if (antes) antes(dialogos);
        p.archivoGrafico = QDir(dir.path()).filePath("grafico.gif").toStdString();
        dialogos.alAbrir = [this] {
            sinEspera = sinEspera && QGuiApplication::overrideCursor() == nullptr;
            QApplication::setActiveWindow(nullptr);  // as a real dialog takes the activation
        };
        p.iniciar(estudio);
        if (!QTest::qWaitForWindowActive(&v.principal)) qFatal("the main window did not show");
    }
    QLineEdit* caja(const char* nombre) { return control<QLineEdit>(&v.principal, nombre); }
    // The one of the windows of the walk that shows (the four, the boundaries', the aquitard's);
    // the curves' windows stand aside.
    std::vector<QWidget*> visibles() {
        std::vector<QWidget*> v4;
        for (QWidget* w : {(QWidget*)v.caracteristicas, (QWidget*)v.noPozos, (QWidget*)v.coordAbat,
                           (QWidget*)v.resultados, (QWidget*)v.limites, (QWidget*)v.acuitardo}) {
            if (v.principal.visible(w)) v4.push_back(w);
        }
        return v4;
    }
    QWidget* visible() {
        const auto v4 = visibles();
        return v4.empty() ? nullptr : v4.front();
    }
    // The aquifer, one well and one point, 2.7367 m after one day; `estropear` changes any of
    // them before the first "Siguiente".
    void hastaResultados(const std::function<void(Prueba&)>& estropear = {}) {
        caja("txtT")->setText("0.01");
        caja("txtS")->setText("0.0002");
        agregar(v.noPozos->pozos(), {"P1", "0.3", "0.05", "100", "0"});
        agregar(v.coordAbat->puntos(), {"A", "0", "0"});
        caja("txtTiempo")->setText("1");
        if (estropear) estropear(*this);
        for (QWidget* w : {(QWidget*)v.caracteristicas, (QWidget*)v.noPozos, (QWidget*)v.coordAbat})
            pulsar(w, "cmdSiguiente");
    }
    static void agregar(Grid& g, const std::vector<std::string>& celdas) {
        const int r = append_record(g);
        for (size_t c = 0; c < celdas.size(); ++c) g.setTextMatrix(r, int(c) + 1, celdas[c]);
    }
    std::string resultado(int r, int c) const {
        return std::string(v.resultados->resultados().TextMatrix(r, c));
    }
    // Everything the user entered in the three input windows.
    QStringList entradas() {
        QStringList todo{caja("txtT")->text(), caja("txtS")->text(), caja("txtTiempo")->text()};
        for (const Grid* g : {&v.noPozos->pozos(), &v.coordAbat->puntos()}) {
            for (int r = 0; r < g->Rows(); ++r) todo << fila(*g, r);
        }
        return todo;
    }
};

}  // namespace abat::prueba
