#include "OurMark.h"

#include <QRandomGenerator>

#include <cstring>

namespace OurMark {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

} // namespace

QString RandomPart()
{
    QString part;
    for (int i = 0; i < RandomLength; ++i)
        part += QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet - 1))]);
    return part;
}

bool Matches(const QString &name, QLatin1String prefix, QLatin1String suffix)
{
    if (name.size() != prefix.size() + RandomLength + suffix.size() || !name.startsWith(prefix)
        || !name.endsWith(suffix))
        return false;
    const QStringRef part = name.midRef(prefix.size(), RandomLength);
    for (const QChar ch : part) {
        if (ch.unicode() == 0 || ch.unicode() > 0x7F || !std::strchr(kAlphabet, char(ch.unicode())))
            return false;
    }
    return true;
}

} // namespace OurMark
