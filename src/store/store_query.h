#pragma once
// The location path that names one keyed value: the XPath expression text
// built from a section path and a key, and the steps it selects by.
//
// "" and "*" name the root section; otherwise the path's backslash-separated
// labels become one Section step each ('*' dropped). The expression and each
// label are built in fixed 512-character buffers, and what does not fit is
// cut. A query is usable only when its expression is exactly the intended
// one: not cut, no empty label, and no double quote in a label or the key (a
// quote would end the string literal early and select something else).

#include <cstddef>

constexpr size_t kExpressionCapacity = 512;
constexpr size_t kLabelCapacity = 512;
// Every Section step takes at least 19 characters of the expression, so a
// query that fits never has more steps than this.
constexpr int kMaxSectionSteps = kExpressionCapacity / 19 + 1;

// A piece of the expression text: a label or the key.
struct QueryText {
    size_t offset;
    size_t length;
};

struct StoreQuery {
    char expression[kExpressionCapacity];
    bool usable;
    int sectionStepCount;
    QueryText sectionLabels[kMaxSectionSteps];
    QueryText key;
};

// Builds the query for section path and key into query.
void BuildStoreQuery(const char* section, const char* key, StoreQuery* query);
