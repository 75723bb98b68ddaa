#pragma once
// Flashes a firmware image and shows the outcome.
//
// Manual mode (repair): building the dialog reads the failed updates recorded
// in UpdateFailInfo (one record per device) and flashes the first recorded
// device that has an image and waits, alone, in boot mode; the others wait
// for the next repair. Automatic mode (receiver update): the dialog is built
// for the update (Mode::Update), which leaves every recorded repair to the
// repair button; the opener finds an image with FindFirmware and, once the
// user agrees, StartRepair flashes it.
//
// The library's upgrade callback runs on a library thread: it touches no
// widget and reaches the dialog and the device list through the hub.

#include "DialogSkeleton.h"
#include "UpdateRegistry.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <atomic>

class QKeyEvent;
class Ui_UpDateRepair;

class UpDateRepair : public DialogSkeleton
{
    Q_OBJECT

public:
    // Repair: building the dialog starts the repair of a recorded failed
    // update. Update: nothing starts before StartRepair.
    enum class Mode { Repair, Update };

    explicit UpDateRepair(QWidget *parent = nullptr, Mode mode = Mode::Repair);
    ~UpDateRepair() override;

    // Looks for the image of kind, model name, CID and MID that the shared
    // search chooses (newer than currentVersion, the highest; any version
    // when it is empty) and keeps it.
    bool FindFirmware(int kind, QString currentVersion, QString modelName, int cid, int mid);
    // Automatic mode: flashes the image the last FindFirmware of this dialog kept.
    void StartRepair(int value);
    void DoRepair();

    static void UpgradeCallBack(unsigned char *report);

protected:
    // Escape is the close button: refused while a flash reports progress.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
    void SlotAutoRepair(int index);
    void SlotAutoRepairProgress(int index);

private:
    // Looks for the image of a recorded failed update and remembers the
    // record as what this dialog's flash repairs.
    bool FindRecordedImage(const UpdateRegistry::FailInfo &record);
    // The devices in boot mode that the kept image fits.
    int BootDevicesForImage() const;
    void StartFlash();

    QString LanguageSection() const override;
    LanguageLoader::KeyTable LanguageKeys() override;

    Ui_UpDateRepair *ui;
    bool m_MayStart = true;
    QList<QByteArray> m_Images;
    QString m_FlashingText;
    QString m_NoDeviceText;
    QString m_SameDeviceText;
    QString m_FailText;
    QString m_SuccessText;
    bool m_Automatic = false;
    // Fields of the failed-update record that describe the image FindFirmware
    // kept: kind, receiver class, CID, MID.
    QStringList m_FoundInfo;
};

// The failed update being repaired: kind (210 mouse, 211 receiver), receiver
// class, CID, MID, as decimal texts. Read by the upgrade callback's thread.
QStringList RepairFailInfo();
void SetRepairFailInfo(const QStringList &fields);
