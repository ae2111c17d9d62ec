// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the program's SVG icon as PNG files of the given sizes, laid out as an
// icon theme folder: <folder>/<size>x<size>/apps/<name>.png.
//
//     render_icon <icon.svg> <folder> <name> <size>...

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <icon.svg> <folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    const QString szSvg = QString::fromLocal8Bit(argv[1]);
    const QString szFolder = QString::fromLocal8Bit(argv[2]);
    const QString szName = QString::fromLocal8Bit(argv[3]);

    QSvgRenderer renderer(szSvg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: %s is not a valid SVG picture\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        bool bNumber = false;
        const int iSize = QString::fromLocal8Bit(argv[i]).toInt(&bNumber);
        if (!bNumber || iSize < 1 || iSize > 4096) {
            std::fprintf(stderr, "render_icon: %s is not an icon size\n", argv[i]);
            return 2;
        }
        QImage image(iSize, iSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, iSize, iSize));
        }
        const QString szSize = QString::number(iSize);
        const QString szDir = szFolder + u'/' + szSize + u'x' + szSize + QStringLiteral("/apps");
        const QString szFile = szDir + u'/' + szName + QStringLiteral(".png");
        if (!QDir().mkpath(szDir) || !image.save(szFile, "PNG")) {
            std::fprintf(stderr, "render_icon: %s could not be written\n", qPrintable(szFile));
            return 1;
        }
    }
    return 0;
}
