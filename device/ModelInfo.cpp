#include "ModelInfo.h"

#include "ConfigIni.h"

ModelInfo::ModelInfo(const DeviceAllInfo &device)
    : ModelInfo(device.ModelIndex, ReceiverClassOf(device.ReceiverType))
{
}

ModelInfo::ModelInfo(int modelIndex, int receiverClass)
    : m_ModelIndex(modelIndex)
    , m_ReceiverClass(receiverClass)
{
}

ModelInfo ModelInfo::OfIndex(int modelIndex)
{
    return ModelInfo(modelIndex, 0);
}

QString ModelInfo::GroupName(int modelIndex)
{
    return QStringLiteral("Drive") + QString::number(modelIndex + 1);
}

int ModelInfo::ModelCount()
{
    return ConfigIni::GetInstance()->ModelTotal();
}

int ModelInfo::IndexOfMid(int mid)
{
    // Only the groups the file holds: the count comes from the file too and
    // may name far more models than exist.
    for (const int n : ConfigIni::GetInstance()->ModelGroups()) {
        if (OfIndex(n - 1).Mid() == mid)
            return n - 1;
    }
    return -1;
}

QString ModelInfo::CidText()
{
    return ConfigIni::GetInstance()->GetValue(QStringLiteral("Option"), QStringLiteral("CID"));
}

int ModelInfo::Cid()
{
    return CidText().toInt();
}

int ModelInfo::ReceiverClassOf(uchar receiverType)
{
    switch (receiverType) {
    case 0:
        return 1;
    case 4:
        return 2;
    case 1:
        return 4;
    default:
        return 0;
    }
}

QString ModelInfo::ReceiverFirmwareKeyOf(int receiverClass)
{
    switch (receiverClass) {
    case 1:
        return QStringLiteral("DM");
    case 2:
        return QStringLiteral("D2M");
    case 4:
        return QStringLiteral("D4M");
    default:
        return QString();
    }
}

QList<int> ModelInfo::ReceiverClasses()
{
    return {1, 2, 4};
}

int ModelInfo::ReceiverClassOfText(const QString &text)
{
    for (int receiverClass : ReceiverClasses()) {
        if (text == QString::number(receiverClass))
            return receiverClass;
    }
    return 0;
}

bool ModelInfo::IsKnown() const
{
    return m_ModelIndex >= 0 && m_ModelIndex < ModelCount();
}

QString ModelInfo::Text(const QString &key) const
{
    return ConfigIni::GetInstance()->GetValue(Group(), key);
}

QStringList ModelInfo::List(const QString &key) const
{
    return ConfigIni::GetInstance()->GetValueList(Group(), key);
}

QString ModelInfo::ReceiverFirmwareName() const
{
    const QString key = ReceiverFirmwareKey();
    return key.isEmpty() ? QString() : Text(key);
}

QStringList ModelInfo::KeyDefault(int button) const
{
    return List(QStringLiteral("KeyParam") + QString::number(button + 1));
}
