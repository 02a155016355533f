#include "codecs/Codecs.h"
// Being written.
