#include "WindowSystem.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <mutex>

#include <cstdlib>
#include <xcb/xcb.h>

namespace {

std::mutex s_mutex;
WindowSystem::Answer s_answer;

int s_defaultScreen = 0;

// One connection of our own to the X server, opened at first use.
xcb_connection_t *Connection()
{
    static xcb_connection_t *connection = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        xcb_connection_t *c = xcb_connect(nullptr, &s_defaultScreen);
        if (c && !xcb_connection_has_error(c))
            connection = c;
        else if (c)
            xcb_disconnect(c);
    }
    return connection;
}

bool AskX11(const QWidget *window, QPoint *topLeft)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->internalWinId())
        return false;
    xcb_connection_t *c = Connection();
    if (!c)
        return false;
    const xcb_window_t id = xcb_window_t(window->internalWinId());
    xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    if (!geometry)
        return false;
    const xcb_window_t root = geometry->root;
    std::free(geometry);
    xcb_translate_coordinates_reply_t *at =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, root, 0, 0), nullptr);
    if (!at)
        return false;
    const qreal ratio = window->devicePixelRatioF() > 0 ? window->devicePixelRatioF() : 1.0;
    *topLeft = QPoint(qRound(at->dst_x / ratio), qRound(at->dst_y / ratio));
    std::free(at);
    return true;
}

} // namespace

namespace WindowSystem {

QPoint RealTopLeft(const QWidget *widget)
{
    const QWidget *window = widget->window();
    QPoint topLeft;
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        if (s_answer) {
            if (s_answer(window, &topLeft))
                return topLeft;
            return window->geometry().topLeft();
        }
        if (AskX11(window, &topLeft))
            return topLeft;
    }
    return window->geometry().topLeft();
}

QPoint RealGlobalOrigin(const QWidget *widget)
{
    const QWidget *window = widget->window();
    return RealTopLeft(widget) + widget->mapTo(window, QPoint(0, 0));
}

void SyncPosition(QWidget *widget)
{
    QWidget *window = widget->window();
    if (!window->isVisible())
        return;
    const QPoint real = RealTopLeft(window);
    if (real == window->geometry().topLeft())
        return;
    // The window is frameless: its frame position is its geometry's.
    window->move(real);
}

bool CompositorRuns()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    xcb_connection_t *c = Connection();
    if (!c)
        return false;
    // A compositing manager owns the selection "_NET_WM_CM_S" + screen number.
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(s_defaultScreen);
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(name.size()), name.constData()), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    if (!owner)
        return false;
    const bool runs = owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return runs;
}

void SetAnswerForTests(Answer answer)
{
    std::lock_guard<std::mutex> lock(s_mutex);
    s_answer = std::move(answer);
}

} // namespace WindowSystem
