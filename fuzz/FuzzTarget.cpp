// One libFuzzer target; FUZZ_ENTRY names the entry function it runs.

#include "FuzzInputs.h"
#include "FuzzQtRoom.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

#ifdef FUZZ_NEEDS_QT
#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FUZZ_ENTRY(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
