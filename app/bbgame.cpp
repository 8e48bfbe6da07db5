// The host game object: its state, the guarded calls and the fatal path.
#include "app/bbgame.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "framework/files/files.h"
#include "runtime/error.h"

namespace {

BBGame* g_game = nullptr;

const char kStateFile[] = "./.zorbitstate";

}  // namespace

// Runs a call into the delegate, if there is one; anything escaping it is fatal.
#define BB_GUARDED(call)                   \
    do {                                   \
        if (!delegate_) break;             \
        try {                              \
            call;                          \
        } catch (...) {                    \
            Die(std::current_exception()); \
        }                                  \
    } while (0)

BBGame::BBGame() {
    g_game = this;
}

BBGame::~BBGame() {
    if (g_game == this) g_game = nullptr;
}

BBGame* BBGame::Game() {
    return g_game;
}

void BBGame::SetDelegate(BBGameDelegate* delegate) {
    delegate_ = delegate;
}

BBGameDelegate* BBGame::Delegate() {
    return delegate_;
}

void BBGame::SetKeyboardEnabled(bool enabled) {
    keyboard_enabled_ = enabled;
}

bool BBGame::KeyboardEnabled() {
    return keyboard_enabled_;
}

void BBGame::SetUpdateRate(int hz) {
    update_rate_ = hz;
}

int BBGame::UpdateRate() {
    return update_rate_;
}

bool BBGame::Started() {
    return started_;
}

bool BBGame::Suspended() {
    return suspended_;
}

int BBGame::Millisecs() {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return static_cast<int>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

void BBGame::GetDate(int date[7]) {
    using namespace std::chrono;
    const system_clock::time_point now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    date[0] = local.tm_year + 1900;
    date[1] = local.tm_mon + 1;
    date[2] = local.tm_mday;
    date[3] = local.tm_hour;
    date[4] = local.tm_min;
    date[5] = local.tm_sec;
    date[6] = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
}

int BBGame::SaveState(const String& state) {
    std::FILE* f = std::fopen(kStateFile, "wb");
    if (!f) return -1;
    const std::string bytes = state.ToUtf8();
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok ? 0 : -1;
}

String BBGame::LoadState() {
    std::FILE* f = std::fopen(kStateFile, "rb");
    if (!f) return String();
    String text = LoadStringFromFile(f);
    std::fclose(f);
    return text;
}

String BBGame::LoadString(const String& path) {
    return LoadFileString(path);
}

bool BBGame::PollJoystick(int port, JoyState& state) {
    (void)port, (void)state;
    return false;
}

void BBGame::OpenUrl(const String& url) {
    (void)url;
}

void BBGame::SetMouseVisible(bool visible) {
    (void)visible;
}

String BBGame::PathToFilePath(const String& path) {
    return ::PathToFilePath(path);
}

std::FILE* BBGame::OpenFile(const String& path, const String& mode) {
    return ::OpenFile(path, mode);
}

unsigned char* BBGame::LoadData(const String& path, int* length) {
    return ::LoadData(path, length);
}

void BBGame::Die(std::exception_ptr ex) {
    (void)ex;
    bbPrint("Zorbit Runtime Error : Uncaught Zorbit Exception");
    std::exit(-1);
}

void BBGame::StartGame() {
    if (started_) return;
    started_ = true;
    BB_GUARDED(delegate_->StartGame());
}

void BBGame::SuspendGame() {
    if (!started_ || suspended_) return;
    suspended_ = true;
    BB_GUARDED(delegate_->SuspendGame());
}

void BBGame::ResumeGame() {
    if (!started_ || !suspended_) return;
    suspended_ = false;
    BB_GUARDED(delegate_->ResumeGame());
}

void BBGame::UpdateGame() {
    if (!started_ || suspended_) return;
    BB_GUARDED(delegate_->UpdateGame());
}

void BBGame::RenderGame() {
    if (!started_) return;
    BB_GUARDED(delegate_->RenderGame());
}

void BBGame::KeyEvent(int event, int data) {
    if (!started_) return;
    BB_GUARDED(delegate_->KeyEvent(event, data));
}

void BBGame::MouseEvent(int event, int data, float x, float y) {
    if (!started_) return;
    BB_GUARDED(delegate_->MouseEvent(event, data, x, y));
}

void BBGame::TouchEvent(int event, int data, float x, float y) {
    if (!started_) return;
    BB_GUARDED(delegate_->TouchEvent(event, data, x, y));
}

void BBGame::MotionEvent(int event, int data, float x, float y, float z) {
    if (!started_) return;
    BB_GUARDED(delegate_->MotionEvent(event, data, x, y, z));
}

void BBGame::DiscardGraphics() {
    BB_GUARDED(delegate_->DiscardGraphics());
}
