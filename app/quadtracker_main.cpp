// Entry point of the tracker.
#include "tracker/engine.h"

int main() {
    SoundEngine engine;
    engine.OnCreate();
    return 0;
}
