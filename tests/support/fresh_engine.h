// A new SoundEngine for one test: the app module is reset first so that each test
// may create its own application, then OnCreate runs as the host would run it.
#pragma once

#include <memory>

#include "tracker/engine.h"

std::unique_ptr<SoundEngine> MakeFreshEngine(bool create = true);
