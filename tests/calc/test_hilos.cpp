// Work split over threads: every place computed once, and a failure on the calling thread's part
// reported after the other threads have ended, not by ending the program.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include <QThreadPool>

#include "calc/hilos.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

// places, multiple, threads
using Repartos = Tabla<size_t, size_t, unsigned>;

TEST_P(Repartos, EveryPlaceOnceInRangesOfTheMultiple) {
    const auto& [nombre, n, multiplo, hilos] = GetParam();
    std::vector<std::atomic<int>> vistos(n);
    en_paralelo(n, multiplo, hilos, [&, multiplo = multiplo](size_t desde, size_t hasta) {
        EXPECT_EQ(desde % multiplo, 0U);
        for (size_t i = desde; i < hasta; ++i) ++vistos[i];
    });
    for (size_t i = 0; i < n; ++i) ASSERT_EQ(vistos[i], 1) << i;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EnParalelo, Repartos, testing::ValuesIn(std::vector<Repartos::ParamType>{{"mil_en_cuatro", 1000, 64, 4},
    {"uno_en_ocho", 1, 64, 8}, {"ninguno", 0, 64, 2}, {"multiplo_1", 130, 1, 3}, {"hilos_que_haya", 500, 64, 0}}), por_nombre);
// clang-format on

TEST(EnParalelo, AFailureOnTheCallingThreadWaitsForTheOthers) {
    std::atomic<int> acabados = 0;
    EXPECT_THROW(en_paralelo(1000, 64, 4,
                             [&](size_t desde, size_t) {
                                 if (desde == 0) throw std::runtime_error("sin memoria");
                                 std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                 ++acabados;
                             }),
                 std::runtime_error);
    EXPECT_EQ(acabados, 3);
}

// Called from the pool's own threads, all of them busy (maps drawn in the background), the work
// is done on the callers' threads: every place once, and no thread waits for a free one.
TEST(EnParalelo, FromThePoolsThreadsWithNoneFree) {
    QThreadPool& pool = *QThreadPool::globalInstance();
    const int ocupados = pool.maxThreadCount();
    std::vector<std::vector<std::atomic<int>>> vistos(static_cast<size_t>(ocupados));
    for (auto& v : vistos) v = std::vector<std::atomic<int>>(1000);
    for (auto& v : vistos) {
        pool.start([&v] {
            en_paralelo(v.size(), 64, 8, [&v](size_t desde, size_t hasta) {
                for (size_t i = desde; i < hasta; ++i) ++v[i];
            });
        });
    }
    ASSERT_TRUE(pool.waitForDone(10'000));
    for (const auto& v : vistos) {
        for (size_t i = 0; i < v.size(); ++i) ASSERT_EQ(v[i], 1) << i;
    }
}
