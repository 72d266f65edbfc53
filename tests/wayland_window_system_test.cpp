#include "platform/image_surface.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_window_system.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

// Our connection's outputs stand for Qt's screens by name; by place only
// where either side has none, as two outputs may share a place (mirrored)
// and a name is never reused for another while both are there.
TEST(WaylandGlobalsTest, AnOutputStandsForTheScreenOfItsNameElseOfItsPlace) {
    const auto output = [](std::string name, QPoint at, bool described = true) {
        return std::make_unique<WaylandGlobals::Output>(
            WaylandGlobals::Output{.name = std::move(name), .position = at, .described = described});
    };
    std::vector<std::unique_ptr<WaylandGlobals::Output>> outputs;
    outputs.push_back(output("DP-1", {0, 0}));
    outputs.push_back(output("HDMI-A-1", {0, 0}));
    outputs.push_back(output("", {1920, 0}));
    outputs.push_back(output("DP-2", {3840, 0}, false));
    EXPECT_EQ(WaylandGlobals::matching(outputs, "HDMI-A-1", {0, 0}), outputs[1].get());
    EXPECT_EQ(WaylandGlobals::matching(outputs, "", {0, 0}), outputs[0].get());
    EXPECT_EQ(WaylandGlobals::matching(outputs, "DVI-1", {1920, 0}), outputs[2].get());
    // Not yet described: as good as not yet heard of.
    EXPECT_EQ(WaylandGlobals::matching(outputs, "DP-2", {3840, 0}), nullptr);
    EXPECT_EQ(WaylandGlobals::matching(outputs, "DP-3", {0, 0}), nullptr);
}

// The compositor gives the keyboard to any output's window; the prompt,
// inside the primary one's, gets the keys. A window that goes hands the
// prompt back instead of deleting it with itself.
TEST(WaylandWindowSystemTest, ThePromptStandsInThePrimaryWindowAndTakesTheKeysOfEveryOutput) {
    test::QtApplication qt;
    WaylandWindowSystem windows;
    const ImageSurface surface(QSize(320, 200), nullptr);
    const auto shown = [&]() -> const ImageSurface& { return surface; };
    std::unique_ptr<SaverWindow> primary = windows.saverWindow(shown);
    std::unique_ptr<SaverWindow> other = windows.saverWindow(shown);
    primary->cover(QGuiApplication::primaryScreen(), QRect(0, 0, 320, 200));
    other->cover(nullptr, QRect(320, 0, 320, 200));
    int keys = 0;
    other->setInput({.keyDown = [&] { ++keys; }, .mouseDown = {}, .mouseMove = {}});
    QWidget prompt;
    auto* box = new QLineEdit(&prompt);
    windows.standAboveSaver(prompt);
    EXPECT_EQ(prompt.parentWidget(), primary.get());

    primary->showForm(false);
    other->showForm(true);
    // The keyboard is on the other output's window.
    other->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_TRUE(other->isActiveWindow());
    for (SaverWindow* window : {primary.get(), other.get()}) window->setInputEnabled(false);
    prompt.show();
    box->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(other.get(), &key);
    EXPECT_EQ(box->text(), QStringLiteral("a"));
    EXPECT_EQ(keys, 0);

    primary.reset();
    EXPECT_EQ(prompt.parentWidget(), nullptr);
}

}  // namespace
}  // namespace skyfolio
