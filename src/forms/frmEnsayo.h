#pragma once
// The pumping test's window: the rate, the unit of the times, the stop, the readings of the
// observation wells (the store of record of the test), the method, its fit and the chart. Once
// "Ajustar" is pressed the fit follows the entries: every change shows the fit of what the
// window holds.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "adaptadores/dialogos.h"
#include "ensayo/analisis_ensayo.h"
#include "forms/comandos_tabla.h"
#include "forms/editor_celdas.h"
#include "forms/frmEtapas.h"
#include "forms/ventana_con_tabla.h"
#include "model/ensayo.h"
#include "model/grid.h"

namespace Ui {
class frmEnsayo;
}

namespace abat {

class GraficoEnsayo;

// The texts of the readings' add, remove, paste and import commands.
const TextosTabla& textos_medidas();

class frmEnsayo : public VentanaConTabla {
    Q_OBJECT
  public:
    explicit frmEnsayo(Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmEnsayo() override;

    Grid& medidas() { return tabla(); }
    // The test as the window holds it, an open cell editor's text included.
    EnsayoTexto ensayo() const;
    // Shows `ensayo` in place of what the window held.
    void setEnsayo(const EnsayoTexto& ensayo);
    // Stores the text of an open cell editor, as leaving it does.
    void terminarEdicion();
    // Another study: no fit shown until "Ajustar" is pressed for it.
    void olvidarAjuste();
    // Whether the reading of grid row `fila` is left out of the fit.
    bool excluida(int fila) const;
    // "Excluir del ajuste", "Incluir en el ajuste": the readings of the selected rows.
    void excluirSeleccion(bool excluir);
    // What the window shows: the fit, its figures or why there is none, the chart's series.
    const AnalisisEnsayo& analisis() const { return analisis_; }
    // The method chosen and the window of times typed for its straight lines.
    PeticionAjuste peticion() const;
    GraficoEnsayo* grafico() const;
    // The study's wells by name, as "Pozo del ensayo" offers them.
    void setPozos(const std::vector<std::string>& nombres);
    // The window of the test's rate steps while it shows; none otherwise.
    frmEtapas* etapasAbiertas() const { return etapas_abiertas_; }

  signals:
    // What the window holds of the test has changed: a box, the unit, a reading, a row.
    void editado();
    // "Usar en el estudio": the fitted T and S (S empty from the recovery) for the aquifer.
    // `c` empty: the aquitard stays as it is.
    void usarPedido(const QString& T, const QString& S, const QString& c);
    // "Importar…" of the table's menu.
    void importarPedido();
    // "Usar en el estudio" after a step test: its loss C·Qⁿ for the study's well named `pozo`.
    void usarPerdidasPedido(const QString& pozo, const QString& C, const QString& n);

  private:
    void cmdAjustar_Click();
    void cmdQuitar_Click();
    // "Caudal por etapas…": the test's steps in a table of their own, its first row the rate.
    void cmdEtapasEnsayo_Click();
    void mostrarEficiencia();
    void mostrarPozo();
    // What the chart shows: the method's paper, or a step test's specific drawdown.
    const DibujoEnsayo& vista() const;
    void usar();
    // The entries have changed: the study's, and the chart and the fit follow.
    void cambiado();
    void redibujar();
    void guardarImagen();

    std::unique_ptr<Ui::frmEnsayo> ui_;
    Dialogos& dialogos_;
    EditorCeldas* editor_ = nullptr;
    std::vector<bool> excluidas_;          // by record: [k - 1] for record k; beyond its end, none
    std::vector<EtapaTexto> etapas_;       // the rate's steps after the first, as typed
    std::string pozo_;                     // the study's well the test was made in, by name
    std::vector<std::string> pozos_;       // the study's wells
    QPointer<frmEtapas> etapas_abiertas_;  // the steps' window while it shows
    Grid eficiencia_{2, static_cast<int>(columnas_eficiencia.size()) + 1, 1, 1};
    bool ajustado_ = false;  // "Ajustar" was pressed: the fit follows the entries
    bool llenando_ = false;  // the window is being filled: one redraw at the end
    AnalisisEnsayo analisis_;
};

}  // namespace abat
