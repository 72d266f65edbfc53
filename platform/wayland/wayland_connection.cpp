#include "platform/wayland/wayland_connection.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace skyfolio {

std::unique_ptr<WaylandConnection> WaylandConnection::open() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return nullptr;
    return std::unique_ptr<WaylandConnection>(new WaylandConnection(display));
}

WaylandConnection::WaylandConnection(wl_display* display)
    : display_(display),
      readable_(new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, this)),
      writable_(new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Write, this)) {
    writable_->setEnabled(false);
    connect(readable_, &QSocketNotifier::activated, this, &WaylandConnection::read);
    connect(writable_, &QSocketNotifier::activated, this, &WaylandConnection::dispatchAndFlush);
    // Events another reader of ours took off the socket wait queued, as
    // the socket no longer says.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &WaylandConnection::dispatchAndFlush);
}

WaylandConnection::~WaylandConnection() {
    delete readable_;
    delete writable_;
    wl_display_disconnect(display_);
}

void WaylandConnection::read() {
    if (broken()) return;
    // Fails while events wait queued: they go first, and the socket, still
    // readable, brings us back.
    if (wl_display_prepare_read(display_) == 0) wl_display_read_events(display_);
    dispatchAndFlush();
}

void WaylandConnection::dispatchAndFlush() {
    if (broken()) return;
    wl_display_dispatch_pending(display_);
    const bool full = wl_display_flush(display_) < 0 && errno == EAGAIN;
    writable_->setEnabled(full);
    broken();
}

bool WaylandConnection::broken() {
    if (lost_) return true;
    const int error = wl_display_get_error(display_);
    if (error == 0) return false;
    lost_ = true;
    readable_->setEnabled(false);
    writable_->setEnabled(false);
    std::fprintf(stderr, "skyfolio: the connection to the Wayland compositor broke: %s\n", std::strerror(error));
    QCoreApplication::exit(1);
    return true;
}

}  // namespace skyfolio
