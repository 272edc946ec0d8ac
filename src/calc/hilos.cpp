#include "calc/hilos.h"

#include <QRunnable>
#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace abat {
namespace {

// Evaluations that take about as long as handing a range to another thread, many times over.
constexpr double evaluaciones_por_hilo = 200'000;

// The ranges handed to other threads, waited for on every way out: they use the caller's work.
class Pendientes {
  public:
    Pendientes() = default;
    Pendientes(const Pendientes&) = delete;
    Pendientes& operator=(const Pendientes&) = delete;
    ~Pendientes() {
        std::unique_lock cerrojo(m_);
        hecho_.wait(cerrojo, [this] { return n_ == 0; });
    }
    void una() {
        const std::lock_guard cerrojo(m_);
        ++n_;
    }
    void terminada() {
        const std::lock_guard cerrojo(m_);
        if (--n_ == 0) hecho_.notify_all();
    }

  private:
    std::mutex m_;
    std::condition_variable hecho_;
    size_t n_ = 0;
};

}  // namespace

unsigned hilos_para(double evaluaciones) {
    const unsigned nucleos = std::max(1U, std::thread::hardware_concurrency());
    const double utiles = std::max(1.0, evaluaciones / evaluaciones_por_hilo);
    return utiles >= nucleos ? nucleos : static_cast<unsigned>(utiles);
}

// Every thread of the program is one of Qt's global pool: the calculation's ranges, the maps
// drawn in the background and the recovery copies share the processor's cores. A range for
// which the pool has no thread free (a map being computed on it, say) is done here.
void en_paralelo(size_t n, size_t multiplo, unsigned hilos,
                 const std::function<void(size_t, size_t)>& trabajo) {
    const size_t partes = std::max<size_t>(1, hilos);
    size_t tramo = (n + partes - 1) / partes;
    tramo = (tramo + multiplo - 1) / multiplo * multiplo;
    QThreadPool& pool = *QThreadPool::globalInstance();
    Pendientes pendientes;
    for (size_t desde = std::min(n, tramo); desde < n; desde += tramo) {
        const size_t hasta = std::min(n, desde + tramo);
        pendientes.una();
        bool empezado = false;
        try {
            empezado = pool.tryStart([&trabajo, &pendientes, desde, hasta] {
                trabajo(desde, hasta);
                pendientes.terminada();
            });
        } catch (const std::exception&) {  // no memory to hand it over
        }
        if (!empezado) {
            pendientes.terminada();
            trabajo(desde, hasta);
        }
    }
    trabajo(0, std::min(n, tramo));  // the first range is the calling thread's
}

}  // namespace abat
