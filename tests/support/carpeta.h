#pragma once
// A folder of the test's own, removed with what it holds when the test ends: a fresh name each
// time, as a suite may run in two locales at once.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace abat::prueba {

struct Carpeta {
    const std::string ruta = mkdtemp((testing::TempDir() + "abat-XXXXXX").data());
    ~Carpeta() { std::filesystem::remove_all(ruta); }
    std::string operator/(const std::string& nombre) const { return ruta + "/" + nombre; }
    std::set<std::string> archivos() const {
        std::set<std::string> n;
        for (auto& e : std::filesystem::directory_iterator(ruta)) n.emplace(e.path().filename());
        return n;
    }
};

}  // namespace abat::prueba
