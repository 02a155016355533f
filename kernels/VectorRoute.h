#pragma once

// The row loops that matter most are compiled twice, for AVX2 and for the
// baseline instruction set, and pick one per call. Both give the same bytes;
// the tests switch the route off to check the baseline form as well. Other
// processors than x86 build the baseline alone (QV_X86_ROUTES is 0 there,
// and the build leaves out the intrinsics files).

#if defined(__x86_64__) || defined(__i386__)
#define QV_X86_ROUTES 1
#else
#define QV_X86_ROUTES 0
#endif

namespace qv {

// True where the processor has AVX2, until someone sets it false. Always
// false off x86.
bool &Avx2Route();

// True where the processor has AVX-512 with byte and word lanes (BW) and
// byte permutes (VBMI), until someone sets it false. The few rows written
// for it take it only where Avx2Route() is true as well, so switching AVX2
// off gives the baseline everywhere.
bool &Avx512Route();

}  // namespace qv

// Defines NAME(PARAMS) calling BODY_FN(ARGS) compiled for AVX2 or for the
// baseline, as Avx2Route() says.
#if QV_X86_ROUTES
#define QV_TWO_ROUTES(NAME, PARAMS, ARGS, BODY_FN)                \
  __attribute__((target("avx2"))) static void NAME##Avx2 PARAMS { \
    BODY_FN ARGS;                                                 \
  }                                                               \
  static void NAME##Baseline PARAMS {                             \
    BODY_FN ARGS;                                                 \
  }                                                               \
  void NAME PARAMS {                                              \
    if (::qv::Avx2Route())                                        \
      NAME##Avx2 ARGS;                                            \
    else                                                          \
      NAME##Baseline ARGS;                                        \
  }
#else
#define QV_TWO_ROUTES(NAME, PARAMS, ARGS, BODY_FN) \
  void NAME PARAMS {                               \
    BODY_FN ARGS;                                  \
  }
#endif
