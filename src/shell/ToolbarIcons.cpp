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

void drawArrow(QPainter &p, bool right, const QColor &colour)
{
    p.setBrush(colour);
    QPolygonF arrow = right ? QPolygonF({QPointF(15, 14), QPointF(23, 14), QPointF(23, 10), QPointF(31, 18),
                                         QPointF(23, 26), QPointF(23, 22), QPointF(15, 22)})
                            : QPolygonF({QPointF(31, 14), QPointF(23, 14), QPointF(23, 10), QPointF(15, 18),
                                         QPointF(23, 26), QPointF(23, 22), QPointF(31, 22)});
    p.drawPolygon(arrow);
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
    drawRadio(p, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 2));
    for (int r = 4; r <= 12; r += 4)
        p.drawArc(QRectF(20 - r, 14 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
}

} // namespace

QIcon toolbarIcon(const QString &key)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
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
        drawRadio(p, 17);
        drawArrow(p, false, kGreen);
        // the arrow points from the radio into the computer
        p.setBrush(kPaper);
        p.drawRect(1, 10, 11, 9);
        p.drawRect(4, 20, 5, 3);
    } else if (key == QLatin1String("TWrite")) {
        p.setBrush(kPaper);
        p.drawRect(1, 10, 11, 9);
        p.drawRect(4, 20, 5, 3);
        drawArrow(p, true, kRed);
        drawRadio(p, 19);
    } else if (key == QLatin1String("TAnMa")) {
        drawLock(p, kRed);
    } else if (key == QLatin1String("TDebug")) {
        drawLock(p, kBlue);
    } else if (key == QLatin1String("TFMMa")) {
        drawFmWaves(p);
    } else {
        return QIcon();
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace kt913
