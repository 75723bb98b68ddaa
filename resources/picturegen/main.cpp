// Draws the pictures registered by the files of this folder into
// <application dir>/<path> (the application directory is the first argument).
//
// Pictures are decoded while the windows start, so the files are written for
// decoding speed rather than size: every row unfiltered (see WritePng), and a
// picture with no transparent pixel (the window backgrounds) without an alpha
// channel, which Qt decodes straight into an opaque pixmap (no premultiplying
// pass over the picture, and drawn as a plain copy instead of a blend). An
// uncompressed file decodes no faster: reading it costs what inflating saves.

#include "PictureRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <QtEndian>

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

// Chunk checksum of the PNG format (the CRC-32 of ISO 3309).
quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray BigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(value, bytes.data());
    return bytes;
}

void AppendChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    const QByteArray body = QByteArray(type, 4) + data;
    png += BigEndian32(quint32(data.size()));
    png += body;
    png += BigEndian32(Crc32(body));
}

// A picture as 8-bit RGB when it is opaque, else as 8-bit RGBA (straight, not
// premultiplied, alpha), with every row unfiltered. Qt's writer lets libpng
// choose a filter per row, and undoing its Paeth and Up rows was more than half
// of what decoding a picture cost (the device list's background and a tile's
// picture at start, the pages' pictures as they are built); unfiltered rows of
// these smooth drawings also pack smaller.
bool WritePng(const QImage &image, const QString &file)
{
    const bool opaque = FullyOpaque(image);
    const QImage rows8 = image.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_RGBA8888);
    const int rowBytes = rows8.width() * (opaque ? 3 : 4);
    QByteArray rows;
    rows.reserve((rowBytes + 1) * rows8.height());
    for (int y = 0; y < rows8.height(); ++y) {
        rows.append('\0'); // filter type 0: none
        rows.append(reinterpret_cast<const char *>(rows8.constScanLine(y)), rowBytes);
    }
    // Width, height, 8 bits per channel, colour type 2 (RGB) or 6 (RGBA), then
    // compression method, filter method and interlacing, all 0.
    QByteArray header = BigEndian32(quint32(rows8.width())) + BigEndian32(quint32(rows8.height()));
    header.append(char(8));
    header.append(char(opaque ? 2 : 6));
    header.append(3, '\0');
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", qCompress(rows, 9).mid(4)); // qCompress puts the length before the zlib stream
    AppendChunk(png, "IEND", QByteArray());
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(png) == png.size() && out.commit();
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
        if (!WritePng(image, file)) {
            err << "orvik_picturegen: cannot write " << file << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
