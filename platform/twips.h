#pragma once
// Positions and sizes are kept in twips, as the window designs give them: 15 twips make one
// logical pixel.

#include <cmath>

namespace twips {

inline constexpr int kPerPixel = 15;

inline int toPixels(int t) { return static_cast<int>(std::nearbyint(t / double(kPerPixel))); }
inline int fromPixels(int px) { return px * kPerPixel; }

}  // namespace twips
