#include "Buttoninterface.h"

#include "ButtoninterfaceForm.h"
#include "ConfigIni.h"
#include "DataSetters.h"
#include "DialogSkeleton.h"
#include "DriverSensorFile.h"
#include "GlobalState.h"
#include "HIDUsb.h"
#include "KeyVocabulary.h"
#include "LeftButtonOnly.h"
#include "MacroListing.h"
#include "MacroNames.h"
#include "MakeMacro.h"
#include "ModelInfo.h"
#include "OfflineAction.h"
#include "PolishLater.h"
#include "PostMsg.h"
#include "Skin.h"
#include "UserPaths.h"
#include "Worker.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCodec>
#include <QTimer>

namespace {

// The record has sixteen key entries: a "KeyNumber" beyond them (or below
// zero, or no number) must not make the page read or write past them.
int ModelKeyCount(const ModelInfo &model)
{
    return qBound(0, model.KeyNumber(), 16);
}

// Device indexes of the selectors FireKey, RightKey, BackKey, StartPause,
// TopMusic, BackMusic: the order every look over all selectors takes.
constexpr int kSelectorOrder[6] = {0, 1, 2, 4, 3, 5};

} // namespace

Buttoninterface::Buttoninterface(QWidget *parent, Build build)
    : PageSkeleton(QStringLiteral("Buttoninterface"), QStringLiteral("Buttoninterface"), parent)
    , ui(new Ui_Buttoninterface)
{
    ui->setupUi(this);
    ui->Number6->hide();

    // The base took the language change; the mouse picture comes next.
    ConnectHub(&PostMsg::SigMouseIndex, &Buttoninterface::SlotMouseIndex);

    // The doubled slash has always been part of this folder's text.
    m_MainPagePath = UserPaths::userFolder() + "//usersetting/MainPage";
    if (!QDir(m_MainPagePath).exists())
        QDir().mkpath(m_MainPagePath);

    ui->label_13->hide();
    ui->BackMusic->hide();

    m_SelectorGroup = new QButtonGroup(this);
    m_FunctionGroup = new QButtonGroup(this);
    m_ItemGroup = new QButtonGroup(this);
    m_NumberGroup = new QButtonGroup(this);
    for (QButtonGroup *group : {m_SelectorGroup, m_FunctionGroup, m_ItemGroup, m_NumberGroup})
        group->setExclusive(true);
    InitButtonGroup();

    m_ButtonColorList = ConfigIni::GetInstance()->GetValueList("Option", "ButtonColor");
    m_ButtonColor = Skin::Rgb("ButtonColor");

    // The configuration switch and the lights cannot be chosen on this page.
    ui->DPI_3->hide();
    ui->DPI_9->hide();

    // Every sheet is set before the menu pages are put together (and so
    // polished): set afterwards, each one would restyle its whole subtree.
    SetStyleSheets1();
    SetComboSheets();
    ui->label_3->setStyleSheet("QLabel{color: rgb(" + Skin::Rgb("LabelColor") + ";);}");
    SetStyleSheets2();
    SetStyleSheets3();

    // Built now, put into its scroll area with the sub-menus.
    InitMacroButton();

    const DriverSensorFile::Contents &sensorFile = DriverSensorFile::Get();
    m_DefineNames = sensorFile.names;
    m_DefineValues = sensorFile.values;

    ConnectHub(&PostMsg::SigUpDataLightUIButton, &Buttoninterface::SlotUpDataButtonUIButton,
               Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataConfigUI, &Buttoninterface::SlotUpDataConfigUI, Qt::BlockingQueuedConnection);
    ConnectHub(&PostMsg::SigUpDataButtonUIC, &Buttoninterface::SlotUpDataButtonUIB);
    ConnectHub(&PostMsg::SigAddMacroButton, &Buttoninterface::SlotAddMacroButton);
    ConnectHub(&PostMsg::SigDeleteMacroButton, &Buttoninterface::SlotDeleteMacroButton);
    ConnectHub(&PostMsg::SigUpDataMacro, &Buttoninterface::SlotUpDataMacro);
    ConnectHub(&PostMsg::SigMacroRename, &Buttoninterface::SlotMacroRename);
    ConnectHub(&PostMsg::SigFormReset, &Buttoninterface::SlotFormResetButton, Qt::BlockingQueuedConnection);

    m_Link = std::make_unique<DeviceLink>();

    // Polished in the steps below, not all at once on the next turn of the
    // event loop. The parts made without a parent are polished where they
    // are put (polished before, as windows of their own, the work would be
    // done twice).
    PolishLater::Withdraw(this);
    for (QWidget *part : ui->partsToAssemble())
        PolishLater::Withdraw(part);

    // The texts of the stored language before the menus are put together:
    // that measures every caption, and the form's own Chinese placeholders
    // measured then would load the large CJK font for a Latin language.
    // A language picked later, while the parts are still being put in
    // place, reaches them all the same (the keys look into the parts).
    LoadStoredLanguage();

    if (build == Build::Whole)
        BuildRemainingSteps();
}

