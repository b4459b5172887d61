// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ToolbarIcons.h"
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kt913 {

namespace {

constexpr int kSize = 32;
const QColor kInk(40, 48, 64);
const QColor kPaper(250, 250, 245);
const QColor kBlue(52, 110, 200);
const QColor kGreen(40, 150, 80);
const QColor kRed(200, 60, 50);
const QColor kGold(225, 175, 40);

void drawPage(QPainter &p)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawLine(19, 3, 19, 9);
    p.drawLine(19, 9, 25, 9);
}

void drawFolder(QPainter &p)
{
    p.setBrush(kGold.darker(115));
    p.drawRect(3, 8, 24, 19);
    p.drawRect(3, 5, 10, 4);
    p.setBrush(kGold);
    QPolygonF front({QPointF(6, 13), QPointF(30, 13), QPointF(27, 27), QPointF(3, 27)});
    p.drawPolygon(front);
}

void drawDisk(QPainter &p)
{
    p.setBrush(kBlue);
    p.drawRoundedRect(4, 4, 24, 24, 2, 2);
    p.setBrush(kPaper);
    p.drawRect(9, 4, 14, 9);
    p.setBrush(kInk);
    p.drawRect(18, 6, 3, 5);
    p.setBrush(QColor(220, 225, 235));
    p.drawRect(8, 17, 16, 11);
}

// A handheld radio: body, antenna, display and keypad dots.
void drawRadio(QPainter &p, int x)
{
    p.setBrush(kInk);
    p.drawRect(x + 3, 1, 2, 8);
    p.setBrush(QColor(70, 78, 96));
    p.drawRoundedRect(x, 8, 12, 22, 2, 2);
    p.setBrush(QColor(150, 210, 160));
    p.drawRect(x + 2, 11, 8, 5);
    p.setBrush(kPaper);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            p.drawRect(x + 2 + c * 5, 19 + r * 3, 3, 2);
}

// An arrow pointing right from x0 to x1 at height y.
void drawArrow(QPainter &p, qreal x0, qreal x1, qreal y, const QColor &colour)
{
    p.setBrush(colour);
    const qreal head = 6;
    p.drawPolygon(QPolygonF({QPointF(x0, y - 2), QPointF(x1 - head, y - 2), QPointF(x1 - head, y - 6),
                             QPointF(x1, y), QPointF(x1 - head, y + 6), QPointF(x1 - head, y + 2),
                             QPointF(x0, y + 2)}));
}

// A small computer screen on its stand.
void drawScreen(QPainter &p, int x)
{
    p.setBrush(kPaper);
    p.drawRect(x, 4, 11, 9);
    p.setBrush(QColor(120, 170, 230));
    p.drawRect(x + 2, 6, 7, 5);
    p.setBrush(kInk);
    p.drawRect(x + 4, 13, 3, 3);
    p.drawRect(x + 1, 16, 9, 2);
}

void drawLock(QPainter &p, const QColor &colour)
{
    p.setBrush(Qt::NoBrush);
    QPen shackle(kInk, 3);
    p.setPen(shackle);
    p.drawArc(9, 3, 14, 16, 0, 180 * 16);
    p.drawLine(9, 11, 9, 15);
    p.drawLine(23, 11, 23, 15);
    p.setPen(QPen(kInk, 1));
    p.setBrush(colour);
    p.drawRoundedRect(6, 14, 20, 15, 2, 2);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 20), 2, 2);
    p.drawRect(15, 21, 2, 5);
}

void drawFmWaves(QPainter &p)
{
    drawRadio(p, 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 2));
    for (int r = 4; r <= 12; r += 4)
        p.drawArc(QRectF(17 - r, 14 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
}

} // namespace

namespace {

// Draws the picture of `key` on a 32-unit square; false for an unknown key.
bool drawPicture(QPainter &p, const QString &key)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    if (key == QLatin1String("TNew")) {
        drawPage(p);
        p.setPen(QPen(kGreen, 3));
        p.drawLine(16, 14, 16, 24);
        p.drawLine(11, 19, 21, 19);
    } else if (key == QLatin1String("TOpen")) {
        drawFolder(p);
    } else if (key == QLatin1String("TSave")) {
        drawDisk(p);
    } else if (key == QLatin1String("TRead")) {
        // from the radio into the computer
        drawRadio(p, 1);
        drawScreen(p, 20);
        p.setPen(QPen(Qt::white, 1));
        drawArrow(p, 9, 24, 24, kGreen);
    } else if (key == QLatin1String("TWrite")) {
        // from the computer into the radio
        drawScreen(p, 0);
        drawRadio(p, 19);
        p.setPen(QPen(Qt::white, 1));
        drawArrow(p, 7, 22, 24, kRed);
    } else if (key == QLatin1String("TAnMa")) {
        drawLock(p, kRed);
    } else if (key == QLatin1String("TDebug")) {
        drawLock(p, kBlue);
    } else if (key == QLatin1String("TFMMa")) {
        drawFmWaves(p);
    } else {
        return false;
    }
    return true;
}

QPixmap picture(const QString &key, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(size / qreal(kSize), size / qreal(kSize));
    if (!drawPicture(p, key))
        return QPixmap();
    return pixmap;
}

} // namespace

QIcon toolbarIcon(const QString &key)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        const QPixmap pixmap = picture(key, size);
        if (pixmap.isNull())
            return QIcon();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace kt913
