#include "LampLight.h"

#include "LampLightForm.h"

#include "DataSetters.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "LightSkin.h"
#include "OfflineAction.h"
#include "PostMsg.h"
#include "ScreenPicker.h"
#include "Skin.h"
#include "StopCloseTime.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <array>

namespace {

struct Rgb
{
    int red;
    int green;
    int blue;
};

constexpr std::array<Rgb, 14> kPresets = {{
    {255, 0, 0},     // A
    {0, 255, 255},   // B
    {0, 255, 0},     // C
    {255, 0, 255},   // D
    {255, 255, 0},   // E
    {255, 80, 0},    // F
    {0, 0, 255},     // G
    {227, 0, 127},   // H
    {46, 166, 223},  // I
    {96, 25, 133},   // J
    {255, 255, 255}, // K
    {139, 178, 36},  // L
    {255, 155, 51},  // M
    {208, 113, 173}, // N
}};

// Raises g_LightUiFilling for one refresh or reset and puts the previous
// value back, also when the fill leaves early.
class FillingScope
{
public:
    FillingScope()
        : m_Previous(g_LightUiFilling.exchange(true))
    {
    }
    ~FillingScope() { g_LightUiFilling.store(m_Previous); }
    FillingScope(const FillingScope &) = delete;
    FillingScope &operator=(const FillingScope &) = delete;

private:
    bool m_Previous;
};

} // namespace

LampLight::LampLight(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_LampLight)
{
    ui->setupUi(this);
    m_PicturePath = LightSkin::LightFolder();
    m_ButtonGroup = new QButtonGroup(this);
    m_ButtonGroup->setExclusive(true);
    ui->line->hide();
    ui->line_2->hide();
    // Only the layout of the form's mode: building the page must not switch
    // the light bar of a connected mouse off.
    ApplyModeLayout(ui->LightMod->currentIndex());
    ApplySkin();
}

LampLight::~LampLight()
{
    delete ui;
}

QColor LampLight::PresetColour(int index)
{
    if (index < 0 || index >= int(kPresets.size()))
        return QColor();
    const Rgb &c = kPresets[static_cast<size_t>(index)];
    return QColor(c.red, c.green, c.blue);
}

void LampLight::InitButtonGroup()
{
    for (QToolButton *button : ui->presetButtons)
        m_ButtonGroup->addButton(button);
}

void LampLight::ApplySkin()
{
    const QString &x = m_PicturePath;
    LightSkin::ApplyCombo(ui->LightMod, x);

    const QString captionSheet =
        QStringLiteral("QLabel{color: rgb(") + Skin::Rgb(QStringLiteral("LabelColor")) + QStringLiteral(";);}");
    for (QLabel *caption :
         {ui->label, ui->label_2, ui->label_3, ui->label_4, ui->label_5, ui->label_6, ui->label_8, ui->label_13})
        caption->setStyleSheet(captionSheet);

    const QString levelBoxSheet = QStringLiteral("QSpinBox{color: rgb(") + Skin::Rgb(QStringLiteral("LabelColor"))
        + QStringLiteral(";);background-color: transparent;border: 0px;}");
    ui->LightSpinBox_2->setStyleSheet(levelBoxSheet);
    ui->SpeedSpinBox_2->setStyleSheet(levelBoxSheet);

    const QString colourBoxSheet = LightSkin::EntryBoxSheet(QStringLiteral("rgb(0,0,0)"));
    for (QSpinBox *box : {ui->RSpinBox, ui->GSpinBox, ui->BSpinBox})
        box->setStyleSheet(colourBoxSheet);

    const QString sliderSheet = LightSkin::SliderSheet(x, 0);
    ui->horizontalLight->setStyleSheet(sliderSheet);
    ui->horizontalSpeed->setStyleSheet(sliderSheet);

    ui->RippeControl->setStyleSheet(
        QStringLiteral("#RippeControl{color: rgb(255, 255, 255);border:0px;background-position:center;"
                       "background-repeat:no-repeat;background-image: url(")
        + x + QStringLiteral("Close.png);}#RippeControl:checked {background-image: url(") + x
        + QStringLiteral("Open.png);}"));

    ui->label_7->setStyleSheet(
        QStringLiteral("#label_7{border:0px;background-position:center;background-repeat:no-repeat;"
                       "background-image: url(")
        + x + QStringLiteral("ColorBoard.png);}"));

    auto imageButton = [&x](QWidget *widget, const QString &image) {
        widget->setStyleSheet(
            QStringLiteral("#") + widget->objectName() + QStringLiteral("{background-image: url(") + x + image
            + QStringLiteral(");border:0px;background-position:center;background-repeat:no-repeat;}"));
    };
    for (QToolButton *button : {ui->ReduceR, ui->ReduceG, ui->ReduceB})
        imageButton(button, QStringLiteral("Reduce.png"));
    for (QToolButton *button : {ui->AddR, ui->AddG, ui->AddB})
        imageButton(button, QStringLiteral("Add.png"));
    imageButton(ui->labelPreView, QStringLiteral("PreviewColor.png"));

    for (int i = 0; i < ui->presetButtons.size(); ++i) {
        QToolButton *button = ui->presetButtons.at(i);
        const QString letter(QLatin1Char(char('A' + i)));
        button->setStyleSheet(QStringLiteral("#") + button->objectName()
                              + QStringLiteral("{border:0px;background-position:center;background-repeat:no-repeat;"
                                               "background-image: url(")
                              + x + QStringLiteral("Color") + letter + QStringLiteral(".png);}"));
    }
}

