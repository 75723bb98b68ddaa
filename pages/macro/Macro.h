#pragma once
// The macro editor page, third page of the main frame.

#include "FlashDataMap.h"
#include "LanguageLoader.h"

#include <QString>
#include <QWidget>

#include <atomic>

// True while the macro page records keys; the top-level window then ignores
// every key.
extern std::atomic<bool> g_MacroRecording;

class Macro : public QWidget
{
    Q_OBJECT

public:
    explicit Macro(QWidget *parent = nullptr);
    ~Macro() override;

public slots:
    void SlotChangeLanguage(int index);
    void SlotButtonToMacro(FlashDataMap DataMap, int KeyNumer);
    void SlotMacroDownLoadData(QString MacroName, int index);
    // Ends a recording (the main frame sends it on the way back to the device
    // list); harmless when nothing is recorded.
    void SlotSetMacroPage();

private:
    QString m_PicturePath;
    LanguageReaderPtr m_Reader;
};
