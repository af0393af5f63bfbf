// SPDX-License-Identifier: MIT
// A registry that answers StartSysInfo's lookups from a table and records them. Plain C++, so
// that it serves the Qt-free tests on every system as well as the widget tests.
#pragma once

#include "ui/dialogs/sys_info.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support {

class FakeRegistry final : public ui::Registry {
public:
    enum class Answer {
        Text,      // a string value: its text is read
        OtherType, // found, but of a type that leaves the text as it was
        SizeZero,  // found, but cannot be read as text: the reader throws
    };
    struct Value {
        Answer answer = Answer::Text;
        std::string text;
    };
    struct Lookup {
        std::uint32_t root;
        std::string keyName;
        std::string valueName;
    };

    void set(std::string_view keyName, std::string_view valueName, Value value) {
        values[{std::string(keyName), std::string(valueName)}] = std::move(value);
    }

    bool getKeyValue(std::uint32_t keyRoot, std::string_view keyName, std::string_view subKeyRef,
                     std::string& keyVal) const override {
        lookups.push_back({keyRoot, std::string(keyName), std::string(subKeyRef)});
        const auto found = values.find({std::string(keyName), std::string(subKeyRef)});
        if (found == values.end()) {
            keyVal.clear();
            return false;
        }
        switch (found->second.answer) {
        case Answer::Text:
            keyVal = found->second.text;
            return true;
        case Answer::OtherType:
            return true;
        case Answer::SizeZero:
            keyVal.clear();
            throw platform::RegistryError("registry value of size 0");
        }
        return false;
    }

    std::map<std::pair<std::string, std::string>, Value> values;
    mutable std::vector<Lookup> lookups;
};

} // namespace testing_support
