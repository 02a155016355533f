#pragma once

namespace qv {

// Marks the upper halves of the vector registers clean on the calling
// thread. Code built for AVX that returns without doing so (some in the
// libraries the windows use) leaves them dirty, and then every SSE
// instruction of the baseline build waits on them: a pass on the window's
// thread ran five times slower. Called where a pass or a codec starts; it
// costs a cycle, and nothing where the processor has no AVX.
void ClearUpperVectorState();

}  // namespace qv
