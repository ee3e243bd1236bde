#pragma once
// Parts of the program that hold a connection of their own (the reports)
// register here how ShutDown releases it.
#include <functional>

namespace parlow {

void OnShutDown(std::function<void()> release);

}  // namespace parlow
