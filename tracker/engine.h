// The tracker application: one SoundEngine whose state every tracker file shares.
#pragma once

#include "app/app.h"
#include "tracker/state.h"

class SoundEngine : public App, public EngineState {
public:
    int OnCreate() override;
    int OnUpdate() override;
    int OnRender() override;
};
