// The input module: the application's view of the current input device. With no
// device set every query reads 0.
#pragma once

#include "framework/input/input_device.h"
#include "framework/input/keycodes.h"

void SetInputDevice(InputDevice* device);
InputDevice* GetInputDevice();

// 1 while the key is held; 0 for keys outside 1 to 511.
int KeyDown(int key);
// Times the key went down since the last update ended; 0 outside 1 to 511.
int KeyHit(int key);
// KeyHit(button + 1) for buttons 0 to 510.
int MouseHit(int button);
float MouseX();
float MouseY();
// The next typed character, removed from the queue; 0 when there is none.
int GetChar();
