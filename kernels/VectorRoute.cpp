#include "kernels/VectorRoute.h"

namespace qv {

#if QV_X86_ROUTES
bool &Avx2Route() {
  static bool on = __builtin_cpu_supports("avx2");
  return on;
}

bool &Avx512Route() {
  static bool on = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                   __builtin_cpu_supports("avx512vbmi");
  return on;
}
#else
bool &Avx2Route() {
  static bool on = false;
  return on;
}

bool &Avx512Route() {
  static bool on = false;
  return on;
}
#endif

}  // namespace qv
