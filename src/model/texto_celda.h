#pragma once
// A cell's text in 16 bytes: up to 15 bytes held in the cell itself, a longer text on the heap.
// A well's name and numbers fit inside, so a table of 100,000 wells takes a tenth of the memory
// that strings of their own would, and no allocation a cell.

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace abat {

class TextoCelda {
  public:
    TextoCelda() noexcept { b_[ultimo] = static_cast<char>(capacidad); }
    explicit TextoCelda(std::string_view texto) { poner(texto); }
    TextoCelda(const TextoCelda& otro) { poner(otro.vista()); }
    TextoCelda(TextoCelda&& otro) noexcept {
        std::memcpy(b_, otro.b_, sizeof b_);
        otro.b_[ultimo] = static_cast<char>(capacidad);  // it is empty now, and owns nothing
    }
    TextoCelda& operator=(const TextoCelda& otro) {
        if (this != &otro) asignar(otro.vista());
        return *this;
    }
    TextoCelda& operator=(TextoCelda&& otro) noexcept {
        if (this != &otro) {
            soltar();
            std::memcpy(b_, otro.b_, sizeof b_);
            otro.b_[ultimo] = static_cast<char>(capacidad);
        }
        return *this;
    }
    TextoCelda& operator=(std::string_view texto) {
        asignar(texto);
        return *this;
    }
    ~TextoCelda() { soltar(); }

    std::string_view vista() const noexcept {
        if (!largo()) return {b_, capacidad - static_cast<size_t>(b_[ultimo])};
        const char* p = nullptr;
        uint32_t n = 0;
        std::memcpy(&p, b_, sizeof p);
        std::memcpy(&n, b_ + sizeof p, sizeof n);
        return {p, n};
    }
    bool empty() const noexcept { return vista().empty(); }

  private:
    static constexpr size_t capacidad = 15;
    static constexpr size_t ultimo = 15;
    static constexpr char marca_largo = static_cast<char>(0x7F);

    bool largo() const noexcept { return b_[ultimo] == marca_largo; }

    // The text copied first: `texto` may lie in this very cell.
    void asignar(std::string_view texto) {
        TextoCelda nuevo(texto);
        *this = std::move(nuevo);
    }
    void poner(std::string_view texto) {
        if (texto.size() <= capacidad) {
            if (!texto.empty()) std::memcpy(b_, texto.data(), texto.size());  // data() may be null
            b_[ultimo] = static_cast<char>(capacidad - texto.size());
            return;
        }
        if (texto.size() > UINT32_MAX) throw std::length_error("texto de celda demasiado largo");
        char* p = new char[texto.size()];
        std::memcpy(p, texto.data(), texto.size());
        const auto n = static_cast<uint32_t>(texto.size());
        std::memcpy(b_, &p, sizeof p);
        std::memcpy(b_ + sizeof p, &n, sizeof n);
        b_[ultimo] = marca_largo;
    }
    void soltar() noexcept {
        if (!largo()) return;
        char* p = nullptr;
        std::memcpy(&p, b_, sizeof p);
        delete[] p;
    }

    alignas(8) char b_[16];  // NOLINT(modernize-avoid-c-arrays): raw bytes, laid out by hand
};

}  // namespace abat
