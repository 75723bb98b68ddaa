// The button page's function codes: what each menu item writes, how a
// selector's label is derived from a button's function, the key records of
// combinations and multimedia keys, and the DPI lock codes.

#include "Buttoninterface.h"

#include "ButtoninterfaceForm.h"
#include "DataSetters.h"
#include "DialogSkeleton.h"
#include "DriverSensorFile.h"
#include "FireKey.h"
#include "GlobalState.h"
#include "GroupKey.h"
#include "KeyVocabulary.h"
#include "MacroNames.h"
#include "OfflineAction.h"
#include "PostMsg.h"

#include <QButtonGroup>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextCodec>

#include <cstring>

namespace {

// The 18 consumer-control keys: the usage a multimedia item writes, and the
// item that names it. A record is matched by the usage's low byte, which is
// unique among them.
struct MediaKey
{
    const char *item;
    int usage;
};
const MediaKey kMediaKeys[18] = {
    {"Player", 0x183},        {"StartPause_2", 0xCD},   {"BackMusic_2", 0xB5},    {"TopMusic_2", 0xB6},
    {"Mute", 0xB7},           {"VolumeUp", 0xE2},       {"VolumeDown", 0xE9},     {"VolumeDown_4", 0xEA},
    {"VolumeDown_5", 0x18A},  {"VolumeDown_6", 0x192},  {"VolumeDown_3", 0x194},  {"VolumeDown_8", 0x223},
    {"VolumeDown_9", 0x221},  {"VolumeDown_7", 0x225},  {"VolumeDown_10", 0x224}, {"VolumeDown_12", 0x226},
    {"VolumeDown_13", 0x227}, {"VolumeDown_11", 0x22A},
};

// Row of a consumer key by its usage's low byte; -1 when none.
int MediaRow(int lowByte)
{
    for (int row = 0; row < 18; ++row)
        if ((kMediaKeys[row].usage & 0xFF) == lowByte)
            return row;
    return -1;
}

// The twelve DPI lock items, in list order.
struct LockItem
{
    const char *item;
    int dpi;
};
const LockItem kLockItems[12] = {
    {"VolumeUp_11", 100}, {"VolumeUp_12", 200},  {"VolumeUp_13", 300},  {"VolumeUp_16", 400},
    {"VolumeUp_15", 500}, {"VolumeUp_19", 600},  {"VolumeUp_20", 700},  {"VolumeUp_22", 800},
    {"VolumeUp_18", 900}, {"VolumeUp_24", 1000}, {"VolumeUp_23", 1100}, {"VolumeUp_21", 1200},
};

// Items that write a plain function (type, p1, p2); main-list items first
// clear the sub-menu marks.
struct PlainItem
{
    const char *item;
    int type;
    int param1;
    bool mainList;
};
const PlainItem kPlainItems[] = {
    {"LeftKey_3", 1, 1, true},     {"RightKey_3", 1, 2, true},    {"MidKey", 1, 4, true},
    {"BackKey_2", 1, 8, true},     {"ForWardKey", 1, 16, true},   {"DPI_2", 7, 0, true},
    {"DPI_3", 9, 0, true},         {"DPI_5", 0, 0, true},         {"VolumeUp_8", 2, 1, false},
    {"VolumeUp_9", 2, 2, false},   {"VolumeUp_10", 2, 3, false},  {"VolumeUp_2", 3, 1, false},
    {"VolumeDown_2", 3, 2, false}, {"VolumeUp_14", 11, 1, false}, {"VolumeDown_14", 11, 2, false},
    {"VolumeUp_4", 8, 0, false},   {"VolumeUp_5", 8, 1, false},   {"VolumeUp_6", 8, 3, false},
    {"VolumeUp_7", 8, 4, false},
};

KeyEventRecord ZeroEvents()
{
    KeyEventRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

KeyEventRecord ConsumerRecord(int usage)
{
    KeyEventRecord record = ZeroEvents();
    record.EventCount = 2;
    for (int i = 0; i < 2; ++i) {
        record.Events[i].State = quint8(i);
        record.Events[i].Kind = 2;
        record.Events[i].Code = quint16(usage);
        record.Events[i].Delay = 10;
    }
    return record;
}

// The names of a combination text: split at "+" keeping empty parts, where
// "Num" followed by an empty part is the key "Num+" itself; at most the first
// three, since a record holds the presses and releases of three keys.
QStringList ComboNames(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('+'));
    QStringList names;
    for (int i = 0; i < parts.size(); ++i) {
        if (parts.at(i) == QLatin1String("Num") && i + 1 < parts.size() && parts.at(i + 1).isEmpty()) {
            names << QStringLiteral("Num+");
            ++i;
        } else {
            names << parts.at(i);
        }
    }
    return names.mid(0, 3);
}

const KeyFunction kKeyEventsFunction = {5, 0, 0};

// The function menu scrolls 15 px per place of the function in the list. Its
// rows are 22 px high and farther apart than that, so the scroll mostly stops
// inside the top row, and the menu sitting 11 px above the frame shows that
// row cut by the frame's top edge. The list goes back to where that row shows
// whole, half the gap to the row before it above it (the first row: back to
// the list's top); when that would push the wanted item out at the bottom, to
// where the row's top meets the frame's edge; when neither keeps the wanted
// item whole, it stays at the position asked for. The sub-menus' lists sit
// beside it at the same height and are placed the same way; a list not on
// screen has no row placement to go by and keeps the position asked for.
void ScrollToWholeRow(QScrollArea *area, const QWidget *frame, int position, const QWidget *wanted)
{
    QScrollBar *bar = area->verticalScrollBar();
    position = qBound(bar->minimum(), position, bar->maximum());
    bar->setSliderPosition(position);
    const QLayout *layout = area->widget() ? area->widget()->layout() : nullptr;
    if (!layout || !area->isVisible())
        return;
    // The part of the viewport the frame shows, in viewport coordinates.
    const QPoint origin = area->viewport()->mapTo(frame, QPoint(0, 0));
    const QRect shown = (QRect(origin, area->viewport()->size()) & frame->rect()).translated(-origin);
    if (shown.isEmpty())
        return;
    QList<QRect> rows;
    for (int i = 0; i < layout->count(); ++i) {
        const QWidget *item = layout->itemAt(i)->widget();
        if (item && !item->isHidden())
            rows << item->geometry();
    }
    const auto fits = [&shown](const QRect &row, int at) { return shown.contains(row.translated(0, -at)); };
    for (int i = 0; i < rows.size(); ++i) {
        const QRect &row = rows.at(i);
        if (row.bottom() < position + shown.top())
            continue; // scrolled out whole
        if (row.top() >= position + shown.top())
            return; // the top row shows whole
        const int flush = row.top() - shown.top();
        const int spaced = i == 0 ? bar->minimum() : flush - (row.top() - rows.at(i - 1).bottom() - 1) / 2;
        for (const int at : {spaced, flush}) {
            if (at >= bar->minimum() && (!wanted || fits(wanted->geometry(), at))) {
                bar->setSliderPosition(at);
                return;
            }
        }
        return;
    }
}

} // namespace

