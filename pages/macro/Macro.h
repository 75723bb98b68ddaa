#pragma once
// The macro editor page, third page of the main frame.

#include "FlashDataMap.h"
#include "PageSkeleton.h"

#include <atomic>

// True while the macro page records keys; the top-level window then ignores
// every key.
extern std::atomic<bool> g_MacroRecording;

class Macro : public PageSkeleton
{
    Q_OBJECT

public:
    explicit Macro(QWidget *parent = nullptr);
    ~Macro() override;

public slots:
    void SlotButtonToMacro(FlashDataMap DataMap, int KeyNumer);
    void SlotMacroDownLoadData(QString MacroName, int index);
    // Ends a recording (the main frame sends it on the way back to the device
    // list); harmless when nothing is recorded.
    void SlotSetMacroPage();
};
