#pragma once
// The two values the firmware update keeps across runs, under the
// "Mouse Drive Test" key of our registry store:
//
//  - "MouseVer" + CID text + MID text (the Config.ini texts as they stand:
//    CID "3" and MID "12" name "MouseVer312"): the mouse firmware version
//    last seen for that model, e.g. "v1.5". Written on each mouse version
//    report and after a successful mouse flash; never removed.
//  - "UpdateFailInfo": the failed flash that waits for its repair, four
//    decimal fields joined by ",": kind (210 mouse, 211 receiver), receiver
//    class, CID, MID, e.g. "211,4,3,12". Written when a flash fails, removed
//    when one succeeds; the device list shows its repair button while it
//    exists.
//
// Every reader and writer goes through here, so the names and the format
// exist once. Safe from any thread (the upgrade callbacks write on the
// library's thread).

#include <QString>
#include <QStringList>

namespace UpdateRegistry {

QString MouseVersionName(const QString &cidText, const QString &midText);
// Empty when none is recorded.
QString MouseVersion(const QString &cidText, const QString &midText);
void SetMouseVersion(const QString &cidText, const QString &midText, const QString &version);

struct FailInfo
{
    int Kind = 0;
    int ReceiverClass = 0;
    int CID = 0;
    int MID = 0;
    // "kind,class,cid,mid".
    QString Text() const;
};

// The recorded text as it stands (empty when none).
QString FailInfoText();
bool HasFailInfo();
// The recorded text split at every "," (empty parts kept; an absent value
// gives one empty part), as the repair reads it.
QStringList FailInfoFields();
// True with *info filled when the record has exactly four fields.
bool ParseFailInfo(const QString &text, FailInfo *info);
void SetFailInfo(const FailInfo &info);
// Writes four recorded fields back as they were read.
void SetFailInfoFields(const QStringList &fields);
void RemoveFailInfo();

} // namespace UpdateRegistry
