#include "SensorDPIB.h"

#include "DataSetters.h"
#include "DpiCode.h"
#include "GlobalState.h"
#include "LightSkin.h"
#include "OptionWidget.h"
#include "SensorDPI.h"
#include "SensorDPIBForm.h"
#include "Skin.h"
#include "Worker.h"

#include <QButtonGroup>
#include <QColorDialog>

namespace {

const char *const kStartColors[8] = {"#ff0000", "#ffff00", "#ffaa00", "#00ff00",
                                     "#aaffff", "#aa55ff", "#9f0000", "#00d4d4"};
const char *const kPresetColors[8] = {"#ff0000", "#00ffff", "#00ff00", "#ffffff",
                                      "#00ffff", "#ff557d", "#ff00ff", "#00ffff"};

bool MaySend()
{
    return g_UiReady.load() && !g_SensorUiFilling.load();
}

QString ColorSheet(const QString &colour)
{
    return "QToolButton{border:0px;border-radius:3px;background-position:center;background-repeat:no-repeat;"
           "background-color:"
        + colour + ";}";
}

// Two lower-case hexadecimal digits of "#rrggbb" from position at; 0 when
// they are none.
int ColorPart(const QString &colour, int at)
{
    bool ok = false;
    const int value = colour.mid(at, 2).toInt(&ok, 16);
    return ok ? value : 0;
}

} // namespace

