#pragma once

#include "host/runtime/random.h"
#include "host/sys/message_box.h"
#include "platform/services/game_services.h"

#include <memory>
#include <string>
#include <vector>

// Services for tests: nothing is heard or waited for, everything is recorded.
// Draws come from a fixed-seed generator until a script is given; a scripted
// run that runs out of values is an error, so a test sees every draw it caused.
class SilentServices : public GameServices {
  public:
    SilentServices();

    void SoundPlay(const std::string& SoundName) override;
    void BGMStop() override;
    std::string GetBGMName() override { return bgmName_; }
    void WaitTime(double ms) override { waits_.push_back(ms); }
    void MsgBox(const std::string& text) override { boxes_.ok(text, ""); }
    bool YesNo(const std::string& text, const std::string& title) override {
        return boxes_.yesNo(text, title);
    }
    float Rnd() override;

    void scriptDraws(std::vector<float> values);
    // Queues the answer of the next Yes/No question.
    void answer(bool yes) { boxes_.answer(yes); }
    void setBGMName(std::string name) { bgmName_ = std::move(name); }

    const std::vector<std::string>& played() const { return played_; }
    int bgmStops() const { return bgmStops_; }
    const std::vector<double>& waits() const { return waits_; }
    const std::vector<host::sys::ScriptedMessageBoxes::Shown>& messages() const { return boxes_.shown(); }
    int drawCount() const { return draws_; }

  private:
    std::unique_ptr<host::runtime::RandomSource> random_;
    host::sys::ScriptedMessageBoxes boxes_;
    std::vector<std::string> played_;
    std::vector<double> waits_;
    std::string bgmName_;
    int bgmStops_ = 0;
    int draws_ = 0;
};

// Installs a SilentServices for the lifetime of the object and puts the
// previous services back afterwards.
class ScopedSilentServices : public host::runtime::ScopedInstall<GameServices, SilentServices> {
  public:
    ScopedSilentServices() : ScopedInstall(installedServices, std::make_unique<SilentServices>()) {}
};
