#include "mytoolButtonEnter.h"

namespace {
mytoolButtonEnter::CountFunction s_count;
mytoolButtonEnter::RefreshFunction s_refresh;
} // namespace

mytoolButtonEnter::mytoolButtonEnter(QWidget *parent)
    : QToolButton(parent)
{
}

mytoolButtonEnter::~mytoolButtonEnter() = default;

void mytoolButtonEnter::SetDeviceList(CountFunction count, RefreshFunction refresh)
{
    s_count = std::move(count);
    s_refresh = std::move(refresh);
}

int mytoolButtonEnter::EntryNumber(const QString &objectName)
{
    QString digits = objectName;
    digits.remove(QStringLiteral("btn"));
    return digits.toInt(nullptr, 10);
}

void mytoolButtonEnter::enterEvent(QEvent *)
{
    if (!s_count || !s_refresh)
        return;
    const int n = EntryNumber(objectName());
    // A tile left over from an earlier, longer list names no entry any more.
    if (n < 0 || n >= s_count())
        return;
    s_refresh(n);
}

void mytoolButtonEnter::leaveEvent(QEvent *)
{
}
