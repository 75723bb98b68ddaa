#include "Macro.h"

#include "PostMsg.h"

std::atomic<bool> g_MacroRecording { false };

Macro::Macro(QWidget *parent)
    : PageSkeleton(QStringLiteral("Macro"), QStringLiteral("Macro"), parent)
{
    ConnectHub(&PostMsg::SigButtonToMacro, &Macro::SlotButtonToMacro);
    ConnectHub(&PostMsg::SigMacroDownLoadData, &Macro::SlotMacroDownLoadData);
    ConnectHub(&PostMsg::SigSetMacroPage, &Macro::SlotSetMacroPage);

    LoadStoredLanguage();
}

Macro::~Macro() = default;

void Macro::SlotButtonToMacro(FlashDataMap, int)
{
}

void Macro::SlotMacroDownLoadData(QString, int)
{
}

void Macro::SlotSetMacroPage()
{
    PostMsg::GetInstance()->EmitStartRecord(1);
    g_MacroRecording = false;
}
