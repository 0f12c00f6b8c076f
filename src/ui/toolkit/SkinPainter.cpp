#include "ui/toolkit/SkinPainter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

#include "ui/toolkit/Manager.h"
#include "ui/toolkit/ToolkitTypes.h"

namespace quillon::skin {
namespace {

struct ResolvedFamily {
    QString family;
    QFont::Weight weight = QFont::Normal;
};

const ResolvedFamily& Resolve(const std::string& name) {
    static std::map<std::string, ResolvedFamily> cache;
    auto found = cache.find(name);
    if (found != cache.end()) {
        return found->second;
    }
    static const std::pair<const char*, QFont::Weight> kWeights[] = {{" Semibold", QFont::DemiBold},
                                                                     {" SemiBold", QFont::DemiBold},
                                                                     {" Bold", QFont::Bold},
                                                                     {" Light", QFont::Light}};
    ResolvedFamily resolved;
    QString full = QString::fromStdString(name);
    QString base = full;
    for (const auto& [suffix, weight] : kWeights) {
        if (full.endsWith(QLatin1String(suffix))) {
            base = full.left(full.size() -
                             static_cast<qsizetype>(std::char_traits<char>::length(suffix)));
            resolved.weight = weight;
            break;
        }
    }
    if (!full.isEmpty() && QFontDatabase::hasFamily(full)) {
        resolved.family = full;
    } else if (!base.isEmpty() && QFontDatabase::hasFamily(base)) {
        resolved.family = base;
    } else {
        resolved.family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    return cache.emplace(name, resolved).first->second;
}

Qt::Alignment QtAlignment(int align, int valign) {
    Qt::Alignment result = Qt::AlignLeft;
    if (align & kAlignCenter) {
        result = Qt::AlignHCenter;
    } else if (align & kAlignRight) {
        result = Qt::AlignRight;
    }
    if (valign & kVAlignCenter) {
        result |= Qt::AlignVCenter;
    } else if (valign & kVAlignBottom) {
        result |= Qt::AlignBottom;
    } else {
        result |= Qt::AlignTop;
    }
    return result;
}

}  // namespace

QColor Color(std::uint32_t argb) {
    return QColor(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                  static_cast<int>(argb & 0xFF), static_cast<int>(argb >> 24));
}

QFont Font(const std::string& family, int pixelSize) {
    const ResolvedFamily& resolved = Resolve(family.empty() ? Manager::FontName() : family);
    QFont font(resolved.family);
    font.setPixelSize(pixelSize > 0 ? pixelSize : 14);
    font.setWeight(resolved.weight);
    return font;
}

void DrawText(QPainter& painter, const QRect& rect, const std::string& text,
              const TextStyle& style) {
    if (text.empty() || rect.isEmpty()) {
        return;
    }
    QFont font = Font(style.fontName, style.fontSize);
    painter.setFont(font);
    painter.setPen(Color(style.color));
    QString qtext = QString::fromStdString(text);
    QFontMetrics metrics(font);
    Qt::Alignment alignment = QtAlignment(style.align, style.valign);
    bool multiLine = qtext.contains(QLatin1Char('\n'));
    if (!multiLine && metrics.horizontalAdvance(qtext) <= rect.width()) {
        painter.drawText(rect, static_cast<int>(alignment), qtext);
    } else if (rect.height() >= 2 * metrics.lineSpacing()) {
        painter.drawText(rect, static_cast<int>(alignment) | Qt::TextWordWrap, qtext);
    } else {
        painter.drawText(rect, static_cast<int>(alignment),
                         metrics.elidedText(qtext.section(QLatin1Char('\n'), 0, 0), Qt::ElideRight,
                                            rect.width()));
    }
}

int FittingFontSize(const std::string& text, const TextStyle& style, int width, int minimum) {
    QString qtext = QString::fromStdString(text);
    int size = style.fontSize;
    while (size > minimum &&
           QFontMetrics(Font(style.fontName, size)).horizontalAdvance(qtext) > width) {
        --size;
    }
    return size;
}

const QPixmap* Image(const std::string& name) {
    if (name.empty()) {
        return nullptr;
    }
    static std::unordered_map<std::string, std::unique_ptr<QPixmap>> cache;
    auto found = cache.find(name);
    if (found == cache.end()) {
        auto pixmap = std::make_unique<QPixmap>();
        std::string path = Manager::ImagePath(name);
        if (path.empty() || !pixmap->load(QString::fromStdString(path))) {
            pixmap.reset();
        }
        found = cache.emplace(name, std::move(pixmap)).first;
    }
    return found->second.get();
}

bool DrawImage(QPainter& painter, const std::string& name, int states, int state,
               const QRect& target) {
    const QPixmap* pixmap = Image(name);
    if (pixmap == nullptr) {
        return false;
    }
    states = states < 1 ? 1 : states;
    state = (state < 0 || state >= states) ? 0 : state;
    int partWidth = pixmap->width() / states;
    painter.drawPixmap(target, *pixmap, QRect(partWidth * state, 0, partWidth, pixmap->height()));
    return true;
}

bool DrawFramedImage(QPainter& painter, const std::string& name, int margin, const QRect& target) {
    const QPixmap* pixmap = Image(name);
    if (pixmap == nullptr) {
        return false;
    }
    int m = std::min({margin, pixmap->width() / 2, pixmap->height() / 2, target.width() / 2,
                      target.height() / 2});
    if (m <= 0) {
        painter.drawPixmap(target, *pixmap);
        return true;
    }
    int sw = pixmap->width();
    int sh = pixmap->height();
    int xs[] = {0, m, sw - m, sw};
    int ys[] = {0, m, sh - m, sh};
    int xt[] = {target.left(), target.left() + m, target.right() + 1 - m, target.right() + 1};
    int yt[] = {target.top(), target.top() + m, target.bottom() + 1 - m, target.bottom() + 1};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            painter.drawPixmap(
                QRect(xt[col], yt[row], xt[col + 1] - xt[col], yt[row + 1] - yt[row]), *pixmap,
                QRect(xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row]));
        }
    }
    return true;
}

