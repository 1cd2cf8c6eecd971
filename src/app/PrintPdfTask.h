#pragma once
// --print-pdf: the room printed into a PDF file as the print dialog prints it, with the
// dialog's choices given as switches.

#include <string>
#include <vector>

class COptions;

// The arguments start with the task's name. Returns the exit status.
int PrintPdfTask(const std::vector<std::string>& args, const COptions& options);
