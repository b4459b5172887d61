// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/AppIcon.h"
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kt913 {

namespace {

// Drawn on a 256-unit grid and scaled; small sizes leave out what would only blur.
void drawIcon(QPainter &p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    // The tile.
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0, QColor(38, 122, 178));
    sky.setColorAt(1, QColor(18, 64, 112));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // Antenna, then the body over its foot.
    p.setBrush(QColor(24, 26, 32));
    p.drawRoundedRect(QRectF(82, 18, 22, 92), 10, 10);
    QLinearGradient body(64, 0, 192, 0);
    body.setColorAt(0, QColor(62, 68, 82));
    body.setColorAt(1, QColor(40, 44, 54));
    p.setBrush(body);
    p.setPen(QPen(QColor(16, 18, 24), size >= 32 ? 4 : 8));
    p.drawRoundedRect(QRectF(64, 82, 128, 156), 22, 22);
    p.setPen(Qt::NoPen);

    // Display: amber, with two lines of "digits" when there is room for them.
    p.setBrush(QColor(250, 190, 70));
    p.drawRoundedRect(QRectF(80, 100, 96, 52), 8, 8);
    if (size >= 32) {
        p.setBrush(QColor(90, 60, 10));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(90 + i * 20, 110, 14, 14));
        p.drawRect(QRectF(90, 132, 60, 8));
    }

    // Keypad.
    if (size >= 24) {
        p.setBrush(QColor(205, 210, 220));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRoundedRect(QRectF(84 + c * 32, 166 + r * 22, 24, 14), 4, 4);
    }

    // Transmit light.
    p.setBrush(QColor(230, 60, 50));
    p.drawEllipse(QRectF(150, 86, 12, 10));
}

} // namespace

QImage appIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawIcon(p, size);
    return image;
}

QIcon appIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            made.addPixmap(QPixmap::fromImage(appIconImage(size)));
        return made;
    }();
    return icon;
}

} // namespace kt913