bool Buttoninterface::BuildNextStep()
{
    switch (m_Step) {
    case 0:
        // The page's own widgets (the head with its pictures, the panels).
        ensurePolished();
        break;
    case 1:
        ui->assembleSelectors();
        break;
    case 2:
        ui->assembleMainList();
        ui->stackedWidget->setCurrentWidget(ui->page);
        break;
    case 3:
        ui->assembleSubMenuPages();
        break;
    case 4:
        ui->assembleSubMenus(this);
        ui->scrollArea_7->setWidget(m_MacroContainer);
        ui->stackedWidget_2->setCurrentWidget(ui->page_9);
        // The sub-menu pages not shown yet.
        for (int i = 0; i < ui->stackedWidget_2->count(); ++i)
            ui->stackedWidget_2->widget(i)->ensurePolished();
        // The sub-menus' panels, now that they are in the page.
        FlattenStyledPanels();
        break;
    default:
        return true;
    }
    ++m_Step;
    return IsComplete();
}

void Buttoninterface::BuildRemainingSteps()
{
    while (!BuildNextStep()) {
    }
}

bool Buttoninterface::IsComplete() const
{
    return m_Step >= BuildSteps;
}

Buttoninterface::~Buttoninterface()
{
    Worker::Stop();
    // First: a hot-plug notification served below would select a device again.
    StopUsbChanged();
    // Then the worker: its wait serves a pass blocked on this page.
    m_Link.reset();
    delete ui;
}

void Buttoninterface::InitButtonGroup()
{
    for (QToolButton *b : {ui->FireKey, ui->RightKey, ui->BackKey, ui->StartPause, ui->TopMusic, ui->BackMusic})
        m_SelectorGroup->addButton(b);
    for (QToolButton *b :
         {ui->LeftKey_3, ui->RightKey_3, ui->MidKey, ui->BackKey_2, ui->ForWardKey, ui->DPI_2, ui->DPI_3, ui->DPI_4,
          ui->DPI_5, static_cast<QToolButton *>(ui->DPI_6), ui->DPI_7, static_cast<QToolButton *>(ui->DPI_8), ui->DPI_9,
          ui->DPI_10, ui->DPI_11, ui->DPI_12, ui->DPI_13})
        m_FunctionGroup->addButton(b);
    for (QToolButton *b : {ui->Player,        ui->StartPause_2,  ui->BackMusic_2,   ui->TopMusic_2,   ui->Mute,
                           ui->VolumeUp,      ui->VolumeDown,    ui->VolumeDown_4,  ui->VolumeDown_5, ui->VolumeDown_6,
                           ui->VolumeDown_3,  ui->VolumeDown_8,  ui->VolumeDown_9,  ui->VolumeDown_7, ui->VolumeDown_10,
                           ui->VolumeDown_12, ui->VolumeDown_13, ui->VolumeDown_11, ui->VolumeUp_4,   ui->VolumeUp_5,
                           ui->VolumeUp_6,    ui->VolumeUp_7,    ui->VolumeUp_11,   ui->VolumeUp_12,  ui->VolumeUp_13,
                           ui->VolumeUp_16,   ui->VolumeUp_15,   ui->VolumeUp_19,   ui->VolumeUp_20,  ui->VolumeUp_22,
                           ui->VolumeUp_18,   ui->VolumeUp_24,   ui->VolumeUp_23,   ui->VolumeUp_21,  ui->VolumeDown_2,
                           ui->VolumeUp_2,    ui->VolumeUp_10,   ui->VolumeUp_8,    ui->VolumeUp_9,   ui->VolumeUp_14,
                           ui->VolumeDown_14})
        m_ItemGroup->addButton(b);
    for (QToolButton *b : {ui->Number1, ui->Number2, ui->Number3, ui->Number4, ui->Number5, ui->Number6})
        m_NumberGroup->addButton(b);
}

void Buttoninterface::InitMacroButton()
{
    // The macro list itself is built from the macro files by the macro binding.
    // The layout goes to the container (the page has its own layout already).
    m_MacroLayout = new QVBoxLayout;
    m_MacroLayout->setSizeConstraint(QLayout::SetFixedSize);
    // Made where it goes (the sub-menus are not polished yet): moved there
    // from the page, it would be styled with the page and again on the move.
    m_MacroContainer = new QWidget(ui->scrollArea_7->viewport());
    m_MacroContainer->setMinimumSize(205, 220);
    m_MacroContainer->setMaximumSize(205, 220);
    m_MacroContainer->setStyleSheet("background-color:transparent;border:none;");
    m_MacroContainer->setLayout(m_MacroLayout);
    BuildMacroList();
}

