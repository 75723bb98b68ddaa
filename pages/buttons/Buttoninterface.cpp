#include "Buttoninterface.h"

#include "GlobalState.h"
#include "HIDUsb.h"
#include "PostMsg.h"
#include "Worker.h"

#include <QCoreApplication>
#include <QEvent>

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

    // The one device worker (no parent); its constructor starts the poll.
    g_Worker = new Worker;

    LoadStoredLanguage();
}

Buttoninterface::~Buttoninterface()
{
    Worker::Stop();
    // First: a hot-plug notification served below would select a device again.
    StopUsbChanged();
    if (Worker *worker = g_Worker.exchange(nullptr)) {
        // A running pass may be blocked handing a refresh to a page of this
        // thread (blocking connection); a plain wait() would then never
        // return. Keep serving those calls until the pass has ended.
        while (!worker->wait(10))
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        worker->deleteLater();
    }
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
