#pragma once

#include <cstdint>
#include <string>

namespace quillon {

// A rectangle in window client coordinates: left/top inclusive, right/bottom exclusive.
struct MRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const MRect&) const = default;
};

// Event codes that controls send to MDialog::OnMessage.
inline constexpr int kEventClick = 2;        // click, selection, end of a slider drag
inline constexpr int kEventContextMenu = 9;  // a list's "more" button or right click
inline constexpr int kEventChanging = 26;    // text being typed, slider being dragged
inline constexpr int kEventEditDone = 29;    // editing finished: Enter or focus lost
inline constexpr int kEventFocusIn = 30;     // a text field got the keyboard focus

// Keys a focused control may act on (MControl::OnKey).
enum class Key { Enter, Space, Left, Right, Up, Down, Home, End };

// Results of a modal run.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Show commands of MWindow::ShowWindow and ShowModal.
inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShow = 5;
inline constexpr int kSwMinimize = 6;
inline constexpr int kSwRestore = 9;

// Window styles of MWindow::Create, bit flags that combine with '|'.
inline constexpr std::uint32_t kWsPopup = 0x80000000u;
inline constexpr std::uint32_t kWsVisible = 0x10000000u;
inline constexpr std::uint32_t kWsClipSiblings = 0x04000000u;
inline constexpr std::uint32_t kWsClipChildren = 0x02000000u;
inline constexpr std::uint32_t kWsExTopmost = 0x00000008u;
inline constexpr std::uint32_t kWsExToolWindow = 0x00000080u;

// Horizontal (SetAlignment) and vertical (SetVAlignment) text alignment flags.
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCenter = 1;
inline constexpr int kAlignRight = 2;
inline constexpr int kVAlignTop = 0;
inline constexpr int kVAlignCenter = 4;
inline constexpr int kVAlignBottom = 8;

// Colours of the dark skin, 0xAARRGGBB.
inline constexpr std::uint32_t kColorText = 0xFFB8D3EF;
inline constexpr std::uint32_t kColorCard = 0xE61F2C37;
inline constexpr std::uint32_t kColorPage = 0xE60F161E;
inline constexpr std::uint32_t kColorWhite = 0xFFFFFFFF;

// How a control draws its title.
struct TextStyle {
    std::string fontName;  // empty: the toolkit font (Manager::SetFontName)
    int fontSize = 14;     // pixels
    std::uint32_t color = kColorText;
    int align = kAlignLeft;
    int valign = kVAlignCenter;
};

}  // namespace quillon
