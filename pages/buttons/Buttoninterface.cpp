#include "Buttoninterface.h"

#include "GlobalState.h"
#include "HIDUsb.h"
#include "PostMsg.h"
#include "Worker.h"

Buttoninterface::Buttoninterface(QWidget *parent)
    : PageSkeleton(QStringLiteral("Buttoninterface"), QStringLiteral("Buttoninterface"), parent)
    , m_LastRecord(FlashData::zeroRecord())
{
    ConnectHub(&PostMsg::SigMouseIndex, &Buttoninterface::SlotMouseIndex);
    ConnectHub(&PostMsg::SigUpDataLightUIButton, &Buttoninterface::SlotUpDataButtonUIButton,
               Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataConfigUI, &Buttoninterface::SlotUpDataConfigUI, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataButtonUIC, &Buttoninterface::SlotUpDataButtonUIB);
    ConnectHub(&PostMsg::SigAddMacroButton, &Buttoninterface::SlotAddMacroButton);
    ConnectHub(&PostMsg::SigDeleteMacroButton, &Buttoninterface::SlotDeleteMacroButton);
    ConnectHub(&PostMsg::SigUpDataMacro, &Buttoninterface::SlotUpDataMacro);
    ConnectHub(&PostMsg::SigMacroRename, &Buttoninterface::SlotMacroRename);
    ConnectHub(&PostMsg::SigFormReset, &Buttoninterface::SlotFormResetButton, Qt::BlockingQueuedConnection);

    m_Link = std::make_unique<DeviceLink>();

    LoadStoredLanguage();
}

Buttoninterface::~Buttoninterface()
{
    Worker::Stop();
    // First: a hot-plug notification served below would select a device again.
    StopUsbChanged();
    // Then the worker: its wait serves a pass blocked on this page.
    m_Link.reset();
}

void Buttoninterface::SlotMouseIndex(int)
{
}

void Buttoninterface::FillFromRecord(const FlashDataMap &record)
{
    m_LastRecord = record;
    ++m_RefreshCount;
}

void Buttoninterface::SlotUpDataButtonUIButton(FlashDataMap DataMap)
{
    const FillGuard fill(g_ButtonPageUpdating, &g_ButtonPageUpdated);
    FillFromRecord(DataMap);
}

void Buttoninterface::SlotUpDataConfigUI(int, int, bool)
{
}

void Buttoninterface::SlotUpDataButtonUIB(FlashDataMap DataMap)
{
    const FillGuard fill(g_ButtonPageUpdating);
    FillFromRecord(DataMap);
}

void Buttoninterface::SlotAddMacroButton()
{
}

void Buttoninterface::SlotDeleteMacroButton(QString)
{
}

void Buttoninterface::SlotUpDataMacro(QString, int)
{
}

void Buttoninterface::SlotMacroRename(QString, QString)
{
}

void Buttoninterface::SlotFormResetButton()
{
    const FillGuard fill(g_ButtonPageUpdating);
    m_LastRecord = FlashData::zeroRecord();
    PostMsg::GetInstance()->EmitMouseIndex(0);
}
