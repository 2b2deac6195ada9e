#include "host/KeyRepeat.h"

#include <QGuiApplication>

#include <cstdlib>

#include <xcb/xcb.h>
// xkb.h names a member "explicit", which C++ reserves.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

namespace host {

namespace {

// Qt's own connection to the X server, or none on another window system.
xcb_connection_t* qtConnection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

} // namespace

bool keyHeldDown(quint32 inNativeScanCode) {
    xcb_connection_t* connection = qtConnection();
    if (connection == nullptr || inNativeScanCode > 255) {
        return false;
    }
    xcb_query_keymap_reply_t* keymap =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    const bool down =
        keymap != nullptr && (keymap->keys[inNativeScanCode / 8] & (1u << (inNativeScanCode % 8)));
    std::free(keymap);
    return down;
}

bool requestDetectableAutoRepeat() {
    xcb_connection_t* connection = qtConnection();
    if (connection == nullptr) {
        return false;
    }
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (xkb == nullptr || xkb->present == 0) {
        return false;
    }
    // The flag is per client: it must be set on Qt's own connection, the one events come on.
    xcb_xkb_use_extension_reply_t* used = xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr);
    const bool supported = used != nullptr && used->supported != 0;
    std::free(used);
    if (!supported) {
        return false;
    }
    constexpr std::uint32_t sFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t* flags = xcb_xkb_per_client_flags_reply(
        connection,
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, sFlag, sFlag, 0, 0, 0),
        nullptr);
    const bool granted = flags != nullptr && (flags->value & sFlag) != 0;
    std::free(flags);
    return granted;
}

} // namespace host
