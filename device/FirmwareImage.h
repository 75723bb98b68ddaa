#pragma once
// Firmware images in the application directory's "bin" folder and the checks
// that offer them.
//
// Every "*.bin" file there is one whole image; its first 728 bytes are the
// header: version word (offset 16, u32 little-endian: byte 16 minor, bits
// 8..31 major), kind (20: 0xD2 mouse, 0xD3 receiver), CID (21), MID (22) and
// the model name (87, 64 bytes, 8-bit text up to the first zero byte).
// A file shorter than the header is passed over.
//
// The device list, the worker's hot-plug callback and the settings page all
// ask these checks, so they live with the device link; the settings page's
// FormSetting::FindFirmware, CheckFirmware and IsUpdateAvailable forward to
// them. All searches run on the GUI thread.

#include "HIDUsb.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

namespace FirmwareImage {

constexpr int HeaderSize = HIDUSB_FW_HEADER_SIZE;
constexpr int KindMouse = HIDUSB_FW_KIND_MOUSE;
constexpr int KindReceiver = HIDUSB_FW_KIND_RECEIVER;

struct Header
{
    quint32 Version = 0;
    int Kind = 0;
    int CID = 0;
    int MID = 0;
    QString ModelName;
};

// False when the buffer is shorter than the header.
bool ParseHeader(const QByteArray &image, Header *header);
// "v" + major in decimal + "." + minor in lower-case hexadecimal.
QString VersionText(quint32 versionWord);
// The application directory + "/bin" (or the folder a test set).
QString Folder();
// Points the searches at another folder; an empty text restores the default.
// For tests, which must not touch the installed images.
void SetFolder(const QString &folder);

// Walks the images of Folder() in name order (case ignored) and hands each
// one whose header fits kind, model name, CID and MID to visit, with its
// version text without "v"; visit returns false to end the walk. Returns
// false when the folder does not exist or a file cannot be opened (the walk
// ends there), else true.
bool ForEachMatchingImage(int kind, const QString &modelName, int cid, int mid,
                          const std::function<bool(const QByteArray &image, const QString &version)> &visit);

// Searches the images for one that fits kind, model name, CID and MID and is
// newer than version (any version when it is empty); the last such file in
// name order wins, and the scan stops at the first matching image that is
// older than version. The chosen image is kept as ChosenImage().
bool FindFirmware(int kind, QString version, QString modelName, int cid, int mid);
// The same scan without keeping anything; false at once for an empty version.
bool CheckFirmware(int kind, QString version, QString modelName, int cid, int mid);
// The check for the current device's model: kind 0xD2 against its "MM"
// name, any other kind against "DM", "D2M" or "D4M" for receiver class 1, 2
// or 4 (false at once for any other class). Stores "Option"/"CID" in
// g_UpdateCID.
bool IsUpdateAvailable(int kind, QString version, int receiverClass);

// The image the last FindFirmware chose (empty when none).
QByteArray ChosenImage();
bool HasChosenImage();

} // namespace FirmwareImage

// The settings page's update flags: a newer receiver / mouse image exists.
extern std::atomic<bool> g_DongleUpdatePending;
extern std::atomic<bool> g_MouseUpdatePending;
// "Option"/"CID" as the last IsUpdateAvailable read it.
extern std::atomic<int> g_UpdateCID;
