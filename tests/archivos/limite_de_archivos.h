#pragma once
// A disk that fills while a file is written, without root: files may grow only up to a size, and
// a write that would take one beyond it fails with EFBIG, as a full disk fails with ENOSPC.

#include <sys/resource.h>

#include <csignal>

namespace abat::prueba {

// For the span of a scope: files of at most `bytes`; SIGXFSZ ignored, so the write fails instead
// of ending the process. The limit and the signal's handling are restored when it ends.
class LimiteDeArchivos {
  public:
    explicit LimiteDeArchivos(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &antes_);
        manejador_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = antes_;
        limite.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteDeArchivos() {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, manejador_);
    }
    LimiteDeArchivos(const LimiteDeArchivos&) = delete;
    LimiteDeArchivos& operator=(const LimiteDeArchivos&) = delete;

  private:
    rlimit antes_{};
    void (*manejador_)(int) = nullptr;
};

}  // namespace abat::prueba
