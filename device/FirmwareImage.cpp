#include "FirmwareImage.h"

#include "DeviceDiscovery.h"
#include "FileStamp.h"
#include "GlobalState.h"
#include "ModelInfo.h"
#include "UserPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QtEndian>

#include <cstring>
#include <mutex>

namespace {

// The header layout is the library's (HIDUsb.h): it reads the same images.
constexpr int OffsetMagic = HIDUSB_FW_OFFSET_MAGIC;
constexpr int OffsetLength = HIDUSB_FW_OFFSET_LENGTH;
constexpr int OffsetVersion = HIDUSB_FW_OFFSET_VERSION;
constexpr int OffsetKind = HIDUSB_FW_OFFSET_KIND;
constexpr int OffsetCid = HIDUSB_FW_OFFSET_CID;
constexpr int OffsetMid = HIDUSB_FW_OFFSET_MID;
constexpr int OffsetModel = HIDUSB_FW_OFFSET_MODEL;
constexpr int ModelSize = HIDUSB_FW_MODEL_SIZE;

// The image the last FindFirmware chose; the upgrade callback reads it on the
// library's thread while the GUI thread may start a new search.
std::mutex g_ImageMutex;
QList<QByteArray> g_FirmwareImage;
QString g_FolderOverride;

// The image of the flash that runs or ran last (see HoldForFlash).
QByteArray g_FlashingImage;

// What one file's header read found, kept by path while the file provably
// stays the same (FileStamp: device, inode, size, modification and change
// time): every full read of a mouse searches the folder again, and an
// unchanged folder of many images was read whole each time. Its own lock:
// the searches may come from more than one thread.
struct FileFacts
{
    FileStamp::Stamp Stamp;
    qint64 Size = -1;
    bool HasHeader = false; // opened, and at least a header long
    FirmwareImage::Header Header;
};
std::mutex g_FactsMutex;
QHash<QString, FileFacts> g_Facts;

// The facts of one file, read from it unless they were kept for this very
// state of the file.
FileFacts FactsOf(const QFileInfo &info)
{
    const QString path = info.absoluteFilePath();
    const qint64 readStart = FileStamp::NowNs();
    FileFacts facts;
    const bool stamped = FileStamp::Read(path, &facts.Stamp);
    if (stamped) {
        std::lock_guard<std::mutex> guard(g_FactsMutex);
        const auto known = g_Facts.constFind(path);
        if (known != g_Facts.constEnd() && known->Stamp == facts.Stamp)
            return *known;
    }
    facts.Size = stamped ? facts.Stamp.Size : info.size();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        facts.HasHeader = FirmwareImage::ParseHeader(file.read(FirmwareImage::HeaderSize), &facts.Header);
    // Kept only when a later change must show in the stamp: a file that
    // could not be opened or looked at, or that changed a moment ago, is
    // read again next time.
    if (file.isOpen() && stamped && FileStamp::Settled(facts.Stamp, readStart)) {
        std::lock_guard<std::mutex> guard(g_FactsMutex);
        g_Facts.insert(path, facts);
    }
    return facts;
}

// Drops the facts of files no longer in the folder searched.
void ForgetAllBut(const QFileInfoList &files)
{
    QSet<QString> present;
    for (const QFileInfo &info : files)
        present.insert(info.absoluteFilePath());
    std::lock_guard<std::mutex> guard(g_FactsMutex);
    for (auto it = g_Facts.begin(); it != g_Facts.end();) {
        if (present.contains(it.key()))
            ++it;
        else
            it = g_Facts.erase(it);
    }
}

// The scan shared by FindFirmware and CheckFirmware. chosen receives the
// chosen file (when not null). Returns the search's result.
bool scan(int kind, const QString &version, const QString &modelName, int cid, int mid, QByteArray *chosen)
{
    // An empty or unreadable device version takes any image.
    quint32 current = 0;
    const bool anyVersion = version.isEmpty() || !FirmwareImage::ParseVersionText(version, &current);
    bool result = false;
    quint32 best = 0;
    FirmwareImage::ForEachMatchingImage(kind, modelName, cid, mid, [&](const QByteArray &image, quint32 word) {
        if (!anyVersion && word <= current)
            return; // the device's own version, or an older one
        if (result && word < best)
            return;
        result = true;
        best = word;
        if (chosen)
            *chosen = image;
    });
    return result;
}

} // namespace

namespace FirmwareImage {

bool ParseHeader(const QByteArray &image, Header *header)
{
    if (image.size() < HeaderSize || !header)
        return false;
    const uchar *bytes = reinterpret_cast<const uchar *>(image.constData());
    header->Magic = std::memcmp(bytes + OffsetMagic, HIDUSB_FW_MAGIC, 4) == 0;
    header->Length = qFromLittleEndian<quint32>(bytes + OffsetLength);
    header->Version = qFromLittleEndian<quint32>(bytes + OffsetVersion);
    header->Kind = bytes[OffsetKind];
    header->CID = bytes[OffsetCid];
    header->MID = bytes[OffsetMid];
    const char *name = image.constData() + OffsetModel;
    header->ModelName = QString::fromLocal8Bit(name, int(qstrnlen(name, ModelSize)));
    return true;
}

QString VersionText(quint32 versionWord)
{
    return DeviceDiscovery::VersionText(versionWord);
}

bool ParseVersionText(const QString &text, quint32 *versionWord)
{
    QString body = text.trimmed();
    if (body.startsWith(QLatin1Char('v')))
        body.remove(0, 1);
    const int dot = body.indexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == body.size() - 1)
        return false;
    bool okMajor = false;
    bool okMinor = false;
    const uint major = body.left(dot).toUInt(&okMajor, 10);
    const uint minor = body.mid(dot + 1).toUInt(&okMinor, 16);
    if (!okMajor || !okMinor || minor > 0xFF || major > 0xFFFFFF)
        return false;
    if (versionWord)
        *versionWord = quint32(major) << 8 | quint32(minor);
    return true;
}

