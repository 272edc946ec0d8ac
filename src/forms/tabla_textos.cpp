#include "forms/tabla_textos.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "forms/filtro_caracteres.h"
#include "model/numeros.h"

namespace abat {
namespace {

bool admitido_en_numero(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u',' ||
           c == u'E' || c == u'e' || c == u' ';
}

// A number as the program reads it: typed with its keys, a decimal comma stored as the point.
class DelegadoNumero : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& /*opcion*/,
                          const QModelIndex& /*indice*/) const override {
        auto* caja = new QLineEdit(padre);
        caja->setValidator(new SoloTecleable(admitido_en_numero, caja));
        caja->setFrame(false);
        return caja;
    }
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override {
        const std::string texto = static_cast<QLineEdit*>(editor)->text().toStdString();
        modelo->setData(indice, QString::fromStdString(con_punto_decimal(texto)));
    }
};

// One of a few texts, chosen or typed by its first letters.
class DelegadoOpciones : public QStyledItemDelegate {
  public:
    DelegadoOpciones(QStringList opciones, QObject* padre)
        : QStyledItemDelegate(padre), opciones_(std::move(opciones)) {}
    QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& /*opcion*/,
                          const QModelIndex& /*indice*/) const override {
        auto* lista = new QComboBox(padre);
        lista->addItems(opciones_);
        return lista;
    }
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
        auto* lista = static_cast<QComboBox*>(editor);
        lista->setCurrentIndex(
            std::max(0, static_cast<int>(opciones_.indexOf(indice.data(Qt::EditRole).toString()))));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override {
        modelo->setData(indice, static_cast<QComboBox*>(editor)->currentText());
    }

  private:
    QStringList opciones_;
};

}  // namespace

TablaTextos::TablaTextos(const QStringList& encabezados, const QStringList& opciones,
                         QWidget* parent)
    : QTableWidget(0, static_cast<int>(encabezados.size()), parent) {
    setHorizontalHeaderLabels(encabezados);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(SingleSelection);
    // Opened by a key, a double click or a click on the current cell, not by merely arriving.
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(true);
    setItemDelegate(new DelegadoNumero(this));
    if (!opciones.isEmpty()) setItemDelegateForColumn(0, new DelegadoOpciones(opciones, this));
    const auto cambio = [this] {
        if (!callado_) emit editado();
    };
    connect(this, &QTableWidget::itemChanged, this, cambio);
    connect(model(), &QAbstractItemModel::rowsInserted, this, cambio);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, cambio);
}

std::vector<std::vector<std::string>> TablaTextos::filas() const {
    std::vector<std::vector<std::string>> f(static_cast<size_t>(rowCount()));
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            const QTableWidgetItem* i = item(r, c);
            f[static_cast<size_t>(r)].push_back(i != nullptr ? i->text().toStdString() : "");
        }
    }
    return f;
}

void TablaTextos::setFilas(const std::vector<std::vector<std::string>>& filas) {
    callado_ = true;  // one change, told once
    setRowCount(0);
    for (const auto& f : filas) {
        const int r = rowCount();
        insertRow(r);
        for (int c = 0; c < columnCount(); ++c) {
            const std::string texto =
                static_cast<size_t>(c) < f.size() ? f[static_cast<size_t>(c)] : std::string();
            setItem(r, c, new QTableWidgetItem(QString::fromStdString(texto)));
        }
    }
    callado_ = false;
    emit editado();
}

void TablaTextos::agregarFila(const std::vector<std::string>& textos) {
    terminarEdicion();
    const int r = rowCount();
    callado_ = true;
    insertRow(r);
    for (int c = 0; c < columnCount(); ++c) {
        const std::string texto =
            static_cast<size_t>(c) < textos.size() ? textos[static_cast<size_t>(c)] : std::string();
        setItem(r, c, new QTableWidgetItem(QString::fromStdString(texto)));
    }
    callado_ = false;
    emit editado();
    const int primera = itemDelegateForColumn(0) != nullptr ? 1 : 0;
    setCurrentCell(r, std::min(primera, columnCount() - 1));
    editItem(currentItem());
}

void TablaTextos::terminarEdicion() {
    if (state() != EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

}  // namespace abat
