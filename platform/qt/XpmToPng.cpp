// Build tool: converts one of the program's XPM images to PNG, for the
// desktop entry's icon. Usage: wordloom_xpm_to_png input.xpm output.png

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s input.xpm output.png\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]), "XPM");
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(output).absolutePath());
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
