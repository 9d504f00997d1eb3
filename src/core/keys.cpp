#include "core/keys.h"

const NamedKey kNamedKeys[kNamedKeyCount] = {{"Left", kKeyLeft},   {"Right", kKeyRight},
                                             {"Up", kKeyUp},       {"Down", kKeyDown},
                                             {"Space", kKeySpace}, {"X", kKeyX}};

const NamedKey kCommandKeys[kCommandKeyCount] = {
    {"Undo", kKeyZ}, {"Redo", kKeyY}, {"Hint", kKeyH}, {"Restart", kKeyR}};

namespace {

template <int N>
const NamedKey* Find(const NamedKey (&keys)[N], int code, const std::string* name) {
    for (const NamedKey& key : keys)
        if (name ? *name == key.name : key.code == code)
            return &key;
    return nullptr;
}

const NamedKey* FindEither(int code, const std::string* name) {
    const NamedKey* key = Find(kNamedKeys, code, name);
    return key ? key : Find(kCommandKeys, code, name);
}

}  // namespace

const char* KeyName(int code) {
    const NamedKey* key = FindEither(code, nullptr);
    return key ? key->name : nullptr;
}

int KeyCodeNamed(const std::string& name) {
    const NamedKey* key = FindEither(0, &name);
    return key ? key->code : 0;
}

bool IsPlayKey(int code) {
    return Find(kNamedKeys, code, nullptr) != nullptr;
}
