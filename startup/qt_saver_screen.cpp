#include "startup/qt_saver_screen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace skyfolio {
namespace {

QRect logicalRect(const ScreenArea& area) { return QRect(area.x, area.y, area.width, area.height); }

QScreen* qtScreen(const ScreenArea& area) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen == area.screen) return screen;
    return nullptr;
}

}  // namespace

QtSaverScreen::QtSaverScreen(const ScreenArea& area, const SaverSettings& settings, SharedSeams seams,
                             InputWatch& watch, WindowSystem& windows)
    : window_(windows.saverWindow([this]() -> const ImageSurface& { return engine_.surface(); })),
      engine_(settings, seams, area.devicePixels(),
              [this](const std::vector<QRect>& changed) { window_->repaintChanged(changed); },
              [this] { input_.release(); }, window_->sharing()),
      input_(engine_.form(), watch) {
    window_->cover(qtScreen(area), logicalRect(area));
    window_->setInput({
        .keyDown = [this] { input_.keyDown(); },
        .mouseDown = [this] { input_.mouseDown(); },
        .mouseMove = [this](const PointerPosition& at) { input_.mouseMove(at); },
    });
}

void QtSaverScreen::load() { engine_.load(); }

void QtSaverScreen::cover(const ScreenArea& area) {
    window_->cover(qtScreen(area), logicalRect(area));
    if (area.devicePixels() == engine_.size()) return;
    engine_.resize(area.devicePixels());
    window_->update();
    input_.follow(engine_.form());
}

void QtSaverScreen::showForm(bool takeKeyboard) { window_->showForm(takeKeyboard); }

void QtSaverScreen::placeWindow(bool topmost) { window_->placeWindow(topmost); }

void QtSaverScreen::setInputEnabled(bool enabled) { window_->setInputEnabled(enabled); }

void QtSaverScreen::unload() {
    engine_.halt();
    window_->hide();
}

const Form1& QtSaverScreen::form() const { return engine_.form(); }

}  // namespace skyfolio