bool LampLight::MaySend()
{
    return g_UiReady.load() && !g_LightUiFilling.load();
}

bool LampLight::OnlineGuard()
{
    if (!g_UiReady.load())
        return true;
    const bool online = OfflineAction::DeviceAnswers();
    if (!online && !g_LightUiFilling.load()) {
        PostMsg::GetInstance()->EmitMouseOffLineo(0);
        return false;
    }
    return true;
}

void LampLight::on_LightMod_currentIndexChanged(int index)
{
    if (MaySend())
        SetLampMode(index);
    ApplyModeLayout(index);
}

void LampLight::ApplyModeLayout(int index)
{
    bool lines = false;
    bool line2 = false;
    bool colour = false;
    bool brightness = false;
    bool speed = false;
    switch (index) {
    case 0:
        lines = line2 = true;
        break;
    case 1:
    case 4:
    case 5:
        brightness = speed = true;
        break;
    case 2:
        colour = brightness = speed = true;
        break;
    case 3:
        line2 = colour = brightness = true;
        break;
    default:
        // A mode byte the page does not know leaves the layout as it was.
        return;
    }
    ui->line->setVisible(lines);
    ui->line_2->setVisible(line2);
    QList<QWidget *> colourGroup = {ui->label_6,  ui->label_7,  ui->label_8,  ui->labelPreView, ui->label_11,
                                    ui->label_10, ui->label_12, ui->ReduceR,  ui->ReduceG,      ui->ReduceB,
                                    ui->RSpinBox, ui->GSpinBox, ui->BSpinBox, ui->AddR,         ui->AddG,
                                    ui->AddB,     ui->label_13};
    for (QToolButton *button : ui->presetButtons)
        colourGroup << button;
    for (QWidget *widget : colourGroup)
        widget->setVisible(colour);
    ui->horizontalLight->setVisible(brightness);
    ui->LightSpinBox_2->setVisible(brightness);
    ui->horizontalSpeed->setVisible(speed);
    ui->SpeedSpinBox_2->setVisible(speed);
}

void LampLight::on_LightMod_activated(int)
{
}

void LampLight::on_LightMod_editTextChanged(const QString &)
{
}

void LampLight::on_horizontalLight_sliderMoved(int position)
{
    ui->LightSpinBox_2->setValue(position);
}

void LampLight::on_horizontalLight_valueChanged(int value)
{
    // Tracking is off: a dragged handle reports here on release, a click
    // beside the handle or a wheel step at once. The device stores level - 1.
    ui->LightSpinBox_2->setValue(value);
    if (MaySend())
        SetLampBrightness(value - 1);
}

void LampLight::on_horizontalSpeed_sliderMoved(int position)
{
    ui->SpeedSpinBox_2->setValue(position);
}

void LampLight::on_horizontalSpeed_valueChanged(int value)
{
    ui->SpeedSpinBox_2->setValue(value);
    if (MaySend())
        SetLampSpeed(value - 1);
}

void LampLight::on_LightSpinBox_2_valueChanged(int)
{
}

void LampLight::on_SpeedSpinBox_2_valueChanged(int)
{
}

void LampLight::SendColour()
{
    const int red = ui->RSpinBox->value();
    const int green = ui->GSpinBox->value();
    const int blue = ui->BSpinBox->value();
    ShowPreview(red, green, blue);
    if (g_UiReady.load())
        SetLampColor(red, green, blue);
}

void LampLight::on_RSpinBox_valueChanged(int)
{
    SendColour();
}

void LampLight::on_GSpinBox_valueChanged(int)
{
    SendColour();
}

void LampLight::on_BSpinBox_valueChanged(int)
{
    SendColour();
}

