#pragma once
// Writes a picture as a GIF file (giflib), which Qt can read but not write.

#include <QImage>
#include <string>
#include <vector>

namespace abat {

// Reduces the picture to a palette of at most 256 colours: those of `exactos` that it holds first,
// so they come out unchanged, then the most frequent of the others; every pixel takes its nearest
// palette colour. Throws the path-access ErrorCalculo naming the file when it cannot be
// written.
void escribir_gif(const QImage& imagen, const std::string& archivo,
                  const std::vector<QRgb>& exactos = {});

}  // namespace abat
