#include "ui/pages/HomeArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

constexpr std::uint32_t kLine = 0xFF1E2B37;
constexpr std::uint32_t kBar = 0xFF0C131A;

QColor WithAlpha(std::uint32_t argb, int alpha) {
    QColor color = skin::Color(argb);
    color.setAlpha(alpha);
    return color;
}

// Points of the mouse body, in fractions of its bounding box.
class BodyGrid {
  public:
    explicit BodyGrid(const QRectF& box) : box_(box) {}
    QPointF operator()(double u, double v) const {
        return {box_.left() + u * box_.width(), box_.top() + v * box_.height()};
    }
    double Width() const { return box_.width(); }
    double Height() const { return box_.height(); }

  private:
    QRectF box_;
};

QPainterPath BodyOutline(const BodyGrid& at) {
    QPainterPath path;
    path.moveTo(at(0.5, 0.0));
    path.cubicTo(at(0.78, 0.0), at(0.96, 0.10), at(0.98, 0.32));
    path.cubicTo(at(1.0, 0.50), at(1.03, 0.70), at(0.94, 0.87));
    path.cubicTo(at(0.86, 0.99), at(0.66, 1.0), at(0.5, 1.0));
    path.cubicTo(at(0.34, 1.0), at(0.14, 0.99), at(0.06, 0.87));
    path.cubicTo(at(-0.03, 0.70), at(0.0, 0.50), at(0.02, 0.32));
    path.cubicTo(at(0.04, 0.10), at(0.22, 0.0), at(0.5, 0.0));
    return path;
}

