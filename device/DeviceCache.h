#pragma once
// The per-device cache file: the last parameter record read in full from a
// mouse, kept in the per-user "/Device_Info/" folder, so an offline mouse still
// fills the pages. One QDataStream byte block: a 32-bit big-endian length, then
// the bytes of the record.

#include "FlashDataMap.h"

#include <QString>

namespace DeviceCache {

// "Device_CID" + CID + "_MID" + MID + ".bin", two upper-case hex digits each.
QString FileName(uchar cid, uchar mid);
// The absolute path of a cache-file name inside the per-user "/Device_Info/"
// folder (an absolute path is used as it is).
QString FilePath(const QString &name);
// Whole or not at all (written beside, then renamed); false when it failed.
bool Write(const QString &name, const FlashDataMap &map);
// False for a missing, unreadable or cut-off file; out is then untouched.
bool Read(const QString &name, FlashDataMap *out);

} // namespace DeviceCache
