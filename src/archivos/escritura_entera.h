#pragma once
// Files written whole or not at all: the study, the recovery copy, the pictures, "grafico.gif"
// and the GIS files. Each goes into a temporary file beside its place, reaches the disk there and
// is checked (every write, the flush, the close) before it takes its name, so a full disk, a
// read-only folder or a kill mid-write leaves the old file whole; a failure is never told as
// success.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace abat {

// Writes `bytes` into `ruta`, unbuffered. A file that cannot be written raises
// ErrorCalculo::de_acceso(ruta) with the system's cause ("No queda espacio en el dispositivo").
void escribir_entero(const std::string& ruta, std::string_view bytes);

// For a writer that makes its file by path (GDAL): `escribir` writes a temporary path beside
// `ruta` (same folder and extension) and gives true when it succeeded. The file, and each file
// beside it with one of the `acompanantes` extensions ("prj"), then reach the disk and are renamed
// to `ruta`'s name; a companion that was not written is removed from beside `ruta`, so no old one
// stays. When anything fails every temporary file goes and ErrorCalculo::de_acceso(ruta) is
// raised, with the cause the system gave or, where it was lost, the one the path tells.
void escribir_entero(const std::string& ruta,
                     const std::function<bool(const std::string& temporal)>& escribir,
                     const std::vector<std::string>& acompanantes = {});

// A writer of its own that sees the system's error number of each of its failures (GDAL's error
// handler) notes it here: the first one noted during a write of the function above is its cause,
// as what the writer does after its first failure (a rollback, a look for a journal) changes the
// number it leaves.
void anotar_causa(int numero);

}  // namespace abat
