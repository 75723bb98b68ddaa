#pragma once
// The small modal "please wait" dialog that covers a device read or a
// configuration import while it settles. StartTimer arms a 4500 ms one-shot
// timer; when it fires, the dialog does the work of its mode, waits for the
// sensor and button pages to acknowledge their refresh, reports a failure
// through the offline notice and closes itself.
//
// Modes: normal (after a read pass: acknowledge, or refresh from the cache
// file for an offline device), settle (m_SettleMode, after a forced re-read
// or a device reset) and import (m_ImportMode with m_ProfilePath).

#include "FlashDataMap.h"
#include "LanguageLoader.h"

#include <QDialog>
#include <QString>

class QTimer;
class Ui_UpDataParam;

// The exported configuration file: three QDataStream byte blocks (a 32-bit
// big-endian length, then the bytes): the maker tag, the sensor name of the
// mouse's model, the parameter record. The two text fields are read up to
// their first zero byte; a written file holds 10464 bytes.
namespace ProfileFile {
constexpr char Tag[] = "Varno";
constexpr int FieldSize = 12; // the tag's and the sensor name's blocks
} // namespace ProfileFile

class UpDataParam : public QDialog
{
    Q_OBJECT

public:
    explicit UpDataParam(QWidget *parent = nullptr);
    ~UpDataParam() override;

    // Starts (or restarts) the 4500 ms one-shot timer.
    void StartTimer();

    // Reads an exported configuration file: 0 accepted (out holds its
    // record), 1 unreadable or not a configuration file of this utility (a
    // record block of the wrong size included), 2 for another sensor or with
    // more DPI levels than the current model offers.
    static int ReadProfileFile(QString path, FlashDataMap *out);
    // Writes record as a configuration file of the current model; false when
    // the file could not be written whole (nothing is left at path then, and
    // a file that was there stays as it was).
    static bool WriteProfileFile(const QString &path, const FlashDataMap &record);

    // One wait step: processes events for 500 ms.
    static void WaitStep(int ms = 500);

    QString m_ProfilePath;
    bool m_ImportMode = false;
    bool m_SettleMode = false;

    // For tests.
    QTimer *Timer() const { return m_Timer; }
    QString LabelText() const;

private slots:
    void onTimeupDestroy();
    void SlotChangeLanguage(int index);

private:
    // Up to 12 wait steps; true as soon as both pages acknowledged.
    bool WaitForAcknowledgements();

    Ui_UpDataParam *ui = nullptr;
    QTimer *m_Timer = nullptr;
    QString m_PicturePath;
    LanguageReaderPtr m_Reader;
    bool m_Running = false;
};