QString Folder()
{
    std::lock_guard<std::mutex> guard(g_ImageMutex);
    return g_FolderOverride.isEmpty() ? UserPaths::firmwareFolder() : g_FolderOverride;
}

void SetFolder(const QString &folder)
{
    std::lock_guard<std::mutex> guard(g_ImageMutex);
    g_FolderOverride = folder;
}

bool ForEachMatchingImage(int kind, const QString &modelName, int cid, int mid,
                          const std::function<void(const QByteArray &image, quint32 versionWord)> &visit)
{
    QDir folder(Folder());
    if (!folder.exists())
        return false;
    const QFileInfoList files =
        folder.entryInfoList(QStringList() << QStringLiteral("*.bin"), QDir::Files, QDir::Name | QDir::IgnoreCase);
    ForgetAllBut(files);
    const auto fits = [&](const Header &header) {
        return header.Kind == (kind & 0xFF) && header.CID == (cid & 0xFF) && header.MID == (mid & 0xFF)
            && header.ModelName == modelName;
    };
    for (const QFileInfo &info : files) {
        // An unreadable file, or one shorter than a header, hides nothing else.
        const FileFacts facts = FactsOf(info);
        if (!facts.HasHeader || !fits(facts.Header) || !IsWhole(facts.Header, facts.Size))
            continue; // a damaged image is passed over without reading it whole
        // Only an image that fits is read whole; its header is read again
        // with it, in case the file changed since its facts were kept.
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray image = file.readAll();
        file.close();
        Header header;
        if (!ParseHeader(image, &header) || !fits(header))
            continue;
        if (!IsWhole(header, image.size()))
            continue; // damaged or cut short: the library would refuse it
        visit(image, header.Version);
    }
    return true;
}

bool SearchImage(int kind, QString version, QString modelName, int cid, int mid, QByteArray *chosen)
{
    QByteArray image;
    const bool result = scan(kind, version, modelName, cid, mid, &image);
    if (chosen)
        *chosen = image;
    return result;
}

bool FindFirmware(int kind, QString version, QString modelName, int cid, int mid)
{
    {
        std::lock_guard<std::mutex> guard(g_ImageMutex);
        g_FirmwareImage.clear();
    }
    QByteArray chosen;
    const bool result = SearchImage(kind, version, modelName, cid, mid, &chosen);
    if (!chosen.isEmpty()) {
        std::lock_guard<std::mutex> guard(g_ImageMutex);
        g_FirmwareImage = QList<QByteArray>() << chosen;
    }
    return result;
}

bool CheckFirmware(int kind, QString version, QString modelName, int cid, int mid)
{
    if (version.isEmpty())
        return false;
    return scan(kind, version, modelName, cid, mid, nullptr);
}

bool IsUpdateAvailable(int kind, QString version, int receiverClass)
{
    // The current device's model; the receiver class is the caller's, since a
    // corded mouse is checked against the receiver listed beside it.
    const ModelInfo model = ModelInfo::OfIndex(g_CurrentDevice.get().ModelIndex);
    g_UpdateCID = ModelInfo::Cid();
    QString modelName;
    if (kind == KindMouse) {
        modelName = model.MouseFirmwareName();
    } else {
        const QString key = ModelInfo::ReceiverFirmwareKeyOf(receiverClass);
        if (key.isEmpty())
            return false;
        modelName = model.Text(key);
    }
    return CheckFirmware(kind, version, modelName, g_UpdateCID, model.Mid());
}

QByteArray ChosenImage()
{
    std::lock_guard<std::mutex> guard(g_ImageMutex);
    return g_FirmwareImage.isEmpty() ? QByteArray() : g_FirmwareImage.first();
}

bool HasChosenImage()
{
    std::lock_guard<std::mutex> guard(g_ImageMutex);
    return !g_FirmwareImage.isEmpty();
}

bool IsWhole(const Header &header, qint64 fileSize)
{
    return header.Magic && header.Length >= quint32(HeaderSize) && qint64(header.Length) <= fileSize;
}

bool IsWhole(const QByteArray &image)
{
    Header header;
    return ParseHeader(image, &header) && IsWhole(header, image.size());
}

const unsigned char *HoldForFlash(const QByteArray &image)
{
    std::lock_guard<std::mutex> guard(g_ImageMutex);
    if (!IsWhole(image)) {
        // A damaged or cut file is never handed over: no image is, and the
        // flash ends as a failure before anything reaches the device.
        g_FlashingImage.clear();
        return nullptr;
    }
    g_FlashingImage = image;
    return reinterpret_cast<const unsigned char *>(g_FlashingImage.constData());
}

bool HoldsImage()
{
    std::lock_guard<std::mutex> guard(g_ImageMutex);
    return !g_FlashingImage.isEmpty();
}

QString HeldVersionText()
{
    QByteArray image;
    {
        std::lock_guard<std::mutex> guard(g_ImageMutex);
        image = g_FlashingImage;
    }
    Header header;
    if (!ParseHeader(image, &header))
        return QString();
    return VersionText(header.Version);
}

} // namespace FirmwareImage
