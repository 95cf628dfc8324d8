// zormia-icons: writes the program's icon in the sizes of the desktop's icon theme.
//
//   zormia-icons DIR
//
// writes DIR/hicolor/NxN/apps/zormia.png for every size of the theme and
// DIR/hicolor/scalable/apps/zormia.svg. Every one of them is the program's 32 x 32
// picture (app/program_icon.cpp), so the menus show what the title bars show:
//   - larger sizes repeat each pixel (nearest neighbour), keeping its square,
//     hard-edged look; 64, 128 and 256 are whole multiples and exact;
//   - smaller sizes average the pixels they cover, so the one-pixel lines stay
//     visible as darker rows instead of dropping out;
//   - the SVG draws the same pixels as rectangles with crisp edges, so it scales
//     to any size without blurring.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <vector>

#include "app/program_icon.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage iconAt(const QImage& source, int size) {
    if (size == source.width()) return source;
    const Qt::TransformationMode mode =
        size > source.width() ? Qt::FastTransformation : Qt::SmoothTransformation;
    return source.scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

// One rectangle of a single colour in the 32 x 32 grid.
struct Block {
    int x, y, width, height;
    QRgb colour;
};

// Cuts the picture into rows of equal-coloured runs and stacks runs that repeat
// on the next row into one taller rectangle: the bands become one rectangle each.
std::vector<Block> blocksOf(const QImage& image) {
    std::vector<Block> done;
    std::vector<Block> open;  // blocks that reach the previous row
    for (int y = 0; y < image.height(); ++y) {
        std::vector<Block> row;
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == colour) ++end;
            row.push_back({x, y, end - x, 1, colour});
            x = end;
        }
        std::vector<Block> next;
        for (const Block& run : row) {
            bool grown = false;
            for (Block& above : open) {
                if (above.height > 0 && above.x == run.x && above.width == run.width &&
                    above.colour == run.colour) {
                    Block taller = above;
                    taller.height += 1;
                    next.push_back(taller);
                    above.height = 0;  // carried on in next
                    grown = true;
                    break;
                }
            }
            if (!grown) next.push_back(run);
        }
        for (const Block& above : open)
            if (above.height > 0) done.push_back(above);
        open = std::move(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    return done;
}

QString svgOf(const QImage& image) {
    QString text;
    QTextStream out(&text);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << image.width() << "\" height=\""
        << image.height() << "\" viewBox=\"0 0 " << image.width() << ' ' << image.height()
        << "\" shape-rendering=\"crispEdges\">\n"
        << "<title>Zormia</title>\n";
    for (const Block& b : blocksOf(image)) {
        out << "<rect x=\"" << b.x << "\" y=\"" << b.y << "\" width=\"" << b.width << "\" height=\""
            << b.height << "\" fill=\"" << QColor(b.colour).name(QColor::HexRgb).toUpper()
            << "\"/>\n";
    }
    out << "</svg>\n";
    return text;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zormia-icons DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
    const QImage source = zormia::programIconImage().convertToFormat(QImage::Format_RGB32);

    for (int size : kSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString path = dir + QStringLiteral("/zormia.png");
        if (!QDir().mkpath(dir) || !iconAt(source, size).save(path, "PNG")) {
            std::fprintf(stderr, "zormia-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString dir = root + QStringLiteral("/scalable/apps");
    const QString path = dir + QStringLiteral("/zormia.svg");
    if (!QDir().mkpath(dir) || !writeFile(path, svgOf(source).toUtf8())) {
        std::fprintf(stderr, "zormia-icons: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
