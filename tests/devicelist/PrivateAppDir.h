#pragma once
// Runs the test program from an application directory of its own.
//
// The device list's checks read firmware images from the application
// directory's "bin" folder, which every test program shares; tests that put
// images there would disturb other programs running at the same time. Before
// main, the program copies the application-directory files into a sibling
// folder "<app dir>-devicelist-<pid>", hard-links (or copies) itself there and
// executes that copy, whose application directory is then the private one.
// The copy removes the folder when it ends (PrivateAppDir::removeAtExit()).

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace PrivateAppDir {

inline const char *envName()
{
    return "ORVIK_DEVICELIST_PRIVATE_APPDIR";
}

inline std::vector<std::string> commandLine()
{
    std::vector<std::string> args;
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string arg;
    while (std::getline(in, arg, '\0'))
        args.push_back(arg);
    return args;
}

inline void relocate()
{
    namespace fs = std::filesystem;
    if (std::getenv(envName()))
        return;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return;
    const fs::path appDir = exe.parent_path();
    const fs::path privateDir = appDir.string() + "-devicelist-" + std::to_string(::getpid());
    fs::remove_all(privateDir, ec);
    if (!fs::create_directories(privateDir, ec))
        return;
    for (const char *entry : {"usersetting", "Language", "Picture", "driver_sensor.h"}) {
        const fs::path from = appDir / entry;
        if (fs::exists(from, ec))
            fs::copy(from, privateDir / entry, fs::copy_options::recursive, ec);
    }
    fs::create_directories(privateDir / "bin", ec);
    const fs::path target = privateDir / exe.filename();
    fs::create_hard_link(exe, target, ec);
    if (ec) {
        ec.clear();
        fs::copy_file(exe, target, ec);
        if (ec)
            return;
    }

    std::vector<std::string> args = commandLine();
    if (args.empty())
        args.push_back(target.string());
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::setenv(envName(), privateDir.c_str(), 1);
    ::execv(target.c_str(), argv.data());
    // execv failed: run here, with the shared folder.
    ::unsetenv(envName());
    fs::remove_all(privateDir, ec);
}

inline void removeAtExit()
{
    if (const char *dir = std::getenv(envName())) {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
}

struct RelocateBeforeMain
{
    RelocateBeforeMain()
    {
        relocate();
        if (std::getenv(envName()))
            std::atexit(&removeAtExit);
    }
};

} // namespace PrivateAppDir