// ---- opening the menu at a button's function

void Buttoninterface::OpenMenuAt(QToolButton *selector, int button, int type, int param1)
{
    QWidget *subPage = nullptr;
    QToolButton *mainItem = nullptr;
    QToolButton *subItem = nullptr;
    int m = 0;
    int mediaRow = -1; // multimedia list row (type 5)
    int lockRow = 0;   // DPI lock list row
    int macroRow = 0;  // macro list row of the bound macro (1 on)
    bool known = true;
    auto pick = [](int value, std::initializer_list<std::pair<int, QToolButton *>> table) -> QToolButton * {
        for (const auto &entry : table)
            if (entry.first == value)
                return entry.second;
        return nullptr;
    };

    switch (type) {
    case 0:
        subPage = ui->page_9;
        mainItem = ui->DPI_5;
        m = 9;
        break;
    case 1: {
        subPage = ui->page_9;
        const int masks[5] = {1, 2, 4, 8, 16};
        QToolButton *items[5] = {ui->LeftKey_3, ui->RightKey_3, ui->MidKey, ui->BackKey_2, ui->ForWardKey};
        for (int i = 0; i < 5; ++i)
            if (param1 == masks[i]) {
                mainItem = items[i];
                m = i;
            }
        break;
    }
    case 2:
        subPage = ui->page_7;
        mainItem = ui->DPI_7;
        m = 13;
        subItem = pick(param1, {{1, ui->VolumeUp_8}, {2, ui->VolumeUp_9}, {3, ui->VolumeUp_10}});
        break;
    case 3:
        subPage = ui->page_4;
        mainItem = ui->DPI_11;
        m = 10;
        subItem = pick(param1, {{1, ui->VolumeUp_2}, {2, ui->VolumeDown_2}});
        break;
    case 4:
        subPage = ui->page_9;
        mainItem = ui->DPI_6;
        m = 7;
        break;
    case 5: {
        // A multimedia key or a combination: told by the record's first event.
        const FlashDataMap record = FlashData::snapshot();
        const KeyEventRecord &events = record.KeyEvents[button];
        const int row = events.Events[0].Kind == 2 ? MediaRow(events.Events[0].Code & 0xFF) : -1;
        if (row >= 0) {
            subPage = ui->page_3;
            mainItem = ui->DPI_12;
            m = 16;
            subItem = findChild<QToolButton *>(QString::fromLatin1(kMediaKeys[row].item));
            mediaRow = row;
        } else {
            subPage = ui->page_9;
            mainItem = ui->DPI_8;
            m = 8;
            mediaRow = 0;
        }
        break;
    }
    case 6: {
        subPage = ui->page_5;
        mainItem = ui->DPI_10;
        m = 15;
        const QString label = QString(selector->text()).remove(QChar(0));
        for (int k = 0; k < m_MacroButtons.size(); ++k) {
            if (m_MacroPrefix + m_MacroButtons.at(k)->text() == label) {
                m_MacroButtons.at(k)->setChecked(true);
                subItem = m_MacroButtons.at(k);
                macroRow = k + 1;
            }
        }
        break;
    }
    case 7:
        subPage = ui->page_9;
        mainItem = ui->DPI_2;
        m = 5;
        break;
    case 8:
        subPage = ui->page_6;
        mainItem = ui->DPI_9;
        m = 12;
        subItem = pick(param1, {{0, ui->VolumeUp_4}, {1, ui->VolumeUp_5}, {3, ui->VolumeUp_6}, {4, ui->VolumeUp_7}});
        break;
    case 9:
        subPage = ui->page_9;
        mainItem = ui->DPI_3;
        m = 6;
        break;
    case 10: {
        subPage = ui->page_8;
        mainItem = ui->DPI_4;
        m = 15;
        const int dpi = SensorCodeToDpi(param1);
        for (int row = 0; row < 12; ++row)
            if (kLockItems[row].dpi == dpi) {
                subItem = findChild<QToolButton *>(QString::fromLatin1(kLockItems[row].item));
                lockRow = row;
            }
        break;
    }
    case 11:
        subPage = ui->page_10;
        mainItem = ui->DPI_13;
        m = 10;
        subItem = pick(param1, {{1, ui->VolumeUp_14}, {2, ui->VolumeDown_14}});
        break;
    default:
        known = false;
        break;
    }

    if (known) {
        ui->stackedWidget->setCurrentWidget(ui->page_2);
        ui->stackedWidget_2->setCurrentWidget(subPage);
        if (mainItem)
            mainItem->setChecked(true);
        if (subItem)
            subItem->setChecked(true);
    }
    ScrollToWholeRow(ui->scrollArea_4, ui->groupBox, 15 * m, known ? mainItem : nullptr);
    if (macroRow > 0)
        ScrollToWholeRow(ui->scrollArea_7, ui->groupBox, 15 * macroRow, subItem);
    if (mediaRow >= 0)
        ScrollToWholeRow(ui->scrollArea_3, ui->groupBox, 15 * mediaRow, subItem);
    else
        ScrollToWholeRow(ui->scrollArea_10, ui->groupBox, 15 * lockRow, subItem);
}

