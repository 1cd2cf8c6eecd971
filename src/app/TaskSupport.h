#pragma once
// What the command-line tasks share: their exit statuses, usage errors, reading the room, the
// files and switches that follow a task's name, and Qt's services without a display.

#include <QGuiApplication>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CRoom;

constexpr int Success = 0;
constexpr int WriteFailed = 1;
constexpr int BadInput = 2;

// Reports the problem with a hint at --help; returns BadInput.
int UsageError(const std::string& problem);

// Loads a room, reporting a file that cannot be read as the editor does.
bool LoadRoom(CRoom& room, const std::string& path);

// Takes the value that follows a switch; empty when none is left.
using NextValue = std::function<std::string()>;
// What is wrong with a switch, if anything.
using Problem = std::optional<std::string>;
// Handles one switch of a task.
using SwitchHandler = std::function<Problem(const std::string& name, const NextValue& value)>;

// The task's output and room files, with the switches handled wherever they stand after the
// task's name. A wrong switch or number of files, or an output file that is the room file, is
// reported as a usage error.
std::optional<std::array<std::string, 2>> TaskFiles(const std::vector<std::string>& args,
                                                    const SwitchHandler& handleSwitch);

// Text and pictures need Qt's fonts, which need an application. No window is ever shown, so
// the offscreen platform serves with or without a display.
std::unique_ptr<QGuiApplication> OffscreenApplication();