void Buttoninterface::BuildMacroList()
{
    for (QToolButton *b : m_MacroButtons)
        delete b; // leaves the layout and the group with it
    m_MacroButtons.clear();

    QFont font(QStringLiteral("微软雅黑"));
    font.setPointSize(9); // the list keeps 9 points in every language
    const QString folder = UserPaths::macroPageFolder();
    QStringList files;
    // A file no macro name leads back to is no macro: a binding names the
    // macro, and the mouse's record and the macro page find it by that name.
    // Names with "xml" stay for the rule below, which counts them.
    for (const QString &file : MacroNames::ListFolderFiles(folder)) {
        if (!MacroNames::IsListedFileName(file) || MacroNames::LeadsBackToFile(folder, file))
            files << file;
    }
    for (int i = 0; i < files.size(); ++i) {
        if (!MacroNames::IsListedFileName(files.at(i))) {
            files.removeAt(i);
            break;
        }
    }
    const int n = files.size(); // later "xml" names still count towards the seven rows
    const QString sheet = "QToolButton{color: rgb(" + m_ButtonColor + ";);border-image: url(" + m_PicturePath
        + "CMenuTitle.png" + ");}QToolButton:hover{background-image: none;}QToolButton:checked{border-image: url("
        + m_PicturePath + "CMenuTitleChecked.png" + ");}";
    for (const QString &file : files) {
        if (!MacroNames::IsListedFileName(file))
            continue;
        auto *b = new QToolButton(m_MacroContainer);
        b->setText(MacroNames::NameOfFile(file));
        b->setStyleSheet(sheet);
        b->setFont(font);
        b->setMinimumSize(174, 22);
        b->setCheckable(true);
        m_MacroLayout->addWidget(b);
        m_ItemGroup->addButton(b);
        m_MacroButtons.append(b);
        connect(b, &QToolButton::clicked, this, &Buttoninterface::slotButtonClicked);
    }
    if (n >= 1 && n <= 6) {
        for (int k = 0; k < 7 - n; ++k) {
            auto *b = new QToolButton(m_MacroContainer);
            b->setStyleSheet(sheet);
            b->setFont(font);
            b->setEnabled(false);
            b->setMinimumSize(174, 23);
            b->setCheckable(true);
            b->hide();
            m_MacroLayout->addWidget(b);
            m_MacroButtons.append(b);
        }
    }
}

void Buttoninterface::SetStyleSheets1()
{
    const QString &p = m_PicturePath;
    const QString &c = m_ButtonColor;
    for (QWidget *w : {ui->scrollAreaWidgetContents_3, ui->scrollAreaWidgetContents_4, ui->scrollAreaWidgetContents_6,
                       ui->scrollAreaWidgetContents_8, ui->scrollAreaWidgetContents_9, ui->scrollAreaWidgetContents_12,
                       ui->scrollAreaWidgetContents_10})
        w->setStyleSheet("background-color:transparent;border:none;");
    const QString listSheet = "QToolButton{color: rgb(" + c + ";);border-image: url(" + p + "CMenuTitle.png"
        + ");}QToolButton:checked{color: rgb(" + c + ";);border-image: url(" + p + "CMenuTitleChecked.png" + "); }";
    for (QWidget *w : {ui->page_3, ui->page_9, ui->page_4, ui->page_6, ui->page_7, ui->page_10, ui->page_8})
        w->setStyleSheet(listSheet);
    ui->scrollAreaWidgetContents_11->setStyleSheet(
        "#scrollAreaWidgetContents_11{background-color:transparent;border:none;}QToolButton{border:0px;"
        "background-position:center;background-repeat:no-repeat;color: rgb("
        + c + ";);background-image: url(" + p + "AMenuTitle.png" + ");}QToolButton:checked{background-image: url(" + p
        + "AMenuTitleChecked.png" + "); }QToolButton:unchecked{background-image: url(" + p + "AMenuTitle.png"
        + "); }QLabel{color: rgb(255, 255, 255);border:0px;background-position:center;background-repeat:no-repeat;"
          "background-image: url("
        + p + "LabelNumber.png" + ");}");
    ui->scrollArea_11->setFrameShape(QFrame::NoFrame);
    ui->groupBox_4->setStyleSheet("QGroupBox{border:none;}");
    ui->groupBox_2->setStyleSheet("QGroupBox{border:none;}");
}

void Buttoninterface::SetComboSheets()
{
    ui->ProjectChoose->setStyleSheet(Skin::ComboSheet(m_PicturePath, true));
    ui->ProjectChoose->SetListViewSheet(Skin::ComboListSheet());
}

