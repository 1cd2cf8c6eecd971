// Runs the benchmarks of the windows inside an application object on the offscreen platform,
// with settings and user files in a folder of their own, so that nothing of the user's is read
// or written.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string home = (std::filesystem::temp_directory_path() / "planzeta-bench-XXXXXX").string();
    if (!::mkdtemp(home.data()))
        return 1;
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    int status = 0;
    {
        QApplication app(argc, argv);
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            status = 1;
        else
            benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    std::filesystem::remove_all(home);
    return status;
}
