#include "platform/wayland/xkb_keys.h"
#include "tests/support/qt_application.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <string>

namespace skyfolio {
namespace {

// Evdev's codes, as Wayland sends them.
constexpr uint32_t kKeyS = 31;
constexpr uint32_t kKeyEnter = 28;
constexpr uint32_t kKeyBackspace = 14;

// A keymap in the text form compositors send, from the system's rules.
std::string keymapText(const char* layout) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
    xkb_keymap* keymap = context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
    char* text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
    std::string copy = text ? text : "";
    free(text);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return copy;
}

class XkbKeysTest : public testing::Test {
protected:
    void SetUp() override {
        us_ = keymapText("us");
        if (us_.empty()) GTEST_SKIP() << "no xkb rules installed (xkb-data)";
    }
    // A key event without an application leaves Qt a keyboard device it never frees.
    test::QtApplication qt_;
    std::string us_;
};

// What the prompt reads: the text typed, shifted where Shift is held, and
// Enter and Backspace known by their keys.
TEST_F(XkbKeysTest, KeysTypeTheirTextInTheKeymapGiven) {
    XkbKeys keys;
    ASSERT_TRUE(keys.setKeymap(us_));
    const auto s = keys.press(kKeyS);
    EXPECT_EQ(s->text(), "s");
    EXPECT_EQ(s->key(), Qt::Key_S);
    keys.setModifiers(1, 0, 0, 0);  // Shift, the first modifier of every keymap
    const auto shifted = keys.press(kKeyS);
    EXPECT_EQ(shifted->text(), "S");
    EXPECT_EQ(shifted->modifiers(), Qt::ShiftModifier);
    keys.setModifiers(0, 0, 0, 0);
    EXPECT_EQ(keys.press(kKeyEnter)->key(), Qt::Key_Return);
    EXPECT_EQ(keys.press(kKeyBackspace)->key(), Qt::Key_Backspace);

    const std::string german = keymapText("de");
    if (german.empty()) return;
    ASSERT_TRUE(keys.setKeymap(german));
    EXPECT_EQ(keys.press(21)->text(), "z");  // the key the US layout calls Y
}

// A keymap that cannot be read keeps the last; without any, a key is still
// a key press, which ends the saver.
TEST_F(XkbKeysTest, UnreadableKeymapLosesNoKeys) {
    XkbKeys none;
    EXPECT_FALSE(none.setKeymap("xkb_keymap { garbage"));
    EXPECT_FALSE(none.setKeymap(""));
    const auto bare = none.press(kKeyS);
    EXPECT_EQ(bare->type(), QEvent::KeyPress);
    EXPECT_TRUE(bare->text().isEmpty());

    XkbKeys keys;
    ASSERT_TRUE(keys.setKeymap(us_));
    EXPECT_FALSE(keys.setKeymap(us_.substr(0, us_.size() / 2)));
    EXPECT_EQ(keys.press(kKeyS)->text(), "s");
}

}  // namespace
}  // namespace skyfolio
