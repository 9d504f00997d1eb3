#pragma once
// The templates' container: a doubly linked list that owns its nodes, copies
// by value, and offers indexed access by walking from the head. Misuse (an
// empty list, a bad index) throws a ListError carrying a fixed message;
// nothing in the game catches it, so it ends the program.

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
    T data;
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

  private:
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
