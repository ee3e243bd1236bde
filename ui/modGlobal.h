#pragma once
// The shared routines every screen may call.
#include <string>

class QWidget;

namespace parlow {

// Closes every screen, releases the report connection and the Putt object,
// and ends the process with the given status (not 0 for a start that was
// refused, so scripts and the desktop can tell). Never returns.
[[noreturn]] void ShutDown(int status = 0);

// Releases whatever the shared record set holds; failures are ignored.
void CloseSharedRecordset();

// Removes error.log from the program folder if it is there.
void DeleteErrorLog();

// Trims leading and trailing blanks from every text field of a screen.
void TrimTextFields(QWidget* screen);

// Lets the interface go on working until more whole-second boundaries than
// the given number have passed. Always true.
bool Pause(int seconds);

// Reads a value through the platform's registry stand-in. The first true
// root flag chooses the root; with none true nothing is read.
std::string ReadRegistryString(const std::string& keyPath, const std::string& valueName,
                               bool classesRoot, bool currentConfig, bool currentUser, bool dynData,
                               bool localMachine, bool performanceData, bool users,
                               bool appendBackslash);

// What ShutDown does before it ends the process, for tests to watch.
void ReleaseEverything();

}  // namespace parlow
