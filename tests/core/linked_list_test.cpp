#include "core/linked_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LinkedList<int> ListOf(std::initializer_list<int> values) {
    LinkedList<int> list;
    for (int v : values)
        list.PushBack(v);
    return list;
}

std::vector<int> Forward(const LinkedList<int>& list) {
    std::vector<int> out;
    for (auto* n = list.head; n; n = n->next)
        out.push_back(n->data);
    return out;
}

std::vector<int> Backward(const LinkedList<int>& list) {
    std::vector<int> out;
    for (auto* n = list.tail; n; n = n->prev)
        out.push_back(n->data);
    return out;
}

template <typename F>
std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const ListError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(LinkedListTest, EmptyListMisuseMessages) {
    LinkedList<int> list;
    EXPECT_EQ(list.LastIndex(), -1);
    EXPECT_EQ(MessageOf([&] { list[0]; }), "From operator[] - No data in structure.");
    EXPECT_EQ(MessageOf([&] { list[-1]; }), "err)) Index value too low");
    EXPECT_EQ(MessageOf([&] { list.Last(); }), "ERROR: No data");
    EXPECT_EQ(MessageOf([&] { list.RemoveAt(0); }), "ERROR: List Empty");
    int x = 0;
    EXPECT_EQ(MessageOf([&] { list.Remove(&x); }), "ERROR: List Empty");
}

TEST(LinkedListTest, OneElement) {
    LinkedList<int> list = ListOf({7});
    EXPECT_EQ(list.LastIndex(), 0);
    EXPECT_EQ(list.head, list.tail);
    EXPECT_EQ(list[0], 7);
    EXPECT_EQ(list.Last(), 7);
    EXPECT_EQ(MessageOf([&] { list[1]; }), "err)) Index value too high");
    list.RemoveAt(0);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.tail, nullptr);
}

TEST(LinkedListTest, IndexingWalksFromHead) {
    LinkedList<int> list = ListOf({1, 2, 3, 4});
    EXPECT_EQ(list.LastIndex(), 3);
    EXPECT_EQ(list[2], 3);
    list[2] = 30;
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 30, 4}));
    EXPECT_EQ(MessageOf([&] { list[4]; }), "err)) Index value too high");
}

TEST(LinkedListTest, RemoveAtNegativeIndexRemovesFirst) {
    LinkedList<int> list = ListOf({1, 2, 3});
    list.RemoveAt(-3);
    EXPECT_EQ(Forward(list), (std::vector<int>{2, 3}));
    EXPECT_EQ(list.head->prev, nullptr);
}

TEST(LinkedListTest, RemoveAtPastEndThrowsAndChangesNothing) {
    LinkedList<int> list = ListOf({1, 2, 3});
    EXPECT_EQ(MessageOf([&] { list.RemoveAt(3); }), "ERROR: Deleting LLNode not found");
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Backward(list), (std::vector<int>{3, 2, 1}));
}

TEST(LinkedListTest, RemoveAtMiddleAndTailRelinks) {
    LinkedList<int> list = ListOf({1, 2, 3, 4});
    list.RemoveAt(1);
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(Backward(list), (std::vector<int>{4, 3, 1}));
    list.RemoveAt(2);
    EXPECT_EQ(Backward(list), (std::vector<int>{3, 1}));
    EXPECT_EQ(list.tail->next, nullptr);
}

TEST(LinkedListTest, RemoveByAddress) {
    LinkedList<int> list = ListOf({1, 2, 3});
    list.Remove(&list.Last());
    EXPECT_EQ(list.tail->data, 2);
    EXPECT_EQ(list.tail->next, nullptr);
    list.Remove(&list.head->data);
    EXPECT_EQ(Forward(list), (std::vector<int>{2}));
    EXPECT_EQ(list.head, list.tail);

    LinkedList<int> middle = ListOf({1, 2, 3});
    middle.Remove(&middle[1]);
    EXPECT_EQ(Backward(middle), (std::vector<int>{3, 1}));
}

TEST(LinkedListTest, RemoveForeignElementThrows) {
    LinkedList<int> a = ListOf({1, 2});
    LinkedList<int> b = ListOf({1, 2});
    EXPECT_EQ(MessageOf([&] { a.Remove(&b[1]); }), "ERROR: Deleting LLNode not found");
    EXPECT_EQ(Forward(a), (std::vector<int>{1, 2}));
}

TEST(LinkedListTest, PushFrontLinksOldHead) {
    LinkedList<int> list = ListOf({2, 3});
    auto* oldHead = list.head;
    list.PushFront(1);
    EXPECT_EQ(oldHead->prev, list.head);
    EXPECT_EQ(list.head->next, oldHead);
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 3}));

    LinkedList<int> empty;
    empty.PushFront(5);
    EXPECT_EQ(empty.head, empty.tail);
}

TEST(LinkedListTest, CopiesAreIndependent) {
    LinkedList<int> source = ListOf({1, 2, 3});
    LinkedList<int> copy(source);
    copy.RemoveAt(0);
    copy[0] = 20;
    EXPECT_EQ(Forward(source), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Forward(copy), (std::vector<int>{20, 3}));
    EXPECT_EQ(Backward(copy), (std::vector<int>{3, 20}));

    LinkedList<int> assigned = ListOf({9});
    assigned = source;
    source.Clear();
    EXPECT_EQ(Backward(assigned), (std::vector<int>{3, 2, 1}));
}

TEST(LinkedListTest, AssigningEmptyOrSelf) {
    LinkedList<int> list = ListOf({1, 2, 3, 4, 5});
    const LinkedList<int>& self = list;
    list = self;
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 3, 4, 5}));
    list = LinkedList<int>();
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.tail, nullptr);
    LinkedList<int> copyOfEmpty(list);
    EXPECT_EQ(copyOfEmpty.LastIndex(), -1);
}

TEST(LinkedListTest, ListOfListsDeepCopies) {
    LinkedList<LinkedList<std::string>> frames;
    LinkedList<std::string> parts;
    parts.PushBack("a");
    frames.PushBack(parts);
    LinkedList<LinkedList<std::string>> copy = frames;
    copy[0].PushBack("b");
    EXPECT_EQ(frames[0].LastIndex(), 0);
    EXPECT_EQ(copy[0].LastIndex(), 1);
}

}  // namespace
