#include "PageSkeleton.h"

#include "UserPaths.h"

#include <QAbstractItemView>
#include <QFrame>

PageSkeleton::PageSkeleton(const QString &section, const QString &pictureFolder, QWidget *parent)
    : QWidget(parent)
    , m_PicturePath(PictureFolder(pictureFolder))
    , m_Section(section)
{
    setObjectName(section);
    connect(PostMsg::GetInstance(), &PostMsg::SigChangeLanguage, this, &PageSkeleton::SlotChangeLanguage);
}

PageSkeleton::~PageSkeleton() = default;

QString PageSkeleton::PictureFolder(const QString &folder)
{
    return UserPaths::pictureFolder() + folder + QStringLiteral("/");
}

void PageSkeleton::LoadStoredLanguage()
{
    FlattenStyledPanels();
    SlotChangeLanguage(LanguageLoader::StoredIndex());
}

void PageSkeleton::FlattenStyledPanels()
{
    for (QFrame *frame : findChildren<QFrame *>()) {
        if (frame->frameShape() == QFrame::StyledPanel && !qobject_cast<QAbstractItemView *>(frame))
            frame->setFrameShape(QFrame::NoFrame);
    }
}

LanguageLoader::KeyTable PageSkeleton::LanguageKeys()
{
    return LanguageLoader::KeyTable();
}

void PageSkeleton::BeforeLanguageLoad(int)
{
}

void PageSkeleton::AfterLanguageLoad(int, bool)
{
}

void PageSkeleton::SlotChangeLanguage(int index)
{
    BeforeLanguageLoad(index);
    const bool opened = LanguageLoader::Load(index, m_Section, LanguageKeys(), m_Reader);
    AfterLanguageLoad(index, opened);
}

FillGuard::FillGuard(std::atomic<int> &filling, std::atomic<int> *acknowledged)
    : m_Filling(filling)
    , m_Acknowledged(acknowledged)
{
    if (m_Acknowledged)
        *m_Acknowledged = 0;
    m_Filling = 1;
}

FillGuard::~FillGuard()
{
    m_Filling = 0;
    if (m_Acknowledged)
        *m_Acknowledged = 1;
}
