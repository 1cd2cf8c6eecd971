#pragma once
// The numeric locale identifiers that language files carry, derived from POSIX locale names
// such as "de_AT.UTF-8" or "cs_CZ@euro".

#include "platform/TextCodec.h"

#include <cstdint>
#include <string>
#include <string_view>

// The identifier of a POSIX locale name: that of its language and territory when the table
// knows the pair, else that of its language in its main country; 0 for "C", "POSIX", an empty
// name or a language the table does not know.
int32_t LocaleIdFromPosix(std::string_view locale);

// The identifier of the same language in its main country (3079, German in Austria, gives
// 1031, German in Germany), so that a regional locale still finds its language's file.
int32_t PrimaryLocaleId(int32_t id);

// The POSIX language code of an identifier ("de" for 1031 and 3079); empty when unknown.
std::string PosixLanguage(int32_t id);

// The identifier of the user's locale for messages, from LC_ALL, LC_MESSAGES or LANG, the
// first one set and not empty, as the C library chooses.
int32_t UserLocaleId();

// Central European languages, whose Windows text is in code page 1250 (Czech, Slovak, Polish,
// Hungarian, Slovenian, Croatian, Romanian), lean to that code page; all others to 1252.
CodePageHint CodePageHintFor(int32_t id);
