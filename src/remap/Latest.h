// The newest value that any thread publishes for the one thread that reads
// it, with no lock between them: neither side ever waits for the other. What
// the window's thread sets for the mouse hook reaches the hook's thread this
// way and counts from the hook's next event on.
#pragma once

#include <atomic>
#include <memory>
#include <utility>

namespace remap {

template <class T>
class Latest {
 public:
  explicit Latest(T initial = T{}) : current_(std::make_unique<T>(std::move(initial))) {}
  Latest(const Latest&) = delete;
  Latest& operator=(const Latest&) = delete;
  ~Latest() { delete pending_.load(std::memory_order_acquire); }

  // Any thread. A value the reader never took is dropped for the newer one.
  void Publish(T value) {
    delete pending_.exchange(new T(std::move(value)), std::memory_order_acq_rel);
  }

  // The reading thread only: the newest value published, which stays valid
  // until its next Read.
  const T& Read() {
    // Most reads find nothing new, and a plain load is cheaper than taking it.
    if (pending_.load(std::memory_order_relaxed) != nullptr) {
      if (T* fresh = pending_.exchange(nullptr, std::memory_order_acquire)) current_.reset(fresh);
    }
    return *current_;
  }

 private:
  // Owned: published and not yet read.
  std::atomic<T*> pending_{nullptr};
  // The reader's own.
  std::unique_ptr<T> current_;
};

}  // namespace remap
