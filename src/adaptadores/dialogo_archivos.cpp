#include "adaptadores/dialogo_archivos.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace abat {
namespace {

class IconosPorNombre : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) return icon(Folder);
        return QIcon::fromTheme(tipo(info).iconName(), icon(File));
    }

    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QStringLiteral("Carpeta");
        return tipo(info).comment();
    }

  private:
    // The file's name as a text, so the database never looks at the file itself.
    static QMimeType tipo(const QFileInfo& info) {
        return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
};

}  // namespace

void listar_por_nombres(QFileDialog& dialogo) {
    static auto* const iconos = new IconosPorNombre;  // outlives every dialog
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialogo.setIconProvider(iconos);
}

}  // namespace abat
