#pragma once
// Dialogs for tests: each answer comes from a script, and every dialog shown is recorded with its
// texts and icon so a test can check what the user would have seen.

#include <QPrinter>
#include <QString>
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "adaptadores/dialogos.h"

namespace abat::prueba {

struct Mostrado {
    enum Tipo { mensaje, pregunta, entrada, archivo, abrir, imprimir } tipo;
    QString texto;
    QString titulo;
    Icono icono;
    QString propuesto = {};  // the file name a save dialog proposes
};

class DialogosGuionados : public Dialogos {
  public:
    std::deque<QString> respuestas;               // the texts typed into the input dialogs, in turn
    std::deque<bool> si;                          // the answers to the questions, in turn
    std::deque<Respuesta> respuestasConCancelar;  // to the questions with Cancel, in turn
    std::deque<QString> archivos;                 // the paths chosen in the save dialogs, in turn
    std::vector<Mostrado> mostrados;
    std::function<void()> alAbrir;  // runs as each dialog opens, to look at the windows then
    // Answers what the script has no answer for (a question: Yes for a text); without it, a
    // script that runs out ends the test instead of asking forever.
    std::function<QString(const Mostrado&)> sinGuion;

    void mensaje(const QString& texto, const QString& titulo, Icono icono) override {
        mostrar({Mostrado::mensaje, texto, titulo, icono});
    }
    bool pregunta(const QString& texto, const QString& titulo) override {
        mostrar({Mostrado::pregunta, texto, titulo, Icono::pregunta});
        return si.empty() ? !guion().isEmpty() : sacar(si);
    }
    Respuesta preguntaConCancelar(const QString& texto, const QString& titulo) override {
        mostrar({Mostrado::pregunta, texto, titulo, Icono::pregunta});
        if (!respuestasConCancelar.empty()) return sacar(respuestasConCancelar);
        return guion().isEmpty() ? Respuesta::no : Respuesta::si;
    }
    QString entrada(const QString& prompt, const QString& titulo) override {
        mostrar({Mostrado::entrada, prompt, titulo, Icono::pregunta});
        return respuestas.empty() ? guion() : sacar(respuestas);
    }
    // The answer is the next of `respuestas`, chosen or typed alike; `opciones` keeps the list.
    QString elegir(const QString& prompt, const QString& titulo, const QStringList& lista,
                   const QString& actual) override {
        opciones = lista;
        mostrar({Mostrado::entrada, prompt, titulo, Icono::pregunta, actual});
        return respuestas.empty() ? guion() : sacar(respuestas);
    }
    QStringList opciones;
    // The type chosen is the one the path's extension names.
    QString archivoParaGuardar(const QString& titulo, const QString& filtros, QString& filtro,
                               const QString& propuesto = {}) override {
        mostrar({Mostrado::archivo, filtros, titulo, Icono::pregunta, propuesto});
        const QString ruta = archivos.empty() ? guion() : sacar(archivos);
        filtro = QStringLiteral("*.") + ruta.section(QLatin1Char('.'), -1);
        return ruta;
    }
    QString archivoParaAbrir(const QString& titulo, const QString& filtros) override {
        mostrar({Mostrado::abrir, filtros, titulo, Icono::pregunta});
        return archivos.empty() ? guion() : sacar(archivos);
    }
    // Prints into the PDF file `impreso` names; cancelled while it is empty.
    bool imprimir(QPrinter& impresora, const QString& titulo) override {
        mostrar({Mostrado::imprimir, {}, titulo, Icono::pregunta});
        if (impreso.isEmpty()) return false;
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(impreso);
        return true;
    }
    QString impreso;
    void abrirEn(const QString& c) override { carpeta = c; }
    QString carpeta;  // where the file dialogs would open
    const Mostrado& ultimo() const { return mostrados.back(); }

  private:
    void mostrar(Mostrado m) {
        mostrados.push_back(std::move(m));
        if (alAbrir) alAbrir();
    }
    QString guion() const {
        if (!sinGuion) throw std::logic_error("the script has no answer for this dialog");
        return sinGuion(ultimo());
    }
    template <typename T>
    static T sacar(std::deque<T>& cola) {
        T primero = cola.front();
        cola.pop_front();
        return primero;
    }
};

}  // namespace abat::prueba
