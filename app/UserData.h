// The folder the desktop launcher runs the program in. Started from a menu there is no meaningful working
// directory, so the launcher passes --user-data and the program works in the user's own copy of the lists.
#pragma once

#include <QString>

namespace userdata {

// The command-line option of the desktop entry.
inline constexpr char kOption[] = "--user-data";

// "veradex" under the XDG data home, e.g. ~/.local/share/veradex.
QString folder();

// The lists installed with the program, found relative to the executable so that a staged or relocated
// installation works as well as one under /usr.
QString shippedFolder();

// Copies every file under `shipped` that `target` does not have yet, creating folders as needed. A file the
// user already has is never touched, whatever its content. False on the first failure, with `failedPath`
// naming the file or folder that could not be made.
bool fill(const QString& shipped, const QString& target, QString* failedPath);

} // namespace userdata
