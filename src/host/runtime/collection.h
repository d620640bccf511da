#pragma once

#include "host/runtime/collection_key.h"
#include "host/runtime/runtime_error.h"

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace host::runtime {

// An ordered collection with optional keys ("" = none) and 1-based positions.
// Iterating while elements are removed visits each remaining element once.
template <class T> class Collection {
    struct Node {
        T value;
        std::string key; // "" when added without a key
        std::shared_ptr<Node> next;
        bool removed = false;
    };

  public:
    explicit Collection(KeyFold fold = KeyFold::Exact) : fold_(fold) {}
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;
    Collection(Collection&&) noexcept = default;
    Collection& operator=(Collection&&) noexcept = default;
    ~Collection() {
        // Unlink iteratively so a long chain is not released recursively.
        for (auto& node : nodes_)
            node->next.reset();
    }

    long count() const { return static_cast<long>(nodes_.size()); }
    bool empty() const { return nodes_.empty(); }

    void add(T value, std::string key = {}) { insertAt(nodes_.size(), std::move(value), std::move(key)); }
    // Adds a catalogue row under its name. An empty name would be no key at
    // all, so it raises the invalid-call error (5); a taken one error 457.
    void addNamed(T value, std::string key, const std::string& what) {
        if (key.empty()) throw RuntimeError(ErrorNumber::InvalidCall, what + " without a name");
        add(std::move(value), std::move(key));
    }
    void addBefore(T value, std::string key, long position) {
        insertAt(indexOf(position), std::move(value), std::move(key));
    }
    void addBefore(T value, std::string key, const std::string& beforeKey) {
        insertAt(indexOf(beforeKey), std::move(value), std::move(key));
    }
    void addAfter(T value, std::string key, long position) {
        insertAt(indexOf(position) + 1, std::move(value), std::move(key));
    }
    void addAfter(T value, std::string key, const std::string& afterKey) {
        insertAt(indexOf(afterKey) + 1, std::move(value), std::move(key));
    }

    T& item(long position) { return nodes_[indexOf(position)]->value; }
    const T& item(long position) const { return nodes_[indexOf(position)]->value; }
    T& item(const std::string& key) { return nodeOf(key).value; }
    const T& item(const std::string& key) const { return nodeOf(key).value; }
    T& operator[](const std::string& key) { return item(key); }
    T& operator[](long position) { return item(position); }

    T* find(const std::string& key) {
        auto it = byKey_.find(foldKey(fold_, key));
        return it == byKey_.end() ? nullptr : &it->second->value;
    }
    const T* find(const std::string& key) const { return const_cast<Collection*>(this)->find(key); }
    bool contains(const std::string& key) const { return byKey_.count(foldKey(fold_, key)) != 0; }

    // The key an element was added with; "" when none.
    const std::string& keyAt(long position) const { return nodes_[indexOf(position)]->key; }

    void remove(long position) { eraseAt(indexOf(position)); }
    void remove(const std::string& key) { eraseAt(indexOf(key)); }

    void clear() {
        for (auto& node : nodes_)
            node->removed = true;
        nodes_.clear();
        byKey_.clear();
    }

    class iterator {
      public:
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        explicit iterator(std::shared_ptr<Node> node) : node_(std::move(node)) {}
        T& operator*() const { return node_->value; }
        T* operator->() const { return &node_->value; }
        iterator& operator++() {
            node_ = node_->next;
            while (node_ && node_->removed)
                node_ = node_->next;
            return *this;
        }
        bool operator==(const iterator& other) const { return node_ == other.node_; }

      private:
        std::shared_ptr<Node> node_;
    };

    iterator begin() const { return iterator(nodes_.empty() ? nullptr : nodes_.front()); }
    iterator end() const { return iterator(); }

  private:
    std::size_t indexOf(long position) const {
        if (position < 1 || position > count())
            throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "position " + std::to_string(position));
        return static_cast<std::size_t>(position - 1);
    }

    Node& nodeOf(const std::string& key) const {
        auto it = byKey_.find(foldKey(fold_, key));
        if (it == byKey_.end())
            throw RuntimeError(ErrorNumber::InvalidCall, "no element with key \"" + key + "\"");
        return *it->second;
    }

    std::size_t indexOf(const std::string& key) const {
        const Node* wanted = &nodeOf(key);
        std::size_t i = 0;
        while (nodes_[i].get() != wanted)
            ++i;
        return i;
    }

    void insertAt(std::size_t index, T value, std::string key) {
        std::string folded;
        if (!key.empty()) {
            folded = foldKey(fold_, key);
            if (byKey_.count(folded)) throw RuntimeError(ErrorNumber::DuplicateKey, "key \"" + key + "\"");
        }
        auto node = std::make_shared<Node>(Node{std::move(value), std::move(key), nullptr, false});
        if (index < nodes_.size()) node->next = nodes_[index];
        if (index > 0) nodes_[index - 1]->next = node;
        nodes_.insert(nodes_.begin() + static_cast<std::ptrdiff_t>(index), node);
        if (!node->key.empty()) byKey_.emplace(std::move(folded), node);
    }

    void eraseAt(std::size_t index) {
        auto node = nodes_[index];
        node->removed = true;
        if (index > 0) nodes_[index - 1]->next = node->next;
        if (!node->key.empty()) byKey_.erase(foldKey(fold_, node->key));
        nodes_.erase(nodes_.begin() + static_cast<std::ptrdiff_t>(index));
    }

    KeyFold fold_;
    std::vector<std::shared_ptr<Node>> nodes_;
    std::unordered_map<std::string, std::shared_ptr<Node>> byKey_;
};

} // namespace host::runtime