void LampLight::ShowPreview(int red, int green, int blue)
{
    ui->labelPreView->setStyleSheet(QStringLiteral("QLabel{background-color: rgb(") + QString::number(red)
                                    + QLatin1Char(',') + QString::number(green) + QLatin1Char(',')
                                    + QString::number(blue)
                                    + QStringLiteral(");border: 2px solid  rgb(220,220,220);}"));
}

void LampLight::StepChannel(int channel, int delta)
{
    if (!OnlineGuard())
        return;
    QSpinBox *box = channel == 0 ? ui->RSpinBox : channel == 1 ? ui->GSpinBox : ui->BSpinBox;
    // The box's range 0..255 bounds the step; an unchanged value sends nothing.
    box->setValue(box->value() + delta);
}

void LampLight::on_AddR_clicked()
{
    StepChannel(0, 1);
}

void LampLight::on_AddG_clicked()
{
    StepChannel(1, 1);
}

void LampLight::on_AddB_clicked()
{
    StepChannel(2, 1);
}

void LampLight::on_ReduceR_clicked()
{
    StepChannel(0, -1);
}

void LampLight::on_ReduceG_clicked()
{
    StepChannel(1, -1);
}

void LampLight::on_ReduceB_clicked()
{
    StepChannel(2, -1);
}

void LampLight::SetColourBoxes(int red, int green, int blue)
{
    ui->RSpinBox->setValue(red);
    ui->GSpinBox->setValue(green);
    ui->BSpinBox->setValue(blue);
}

void LampLight::ApplyPreset(int index)
{
    if (!OnlineGuard())
        return;
    const Rgb &c = kPresets[static_cast<size_t>(index)];
    // One send per channel that changes, each with the channels set so far.
    SetColourBoxes(c.red, c.green, c.blue);
}

void LampLight::on_toolButtonColorA_clicked()
{
    ApplyPreset(0);
}
void LampLight::on_toolButtonColorB_clicked()
{
    ApplyPreset(1);
}
void LampLight::on_toolButtonColorC_clicked()
{
    ApplyPreset(2);
}
void LampLight::on_toolButtonColorD_clicked()
{
    ApplyPreset(3);
}
void LampLight::on_toolButtonColorE_clicked()
{
    ApplyPreset(4);
}
void LampLight::on_toolButtonColorF_clicked()
{
    ApplyPreset(5);
}
void LampLight::on_toolButtonColorG_clicked()
{
    ApplyPreset(6);
}
void LampLight::on_toolButtonColorH_clicked()
{
    ApplyPreset(7);
}
void LampLight::on_toolButtonColorI_clicked()
{
    ApplyPreset(8);
}
void LampLight::on_toolButtonColorJ_clicked()
{
    ApplyPreset(9);
}
void LampLight::on_toolButtonColorK_clicked()
{
    ApplyPreset(10);
}
void LampLight::on_toolButtonColorL_clicked()
{
    ApplyPreset(11);
}
void LampLight::on_toolButtonColorM_clicked()
{
    ApplyPreset(12);
}
void LampLight::on_toolButtonColorN_clicked()
{
    ApplyPreset(13);
}

void LampLight::on_RippeControl_clicked(bool checked)
{
    if (MaySend())
        SetRippeControlB(checked ? 1 : 0);
}

void LampLight::on_StopCloseTime_activated(int index)
{
    SleepTime::SendEntry(index);
}

void LampLight::SlotUpDataLightUILight(FlashDataMap DataMap)
{
    Refresh(DataMap, true);
}

void LampLight::SlotUpDataLightUIA(FlashDataMap DataMap)
{
    Refresh(DataMap, false);
}

void LampLight::Refresh(const FlashDataMap &map, bool slidersEnabled)
{
    ui->horizontalLight->setEnabled(slidersEnabled);
    ui->horizontalSpeed->setEnabled(slidersEnabled);
    const FillingScope filling;
    const LightBarState &bar = map.LightBar;
    {
        // The colour boxes test only g_UiReady, so their signals are blocked
        // while they take the record's values; the sliders likewise.
        const QSignalBlocker blockLight(ui->horizontalLight);
        const QSignalBlocker blockSpeed(ui->horizontalSpeed);
        const QSignalBlocker blockRed(ui->RSpinBox);
        const QSignalBlocker blockGreen(ui->GSpinBox);
        const QSignalBlocker blockBlue(ui->BSpinBox);
        // Slider and box bound a byte beyond level 10.
        ui->horizontalLight->setValue(int(bar.Brightness) + 1);
        ui->LightSpinBox_2->setValue(int(bar.Brightness) + 1);
        ui->horizontalSpeed->setValue(int(bar.Speed) + 1);
        ui->SpeedSpinBox_2->setValue(int(bar.Speed) + 1);
        ui->RSpinBox->setValue(bar.Red);
        ui->GSpinBox->setValue(bar.Green);
        ui->BSpinBox->setValue(bar.Blue);
        ShowPreview(bar.Red, bar.Green, bar.Blue);
    }
    // A changed index runs the mode handler, which only lays the page out
    // while the fill flag is up.
    ui->LightMod->setCurrentIndex(bar.Enable != 0 ? int(bar.Mode) : 0);
    ui->RippeControl->setChecked(map.LightOffMoving != 0);
    const int entry = SleepTime::EntryOfCode(map.SleepTime);
    if (entry >= 0)
        ui->frameClose->SetCurrentIndex(entry);
}

