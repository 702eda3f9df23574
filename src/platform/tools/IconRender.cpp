// SPDX-License-Identifier: GPL-2.0-or-later
// Renders the scalable application icon as the PNG sizes of the icon
// theme, so that menus that take no SVG still get a sharp picture.
//
//   velomni_icon_render ICON.svg OUTPUT_FOLDER SIZE...
//
// writes OUTPUT_FOLDER/<size>x<size>.png for each size.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: velomni_icon_render ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "velomni_icon_render: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "velomni_icon_render: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString name = folder.filePath(QStringLiteral("%1x%1.png").arg(size));
        if (!image.save(name, "PNG")) {
            std::fprintf(stderr, "velomni_icon_render: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
