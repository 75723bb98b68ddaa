#include "Skin.h"

#include "WindowSystem.h"

#include <QBitmap>
#include <QColor>
#include <QEvent>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

#include <utility>

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

static ColourSource &Source()
{
    static ColourSource source;
    return source;
}

void SetColourSource(ColourSource source)
{
    Source() = std::move(source);
}

QString Rgb(const QString &key)
{
    const QStringList items = Source() ? Source()(key) : QStringList();
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
        + t + "); border-image: url(" + p + "ComboboxTextBack.png" + ");selection-background-color: rgb(" + s + "); }";
    if (disabledRule)
        sheet += QStringLiteral("QComboBox:disabled{color: rgb(0, 0, 0);}");
    return sheet;
}

QString ComboListSheet()
{
    const QString s = Rgb(QStringLiteral("ComboxSelectColor"));
    return "QListView::item:selected{background-color: rgb(" + s + ");}QListView::item:hover{background-color: rgb(" + s
        + ");}";
}

QString ImageButtonSheet(const QString &folder, const QString &normal, const QString &hover, const QString &pressed)
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
    // Whether the texts are drawn narrower than the Latin face's normal width.
    static const bool condensed = [] {
        QFontDatabase database;
        const QStringList installed = database.families();
        if (installed.contains(face))
            return false;
        // The first installed face of this list draws the Latin and Cyrillic
        // texts; the CJK faces after it fill in only the characters it lacks.
        // A CJK face first would draw every text, and its large file would be
        // read page by page for Latin words too (several MiB resident once
        // the pages are built), where a Latin face is small.
        QStringList wanted;
        for (const char *name : {"DejaVu Sans", "Liberation Sans", "Noto Sans CJK SC", "Noto Sans CJK JP",
                                 "Noto Sans CJK KR", "Noto Sans CJK TC"}) {
            if (installed.contains(QString::fromLatin1(name)))
                wanted << QString::fromLatin1(name);
        }
        if (!wanted.isEmpty())
            QFont::insertSubstitutions(face, wanted);
        // DejaVu Sans is wider than the Windows face the forms' boxes were
        // laid out for; its condensed cut is about as wide as that face, so
        // the captions keep their room. Only a face that has a condensed cut
        // is asked for one: another would be squeezed by scaling its glyphs.
        // The CJK faces keep their width: they have no condensed cut.
        return !wanted.isEmpty() && wanted.first() == QLatin1String("DejaVu Sans")
            && database.styles(wanted.first()).contains(QStringLiteral("Condensed"));
    }();
    QFont font;
    font.setFamily(face);
    font.setPointSize(pointSize);
    if (condensed)
        font.setStretch(QFont::SemiCondensed);
    return font;
}

namespace {

QColor ColourOf(const QString &key)
{
    const QStringList parts = Rgb(key).split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

void ApplyRoundedMask(QWidget *window, qreal radius)
{
    // A compositor shows the transparent corners of a translucent window as
    // they are, with their soft edge; only without one is the cut needed.
    // An opaque window shows its grey there either way.
    if (window->testAttribute(Qt::WA_TranslucentBackground) && WindowSystem::CompositorRuns()) {
        window->clearMask();
        return;
    }
    QBitmap shape(window->size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(window->size())), radius, radius);
    painter.end();
    window->setMask(shape);
}

// Keeps a window's mask in step with its size.
class RoundedMask : public QObject
{
public:
    RoundedMask(QWidget *window, qreal radius)
        : QObject(window)
        , m_Radius(radius)
    {
        setObjectName(QStringLiteral("RoundedMask"));
        window->installEventFilter(this);
    }
    void SetRadius(qreal radius) { m_Radius = radius; }
    qreal Radius() const { return m_Radius; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A hidden window gets its resize event only when it is shown.
        if ((event->type() == QEvent::Resize || event->type() == QEvent::Show) && watched == parent())
            ApplyRoundedMask(static_cast<QWidget *>(watched), m_Radius);
        return false;
    }

private:
    qreal m_Radius;
};

} // namespace

void MaskRoundedCorners(QWidget *window, qreal radius)
{
    if (!window)
        return;
    RoundedMask *mask = dynamic_cast<RoundedMask *>(
        window->findChild<QObject *>(QStringLiteral("RoundedMask"), Qt::FindDirectChildrenOnly));
    if (mask)
        mask->SetRadius(radius);
    else
        new RoundedMask(window, radius);
    ApplyRoundedMask(window, radius);
}

QString MenuSheet()
{
    return QStringLiteral("QMenu{background-color: rgb(") + Rgb(QStringLiteral("ComboxBackGroundColor"))
        + QStringLiteral(");color: rgb(") + Rgb(QStringLiteral("ComboxTextColor"))
        + QStringLiteral(");border: 1px solid rgb(90, 90, 90);padding: 2px;}QMenu::item{padding: 4px 20px;}"
                         "QMenu::item:selected{background-color: rgb(")
        + Rgb(QStringLiteral("ComboxSelectColor"))
        + QStringLiteral(");}QMenu::separator{height: 1px;background: rgb(90, 90, 90);margin: 3px 6px;}");
}

void ApplyToolTipLook()
{
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, ColourOf(QStringLiteral("ComboxBackGroundColor")));
    palette.setColor(QPalette::ToolTipText, ColourOf(QStringLiteral("LabelColor")));
    palette.setColor(QPalette::Window, ColourOf(QStringLiteral("ComboxBackGroundColor")));
    palette.setColor(QPalette::WindowText, ColourOf(QStringLiteral("LabelColor")));
    QToolTip::setPalette(palette);
}

} // namespace Skin
