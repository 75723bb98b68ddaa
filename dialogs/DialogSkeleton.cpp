#include "DialogSkeleton.h"

#include "PostMsg.h"
#include "Skin.h"
#include "UserPaths.h"
#include "WindowSystem.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

DialogSkeleton::DialogSkeleton(QWidget *parent)
    : QDialog(parent)
{
}

DialogSkeleton::~DialogSkeleton() = default;

QPoint DialogSkeleton::CentredPosition(const QPoint &openerGlobal, const QSize &openerSize, const QSize &dialogSize,
                                       int dx, int dy)
{
    // Integer division truncates toward zero, also for a dialog larger than its opener.
    return QPoint(openerGlobal.x() + (openerSize.width() - dialogSize.width()) / 2 + dx,
                  openerGlobal.y() + (openerSize.height() - dialogSize.height()) / 2 + dy);
}

void DialogSkeleton::MoveOver(QWidget *dialog, const QWidget *opener, int dx, int dy)
{
    if (!dialog || !opener)
        return;
    // From where the opener really is now: Qt's stored position of a window
    // placed by a window manager can be stale.
    dialog->move(CentredPosition(WindowSystem::RealGlobalOrigin(opener), opener->size(), dialog->size(), dx, dy));
}

QString DialogSkeleton::PictureFolder()
{
    return UserPaths::pictureFolder() + QStringLiteral("WarningDialog/");
}

QString DialogSkeleton::LabelSheet(const QString &rgb)
{
    return QStringLiteral("QLabel{color: rgb(") + rgb + QStringLiteral(";);}");
}

QString DialogSkeleton::ConfirmSheet(const QString &rgb, const QString &picturePath, const QString &image,
                                     const QString &pressedImage)
{
    return QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;color: rgb(")
        + rgb + QStringLiteral(";);border-image: url(") + picturePath + image
        + QStringLiteral(");}QToolButton:pressed{border-image: url(") + picturePath + pressedImage
        + QStringLiteral("); }");
}

QString DialogSkeleton::CloseSheet(const QString &picturePath)
{
    return Skin::ImageButtonSheet(picturePath, QStringLiteral("Close.png"), QStringLiteral("CloseHover.png"),
                                  QStringLiteral("CloseClick.png"));
}

QString DialogSkeleton::BackgroundSheet(const QString &frameName, const QString &picturePath, const QString &ending)
{
    return QStringLiteral("#") + frameName
        + QStringLiteral("{border:0px;background-position:center;background-repeat:no-repeat;background-image: url(")
        + picturePath + QStringLiteral("BackGround.png") + ending;
}

QString DialogSkeleton::LineEditSheet(const QString &rgb)
{
    return QStringLiteral("QLineEdit{color: rgb(") + rgb + QStringLiteral(";);}");
}

QString DialogSkeleton::SpinBoxSheet(const QString &rgb)
{
    return QStringLiteral("QSpinBox{color: rgb(") + rgb + QStringLiteral(";);}");
}

void DialogSkeleton::InitSkeleton()
{
    connect(PostMsg::GetInstance(), &PostMsg::SigChangeLanguage, this, &DialogSkeleton::SlotChangeLanguage);
    m_PicturePath = PictureFolder();
    setWindowFlags(Qt::WindowFlags(SkeletonWindowFlags));
    Skin::MaskRoundedCorners(this, Skin::DialogCornerRadius);
}

void DialogSkeleton::LoadStoredLanguage()
{
    SlotChangeLanguage(LanguageLoader::StoredIndex());
}

void DialogSkeleton::SlotChangeLanguage(int index)
{
    LanguageLoader::Load(index, LanguageSection(), LanguageKeys(), m_Reader);
}

namespace SkeletonForm {

QFrame *Frame(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QToolButton *CloseButton(QWidget *parent, const QPoint &pos)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("CloseButton"));
    button->setGeometry(QRect(pos, QSize(20, 20)));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMaximumSize(QSize(20, 20));
    button->setIconSize(QSize(30, 30));
    button->setAutoRaise(true);
    button->setText(QString());
    return button;
}

QLabel *Label(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(Skin::Font(11));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QToolButton *AnswerButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    button->setMinimumSize(QSize(0, 0));
    button->setMaximumSize(QSize(500, 500));
    button->setFont(Skin::Font(11));
    button->setAutoRaise(true);
    return button;
}

void SetupDialog(QDialog *dialog, const QString &name, const QSize &size)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(name);
    dialog->resize(size);
    dialog->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    dialog->setWindowTitle(QCoreApplication::translate(qPrintable(name), "Dialog"));
}

} // namespace SkeletonForm