void Buttoninterface::SetStyleSheets2()
{
    const QString &p = m_PicturePath;
    const QString resetSheet = "QToolButton{border:0px;background-position:center;background-repeat:no-repeat;color: "
                               "rgb("
        + m_ButtonColor + ";);border-image: url(" + p + "Reset.png" + ");}QToolButton:hover{border-image: url(" + p
        + "ResetHover.png" + "); }QToolButton:pressed{border-image: url(" + p + "ResetClick.png" + "); }";
    for (QToolButton *b : {ui->Reset, ui->ImportData, ui->OutputData})
        b->setStyleSheet(resetSheet);
    const QString numberSheet = "QToolButton{color: rgb(0, 0, 0);border:0px;background-position:center;"
                                "background-repeat:no-repeat;background-image: url("
        + p + "NumberOrigin.png" + ");}QToolButton:hover{background-image: url(" + p + "NumberHover.png"
        + ");}QToolButton:pressed{padding-left: 0px;background-image: url(" + p + "NumberClick.png" + ");}";
    for (QToolButton *b : {ui->Number1, ui->Number2, ui->Number3, ui->Number4, ui->Number5, ui->Number6})
        b->setStyleSheet(numberSheet);
    auto itemSheet = [&p](const QString &image, const QString &checkedImage) {
        return "QToolButton{border:0px;color: rgb(255,255,255);background-position:center;"
               "background-repeat:no-repeat;background-image: url("
            + p + image + ");}QToolButton:checked{color: rgb(255,255,255);background-image: url(" + p + checkedImage
            + ");}";
    };
    const QString assignSheet = itemSheet("BMenuTitle.png", "BMenuTitleChecked.png");
    for (QToolButton *b :
         {ui->LeftKey_3, ui->RightKey_3, ui->MidKey, ui->BackKey_2, ui->ForWardKey, ui->DPI_2, ui->DPI_3,
          static_cast<QToolButton *>(ui->DPI_6), static_cast<QToolButton *>(ui->DPI_8), ui->DPI_5})
        b->setStyleSheet(assignSheet);
    const QString openSheet = itemSheet("BMenuTitleB.png", "BMenuTitleCheckedB.png");
    for (QToolButton *b : {ui->DPI_13, ui->DPI_11, ui->DPI_10, ui->DPI_9, ui->DPI_7, ui->DPI_12, ui->DPI_4})
        b->setStyleSheet(openSheet);
    ui->label->setStyleSheet("#label{border:0px;color: rgb(255, 255, 255);background-position:center;"
                             "background-repeat:no-repeat;background-image: url("
                             + p + "Config.png" + ");}");
}

void Buttoninterface::SetStyleSheets3()
{
    ui->groupBox->setStyleSheet("#groupBox {border: 0;background-image: url(" + m_PicturePath + "TiltleBack.png"
                                + ");}");
    for (QWidget *w : {static_cast<QWidget *>(ui->groupBox_4), static_cast<QWidget *>(ui->groupBox_2),
                       static_cast<QWidget *>(ui->scrollArea_4), static_cast<QWidget *>(ui->scrollArea_3),
                       static_cast<QWidget *>(ui->scrollArea_7), static_cast<QWidget *>(ui->scrollArea_8),
                       static_cast<QWidget *>(ui->scrollArea_10), static_cast<QWidget *>(ui->scrollArea_6),
                       static_cast<QWidget *>(ui->scrollArea_9), static_cast<QWidget *>(ui->scrollArea_12)})
        w->setStyleSheet("#" + w->objectName() + "{border: 0;}");
}

// ---- selection and the menu

QToolButton *Buttoninterface::SelectorOf(int button) const
{
    switch (button) {
    case 0:
        return ui->FireKey;
    case 1:
        return ui->RightKey;
    case 2:
        return ui->BackKey;
    case 3:
        return ui->TopMusic;
    case 4:
        return ui->StartPause;
    case 5:
        return ui->BackMusic;
    default:
        return nullptr;
    }
}

int Buttoninterface::CheckedButton() const
{
    // Screen order; the device index of each row.
    static const int order[6] = {0, 1, 2, 4, 3, 5};
    for (int button : order)
        if (SelectorOf(button)->isChecked())
            return button;
    return -1;
}

void Buttoninterface::UncheckSelectors()
{
    m_SelectorGroup->setExclusive(false);
    for (int button = 0; button < 6; ++button)
        SelectorOf(button)->setChecked(false);
    m_SelectorGroup->setExclusive(true);
}

void Buttoninterface::CloseFunctionMenu()
{
    ui->stackedWidget->setCurrentWidget(ui->page);
    ui->scrollArea_11->verticalScrollBar()->setStyleSheet("QScrollBar {width:10px;}");
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
}

