// A list that owns its items, newest first: the saver catalogue and the
// entries of a version resource. Adding fails without memory instead of
// throwing (this program's operator new returns null), and each item's own
// allocations go back through `Release` when the list lets the item go.
#ifndef NAPKEY_BASE_OWNEDLIST_H
#define NAPKEY_BASE_OWNEDLIST_H

template <typename Item, void (*Release)(Item&)>
class OwnedList {
  struct Node {
    Item item;
    Node* next;
  };

 public:
  class Iterator {
   public:
    explicit Iterator(Node* at) : node(at) {}
    Item& operator*() const { return node->item; }
    Item* operator->() const { return &node->item; }
    Iterator& operator++() {
      node = node->next;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return node != other.node; }

   private:
    Node* node;
  };

  OwnedList() = default;
  ~OwnedList() { Clear(); }
  OwnedList(const OwnedList&) = delete;
  OwnedList& operator=(const OwnedList&) = delete;

  // A new, zeroed item in front; null without memory.
  Item* AddFront() {
    Node* node = new Node{Item{}, head};
    if (!node) return nullptr;
    head = node;
    return &node->item;
  }
  // Lets the front item go: one whose own allocations failed half-way.
  void DropFront() {
    Node* node = head;
    if (!node) return;
    head = node->next;
    Release(node->item);
    delete node;
  }
  void Clear() {
    while (head) DropFront();
  }
  bool Empty() const { return !head; }
  Iterator begin() const { return Iterator(head); }
  Iterator end() const { return Iterator(nullptr); }

 private:
  Node* head = nullptr;
};

#endif
