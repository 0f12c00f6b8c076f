#include "ui/toolkit/CGifPicture.h"

#include <QMovie>
#include <QPainter>

#include "ui/toolkit/Manager.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

constexpr int kDrawnFrames = 36;

}  // namespace

CGifPicture::~CGifPicture() {
    delete movie_;
}

void CGifPicture::SetRunState(int run, int firstFrame) {
    {
        auto lock = Lock();
        running_ = run != 0;
        frame_ = firstFrame;
    }
    Changed();
}

bool CGifPicture::IsRunning() const {
    auto lock = Lock();
    return running_;
}

void CGifPicture::OnTimer() {
    bool stepped = false;
    {
        auto lock = Lock();
        // The picture moves on every third tick: about every 30 ms at the usual 10 ms interval.
        if (running_ && ++ticks_ >= 3) {
            ticks_ = 0;
            ++frame_;
            stepped = true;
        }
    }
    if (stepped) {
        if (movie_ != nullptr && !movie_->jumpToNextFrame()) {
            movie_->jumpToFrame(0);
        }
        Changed();
    }
}

void CGifPicture::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    int frame = 0;
    {
        auto lock = Lock();
        image = image_;
        frame = frame_;
    }
    QRect all(0, 0, state.width, state.height);
    if (!movieTried_) {
        movieTried_ = true;
        std::string path = Manager::ImagePath(image);
        if (!path.empty()) {
            auto* movie = new QMovie(QString::fromStdString(path));
            if (movie->isValid()) {
                movie_ = movie;
                movie_->jumpToFrame(0);
            } else {
                delete movie;
            }
        }
    }
    if (movie_ != nullptr) {
        painter.drawPixmap(all, movie_->currentPixmap());
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    qreal side = std::min(state.width, state.height) * 0.5;
    QRectF ring(all.center().x() - side / 2 + 0.5, all.center().y() - side / 2 + 0.5, side, side);
    QPen track(skin::Color(skin::kBorder), std::max<qreal>(3, side / 9), Qt::SolidLine,
               Qt::RoundCap);
    painter.setPen(track);
    painter.drawEllipse(ring);
    QPen arc(skin::Color(skin::kAccent), track.widthF(), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(arc);
    int start = -(frame % kDrawnFrames) * (360 / kDrawnFrames) * 16;
    painter.drawArc(ring, start, 100 * 16);
}

}  // namespace quillon
