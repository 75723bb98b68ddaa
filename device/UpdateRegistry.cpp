#include "UpdateRegistry.h"

#include "FirmwareImage.h"
#include "RegistryStore.h"

#include <QStringList>

#include <mutex>

namespace {

const QString kFailInfo = QStringLiteral("UpdateFailInfo");
const QChar kRecordSeparator = QLatin1Char(';');

// Every change of the records is a read, a change and a write of the one
// value; the upgrade callbacks make them on the library's threads.
std::mutex g_RecordsMutex;

// The well-formed records of the stored value; *malformed (when given) tells
// whether any part was not.
QList<UpdateRegistry::FailInfo> ReadRecords(bool *malformed)
{
    QList<UpdateRegistry::FailInfo> records;
    const QString text = RegistryStore::value(RegistryStore::mouseTestKey(), kFailInfo).toString();
    if (malformed)
        *malformed = false;
    if (text.isEmpty())
        return records;
    for (const QString &part : text.split(kRecordSeparator, Qt::KeepEmptyParts)) {
        UpdateRegistry::FailInfo info;
        if (UpdateRegistry::ParseFailInfo(part, &info)) {
            if (!records.contains(info))
                records << info;
        } else if (malformed) {
            *malformed = true;
        }
    }
    return records;
}

// The value holds these records, or goes when there are none.
void WriteRecords(const QList<UpdateRegistry::FailInfo> &records)
{
    if (records.isEmpty()) {
        RegistryStore::remove(RegistryStore::mouseTestKey(), kFailInfo);
        return;
    }
    QStringList parts;
    for (const UpdateRegistry::FailInfo &info : records)
        parts << info.Text();
    RegistryStore::setValue(RegistryStore::mouseTestKey(), kFailInfo, parts.join(kRecordSeparator));
}

} // namespace

namespace UpdateRegistry {

QString MouseVersionName(const QString &cidText, const QString &midText)
{
    return QStringLiteral("MouseVer") + cidText + midText;
}

QString MouseVersion(const QString &cidText, const QString &midText)
{
    return RegistryStore::value(RegistryStore::mouseTestKey(), MouseVersionName(cidText, midText)).toString();
}

void SetMouseVersion(const QString &cidText, const QString &midText, const QString &version)
{
    RegistryStore::setValue(RegistryStore::mouseTestKey(), MouseVersionName(cidText, midText), version);
}

QString FailInfo::Text() const
{
    return QStringList{QString::number(Kind), QString::number(ReceiverClass), QString::number(CID),
                       QString::number(MID)}
        .join(QLatin1Char(','));
}

bool FailInfo::operator==(const FailInfo &other) const
{
    return Kind == other.Kind && ReceiverClass == other.ReceiverClass && CID == other.CID && MID == other.MID;
}

QString FailInfoText()
{
    return RegistryStore::value(RegistryStore::mouseTestKey(), kFailInfo).toString();
}

bool HasFailInfo()
{
    return !FailInfoText().isEmpty();
}

bool ParseFailInfo(const QString &text, FailInfo *info)
{
    const QStringList fields = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (fields.size() != 4)
        return false;
    // Each field is one byte of a firmware image header (kind, receiver
    // class, CID, MID), written in decimal: anything else ("abc", "-1",
    // "+5", " 7", "999", a number past any int) names no device a flash
    // could ever bring back, so the record is malformed.
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const QString &field = fields.at(i);
        if (field.isEmpty())
            return false;
        for (const QChar c : field)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        bool ok = false;
        values[i] = field.toInt(&ok);
        if (!ok || values[i] > 255)
            return false;
    }
    if (info) {
        info->Kind = values[0];
        info->ReceiverClass = values[1];
        info->CID = values[2];
        info->MID = values[3];
    }
    return true;
}

QList<FailInfo> FailRecords()
{
    std::lock_guard<std::mutex> guard(g_RecordsMutex);
    return ReadRecords(nullptr);
}

QList<FailInfo> DropMalformedRecords()
{
    std::lock_guard<std::mutex> guard(g_RecordsMutex);
    bool malformed = false;
    const QList<FailInfo> records = ReadRecords(&malformed);
    if (malformed)
        WriteRecords(records);
    return records;
}

void AddFailRecord(const FailInfo &info)
{
    std::lock_guard<std::mutex> guard(g_RecordsMutex);
    QList<FailInfo> records = ReadRecords(nullptr);
    const int known = records.indexOf(info);
    if (known >= 0)
        records[known] = info;
    else
        records << info;
    WriteRecords(records);
}

void RemoveFailRecord(const FailInfo &info)
{
    std::lock_guard<std::mutex> guard(g_RecordsMutex);
    QList<FailInfo> records = ReadRecords(nullptr);
    if (records.removeAll(info) > 0)
        WriteRecords(records);
}

void RemoveFailInfo()
{
    std::lock_guard<std::mutex> guard(g_RecordsMutex);
    RegistryStore::remove(RegistryStore::mouseTestKey(), kFailInfo);
}

void RecordFlashEnd(const FailInfo &device, bool succeeded)
{
    if (succeeded)
        RemoveFailRecord(device);
    else if (FirmwareImage::HoldsImage())
        AddFailRecord(device);
}

} // namespace UpdateRegistry
