#include "platform/image_surface.h"
#include "platform/wayland/wayland_window_system.h"
#include "tests/support/qt_application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace skyfolio {
namespace {

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
