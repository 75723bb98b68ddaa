#include "WindowSystem.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <mutex>
#include <thread>

#include <cstdlib>
#include <xcb/xcb.h>

namespace {

std::mutex s_mutex;
WindowSystem::Answer s_answer;

// One connection of our own to the X server, with the compositor selection
// of its default screen; opened once, by ConnectAhead's thread or at first
// use. Opening it waits for the server's answers, which a busy server can
// hold up for many milliseconds.
struct Link
{
    xcb_connection_t *connection = nullptr;
    int defaultScreen = 0;
    // A compositing manager owns the selection "_NET_WM_CM_S" + screen number.
    xcb_atom_t compositorSelection = XCB_ATOM_NONE;
};
std::once_flag s_linkOnce;
Link s_link;

void OpenLink()
{
    xcb_connection_t *c = xcb_connect(nullptr, &s_link.defaultScreen);
    if (!c || xcb_connection_has_error(c)) {
        if (c)
            xcb_disconnect(c);
        return;
    }
    s_link.connection = c;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(s_link.defaultScreen);
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(name.size()), name.constData()), nullptr);
    if (atom) {
        s_link.compositorSelection = atom->atom;
        std::free(atom);
    }
}

const Link &TheLink()
{
    std::call_once(s_linkOnce, OpenLink);
    return s_link;
}

xcb_connection_t *Connection()
{
    return TheLink().connection;
}

// The last answer about the compositor and its age: a window's mask is
// worked out when it is made, at each show and each resize, and the dialogs
// made together at start would each wait for the server.
bool s_compositorKnown = false;
bool s_compositorRuns = false;
QElapsedTimer s_compositorAsked;
constexpr qint64 CompositorAnswerMs = 1000;

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
    if (s_compositorKnown && s_compositorAsked.elapsed() < CompositorAnswerMs)
        return s_compositorRuns;
    const Link &link = TheLink();
    if (!link.connection || link.compositorSelection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        link.connection, xcb_get_selection_owner(link.connection, link.compositorSelection), nullptr);
    if (!owner)
        return false;
    s_compositorRuns = owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    s_compositorKnown = true;
    s_compositorAsked.start();
    return s_compositorRuns;
}

void ConnectAhead()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // Whoever asks first waits for this one (call_once); the thread ends as
    // soon as the connection is open.
    std::thread([] { TheLink(); }).detach();
}

void SetAnswerForTests(Answer answer)
{
    std::lock_guard<std::mutex> lock(s_mutex);
    s_answer = std::move(answer);
}

} // namespace WindowSystem