// A line with a soft halo, for the light strips.
void GlowLine(QPainter& painter, const QPainterPath& path, const QColor& color, qreal width,
              bool glow) {
    if (glow) {
        for (int i = 3; i >= 1; --i) {
            QColor halo = color;
            halo.setAlpha(28);
            painter.setPen(QPen(halo, width + 3.5 * i, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(path);
        }
    }
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
}

void DrawWheel(QPainter& painter, const BodyGrid& at, bool lit) {
    QPointF top = at(0.5, 0.105);
    double width = at.Width() * 0.105;
    double height = at.Height() * 0.165;
    QRectF slot(top.x() - width / 2, top.y(), width, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0B, 0x11, 0x17));
    painter.drawRoundedRect(slot, width / 2, width / 2);
    QRectF wheel = slot.adjusted(width * 0.2, height * 0.08, -width * 0.2, -height * 0.08);
    QLinearGradient metal(wheel.topLeft(), wheel.topRight());
    metal.setColorAt(0, QColor(0x1C, 0x28, 0x33));
    metal.setColorAt(0.5, lit ? QColor(0x4A, 0x5F, 0x73) : QColor(0x2C, 0x3A, 0x47));
    metal.setColorAt(1, QColor(0x1C, 0x28, 0x33));
    painter.setBrush(metal);
    painter.drawRoundedRect(wheel, wheel.width() / 2, wheel.width() / 2);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    for (double y = wheel.top() + 4; y < wheel.bottom() - 3; y += 4) {
        painter.drawLine(QPointF(wheel.left() + 1.5, y), QPointF(wheel.right() - 1.5, y));
    }
    if (lit) {
        painter.setPen(QPen(WithAlpha(skin::kAccent, 150), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(slot.adjusted(0.6, 0.6, -0.6, -0.6), width / 2, width / 2);
    }
}

void DrawDpiButton(QPainter& painter, const BodyGrid& at, bool lit) {
    QPointF centre = at(0.5, 0.325);
    double width = at.Width() * 0.075;
    double height = at.Height() * 0.05;
    QRectF button(centre.x() - width / 2, centre.y() - height / 2, width, height);
    painter.setPen(QPen(QColor(0x0B, 0x11, 0x17), 1.2));
    painter.setBrush(lit ? QColor(0x26, 0x36, 0x45) : QColor(0x1A, 0x25, 0x2F));
    painter.drawRoundedRect(button, 3, 3);
    // Three stage lights beside it.
    for (int i = 0; i < 3; ++i) {
        QPointF dot = at(0.585, 0.305 + 0.02 * i);
        QColor color =
            lit ? skin::Color(i == 1 ? 0xFF4CC38A : skin::kAccent) : QColor(0x2A, 0x3A, 0x4A);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(dot, 1.8, 1.8);
    }
}

void DrawSplits(QPainter& painter, const BodyGrid& at) {
    QPainterPath middle;
    middle.moveTo(at(0.5, 0.012));
    middle.lineTo(at(0.5, 0.105));
    middle.moveTo(at(0.5, 0.27));
    middle.lineTo(at(0.5, 0.30));
    QPainterPath across;
    across.moveTo(at(0.025, 0.37));
    across.quadTo(at(0.5, 0.47), at(0.975, 0.37));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x08, 0x0D, 0x12), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(middle);
    painter.drawPath(across);
    painter.setPen(QPen(QColor(255, 255, 255, 16), 1));
    painter.drawPath(across.translated(0, 1.6));
}

void DrawStripsAndMark(QPainter& painter, const BodyGrid& at, bool lit) {
    QColor strip = lit ? skin::Color(skin::kAccent) : QColor(0x2A, 0x3A, 0x4A);
    QPainterPath left;
    left.moveTo(at(0.075, 0.50));
    left.cubicTo(at(0.05, 0.64), at(0.075, 0.78), at(0.17, 0.885));
    QPainterPath right;
    right.moveTo(at(0.925, 0.50));
    right.cubicTo(at(0.95, 0.64), at(0.925, 0.78), at(0.83, 0.885));
    painter.setBrush(Qt::NoBrush);
    GlowLine(painter, left, strip, 2.6, lit);
    GlowLine(painter, right, strip, 2.6, lit);

    // The maker's mark: a ring with a tail.
    QPointF centre = at(0.5, 0.70);
    double radius = at.Width() * 0.085;
    QPainterPath mark;
    mark.addEllipse(centre, radius, radius);
    mark.moveTo(centre + QPointF(radius * 0.45, radius * 0.45));
    mark.lineTo(centre + QPointF(radius * 1.05, radius * 1.05));
    GlowLine(painter, mark, lit ? strip : QColor(0x33, 0x45, 0x57), 2.4, lit);
}

}  // namespace

void FrameBackdrop::Paint(QPainter& painter, const ViewState& state) {
    QRect all(0, 0, state.width, state.height);
    if (skin::DrawImage(painter, GetImage(), 1, 0, all)) {
        return;
    }
    QLinearGradient base(0, 0, 0, state.height);
    base.setColorAt(0, QColor(0x13, 0x1D, 0x27));
    base.setColorAt(0.16, QColor(0x0F, 0x17, 0x20));
    base.setColorAt(1, QColor(0x0A, 0x10, 0x16));
    painter.fillRect(all, base);
    QRadialGradient light(state.width / 2.0, state.height * 0.54, state.width * 0.42);
    light.setColorAt(0, WithAlpha(skin::kAccent, 30));
    light.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(all, light);

    // Header line under the tabs and the status bar under the page areas.
    painter.fillRect(QRect(20, 106, state.width - 40, 1), skin::Color(kLine));
    painter.fillRect(QRect(0, state.height - 50, state.width, 50), WithAlpha(kBar, 200));
    painter.fillRect(QRect(0, state.height - 50, state.width, 1), skin::Color(kLine));

    // The product mark and name, level with the window buttons.
    painter.setRenderHint(QPainter::Antialiasing);
    QPointF ring(31, 20);
    painter.setPen(QPen(skin::Color(skin::kAccent), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ring, 6.5, 6.5);
    painter.drawLine(ring + QPointF(3.2, 3.2), ring + QPointF(7.5, 7.5));
    TextStyle name;
    name.fontSize = 13;
    name.color = kColorText;
    QFont font = skin::Font(name.fontName, name.fontSize);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    painter.setFont(font);
    painter.setPen(skin::Color(kColorText));
    QRect nameBox(46, 8, 140, 24);
    painter.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QUILLON"));
    int used = QFontMetrics(font).horizontalAdvance(QStringLiteral("QUILLON "));
    painter.setPen(skin::Color(skin::kMuted));
    painter.drawText(nameBox.adjusted(used, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("MOUSE"));

    painter.setPen(QPen(skin::Color(0xFF26384A), 1));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}

void DevicePicture::PictureSize(int& width, int& height) const {
    GetImageSize(width, height);
    if (width <= 0 || height <= 0) {
        width = kDrawnWidth;
        height = kDrawnHeight;
    }
}

void DevicePicture::SetLit(bool lit) {
    if (lit_.exchange(lit) != lit) {
        UpdateControl();
    }
}

void DevicePicture::Paint(QPainter& painter, const ViewState& state) {
    QRectF all(0, 0, state.width, state.height);
    if (skin::DrawImage(painter, GetImage(), 1, 0, all.toRect())) {
        return;
    }
    const bool lit = lit_;
    painter.setRenderHint(QPainter::Antialiasing);
    double bodyWidth = state.width * 0.56;
    double bodyHeight = state.height * 0.80;
    QRectF box((state.width - bodyWidth) / 2, state.height * 0.05, bodyWidth, bodyHeight);
    BodyGrid at(box);

    // A soft shadow on the desk under the mouse.
    painter.save();
    painter.translate(at(0.5, 1.01));
    painter.scale(1, 0.2);
    double reach = bodyWidth * 0.62;
    QRadialGradient shadow(QPointF(0, 0), reach);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(0, 0), reach, reach);
    painter.restore();
    if (lit) {
        QRadialGradient glow(at(0.5, 0.55), bodyWidth * 0.95);
        glow.setColorAt(0, WithAlpha(skin::kAccent, 70));
        glow.setColorAt(0.6, WithAlpha(skin::kAccent, 18));
        glow.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(all, glow);
    }

    QPainterPath body = BodyOutline(at);
    QLinearGradient shell(box.topLeft(), box.bottomLeft());
    shell.setColorAt(0, lit ? QColor(0x2D, 0x3E, 0x4F) : QColor(0x1B, 0x26, 0x31));
    shell.setColorAt(1, lit ? QColor(0x14, 0x1D, 0x26) : QColor(0x10, 0x17, 0x1E));
    painter.setPen(QPen(lit ? QColor(0x43, 0x5E, 0x78) : QColor(0x2A, 0x3A, 0x4A), 1.5));
    painter.setBrush(shell);
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    QRadialGradient sheen(at(0.32, 0.2), bodyWidth * 0.55);
    sheen.setColorAt(0, QColor(255, 255, 255, lit ? 26 : 10));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(box, sheen);
    painter.restore();

    DrawSplits(painter, at);
    DrawWheel(painter, at, lit);
    DrawDpiButton(painter, at, lit);
    DrawStripsAndMark(painter, at, lit);
}

void PromptPanel::Paint(QPainter& painter, const ViewState& state) {
    QRect all(0, 0, state.width, state.height);
    if (skin::DrawImage(painter, GetImage(), 1, 0, all)) {
        return;
    }
    QRectF card = QRectF(all).adjusted(0.5, 0.5, -0.5, -0.5);
    skin::FillRounded(painter, card, WithAlpha(0xFF16212B, 235), WithAlpha(skin::kAccent, 140), 12);
}

}  // namespace quillon
