#include "SensorDPI.h"

#include "ConfigIni.h"
#include "DataSetters.h"
#include "DpiCode.h"
#include "FlashDataMap.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "ModelInfo.h"
#include "OfflineAction.h"
#include "OptionWidget.h"
#include "PostMsg.h"
#include "SensorDPIForm.h"
#include "SensorState.h"
#include "Skin.h"
#include "Worker.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QMouseEvent>

#include <climits>

namespace {

const QPoint kIndicatorPositions[8] = {{27, 154},  {118, 154}, {209, 154}, {300, 154},
                                       {391, 154}, {483, 154}, {573, 154}, {664, 154}};
const char *const kDefaultColors[8] = {"255,0,0",     "0,255,0",     "0,255,255",   "255,255,0",
                                       "255,128,128", "255,255,255", "255, 0, 255", "0,212,252"};

bool MaySend()
{
    return g_UiReady.load() && !g_SensorUiFilling.load();
}

// Restyling is the costly part of a refresh (the style is recomputed for the
// widget): only a sheet that really changes is set.
void SetSheet(QWidget *widget, const QString &sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

void RetainSpace(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

SensorDPI::SensorDPI(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_SensorDPI)
{
    ui->setupUi(this);
    pictureDir = OptionWidget::PictureFolder();
    const QString &d = pictureDir;
    const QString l = Skin::Rgb("LabelColor");
    for (int i = 0; i < 8; ++i) {
        indicatorPositions[i] = kIndicatorPositions[i];
        levelColors[i] = QString::fromLatin1(kDefaultColors[i]);
    }
    buttonColorList = ConfigIni::GetInstance()->GetValueList("Option", "ButtonColor");
    buttonColor = Skin::Rgb("ButtonColor");

    levelGroup = new QButtonGroup(this);
    levelGroup->setExclusive(true);
    markerGroup = new QButtonGroup(this);
    markerGroup->setExclusive(true);

    ui->label->setStyleSheet("QLabel{color: rgb(" + l + ";);}");
    ui->label_8->setStyleSheet(
        "#label_8{border:0px;background-position:center;background-repeat:no-repeat;background-image: url(" + d
        + "Level.png"
        + ");}#label_8:hover{border:0px;background-position:center;background-repeat:no-repeat;"
          "background-image: url("
        + d + "LevelHover.png" + ");}");
    ui->ChooseEvent->setStyleSheet(Skin::ComboSheet(d, false));
    ui->ChooseEvent->setMaxVisibleItems(5);
    ui->ChooseEvent->SetListViewSheet(Skin::ComboListSheet());

    RetainSpace(ui->horizontalSliderC);
    RetainSpace(ui->spinBoxA);
    RetainSpace(ui->ReduceLevelA);
    RetainSpace(ui->AddLevelA);
    for (int i = 0; i < 8; ++i) {
        RetainSpace(ui->LevelButton(i));
        levelButtonRects[i] = ui->LevelButton(i)->geometry();
        markerRects[i] = ui->Marker(i)->geometry();
    }

    const QString g = Skin::Rgb("SliderColor");
    const QString e = Skin::Rgb("LinEditColorSecond");
    ui->horizontalSliderC->setStyleSheet(
        "QSlider:groove:horizontal{height:2px;left: 0px;right: 0px;border:0px;border-radius:0px;"
        "background:rgba(0,0,0,50);}QSlider:handle:horizontal{ width:  5px;height: 50px;  margin-top: -20px;"
        "margin-left: 0px; margin-bottom: -20px;margin-right: 0px; border-image: url("
        + d + "HuaKuai.png" + ");} QSlider:sub-page:horizontal{background-color: rgb(" + g
        + ";);}QSlider:add-page:horizontal{background-color: rgb(255, 255, 255);}");
    ui->spinBoxA->setStyleSheet("QSpinBox{background-color: transparent;color: rgb(" + e
                                + ";);border: 1px  solid gray;}QSpinBox:hover{background-color: transparent;color: rgb("
                                + e + ";);border: 1px  solid gray;}");
    ui->ReduceLevelA->setStyleSheet("#ReduceLevelA{background-image: url(" + d + "Reduce.png"
                                    + ");border:0px;background-position:center;background-repeat:no-repeat;}");
    ui->AddLevelA->setStyleSheet("#AddLevelA{background-image: url(" + d + "Add.png"
                                 + ");border:0px;background-position:center;background-repeat:no-repeat;}");
    for (int i = 0; i < 8; ++i) {
        ui->LevelButton(i)->setStyleSheet(ValueButtonSheet(false));
        // Every marker starts red until the first refresh shows the colours.
        const QString name = ui->Marker(i)->objectName();
        ui->Marker(i)->setStyleSheet("#" + name
                                     + "{border:0px;border-radius:3px;background-position:center;background-repeat:"
                                       "no-repeat;background-color: rgb(255, 0, 0);background-image: url("
                                     + d + "MinB.png" + ");}");
    }
    for (int i = 0; i < 8; ++i) {
        levelGroup->addButton(ui->LevelButton(i));
        markerGroup->addButton(ui->Marker(i));
    }
    dragArea = QRect(0, 0, 728, 194);
}

SensorDPI::~SensorDPI()
{
    delete ui;
}

QString SensorDPI::MarkerSheet(int level, bool current) const
{
    return "QToolButton{border:0px;border-radius:3px;background-position:center;background-repeat:no-repeat;"
           "background-color:rgb("
        + levelColors[level] + ");background-image: url(" + pictureDir + (current ? "MaxB.png" : "MinB.png") + ");}";
}

QString SensorDPI::ValueButtonSheet(bool selected) const
{
    return QString("QToolButton{border:0px;") + (selected ? "border-radius:3px;" : "")
        + "background-position:center;background-repeat:no-repeat;color: rgb(" + buttonColor
        + ";);background-image: url(" + pictureDir + (selected ? "MaxA.png" : "MinA.png") + ");}";
}

QString SensorDPI::LevelColor(int level) const
{
    return (level >= 0 && level < 8) ? levelColors[level] : QString();
}

QPoint SensorDPI::IndicatorPosition(int level) const
{
    return (level >= 0 && level < 8) ? indicatorPositions[level] : QPoint();
}

bool SensorDPI::DeviceAnswers()
{
    return OfflineAction::DeviceAnswers();
}

bool SensorDPI::OfflineNotice()
{
    PostMsg::GetInstance()->EmitMouseOffLineo(0);
    return false;
}

// ---- display operations ---------------------------------------------------

void SensorDPI::ReadDriveConfig()
{
    const ModelInfo model(g_CurrentDevice.get());
    const QStringList colors = model.DpiColors();
    for (int i = 0; i < 8 && 3 * i + 2 < colors.size(); ++i)
        levelColors[i] = colors.at(3 * i) + "," + colors.at(3 * i + 1) + "," + colors.at(3 * i + 2);
    const QStringList grades = model.DpiGrades();
    if (grades.size() < 8)
        return;
    for (int i = 0; i < 8; ++i) {
        ui->Marker(i)->setGeometry(markerRects[i].x(), markerRects[i].y(), 50, 12);
        SetSheet(ui->Marker(i), MarkerSheet(i, false));
        ui->LevelButton(i)->setText(grades.at(i));
    }
}

void SensorDPI::ShowCurrentLevel(int level)
{
    for (int i = 0; i < 8; ++i) {
        if (i == level) {
            SetSheet(ui->Marker(i), MarkerSheet(i, true));
        } else {
            ui->Marker(i)->setGeometry(markerRects[i].x(), markerRects[i].y(), 50, 12);
            SetSheet(ui->Marker(i), MarkerSheet(i, false));
        }
    }
}

void SensorDPI::RefreshMarker(int level)
{
    if (QToolButton *marker = ui->Marker(level))
        SetSheet(marker, MarkerSheet(level, marker->isChecked()));
}

void SensorDPI::SetColor(QColor color)
{
    int level = -1;
    for (int i = 0; i < 8 && level < 0; ++i)
        if (ui->Marker(i)->isChecked())
            level = i;
    if (level < 0)
        return;
    const int r = color.red();
    const int g = color.green();
    const int b = color.blue();
    levelColors[level] = QString::number(r) + "," + QString::number(g) + "," + QString::number(b);
    if (MaySend())
        SetDPIColor(level, r, g, b);
    RefreshMarker(level);
}

void SensorDPI::SetLevelColor(int level, QString color)
{
    if (level < 0 || level > 7)
        return;
    auto pair = [&](int at) {
        bool ok = false;
        const int v = color.mid(at, 2).toInt(&ok, 16);
        return ok ? v : 0;
    };
    levelColors[level] = QString::number(pair(1)) + "," + QString::number(pair(3)) + "," + QString::number(pair(5));
}

void SensorDPI::ShowLevels(int index)
{
    if (index < 0 || index > 7)
        return;
    for (int i = 0; i < 8; ++i) {
        ui->LevelButton(i)->setVisible(i <= index);
        ui->Marker(i)->setVisible(i <= index);
    }
}

void SensorDPI::CheckLevelButton(int level)
{
    if (QToolButton *button = ui->LevelButton(level))
        button->setChecked(true);
}

void SensorDPI::SetLevelText(int level, QString text)
{
    if (QToolButton *button = ui->LevelButton(level))
        button->setText(text);
}

void SensorDPI::MoveLevelIndicator(int n)
{
    if (n >= 1 && n <= 8)
        ui->label_8->move(indicatorPositions[n - 1]);
}

void SensorDPI::SetCurrentLevel(int level)
{
    currentLevel = level;
}

void SensorDPI::SetLevelCount(int count)
{
    levelCount = count;
}

void SensorDPI::SetTitleText(QString text)
{
    ui->label->setText(text);
}

void SensorDPI::ClearChooseItems()
{
    ui->ChooseEvent->blockSignals(true);
    ui->ChooseEvent->clear();
    ui->ChooseEvent->blockSignals(false);
}

void SensorDPI::InsertChooseItem(int index, QString text)
{
    ui->ChooseEvent->insertItem(index, QIcon(), text);
}

void SensorDPI::SetChooseIndex(int index)
{
    ui->ChooseEvent->setCurrentIndex(index);
}

void SensorDPI::BlockChooseSignals(bool block)
{
    ui->ChooseEvent->blockSignals(block);
}

void SensorDPI::BlockSliderSignals(bool block)
{
    ui->horizontalSliderC->blockSignals(block);
}

void SensorDPI::SetSliderEnabled(bool enabled)
{
    ui->horizontalSliderC->setEnabled(enabled);
}

void SensorDPI::SetSliderMinimum(int value)
{
    ui->horizontalSliderC->setMinimum(value);
}

void SensorDPI::SetSliderMaximum(int value)
{
    ui->horizontalSliderC->setMaximum(value);
}

void SensorDPI::SetSliderValue(int value)
{
    ui->horizontalSliderC->setValue(value);
}

void SensorDPI::SetSpinValue(int value)
{
    ui->spinBoxA->setValue(value);
}

void SensorDPI::SetSpinVisible(bool visible)
{
    ui->spinBoxA->setVisible(visible);
}

void SensorDPI::BlockEditSignals(bool block)
{
    for (int i = 0; i < 8; ++i) {
        ui->LevelButton(i)->blockSignals(block);
        ui->Marker(i)->blockSignals(block);
    }
    ui->horizontalSliderC->blockSignals(block);
    ui->spinBoxA->blockSignals(block);
}

void SensorDPI::BlockLevelSignals(bool block)
{
    ui->horizontalSliderC->blockSignals(block);
    ui->ChooseEvent->blockSignals(block);
    for (int i = 0; i < 8; ++i) {
        ui->LevelButton(i)->blockSignals(block);
        ui->Marker(i)->blockSignals(block);
    }
}

// ---- editing controls -----------------------------------------------------

void SensorDPI::MoveSliderQuietly(int value)
{
    // The level's value is on the mouse already: the one value change this
    // move causes is only shown. The slider delivers it before setValue
    // returns (or not at all, when the value stays or the signals are
    // blocked), so the bar is armed again right after it, whatever the value
    // slot did with it: the user's next change is always sent.
    sliderArmed = false;
    ui->horizontalSliderC->setValue(value);
    sliderArmed = true;
}

void SensorDPI::on_horizontalSliderC_valueChanged(int value)
{
    // A change that will not be sent asks nothing of the mouse either: a
    // level selected while the mouse sleeps raises its notice once, from the
    // selection itself.
    const bool send = sliderArmed;
    if (send && g_UiReady.load() && !g_SensorUiFilling.load() && !DeviceAnswers()) {
        ui->spinBoxA->setValue(value);
        OfflineNotice();
        return;
    }
    int pageStep = ui->horizontalSliderC->pageStep();
    value = DpiCode::Snap(value, &pageStep);
    ui->horizontalSliderC->setPageStep(pageStep);
    int level = -1;
    for (int i = 0; i < 8; ++i) {
        if (ui->LevelButton(i)->isChecked()) {
            ui->LevelButton(i)->setText(QString::number(value));
            level = i;
            break;
        }
    }
    ui->spinBoxA->setValue(value);
    if (send && !g_ProfileLoading.load())
        SetDPIValue(level, value);
}

void SensorDPI::on_horizontalSliderC_sliderMoved(int position)
{
    int pageStep = ui->horizontalSliderC->pageStep();
    const int value = DpiCode::Snap(position, &pageStep);
    ui->horizontalSliderC->setPageStep(pageStep);
    ui->spinBoxA->setValue(value);
}

void SensorDPI::on_AddLevelA_clicked()
{
    if (g_UiReady.load() && !DeviceAnswers()) {
        OfflineNotice();
        return;
    }
    ui->horizontalSliderC->setValue(DpiCode::StepUp(ui->spinBoxA->value()));
}

void SensorDPI::on_ReduceLevelA_clicked()
{
    if (g_UiReady.load() && !DeviceAnswers()) {
        OfflineNotice();
        return;
    }
    ui->horizontalSliderC->setValue(DpiCode::StepDown(ui->spinBoxA->value()));
}

void SensorDPI::LevelToggled(int i, bool checked)
{
    QToolButton *button = ui->LevelButton(i);
    if (!checked) {
        button->setGeometry(QRect(levelButtonRects[i].topLeft(), QSize(54, 56)));
        SetSheet(button, ValueButtonSheet(false));
        return;
    }
    button->setGeometry(levelButtonRects[i].x() - 7, levelButtonRects[i].y() - 7, 68, 70);
    SetSheet(button, ValueButtonSheet(true));
    ui->Marker(i)->setChecked(true);
    if (MaySend()) {
        currentLevel = i;
        ui->label_8->move(indicatorPositions[i]);
        SetCurrentDPI(i);
    }
}

void SensorDPI::LevelClicked(int i)
{
    ui->horizontalSliderC->setValue(ui->LevelButton(i)->text().toInt());
}

void SensorDPI::MarkerToggled(int i, bool checked)
{
    QToolButton *marker = ui->Marker(i);
    if (!checked) {
        marker->setGeometry(QRect(markerRects[i].topLeft(), QSize(50, 12)));
        SetSheet(marker, MarkerSheet(i, false));
        return;
    }
    marker->setGeometry(markerRects[i].x() - 8, markerRects[i].y() + 6, 66, 14);
    ui->LevelButton(i)->setChecked(true);
    SetSheet(marker, MarkerSheet(i, true));
    MoveSliderQuietly(ui->LevelButton(i)->text().toInt());
}

void SensorDPI::MarkerClicked(int i)
{
    Q_UNUSED(i);
    // Made when first asked for: a colour dialog asks the desktop for its
    // native dialog as it is made (on X11 that alone costs several
    // milliseconds), and most runs never open it.
    if (!colorDialog) {
        colorDialog = new QColorDialog(this);
        // Our own dialog (not the platform's), so it is the same everywhere
        // and tests can drive it.
        colorDialog->setOption(QColorDialog::DontUseNativeDialog, true);
        connect(colorDialog, &QColorDialog::colorSelected, this, &SensorDPI::SetColor);
    }
    colorDialog->show();
}

void SensorDPI::on_ChooseEvent_currentIndexChanged(int index)
{
    // While the page fills the bar it sets the count itself; and only a
    // count of 1..8 exists.
    if (g_SensorUiFilling.load() || !IsCountIndex(index))
        return;
    savedLevel = currentLevel;
    // A current level beyond the new count changes places with the new last
    // level, so the current level always lies inside the count - also when
    // the device, a cache or imported file left it beyond the old count: the
    // record holds an entry for each of the eight levels. A number that is
    // no level (above 7) has no entry; the swap would write outside the
    // level table.
    const bool swap = savedLevel > index && savedLevel <= 7;
    if (swap) {
        const int old = savedLevel;
        const QString oldColor = levelColors[old];
        const QString newColor = levelColors[index];
        const QString oldText = ui->LevelButton(old)->text();
        const QString newText = ui->LevelButton(index)->text();
        levelColors[old] = newColor;
        RefreshMarker(old);
        ui->LevelButton(old)->setText(newText);
        levelColors[index] = oldColor;
        RefreshMarker(index);
        ui->label_8->move(indicatorPositions[index]);
        ui->LevelButton(index)->setText(oldText);
        ui->LevelButton(index)->setChecked(true);
        currentLevel = index;
        SendLevelSwap(index, old);
    }
    ShowLevels(index);
    levelCount = index + 1;
    SendLevelCount(index);
}

bool SensorDPI::IsCountIndex(int index)
{
    return index >= 0 && index <= 7;
}

void SensorDPI::SendLevelSwap(int index, int old)
{
    if (!g_UiReady.load() || !IsCountIndex(index) || old < 0 || old > 7)
        return;
    const FlashDataMap record = FlashData::snapshot();
    SetDPILevels(record.DPILevel[index], record.DPILevel[old], index, old, index);
}

void SensorDPI::SendLevelCount(int index)
{
    if (!g_UiReady.load() || !IsCountIndex(index))
        return;
    if (!DeviceAnswers()) {
        OfflineNotice();
        return;
    }
    // The count is no field of any setter: written here under the record
    // lock, like a setter, and a record the mouse did not take is reported.
    if (FlashData::modifyAndSend([index](FlashDataMap &m) { m.DPILevelCount = quint8(index + 1); }) == 0)
        OfflineNotice();
}

// ---- level indicator drag -------------------------------------------------

int SensorDPI::DragLimit(int index)
{
    static const int limits[7] = {69, 160, 251, 342, 433, 524, 612};
    return (index >= 0 && index < 7) ? limits[index] : INT_MAX;
}

int SensorDPI::DragStep(int d)
{
    struct Window
    {
        int low, high;
    };
    static const Window up[7] = {{78, 129}, {168, 214}, {264, 317}, {361, 389}, {443, 495}, {538, 591}, {623, 669}};
    static const Window down[7] = {{-102, -51},  {-192, -144}, {-284, -236}, {-369, -327},
                                   {-465, -411}, {-556, -504}, {-646, -599}};
    for (int k = 0; k < 7; ++k) {
        if (up[k].low <= d && d <= up[k].high)
            return k + 1;
        if (down[k].low <= d && d <= down[k].high)
            return -(k + 1);
    }
    return 0;
}

void SensorDPI::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton && ui->label_8->geometry().contains(event->pos())) {
        dragging = true;
        dragOffset = event->pos() - ui->label_8->pos();
    }
}

void SensorDPI::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton || !dragging)
        return;
    if (dragArea.contains(event->pos()))
        ui->label_8->move(event->pos() - dragOffset);
    else
        FinishDrag(event->pos());
}

