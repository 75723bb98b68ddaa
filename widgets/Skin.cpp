#include "Skin.h"

#include "ConfigIni.h"

#include <QFontDatabase>
#include <QStringList>

namespace Skin {

QString DefaultRgb(const QString &key)
{
    // A light-on-dark skin, matching the pictures of the installation.
    if (key == QLatin1String("ButtonColor"))
        return QStringLiteral("255,255,255");
    if (key == QLatin1String("SliderColor") || key == QLatin1String("ComboxSelectColor"))
        return QStringLiteral("0,170,255");
    if (key == QLatin1String("ComboxBackGroundColor"))
        return QStringLiteral("40,44,52");
    if (key == QLatin1String("LinEditColorSecond"))
        return QStringLiteral("160,160,160");
    return QStringLiteral("255,255,255");
}

QString Rgb(const QString &key)
{
    const QStringList items = ConfigIni::GetInstance()->GetValueList(QStringLiteral("Option"), key);
    if (items.size() < 3)
        return DefaultRgb(key);
    return items.at(0) + QLatin1Char(',') + items.at(1) + QLatin1Char(',') + items.at(2);
}

QString ImageButtonSheet(const QString &folder, const QString &normal, const QString &hover,
                         const QString &pressed)
{
    return QStringLiteral("QToolButton{border:0px;background-image: url(") + folder + normal
        + QStringLiteral(");background-position:center;background-repeat:no-repeat;}"
                         "QToolButton:hover{background-image: url(")
        + folder + hover + QStringLiteral(");}QToolButton:pressed{background-image: url(") + folder + pressed
        + QStringLiteral(");}");
}

QFont Font(int pointSize)
{
    static const QString face = QString::fromUtf8("微软雅黑");
    static const bool substituted = [] {
        const QStringList installed = QFontDatabase().families();
        if (installed.contains(face))
            return true;
        // The first installed face of this list draws the Latin and Cyrillic
        // texts; the CJK faces after it fill in what it lacks.
        QStringList wanted;
        for (const char *name : {"Noto Sans CJK SC", "Noto Sans CJK JP", "Noto Sans CJK KR", "Noto Sans CJK TC",
                                 "DejaVu Sans", "Liberation Sans"}) {
            if (installed.contains(QString::fromLatin1(name)))
                wanted << QString::fromLatin1(name);
        }
        if (!wanted.isEmpty())
            QFont::insertSubstitutions(face, wanted);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font;
    font.setFamily(face);
    font.setPointSize(pointSize);
    return font;
}

} // namespace Skin
