#pragma once
// What the fuzz targets share: failing loudly on a broken rule, so the fuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#define EXIGIR(condicion)                                                                         \
    do {                                                                                          \
        if (!(condicion)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condicion); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
