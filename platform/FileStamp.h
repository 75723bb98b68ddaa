#pragma once
// What tells one state of a file from another, for a cache of what a file
// holds. Linux first: QFileInfo has no inode and no status-change time, so
// they come from stat(2).
//
// Size and modification time alone do not do: cp -p, tar, unzip and rsync -a
// put the modification time back after a rewrite, and files of one format
// often have one size. The status-change time (ctime) moves on every rewrite
// and no user call sets it back; a file replaced by a rename is another inode.

#include <QString>
#include <QtGlobal>

namespace FileStamp {

struct Stamp
{
    quint64 Device = 0;
    quint64 Inode = 0;
    qint64 Size = -1;
    qint64 ModifiedNs = 0; // since the epoch
    qint64 ChangedNs = 0;  // status change, since the epoch
    bool operator==(const Stamp &other) const;
    bool operator!=(const Stamp &other) const { return !(*this == other); }
};

// False when the file cannot be looked at.
bool Read(const QString &path, Stamp *stamp);

// The wall clock in the file system's terms (ns since the epoch).
qint64 NowNs();

// True when the file's last change lies far enough before readStartNs (taken
// before the stamp and the contents were read) that any later change must
// show in its change time. A file system stamps changes from a clock that
// may lag by a tick, or in whole seconds: a change right after the read
// could keep the very same change time, so what was read of a file changed
// that recently is not proof of its contents.
bool Settled(const Stamp &stamp, qint64 readStartNs);

} // namespace FileStamp
