#pragma once

#include "host/runtime/runtime_error.h"

#include <memory>
#include <utility>

namespace host::runtime {

// One instance of T that the whole program reaches: the program installs it
// at start-up, a test installs its own for a scope (ScopedInstall). Reaching
// it with none installed makes the fallback when the global has one, and
// otherwise raises the object-not-set error naming the global.
//
// Declare a global in a header as
//     inline constinit host::runtime::Global<clsImages> gImages{"gImages"};
// with an accessor beside it (`clsImages& Images() { return gImages.get(); }`).
template <class T> class Global {
  public:
    using Fallback = std::unique_ptr<T> (*)();

    constexpr explicit Global(const char* name, Fallback fallback = nullptr)
        : name_(name), fallback_(fallback) {}
    Global(const Global&) = delete;
    Global& operator=(const Global&) = delete;

    T& get() {
        if (!instance_) {
            if (fallback_ == nullptr) throw RuntimeError(ErrorNumber::ObjectNotSet, name_);
            instance_ = fallback_();
        }
        return *instance_;
    }

    // The installed instance, or null; never makes the fallback.
    T* find() const { return instance_.get(); }

    // Installs `instance` (null removes the installed one) and returns the previous one.
    std::unique_ptr<T> install(std::unique_ptr<T> instance) {
        auto previous = std::move(instance_);
        instance_ = std::move(instance);
        return previous;
    }

  private:
    const char* name_;
    Fallback fallback_;
    std::unique_ptr<T> instance_;
};

// Installs an instance for the lifetime of the object, then puts the previous
// one back. U is the installed instance's own type, so a test reaches a fake's
// extra members through the scope.
template <class T, class U = T> class [[nodiscard]] ScopedInstall {
  public:
    ScopedInstall(Global<T>& global, std::unique_ptr<U> instance)
        : global_(global), instance_(instance.get()), previous_(global.install(std::move(instance))) {}
    ~ScopedInstall() { global_.install(std::move(previous_)); }
    ScopedInstall(const ScopedInstall&) = delete;
    ScopedInstall& operator=(const ScopedInstall&) = delete;

    U& operator*() const { return *instance_; }
    U* operator->() const { return instance_; }
    U* get() const { return instance_; }

  private:
    Global<T>& global_;
    U* instance_;
    std::unique_ptr<T> previous_;
};

} // namespace host::runtime
