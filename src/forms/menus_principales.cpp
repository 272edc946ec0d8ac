#include "forms/menus_principales.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace abat {
namespace {

// A command; one without a name is a separator.
struct Orden {
    const char* nombre = nullptr;
    const char* texto = "";
    QKeySequence teclas = {};
    bool oculta = false;  // until its part gives it a text: the recent studies
};

struct Menu {
    const char* nombre;
    const char* titulo;
    std::vector<Orden> ordenes;
};

const Orden separador{};

// Built on the first call, once the application exists: the standard keys are the platform's.
const std::vector<Menu>& menus() {
    static const std::vector<Menu> m = {
        {"menuArchivo",
         "&Archivo",
         {{"accionNuevo", "&Nuevo", QKeySequence::New},
          {"accionAbrir", "&Abrir…", QKeySequence::Open},
          {"accionGuardar", "&Guardar", QKeySequence::Save},
          {"accionGuardarComo", "Guardar &como…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
          separador,
          {"accionImportarPozos", "Importar &pozos…"},
          {"accionImportarPuntos", "Importar p&untos…"},
          {"accionExportarSig", "&Exportar a SIG…"},
          {"accionSistema", "&Sistema de coordenadas…"},
          separador,
          {"accionInforme", "&Informe…", QKeySequence(Qt::CTRL | Qt::Key_R)},
          {"accionImprimir", "&Imprimir…", QKeySequence::Print},
          separador,
          {"accionReciente1", "", {}, true},
          {"accionReciente2", "", {}, true},
          {"accionReciente3", "", {}, true},
          {"accionReciente4", "", {}, true},
          {"accionReciente5", "", {}, true}}},
        {"menuAnalisis",
         "A&nálisis",
         {{"accionEnsayo", "&Ensayo de bombeo…"},
          {"accionLimites", "&Límites del acuífero…"},
          {"accionAcuitardo", "&Acuitardo…"},
          {"accionAbatimientoPozos", "Abatimiento en los &pozos…"}}},
    };
    return m;
}

}  // namespace

void crear_menus(QMenuBar* barra) {
    for (const Menu& m : menus()) {
        QMenu* menu = barra->addMenu(QString::fromUtf8(m.titulo));
        menu->setObjectName(QString::fromLatin1(m.nombre));
        for (const Orden& o : m.ordenes) {
            if (o.nombre == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(QString::fromUtf8(o.texto));
            a->setObjectName(QString::fromLatin1(o.nombre));
            a->setShortcut(o.teclas);
            a->setVisible(!o.oculta);
        }
    }
}

}  // namespace abat
