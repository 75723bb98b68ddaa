#include "BackgroundWhileShown.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QStyle>
#include <QWidget>

namespace {

constexpr char kWatcherName[] = "BackgroundWhileShown";

// The name QPixmap gives a picture it loads from a file in its cache: the
// absolute path, then the modification time (whole seconds), the size and
// the pixel type (0 for a plain pixmap), each as the hexadecimal digits of
// its bytes in memory order, low digit first (the shown-look test checks
// that a hidden page's picture is really let go).
template<typename T>
QString HexOfBytes(T value)
{
    static const char digits[] = "0123456789abcdef";
    QString text;
    const auto *bytes = reinterpret_cast<const unsigned char *>(&value);
    for (size_t i = 0; i < sizeof(T); ++i) {
        text += QLatin1Char(digits[bytes[i] & 0xf]);
        text += QLatin1Char(digits[(bytes[i] & 0xf0) >> 4]);
    }
    return text;
}

QString CacheKeyOf(const QString &picture)
{
    const QFileInfo info(picture);
    return QLatin1String("qt_pixmap") + info.absoluteFilePath()
        + HexOfBytes<uint>(uint(info.lastModified().toSecsSinceEpoch())) + HexOfBytes<quint64>(quint64(info.size()))
        + HexOfBytes<uint>(0);
}

// Stands in the pixmap cache for a released picture: a style rule made while
// the page is hidden (a polish, a change of font) finds it there instead of
// decoding the file again. It is never drawn: the page is not on screen.
QPixmap Placeholder()
{
    QPixmap placeholder(1, 1);
    placeholder.fill(Qt::transparent);
    return placeholder;
}

// Child of the page it follows.
class Watcher : public QObject
{
public:
    Watcher(QWidget *holder, const QString &picture, QWidget *page, BackgroundWhileShown::Hidden whenHidden)
        : QObject(page)
        , m_Holder(holder)
        , m_Picture(picture)
        , m_WhenHidden(whenHidden)
    {
        setObjectName(QLatin1String(kWatcherName));
        page->installEventFilter(this);
        // A page built hidden (the main frame behind the device list) decodes
        // its picture when it is first shown, or ahead (DecodeAhead).
        if (!page->isVisible()) {
            QPixmapCache::insert(CacheKeyOf(m_Picture), Placeholder());
            m_Released = true;
            if (holder->testAttribute(Qt::WA_WState_Polished))
                holder->style()->polish(holder);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A minimised window keeps its pictures (those events come from the
        // window system); a page switch and the hide to the tray do not.
        if (watched == parent() && !event->spontaneous()) {
            if (event->type() == QEvent::Hide)
                Release();
            else if (event->type() == QEvent::Show)
                Restore();
        }
        return false;
    }

private:
    // Polishing a polished widget again is what a change of style sheet does
    // to it: its rules are made anew from the sheet, each picture looked up
    // in the pixmap cache first. Only the holder: its children keep theirs.
    void Repolish()
    {
        m_Holder->style()->polish(m_Holder);
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(m_Holder, &changed);
    }

public:
    const QWidget *Holder() const { return m_Holder; }

    void Restore()
    {
        if (!m_Released || !m_Holder)
            return;
        QPixmapCache::remove(CacheKeyOf(m_Picture));
        m_Released = false;
        // Polished already (shown, or prepared ahead): the rules anew, with
        // the picture decoded, before the page is painted.
        if (m_Holder->testAttribute(Qt::WA_WState_Polished))
            Repolish();
        m_Holder->update();
    }

private:
    void Release()
    {
        if (m_Released || !m_Holder || m_WhenHidden == BackgroundWhileShown::Hidden::Keep)
            return;
        // The cache lets go of the picture, then the holder's rules do.
        QPixmapCache::insert(CacheKeyOf(m_Picture), Placeholder());
        m_Released = true;
        if (m_Holder->testAttribute(Qt::WA_WState_Polished))
            Repolish();
    }

    QPointer<QWidget> m_Holder;
    QString m_Picture;
    BackgroundWhileShown::Hidden m_WhenHidden;
    bool m_Released = false;
};

Watcher *WatcherOf(QWidget *holder)
{
    for (QWidget *w = holder; w; w = w->parentWidget()) {
        for (QObject *child : w->children()) {
            if (child->objectName() != QLatin1String(kWatcherName))
                continue;
            auto *watcher = dynamic_cast<Watcher *>(child);
            if (watcher && watcher->Holder() == holder)
                return watcher;
        }
    }
    return nullptr;
}

} // namespace

namespace BackgroundWhileShown {

void Attach(QWidget *holder, const QString &picture, QWidget *page, Hidden whenHidden)
{
    if (!holder)
        return;
    new Watcher(holder, picture, page ? page : holder, whenHidden);
}

void DecodeAhead(QWidget *holder)
{
    if (Watcher *watcher = WatcherOf(holder))
        watcher->Restore();
}

} // namespace BackgroundWhileShown
