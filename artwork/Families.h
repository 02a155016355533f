#pragma once

#include "artwork/Canvas.h"

namespace qv::art {

// Size of the light, gradient, colour and frame artwork. The kernels stretch
// every map to the picture, so 4:3 matches the common photo shape.
inline constexpr int kMapWidth = 800;
inline constexpr int kMapHeight = 600;

// Each family draws its artwork number n (1 to 10; colour maps 1 and 2).
Canvas DrawLightA(int n);
Canvas DrawLightB(int n);
Canvas DrawLightC(int n);
Canvas DrawStar(int n);
Canvas DrawAmazing(int n);
Canvas DrawWeather(int n);
Canvas DrawDreamA(int n);
Canvas DrawDreamB(int n);
Canvas DrawGradient(int n);
Canvas DrawTexture(int n);
Canvas DrawEdgeA(int n);
Canvas DrawEdgeB(int n);
Canvas DrawColorMap(int n);
Canvas DrawLinePattern(int n);
// The picture shown at start.
Canvas DrawSampleScene();

}  // namespace qv::art
