// Draws the pictures registered by the files of this folder into
// <application dir>/<path> (the application directory is the first argument).
//
// Pictures are decoded while the windows start, so the files are written for
// decoding speed rather than size: a picture with no transparent pixel (the
// window backgrounds) is written without an alpha channel, which Qt decodes
// straight into an opaque pixmap (no premultiplying pass over the picture, and
// drawn as a plain copy instead of a blend), at the fastest zlib level. An
// uncompressed file decodes no faster: reading it costs what inflating saves.

#include "PictureRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTextStream>

namespace {

bool FullyOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: orvik_picturegen <application directory>\n";
        return 2;
    }
    const QDir root(args.at(1));
    QSet<QString> written;
    int failures = 0;
    for (const PictureEntry &entry : PictureRegistry::All()) {
        if (written.contains(entry.path))
            err << "orvik_picturegen: " << entry.path << " is registered twice; the later drawing wins\n";
        written.insert(entry.path);
        QImage image(entry.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            entry.draw(painter, entry.size);
        }
        const QString file = root.filePath(entry.path);
        QDir().mkpath(QFileInfo(file).absolutePath());
        // Quality 80 is zlib level 1 in Qt's PNG writer.
        const bool opaque = FullyOpaque(image);
        const QImage written = opaque ? image.convertToFormat(QImage::Format_RGB32) : image;
        if (!written.save(file, "PNG", opaque ? 80 : -1)) {
            err << "orvik_picturegen: cannot write " << file << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
