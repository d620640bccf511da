#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace host::runtime {

// A synchronous event: handlers run in subscription order and receive the
// arguments by reference, so a handler may change them for the raiser. A handler
// may subscribe or unsubscribe (itself or others) while the event is raised:
// the raise goes over the handlers present when it started, skipping removed ones.
template <class... Args> class Event {
  public:
    using Handler = std::function<void(Args&...)>;
    using Token = std::uint64_t;

    Token subscribe(Handler handler) {
        auto entry = std::make_shared<Entry>(Entry{++lastToken_, std::move(handler), true});
        entries_.push_back(entry);
        return entry->token;
    }

    void unsubscribe(Token token) {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if ((*it)->token == token) {
                (*it)->alive = false;
                entries_.erase(it);
                return;
            }
        }
    }

    void clear() {
        for (auto& entry : entries_)
            entry->alive = false;
        entries_.clear();
    }

    void raise(Args&... args) const {
        auto snapshot = entries_;
        for (auto& entry : snapshot)
            if (entry->alive) entry->handler(args...);
    }

    bool hasHandlers() const { return !entries_.empty(); }

  private:
    struct Entry {
        Token token;
        Handler handler;
        bool alive;
    };
    std::vector<std::shared_ptr<Entry>> entries_;
    Token lastToken_ = 0;
};

} // namespace host::runtime
