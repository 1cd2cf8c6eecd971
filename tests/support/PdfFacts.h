#pragma once
// What a test can read from a PDF file without a PDF library: its pages and how it stores its
// pictures.

#include <string>
#include <string_view>

// The page objects, "/Type /Page" but not the "/Type /Pages" tree that holds them.
inline int PdfPageCount(std::string_view pdf)
{
    constexpr std::string_view page = "/Type /Page";
    int count = 0;
    for (size_t at = pdf.find(page); at != std::string_view::npos; at = pdf.find(page, at + 1))
        count += at + page.size() == pdf.size() || pdf[at + page.size()] != 's';
    return count;
}

inline bool IsPdf(std::string_view bytes)
{
    return bytes.substr(0, 5) == "%PDF-";
}

// A picture stored as JPEG, which blurs the lines of a plan.
inline bool HasJpegImage(std::string_view pdf)
{
    return pdf.find("/DCTDecode") != std::string_view::npos;
}
