#include "store/store_query.h"

#include <cstring>

#include "store/bounded_string.h"

namespace {

const char kRootStep[] = "./Section[@label=\"Root\"]";
const char kSectionStepOpen[] = "/Section[@label=\"";
const char kKeyStepOpen[] = "/KeyVal[@Key=\"";
const char kStepClose[] = "\"]";

// Appends to the expression, marking the query unusable when the text was cut.
void Append(StoreQuery* query, const char* text) {
    if (!BoundedAppend(query->expression, kExpressionCapacity, text))
        query->usable = false;
}

// Appends a label or key and returns where it sits in the expression.
QueryText AppendName(StoreQuery* query, const char* name) {
    QueryText piece;
    piece.offset = std::strlen(query->expression);
    Append(query, name);
    piece.length = std::strlen(query->expression) - piece.offset;
    return piece;
}

// Closes the label being parsed: appends it as a Section step.
void CloseLabel(StoreQuery* query, const char* label) {
    if (label[0] == '\0')
        query->usable = false;  // an empty label names no section
    QueryText piece = AppendName(query, label);
    if (query->sectionStepCount < kMaxSectionSteps)
        query->sectionLabels[query->sectionStepCount++] = piece;
    else
        query->usable = false;
    Append(query, kStepClose);
}

bool ExpressionFull(const StoreQuery* query) {
    return std::strlen(query->expression) == kExpressionCapacity - 1;
}

void AppendSectionSteps(StoreQuery* query, const char* section) {
    char label[kLabelCapacity];
    size_t length = 0;
    Append(query, kSectionStepOpen);
    for (const char* c = section;; ++c) {
        if (*c == '\\' || *c == '\0') {
            label[length] = '\0';
            CloseLabel(query, label);
            if (*c == '\0' || ExpressionFull(query))
                return;  // once full, the rest of the path cannot change the text
            Append(query, kSectionStepOpen);
            length = 0;
        } else if (*c != '*') {
            if (length < kLabelCapacity - 1)
                label[length++] = *c;
            else
                query->usable = false;  // the label was cut
        }
    }
}

bool NamesRoot(const char* section) {
    return section[0] == '\0' || std::strcmp(section, "*") == 0;
}

}  // namespace

void BuildStoreQuery(const char* section, const char* key, StoreQuery* query) {
    query->expression[0] = '\0';
    query->usable = std::strchr(section, '"') == nullptr && std::strchr(key, '"') == nullptr;
    query->sectionStepCount = 0;
    Append(query, kRootStep);
    if (!NamesRoot(section))
        AppendSectionSteps(query, section);
    Append(query, kKeyStepOpen);
    query->key = AppendName(query, key);
    Append(query, kStepClose);
}