// ---- the items

void Buttoninterface::AssignItem(QToolButton *item, bool checked)
{
    if (item == ui->LeftKey_3)
        ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    if (!checked)
        return;

    const QString name = item->objectName();
    const PlainItem *plain = nullptr;
    for (const PlainItem &row : kPlainItems)
        if (name == QLatin1String(row.item))
            plain = &row;
    int mediaUsage = -1;
    for (const MediaKey &row : kMediaKeys)
        if (name == QLatin1String(row.item))
            mediaUsage = row.usage;
    int lockDpi = -1;
    for (const LockItem &row : kLockItems)
        if (name == QLatin1String(row.item))
            lockDpi = row.dpi;

    if (plain && plain->mainList)
        ClearFunctionCheck();
    const int lockCode = lockDpi >= 0 ? DpiToSensorCode(lockDpi) : 0;

    const int button = CheckedButton();
    if (button >= 0) {
        bool written = false;
        int type = 0;
        int param1 = 0;
        QString label = item->text();
        if (plain) {
            type = plain->type;
            param1 = plain->param1;
            written = SetKeyFunction(button, type, param1, 0);
        } else if (mediaUsage >= 0) {
            type = 5;
            written = SetKeyEvents(button, kKeyEventsFunction, ConsumerRecord(mediaUsage));
        } else if (lockDpi >= 0) {
            // The record keeps the code's low byte, the cache the whole code.
            type = 10;
            param1 = lockCode;
            label = ui->DPI_4->text() + "-" + item->text();
            written = SetKeyFunction(button, type, param1, 0);
        }
        if (written) {
            SelectorOf(button)->setText(label);
            SaveKeyFunction(button, type, param1, 0);
        }
    }
    CloseFunctionMenu();
}