void Buttoninterface::on_FireKey_clicked()
{
    OnSelectorClicked(ui->FireKey, 0);
}

void Buttoninterface::on_RightKey_clicked()
{
    OnSelectorClicked(ui->RightKey, 1);
}

void Buttoninterface::on_BackKey_clicked()
{
    OnSelectorClicked(ui->BackKey, 2);
}

void Buttoninterface::on_StartPause_clicked()
{
    OnSelectorClicked(ui->StartPause, 4);
}

void Buttoninterface::on_TopMusic_clicked()
{
    OnSelectorClicked(ui->TopMusic, 3);
}

void Buttoninterface::on_BackMusic_clicked()
{
    OnSelectorClicked(ui->BackMusic, 5);
}

void Buttoninterface::OnSelectorClicked(QToolButton *selector, int button)
{
    // The mouse must keep one Left click: its only holder cannot be reassigned.
    const QString left = ui->LeftKey_3->text();
    int leftCount = 0;
    for (int b = 0; b < 6; ++b)
        if (SelectorOf(b)->text() == left)
            ++leftCount;
    if (leftCount == 1 && selector->text() == left) {
        ui->stackedWidget->setCurrentWidget(ui->page);
        ui->stackedWidget_2->setCurrentWidget(ui->page_9);
        UncheckSelectors();
        LeftButtonOnly notice;
        DialogSkeleton::MoveOver(&notice, this, -50, -70);
        notice.exec();
        return;
    }

    ui->scrollArea_11->verticalScrollBar()->setStyleSheet(selector == ui->FireKey ? "QScrollBar {width:10px;}"
                                                                                  : "QScrollBar {width:0px;}");
    // A selector without a cache entry (a model with fewer keys) opens as for
    // an unknown function.
    const bool cached = button >= 0 && button < m_KeyTypes.size() && button < m_KeyParam1s.size();
    OpenMenuAt(selector, button, cached ? m_KeyTypes.at(button) : -1, cached ? m_KeyParam1s.at(button) : 0);
}

void Buttoninterface::OnNumberClicked(QToolButton *selector)
{
    IsDeviceOnLine();
    selector->setChecked(true);
}

void Buttoninterface::on_Number1_clicked()
{
    OnNumberClicked(ui->FireKey);
}

void Buttoninterface::on_Number2_clicked()
{
    OnNumberClicked(ui->RightKey);
}

void Buttoninterface::on_Number3_clicked()
{
    OnNumberClicked(ui->BackKey);
}

void Buttoninterface::on_Number4_clicked()
{
    OnNumberClicked(ui->StartPause);
}

void Buttoninterface::on_Number5_clicked()
{
    OnNumberClicked(ui->TopMusic);
}

void Buttoninterface::on_Number6_clicked()
{
    OnNumberClicked(ui->BackMusic);
}

void Buttoninterface::on_DPI_11_clicked()
{
    ui->stackedWidget_2->setCurrentWidget(ui->page_4);
}

void Buttoninterface::on_DPI_12_clicked()
{
    ui->stackedWidget_2->setCurrentWidget(ui->page_3);
}

void Buttoninterface::on_DPI_13_clicked()
{
    ui->stackedWidget_2->setCurrentWidget(ui->page_10);
}

void Buttoninterface::on_DPI_4_clicked()
{
    ui->stackedWidget_2->setCurrentWidget(ui->page_8);
}

void Buttoninterface::on_DPI_4_clicked(bool)
{
}

void Buttoninterface::on_DPI_7_clicked()
{
    ui->stackedWidget_2->setCurrentWidget(ui->page_7);
}

void Buttoninterface::on_DPI_9_clicked()
{
    ui->stackedWidget_2->setCurrentWidget(ui->page_6);
}

void Buttoninterface::on_stackedWidget_currentChanged(int index)
{
    if (index != 0) {
        m_FunctionGroup->setExclusive(false);
        m_FunctionGroup->setExclusive(true);
    }
}

void Buttoninterface::on_stackedWidget_2_currentChanged(int)
{
}

