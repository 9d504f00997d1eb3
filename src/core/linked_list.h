#pragma once
// The game's one container: a doubly linked list that owns its nodes, copies
// by value, and offers indexed access by walking from the head. Misuse (an
// empty list, a bad index, a foreign element) throws a ListError carrying a
// fixed message; nothing in the game catches it, so it ends the program.

#include <exception>

// Thrown on misuse of a LinkedList. what() is the fixed message text.
class ListError : public std::exception {
  public:
    explicit ListError(const char* text) : text_(text) {}
    const char* what() const noexcept override { return text_; }

  private:
    const char* text_;
};

template <typename T>
struct LLNode {
    T data;  // first, so a pointer to an element is a pointer to its node
    LLNode* next;
    LLNode* prev;
    LLNode(const T& value, LLNode* n, LLNode* p) : data(value), next(n), prev(p) {}
};

template <typename T>
class LinkedList {
  public:
    LLNode<T>* head = nullptr;
    LLNode<T>* tail = nullptr;

    LinkedList() = default;
    LinkedList(const LinkedList& other) { CopyFrom(other); }
    LinkedList& operator=(const LinkedList& other) {
        if (this != &other) {
            Clear();
            CopyFrom(other);
        }
        return *this;
    }
    ~LinkedList() { FreeNodes(); }

    void Clear() {
        FreeNodes();
        head = tail = nullptr;
    }

    void PushBack(const T& value) {
        if (!head || !tail) {
            head = tail = new LLNode<T>(value, nullptr, nullptr);
            return;
        }
        LLNode<T>* node = new LLNode<T>(value, nullptr, tail);
        tail->next = node;
        tail = node;
    }

    void PushFront(const T& value) {
        if (!head) {
            head = tail = new LLNode<T>(value, nullptr, nullptr);
            return;
        }
        LLNode<T>* node = new LLNode<T>(value, head, nullptr);
        head->prev = node;
        head = node;
    }

    T& operator[](int index) {
        if (index < 0)
            throw ListError("err)) Index value too low");
        if (!head || !tail)
            throw ListError("From operator[] - No data in structure.");
        if (index > LastIndex())
            throw ListError("err)) Index value too high");
        LLNode<T>* node = head;
        for (int i = 0; i < index; ++i)
            node = node->next;
        return node->data;
    }

    T& Last() {
        if (!tail)
            throw ListError("ERROR: No data");
        return tail->data;
    }

    // Index of the last element: -1 when empty. Not a count.
    int LastIndex() const {
        if (!head || !tail)
            return -1;
        int index = 0;
        for (const LLNode<T>* node = head; node != tail; node = node->next)
            ++index;
        return index;
    }

    // Removes the element at index; an index of 0 or below removes the first one.
    void RemoveAt(int index) {
        if (!head)
            throw ListError("ERROR: List Empty");
        LLNode<T>* prev = nullptr;
        LLNode<T>* node = head;
        int position = 0;
        while (node && position < index) {
            prev = node;
            node = node->next;
            ++position;
        }
        if (!node)
            throw ListError("ERROR: Deleting LLNode not found");
        Unlink(node, prev);
    }

    // Removes the element at this address, which must have come from this list.
    void Remove(const T* element) {
        if (!head)
            throw ListError("ERROR: List Empty");
        LLNode<T>* prev = nullptr;
        LLNode<T>* node = head;
        while (node && &node->data != element) {
            prev = node;
            node = node->next;
        }
        if (!node)
            throw ListError("ERROR: Deleting LLNode not found");
        Unlink(node, prev);
    }

  private:
    void Unlink(LLNode<T>* node, LLNode<T>* prev) {
        if (node == head && node == tail) {
            head = tail = nullptr;
        } else if (node == tail) {
            prev->next = nullptr;
            tail = prev;
        } else if (node == head) {
            head = node->next;
            head->prev = nullptr;
        } else {
            prev->next = node->next;
            node->next->prev = prev;
        }
        delete node;
    }

    void CopyFrom(const LinkedList& other) {
        for (const LLNode<T>* node = other.head; node; node = node->next) {
            LLNode<T>* copy = new LLNode<T>(node->data, nullptr, tail);
            if (tail)
                tail->next = copy;
            else
                head = copy;
            tail = copy;
        }
    }

    void FreeNodes() {
        LLNode<T>* node = head;
        while (node) {
            LLNode<T>* next = node->next;
            delete node;
            node = next;
        }
    }
};