void FillRounded(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& border,
                 qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(border.alpha() == 0 ? QPen(Qt::NoPen) : QPen(border, 1));
    painter.setBrush(fill);
    QRectF inner = border.alpha() == 0 ? rect : rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawRoundedRect(inner, radius, radius);
    painter.restore();
}

Glyph GlyphForImage(const std::string& imageName) {
    static const std::pair<const char*, Glyph> kGlyphs[] = {
        {"tab_home", Glyph::Home},  {"tab_key", Glyph::Keys},  {"tab_dpi", Glyph::Gauge},
        {"tab_macro", Glyph::List}, {"tab_set", Glyph::Gear},  {"close", Glyph::Close},
        {"_min", Glyph::Minimize},  {"reset", Glyph::Reset},   {"addvalue", Glyph::Plus},
        {"subtract", Glyph::Minus}, {"_up", Glyph::Up},        {"_down", Glyph::Down},
        {"more", Glyph::More},      {"stop_rec", Glyph::Stop}, {"_rec", Glyph::Record},
        {"help", Glyph::Help}};
    for (const auto& [part, glyph] : kGlyphs) {
        if (imageName.find(part) != std::string::npos) {
            return glyph;
        }
    }
    return Glyph::None;
}

void DrawGlyph(QPainter& painter, const QRectF& rect, Glyph glyph, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    qreal side = std::min(rect.width(), rect.height());
    QRectF box(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    QRectF inner = box.adjusted(side * 0.28, side * 0.28, -side * 0.28, -side * 0.28);
    QPen pen(color, std::max<qreal>(1.5, side / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (glyph) {
        case Glyph::Close:
            painter.drawLine(inner.topLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomLeft());
            break;
        case Glyph::Minimize:
            painter.drawLine(QPointF(inner.left(), inner.center().y()),
                             QPointF(inner.right(), inner.center().y()));
            break;
        case Glyph::Plus:
            painter.drawLine(QPointF(inner.center().x(), inner.top()),
                             QPointF(inner.center().x(), inner.bottom()));
            [[fallthrough]];
        case Glyph::Minus:
            painter.drawLine(QPointF(inner.left(), inner.center().y()),
                             QPointF(inner.right(), inner.center().y()));
            break;
        case Glyph::Reset: {
            painter.drawArc(inner, 90 * 16, 300 * 16);
            QPointF tip(inner.center().x(), inner.top());
            painter.drawLine(tip, tip + QPointF(side * 0.12, -side * 0.08));
            painter.drawLine(tip, tip + QPointF(side * 0.12, side * 0.1));
            break;
        }
        case Glyph::Up:
        case Glyph::Down: {
            qreal y1 =
                glyph == Glyph::Up ? inner.bottom() - side * 0.08 : inner.top() + side * 0.08;
            qreal y2 =
                glyph == Glyph::Up ? inner.top() + side * 0.08 : inner.bottom() - side * 0.08;
            QPainterPath path;
            path.moveTo(inner.left(), y1);
            path.lineTo(inner.center().x(), y2);
            path.lineTo(inner.right(), y1);
            painter.drawPath(path);
            break;
        }
        case Glyph::Help: {
            painter.drawEllipse(box.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1));
            QFont font = painter.font();
            font.setPixelSize(std::max(8, static_cast<int>(side * 0.55)));
            font.setBold(true);
            painter.setFont(font);
            painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case Glyph::More:
            painter.setBrush(color);
            painter.setPen(Qt::NoPen);
            for (int i = -1; i <= 1; ++i) {
                painter.drawEllipse(QPointF(box.center().x() + i * side * 0.22, box.center().y()),
                                    side * 0.07, side * 0.07);
            }
            break;
        case Glyph::Record:
            painter.setBrush(QColor(0xE0, 0x4A, 0x4A));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(box.center(), side * 0.25, side * 0.25);
            break;
        case Glyph::Stop:
            painter.setBrush(QColor(0xE0, 0x4A, 0x4A));
            painter.setPen(Qt::NoPen);
            painter.drawRoundedRect(inner, side * 0.05, side * 0.05);
            break;
        case Glyph::Home: {
            QPainterPath house;
            house.moveTo(inner.left() - side * 0.05, inner.center().y());
            house.lineTo(inner.center().x(), inner.top() - side * 0.08);
            house.lineTo(inner.right() + side * 0.05, inner.center().y());
            house.moveTo(inner.left() + side * 0.06, inner.center().y() - side * 0.06);
            house.lineTo(inner.left() + side * 0.06, inner.bottom());
            house.lineTo(inner.right() - side * 0.06, inner.bottom());
            house.lineTo(inner.right() - side * 0.06, inner.center().y() - side * 0.06);
            painter.drawPath(house);
            break;
        }
        case Glyph::Keys: {
            QRectF body = box.adjusted(side * 0.3, side * 0.16, -side * 0.3, -side * 0.16);
            painter.drawRoundedRect(body, body.width() / 2, body.width() / 2);
            painter.drawLine(QPointF(body.center().x(), body.top()),
                             QPointF(body.center().x(), body.top() + body.height() * 0.4));
            break;
        }
        case Glyph::Gauge:
            painter.drawArc(inner.adjusted(-side * 0.06, 0, side * 0.06, side * 0.12), 0, 180 * 16);
            painter.drawLine(QPointF(inner.center().x(), inner.center().y() + side * 0.06),
                             QPointF(inner.right() - side * 0.08, inner.top() + side * 0.06));
            break;
        case Glyph::List:
            for (int i = 0; i < 3; ++i) {
                qreal y = inner.top() + inner.height() * i / 2.0;
                painter.drawLine(QPointF(inner.left() + side * 0.1, y), QPointF(inner.right(), y));
                painter.drawPoint(QPointF(inner.left() - side * 0.02, y));
            }
            break;
        case Glyph::Gear: {
            QPointF centre = box.center();
            for (int i = 0; i < 8; ++i) {
                qreal angle = i * 3.14159265 / 4;
                painter.drawLine(centre + QPointF(std::cos(angle), std::sin(angle)) * side * 0.2,
                                 centre + QPointF(std::cos(angle), std::sin(angle)) * side * 0.3);
            }
            painter.drawEllipse(centre, side * 0.2, side * 0.2);
            painter.drawEllipse(centre, side * 0.07, side * 0.07);
            break;
        }
        case Glyph::None:
            break;
    }
    painter.restore();
}

}  // namespace quillon::skin
