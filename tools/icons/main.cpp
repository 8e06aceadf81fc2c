// Renders the program's SVG icon as the PNG sizes of the desktop's icon theme:
//   tendrel-icon-sizes ICON.svg OUTDIR NAME SIZE...
// writes OUTDIR/SIZExSIZE/NAME.png for each size.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs("usage: tendrel-icon-sizes ICON.svg OUTDIR NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "tendrel-icon-sizes: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int size = QByteArray(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "tendrel-icon-sizes: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        icon.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1").arg(size);
        QSaveFile file(out.filePath(folder + u'/' + name));
        if (!out.mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
            !picture.save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "tendrel-icon-sizes: cannot write %s\n",
                         qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
