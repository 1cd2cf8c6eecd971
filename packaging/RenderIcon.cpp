// Renders an SVG icon into a square PNG for the icon theme's fixed-size folders, through
// Qt's SVG image plugin: RenderIcon IN.svg SIZE OUT.png

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        err << "usage: RenderIcon IN.svg SIZE OUT.png\n";
        return 2;
    }
    QImageReader reader(args[1]);
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        err << args[1] << ": " << reader.errorString() << '\n';
        return 1;
    }
    if (!image.save(args[3], "PNG")) {
        err << args[3] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
