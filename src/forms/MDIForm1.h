#pragma once
// The main window: a multiple-document parent whose client area holds the four inner windows,
// each a frameless child that is only ever shown and hidden.

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace abat {

class MDIForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit MDIForm1(QWidget* parent = nullptr);

    // Takes `hijo` as a hidden child window at the top-left corner of the client area.
    void agregar(QWidget* hijo);
    // Shows a child window, not modal; it becomes the active one.
    void mostrar(QWidget* hijo);
    void ocultar(QWidget* hijo);
    bool visible(const QWidget* hijo) const;
    // Opens `ventana` as a child with its own title bar, to move and close, cascaded from the
    // top-left corner, over the inner windows and inside the visible client area (sized down
    // when it must be); it is deleted once closed.
    void abrirVentana(QWidget* ventana);
    void cerrarVentana(QWidget* ventana);
    // Takes `ventana` as a hidden child with its own title bar, as abrirVentana opens one, but
    // kept: closing it hides it, and mostrarVentana shows it again where it was.
    void agregarVentana(QWidget* ventana);
    void mostrarVentana(QWidget* ventana);
    // The opened windows stand aside, hidden, while an input window shows, and come back, inside
    // the visible client area, with the results.
    void apartarVentanas();
    void reponerVentanas();

    // The menu bar's command named `nombre` (menus_principales.cpp); the program stops on a name
    // the bar has not, which only a mistake in the program can give.
    QAction* accion(const char* nombre) const;
    // The menu "Archivo", which lists the recent studies as it opens.
    QMenu* menuArchivo() const;
    // The caption, alone while no study file is in use; with one, the file's name first and a
    // mark while it has unsaved changes.
    void mostrarEstudio(const QString& ruta, bool modificado);
    // Asked when the user closes the main window (its title bar, the desktop): false keeps it
    // open.
    void setAntesDeCerrar(std::function<bool()> antes) { antesDeCerrar_ = std::move(antes); }

    // Positions in pixels within the client area; Width is the main window's outer width.
    int Width() const;
    // The left edge that centres a child horizontally: Width / 2 - child's width / 2.
    double centrado(const QWidget* hijo) const;
    void setLeft(QWidget* hijo, double left);
    void setTop(QWidget* hijo, int top);
    QPoint posicion(const QWidget* hijo) const;

  signals:
    // A child window has become the active one.
    void activado(QWidget* hijo);
    // The user has closed an opened window.
    void ventanaCerrada();
    // A study file was dropped on the window.
    void estudioSoltado(const QString& ruta);

  protected:
    bool eventFilter(QObject* vigilado, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

  private:
    static QMdiSubWindow* marco(const QWidget* hijo);
    // Moves and, where it must, shrinks `sub` into the visible client area, its title bar first.
    void encajar(QMdiSubWindow* sub) const;
    // A child window with its own title bar, to move and close, over the inner windows.
    QMdiSubWindow* flotante(QWidget* ventana);
    // Shows it cascaded from the top-left corner, its form `tamano` large, as the active one.
    void colocar(QMdiSubWindow* sub, QSize tamano);

    QMdiArea* area_;
    int abiertas_ = 0;                                // windows opened so far, for the cascade
    std::vector<QPointer<QMdiSubWindow>> flotantes_;  // shown, or standing aside
    struct Guardada {
        QMdiSubWindow* sub;
        QSize tamano;  // as its form lays it out
        bool colocada = false;
    };
    std::vector<Guardada> guardadas_;  // kept when closed
    bool cerrando_ = false;            // the program closes a window, not the user
    bool modificado_ = false;          // the study's, whatever an inner window's activation says
    std::function<bool()> antesDeCerrar_;
};

}  // namespace abat
