// The application base class and the app module.
#include "app/app.h"

#include "runtime/error.h"

namespace {
App* g_app = nullptr;
int g_update_rate = 0;
}  // namespace

App::App() {
    if (g_app) bbError("App has already been created");
    g_app = this;
}

int App::OnClose() {
    EndApp();
}

void SetUpdateRate(int hz) {
    g_update_rate = hz;
}

int UpdateRate() {
    return g_update_rate;
}

void EndApp() {
    bbError("");
}

App* CurrentApp() {
    return g_app;
}

void ResetAppModule() {
    g_app = nullptr;
    g_update_rate = 0;
}
