// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the SVG icon at the sizes the window manager asks for
// and writes the pixels as C++ arrays, so that the desktop program shows its
// window icon without loading an image plugin or parsing SVG as it starts.
// Usage: ambrel-icon-pixels ICON.svg OUTPUT.cpp
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: ambrel-icon-pixels ICON.svg OUTPUT.cpp\n", stderr);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer svg(source);
    if (!svg.isValid()) {
        std::fprintf(stderr, "ambrel-icon-pixels: %s is not a readable SVG file\n", argv[1]);
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "ambrel-icon-pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    QTextStream out(&file);
    out << "// Made by ambrel-icon-pixels from " << QFileInfo(source).fileName() << "; do not edit.\n"
        << "#include \"qt/window_icon_pixels.h\"\n\nnamespace ambrel {\nnamespace {\n";
    const int sizes[] = {16, 32, 64, 128};
    for (int size : sizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        out << "const std::uint32_t kPixels" << size << "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x)
                out << (x % 8 == 0 ? "\n    " : " ") << "0x" << QString::number(row[x], 16) << "u,";
        }
        out << "\n};\n";
    }
    out << "} // namespace\n\nconst WindowIconPixels kWindowIconPixels[] = {";
    for (int size : sizes)
        out << "{" << size << ", kPixels" << size << "}, ";
    out << "};\nconst std::size_t kWindowIconPixelsCount = " << std::size(sizes) << ";\n} // namespace ambrel\n";
    out.flush();
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        std::fprintf(stderr, "ambrel-icon-pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
