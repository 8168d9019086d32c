#pragma once
// Types shared by the components of the unit.
#include <cstdint>

enum THighlightType : std::uint8_t { htOptions = 0, htSettings = 1, htCalibration = 2 };
enum TJumperState : std::uint8_t { jsOpen = 0, jsLeft = 1, jsRight = 2 };
enum TOrientationType : std::uint8_t { otUp = 0, otDown = 1, otLeft = 2, otRight = 3 };

// The toolkit's border and bevel styles, as the drawings and panels store them.
enum TBorderStyle : std::uint8_t { bsNone = 0, bsSingle = 1 };
enum TBevelCut : std::uint8_t { bvNone = 0, bvLowered = 1, bvRaised = 2, bvSpace = 3 };
