#pragma once
// The tasks the planzeta executable runs without a window.

#include <optional>

// Starts the editor, which ends once it has painted the plan: for measuring the start only.
inline constexpr const char* QuitAfterFirstPaintSwitch = "--quit-after-first-paint";

// Runs the task the arguments ask for and returns its exit status, or nothing when the
// arguments ask for the editor instead.
std::optional<int> RunCommandLine(int argc, char** argv);