void LampLight::SlotFormResetLight()
{
    // Nothing is blocked: every handler that runs sees the fill flag and
    // sends nothing. Colour and the sliders' enabled state stay.
    const FillingScope filling;
    ui->LightMod->setCurrentIndex(1);
    ui->horizontalLight->setValue(10);
    ui->horizontalSpeed->setValue(8);
    ui->LightSpinBox_2->setValue(10);
    ui->SpeedSpinBox_2->setValue(8);
    ui->RippeControl->setChecked(true);
    ui->frameClose->SetCurrentIndex(2);
}

void LampLight::SlotChangeLanguage(int index)
{
    LanguageLoader::KeyTable keys;
    auto text = [&keys](const char *child, QLabel *label) {
        keys.insert(QString::fromLatin1(child), [label](const QString &t) { label->setText(t); });
    };
    text("label", ui->label);
    text("label_2", ui->label_2);
    text("label_3", ui->label_3);
    text("label_4", ui->label_4);
    text("label_5", ui->label_5);
    text("label_6", ui->label_6);
    text("label_8", ui->label_8);
    text("label_10", ui->label_10);
    text("label_11", ui->label_11);
    text("label_12", ui->label_12);
    text("label_13", ui->label_13);
    for (int i = 0; i < 6; ++i) {
        const QString child = i == 0 ? QStringLiteral("LightMod") : QStringLiteral("LightMod") + QString::number(i);
        keys.insert(child, [this, i](const QString &t) { ui->LightMod->setItemText(i, t); });
    }
    for (int i = 0; i < SleepTime::EntryCount; ++i) {
        const QString child =
            i == 0 ? QStringLiteral("StopCloseTime") : QStringLiteral("StopCloseTime") + QString::number(i);
        keys.insert(child, [this, i](const QString &t) { ui->frameClose->SetItemText(i, t); });
    }
    LanguageLoader::Load(index, QStringLiteral("Light"), keys, m_Reader);
}

char LampLight::ByteToQString(uchar a)
{
    return static_cast<char>(a);
}

QRect LampLight::PageGeometry(const QWidget *widget) const
{
    return QRect(widget->mapTo(this, QPoint(0, 0)), widget->size());
}

void LampLight::mousePressEvent(QMouseEvent *event)
{
    // The second press of a double click arrives here too (QWidget's
    // double-click handler passes it on); it does nothing.
    if (event->type() != QEvent::MouseButtonPress)
        return;
    const QPoint pos = event->pos();
    // A press inside a number box reaches the page too (the box's editor
    // passes it on), so the page takes the focus only for a press outside
    // every box; otherwise a click into a colour box would lose the focus
    // at once and the box could not be typed into.
    const bool inColour = PageGeometry(ui->RSpinBox).contains(pos) || PageGeometry(ui->GSpinBox).contains(pos)
        || PageGeometry(ui->BSpinBox).contains(pos);
    const bool inLight = PageGeometry(ui->LightSpinBox_2).contains(pos);
    const bool inSpeed = PageGeometry(ui->SpeedSpinBox_2).contains(pos);
    if (!inColour) {
        ui->RSpinBox->clearFocus();
        ui->GSpinBox->clearFocus();
        ui->BSpinBox->clearFocus();
    }
    if (!inLight)
        ui->LightSpinBox_2->clearFocus();
    if (!inSpeed)
        ui->SpeedSpinBox_2->clearFocus();
    if (!inColour && !inLight && !inSpeed)
        setFocus(Qt::OtherFocusReason);
    // The board is hidden in the modes without a colour; a press where it
    // would be is a press on the empty page.
    if (!ui->label_7->isHidden() && PageGeometry(ui->label_7).contains(pos)) {
        if (!OnlineGuard())
            return;
        const std::optional<QColor> picked = ScreenPicker::PickAtCursor();
        // No grab (offscreen, most Wayland sessions): no colour was read, so
        // the current one stays and nothing is sent.
        if (!picked)
            return;
        SetColourBoxes(picked->red(), picked->green(), picked->blue());
        ShowPreview(picked->red(), picked->green(), picked->blue());
    }
}

void LampLight::changeEvent(QEvent *)
{
}
