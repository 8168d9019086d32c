#include "highlightblend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/rounding.h"

namespace {

// 0.77 of the radius squared: inside it the ring is a faint, even tint.
constexpr double kInnerDiscSquared = 0.5929;
constexpr float kInnerDiscStrength = 0.16f;
// The ring peaks at this fraction of the radius and falls to nothing 1/8
// to either side.
constexpr double kRingPeak = 0.875;
constexpr double kRingSlope = 8.0;
constexpr std::uint32_t kWhitePixel = 0xFFFFFFFFu;

constexpr THighlightKindLook kOptionsLook{clBlue, 0.25f, 0.5f, 1.0f};
constexpr THighlightKindLook kSettingsLook{clYellow, 0.5f, 0.75f, 1.0f};
constexpr THighlightKindLook kCalibrationLook{clRed, 0.5f, 0.75f, 1.0f};

int BlendChannel(int base, float m, int colour, float a) {
  const long long v = RoundHalfEven(double(base) * double(m) + double(colour) * double(a));
  return int(std::clamp(v, 0LL, 255LL));
}

}  // namespace

THighlightKindLook KindLook(THighlightType kind) {
  switch (kind) {
    case htOptions:
      return kOptionsLook;
    case htCalibration:
      return kCalibrationLook;
    case htSettings:
      break;
  }
  return kSettingsLook;
}

// Each named quantity is a 32-bit float, rounded as it is formed; the
// arithmetic between them runs in double precision.
void BlendEllipse(QImage& image, TColor colour, float alpha, TBlendVariant variant) {
  const int w = image.width(), h = image.height();
  if (w < 2 || h < 2) return;
  const int cb = BlueOf(colour), cg = GreenOf(colour), cr = RedOf(colour);
  const float sx = float(2.0 / double(w - 1));
  const float sy = float(2.0 / double(h - 1));
  for (int r = 0; r < h; ++r) {
    const float y = float(double(r) * double(sy) - 1.0);
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(r));
    for (int c = 0; c < w; ++c) {
      const float x = float(double(c) * double(sx) - 1.0);
      const float d = float(double(x) * double(x) + double(y) * double(y));
      if (d >= 1.0f) continue;
      std::uint32_t px = row[c];
      float hv;
      if (double(d) < kInnerDiscSquared) {
        hv = kInnerDiscStrength;
      } else {
        const float root = std::sqrt(d);
        hv = float(1.0 - kRingSlope * std::fabs(double(root) - kRingPeak));
        if (variant == TBlendVariant::Bright) {
          hv = float(2.0 * double(hv));
          if (hv > 1.0f) {
            px = kWhitePixel;
            hv = float(2.0 - double(hv));
          }
        }
      }
      const float a = float(double(hv) * double(alpha));
      const float m = float(1.0 - double(a));
      const int b = BlendChannel(int(px & 0xFF), m, cb, a);
      const int g = BlendChannel(int((px >> 8) & 0xFF), m, cg, a);
      const int rr = BlendChannel(int((px >> 16) & 0xFF), m, cr, a);
      row[c] = (px & 0xFF000000u) | (std::uint32_t(rr) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
    }
  }
}
