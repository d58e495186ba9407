#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pattern with %1 to %9 replaced by the arguments, as often as each
// appears; the hosts' translations keep the same markers.
std::string FillText(std::string_view pattern, std::initializer_list<std::string> args);
