#pragma once
// The device list page: page 0 of the top-level window. One tile per found
// device, three to a page, with arrows between pages; the language selector;
// the Repair button shown while a failed firmware update is recorded.
//
// The device code of the page is static because the vendor library calls the
// hot-plug callback without an object; it reaches the page through
// g_DeviceListPage.

#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

#include "LanguageLoader.h"

class QEvent;
struct DeviceAllInfo;
class Ui_DialogChange;

class DialogChange : public QWidget
{
    Q_OBJECT

public:
    explicit DialogChange(QWidget *parent = nullptr);
    ~DialogChange() override;

    // Device list hot-plug callback (registered with StartUsbChanged).
    static void UsbChangedCallBack();
    static void FindDevices(QString vid, QVector<QString> pids, int interfaceId, int deviceId);
    static bool IdentifyDevice(DeviceAllInfo &info);
    static bool CheckDeviceOnline(int index);
    static bool UpDataDeviceOnline(int index);
    // Rebuilds the tiles from g_PickerDeviceList.
    static void UpDataDeviceList();

    // The Repair button and label_2 always change together.
    void SetRepairShown(bool shown);

signals:
    // Sent first when a tile is clicked, before anything of the selection
    // goes out through the hub.
    void TileClicked();

public slots:
    void ChangeDialogLanguage(int index);
    void slotButtonClicked();
    void SlotSameLanguageA(int index);
    void SlotUpDateButton(bool IsHide);
    void SlotEnterKey();

private slots:
    void on_CloseButton_clicked();
    void on_MinButton_clicked();
    void on_comboBox_activated(int index);
    void on_Repair_clicked();
    void on_LeftButton_clicked();
    void on_RightButton_clicked();
    void on_CloseButton_2_clicked();
    void on_NewHong_clicked();
    void on_NoApear_clicked(bool checked);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Device selection helpers.
    void PairingCheck(const DeviceAllInfo &entry);
    void RunMatch(const DeviceAllInfo &entry);
    void SelectDevice(const DeviceAllInfo &entry);
    void PlaceDialog(QWidget *dialog, int dx, int dy) const;
    void QueueDuplicateNotice();
    static void ShowDuplicateNotice(QWidget *over);

    static void ApplyTileState(int index);
    static QWidget *BuildTilePage(int first, int count);

    Ui_DialogChange *ui = nullptr;
    LanguageReaderPtr m_Reader;
};
