#include "programa.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace abat {

Programa::Programa(Dialogos& dialogos, std::function<void()> terminar)
    : ventanas(d, dialogos), asistente(ventanas, d, dialogos, std::move(terminar)) {}

void cargar_traduccion_qt() {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(QStringLiteral("qtbase_es"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traductor);
    }
}

}  // namespace abat
