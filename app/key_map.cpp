// Key table of the host.
#include "app/key_map.h"

#include <GLFW/glfw3.h>

#include <cstring>

#include "framework/input/keycodes.h"

namespace {

struct NamedKey {
    int glfw;
    int key;
};

// Keys known by their function rather than the character they type.
constexpr NamedKey kNamedKeys[] = {
    {GLFW_KEY_BACKSPACE, KEY_BACKSPACE},
    {GLFW_KEY_TAB, KEY_TAB},
    {GLFW_KEY_ENTER, KEY_ENTER},
    {GLFW_KEY_LEFT_SHIFT, KEY_SHIFT},
    {GLFW_KEY_RIGHT_SHIFT, KEY_SHIFT},
    {GLFW_KEY_LEFT_CONTROL, KEY_CONTROL},
    {GLFW_KEY_RIGHT_CONTROL, KEY_CONTROL},
    {GLFW_KEY_ESCAPE, KEY_ESCAPE},
    {GLFW_KEY_SPACE, KEY_SPACE},
    {GLFW_KEY_PAGE_UP, KEY_PAGEUP},
    {GLFW_KEY_PAGE_DOWN, KEY_PAGEDOWN},
    {GLFW_KEY_END, KEY_END},
    {GLFW_KEY_HOME, KEY_HOME},
    {GLFW_KEY_LEFT, KEY_LEFT},
    {GLFW_KEY_UP, KEY_UP},
    {GLFW_KEY_RIGHT, KEY_RIGHT},
    {GLFW_KEY_DOWN, KEY_DOWN},
    {GLFW_KEY_INSERT, KEY_INSERT},
    {GLFW_KEY_DELETE, KEY_DELETE},
    {GLFW_KEY_KP_0, KEY_NUM0 + 0},
    {GLFW_KEY_KP_1, KEY_NUM0 + 1},
    {GLFW_KEY_KP_2, KEY_NUM0 + 2},
    {GLFW_KEY_KP_3, KEY_NUM0 + 3},
    {GLFW_KEY_KP_4, KEY_NUM0 + 4},
    {GLFW_KEY_KP_5, KEY_NUM0 + 5},
    {GLFW_KEY_KP_6, KEY_NUM0 + 6},
    {GLFW_KEY_KP_7, KEY_NUM0 + 7},
    {GLFW_KEY_KP_8, KEY_NUM0 + 8},
    {GLFW_KEY_KP_9, KEY_NUM0 + 9},
    {GLFW_KEY_KP_MULTIPLY, KEY_NUMMULTIPLY},
    {GLFW_KEY_KP_ADD, KEY_NUMADD},
    {GLFW_KEY_KP_SUBTRACT, KEY_NUMSUBTRACT},
    {GLFW_KEY_KP_DECIMAL, KEY_NUMDECIMAL},
    {GLFW_KEY_KP_DIVIDE, KEY_NUMDIVIDE},
    {GLFW_KEY_F1, KEY_F1},
    {GLFW_KEY_F2, KEY_F2},
    {GLFW_KEY_F3, KEY_F3},
    {GLFW_KEY_F4, KEY_F4},
    {GLFW_KEY_F5, KEY_F5},
    {GLFW_KEY_F6, KEY_F6},
    {GLFW_KEY_F7, KEY_F7},
    {GLFW_KEY_F8, KEY_F8},
    {GLFW_KEY_F9, KEY_F9},
    {GLFW_KEY_F10, KEY_F10},
    {GLFW_KEY_F11, KEY_F11},
    {GLFW_KEY_F12, KEY_F12},
};

struct PunctuationKey {
    char c;
    int key;
};

constexpr PunctuationKey kPunctuationKeys[] = {
    {';', KEY_SEMICOLON},    {'=', KEY_EQUALS},       {',', KEY_COMMA},
    {'-', KEY_MINUS},        {'.', KEY_PERIOD},       {'/', KEY_SLASH},
    {'`', KEY_TILDE},        {'~', KEY_TILDE},        {'[', KEY_OPENBRACKET},
    {'\\', KEY_BACKSLASH},   {']', KEY_CLOSEBRACKET}, {'\'', KEY_QUOTES},
    {'"', KEY_QUOTES},
};

// The code of a printable key by its single (upper-cased) character.
int KeyOfChar(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    for (const PunctuationKey& p : kPunctuationKeys) {
        if (p.c == c) return p.key;
    }
    return 0;
}

bool IsPrintableGlfwKey(int glfwKey) {
    return glfwKey >= GLFW_KEY_APOSTROPHE && glfwKey <= GLFW_KEY_WORLD_2 &&
           glfwKey != GLFW_KEY_SPACE;
}

}  // namespace

int MapGlfwKey(int glfwKey, const char* name) {
    for (const NamedKey& k : kNamedKeys) {
        if (k.glfw == glfwKey) return k.key;
    }
    if (!IsPrintableGlfwKey(glfwKey)) return 0;
    // A dead key (no character) or one outside ASCII (several bytes) has no code.
    if (!name || std::strlen(name) != 1) return 0;
    return KeyOfChar(name[0]);
}

int EditingKeyChar(int key) {
    switch (key) {
        case KEY_BACKSPACE:
            return CHAR_BACKSPACE;
        case KEY_TAB:
            return CHAR_TAB;
        case KEY_ENTER:
            return CHAR_ENTER;
        case KEY_ESCAPE:
            return CHAR_ESCAPE;
        case KEY_DELETE:
            return CHAR_DELETE;
        case KEY_PAGEUP:
        case KEY_PAGEDOWN:
        case KEY_END:
        case KEY_HOME:
        case KEY_LEFT:
        case KEY_UP:
        case KEY_RIGHT:
        case KEY_DOWN:
        case KEY_INSERT:
            return key + 65536;
        default:
            return 0;
    }
}