#define BUTTON_PAGE_ITEM_SLOT(object)                                                                                  \
    void Buttoninterface::on_##object##_clicked(bool checked)                                                          \
    {                                                                                                                  \
        AssignItem(ui->object, checked);                                                                               \
    }

BUTTON_PAGE_ITEM_SLOT(LeftKey_3)
BUTTON_PAGE_ITEM_SLOT(RightKey_3)
BUTTON_PAGE_ITEM_SLOT(MidKey)
BUTTON_PAGE_ITEM_SLOT(BackKey_2)
BUTTON_PAGE_ITEM_SLOT(ForWardKey)
BUTTON_PAGE_ITEM_SLOT(DPI_2)
BUTTON_PAGE_ITEM_SLOT(DPI_3)
BUTTON_PAGE_ITEM_SLOT(DPI_5)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_8)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_9)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_10)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_2)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_2)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_14)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_14)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_4)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_5)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_6)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_7)
BUTTON_PAGE_ITEM_SLOT(Player)
BUTTON_PAGE_ITEM_SLOT(StartPause_2)
BUTTON_PAGE_ITEM_SLOT(BackMusic_2)
BUTTON_PAGE_ITEM_SLOT(TopMusic_2)
BUTTON_PAGE_ITEM_SLOT(Mute)
BUTTON_PAGE_ITEM_SLOT(VolumeUp)
BUTTON_PAGE_ITEM_SLOT(VolumeDown)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_4)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_5)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_6)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_3)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_8)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_9)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_7)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_10)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_12)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_13)
BUTTON_PAGE_ITEM_SLOT(VolumeDown_11)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_11)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_12)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_13)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_16)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_15)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_19)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_20)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_22)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_18)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_24)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_23)
BUTTON_PAGE_ITEM_SLOT(VolumeUp_21)

#undef BUTTON_PAGE_ITEM_SLOT

void Buttoninterface::on_DPI_6_clicked()
{
    if (!OfflineAction::DeviceAnswers() && !g_ButtonPageUpdating.load()) {
        ui->stackedWidget->setCurrentWidget(ui->page);
        ui->stackedWidget_2->setCurrentWidget(ui->page_9);
        return;
    }
    const int button = CheckedButton();
    const bool holdsFireKey = button >= 0 && SelectorOf(button)->text() == ui->DPI_6->text();
    FireKey dialog;
    if (holdsFireKey && button < m_KeyParam1s.size() && button < m_KeyParam2s.size()) {
        dialog.SetTime(m_KeyParam1s.at(button));
        dialog.SetCount(m_KeyParam2s.at(button));
    } else {
        dialog.SetTime(10);
        dialog.SetCount(3);
    }
    DialogSkeleton::MoveOver(&dialog, this, -50, -70);
    dialog.exec();
    if (!dialog.m_Ok)
        return;
    m_FireTime = dialog.m_Time;
    m_FireCount = dialog.m_Count;
    on_DPI_6_clicked(true);
}

void Buttoninterface::on_DPI_6_clicked(bool checked)
{
    if (!checked)
        return;
    ClearFunctionCheck();
    const int button = CheckedButton();
    if (button >= 0 && SetKeyFunction(button, 4, m_FireTime, m_FireCount)) {
        SelectorOf(button)->setText(ui->DPI_6->text());
        SaveKeyFunction(button, 4, m_FireTime, m_FireCount);
    }
    CloseFunctionMenu();
}

void Buttoninterface::on_DPI_8_clicked()
{
    GroupKey dialog;
    DialogSkeleton::MoveOver(&dialog, this, -50, -70);
    dialog.exec();
    if (!dialog.m_Ok)
        return;
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    ClearFunctionCheck();
    const int button = CheckedButton();
    if (button >= 0) {
        KeyEventRecord record = ZeroEvents();
        KeyStringToEvents(record, button, dialog.m_KeyGroup);
        if (SetKeyEvents(button, kKeyEventsFunction, record)) {
            SaveKeyFunction(button, 5, 0, 0);
            SelectorOf(button)->setText(dialog.m_KeyGroup);
        }
    }
    // The main list stays open after a combination.
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    ui->scrollArea_11->verticalScrollBar()->setStyleSheet("QScrollBar {width:10px;}");
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
}

