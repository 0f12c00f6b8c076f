#include "ui/toolkit/CImageButton.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CImageButton::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    int states = 4;
    std::uint32_t color = kColorText;
    {
        auto lock = Lock();
        image = image_;
        states = states_;
        color = textStyle_.color;
    }
    QRect all(0, 0, state.width, state.height);
    if (skin::DrawImage(painter, image, states, ImageState(state), all)) {
        return;
    }
    if (state.hover || state.pressed) {
        skin::FillRounded(painter, QRectF(all),
                          skin::Color(state.pressed ? skin::kBorder : skin::kHover),
                          Qt::transparent, std::min(state.width, state.height) / 2.0);
    }
    QColor ink = skin::Color(state.enabled ? color : skin::kMuted);
    skin::Glyph glyph = skin::GlyphForImage(image);
    skin::DrawGlyph(painter, QRectF(all), glyph == skin::Glyph::None ? skin::Glyph::More : glyph,
                    ink);
}

}  // namespace quillon
