#ifndef ORVIK_HIDUSB_H
#define ORVIK_HIDUSB_H
/*
 * HIDUsb: the device library of the mouse and its USB receiver.
 *
 * Plain C interface. Paths, VID and PID texts are zero-terminated 8-bit texts.
 * Every function is thread-safe and may be called from inside any callback.
 *
 * Threads
 *  - The data callback (UsbServerC_Start) runs on a library thread, never on
 *    the caller's thread and never inside the call that asked for a report.
 *    Reports arrive one at a time and in order; a callback may block for a
 *    long time (it may wait on the GUI thread). No library lock is held while
 *    a callback runs. Reports still queued for a connection that was closed
 *    (UsbServer_Exit) or replaced (a new UsbServerC_Start) are dropped.
 *  - No call waits for a callback to finish.
 *  - The hot-plug callback runs on the thread that registered it: once inside
 *    StartUsbChanged before it returns, then once after each arrival or
 *    removal, posted to that thread's event loop.
 *  - The upgrade callback runs on a library thread.
 *
 * Path texts returned by the enumeration are owned by the library and stay
 * valid for the life of the process (one text per device path); the array that
 * holds them is valid until the next enumeration call on the same thread.
 */

#ifdef __cplusplus
extern "C" {
#endif

#define HIDUSB_API __attribute__((visibility("default")))

/* The 10428-byte parameter record and the 10-byte receiver-lighting record;
 * the library treats both as raw bytes of exactly that size. */
struct FlashDataMap;
struct DongleRGB;

#define HIDUSB_FLASH_RECORD_SIZE 10428
#define HIDUSB_FULL_READ_SIZE    6912
#define HIDUSB_DONGLE_RGB_SIZE   10

/* Data callback: header bytes (byte 1 command, bytes 3 and 4 the kind of a
 * parameter report), data bytes. Both buffers are valid during the call only. */
typedef void (*HIDUsbDataCallback)(unsigned char *header, int headerLength, unsigned char *data, int length);
/* Hot-plug callback. */
typedef void (*HIDUsbChangedCallback)(void);
/* Upgrade callback: report byte 0 = 7; byte 1 = 1 progress (byte 2 percent)
 * or 2 end (byte 2 = 1 success, anything else failure). Buffer of 8 bytes,
 * valid during the call only. */
typedef void (*HIDUsbUpgradeCallback)(unsigned char *report);

/* ---- Report commands (header byte 1) -------------------------------------- */
#define HIDUSB_CMD_BATTERY       4  /* data: 4 bytes, decode with GetDeviceBatteryStatus */
#define HIDUSB_CMD_PAIR_STATUS   6  /* data byte 0: 1 pairing, 2 failed, 3 paired */
#define HIDUSB_CMD_PARAMETER     8  /* header byte 3 = 0; byte 4 = kind (below) */
#define HIDUSB_CMD_RESET         9  /* the device restored its factory settings */
#define HIDUSB_CMD_STATUS_CHANGE 10 /* data: 1 byte, decode with GetDeviceStatusChanged */
#define HIDUSB_CMD_CONFIG        14 /* data: 1 byte, the active configuration 0..3 */
#define HIDUSB_CMD_VERSION       18 /* data: 2 bytes, mouse version (major, minor) */
#define HIDUSB_CMD_DONGLE_RGB    21 /* data: the 10 DongleRGB bytes (after a set) */
#define HIDUSB_CMD_LONG_RANGE    23 /* data: 10 bytes when long range went off; 1 byte when on */

/* Parameter report kinds (header byte 4 of command 8) and data lengths. */
#define HIDUSB_PARAM_FULL_OR_RATE 0x00 /* 6912 bytes full read; 1 byte report rate */
#define HIDUSB_PARAM_CURRENT_DPI  0x04 /* 1 byte, the active DPI level */
#define HIDUSB_PARAM_DPI_LED      0x4C /* 8 bytes, decode with BufferToDPILed */
#define HIDUSB_PARAM_LED_BAR      0xA0 /* 9 bytes, decode with BufferToLedBar */

/* ---- Firmware image ---------------------------------------------------------
 * A firmware image is one buffer that starts with a 728-byte header. Fields:
 *   0   4  magic "OVFW"
 *   4   4  total image length in bytes, header included (u32 little-endian)
 *   16  4  version word (u32 little-endian): byte 16 minor, bits 8..31 major
 *   20  1  kind: 0xD2 mouse firmware, 0xD3 receiver firmware
 *   21  1  CID
 *   22  1  MID
 *   87  64 model name, 8-bit text, zero-filled
 * Every other header byte is reserved (zero). The length field lets the library
 * know the image size, since the update calls take the image pointer only.
 */
#define HIDUSB_FW_HEADER_SIZE    728
#define HIDUSB_FW_MAGIC          "OVFW"
#define HIDUSB_FW_OFFSET_MAGIC   0
#define HIDUSB_FW_OFFSET_LENGTH  4
#define HIDUSB_FW_OFFSET_VERSION 16
#define HIDUSB_FW_OFFSET_KIND    20
#define HIDUSB_FW_OFFSET_CID     21
#define HIDUSB_FW_OFFSET_MID     22
#define HIDUSB_FW_OFFSET_MODEL   87
#define HIDUSB_FW_MODEL_SIZE     64
#define HIDUSB_FW_KIND_MOUSE     0xD2
#define HIDUSB_FW_KIND_RECEIVER  0xD3

/* ---- Device search ---------------------------------------------------------- */

/* Enumerates the devices of vendor and product ID (hexadecimal texts such as
 * "3554" and "F503", compared as numbers). *count goes in as the room for
 * paths (5) and comes back as the number returned. Returns the path array. */
HIDUSB_API char **UsbFinderC_FindHidDevicesByDefaultDeviceId(const char *vid, const char *pid, int *count);
/* The same; interfaceId and deviceId are accepted and not used. */
HIDUSB_API char **UsbFinderC_FindHidDevicesByDeviceId(const char *vid, const char *pid, int interfaceId, int deviceId,
                                                      int *count);
/* Identification: 3 bytes CID, MID, receiver type (0 1 kHz receiver, 1 4 kHz
 * receiver, 4 2 kHz receiver, any other value: the mouse on its cable); all
 * zero while the device does not answer. Buffer valid until the next call on
 * the same thread. */
HIDUSB_API unsigned char *UsbFinderC_GetDeviceInfo(const char *path);
/* Fills 12 bytes (HID attributes): 0-3 size 12 (u32 LE), 4-5 VID, 6-7 PID,
 * 8-9 version (u16 LE: byte 9 major, byte 8 minor). Returns 1, 0 when no such
 * device (buffer untouched). */
HIDUSB_API int UsbFinderC_GetUsbDeviceAttribute(const char *path, unsigned char *attribute12);
/* Low byte non-zero when the mouse answers (through its receiver or cable). */
HIDUSB_API int UsbFinderC_GetDeviceOnLine(const char *path);
/* Fills 10 bytes: 0-5 the device's USB address, 6 = 1 online / 0 offline,
 * 7-9 the status bytes that identify the mouse (also for an offline mouse).
 * Returns byte 6; 0 and the buffer zeroed when there is no such device. */
HIDUSB_API int UsbFinderC_GetDeviceOnLineWithUsbAddress(const char *path, unsigned char *buffer10);
/* Mouse firmware version (major high byte, minor low byte); 0 when offline. */
HIDUSB_API int UsbFinderC_GetVersion(const char *path);
/* Receiver firmware version word into *version; returns 1, or 0 when the
 * device is no receiver or not found (*version untouched). */
HIDUSB_API int UsbFinderC_GetSlaveVersion(const char *path, int *version);

/* Hot-plug callback; interval is accepted and not used. A new start replaces
 * the callback. */
HIDUSB_API void StartUsbChanged(HIDUsbChangedCallback callback, int interval);
HIDUSB_API void StopUsbChanged(void);

/* Shutdown (an addition of this library for the Linux build): from now on no
 * callback of this library starts (data, hot-plug, upgrade); reports still
 * queued are dropped. Returns how many callbacks run at this moment; a caller
 * that ends the process asks again (serving whatever those callbacks wait
 * for) until it returns 0. Never waits itself. */
HIDUSB_API int HIDUsb_StopCallbacks(void);

/* Decoders of report data. */
/* 7 bytes: flag k non-zero when the device changed: 0 current DPI, 1 report
 * rate, 2 on-board configuration, 3 DPI LED, 4 unused, 5 light bar, 6 battery. */
HIDUSB_API void GetDeviceStatusChanged(const unsigned char *data, unsigned char *flags7);
/* 4 bytes: 0 level in percent, 1 charging (non-zero), 2-3 zero. */
HIDUSB_API void GetDeviceBatteryStatus(const unsigned char *data, unsigned char *status4);

/* ---- Connection ------------------------------------------------------------- */

/* Opens (or reopens) the connection; the second path is the same device.
 * Returns 1, 0 when no device has this path (reports then go nowhere). */
HIDUSB_API int UsbServerC_Start(const char *path, const char *path2, HIDUsbDataCallback callback);
/* Closes the connection: queued reports are dropped; does not wait. */
HIDUSB_API void UsbServer_Exit(void);
HIDUSB_API void UsbServer_SetPCDriverStatus(int active);

/* Reads: each returns 1 when the request went out, 0 when there is no
 * connection or the mouse is offline (an offline mouse answers nothing). The
 * answer comes later as a report. */
HIDUSB_API int UsbServer_ReadAllFlashData(void);
HIDUSB_API int UsbServer_ReadCurrentDPI(void);
HIDUSB_API int UsbServer_ReadReportRate(void);
HIDUSB_API int UsbServer_ReadDPILed(void);
HIDUSB_API int UsbServer_ReadLedBar(void);
HIDUSB_API int UsbServer_ReadBatteryLevel(void);
HIDUSB_API int UsbServer_ReadVersion(void);
HIDUSB_API int UsbServer_ReadConfig(void);
HIDUSB_API int UsbServer_ReadDonglePairStatus(void);

/* ---- Parameter record ---------------------------------------------------- */

/* Fills the 10428-byte record from the 6912 bytes of a full read. Returns 1;
 * 0 when the data is no valid full read (record untouched). */
HIDUSB_API int ProtocolDataParser(const unsigned char *data, struct FlashDataMap *map);
/* Sends the whole record to the connected mouse, which stores it in its
 * active configuration. Returns 1; 0 when there is no connection, the mouse is
 * offline, or the record does not fit the device's memory coding (the full
 * read carries it compressed in 6912 bytes; a record whose contents cannot be
 * compressed that far is refused and the mouse keeps its previous record). */
HIDUSB_API int ProtocolDataUpdate(const struct FlashDataMap *map);
/* DPI-LED report data (8 bytes) to record bytes 63..66 (4 bytes). */
HIDUSB_API void BufferToDPILed(const unsigned char *data, unsigned char *dpiLed4);
/* Light-bar report data (9 bytes) to record bytes 67..73 (7 bytes). */
HIDUSB_API void BufferToLedBar(const unsigned char *data, unsigned char *ledBar7);

/* Switch the on-board configuration (0..3); the device answers with a status
 * change report (flag 2). Returns 1, 0 offline or index out of range. */
HIDUSB_API int UsbServer_SetCurrentConfig(int index);
/* Factory reset of the active configuration; the device answers with the
 * reset report (command 9). Returns 1, 0 offline. */
HIDUSB_API int UsbServer_SetClearSetting(void);

/* ---- Receiver -------------------------------------------------------------- */

/* Receiver lighting (10 bytes, byte 0 mode 1..3). Return 1, 0 when the device
 * is no receiver (the block is untouched). Set answers with command 21. */
HIDUSB_API int UsbFinderC_Get4KDongleRGBValue(const char *path, struct DongleRGB *rgb);
HIDUSB_API int UsbFinderC_Set4KDongleRGB(const char *path, struct DongleRGB *rgb);
/* Long-range mode: Get writes 1 (on) or 0 (off) into *mode; a device that is
 * no receiver leaves it unchanged (callers preset 0x73). Set: 1 on, 0 off. */
HIDUSB_API int UsbFinderC_GetLongRangeMode(const char *path, unsigned char *mode);
HIDUSB_API int UsbFinderC_SetLongRangeMode(const char *path, unsigned char on);

/* Pairing: the receiver of the connection enters pairing for mice of this CID;
 * UsbServer_ReadDonglePairStatus answers with command 6. */
HIDUSB_API int UsbServer_EnterDonglePairOnlyCid(unsigned char cid);

/* ---- Firmware update ------------------------------------------------------ */

/* Number of devices in boot mode whose kind, CID and MID fit the image into
 * *count. Returns 1, 0 for an image without a valid header (*count = 0). */
HIDUSB_API int UsbUpgradeC_FindBootDevices(const unsigned char *image, int *count);
/* Starts flashing the image and returns at once. Target: a boot-mode device
 * that fits the image, else a connected device of the image's kind, CID and
 * MID (mouse image: the mouse on its cable; receiver image: a receiver).
 * Progress reports follow over a few seconds and exactly one end report; the
 * end is a failure when there is no target, the image is invalid, the target
 * disappears, or timeoutMs passes first. The library reads what it needs of
 * the image during the call (its length field tells the size: the caller
 * hands at least that many bytes, as the library cannot see the buffer's
 * end); the buffer may go afterwards. A null image is an invalid one.
 * Returns 1 (an end report follows in every case). */
HIDUSB_API int UsbUpgrade_Start(const unsigned char *image, HIDUsbUpgradeCallback callback, int timeoutMs);

#ifdef __cplusplus
}
#endif

#endif /* ORVIK_HIDUSB_H */
