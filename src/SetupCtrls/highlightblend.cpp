#include "highlightblend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

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

// The ring's strength at one pixel before the look's alpha: for the plain
// and the bright variant, and whether the bright one starts from white.
struct TRingPoint {
  float Plain;
  float Bright;
  bool White;
  bool InDisc;
};

// Each named quantity is a 32-bit float, rounded as it is formed; the
// arithmetic between them runs in double precision. Columns and rows are
// mapped so that the pixel centres of the first and last one lie on the
// ellipse.
class TRingGeometry {
 public:
  TRingGeometry(int w, int h) : xs_(std::size_t(w)) {
    const float sx = float(2.0 / double(w - 1));
    sy_ = float(2.0 / double(h - 1));
    for (int c = 0; c < w; ++c) xs_[std::size_t(c)] = float(double(c) * double(sx) - 1.0);
  }

  float RowY(int r) const { return float(double(r) * double(sy_) - 1.0); }

  // False when the pixel lies on or outside the ellipse.
  bool At(int c, float y, TRingPoint& p) const {
    const float x = xs_[std::size_t(c)];
    const float d = float(double(x) * double(x) + double(y) * double(y));
    if (d >= 1.0f) return false;
    if (double(d) < kInnerDiscSquared) {
      p = {kInnerDiscStrength, kInnerDiscStrength, false, true};
      return true;
    }
    const float root = std::sqrt(d);
    const float h = float(1.0 - kRingSlope * std::fabs(double(root) - kRingPeak));
    float bright = float(2.0 * double(h));
    const bool white = bright > 1.0f;
    if (white) bright = float(2.0 - double(bright));
    p = {h, bright, white, false};
    return true;
  }

 private:
  std::vector<float> xs_;
  float sy_;
};

int BlendChannel(int base, float m, int colour, float a) {
  const long long v = RoundHalfEven(double(base) * double(m) + double(colour) * double(a));
  return int(std::clamp(v, 0LL, 255LL));
}

// Mixes `colour` into one pixel with strength h times alpha; the fourth
// byte stays.
std::uint32_t Mix(std::uint32_t px, TColor colour, float h, float alpha) {
  const float a = float(double(h) * double(alpha));
  const float m = float(1.0 - double(a));
  const int b = BlendChannel(int(px & 0xFF), m, BlueOf(colour), a);
  const int g = BlendChannel(int((px >> 8) & 0xFF), m, GreenOf(colour), a);
  const int r = BlendChannel(int((px >> 16) & 0xFF), m, RedOf(colour), a);
  return (px & 0xFF000000u) | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

std::uint32_t BlendPoint(std::uint32_t px, const TRingPoint& p, TColor colour, float alpha,
                         TBlendVariant variant) {
  if (variant == TBlendVariant::Plain) return Mix(px, colour, p.Plain, alpha);
  return Mix(p.White ? kWhitePixel : px, colour, p.Bright, alpha);
}

// The inner disc mixes every pixel with the same strength, so each channel's
// result depends on its base byte alone; those results are kept as they are
// first needed.
class TDiscMix {
 public:
  TDiscMix(TColor colour, float alpha, TBlendVariant variant)
      : colour_(colour), alpha_(alpha), variant_(variant) {
    std::fill(std::begin(known_), std::end(known_), false);
    p_ = {kInnerDiscStrength, kInnerDiscStrength, false, true};
  }

  std::uint32_t operator()(std::uint32_t px) {
    const std::uint32_t key = px & 0xFFFFFFu;
    // One byte per channel: blue, green, red.
    std::uint32_t out = px & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const std::uint32_t byte = (key >> shift) & 0xFF;
      const std::size_t slot = std::size_t(shift / 8) * 256 + byte;
      if (!known_[slot]) {
        const std::uint32_t mixed = BlendPoint(byte << shift, p_, colour_, alpha_, variant_);
        value_[slot] = std::uint8_t((mixed >> shift) & 0xFF);
        known_[slot] = true;
      }
      out |= std::uint32_t(value_[slot]) << shift;
    }
    return out;
  }

 private:
  TColor colour_;
  float alpha_;
  TBlendVariant variant_;
  TRingPoint p_;
  bool known_[3 * 256];
  std::uint8_t value_[3 * 256];
};

bool Blendable(const QImage& image) {
  return image.width() >= 2 && image.height() >= 2 && image.format() == QImage::Format_RGB32;
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

void BlendEllipse(QImage& image, TColor colour, float alpha, TBlendVariant variant) {
  if (!Blendable(image)) return;
  const TRingGeometry ring(image.width(), image.height());
  TDiscMix disc(colour, alpha, variant);
  TRingPoint p;
  for (int r = 0; r < image.height(); ++r) {
    const float y = ring.RowY(r);
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(r));
    for (int c = 0; c < image.width(); ++c) {
      if (!ring.At(c, y, p)) continue;
      row[c] = p.InDisc ? disc(row[c]) : BlendPoint(row[c], p, colour, alpha, variant);
    }
  }
}

THighlightLooks BlendLooks(const QImage& beneath, const THighlightKindLook& look) {
  THighlightLooks looks{beneath.copy(), beneath.copy(), beneath.copy()};
  if (!Blendable(beneath)) return looks;
  const TRingGeometry ring(beneath.width(), beneath.height());
  TDiscMix normalDisc(look.Colour, look.NormalAlpha, TBlendVariant::Plain);
  TDiscMix litDisc(look.Colour, look.LitAlpha, TBlendVariant::Plain);
  TDiscMix hotDisc(look.Colour, look.HotAlpha, TBlendVariant::Bright);
  TRingPoint p;
  for (int r = 0; r < beneath.height(); ++r) {
    const float y = ring.RowY(r);
    auto* normal = reinterpret_cast<std::uint32_t*>(looks.Normal.scanLine(r));
    auto* lit = reinterpret_cast<std::uint32_t*>(looks.Lit.scanLine(r));
    auto* hot = reinterpret_cast<std::uint32_t*>(looks.Hot.scanLine(r));
    for (int c = 0; c < beneath.width(); ++c) {
      if (!ring.At(c, y, p)) continue;
      const std::uint32_t px = normal[c];
      if (p.InDisc) {
        normal[c] = normalDisc(px);
        lit[c] = litDisc(px);
        hot[c] = hotDisc(px);
        continue;
      }
      normal[c] = BlendPoint(px, p, look.Colour, look.NormalAlpha, TBlendVariant::Plain);
      lit[c] = BlendPoint(px, p, look.Colour, look.LitAlpha, TBlendVariant::Plain);
      hot[c] = BlendPoint(px, p, look.Colour, look.HotAlpha, TBlendVariant::Bright);
    }
  }
  return looks;
}
