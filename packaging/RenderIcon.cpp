// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon into the PNG sizes of the hicolor theme, so the pictures in the
// package always match the one drawing kept in the repository.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: kovaris-icon ICON.svg OUTPUT-FOLDER NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QFile::decodeName(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "kovaris-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QFile::decodeName(argv[2]);
    const QString name = QFile::decodeName(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "kovaris-icon: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "kovaris-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
