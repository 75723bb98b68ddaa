#pragma once
// Firmware images in the application directory's "bin" folder and the checks
// that offer them.
//
// Every "*.bin" file there is one whole image; its first 728 bytes are the
// header: version word (offset 16, u32 little-endian: byte 16 minor, bits
// 8..31 major), kind (20: 0xD2 mouse, 0xD3 receiver), CID (21), MID (22) and
// the model name (87, 64 bytes, 8-bit text up to the first zero byte).
// A file that cannot be opened, or one that is no whole image (see IsWhole),
// is passed over by every search: one bad file must not hide the good ones
// beside it, and a damaged copy must never be offered or flashed.
//
// Versions compare as numbers, major first, then minor: the version word
// orders that way by itself (the minor is its low byte), and a version text
// "vM.m" reads M in decimal and m in hexadecimal, as VersionText writes it,
// so 1.10 ranks above 1.9 and "1.a" is 1.10 in decimal terms, not 0.
//
// The device list, the worker's hot-plug callback and the settings page all
// ask these checks, so they live with the device link; the settings page's
// FormSetting::FindFirmware, CheckFirmware and IsUpdateAvailable forward to
// them. All searches run on the GUI thread.
//
// What a file's header says is kept by the file's path while the file is
// provably the same (device, inode, size, modification and status-change
// time; see FileStamp), so a search over an unchanged folder reads no header
// again, and an image replaced with its size and time kept is read anew;
// only the images that fit are read whole, each time they are handed on.

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
    bool Magic = false; // the first four bytes are HIDUSB_FW_MAGIC
    quint32 Length = 0; // the image's own length, header included
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
// Reads a version text "vM.m" (M decimal, m hexadecimal up to ff; the "v"
// may be missing) into a version word. False for anything else.
bool ParseVersionText(const QString &text, quint32 *versionWord);
// The application directory + "/bin" (or the folder a test set).
QString Folder();
// Points the searches at another folder; an empty text restores the default.
// For tests, which must not touch the installed images.
void SetFolder(const QString &folder);

// Walks the images of Folder() in name order (case ignored) and hands each
// one whose header fits kind, model name, CID and MID to visit, with its
// version word. Files that cannot be opened or are no whole image are
// skipped. Returns false when the folder does not exist, else true.
bool ForEachMatchingImage(int kind, const QString &modelName, int cid, int mid,
                          const std::function<void(const QByteArray &image, quint32 versionWord)> &visit);

// Searches the images for one that fits kind, model name, CID and MID and is
// newer than version (any version when it is empty or unreadable). Older and
// equal images are passed over; of the rest the highest version wins, and of
// equal ones the last in name order. The chosen image is kept as
// ChosenImage(). This is the one choice of image: every offer of an update
// and the repair make it through here (or SearchImage, CheckFirmware).
bool FindFirmware(int kind, QString version, QString modelName, int cid, int mid);
// The same search handing the chosen image to *chosen (emptied first, left
// empty when none was chosen) instead of keeping it, for a window that keeps
// its chosen image apart from this one.
bool SearchImage(int kind, QString version, QString modelName, int cid, int mid, QByteArray *chosen);
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

// The image a flash was started with, held until the next flash starts: the
// library may read the buffer until its end report, whatever happens to the
// dialog or the search slot that chose it meanwhile. Returns the bytes to
// hand to UsbUpgrade_Start; null for an image that is not whole (IsWhole),
// which the library answers as an invalid image (one failure end report).
const unsigned char *HoldForFlash(const QByteArray &image);
// True for a whole image: it carries the magic, its length field covers at
// least the header, and the buffer holds at least the bytes that field names.
// The library is handed the start of the image only and takes its size from
// that field, so a file cut short would have it read past the buffer; it
// refuses a bad magic or length before it touches any device.
bool IsWhole(const QByteArray &image);
// The same test on a parsed header and the size of its file.
bool IsWhole(const Header &header, qint64 fileSize);
// The version text of the held image (empty when none or no header); what a
// success report stands for.
QString HeldVersionText();
// False when the flash started last was handed no image (HoldForFlash refused
// it): the library then ends it as a failure before it reaches any device,
// so there is nothing to repair afterwards.
bool HoldsImage();

} // namespace FirmwareImage
