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

// The values from head to tail, when the links agree both ways and the ends
// are closed; a description of the broken link otherwise.
::testing::AssertionResult Holds(const LinkedList<int>& list, std::vector<int> expected) {
    std::vector<int> forward, backward;
    for (auto* n = list.head; n; n = n->next)
        forward.push_back(n->data);
    for (auto* n = list.tail; n; n = n->prev)
        backward.insert(backward.begin(), n->data);
    if (forward != expected || backward != expected)
        return ::testing::AssertionFailure() << "the links disagree with the values";
    if ((list.head && list.head->prev) || (list.tail && list.tail->next))
        return ::testing::AssertionFailure() << "an end is not closed";
    if (list.LastIndex() != static_cast<int>(expected.size()) - 1)
        return ::testing::AssertionFailure() << "LastIndex " << list.LastIndex();
    return ::testing::AssertionSuccess();
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

TEST(LinkedListTest, MisuseThrowsItsMessage) {
    LinkedList<int> list;
    int x = 0;
    EXPECT_EQ(MessageOf([&] { list[0]; }), "From operator[] - No data in structure.");
    EXPECT_EQ(MessageOf([&] { list.Last(); }), "ERROR: No data");
    EXPECT_EQ(MessageOf([&] { list.RemoveAt(0); }), "ERROR: List Empty");
    EXPECT_EQ(MessageOf([&] { list.Remove(&x); }), "ERROR: List Empty");
    list = ListOf({1, 2});
    EXPECT_EQ(MessageOf([&] { list[-1]; }), "err)) Index value too low");
    EXPECT_EQ(MessageOf([&] { list[2]; }), "err)) Index value too high");
    EXPECT_EQ(MessageOf([&] { list.RemoveAt(2); }), "ERROR: Deleting LLNode not found");
    LinkedList<int> other = ListOf({1, 2});
    EXPECT_EQ(MessageOf([&] { list.Remove(&other[1]); }), "ERROR: Deleting LLNode not found");
    EXPECT_TRUE(Holds(list, {1, 2}));  // a refused removal changes nothing
}

TEST(LinkedListTest, IndexingWalksFromTheHeadAndRemovalsRelinkTheNeighbours) {
    LinkedList<int> list;
    list.PushFront(7);
    EXPECT_EQ(list.head, list.tail);
    EXPECT_EQ(list.Last(), 7);
    list.PushFront(6);
    EXPECT_TRUE(Holds(list, {6, 7}));
    list = ListOf({1, 2, 3, 4, 5});
    list[2] = 30;
    EXPECT_EQ(list[2], 30);
    list.RemoveAt(-3);  // a negative index removes the first
    EXPECT_TRUE(Holds(list, {2, 30, 4, 5}));
    list.RemoveAt(1);
    EXPECT_TRUE(Holds(list, {2, 4, 5}));
    list.RemoveAt(2);
    EXPECT_TRUE(Holds(list, {2, 4}));
    list.Remove(&list.Last());
    EXPECT_TRUE(Holds(list, {2}));
    list.Remove(&list.head->data);
    EXPECT_TRUE(Holds(list, {}));
    list = ListOf({1, 2, 3});
    list.Remove(&list[1]);
    EXPECT_TRUE(Holds(list, {1, 3}));
}

TEST(LinkedListTest, CopiesAreDeepAndIndependent) {
    LinkedList<int> source = ListOf({1, 2, 3});
    LinkedList<int> copy(source);
    copy.RemoveAt(0);
    copy[0] = 20;
    EXPECT_TRUE(Holds(source, {1, 2, 3}));
    EXPECT_TRUE(Holds(copy, {20, 3}));
    LinkedList<int> assigned = ListOf({9});
    assigned = source;
    const LinkedList<int>& self = assigned;
    assigned = self;
    source.Clear();
    EXPECT_TRUE(Holds(assigned, {1, 2, 3}));
    assigned = LinkedList<int>();
    EXPECT_TRUE(Holds(assigned, {}));
    EXPECT_TRUE(Holds(LinkedList<int>(assigned), {}));

    LinkedList<LinkedList<std::string>> frames;
    frames.PushBack(LinkedList<std::string>());
    LinkedList<LinkedList<std::string>> framesCopy = frames;
    framesCopy[0].PushBack("b");
    EXPECT_EQ(frames[0].LastIndex(), -1);
}

}  // namespace
