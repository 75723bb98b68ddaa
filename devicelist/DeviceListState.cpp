#include "DeviceListState.h"

DialogChange *g_DeviceListPage = nullptr;
int g_DeviceTotal = 0;
QString g_DeviceListPicturePath;
QString g_Label2Text;
QString g_RepairDeviceText;
QString g_OfflineTips1Text;
QString g_OfflineTips2Text;
QString g_MouseIsNewTipsText;
QList<QWidget *> g_TileButtons;
QList<QWidget *> g_TileOfflineMarks;
QList<QWidget *> g_TileLinkMarks;
QList<QWidget *> g_TileClassIcons;

namespace DeviceListState {

void ResetState()
{
    if (g_DeviceListPage)
        return;
    g_DeviceTotal = 0;
    for (QString *text : {&g_DeviceListPicturePath, &g_Label2Text, &g_RepairDeviceText, &g_OfflineTips1Text,
                          &g_OfflineTips2Text, &g_MouseIsNewTipsText})
        text->clear();
    for (QList<QWidget *> *tiles : {&g_TileButtons, &g_TileOfflineMarks, &g_TileLinkMarks, &g_TileClassIcons})
        tiles->clear();
}

} // namespace DeviceListState
