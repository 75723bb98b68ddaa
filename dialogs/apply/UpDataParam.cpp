#include "UpDataParam.h"
#include "UpDataParamForm.h"

#include "DataSetters.h"
#include "DialogSkeleton.h"
#include "DialogsState.h"
#include "EventWait.h"
#include "GlobalState.h"
#include "InportFail.h"
#include "ModelInfo.h"
#include "PostMsg.h"
#include "SaveFile.h"
#include "SheetOnShow.h"
#include "Skin.h"
#include "Worker.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include <cstring>

namespace {

// The content of a fixed text field: its bytes up to the first zero byte.
QByteArray FieldContent(const QByteArray &block)
{
    const int zero = block.indexOf('\0');
    return zero < 0 ? block : block.left(zero);
}

QString FieldText(const QByteArray &block)
{
    return QString::fromUtf8(FieldContent(block));
}

// A fixed text field: the text's UTF-8 bytes cut or zero-filled to its size
// (a text of the whole size or more keeps no zero byte).
QByteArray FieldBytes(const QString &text)
{
    QByteArray field = text.toUtf8().left(ProfileFile::FieldSize);
    field.append(QByteArray(ProfileFile::FieldSize - field.size(), '\0'));
    return field;
}

bool BothPagesAcknowledged()
{
    return g_SensorPageUpdated != 0 && g_ButtonPageUpdated != 0;
}

} // namespace