void Buttoninterface::SaveKeyFunction(int index, int type, int param1, int param2)
{
    if (index < 0 || index >= m_KeyTypes.size() || index >= m_KeyParam1s.size() || index >= m_KeyParam2s.size())
        return;
    m_KeyTypes[index] = type;
    m_KeyParam1s[index] = param1;
    m_KeyParam2s[index] = param2;
}

// ---- labels

void Buttoninterface::UpDataButtonText(int button, int type, int param1, int param2, FlashDataMap map)
{
    Q_UNUSED(param2);
    QToolButton *selector = SelectorOf(button);
    if (!selector)
        return;
    auto pick = [](int value, std::initializer_list<std::pair<int, QToolButton *>> table) -> QToolButton * {
        for (const auto &entry : table)
            if (entry.first == value)
                return entry.second;
        return nullptr;
    };
    QToolButton *source = nullptr;
    switch (type) {
    case 0:
        source = ui->DPI_5;
        break;
    case 1:
        source =
            pick(param1,
                 {{1, ui->LeftKey_3}, {2, ui->RightKey_3}, {4, ui->MidKey}, {8, ui->BackKey_2}, {16, ui->ForWardKey}});
        break;
    case 2:
        source = pick(param1, {{1, ui->VolumeUp_8}, {2, ui->VolumeUp_9}, {3, ui->VolumeUp_10}});
        break;
    case 3:
        source = pick(param1, {{1, ui->VolumeUp_2}, {2, ui->VolumeDown_2}});
        break;
    case 4:
        source = ui->DPI_6;
        break;
    case 5: {
        const KeyEventRecord &events = map.KeyEvents[button];
        if (events.Events[0].Kind == 2) {
            const int row = MediaRow(events.Events[0].Code & 0xFF);
            if (row >= 0)
                source = findChild<QToolButton *>(QString::fromLatin1(kMediaKeys[row].item));
            break;
        }
        // A count above six events would lead past the record: three keys at most.
        const int n = qMin(events.EventCount / 2, 3);
        QStringList names;
        for (int i = 0; i < n; ++i)
            names << KeyCodeToName(events.Events[i].Code & 0xFF, events.Events[i].Kind);
        selector->setText(names.join(QLatin1Char('+')));
        return;
    }
    case 6: {
        const MacroRecord &macro = map.Macros[button];
        const int length = int(qstrnlen(macro.Name, sizeof macro.Name));
        const QString name = QTextCodec::codecForLocale()->toUnicode(macro.Name, length);
        selector->setText(m_MacroPrefix + name);
        // The device's record re-creates the macro file, written whole by the
        // macro page (the mode line from the function, the rows from the
        // record). A name the macro folder would not take as a new macro
        // keeps its label but touches no file.
        if (MacroNames::IsUsableName(name))
            PostMsg::GetInstance()->EmitButtonToMacro(map, button);
        return;
    }
    case 7:
        source = ui->DPI_2;
        break;
    case 8:
        source = pick(param1, {{0, ui->VolumeUp_4}, {1, ui->VolumeUp_5}, {3, ui->VolumeUp_6}, {4, ui->VolumeUp_7}});
        break;
    case 9:
        source = ui->DPI_3;
        break;
    case 10:
        selector->setText(ui->DPI_4->text() + "-" + QString::number(SensorCodeToDpi(param1)));
        return;
    case 11:
        source = pick(param1, {{1, ui->VolumeUp_14}, {2, ui->VolumeDown_14}});
        break;
    default:
        break;
    }
    if (source)
        selector->setText(source->text());
}

QString Buttoninterface::KeyCodeToName(int code, int kind)
{
    return ComboCodeToKeyName(code & 0xFF, kind);
}

