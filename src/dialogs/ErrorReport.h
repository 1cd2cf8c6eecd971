#pragma once
// The one way the program tells the user that something failed.

#include <string>

class Prompts;

// A message box titled "Error" in the interface language, with the error sign and OK.
void ReportError(Prompts& prompts, const std::string& text);
