# What the pixel engine needs of the compiler, the processor and the JPEG
# library, checked once at configure time with a message that says what is
# missing, rather than with a wrong picture later.
include(CheckCXXSourceCompiles)
include(CheckCSourceCompiles)

# The luminance, grey-scale, posterize, sine and polar arithmetic is exact
# to the byte only in the x87's 80-bit extended format (a 64-bit mantissa).
# Compilers whose long double is a 64-bit double or a 128-bit quad (ARM,
# POWER, s390x) round some near-half values the other way.
check_cxx_source_compiles("
  #include <limits>
  static_assert(std::numeric_limits<long double>::digits == 64);
  int main() { return 0; }" QV_HAVE_X87_LONG_DOUBLE)
if(NOT QV_HAVE_X87_LONG_DOUBLE)
  message(FATAL_ERROR
    "Quorvane's pixel arithmetic needs an 80-bit extended long double (64-bit mantissa), "
    "as x86 compilers provide; ${CMAKE_SYSTEM_PROCESSOR} with ${CMAKE_CXX_COMPILER_ID} has none.")
endif()

# The AVX2 and AVX-512 rows exist for x86 only; elsewhere the baseline rows
# are the whole story (see kernels/VectorRoute.h).
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86|x86)$")
  set(QV_X86 ON)
else()
  set(QV_X86 OFF)
  message(STATUS "Quorvane: no x86 vector routes on ${CMAKE_SYSTEM_PROCESSOR}; baseline rows only")
endif()

# Decoding straight into blue, green, red rows is libjpeg-turbo's extension.
set(CMAKE_REQUIRED_INCLUDES ${JPEG_INCLUDE_DIRS})
set(CMAKE_REQUIRED_LIBRARIES ${JPEG_LIBRARIES})
check_c_source_compiles("
  #include <stddef.h>
  #include <stdio.h>
  #include <jpeglib.h>
  int main(void) {
    struct jpeg_decompress_struct d;
    d.out_color_space = JCS_EXT_BGR;
    return (int)d.out_color_space == 0;
  }" QV_HAVE_JPEG_EXT_BGR)
unset(CMAKE_REQUIRED_INCLUDES)
unset(CMAKE_REQUIRED_LIBRARIES)
if(NOT QV_HAVE_JPEG_EXT_BGR)
  message(FATAL_ERROR
    "The JPEG library found (${JPEG_INCLUDE_DIRS}) is not libjpeg-turbo: it has no JCS_EXT_BGR. "
    "Install libjpeg-turbo's development files (Debian: libjpeg62-turbo-dev).")
endif()