void Buttoninterface::mousePressEvent(QMouseEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return;
    // Geometries are compared as they are, in their parents' coordinates;
    // "raised" is the press moved up onto the bottom panel's height.
    const QPoint pos = event->pos();
    const QPoint raised = pos - QPoint(0, 340);
    const bool left = event->button() == Qt::LeftButton;
    auto inside = [](QWidget *w, const QPoint &p) { return w->geometry().contains(p); };
    auto menuOpen = [this] { return ui->stackedWidget->currentIndex() != 0; };
    auto subOpen = [this] { return ui->stackedWidget_2->currentIndex() != 4; };
    auto clearAll = [this] {
        UncheckSelectors();
        CloseFunctionMenu();
    };

    if (menuOpen() && subOpen()) {
        if (!inside(ui->groupBox, pos)) {
            if (!left)
                return;
            CloseFunctionMenu();
        }
    } else if (menuOpen()) {
        if (!inside(ui->scrollArea_11, pos) && !inside(ui->stackedWidget, raised)) {
            if (!left)
                return;
            CloseFunctionMenu();
        }
    }
    if (!left)
        return;

    if (!menuOpen() && !subOpen()) {
        if (!inside(ui->scrollArea_11, pos) || inside(ui->stackedWidget, raised))
            clearAll();
    } else if (menuOpen() && !subOpen()) {
        if (!inside(ui->groupBox, pos))
            clearAll();
    } else if (menuOpen() && subOpen()) {
        if (!inside(ui->scrollArea_11, pos) && !inside(ui->stackedWidget, pos) && !inside(ui->stackedWidget_2, pos))
            clearAll();
    }
    if (inside(ui->widget, pos))
        clearAll();
}

// ---- refresh, factory state, configurations

void Buttoninterface::FillFromRecord(const FlashDataMap &record)
{
    m_SensorModel = ModelInfo(g_CurrentDevice.get()).SensorName();
    RelabelFromRecord(record);
    ui->DebunceButton->SetCurrentIndex(record.Debounce);
}

void Buttoninterface::RelabelFromRecord(const FlashDataMap &record)
{
    const int n = ModelKeyCount(ModelInfo(g_CurrentDevice.get()));
    m_KeyTypes.clear();
    m_KeyParam1s.clear();
    m_KeyParam2s.clear();
    for (int i = 0; i < n; ++i) {
        m_KeyTypes.append(record.Keys[i].Type);
        m_KeyParam1s.append(record.Keys[i].Param1);
        m_KeyParam2s.append(record.Keys[i].Param2);
    }
    for (int i = 0; i < n; ++i)
        UpDataButtonText(i, m_KeyTypes.at(i), m_KeyParam1s.at(i), m_KeyParam2s.at(i), record);
}

void Buttoninterface::SlotUpDataButtonUIButton(FlashDataMap DataMap)
{
    const FillGuard fill(g_ButtonPageUpdating, &g_ButtonPageUpdated);
    FillFromRecord(DataMap);
}

void Buttoninterface::SlotUpDataButtonUIB(FlashDataMap DataMap)
{
    const FillGuard fill(g_ButtonPageUpdating);
    FillFromRecord(DataMap);
}

void Buttoninterface::SlotMouseIndex(int)
{
    ui->widget->setStyleSheet("#widget{border:0px;background-position:center;background-repeat:no-repeat;"
                              "background-image: url("
                              + m_PicturePath + "mouse" + "0" + ".png" + ");}");
}

void Buttoninterface::SlotFormResetButton()
{
    const FillGuard fill(g_ButtonPageUpdating);
    SlotMouseIndex(0);
    PostMsg::GetInstance()->EmitMouseIndex(0);
    ui->stackedWidget->setCurrentWidget(ui->page);
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    // Left, Right, Middle, Back, Forward, DPI loop.
    m_KeyTypes = {1, 1, 1, 1, 1, 2};
    m_KeyParam1s = {1, 2, 4, 8, 16, 1};
    m_KeyParam2s = {0, 0, 0, 0, 0, 0};
    // The labels follow these functions, not the mouse shown before: the
    // function menu opens at what the label says.
    const FlashDataMap none{};
    for (int i = 0; i < m_KeyTypes.size(); ++i)
        UpDataButtonText(i, m_KeyTypes.at(i), m_KeyParam1s.at(i), m_KeyParam2s.at(i), none);
    ui->DebunceButton->SetCurrentIndex(12);
}

void Buttoninterface::SlotUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable)
{
    MyConmboBox *combo = ui->ProjectChoose;
    combo->clear();
    combo->blockSignals(true);
    if (ToTalItem > 0) {
        for (int i = 0; i < ToTalItem; ++i)
            combo->insertItem(i, m_ConfigPrefix + QString::number(i + 1));
    } else if (ToTalItem == 0) {
        combo->insertItem(0, m_ConfigPrefix + "1");
    }
    combo->blockSignals(false);
    combo->setEnabled(ItemEnable);
    if (ToTalItem > 0)
        combo->setCurrentIndex(SelectIndex);
}

void Buttoninterface::on_ProjectChoose_activated(int index)
{
    if (OfflineAction::DeviceAnswers() || g_ButtonPageUpdating.load()) {
        // The device reports the switch; its record reaches the page through the hub.
        UsbServer_SetCurrentConfig(static_cast<unsigned char>(index));
        return;
    }
    ui->ProjectChoose->setCurrentIndex(ui->ProjectChoose->m_PressIndex);
    PostMsg::GetInstance()->EmitMouseOffLineo(0);
}

