#pragma once

#include <string>

namespace orvanta::testing {

// Names each case of a parameterised test by its `name` member, so that a failing row
// fails by name and runs alone (--gtest_filter='*/ThatName').
inline constexpr auto byName = [](const auto& info) { return std::string(info.param.name); };

} // namespace orvanta::testing
