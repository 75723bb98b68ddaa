// The settings page's language: the selector, the page's section
// "FormSetting" of the language files, the placement of the firmware rows
// per language, and the maker file Net.xml (maker line and web link).

#include "FormSetting.h"
#include "FormSettingForm.h"

#include "MacroIni.h"
#include "PostMsg.h"
#include "SettingsState.h"
#include "Skin.h"

void FormSetting::on_comboBox_activated(int index)
{
    PickLanguage(index);
}

void FormSetting::PickLanguage(int index)
{
    MacroIni::GetInstance()->SetValue("Language", "Language", QString::number(index));
    PostMsg *hub = PostMsg::GetInstance();
    hub->EmitChangeLanguage(index);
    hub->EmitLanguageSameA(index);
}

void FormSetting::SlotLanguageSameB(int index)
{
    // Only the selector follows the device list's; a programmatic change
    // raises no activated(), so nothing is stored or sent again.
    ui->comboBox->setCurrentIndex(index);
}

void FormSetting::PlaceFirmwareRows(int index)
{
    // Where the version texts (x1) and the update buttons (x2) stand, so the
    // captions of each language fit before them.
    int x1 = 235;
    int x2 = 285;
    switch (index) {
    case 0:
        x1 = 200;
        x2 = 280;
        break;
    case 1:
        x1 = 150;
        x2 = 280;
        break;
    case 2:
        x1 = 150;
        x2 = 330;
        break;
    case 3:
        x1 = 280;
        x2 = 330;
        break;
    case 4:
        x1 = 170;
        x2 = 280;
        break;
    case 5:
        x1 = 280;
        x2 = 330;
        break;
    default:
        break;
    }
    ui->label_5->move(x1, 155);
    ui->Receive->move(x2, 155);
    ui->toolButton_2->move(460, 160);
    ui->label_12->move(490, 158);
    ui->label_7->move(x1, 185);
    ui->Mouse->move(x2, 185);
    ui->toolButton_3->move(460, 190);
    ui->label_13->move(490, 188);
    // The Japanese button texts are long.
    const QFont font = Skin::Font(index == 5 ? 7 : 10);
    ui->Mouse->setFont(font);
    ui->Receive->setFont(font);
}

void FormSetting::BeforeLanguageLoad(int index)
{
    PlaceFirmwareRows(index);
}

LanguageLoader::KeyTable FormSetting::LanguageKeys()
{
    LanguageLoader::KeyTable keys;
    const auto setText = [&keys](const char *child, auto *widget) {
        keys.insert(QString::fromLatin1(child), [widget](const QString &text) { widget->setText(text); });
    };
    setText("label", ui->label);
    setText("label_2", ui->label_2);
    setText("label_3", ui->label_3);
    setText("label_4", ui->label_4);
    setText("label_6", ui->label_6);
    setText("label_8", ui->label_8);
    setText("label_9", ui->label_9);
    setText("label_10", ui->label_10);
    setText("label_11", ui->label_11);
    setText("textEdit", ui->textEdit);
    setText("pushButton_2", ui->pushButton_2);
    setText("pushButton", ui->pushButton);
    setText("label_14", ui->label_14);
    setText("textEdit_2", ui->textEdit_2);
    setText("textEdit_3", ui->textEdit_3);
    setText("textEdit_4", ui->textEdit_4);
    setText("NewLabel", ui->NewLabel);
    keys.insert("Receive", [this](const QString &text) {
        receiveButtonText = text;
        ui->Receive->setText(text);
    });
    keys.insert("Mouse", [this](const QString &text) {
        mouseButtonText = text;
        ui->Mouse->setText(text);
    });
    keys.insert("WiredMode", [](const QString &text) { g_WiredModeText = text; });
    keys.insert("NoDevice", [this](const QString &text) { noDeviceText = text; });
    keys.insert("SameDevice", [this](const QString &text) { sameDeviceText = text; });
    keys.insert("VerNew", [this](const QString &text) { verNewText = text; });
    keys.insert("NoMouseSettings", [this](const QString &text) { noMouseSettingsText = text; });
    return keys;
}

void FormSetting::AfterLanguageLoad(int, bool opened)
{
    xmlReader = m_Reader.get();
    if (opened)
        ReadNetFile();
}

void FormSetting::ReadNetFile()
{
    // The language is read from Macro.ini here, not taken from the slot's
    // argument: the footer follows the stored choice.
    const int index = LanguageLoader::StoredIndex();
    const bool chinese = index == 1 || index == 2;
    const bool english = index == 0 || index == 3 || index == 4;

    LanguageLoader::KeyTable keys;
    keys.insert("CompanyName", [this](const QString &text) { ui->pushButton_4->setText(text); });
    keys.insert("CompanyWebcn", [this, chinese](const QString &text) {
        if (chinese)
            ui->pushButton_3->setText(text);
    });
    keys.insert("CompanyWeben", [this, english](const QString &text) {
        if (english)
            ui->pushButton_3->setText(text);
    });
    const QStringList elements{chinese ? QStringLiteral("Chinese") : QStringLiteral("English"), QStringLiteral("Web")};
    const bool opened = LanguageLoader::LoadFile(LanguageLoader::NetFilePath(), "Profile", elements, keys, m_Reader);
    xmlReader = m_Reader.get();
    if (!opened)
        return;
    ApplyHintLines();
}

void FormSetting::ApplyHintLines()
{
    if (dongleHintState == 1)
        ui->label_12->setText(noDeviceText);
    else if (dongleHintState == 2)
        ui->label_12->setText(sameDeviceText);
    if (mouseHintState == 1)
        ui->label_13->setText(g_WiredModeText);
    else if (mouseHintState == 2)
        ui->label_13->setText(sameDeviceText);
}
