#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <cstdint>
#include <string>

#include "ui/toolkit/ToolkitTypes.h"

class QPainter;
class QPixmap;

namespace quillon::skin {

// Colours of the drawn look besides the three named ones in ToolkitTypes.h.
inline constexpr std::uint32_t kAccent = 0xFF2F8CEB;
inline constexpr std::uint32_t kAccentPressed = 0xFF1F6FC0;
inline constexpr std::uint32_t kBorder = 0xFF34495E;
inline constexpr std::uint32_t kField = 0xFF142029;
inline constexpr std::uint32_t kHover = 0xFF2A3D4F;
inline constexpr std::uint32_t kMuted = 0xFF6F879D;
inline constexpr std::uint32_t kPopup = 0xFF1B2732;
inline constexpr std::uint32_t kFocus = 0xFF8CC8FF;  // the keyboard focus ring

QColor Color(std::uint32_t argb);

// The font of a family at a pixel size. A family the system lacks falls back to its base family
// with the weight its name gives ("Open Sans Semibold" -> "Open Sans", demi-bold), then to the
// default sans-serif family.
QFont Font(const std::string& family, int pixelSize);

// Draws text in a rectangle, wrapping at word boundaries when it does not fit on one line.
void DrawText(QPainter& painter, const QRect& rect, const std::string& text,
              const TextStyle& style);
// The largest pixel size, from style.fontSize down to minimum, at which text fits the width.
int FittingFontSize(const std::string& text, const TextStyle& style, int width, int minimum);

// A skin image by its name, or null when the file is missing or unreadable. GUI thread only.
const QPixmap* Image(const std::string& name);
// Draws state `state` of an image made of `states` equal parts side by side; false when the
// image is missing, so the caller draws its own look instead.
bool DrawImage(QPainter& painter, const std::string& name, int states, int state,
               const QRect& target);
// Draws an image stretched into target keeping `margin` pixels of each edge unscaled.
bool DrawFramedImage(QPainter& painter, const std::string& name, int margin, const QRect& target);

void FillRounded(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& border,
                 qreal radius);

// Simple symbols the drawn look uses where a skin image is missing.
enum class Glyph {
    None,
    Close,
    Minimize,
    Reset,
    Plus,
    Minus,
    Up,
    Down,
    Help,
    More,
    Record,
    Stop,
    Home,
    Keys,
    Gauge,
    List,
    Gear
};
// The symbol that stands in for an image, chosen by the image's file name.
Glyph GlyphForImage(const std::string& imageName);
void DrawGlyph(QPainter& painter, const QRectF& rect, Glyph glyph, const QColor& color);

}  // namespace quillon::skin
