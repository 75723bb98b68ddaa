#pragma once
// What the device link does with the reports the library hands it.
//
// DataCallBack is the data callback given to UsbServerC_Start: it runs on the
// library's thread, looks the report's command (header byte 1) up in a table
// of handlers and runs the one found; a command not in the table is passed
// over. The handlers reach the pages through blocking hub connections, so
// none of this may run on the GUI thread.

#include "FlashDataMap.h"
#include "PostMsg.h"

#include <QtGlobal>

namespace DeviceReports {

void DataCallBack(unsigned char *header, int headerLength, unsigned char *data, int length);

// Acts on the change flags of the last status-change report: re-reads what
// changed; a configuration switch asks for a full re-read, at most once in
// 3 s.
void ReadChangedStatus();

// The configuration-switch throttle starts anew (the worker's constructor).
void RestartProfileChangeTimer();
// Test hook: makes the throttle look older by ms.
void AgeProfileChangeTimer(qint64 ms);

// The pages' refresh: button, lighting and sensor page each get a record from
// source(), then the settings page its SigForm. The full read hands a fresh
// copy of the global record to each, so a change the user made while an
// earlier page was filling reaches the later ones too.
template<typename Source>
void EmitRecordRefresh(Source source)
{
    PostMsg *hub = PostMsg::GetInstance();
    hub->EmitUpDataLightUIButton(source());
    hub->EmitUpDataLightLight(source());
    hub->EmitUpDataLightSensor(source());
    hub->EmitForm();
}

} // namespace DeviceReports
