#pragma once
// A value, or the message that says in the program's words why there is none: what every reader,
// parser, classifier and fit of the program gives. The message is shown to the user as it is,
// whole sentences in Spanish.

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace abat {

// Why an entry, a file or a fit is refused. Thrown only inside a reader, from wherever it finds
// the fault, and caught at the reader's door by `resolver`: it never leaves a reader.
struct Rechazo {
    std::string motivo;
};

[[noreturn]] inline void rechazar(std::string motivo) {
    throw Rechazo{std::move(motivo)};
}

template <typename T>
class Resuelto {
  public:
    Resuelto(T valor) : v_(std::move(valor)) {}            // NOLINT(google-explicit-constructor)
    Resuelto(Rechazo rechazo) : v_(std::move(rechazo)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    // The value; only when ok().
    const T& operator*() const { return std::get<0>(v_); }
    T& operator*() { return std::get<0>(v_); }
    const T* operator->() const { return &std::get<0>(v_); }
    T* operator->() { return &std::get<0>(v_); }
    // The message; empty when ok().
    const std::string& rechazo() const {
        static const std::string ninguno;
        return ok() ? ninguno : std::get<1>(v_).motivo;
    }

  private:
    std::variant<T, Rechazo> v_;
};

// Only whether it was admitted, and why not.
template <>
class Resuelto<void> {
  public:
    Resuelto() = default;
    Resuelto(Rechazo rechazo) : r_(std::move(rechazo)) {}  // NOLINT(google-explicit-constructor)

    bool ok() const { return !r_; }
    explicit operator bool() const { return ok(); }
    const std::string& rechazo() const {
        static const std::string ninguno;
        return r_ ? r_->motivo : ninguno;
    }

  private:
    std::optional<Rechazo> r_;
};

// What `leer()` gives, or the Rechazo it throws.
template <typename F>
auto resolver(F&& leer) -> Resuelto<std::invoke_result_t<F>> {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
            std::forward<F>(leer)();
            return {};
        } else {
            return std::forward<F>(leer)();
        }
    } catch (Rechazo& r) {
        return std::move(r);
    }
}

}  // namespace abat
