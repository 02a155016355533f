#pragma once

// What `quorvane --help` says; the manual page quorvane(1) is made from the
// same page (dist/ManPage).

#include "cli/Help.h"

namespace qv {

inline cli::HelpPage EditorHelpPage() {
  return {"quorvane", "[FILE]\n--help | --version",
          "Opens FILE, a JPEG, PNG, HEIC, WebP, TIFF, AVIF or BMP picture, in the\n"
          "Quorvane photo-effects editor; without FILE, the sample picture. Quorvane\n"
          "runs once per user: started again, it hands FILE to the window already open,\n"
          "which opens it and comes to the front.\n"
          "\n"
          "options:\n"
          "  -h, --help     print this help and exit\n"
          "  -v, --version  print the version and exit\n"};
}

}  // namespace qv
