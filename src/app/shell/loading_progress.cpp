#include "app/shell/loading_progress.h"

#include "host/sys/clock.h"

namespace {

constexpr std::uint32_t kFrameMs = 16;

} // namespace

LoadingProgress::LoadingProgress(host::ui::Label& lblProcess, GraphicalGraph& GGraph,
                                 std::function<void()> doEvents)
    : lblProcess_(lblProcess), GGraph_(GGraph), doEvents_(std::move(doEvents)) {}

void LoadingProgress::flow(bool now) {
    const std::uint32_t time = host::sys::tickClock().milliseconds();
    if (!now && time - lastFlow_ < kFrameMs) return;
    lastFlow_ = time;
    doEvents_();
}

void LoadingProgress::showCaption(const std::string& caption) {
    lblProcess_.setCaption(caption);
    flow(true);
}

void LoadingProgress::showGauge(std::int16_t Max, std::int16_t Value) {
    GGraph_.Max(Max);
    GGraph_.Value(Value);
    GGraph_.setVisible(true);
}

void LoadingProgress::setGauge(std::int16_t Value) {
    GGraph_.Value(Value);
    flow(true);
}

void LoadingProgress::hide() {
    GGraph_.setVisible(false);
    lblProcess_.setVisible(false);
}

void LoadingProgress::start(const std::string& caption, std::int16_t Maxprocess) {
    GGraph_.Max(Maxprocess);
    lblProcess_.setCaption(caption);
    flow(true);
}

void LoadingProgress::step(std::int16_t NowProcess) {
    GGraph_.Value(NowProcess);
    flow(NowProcess >= GGraph_.Max());
}

void LoadingProgress::mFile_StartProcess(std::int16_t Maxprocess) {
    start(strProcessName, Maxprocess);
}

void LoadingProgress::mFile_IOProcess(std::int32_t NowProcess, std::int32_t) {
    step(static_cast<std::int16_t>(NowProcess));
}

void LoadingProgress::mLoadData_StartProcess(const std::string& ProcessName, std::int16_t Maxprocess) {
    start(ProcessName, Maxprocess);
}

void LoadingProgress::mLoadData_LoadProcess(std::int16_t NowProcess, std::int16_t) {
    step(NowProcess);
}
