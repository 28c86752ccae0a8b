// icon-render SVG SIZE OUT.png: draws SVG into a transparent SIZE x SIZE PNG,
// the picture scaled to fit and centred.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    // Drawing needs no screen; the build may run where there is none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1 || size > 4096) {
        std::fprintf(stderr, "usage: icon-render SVG SIZE OUT.png\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "icon-render: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSizeF drawn = svg.defaultSize();
    if (drawn.isEmpty())
        drawn = QSizeF(size, size);
    drawn.scale(size, size, Qt::KeepAspectRatio);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter,
                   QRectF(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn));
    }
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "icon-render: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