void SensorDPI::mouseReleaseEvent(QMouseEvent *event)
{
    FinishDrag(event->pos());
}

void SensorDPI::FinishDrag(const QPoint &pointer)
{
    dragging = false;
    // A current level that is no level (a device's or file's number) has no
    // resting place to step from: the indicator stays and nothing is sent.
    const bool known = currentLevel >= 0 && currentLevel <= 7;
    const QPoint rest = known ? indicatorPositions[currentLevel] : ui->label_8->pos();
    if (!ui->label_8->geometry().contains(pointer) || !known) {
        ui->label_8->move(rest);
        return;
    }
    const int x = pointer.x();
    if (x < 15 || x > 706) {
        ui->label_8->move(rest);
        return;
    }
    // The limit of the shown levels. A count the combo does not hold (0, or
    // above 8: no current item) counts as the nearest valid one.
    int index = ui->ChooseEvent->currentIndex();
    if (index < 0)
        index = qBound(0, levelCount - 1, 7);
    if (x > DragLimit(index)) {
        ui->label_8->move(rest);
        if (g_UiReady.load())
            SetCurrentDPI(currentLevel);
        return;
    }
    const int k = DragStep(x - rest.x());
    const int target = currentLevel + k;
    if (k == 0 || target < 0 || target > 7) {
        ui->label_8->move(rest);
        return;
    }
    // The level becomes current only when its selection goes through: a
    // mouse that does not answer keeps its level, and so does the bar (a
    // level shown as current that the mouse does not have would be swapped
    // by the next count change).
    if (!SelectDraggedLevel(target)) {
        ui->label_8->move(rest);
        return;
    }
    currentLevel = target;
    ui->label_8->move(indicatorPositions[target]);
    if (g_UiReady.load())
        SetCurrentDPI(currentLevel);
}

