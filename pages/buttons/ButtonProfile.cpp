// The page's three actions on the mouse's whole configuration: the factory
// reset, and the export and import of configuration files. The page only
// starts them; the apply-and-wait dialog does the waiting, reads an imported
// file and refreshes the pages.

#include "Buttoninterface.h"

#include "ContainReset.h"
#include "DialogSkeleton.h"
#include "DialogsState.h"
#include "ExportFail.h"
#include "FileDialogs.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "OfflineAction.h"
#include "PostMsg.h"
#include "UpDataParam.h"
#include "Worker.h"

#include <QTimer>

namespace {

// Where the dialogs of these actions stand: up and left of the page's centre.
constexpr int kDialogDx = -75;
constexpr int kDialogDy = -65;

const QString kFileFilter = QStringLiteral("File(*.bin)");

} // namespace

void Buttoninterface::on_Reset_clicked()
{
    // Reset and import need the mouse; a page that is filling is no excuse.
    if (!OfflineAction::DeviceAnswers()) {
        PostMsg::GetInstance()->EmitMouseOffLineo(0);
        return;
    }
    ContainReset confirm;
    DialogSkeleton::MoveOver(&confirm, this, kDialogDx, kDialogDy);
    confirm.exec();
    if (!confirm.m_Ok)
        return;

    // The page's own wait dialog stands for the read that follows: no pass
    // may ask the main frame for another one, and the poll keeps still.
    g_ProfileLoading = 1;
    if (g_PollTimer)
        g_PollTimer->stop();
    FlashData::send(); // the record as it stands, then the clear command
    UsbServer_SetClearSetting();

    UpDataParam wait;
    wait.StartTimer();
    wait.m_SettleMode = true;
    g_WorkerRunEnable = true;
    if (Worker *worker = g_Worker.load())
        worker->start(QThread::InheritPriority);
    DialogSkeleton::MoveOver(&wait, this, kDialogDx, kDialogDy);
    // The acknowledgements of the last read are not cleared: a wait that
    // finds them still set ends after its first look.
    wait.exec();

    g_ProfileLoading = 0;
    if (g_PollTimer)
        g_PollTimer->start();
}

void Buttoninterface::on_ImportData_clicked()
{
    if (!OfflineAction::DeviceAnswers()) {
        PostMsg::GetInstance()->EmitMouseOffLineo(0);
        return;
    }
    // Raised while the chooser is open too: a pass meanwhile must not open
    // the main frame's wait dialog over it.
    g_ProfileLoading = 1;
    const QString path = FileDialogs::Open(this, QStringLiteral("SelectFile"), kFileFilter);
    if (!path.isEmpty()) {
        g_ImportingProfile = 1; // before the dialog exists: its texts are the import's
        {
            UpDataParam wait;
            wait.StartTimer();
            wait.m_ImportMode = true;
            wait.m_ProfilePath = path;
            DialogSkeleton::MoveOver(&wait, this, kDialogDx, kDialogDy);
            wait.exec();
        }
        g_ImportingProfile = 0;
    }
    g_ProfileLoading = 0;
}

void Buttoninterface::on_OutputData_clicked()
{
    // No device needed: the file holds the record as the page last knew it.
    const QString path = FileDialogs::Save(this, QStringLiteral("FileSave"), kFileFilter);
    if (path.isEmpty())
        return;
    if (UpDataParam::WriteProfileFile(path, FlashData::snapshot()))
        return;
    ExportFail notice;
    DialogSkeleton::MoveOver(&notice, this, kDialogDx, kDialogDy);
    notice.exec();
}
