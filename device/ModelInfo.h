#pragma once
// One model's facts: its Config.ini group and its receiver. Every per-model
// lookup goes through here, so the group name and the receiver rule exist
// once.
//
//  - The model index n - 1 of a device selects the group "Drive" + n; a
//    device of no known model carries the index "DeviceTotal", whose group
//    does not exist, so every key then reads empty (0 for numbers).
//  - The receiver type byte gives the receiver class: type 0 (1 kHz) class 1,
//    type 4 (2 kHz) class 2, type 1 (4 kHz) class 4, anything else (cable)
//    class 0. The class picks the receiver firmware key: 1 "DM", 2 "D2M",
//    4 "D4M", 0 none.
//  - "CID" is one for all models (group "Option").
//
// A ModelInfo is a view: each getter reads Config.ini when it is called, so
// it is as current as the store and cheap to make wherever a device is at
// hand. Lists are the comma-separated items, unchanged (the pages give them
// their meaning); numbers read as decimal integers, 0 when missing.

#include "DeviceAllInfo.h"

#include <QString>
#include <QStringList>

class ModelInfo
{
public:
    // The model and receiver of a found device.
    explicit ModelInfo(const DeviceAllInfo &device);
    // A model without a receiver (class 0), e.g. while walking all models.
    static ModelInfo OfIndex(int modelIndex);

    // "Drive" + (modelIndex + 1).
    static QString GroupName(int modelIndex);
    // Number of models ("Option"/"DeviceTotal").
    static int ModelCount();
    // Index of the first model whose "MID" is mid; -1 when none has it.
    static int IndexOfMid(int mid);
    // The one customer ID of all models ("Option"/"CID"), text and number.
    static QString CidText();
    static int Cid();

    // Receiver class of a receiver type byte (1, 2, 4, or 0 for a cable).
    static int ReceiverClassOf(uchar receiverType);
    // "DM", "D2M", "D4M" for receiver class 1, 2, 4; empty for any other.
    static QString ReceiverFirmwareKeyOf(int receiverClass);
    // The receiver classes that have a firmware key, in key order.
    static QList<int> ReceiverClasses();
    // The class a recorded class text names ("1", "2", "4" exactly); 0 else.
    static int ReceiverClassOfText(const QString &text);

    int ModelIndex() const { return m_ModelIndex; }
    QString Group() const { return GroupName(m_ModelIndex); }
    // A model of Config.ini (index 0 ... DeviceTotal - 1).
    bool IsKnown() const;

    // Any key of the group, as text and as list.
    QString Text(const QString &key) const;
    QStringList List(const QString &key) const;

    QString MidText() const { return Text(QStringLiteral("MID")); }
    int Mid() const { return MidText().toInt(); }
    QString SensorName() const { return Text(QStringLiteral("Sensor")); }
    // Firmware model names: the mouse's ("MM"), the receiver's by class.
    QString MouseFirmwareName() const { return Text(QStringLiteral("MM")); }
    int ReceiverClass() const { return m_ReceiverClass; }
    QString ReceiverFirmwareKey() const { return ReceiverFirmwareKeyOf(m_ReceiverClass); }
    // Empty when the class has no key.
    QString ReceiverFirmwareName() const;

    int KeyNumber() const { return Text(QStringLiteral("KeyNumber")).toInt(); }
    // Default function of device button 0 ... 5 ("KeyParam" + (button + 1)).
    QStringList KeyDefault(int button) const;
    // One DPI range per three items, the sensor flag mode last.
    QStringList DpiRange() const { return List(QStringLiteral("DPIRange")); }
    int DpiMaxGrade() const { return Text(QStringLiteral("DPIMaxGrade")).toInt(); }
    QStringList DpiGrades() const { return List(QStringLiteral("DPIGrade")); }
    // Three items red, green, blue per DPI level.
    QStringList DpiColors() const { return List(QStringLiteral("DPIColor")); }
    // 2 hides the sensor page's option frames.
    int XIn1() const { return Text(QStringLiteral("XIn1")).toInt(); }
    // Item 0 long-range mode, item 1 receiver lighting ("-1" not offered).
    QStringList Advanced() const { return List(QStringLiteral("Adveanced")); }

private:
    ModelInfo(int modelIndex, int receiverClass);

    int m_ModelIndex = 0;
    int m_ReceiverClass = 0;
};
