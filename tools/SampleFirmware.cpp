#include "SampleFirmware.h"

#include "HIDUsbSim.h"
#include "ModelInfo.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace SampleFirmware {

QList<Image> Images(int kind)
{
    QList<Image> images;
    const int cid = ModelInfo::Cid();
    for (int index = 0; index < ModelInfo::ModelCount(); ++index) {
        const ModelInfo model = ModelInfo::OfIndex(index);
        auto add = [&](int imageKind, const QString &name, const QString &what) {
            if (name.isEmpty() || (kind != 0 && kind != imageKind))
                return;
            Image image;
            image.FileName = "sample-" + model.Group() + "-" + what + ".bin";
            image.Kind = imageKind;
            image.ModelName = name;
            image.Mid = model.Mid();
            image.Bytes = HIDUsbSim::makeFirmwareImage(quint8(imageKind), quint8(cid), quint8(image.Mid), Version,
                                                       name.toLatin1());
            images << image;
        };
        add(HIDUSB_FW_KIND_MOUSE, model.MouseFirmwareName(), QStringLiteral("mouse"));
        for (int receiverClass : ModelInfo::ReceiverClasses())
            add(HIDUSB_FW_KIND_RECEIVER, model.Text(ModelInfo::ReceiverFirmwareKeyOf(receiverClass)),
                "receiver-" + QString::number(receiverClass) + "kHz");
    }
    return images;
}

bool Write(const QString &folder, int kind, QStringList *written, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = "cannot create " + folder;
        return false;
    }
    for (const Image &image : Images(kind)) {
        QSaveFile file(folder + "/" + image.FileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(image.Bytes) != image.Bytes.size() || !file.commit()) {
            *error = file.fileName() + ": " + file.errorString();
            return false;
        }
        *written << file.fileName();
    }
    return true;
}

bool Remove(const QString &folder, QStringList *removed, QString *error)
{
    for (const Image &image : Images()) {
        QFile file(folder + "/" + image.FileName);
        if (!file.exists())
            continue;
        if (!file.remove()) {
            *error = file.fileName() + ": " + file.errorString();
            return false;
        }
        *removed << file.fileName();
    }
    return true;
}

} // namespace SampleFirmware
