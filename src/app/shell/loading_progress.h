#pragma once

#include "toolkit/graphical_graph.h"

#include "host/ui/label.h"

#include <cstdint>
#include <functional>
#include <string>

// The caption and gauge of start-up, driven by the start-up steps and by the
// progress events of the file service (an archive read in chunks) and of the
// asset loader (records unpacked). After each change the window's messages
// flow, so the window is painted and stays responsive: at once when the
// caption, the maximum or the last step is shown, otherwise at most once a
// frame, so that thousands of chunks do not each compose the window.
class LoadingProgress {
  public:
    LoadingProgress(host::ui::Label& lblProcess, GraphicalGraph& GGraph, std::function<void()> doEvents);

    // The caption of an archive's chunked read.
    std::string strProcessName;

    // A caption set directly by start-up; the messages flow once.
    void showCaption(const std::string& caption);
    void showGauge(std::int16_t Max, std::int16_t Value);
    void setGauge(std::int16_t Value);
    void hide();

    void mFile_StartProcess(std::int16_t Maxprocess);
    void mFile_IOProcess(std::int32_t NowProcess, std::int32_t Maxprocess);
    void mLoadData_StartProcess(const std::string& ProcessName, std::int16_t Maxprocess);
    void mLoadData_LoadProcess(std::int16_t NowProcess, std::int16_t Maxprocess);

  private:
    void start(const std::string& caption, std::int16_t Maxprocess);
    void step(std::int16_t NowProcess);
    void flow(bool now);

    host::ui::Label& lblProcess_;
    GraphicalGraph& GGraph_;
    std::function<void()> doEvents_;
    std::uint32_t lastFlow_ = 0;
};
