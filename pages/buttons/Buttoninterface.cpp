#include "Buttoninterface.h"

#include "GlobalState.h"
#include "HIDUsb.h"
#include "PostMsg.h"
#include "Worker.h"

#include <QCoreApplication>
#include <QEvent>

Buttoninterface::Buttoninterface(QWidget *parent)
    : QWidget(parent)
    , m_LastRecord(FlashData::zeroRecord())
{
    setObjectName("Buttoninterface");
    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, SIGNAL(SigChangeLanguage(int)), this, SLOT(SlotChangeLanguage(int)));
    connect(hub, SIGNAL(SigMouseIndex(int)), this, SLOT(SlotMouseIndex(int)));
    m_PicturePath = QCoreApplication::applicationDirPath() + "/Picture/Buttoninterface/";

    connect(hub, SIGNAL(SigUpDataLightUIButton(FlashDataMap)), this, SLOT(SlotUpDataButtonUIButton(FlashDataMap)),
            Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigUpDataConfigUI(int , int , bool )), this, SLOT(SlotUpDataConfigUI(int , int , bool )),
            Qt::BlockingQueuedConnection);
    connect(hub, SIGNAL(SigUpDataButtonUIC(FlashDataMap)), this, SLOT(SlotUpDataButtonUIB(FlashDataMap)));
    connect(hub, SIGNAL(SigAddMacroButton()), this, SLOT(SlotAddMacroButton()));
    connect(hub, SIGNAL(SigDeleteMacroButton(QString )), this, SLOT(SlotDeleteMacroButton(QString )));
    connect(hub, SIGNAL(SigUpDataMacro(QString,int)), this, SLOT(SlotUpDataMacro(QString,int)));
    connect(hub, SIGNAL(SigMacroRename(QString,QString)), this, SLOT(SlotMacroRename(QString,QString)));
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormResetButton()), Qt::BlockingQueuedConnection);

    // The one device worker (no parent); its constructor starts the poll.
    g_Worker = new Worker;

    SlotChangeLanguage(LanguageLoader::StoredIndex());
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

void Buttoninterface::SlotChangeLanguage(int index)
{
    LanguageLoader::Load(index, "Buttoninterface", LanguageLoader::KeyTable(), m_Reader);
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
    g_ButtonPageUpdated = 0;
    g_ButtonPageUpdating = 1;
    FillFromRecord(DataMap);
    g_ButtonPageUpdated = 1;
    g_ButtonPageUpdating = 0;
}

void Buttoninterface::SlotUpDataConfigUI(int, int, bool)
{
}

void Buttoninterface::SlotUpDataButtonUIB(FlashDataMap DataMap)
{
    g_ButtonPageUpdating = 1;
    FillFromRecord(DataMap);
    g_ButtonPageUpdating = 0;
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
    g_ButtonPageUpdating = 1;
    m_LastRecord = FlashData::zeroRecord();
    PostMsg::GetInstance()->EmitMouseIndex(0);
    g_ButtonPageUpdating = 0;
}
