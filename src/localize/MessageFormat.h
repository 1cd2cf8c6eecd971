#pragma once
// Filling the "%s" places of a message. Messages come from language files, which anyone can
// edit, so they are never used as printf formats.

#include <initializer_list>
#include <string>
#include <string_view>

// Each "%s" in turn takes the next value; places beyond the values stay empty, values beyond
// the places are left out, and "%%" is one "%".
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values);
