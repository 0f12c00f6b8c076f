#include "ui/DpiIndicator.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace quillon {

DpiIndicator::DpiIndicator(int stage, int dpi)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      stage_(stage),
      dpi_(dpi) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowOpacity(kAlpha / 255.0);
    setFixedSize(kWidth, kHeight);
}

DpiIndicator* DpiIndicator::Show(std::intptr_t lParam, const MRect& workArea, GuiTimer& timer) {
    auto bits = static_cast<std::uint32_t>(lParam);
    auto* notice = new DpiIndicator(static_cast<int>(bits & 0xFFFF), static_cast<int>(bits >> 16));
    MRect place = PlaceIn(workArea);
    notice->move(place.left, place.top);
    // The stays-on-top hint is only a request: a desktop without top-most windows shows the
    // notice as a plain popup, and one that places windows itself may move it.
    notice->show();
    timer.After(std::chrono::milliseconds(kLifetimeMs), *notice, [notice] { notice->close(); });
    return notice;
}

MRect DpiIndicator::PlaceIn(const MRect& workArea) {
    int left = workArea.right - kWidth - kMargin;
    int top = workArea.bottom - kHeight - kMargin;
    return {left, top, left + kWidth, top + kHeight};
}

// Fixed texts: the notice reads the same whatever the interface language.
QString DpiIndicator::UpperLine() const {
    return QString::fromUtf8("DPI档位: %1").arg(stage_);
}

QString DpiIndicator::LowerLine() const {
    return QString::fromUtf8("当前DPI: %1").arg(dpi_);
}

void DpiIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    int mid = height() / 2;
    painter.drawText(QRect(0, 0, width(), mid), Qt::AlignCenter, UpperLine());
    painter.drawText(QRect(0, mid, width(), height() - mid), Qt::AlignCenter, LowerLine());
}

MRect PrimaryWorkArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

}  // namespace quillon