void Buttoninterface::ClearFunctionCheck()
{
    m_ItemGroup->setExclusive(false);
    for (QToolButton *b :
         {ui->Player, ui->StartPause_2, ui->BackMusic_2, ui->TopMusic_2, ui->Mute, ui->VolumeUp, ui->VolumeDown,
          ui->VolumeDown_4, ui->VolumeDown_5, ui->VolumeDown_6, ui->VolumeDown_3, ui->VolumeDown_8, ui->VolumeDown_9,
          ui->VolumeDown_7, ui->VolumeDown_10, ui->VolumeDown_12, ui->VolumeDown_13, ui->VolumeDown_11})
        b->setChecked(false);
    for (QToolButton *b : m_MacroButtons)
        b->setChecked(false);
    for (QToolButton *b :
         {ui->VolumeUp_4,  ui->VolumeUp_5,  ui->VolumeUp_6,  ui->VolumeUp_7,  ui->VolumeUp_11,  ui->VolumeUp_12,
          ui->VolumeUp_13, ui->VolumeUp_16, ui->VolumeUp_15, ui->VolumeUp_19, ui->VolumeUp_20,  ui->VolumeUp_22,
          ui->VolumeUp_18, ui->VolumeUp_24, ui->VolumeUp_23, ui->VolumeUp_21, ui->VolumeDown_2, ui->VolumeUp_2,
          ui->VolumeUp_10, ui->VolumeUp_8,  ui->VolumeUp_9})
        b->setChecked(false);
    // The two scroll items keep their marks.
    m_ItemGroup->setExclusive(true);
}

// ---- key records

void Buttoninterface::KeyNameToCode(const QString &name, int k, int n, KeyEventRecord &record)
{
    const int release = 2 * n - 1 - k;
    if (k < 0 || k >= 6 || release < 0 || release >= 6)
        return;
    MacroEvent &press = record.Events[k];
    MacroEvent &up = record.Events[release];
    press.State = 0;
    up.State = 1;
    press.Delay = 10;
    up.Delay = 10;
    int kind = KeyKindKey;
    int code = 0;
    if (LookupComboKeyName(name, &kind, &code)) {
        press.Code = up.Code = quint16(code);
    }
    press.Kind = up.Kind = quint8(kind);
}

void Buttoninterface::KeyStringToEvents(KeyEventRecord &record, int button, const QString &text)
{
    Q_UNUSED(button);
    const QStringList names = ComboNames(text);
    const int n = names.size();
    for (int k = 0; k < n; ++k)
        KeyNameToCode(names.at(k), k, n, record);
    record.EventCount = quint8(2 * n);
}

void Buttoninterface::SetComboKey(int button, QString text)
{
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    ClearFunctionCheck();
    if (QToolButton *selector = SelectorOf(button)) {
        KeyEventRecord record = ZeroEvents();
        KeyStringToEvents(record, button, text);
        if (SetKeyEvents(button, kKeyEventsFunction, record)) {
            SaveKeyFunction(button, 5, 0, 0);
            selector->setText(text);
        }
    }
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    ui->scrollArea_11->verticalScrollBar()->setStyleSheet("QScrollBar {width:10px;}");
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
}

void Buttoninterface::SetMediaKey(int button, int lowByte)
{
    const int row = MediaRow(lowByte);
    QToolButton *selector = SelectorOf(button);
    if (row < 0 || !selector || lowByte < 0 || lowByte > 0xFF)
        return;
    if (SetKeyEvents(button, kKeyEventsFunction, ConsumerRecord(kMediaKeys[row].usage))) {
        SaveKeyFunction(button, 5, 0, 0);
        selector->setText(findChild<QToolButton *>(QString::fromLatin1(kMediaKeys[row].item))->text());
    }
}

// ---- DPI lock codes

int Buttoninterface::DpiToSensorCode(int dpi) const
{
    bool hasEntries = false;
    for (const QString &name : m_DefineNames)
        if (name.contains(m_SensorModel))
            hasEntries = true;
    if (!hasEntries)
        return dpi / 50 - 1;
    const QString wanted = "SENSOR_" + m_SensorModel + "_DPI_" + QString::number(dpi);
    for (int i = 0; i < m_DefineNames.size() && i < m_DefineValues.size(); ++i)
        if (m_DefineNames.at(i) == wanted)
            return m_DefineValues.at(i);
    return dpi / 50;
}

int Buttoninterface::SensorCodeToDpi(int code) const
{
    bool hasEntries = false;
    for (int i = 0; i < m_DefineNames.size() && i < m_DefineValues.size(); ++i) {
        const QString &name = m_DefineNames.at(i);
        if (!name.contains(m_SensorModel))
            continue;
        hasEntries = true;
        if (m_DefineValues.at(i) == code)
            return DriverSensorFile::TableNameDpi(name);
    }
    return hasEntries ? 0 : code * 50 + 50;
}
