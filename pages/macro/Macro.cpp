#include "Macro.h"

#include "PostMsg.h"

#include <QCoreApplication>

std::atomic<bool> g_MacroRecording { false };

Macro::Macro(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("Macro");
    m_PicturePath = QCoreApplication::applicationDirPath() + "/Picture/Macro/";

    PostMsg *hub = PostMsg::GetInstance();
    connect(hub, SIGNAL(SigChangeLanguage(int)), this, SLOT(SlotChangeLanguage(int)));
    connect(hub, SIGNAL(SigButtonToMacro(FlashDataMap,int)), this, SLOT(SlotButtonToMacro(FlashDataMap,int)));
    connect(hub, SIGNAL(SigMacroDownLoadData(QString,int)), this, SLOT(SlotMacroDownLoadData(QString,int)));
    connect(hub, SIGNAL(SigSetMacroPage()), this, SLOT(SlotSetMacroPage()));

    SlotChangeLanguage(LanguageLoader::StoredIndex());
}

Macro::~Macro() = default;

void Macro::SlotChangeLanguage(int index)
{
    LanguageLoader::Load(index, "Macro", LanguageLoader::KeyTable(), m_Reader);
}

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
