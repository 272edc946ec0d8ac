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

using namespace abat;

TEST(EnParalelo, EveryPlaceOnceInRangesOfTheMultiple) {
    struct Caso {
        size_t n, multiplo;
        unsigned hilos;
    };
    for (const Caso c : {Caso{1000, 64, 4}, {1, 64, 8}, {0, 64, 2}, {130, 1, 3}, {500, 64, 0}}) {
        std::vector<std::atomic<int>> vistos(c.n);
        en_paralelo(c.n, c.multiplo, c.hilos, [&](size_t desde, size_t hasta) {
            EXPECT_EQ(desde % c.multiplo, 0U);
            for (size_t i = desde; i < hasta; ++i) ++vistos[i];
        });
        for (size_t i = 0; i < c.n; ++i) ASSERT_EQ(vistos[i], 1) << c.n << " at " << i;
    }
}

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
