#pragma once
// Read-only indexed access to a LinkedList that answers null for an index
// outside 0..LastIndex instead of throwing.

#include "core/linked_list.h"

template <typename T>
const T* ElementAt(const LinkedList<T>& list, int index) {
    if (index < 0 || index > list.LastIndex())
        return nullptr;
    const LLNode<T>* node = list.head;
    for (int i = 0; i < index; ++i)
        node = node->next;
    return &node->data;
}
