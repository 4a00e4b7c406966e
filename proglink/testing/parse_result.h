// What a front end's parse of its arguments gave, as the argument tests look at it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "proglink/console/command_line.h"

namespace proglink {

// The arguments; a usage problem fails the test and gives default arguments.
template <class Arguments>
Arguments Accepted(const std::variant<Arguments, console::Usage_Problem>& r) {
  if (auto* p = std::get_if<console::Usage_Problem>(&r)) ADD_FAILURE() << p->message;
  return std::get_if<Arguments>(&r) ? std::get<Arguments>(r) : Arguments{};
}

// The usage problem's message; "(accepted)" when there is none.
template <class Arguments>
std::string Refusal(const std::variant<Arguments, console::Usage_Problem>& r) {
  return std::get_if<console::Usage_Problem>(&r) ? std::get<console::Usage_Problem>(r).message
                                                 : "(accepted)";
}

}  // namespace proglink
