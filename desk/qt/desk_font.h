#pragma once
// The desk's type. The desk was drawn for a narrow bitmap sans-serif; Liberation
// Sans has close widths and the Polish letters (DejaVu Sans stands in when it is
// missing).

#include <QFont>

namespace zormia {

inline QFont deskFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace zormia
