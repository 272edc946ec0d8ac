// Runs the tests in the locale of the environment (LC_ALL), as a Qt program does at start-up, so
// that a number written with the system's decimal comma shows up as a failure.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
