#pragma once
// Files written whole or not at all.

#include <functional>
#include <string>
#include <vector>

namespace abat {

// Calls `escribir` with a temporary path beside `ruta` (same folder and extension) and, when it
// returns true, renames the file to `ruta`, and each file beside it with one of the `acompanantes`
// extensions ("prj") to `ruta`'s name with that extension; one that was not written is removed
// from beside `ruta`, so no old one stays. When `escribir` fails, or a rename does, every temporary
// file is removed and ErrorCalculo::de_acceso(ruta) raised, with the cause the path tells.
void escribir_completo(const std::string& ruta,
                       const std::function<bool(const std::string& temporal)>& escribir,
                       const std::vector<std::string>& acompanantes = {});

}  // namespace abat
