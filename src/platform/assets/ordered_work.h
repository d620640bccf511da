#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

// Makes items 0 .. count - 1 with make(index) and hands them out in index
// order. With more than one thread, a pool of that many threads makes them
// ahead, starting them in index order; with one, take(index) makes the item
// on the calling thread. take is called for 0, 1, 2 ... in turn; it throws
// what make threw for that item. The end of the work stops the pool after
// the items under way.
template <class T> class OrderedWork {
  public:
    OrderedWork(std::size_t count, unsigned threads, std::function<T(std::size_t)> make)
        : make_(std::move(make)), slots_(count) {
        if (threads <= 1) return;
        try {
            for (unsigned i = 0; i < threads && i < count; ++i)
                threads_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            // The threads that did start do the work; with none, take does it.
        }
    }
    ~OrderedWork() { stop_ = true; }

    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    T take(std::size_t index) {
        if (threads_.empty()) return make_(index);
        Slot& slot = slots_[index];
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return slot.done; });
        if (slot.error) std::rethrow_exception(slot.error);
        return std::move(*slot.value);
    }

  private:
    struct Slot {
        std::optional<T> value;
        std::exception_ptr error;
        bool done = false;
    };

    void work() {
        for (std::size_t index = next_++; index < slots_.size() && !stop_; index = next_++) {
            std::optional<T> value;
            std::exception_ptr error;
            try {
                value.emplace(make_(index));
            } catch (...) {
                error = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex_);
                slots_[index].value = std::move(value);
                slots_[index].error = error;
                slots_[index].done = true;
            }
            ready_.notify_all();
        }
    }

    std::function<T(std::size_t)> make_;
    std::vector<Slot> slots_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::atomic<std::size_t> next_ = 0;
    std::atomic<bool> stop_ = false;
    // Last, so the threads are joined before anything they use goes.
    std::vector<std::jthread> threads_;
};
