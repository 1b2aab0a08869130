#pragma once
// Observer registration for the document's parts. A view holds the Subscription
// it got; dropping it unregisters the view. Either side may go first: a
// Subscription that outlives its list does nothing when dropped.

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace corvane {

class Subscription {
 public:
  Subscription() = default;
  explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
  Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, nullptr)) {}
  Subscription& operator=(Subscription&& other) noexcept {
    if (this != &other) {
      Cancel();
      cancel_ = std::exchange(other.cancel_, nullptr);
    }
    return *this;
  }
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;
  ~Subscription() { Cancel(); }

  void Cancel() {
    if (cancel_) std::exchange(cancel_, nullptr)();
  }

 private:
  std::function<void()> cancel_;
};

template <class Observer>
class ObserverList {
 public:
  Subscription Add(Observer& observer) {
    entries_->push_back(&observer);
    std::weak_ptr<std::vector<Observer*>> weak = entries_;
    return Subscription([weak, target = &observer] {
      if (auto entries = weak.lock()) std::erase(*entries, target);
    });
  }

  // Calls notify for every observer; one that is unregistered by an earlier
  // call of the same round is skipped.
  template <class Notify>
  void ForEach(Notify&& notify) const {
    const std::vector<Observer*> round = *entries_;
    for (Observer* observer : round) {
      if (std::find(entries_->begin(), entries_->end(), observer) != entries_->end()) {
        notify(*observer);
      }
    }
  }

 private:
  std::shared_ptr<std::vector<Observer*>> entries_ = std::make_shared<std::vector<Observer*>>();
};

}  // namespace corvane
