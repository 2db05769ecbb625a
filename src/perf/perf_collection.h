#pragma once
#include <algorithm>
#include <memory>
#include <vector>

#include "perf/perf_errors.h"

namespace haltwise {

// What the items of the performance collections share: copying the settings
// of another item, which fails with "Incompatible types" for an item of
// another kind.
class TCollectionItem {
 public:
  TCollectionItem() = default;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;
  virtual ~TCollectionItem() = default;

  virtual void Assign(const TCollectionItem& source) = 0;
};

// An ordered collection that owns its items; each item knows its owner.
template <typename Item, typename Owner>
class TOwnedCollection {
 public:
  explicit TOwnedCollection(Owner& owner) : owner_(owner) {}
  TOwnedCollection(const TOwnedCollection&) = delete;
  TOwnedCollection& operator=(const TOwnedCollection&) = delete;
  ~TOwnedCollection() { Clear(); }

  Item& Add() {
    items_.push_back(std::make_unique<Item>(owner_));
    return *items_.back();
  }
  int Count() const { return static_cast<int>(items_.size()); }
  Item& operator[](int index) const {
    if (index < 0 || index >= Count()) throw ListIndexError(index);
    return *items_[static_cast<std::size_t>(index)];
  }

  // The item leaves the collection before it is destroyed, so whoever its
  // destruction notifies sees the collection without it.
  void Delete(const Item& item) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const auto& entry) { return entry.get() == &item; });
    if (found == items_.end()) return;
    std::unique_ptr<Item> doomed = std::move(*found);
    items_.erase(found);
  }
  // Last to first, as items are freed one by one.
  void Clear() {
    while (!items_.empty()) Delete(*items_.back());
  }
  // Replaces the items with copies of those of `source`.
  void Assign(const TOwnedCollection& source) {
    if (&source == this) return;
    Clear();
    for (const auto& item : source.items_) Add().Assign(*item);
  }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  Owner& owner_;
  std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace haltwise
