#pragma once
// The button-mapping page, first page of the main frame. It holds the device
// link (DeviceLink), so the program's one device worker (g_Worker) and its
// 1300 ms poll exist from start-up on.
//
// The page takes every record the worker and the data callback send; at the
// end of a full refresh it raises the button page's acknowledgement
// (g_ButtonPageUpdated), which the apply-and-wait dialog waits for.

#include "DeviceLink.h"
#include "FlashDataMap.h"
#include "PageSkeleton.h"

#include <memory>

class Buttoninterface : public PageSkeleton
{
    Q_OBJECT

public:
    explicit Buttoninterface(QWidget *parent = nullptr);
    ~Buttoninterface() override;

    // The record of the last refresh (tests).
    FlashDataMap LastRecord() const { return m_LastRecord; }
    int RefreshCount() const { return m_RefreshCount; }

public slots:
    void SlotMouseIndex(int index);
    void SlotUpDataButtonUIButton(FlashDataMap DataMap);
    void SlotUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable);
    void SlotUpDataButtonUIB(FlashDataMap DataMap);
    void SlotAddMacroButton();
    void SlotDeleteMacroButton(QString MacroName);
    void SlotUpDataMacro(QString MacroName, int index);
    void SlotMacroRename(QString MacroName, QString NewName);
    void SlotFormResetButton();

private:
    void FillFromRecord(const FlashDataMap &record);

    FlashDataMap m_LastRecord;
    int m_RefreshCount = 0;
    std::unique_ptr<DeviceLink> m_Link;
};
