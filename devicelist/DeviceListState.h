#pragma once
// State of the device list area: the page, the texts of its language section
// that other windows and its static helpers use, and its tiles. GUI thread
// only.
//
// The page fills all of it when it is built and reads it back while it
// lives, so ResetState() puts the start values back only while no device
// list page exists: a living page keeps what it built.

#include <QList>
#include <QString>

class DialogChange;
class QWidget;

// The page (null while none exists) and the number of tiles it shows.
extern DialogChange *g_DeviceListPage;
extern int g_DeviceTotal;
// The page's picture folder and the texts of its language section.
extern QString g_DeviceListPicturePath;
extern QString g_Label2Text;
extern QString g_RepairDeviceText;
extern QString g_OfflineTips1Text;
extern QString g_OfflineTips2Text;
extern QString g_MouseIsNewTipsText;
// Per tile: the tile's button, its offline mark, its link mark and its class icon.
extern QList<QWidget *> g_TileButtons;
extern QList<QWidget *> g_TileOfflineMarks;
extern QList<QWidget *> g_TileLinkMarks;
extern QList<QWidget *> g_TileClassIcons;

namespace DeviceListState {
void ResetState();
}
