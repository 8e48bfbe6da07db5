// The host's mapping from windowing-layer keys to framework key codes, and the
// characters the host queues for the editing keys.
#pragma once

// The framework code of a windowing-layer key, 0 when it has none. For printable
// keys, name is the character the key types without Shift in the current layout
// (UTF-8, may be null); it decides the code, so the mapping follows the layout.
int MapGlfwKey(int glfwKey, const char* name);

// The character queued with every press of an editing key (by framework code),
// 0 for other keys.
int EditingKeyChar(int key);
