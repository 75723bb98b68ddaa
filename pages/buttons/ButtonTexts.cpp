// The button page's texts: the section "Buttoninterface" of the language
// files. The form's own texts are Chinese placeholders; each load puts the
// chosen language on the widgets, the two label prefixes and the debounce
// items, and, once a device has been read, on the selector labels and the
// configuration items too.

#include "Buttoninterface.h"

#include "ButtoninterfaceForm.h"
#include "GlobalState.h"
#include "Skin.h"
#include "Worker.h"

namespace {

// The widgets whose text is the element of the same name.
constexpr const char *kTextElements[] = {
    // top strip
    "Reset", "ImportData", "OutputData",
    // selectors
    "FireKey", "RightKey", "BackKey", "StartPause", "TopMusic", "BackMusic",
    // main menu
    "LeftKey_3", "RightKey_3", "MidKey", "BackKey_2", "ForWardKey", "DPI_2", "DPI_3", "DPI_6", "DPI_8", "DPI_5",
    "DPI_13", "DPI_11", "DPI_10", "DPI_9", "DPI_7", "DPI_12", "DPI_4",
    // multimedia
    "Player", "StartPause_2", "BackMusic_2", "TopMusic_2", "Mute", "VolumeUp", "VolumeDown", "VolumeDown_4",
    "VolumeDown_5", "VolumeDown_6", "VolumeDown_3", "VolumeDown_8", "VolumeDown_9", "VolumeDown_7", "VolumeDown_10",
    "VolumeDown_12", "VolumeDown_13", "VolumeDown_11",
    // lights
    "VolumeUp_4", "VolumeUp_5", "VolumeUp_6", "VolumeUp_7",
    // tilt, DPI loop, scroll
    "VolumeUp_2", "VolumeDown_2", "VolumeUp_8", "VolumeUp_14", "VolumeDown_14"};
static_assert(sizeof kTextElements / sizeof kTextElements[0] == 53, "the section names 53 widgets");

// The Japanese import and export captions are cut short on the buttons, so
// only that language repeats them as tool tips.
constexpr int kToolTipLanguage = 5;
// Russian function names are long: the first-level menu gets a smaller font.
constexpr int kSmallMenuLanguage = 3;

} // namespace

void Buttoninterface::BeforeLanguageLoad(int index)
{
    // Before the file is opened, so the font follows the language even when
    // its file is missing.
    const QFont font = Skin::Font(index == kSmallMenuLanguage ? 6 : 9);
    for (QToolButton *item :
         {ui->LeftKey_3, ui->RightKey_3, ui->MidKey, ui->BackKey_2, ui->ForWardKey, ui->DPI_2, ui->DPI_3,
          static_cast<QToolButton *>(ui->DPI_6), static_cast<QToolButton *>(ui->DPI_8), ui->DPI_5, ui->DPI_13,
          ui->DPI_11, ui->DPI_4, ui->DPI_9, ui->DPI_7, ui->DPI_12, ui->DPI_10})
        item->setFont(font);
    m_SectionRead = false;
}

LanguageLoader::KeyTable Buttoninterface::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    // The stored choice, not the loaded index: the tool tips follow Macro.ini.
    const bool toolTips = LanguageLoader::StoredIndex() == kToolTipLanguage;
    // The texts are read before the menus are put into the page (see the
    // constructor), so the menus' buttons are looked for in their parts too.
    const QList<QWidget *> parts = ui->partsToAssemble();
    for (const char *element : kTextElements) {
        QAbstractButton *button = findChild<QAbstractButton *>(QLatin1String(element));
        for (int i = 0; !button && i < parts.size(); ++i)
            button = parts.at(i)->findChild<QAbstractButton *>(QLatin1String(element));
        if (!button)
            continue;
        keys.insert(QLatin1String(element), [this, button](const QString &t) {
            m_SectionRead = true;
            button->setText(t);
        });
    }
    for (QToolButton *button : {ui->ImportData, ui->OutputData}) {
        keys.insert(button->objectName(), [this, button, toolTips](const QString &t) {
            m_SectionRead = true;
            button->setText(t);
            button->setToolTip(toolTips ? t : QString());
        });
    }
    // There is no check box: the element names the debounce selector's caption.
    keys.insert(QStringLiteral("checkBox"), [this](const QString &t) {
        m_SectionRead = true;
        ui->label_3->setText(t);
    });
    keys.insert(QStringLiteral("Macro_"), [this](const QString &t) {
        m_SectionRead = true;
        m_MacroPrefix = t;
    });
    keys.insert(QStringLiteral("Config"), [this](const QString &t) {
        m_SectionRead = true;
        m_ConfigPrefix = t;
    });
    // "S1".."S19" are items 0..18; "S20" serves both 19 and 20 ms.
    for (int n = 1; n <= 20; ++n) {
        keys.insert("S" + QString::number(n), [this, n](const QString &t) {
            m_SectionRead = true;
            ui->DebunceButton->SetItemText(n - 1, t);
            if (n == 20)
                ui->DebunceButton->SetItemText(20, t);
        });
    }
    return keys;
}

void Buttoninterface::AfterLanguageLoad(int, bool opened)
{
    const bool initial = !m_FirstLanguageLoaded;
    m_FirstLanguageLoaded = true;
    if (!opened || !m_SectionRead)
        return;
    // Only a device that has been read in full once has labels and
    // configuration items to re-text; the file itself is not used further.
    FlashDataMap scratch;
    if (!Worker::ReadDeviceInfoFile(g_DeviceInfoName.get(), &scratch))
        return;
    if (!initial) {
        // The record as the mouse holds it now (the cache file may be older),
        // copied so the relabel reads one state of it.
        RelabelFromRecord(FlashData::snapshot());
    }
    RetextConfigItems();
}

void Buttoninterface::RetextConfigItems()
{
    MyConmboBox *combo = ui->ProjectChoose;
    const int count = combo->count();
    const int current = combo->currentIndex();
    combo->blockSignals(true);
    combo->clear();
    for (int i = 0; i < count; ++i)
        combo->insertItem(i, m_ConfigPrefix + QString::number(i + 1));
    combo->setCurrentIndex(current);
    combo->blockSignals(false);
}
