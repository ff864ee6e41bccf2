#include "X11IconName.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#endif

void SetX11IconName(QWidget& window, const QString& name) {
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || !window.windowHandle() || !window.testAttribute(Qt::WA_WState_Created)) return;
    xcb_connection_t* connection = x11->connection();
    // STRING is Latin-1; a name beyond it goes as UTF8_STRING, which the same readers understand.
    const bool latin1 = std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x100; });
    const QByteArray bytes = latin1 ? name.toLatin1() : name.toUtf8();
    xcb_atom_t type = XCB_ATOM_STRING;
    if (!latin1) {
        const char* kUtf8String = "UTF8_STRING";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(kUtf8String)), kUtf8String), nullptr);
        if (!reply) return;
        type = reply->atom;
        std::free(reply);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), XCB_ATOM_WM_ICON_NAME, type, 8,
                        uint32_t(bytes.size()), bytes.constData());
    xcb_flush(connection);
#else
    (void)window;
    (void)name;
#endif
}
