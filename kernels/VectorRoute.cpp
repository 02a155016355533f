#include "kernels/VectorRoute.h"

namespace qv {

bool &Avx2Route() {
  static bool on = __builtin_cpu_supports("avx2");
  return on;
}

}  // namespace qv
