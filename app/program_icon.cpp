#include "app/program_icon.h"

#include <QPainter>

namespace zormia {

QImage programIconImage() {
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, 32, 7, QColor(0xFF, 0, 0));          // red band, rows 0-6
    p.fillRect(0, 7, 32, 1, Qt::black);                   // black line
    p.fillRect(0, 8, 32, 3, QColor(0, 0xFF, 0));          // lime band
    p.fillRect(0, 11, 32, 13, QColor(0xC0, 0xC0, 0xC0));  // silver strip, rows 11-23
    p.fillRect(0, 24, 32, 1, QColor(0x80, 0x80, 0x80));   // grey line
    p.fillRect(0, 25, 32, 7, QColor(0, 0xFF, 0));         // lime band at the bottom
    p.setPen(Qt::NoPen);
    const QColor bezel(0x40, 0x40, 0x40);
    for (int i = 0; i < 2; ++i) {
        const int left = 4 + i * 14;
        p.setBrush(bezel);
        p.drawEllipse(left, 12, 11, 11);
        p.setBrush(i == 0 ? QColor(0x80, 0x80, 0x80) : QColor(0xFF, 0, 0));
        p.drawEllipse(left + 2, 14, 7, 7);
    }
    return image;
}

QIcon programIcon() {
    return QIcon(QPixmap::fromImage(programIconImage()));
}

}  // namespace zormia
