// Draws the pictures registered by the files of this folder into
// <application dir>/<path> (the application directory is the first argument).

#include "PictureRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTextStream>

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
        if (!image.save(file, "PNG")) {
            err << "orvik_picturegen: cannot write " << file << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
