#pragma once
// The look of a highlight circle: the colour and strengths of each kind, and
// the blend that lays the soft ring over what lies beneath it.
#include <QImage>

#include "SetupCtrls/setupctrls.h"
#include "platform/tcolor.h"

struct THighlightKindLook {
  TColor Colour;
  float NormalAlpha;
  float LitAlpha;
  float HotAlpha;
};

THighlightKindLook KindLook(THighlightType kind);

enum class TBlendVariant { Plain, Bright };

// Blends the ellipse inscribed in the image (spanning the pixel centres from
// the first to the last column and row) into a Format_RGB32 image of at
// least 2 x 2 pixels, with `colour` (0x00BBGGRR) at strength `alpha`. The
// plain ring is a faint disc inside 0.77 of the radius and a ring peaking at
// 0.875; the bright one doubles the ring and turns white at its peak.
void BlendEllipse(QImage& image, TColor colour, float alpha, TBlendVariant variant);

// The three looks of a highlight over `beneath`: plain with the normal and
// the lit strength, bright with the hot one; the same pixels as three
// BlendEllipse calls, with the ring worked out once.
struct THighlightLooks {
  QImage Normal, Lit, Hot;
};
THighlightLooks BlendLooks(const QImage& beneath, const THighlightKindLook& look);