UpDataParam::UpDataParam(QWidget *parent)
    : QDialog(parent)
{
    ui = new Ui_UpDataParam;
    ui->setupUi(this);
    connect(PostMsg::GetInstance(), &PostMsg::SigChangeLanguage, this, &UpDataParam::SlotChangeLanguage);
    m_PicturePath = DialogSkeleton::PictureFolder();
    setWindowFlags(Qt::WindowFlags(DialogSkeleton::SkeletonWindowFlags));
    // The background picture has rounded corners; the window's own grey must
    // not show through them.
    setAttribute(Qt::WA_TranslucentBackground, true);
    Skin::MaskRoundedCorners(this, Skin::DialogCornerRadius);

    m_Timer = new QTimer(this);
    connect(m_Timer, &QTimer::timeout, this, &UpDataParam::onTimeupDestroy);

    ui->label->setStyleSheet("QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
    // Built with the main frame at start and shown at the first read: its
    // picture is decoded when it is first shown.
    SheetOnShow::Set(ui->UpDataParamA,
                     "#UpDataParamA{border:0px;background-position:center;background-repeat:no-repeat;"
                     "background-image: url("
                         + m_PicturePath + "BackGround.png" + ");}",
                     this);

    SlotChangeLanguage(LanguageLoader::StoredIndex());
}

UpDataParam::~UpDataParam()
{
    delete ui;
}

QString UpDataParam::LabelText() const
{
    return ui->label->text();
}

void UpDataParam::StartTimer()
{
    m_Timer->start(4500);
    m_Timer->setSingleShot(true);
}

void UpDataParam::WaitStep(int ms)
{
    // The GUI thread keeps serving the hub's deliveries without spinning.
    EventWait::For(ms);
}

bool UpDataParam::WaitForAcknowledgements()
{
    for (int step = 0; step < 12; ++step) {
        if (BothPagesAcknowledged())
            return true;
        WaitStep();
    }
    return BothPagesAcknowledged();
}

void UpDataParam::onTimeupDestroy()
{
    // A time-out that fires while an earlier one still waits (the timer was
    // restarted by a second request) is covered by the running one.
    if (m_Running)
        return;
    m_Running = true;

    // The modes belong to this opening. They are taken now, so a request
    // that arrives while the notices below run starts clean.
    const bool settle = m_SettleMode;
    const bool import = m_ImportMode;
    m_SettleMode = false;
    m_ImportMode = false;

    PostMsg *hub = PostMsg::GetInstance();
    hub->EmitSetver(4);

    if (settle) {
        const bool acknowledged = WaitForAcknowledgements();
        WaitStep(2000); // the device settles after a reset or a configuration switch
        close();
        m_Running = false;
        if (!acknowledged)
            hub->EmitMouseOffLineo(0);
        return;
    }

    if (import) {
        FlashDataMap record = FlashData::zeroRecord();
        g_InportResult = ReadProfileFile(m_ProfilePath, &record);
        if (g_InportResult == 0 && !SetWholeRecord(record)) {
            // The mouse went away during the wait: nothing reached it and
            // the record stays as it was; the setter has asked for the
            // offline notice.
            close();
            m_Running = false;
            return;
        }
        if (g_InportResult == 0) {
            hub->EmitUpDataLightUIA(record);
            hub->EmitUpDataSensorUIB(record);
            hub->EmitUpDataButtonUIC(record);
            hub->EmitFormB();
            for (int step = 0; step < 5; ++step)
                WaitStep();
        } else {
            InportFail notice;
            const QPoint g = mapToGlobal(QPoint(0, 0));
            notice.move(g.x() + (width() - notice.width()) / 2, g.y() + (height() - notice.height()) / 2);
            notice.exec();
        }
        close();
        m_Running = false;
        return;
    }

    if (g_LastRunOnline) {
        const bool acknowledged = WaitForAcknowledgements();
        if (acknowledged) {
            g_SensorPageUpdated = 0;
            g_ButtonPageUpdated = 0;
        }
        close();
        m_Running = false;
        if (!acknowledged)
            hub->EmitMouseOffLineo(1);
        FlashDataMap cached;
        if (g_DeviceOnline && !Worker::ReadDeviceInfoFile(g_DeviceInfoName.get(), &cached))
            Worker::WriteDeviceInfoFile(g_DeviceInfoNameRead.get(), FlashData::snapshot());
        return;
    }

    FlashDataMap cached = FlashData::zeroRecord();
    if (Worker::ReadDeviceInfoFile(g_DeviceInfoName.get(), &cached)) {
        hub->EmitUpDataLightUIA(cached);
        hub->EmitUpDataSensorUIB(cached);
        hub->EmitUpDataButtonUIC(cached);
        hub->EmitFormB();
    }
    close();
    m_Running = false;
    hub->EmitMouseOffLineo(0);
}

int UpDataParam::ReadProfileFile(QString path, FlashDataMap *out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "failed";
        return 1;
    }
    QDataStream stream(&file);
    QByteArray blocks[3];
    for (QByteArray &block : blocks) {
        stream >> block;
        if (stream.status() != QDataStream::Ok)
            block.clear(); // a block that cannot be read completely counts as empty
    }
    file.close();

    if (FieldText(blocks[0]) != QLatin1String(ProfileFile::Tag))
        return 1;

    // The field holds at most its 12 bytes of the name: a longer sensor name
    // is compared as the export cut it.
    const ModelInfo model(g_CurrentDevice.get());
    if (FieldContent(blocks[1]) != FieldContent(FieldBytes(model.SensorName())))
        return 2;

    // Only a whole record is ever handed on.
    if (blocks[2].size() != int(sizeof(FlashDataMap)))
        return 1;
    std::memcpy(out, blocks[2].constData(), sizeof(FlashDataMap));

    const int maxLevels = model.DpiMaxGrade();
    return out->DPILevelCount > maxLevels ? 2 : 0;
}

bool UpDataParam::WriteProfileFile(const QString &path, const FlashDataMap &record)
{
    const QByteArray blocks[3] = {
        FieldBytes(QLatin1String(ProfileFile::Tag)),
        FieldBytes(ModelInfo(g_CurrentDevice.get()).SensorName()),
        QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record)),
    };
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (const QByteArray &block : blocks)
        stream.writeBytes(block.constData(), uint(block.size()));
    if (stream.status() != QDataStream::Ok)
        return false;
    // Whole or not at all: a full disk or a vanished folder must not leave a
    // cut file that looks like a good configuration. The user chose the
    // name, so a link there is followed to the file it names.
    QString error;
    if (!SaveFile::Write(path, bytes, SaveFile::Links::Follow, &error)) {
        qWarning() << "configuration not exported:" << error;
        return false;
    }
    return true;
}

void UpDataParam::SlotChangeLanguage(int index)
{
    LanguageLoader::KeyTable keys;
    keys.insert("label", [this](const QString &text) {
        if (g_ImportingProfile == 0)
            ui->label->setText(text);
    });
    keys.insert("label_1", [this](const QString &text) {
        if (g_ImportingProfile == 1)
            ui->label->setText(text);
    });
    LanguageLoader::Load(index, "UpDataParam", keys, m_Reader);
}
