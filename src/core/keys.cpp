#include "core/keys.h"

const NamedKey kNamedKeys[kNamedKeyCount] = {{"Left", kKeyLeft},   {"Right", kKeyRight},
                                             {"Up", kKeyUp},       {"Down", kKeyDown},
                                             {"Space", kKeySpace}, {"X", kKeyX}};

const char* KeyName(int code) {
    for (const NamedKey& key : kNamedKeys)
        if (key.code == code)
            return key.name;
    return nullptr;
}

int KeyCodeNamed(const std::string& name) {
    for (const NamedKey& key : kNamedKeys)
        if (name == key.name)
            return key.code;
    return 0;
}