void Buttoninterface::on_ProjectChoose_currentIndexChanged(int)
{
}

void Buttoninterface::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange)
        return;
    const int index = ui->ProjectChoose->currentIndex();
    ui->ProjectChoose->blockSignals(true);
    ui->retranslateUi(this);
    ui->ProjectChoose->setCurrentIndex(index);
    ui->ProjectChoose->blockSignals(false);
}

// ---- macro list and binding: built with the page's macro support

void Buttoninterface::SlotAddMacroButton()
{
    BuildMacroList();
}

void Buttoninterface::on_DPI_10_clicked()
{
    if (!m_MacroButtons.isEmpty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_5);
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    MakeMacro notice;
    DialogSkeleton::MoveOver(&notice, this, -50, -70);
    notice.exec();
}

void Buttoninterface::SlotDeleteMacroButton(QString MacroName)
{
    const ModelInfo model(g_CurrentDevice.get());
    QStringList labels;
    for (int b = 0; b < 6; ++b) {
        QString text = SelectorOf(b)->text();
        text.remove(QChar(0));
        labels << text;
    }
    QToolButton *const factoryItems[6] = {ui->LeftKey_3, ui->RightKey_3, ui->MidKey,
                                          ui->BackKey_2, ui->ForWardKey, ui->VolumeUp_8};
    for (int d : kSelectorOrder) {
        if (labels.at(d) != MacroName)
            continue;
        SelectorOf(d)->setChecked(true);
        factoryItems[d]->setChecked(true);
        const QStringList defaults = model.KeyDefault(d);
        const bool special = !defaults.isEmpty() && defaults.at(0) == QLatin1String("0x05");
        if (special && defaults.size() == 3) {
            SetMediaKey(d, defaults.at(2).toInt(nullptr, 16));
        } else if (special && defaults.size() == 4) {
            SetComboKey(d, defaults.at(3));
        } else {
            // A default that names no key still must not leave the button on
            // the deleted macro: the factory function stands in for it.
            SelectorOf(d)->setChecked(true);
            switch (d) {
            case 0:
                on_LeftKey_3_clicked(true);
                break;
            case 1:
                on_RightKey_3_clicked(true);
                break;
            case 2:
                on_MidKey_clicked(true);
                break;
            case 3:
                on_BackKey_2_clicked(true);
                break;
            case 4:
                on_ForWardKey_clicked(true);
                break;
            default:
                on_VolumeUp_8_clicked(true);
                break;
            }
            // Only here: a key default's record was just written by its setter.
            FlashData::modify([d](FlashDataMap &map) { memset(&map.KeyEvents[d], 0, sizeof map.KeyEvents[d]); });
        }
    }
    UncheckSelectors();
    ui->stackedWidget->setCurrentWidget(ui->page);
    ui->scrollArea_11->verticalScrollBar()->setStyleSheet("QScrollBar {width:10px;}");
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    FlashData::send();
}

QStringList Buttoninterface::BareLabels() const
{
    QStringList labels;
    for (int b : kSelectorOrder) {
        QString text = SelectorOf(b)->text();
        text.remove(QChar(0));
        if (!m_MacroPrefix.isEmpty())
            text.remove(m_MacroPrefix);
        labels << text;
    }
    return labels;
}

QList<int> Buttoninterface::ButtonsBoundTo(const QString &name, const QStringList &bare) const
{
    // A function whose label happens to read like the macro is not bound to
    // it: only a cached macro function counts.
    QList<int> bound;
    for (int k = 0; k < 6; ++k) {
        const int b = kSelectorOrder[k];
        if (bare.at(k) == name && b < m_KeyTypes.size() && m_KeyTypes.at(b) == 6)
            bound << b;
    }
    return bound;
}

void Buttoninterface::SlotUpDataMacro(QString MacroName, int index)
{
    const QList<int> bound = ButtonsBoundTo(MacroName, BareLabels());
    if (index == 0) {
        // Wait for the macro page to settle its rows without holding up the
        // GUI thread: a local loop keeps every other event running.
        QEventLoop loop;
        QTimer::singleShot(1500, &loop, &QEventLoop::quit);
        loop.exec();
        for (int b : bound)
            PostMsg::GetInstance()->EmitMacroDownLoadData(MacroName, b);
    } else if (index == 1) {
        const int mode = ReadMacroMode(MacroName).toInt();
        for (int b : bound) {
            const FlashDataMap map = FlashData::snapshot();
            KeyFunction function = map.Keys[b];
            function.Param2 = quint8(mode);
            SetKeyMacro(b, function, map.Macros[b]);
        }
    }
}

