// quillon-make-emoji SKIN_FOLDER: draws the emoji picker's pictures into the skin folder, under
// the names the picker looks up. We own no emoji artwork, so each picture is the emoji's word on
// a rounded tile of a colour of its own, which keeps neighbours apart at a glance.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <string>

#include "input/EmojiTable.h"

namespace {

constexpr int kSize = 64;
constexpr int kPadding = 5;

// The word in one line, or in two halves when it has four characters or more.
QStringList Lines(const QString& word) {
    if (word.size() < 4) {
        return {word};
    }
    const auto half = (word.size() + 1) / 2;
    return {word.left(half), word.mid(half)};
}

QFont FittingFont(const QStringList& lines) {
    QFont font("WenQuanYi Micro Hei");
    font.setBold(true);
    const int room = kSize - 2 * kPadding;
    for (int pixels = 30; pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        QFontMetrics metrics(font);
        bool fits = metrics.height() * lines.size() <= room;
        for (const QString& line : lines) {
            fits = fits && metrics.horizontalAdvance(line) <= room;
        }
        if (fits) {
            break;
        }
    }
    return font;
}

QImage Draw(int number) {
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Golden-angle steps of hue: consecutive numbers never share a colour.
    const int hue = static_cast<int>(number * 137.508) % 360;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, kSize - 2, kSize - 2), 14, 14);
    painter.fillPath(tile, QColor::fromHsv(hue, 170, 150));
    painter.setPen(QPen(QColor::fromHsv(hue, 120, 230), 2));
    painter.drawPath(tile);

    const QStringList lines = Lines(QString::fromStdString(quillon::EmojiPickerName(number)));
    const QFont font = FittingFont(lines);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const int lineHeight = QFontMetrics(font).height();
    int top = (kSize - lineHeight * static_cast<int>(lines.size())) / 2;
    for (const QString& line : lines) {
        painter.drawText(QRect(0, top, kSize, lineHeight), Qt::AlignCenter, line);
        top += lineHeight;
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillon-make-emoji SKIN_FOLDER\n");
        return 64;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int number = 1; number <= quillon::kEmojiCount; ++number) {
        const QString path =
            folder + "/" + QString::fromStdString(quillon::EmojiPicturePath(number));
        QDir().mkpath(QFileInfo(path).path());
        if (!Draw(number).save(path)) {
            std::fprintf(stderr, "quillon-make-emoji: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
