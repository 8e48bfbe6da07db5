// The host's key table: which windowing-layer keys have framework codes, and the
// characters queued for the editing keys.
#include "app/key_map.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/input/keycodes.h"

namespace {

struct KeyCase {
    int glfw;
    const char* name;  // what the layout types without Shift
    int expected;
};

TEST(KeyMapTest, Table) {
    const KeyCase cases[] = {
        // Named keys.
        {GLFW_KEY_BACKSPACE, nullptr, 8},     {GLFW_KEY_TAB, nullptr, 9},
        {GLFW_KEY_ENTER, nullptr, 13},        {GLFW_KEY_LEFT_SHIFT, nullptr, 16},
        {GLFW_KEY_RIGHT_SHIFT, nullptr, 16},  {GLFW_KEY_LEFT_CONTROL, nullptr, 17},
        {GLFW_KEY_RIGHT_CONTROL, nullptr, 17}, {GLFW_KEY_ESCAPE, nullptr, 27},
        {GLFW_KEY_SPACE, nullptr, 32},        {GLFW_KEY_PAGE_UP, nullptr, 33},
        {GLFW_KEY_PAGE_DOWN, nullptr, 34},    {GLFW_KEY_END, nullptr, 35},
        {GLFW_KEY_HOME, nullptr, 36},         {GLFW_KEY_LEFT, nullptr, 37},
        {GLFW_KEY_UP, nullptr, 38},           {GLFW_KEY_RIGHT, nullptr, 39},
        {GLFW_KEY_DOWN, nullptr, 40},         {GLFW_KEY_INSERT, nullptr, 45},
        {GLFW_KEY_DELETE, nullptr, 46},       {GLFW_KEY_KP_0, "0", 96},
        {GLFW_KEY_KP_9, "9", 105},            {GLFW_KEY_KP_MULTIPLY, "*", 106},
        {GLFW_KEY_KP_ADD, "+", 107},          {GLFW_KEY_KP_SUBTRACT, "-", 109},
        {GLFW_KEY_KP_DECIMAL, ".", 110},      {GLFW_KEY_KP_DIVIDE, "/", 111},
        {GLFW_KEY_F1, nullptr, 112},          {GLFW_KEY_F12, nullptr, 123},
        // Printable keys by their unshifted character, upper-cased.
        {GLFW_KEY_A, "a", 65},                {GLFW_KEY_Z, "z", 90},
        {GLFW_KEY_0, "0", 48},                {GLFW_KEY_3, "3", 51},
        {GLFW_KEY_SEMICOLON, ";", 186},       {GLFW_KEY_EQUAL, "=", 187},
        {GLFW_KEY_COMMA, ",", 188},           {GLFW_KEY_MINUS, "-", 189},
        {GLFW_KEY_PERIOD, ".", 190},          {GLFW_KEY_SLASH, "/", 191},
        {GLFW_KEY_GRAVE_ACCENT, "`", 192},    {GLFW_KEY_LEFT_BRACKET, "[", 219},
        {GLFW_KEY_BACKSLASH, "\\", 220},      {GLFW_KEY_RIGHT_BRACKET, "]", 221},
        {GLFW_KEY_APOSTROPHE, "'", 222},
        // A German layout: the key decides by what it types, not where it sits.
        {GLFW_KEY_Y, "z", 90},                {GLFW_KEY_Z, "y", 89},
        {GLFW_KEY_MINUS, "\xc3\x9f", 0},      // sharp s
        {GLFW_KEY_RIGHT_BRACKET, "+", 0},     {GLFW_KEY_BACKSLASH, "#", 0},
        {GLFW_KEY_WORLD_1, "<", 0},           {GLFW_KEY_SEMICOLON, "\xc3\xb6", 0},
        {GLFW_KEY_GRAVE_ACCENT, nullptr, 0},  // a dead key types nothing
        // Keys without codes.
        {GLFW_KEY_LEFT_ALT, nullptr, 0},      {GLFW_KEY_RIGHT_ALT, nullptr, 0},
        {GLFW_KEY_F13, nullptr, 0},           {GLFW_KEY_KP_ENTER, nullptr, 0},
        {GLFW_KEY_KP_EQUAL, "=", 0},          {GLFW_KEY_CAPS_LOCK, nullptr, 0},
        {GLFW_KEY_NUM_LOCK, nullptr, 0},      {GLFW_KEY_SCROLL_LOCK, nullptr, 0},
        {GLFW_KEY_PAUSE, nullptr, 0},         {GLFW_KEY_LEFT_SUPER, nullptr, 0},
        {GLFW_KEY_MENU, nullptr, 0},          {GLFW_KEY_UNKNOWN, nullptr, 0},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(MapGlfwKey(c.glfw, c.name), c.expected)
            << "GLFW key " << c.glfw << " typing " << (c.name ? c.name : "(nothing)");
    }
}

TEST(KeyMapTest, EditingKeysQueueTheirCharacters) {
    const int cases[][2] = {
        {KEY_BACKSPACE, 8},   {KEY_TAB, 9},         {KEY_ENTER, 13},     {KEY_ESCAPE, 27},
        {KEY_DELETE, 127},    {KEY_PAGEUP, 65569},  {KEY_PAGEDOWN, 65570},
        {KEY_END, 65571},     {KEY_HOME, 65572},    {KEY_LEFT, 65573},   {KEY_UP, 65574},
        {KEY_RIGHT, 65575},   {KEY_DOWN, 65576},    {KEY_INSERT, 65581}, {KEY_SPACE, 0},
        {KEY_A, 0},           {KEY_SHIFT, 0},       {KEY_F1, 0},         {KEY_NUM0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(EditingKeyChar(c[0]), c[1]) << "key " << c[0];
}

// The live layout (US under the test display): names come from the windowing layer.
TEST(KeyMapTest, LiveLayoutNames) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
    if (!glfwInit()) GTEST_SKIP() << "the windowing layer cannot start";
    auto live = [](int key) { return MapGlfwKey(key, glfwGetKeyName(key, 0)); };
    EXPECT_EQ(live(GLFW_KEY_Q), KEY_Q);
    EXPECT_EQ(live(GLFW_KEY_3), KEY_3) << "Shift+3 is keys 16 and 51";
    EXPECT_EQ(live(GLFW_KEY_SLASH), KEY_SLASH);
    EXPECT_EQ(live(GLFW_KEY_LEFT), KEY_LEFT);
    glfwTerminate();
}

}  // namespace