void Buttoninterface::SlotMacroRename(QString MacroName, QString NewName)
{
    const QList<int> bound = ButtonsBoundTo(MacroName, BareLabels());
    for (int b : bound) {
        SelectorOf(b)->setText(m_MacroPrefix + NewName);
        const FlashDataMap map = FlashData::snapshot();
        MacroRecord macro = map.Macros[b];
        memset(macro.Name, 0, sizeof macro.Name);
        const QByteArray bytes = NameBytes(NewName);
        memcpy(macro.Name, bytes.constData(), size_t(bytes.size()));
        macro.NameLength = quint8(bytes.size());
        SetKeyMacro(b, map.Keys[b], macro); // offline: the setter tells the user
    }
}

QByteArray Buttoninterface::NameBytes(const QString &name)
{
    // The record holds 30 name bytes: cut at a character boundary so the
    // name still reads back as text.
    QString text = name;
    text.remove(QChar(0));
    QTextCodec *codec = QTextCodec::codecForLocale();
    QByteArray bytes = codec->fromUnicode(text);
    while (bytes.size() > int(sizeof(MacroRecord::Name)) && !text.isEmpty()) {
        text.chop(text.size() >= 2 && text.at(text.size() - 1).isLowSurrogate() ? 2 : 1);
        bytes = codec->fromUnicode(text);
    }
    return bytes;
}

MacroRecord Buttoninterface::ReadMacroFile(const QString &name, int button, bool *ok)
{
    MacroRecord record;
    memset(&record, 0, sizeof record);
    *ok = false;
    const QString path = MacroNames::FilePath(name);
    if (!g_UiReady || path.isEmpty())
        return record;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return record;
    *ok = true;
    const QByteArray bytes = NameBytes(name);
    memcpy(record.Name, bytes.constData(), size_t(bytes.size()));
    record.NameLength = quint8(bytes.size());

    const int maxEvents = int(sizeof record.Events / sizeof record.Events[0]);
    int i = 0;
    bool first = true;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        if (first) {
            first = false;
            continue;
        }
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (i >= maxEvents)
            break; // the record holds 70 events; the rest of the file is dropped
        if (parts.size() == 3) {
            MacroKeyNameToCode(CodeToKeyName(parts.at(0), parts.at(1).toInt()), button, i, record);
            // The last line may lack its line end: compare the bare value.
            QString state = parts.at(2);
            while (state.endsWith(QLatin1Char('\n')) || state.endsWith(QLatin1Char('\r')))
                state.chop(1);
            if (state == QLatin1String("0"))
                record.Events[i].State = 0;
            else if (state == QLatin1String("1"))
                record.Events[i].State = 1;
            record.Events[i].Delay = 0;
        } else if (parts.size() == 1) {
            QString delay = parts.at(0);
            delay.remove(QStringLiteral("ms"));
            record.Events[i].Delay = quint32(delay.trimmed().toInt());
            ++i;
        }
    }
    record.EventCount = quint8(qMin(i + 1, maxEvents));
    return record;
}

QString Buttoninterface::ReadMacroMode(const QString &name)
{
    const QString path = MacroNames::FilePath(name);
    if (path.isEmpty())
        return QStringLiteral("0");
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() == 0)
        return QStringLiteral("0");
    const QString line = QString::fromUtf8(file.readLine());
    if (line.isEmpty())
        return QStringLiteral("0");
    const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QStringLiteral("0");
    QString mode = parts.at(0);
    mode.remove(QLatin1Char('\n'));
    return mode;
}

void Buttoninterface::MacroKeyNameToCode(const QString &name, int, int i, MacroRecord &record)
{
    KeyNameToDeviceCode(name, i, reinterpret_cast<uint8_t *>(&record));
}

void Buttoninterface::slotButtonClicked(bool checked)
{
    if (!checked)
        return;
    auto *item = qobject_cast<QToolButton *>(sender());
    const int button = CheckedButton();
    if (item && button >= 0) {
        const QString name = item->text();
        bool ok = false;
        const MacroRecord record = ReadMacroFile(name, button, &ok);
        if (ok) {
            const int mode = ReadMacroMode(name).toInt();
            KeyFunction function;
            function.Type = 6;
            function.Param1 = quint8(button);
            function.Param2 = quint8(mode);
            if (SetKeyMacro(button, function, record)) {
                SelectorOf(button)->setText(m_MacroPrefix + name);
                SaveKeyFunction(button, 6, button, mode);
            }
        }
    }
    ui->stackedWidget->setCurrentWidget(ui->page);
    ui->scrollArea_11->verticalScrollBar()->setStyleSheet("QScrollBar {width:10px;}");
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
}
