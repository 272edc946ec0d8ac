// Runs the tests in the locale of the environment (LC_ALL), as a Qt program does at start-up, so
// that a number written or read with the system's decimal comma shows up as a failure. A run
// asked for a locale that cannot be set, or for a decimal comma the locale does not use, or one
// whose filter selects no test, fails: it would prove nothing.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (std::setlocale(LC_ALL, "") == nullptr) {
        std::fprintf(stderr, "the locale LC_ALL=%s cannot be set\n", std::getenv("LC_ALL"));
        return 1;
    }
    if (std::getenv("ABAT_EXPECT_COMMA") != nullptr &&
        std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        std::fprintf(stderr, "the locale's decimal point is '%s', not a comma\n",
                     std::localeconv()->decimal_point);
        return 1;
    }
    const int resultado = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no test selected\n");
        return 1;
    }
    return resultado;
}