SensorDPIB::SensorDPIB(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui_SensorDPIB)
{
    ui->setupUi(this);
    pictureDir = OptionWidget::PictureFolder();
    for (int i = 0; i < 8; ++i)
        levelColors[i] = QString::fromLatin1(kStartColors[i]);

    levelGroup = new QButtonGroup(this);
    levelGroup->setExclusive(true);
    colorDialog = new QColorDialog(this);
    // Our own dialog (not the platform's), the same everywhere and one the
    // tests can drive; as on the sensor page.
    colorDialog->setOption(QColorDialog::DontUseNativeDialog, true);
    connect(colorDialog, &QColorDialog::colorSelected, this, &SensorDPIB::SetColor);

    ui->label->setStyleSheet("QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
    LightSkin::ApplyCombo(ui->ChooseEvent, pictureDir);
    const QString slider = LightSkin::SliderSheet(pictureDir, 0);
    const QString box = LightSkin::EntryBoxSheet(QStringLiteral("transparent"));
    const QString toggle = LightSkin::CheckBoxSheet(pictureDir);
    for (int i = 0; i < 8; ++i) {
        ui->Slider(i)->setStyleSheet(slider);
        ui->ValueBox(i)->setStyleSheet(box);
        ui->Toggle(i)->setStyleSheet(toggle);
        // Every button starts red, not in its level's colour, until the owner
        // restyles it.
        ui->ColorButton(i)->setStyleSheet(
            "#" + ui->ColorButton(i)->objectName()
            + "{border:0px;border-radius:3px;background-position:center;background-repeat:no-repeat;"
              "background-color: rgb(255, 0, 0);}");
    }
    for (int i = 0; i < 8; ++i)
        levelGroup->addButton(ui->Toggle(i));
}

SensorDPIB::~SensorDPIB()
{
    delete ui;
}

QString SensorDPIB::LevelColor(int level) const
{
    return (level >= 0 && level < 8) ? levelColors[level] : QString();
}

// ---- owner operations -----------------------------------------------------

bool SensorDPIB::BlockChooseSignals(bool block)
{
    return ui->ChooseEvent->blockSignals(block);
}

void SensorDPIB::ClearChooseItems()
{
    const bool was = ui->ChooseEvent->blockSignals(true);
    ui->ChooseEvent->clear();
    ui->ChooseEvent->blockSignals(was);
}

void SensorDPIB::InsertChooseItem(int index, QString text)
{
    ui->ChooseEvent->insertItem(index, QIcon(), text);
}

void SensorDPIB::SetChooseIndex(int index)
{
    ui->ChooseEvent->setCurrentIndex(index);
}

void SensorDPIB::BlockSliderSignals(bool block)
{
    for (int i = 0; i < 8; ++i)
        ui->Slider(i)->blockSignals(block);
}

void SensorDPIB::SetSlidersEnabled(bool on)
{
    for (int i = 0; i < 8; ++i)
        ui->Slider(i)->setEnabled(on);
}

void SensorDPIB::SetSliderMinimum(int value)
{
    for (int i = 0; i < 8; ++i)
        ui->Slider(i)->setMinimum(value);
}

void SensorDPIB::SetSliderMaximum(int value)
{
    for (int i = 0; i < 8; ++i)
        ui->Slider(i)->setMaximum(value);
}

void SensorDPIB::SetSliderValue(int value, int level)
{
    if (MySlider *slider = ui->Slider(level))
        slider->setValue(value);
}

void SensorDPIB::SetSpinValue(int value, int level)
{
    if (QSpinBox *box = ui->ValueBox(level))
        box->setValue(value);
}

void SensorDPIB::SetLevelText(int level, QString text)
{
    if (!ui->Slider(level))
        return;
    bool ok = false;
    int value = text.toInt(&ok, 10);
    if (!ok)
        value = 0;
    ui->Slider(level)->setValue(value);
    ui->ValueBox(level)->setValue(value);
}

void SensorDPIB::SetLevelColor(int level, QString colour)
{
    if (level >= 0 && level < 8)
        levelColors[level] = colour;
}

void SensorDPIB::ShowButtonColor(int level, const QString &c)
{
    if (QToolButton *button = ui->ColorButton(level))
        button->setStyleSheet(ColorSheet(c));
}

void SensorDPIB::ShowLevelColorA()
{
    ShowButtonColor(0, levelColors[0]);
}
void SensorDPIB::ShowLevelColorB()
{
    ShowButtonColor(1, levelColors[1]);
}
void SensorDPIB::ShowLevelColorC()
{
    ShowButtonColor(2, levelColors[2]);
}
void SensorDPIB::ShowLevelColorD()
{
    ShowButtonColor(3, levelColors[3]);
}
void SensorDPIB::ShowLevelColorE()
{
    ShowButtonColor(4, levelColors[4]);
}
void SensorDPIB::ShowLevelColorF()
{
    ShowButtonColor(5, levelColors[5]);
}
void SensorDPIB::ShowLevelColorG()
{
    ShowButtonColor(6, levelColors[6]);
}
void SensorDPIB::ShowLevelColorH()
{
    ShowButtonColor(7, levelColors[7]);
}

void SensorDPIB::ShowAllLevelColors()
{
    for (int i = 0; i < 8; ++i)
        ShowButtonColor(i, levelColors[i]);
}

void SensorDPIB::ShowPresetColors()
{
    for (int i = 0; i < 8; ++i)
        ShowButtonColor(i, QString::fromLatin1(kPresetColors[i]));
}

void SensorDPIB::CheckLevelButton(int level)
{
    if (QCheckBox *toggle = ui->Toggle(level))
        toggle->setChecked(true);
}

void SensorDPIB::SelectLevel(int level)
{
    if (!ui->Toggle(level))
        return;
    if (g_UiReady.load() && !SensorDPI::DeviceAnswers() && !g_SensorUiFilling.load()) {
        SensorDPI::OfflineNotice();
        return;
    }
    armed = false;
    CheckLevelButton(level);
}

void SensorDPIB::SetCurrentLevel(int level)
{
    currentLevel = level;
}

void SensorDPIB::SetLevelCount(int count)
{
    levelCount = count;
}

void SensorDPIB::ShowLevels(int index)
{
    if (!SensorDPI::IsCountIndex(index))
        return;
    for (int i = 0; i < 8; ++i) {
        const bool shown = i <= index;
        ui->Toggle(i)->setVisible(shown);
        ui->ColorButton(i)->setVisible(shown);
        ui->Slider(i)->setVisible(shown);
        ui->ValueBox(i)->setVisible(shown);
    }
}

void SensorDPIB::SetTitleText(QString text)
{
    ui->label->setText(text);
}

// ---- the user's edits -----------------------------------------------------

void SensorDPIB::SliderChanged(int i, int value)
{
    MySlider *slider = ui->Slider(i);
    QSpinBox *box = ui->ValueBox(i);
    if (g_UiReady.load() && !g_SensorUiFilling.load() && !SensorDPI::DeviceAnswers()) {
        box->setValue(value);
        SensorDPI::OfflineNotice();
        return;
    }
    // The handle stays where it was put; only the box shows the snapped value.
    int pageStep = slider->pageStep();
    value = DpiCode::Snap(value, &pageStep);
    slider->setPageStep(pageStep);
    box->setValue(value);
    if (!armed) {
        armed = true;
        return;
    }
    if (!g_ProfileLoading.load())
        SetDPIValue(i, value);
}

void SensorDPIB::LevelToggled(int i, bool checked)
{
    // The exclusive group unchecks the previous toggle: that says nothing.
    if (!checked || !MaySend())
        return;
    currentLevel = i;
    SetCurrentDPI(i);
}

void SensorDPIB::ColorClicked(int i)
{
    colorTarget = i;
    colorDialog->show();
}

void SensorDPIB::SetColor(QColor color)
{
    const QString text = QString::asprintf("#%02x%02x%02x", color.red(), color.green(), color.blue());
    levelColors[colorTarget] = text;
    if (MaySend())
        SetDPIColor(colorTarget, ColorPart(text, 1), ColorPart(text, 3), ColorPart(text, 5));
    ShowButtonColor(colorTarget, text);
}

void SensorDPIB::SwapRows(int old, int index)
{
    const QString oldColor = levelColors[old];
    const int oldValue = ui->ValueBox(old)->value();
    const int newValue = ui->ValueBox(index)->value();
    levelColors[old] = levelColors[index];
    ShowButtonColor(old, levelColors[old]);
    ui->Slider(old)->setValue(newValue);
    ui->ValueBox(old)->setValue(newValue);
    levelColors[index] = oldColor;
    ShowButtonColor(index, oldColor);
    ui->Slider(index)->setValue(oldValue);
    ui->ValueBox(index)->setValue(oldValue);
    // Not blocked: the toggle makes index the current level on the device.
    ui->Toggle(index)->setChecked(true);
}

void SensorDPIB::on_ChooseEvent_currentIndexChanged(int index)
{
    // While the owner fills the rows it sets the count itself; and only a
    // count of 1..8 exists (an emptied combo reports -1).
    if (g_SensorUiFilling.load() || !SensorDPI::IsCountIndex(index))
        return;
    previousLevel = currentLevel;
    // A current level beyond the new count trades places with the new last
    // level. The owner may have set any number as the current level: only
    // one of the eight levels has a row and an entry to move.
    if (index < previousLevel && previousLevel <= 7) {
        BlockSliderSignals(true);
        SwapRows(previousLevel, index);
        currentLevel = index;
        SensorDPI::SendLevelSwap(index, previousLevel);
        BlockSliderSignals(false);
    }
    levelCount = index + 1;
    ShowLevels(index);
    SensorDPI::SendLevelCount(index);
}

// ---- the by-name slots of the eight rows ----------------------------------

#define SENSOR_DPIB_ROW_SLOTS(Letter, ColorName, level)                                                                \
    void SensorDPIB::on_horizontalSlider##Letter##_valueChanged(int value)                                             \
    {                                                                                                                  \
        SliderChanged(level, value);                                                                                   \
    }                                                                                                                  \
    void SensorDPIB::on_M##Letter##_toggled(bool checked)                                                              \
    {                                                                                                                  \
        LevelToggled(level, checked);                                                                                  \
    }                                                                                                                  \
    void SensorDPIB::on_##ColorName##_clicked()                                                                        \
    {                                                                                                                  \
        ColorClicked(level);                                                                                           \
    }

SENSOR_DPIB_ROW_SLOTS(A, BlueButtonA, 0)
SENSOR_DPIB_ROW_SLOTS(B, BrightRedButtonA, 1)
SENSOR_DPIB_ROW_SLOTS(C, RedButtonA, 2)
SENSOR_DPIB_ROW_SLOTS(D, YellowButtonA, 3)
SENSOR_DPIB_ROW_SLOTS(E, GreenButtonA, 4)
SENSOR_DPIB_ROW_SLOTS(F, PurpleButtonA, 5)
SENSOR_DPIB_ROW_SLOTS(G, LightBlueButtonA, 6)
SENSOR_DPIB_ROW_SLOTS(H, LightYellowButtonA, 7)

#undef SENSOR_DPIB_ROW_SLOTS
