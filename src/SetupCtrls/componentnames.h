#pragma once
// The names by which the components of the unit find each other: class names
// (compared ignoring case) and the properties they read of one another.
#include <string_view>

constexpr std::string_view kRadioPanelClass = "TRadioPanel";
constexpr std::string_view kTwoJumperClass = "TTwoJumper";
constexpr std::string_view kBoardImageClass = "TBoardImage";
constexpr std::string_view kBoardHighlightClass = "TBoardHighlight";
constexpr std::string_view kMenuItemClass = "TMenuItem";

constexpr const char* kColorProperty = "Color";
constexpr const char* kRadioEnabledProperty = "RadioEnabled";
constexpr const char* kClosedProperty = "Closed";
constexpr const char* kSelectJumperMethod = "SelectJumper";
