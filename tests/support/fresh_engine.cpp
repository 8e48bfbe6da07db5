#include "tests/support/fresh_engine.h"

#include "app/app.h"

std::unique_ptr<SoundEngine> MakeFreshEngine(bool create) {
    ResetAppModule();
    auto engine = std::make_unique<SoundEngine>();
    if (create) engine->OnCreate();
    return engine;
}
