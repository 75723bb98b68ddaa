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

QString ComboSheet(const QString &picturePath, bool disabledRule)
{
    const QString t = Rgb(QStringLiteral("ComboxTextColor"));
    const QString s = Rgb(QStringLiteral("ComboxSelectColor"));
    const QString b = Rgb(QStringLiteral("ComboxBackGroundColor"));
    const QString &p = picturePath;
    QString sheet = "QComboBox{border: 1px solid gray; color: rgb(" + t + "); border-image: url(" + p
        + "ComboboxBack.png" + ");}QComboBox::drop-down:button{border-radius:5px; background:rgb(" + b
        + ");} QComboBox::down-arrow{image: url(" + p + "Menu.png"
        + "); right: 8px; }QComboBox::down-arrow:on{ image: url(" + p + "MenuClicked.png"
        + ");}QComboBox QAbstractItemView::item{height:25px;}QComboBox QAbstractItemView {outline: 0px solid gray; "
          "border: 1px  solid gray;color: rgb("
        + t + "); border-image: url(" + p + "ComboboxTextBack.png" + ");selection-background-color: rgb(" + s
        + "); }";
    if (disabledRule)
        sheet += QStringLiteral("QComboBox:disabled{color: rgb(0, 0, 0);}");
    return sheet;
}

QString ComboListSheet()
{
    const QString s = Rgb(QStringLiteral("ComboxSelectColor"));
    return "QListView::item:selected{background-color: rgb(" + s + ");}QListView::item:hover{background-color: rgb("
        + s + ");}";
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
