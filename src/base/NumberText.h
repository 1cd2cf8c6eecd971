#pragma once
// Numbers as the user reads them, in the punctuation of the user's locale.

#include <string>

// How numbers are punctuated. The core speaks no locale; the window passes the user's.
struct NumberPunctuation {
    std::string decimalPoint = ".";
    std::string groupSeparator = ",";
};

// "-1,234.50": rounded to 7 significant digits and shown with 2 decimals (or as many as asked)
// and grouped thousands.
std::string DecimalText(double value, const NumberPunctuation& punctuation = {}, int decimals = 2);
