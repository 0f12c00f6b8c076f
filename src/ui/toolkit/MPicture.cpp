#include "ui/toolkit/MPicture.h"

#include <QPainter>
#include <QPixmap>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void MPicture::GetImageSize(int& width, int& height) const {
    const QPixmap* pixmap = skin::Image(GetImage());
    width = pixmap != nullptr ? pixmap->width() : 0;
    height = pixmap != nullptr ? pixmap->height() : 0;
}

void MPicture::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    int states = 1;
    {
        auto lock = Lock();
        image = image_;
        states = states_;
    }
    skin::DrawImage(painter, image, states, 0, QRect(0, 0, state.width, state.height));
}

}  // namespace quillon
