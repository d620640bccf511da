#pragma once

#include "host/runtime/runtime_error.h"

#include <memory>
#include <string>
#include <vector>

namespace host::ui {

// A control array: element 0 is built with the form; Load makes element i at
// run time as a copy of element 0's settings (T::takeSettingsFrom), in the
// same container, on top and hidden.
template <class T> class ControlArray {
  public:
    explicit ControlArray(std::unique_ptr<T> first) {
        first->setIndex(0);
        elements_.push_back(std::move(first));
    }

    // Error 9 for an element that does not exist.
    T& operator()(int index) const {
        if (!exists(index))
            throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange,
                                        "control array element " + std::to_string(index));
        return *elements_[static_cast<std::size_t>(index)];
    }
    bool exists(int index) const {
        return index >= 0 && index < static_cast<int>(elements_.size()) &&
               elements_[static_cast<std::size_t>(index)];
    }
    int UBound() const { return static_cast<int>(elements_.size()) - 1; }

    // Error 5 when the element exists already.
    T& Load(int index) {
        if (index <= 0 || exists(index))
            throw runtime::RuntimeError(runtime::ErrorNumber::InvalidCall,
                                        "control array element " + std::to_string(index) + " is loaded");
        auto element = std::make_unique<T>();
        element->takeSettingsFrom(*elements_[0]);
        element->setIndex(index);
        if (index >= static_cast<int>(elements_.size()))
            elements_.resize(static_cast<std::size_t>(index) + 1);
        elements_[static_cast<std::size_t>(index)] = std::move(element);
        return *elements_[static_cast<std::size_t>(index)];
    }

  private:
    std::vector<std::unique_ptr<T>> elements_;
};

} // namespace host::ui
