#include "reports/high_contrast.h"

#include <array>
#include <cmath>
#include <limits>

namespace tombolix {

namespace {

struct Mapping {
  Rgb from;
  Rgb to;
};

// Hues from Paul Tol's colour-blind-safe qualitative schemes ("Colour Schemes",
// SRON technical note SRON/EPS/TN/09-002, https://personal.sron.nl/~pault/):
// red #CC3311 and blue #0077BB of "vibrant", blue #004488 of "high-contrast",
// green #117733 and purple #AA4499 of "muted". Red and green become orange-red
// and bluish green, which differ in lightness and hue for every kind of colour
// blindness; the light variants become distinct hues rather than pale ones.
// The greys are neutral (colour blindness does not touch them), only darkened
// to read on white.
constexpr std::array kMappings{
    Mapping{MakeRgb(255, 0, 0), MakeRgb(0xCC, 0x33, 0x11)},      // red: vibrant red
    Mapping{MakeRgb(255, 128, 128), MakeRgb(0xAA, 0x44, 0x99)},  // light red: muted purple
    Mapping{MakeRgb(0, 192, 0), MakeRgb(0x11, 0x77, 0x33)},      // green: muted green
    Mapping{MakeRgb(0, 0, 255), MakeRgb(0x00, 0x44, 0x88)},      // blue: high-contrast blue
    Mapping{MakeRgb(128, 128, 255), MakeRgb(0x00, 0x77, 0xBB)},  // light blue: vibrant blue
    Mapping{MakeRgb(128, 128, 128), MakeRgb(0x55, 0x55, 0x55)},  // grey
    Mapping{MakeRgb(224, 224, 224), MakeRgb(0x76, 0x76, 0x76)},  // light grey
    Mapping{kDefaultTextColour, kDefaultTextColour},            // dark grey already reads at 10:1
};

int DistanceSquared(Rgb a, Rgb b) {
  const int r = RedOf(a) - RedOf(b);
  const int g = GreenOf(a) - GreenOf(b);
  const int bl = BlueOf(a) - BlueOf(b);
  return r * r + g * g + bl * bl;
}

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) {
  return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

}  // namespace

Rgb HighContrastColour(Rgb colour) {
  if (colour == kWhite) return colour;
  const Mapping* nearest = &kMappings.front();
  int best = std::numeric_limits<int>::max();
  for (const Mapping& m : kMappings) {
    const int d = DistanceSquared(colour, m.from);
    if (d < best) {
      best = d;
      nearest = &m;
    }
  }
  return nearest->to;
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

}  // namespace tombolix
