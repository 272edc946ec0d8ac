// Draws the program's icon (an SVG) as a PNG of the given size, for the desktop's icon theme.
// Usage: abat_icono_png ICONO.svg LADO SALIDA.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("uso: abat_icono_png ICONO.svg LADO SALIDA.png\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int lado = QString::fromLatin1(argv[2]).toInt();
    if (!svg.isValid() || lado <= 0) return 1;
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    pintor.setRenderHint(QPainter::Antialiasing);
    svg.render(&pintor);
    pintor.end();
    return imagen.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
