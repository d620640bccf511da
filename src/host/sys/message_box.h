#pragma once

#include <deque>
#include <string>
#include <vector>

namespace host::sys {

// The standard message boxes: OK, and Yes/No answering whether Yes was chosen.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void ok(const std::string& text, const std::string& title) = 0;
    virtual bool yesNo(const std::string& text, const std::string& title) = 0;
};

// Records every box and answers Yes/No from a script (tests). A Yes/No
// question with no scripted answer left is an error.
class ScriptedMessageBoxes : public MessageBoxes {
  public:
    struct Shown {
        std::string text;
        std::string title;
        bool question;
    };

    void ok(const std::string& text, const std::string& title) override;
    bool yesNo(const std::string& text, const std::string& title) override;

    void answer(bool yes) { answers_.push_back(yes); }
    const std::vector<Shown>& shown() const { return shown_; }

  private:
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
};

} // namespace host::sys