bool SensorDPI::SelectDraggedLevel(int level)
{
    if (g_UiReady.load() && !DeviceAnswers() && !g_SensorUiFilling.load())
        return OfflineNotice();
    // The value button's selection moves the slider to the level's value;
    // that change is swallowed there (and only when it comes).
    CheckLevelButton(level);
    return true;
}

// ---- the 32 level slots ---------------------------------------------------

#define SENSOR_DPI_LEVEL_SLOTS(Name, level)                                                                            \
    void SensorDPI::on_##Name##_toggled(bool checked)                                                                  \
    {                                                                                                                  \
        LevelToggled(level, checked);                                                                                  \
    }                                                                                                                  \
    void SensorDPI::on_##Name##_clicked()                                                                              \
    {                                                                                                                  \
        LevelClicked(level);                                                                                           \
    }                                                                                                                  \
    void SensorDPI::on_##Name##A_toggled(bool checked)                                                                 \
    {                                                                                                                  \
        MarkerToggled(level, checked);                                                                                 \
    }                                                                                                                  \
    void SensorDPI::on_##Name##A_clicked()                                                                             \
    {                                                                                                                  \
        MarkerClicked(level);                                                                                          \
    }

SENSOR_DPI_LEVEL_SLOTS(BlueButton, 0)
SENSOR_DPI_LEVEL_SLOTS(BrightRedButton, 1)
SENSOR_DPI_LEVEL_SLOTS(RedButton, 2)
SENSOR_DPI_LEVEL_SLOTS(YellowButton, 3)
SENSOR_DPI_LEVEL_SLOTS(GreenButton, 4)
SENSOR_DPI_LEVEL_SLOTS(PurpleButton, 5)
SENSOR_DPI_LEVEL_SLOTS(LightBlueButton, 6)
SENSOR_DPI_LEVEL_SLOTS(LightYellowButton, 7)

#undef SENSOR_DPI_LEVEL_SLOTS
