// The row operations of the macro page: the recorder and the insert and
// modify actions make the rows on show through these, so the rows keep
// alternating event, delay, event. (The file reader, the import and the
// device-record parser build whole row lists with MacroRowItems.)

#include "Macro.h"

#include "KeyVocabulary.h"
#include "MacroForm.h"
#include "MacroRowItems.h"

namespace {

enum { PressType = 0, ReleaseType = 1 };

const char *const kDefaultDelay = "10ms";

} // namespace

namespace MacroRowItems {

QListWidgetItem *EventRow(const QString &folder, const QString &name, bool press, int kind, int code)
{
    auto *item =
        new QListWidgetItem(QIcon(folder + (press ? QStringLiteral("MacroDown.png") : QStringLiteral("MacroUp.png"))),
                            name, nullptr, press ? PressType : ReleaseType);
    if (kind >= 0)
        item->setData(Macro::RowCodeRole, QVariantList{kind, code});
    return item;
}

QListWidgetItem *NamedEventRow(const QString &folder, const QString &name, bool press)
{
    int kind = -1;
    int code = 0;
    if (!LookupKeyName(name, &kind, &code))
        kind = -1;
    return EventRow(folder, name, press, kind, code);
}

QListWidgetItem *DelayRow(const QString &folder, const QString &text)
{
    return new QListWidgetItem(QIcon(folder + QStringLiteral("MacroTime.png")), text, nullptr, PressType);
}

QString DelayText(double ms)
{
    return QString::number(ms, 'f', 0) + QStringLiteral("ms");
}

bool IsDelayRow(const QListWidgetItem *item)
{
    return item && item->text().contains(QLatin1String("ms"));
}

} // namespace MacroRowItems

using namespace MacroRowItems;

void Macro::AddKeyItem(QString name, bool press)
{
    if (!HasSelectedMacro())
        return;
    QListWidgetItem *item = NamedEventRow(m_PicturePath, name, press);
    ui->listWidgetKey->addItem(item);
    ui->listWidgetKey->setCurrentItem(item);
}

void Macro::AddDelayItem(double ms)
{
    if (!HasSelectedMacro())
        return;
    ui->listWidgetKey->addItem(DelayRow(m_PicturePath, DelayText(ms)));
    ui->listWidgetKey->setCurrentRow(ui->listWidgetKey->count() - 2);
}

void Macro::InsertKeyEvent(QString name, bool press)
{
    QListWidget *rows = ui->listWidgetKey;
    const int n = rows->count();
    const int c = rows->currentRow();
    auto event = [&] { return NamedEventRow(m_PicturePath, name, press); };
    auto delay = [&] { return DelayRow(m_PicturePath, QString::fromLatin1(kDefaultDelay)); };

    if (n == 0) {
        rows->insertItem(0, event());
    } else if (c == 0 && n >= 2) {
        rows->insertItem(2, event());
        rows->insertItem(3, delay());
    } else if (c < 0 || c == n - 1) {
        rows->insertItem(n, delay());
        rows->insertItem(n + 1, event());
    } else if (IsDelayRow(rows->item(c))) {
        rows->insertItem(c + 1, event());
        rows->insertItem(c + 2, delay());
    } else {
        rows->insertItem(c + 2, event());
        rows->insertItem(c + 3, delay());
    }
}

void Macro::InsertMouseClick(QString name, int mask)
{
    QListWidget *rows = ui->listWidgetKey;
    const int n = rows->count();
    const int c = rows->currentRow();
    int kind = KeyKindMouseButton;
    int code = mask;
    if (mask == 0 && !LookupKeyName(name, &kind, &code))
        kind = -1;
    auto press = [&] { return EventRow(m_PicturePath, name, true, kind, code); };
    auto release = [&] { return EventRow(m_PicturePath, name, false, kind, code); };
    auto delay = [&] { return DelayRow(m_PicturePath, QString::fromLatin1(kDefaultDelay)); };

    if (n == 0) {
        rows->insertItem(0, press());
        rows->insertItem(1, delay());
        rows->insertItem(2, release());
    } else if (c == 0 && n >= 2) {
        rows->insertItem(2, press());
        rows->insertItem(3, delay());
        rows->insertItem(4, release());
        rows->insertItem(5, delay());
    } else if (c < 0 || c == n - 1) {
        rows->addItem(delay());
        rows->addItem(press());
        rows->addItem(delay());
        rows->addItem(release());
    } else if (IsDelayRow(rows->item(c))) {
        rows->insertItem(c + 1, press());
        rows->insertItem(c + 2, delay());
        rows->insertItem(c + 3, release());
        rows->insertItem(c + 4, delay());
    } else {
        rows->insertItem(c + 1, delay());
        rows->insertItem(c + 2, press());
        rows->insertItem(c + 3, delay());
        rows->insertItem(c + 4, release());
    }
}

void Macro::InsertDelayItem(double ms)
{
    QListWidget *rows = ui->listWidgetKey;
    const int c = rows->currentRow();
    const QString text = DelayText(ms);

    if (c < 0) {
        rows->addItem(DelayRow(m_PicturePath, text));
        return;
    }
    if (c == 0)
        return;
    int at = c;
    if (IsDelayRow(rows->item(c))) {
        delete rows->takeItem(c);
    } else if (IsDelayRow(rows->item(c - 1))) {
        at = c - 1;
        delete rows->takeItem(c - 1);
    }
    QListWidgetItem *item = DelayRow(m_PicturePath, text);
    rows->insertItem(at, item);
    rows->setCurrentItem(item);
}
