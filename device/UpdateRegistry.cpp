#include "UpdateRegistry.h"

#include "RegistryStore.h"

namespace {

const QString kFailInfo = QStringLiteral("UpdateFailInfo");

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

QString FailInfoText()
{
    return RegistryStore::value(RegistryStore::mouseTestKey(), kFailInfo).toString();
}

bool HasFailInfo()
{
    return !FailInfoText().isEmpty();
}

QStringList FailInfoFields()
{
    return FailInfoText().split(QLatin1Char(','), Qt::KeepEmptyParts);
}

bool ParseFailInfo(const QString &text, FailInfo *info)
{
    const QStringList fields = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (fields.size() != 4)
        return false;
    if (info) {
        info->Kind = fields.at(0).toInt();
        info->ReceiverClass = fields.at(1).toInt();
        info->CID = fields.at(2).toInt();
        info->MID = fields.at(3).toInt();
    }
    return true;
}

void SetFailInfo(const FailInfo &info)
{
    RegistryStore::setValue(RegistryStore::mouseTestKey(), kFailInfo, info.Text());
}

void SetFailInfoFields(const QStringList &fields)
{
    RegistryStore::setValue(RegistryStore::mouseTestKey(), kFailInfo, fields.join(QLatin1Char(',')));
}

void RemoveFailInfo()
{
    RegistryStore::remove(RegistryStore::mouseTestKey(), kFailInfo);
}

} // namespace UpdateRegistry
