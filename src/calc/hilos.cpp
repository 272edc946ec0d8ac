#include "calc/hilos.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace abat {
namespace {

// Evaluations that take about as long as starting and joining a thread, many times over.
constexpr double evaluaciones_por_hilo = 200'000;

}  // namespace

unsigned hilos_para(double evaluaciones) {
    const unsigned nucleos = std::max(1U, std::thread::hardware_concurrency());
    const double utiles = std::max(1.0, evaluaciones / evaluaciones_por_hilo);
    return utiles >= nucleos ? nucleos : static_cast<unsigned>(utiles);
}

void en_paralelo(size_t n, size_t multiplo, unsigned hilos,
                 const std::function<void(size_t, size_t)>& trabajo) {
    const size_t partes = std::max<size_t>(1, hilos);
    size_t tramo = (n + partes - 1) / partes;
    tramo = (tramo + multiplo - 1) / multiplo * multiplo;
    std::vector<std::thread> otros;
    otros.reserve(partes);  // no thread runs yet if this fails; none is moved once started
    // A running thread left unjoined ends the program: every way out joins them.
    struct Unir {
        std::vector<std::thread>& hilos;
        ~Unir() {
            for (std::thread& h : hilos) h.join();
        }
    } unir{otros};
    size_t desde = std::min(n, tramo);  // the first range is the calling thread's
    for (; desde < n; desde += tramo) {
        const size_t hasta = std::min(n, desde + tramo);
        try {
            otros.emplace_back(trabajo, desde, hasta);
        } catch (const std::exception&) {  // no thread to be had, or no memory for one
            trabajo(desde, hasta);
        }
    }
    trabajo(0, std::min(n, tramo));
}

}  // namespace abat
