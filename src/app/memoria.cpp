#include "app/memoria.h"

#include <malloc.h>

namespace abat {

void devolver_memoria_libre() {
    malloc_trim(0);
}

}  // namespace abat
