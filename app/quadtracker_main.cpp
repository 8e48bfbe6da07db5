// Entry point of the tracker.
#include "app/zorbit_game.h"
#include "tracker/engine.h"

int main(int argc, char* argv[]) {
    // The one application object lives until the process ends.
    BBZorbitGame::Main(argc, argv, [] { new SoundEngine(); });
    return 0;
}
