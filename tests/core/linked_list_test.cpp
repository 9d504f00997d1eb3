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

TEST(LinkedListTest, IndexingWalksFromTheHeadAndMisuseThrowsItsMessage) {
    LinkedList<int> list;
    EXPECT_EQ(MessageOf([&] { list[0]; }), "From operator[] - No data in structure.");
    EXPECT_EQ(MessageOf([&] { list.Last(); }), "ERROR: No data");
    list = ListOf({1, 2, 3, 4, 5});
    list[2] = 30;
    EXPECT_EQ(list.Last(), 5);
    EXPECT_EQ(MessageOf([&] { list[-1]; }), "err)) Index value too low");
    EXPECT_EQ(MessageOf([&] { list[5]; }), "err)) Index value too high");
    EXPECT_TRUE(Holds(list, {1, 2, 30, 4, 5}));
}

TEST(LinkedListTest, CopiesAreDeepAndIndependent) {
    LinkedList<int> source = ListOf({1, 2, 3});
    LinkedList<int> copy(source);
    copy[0] = 20;
    copy.PushBack(4);
    EXPECT_TRUE(Holds(source, {1, 2, 3}));
    EXPECT_TRUE(Holds(copy, {20, 2, 3, 4}));
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
