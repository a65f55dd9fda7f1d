#pragma once
#include <string>
#include <string_view>

namespace korvelan {

// Writes contents to path so that a good file is never half replaced.
// A regular file, or a path that names nothing yet, gets the bytes in a
// temporary file in the same folder, which is renamed over the target once it
// is complete; on failure the old file is kept and the temporary removed.
// A symbolic link stays a link: its final target is written, by the same rules.
// A device, a pipe or a socket cannot be replaced, so it is written straight
// through, appended to (so "--report /dev/stdout >> log" adds to the log).
// Returns empty on success, else
// "Error writing file [path]: " followed by the reason.
std::string WriteFileAtomically(const std::string& path, std::string_view contents);
// The same, returning only the reason of a failure ("No such directory [out]").
std::string WriteFileReason(const std::string& path, std::string_view contents);

// Why path cannot be written, checked before anything is produced: "it is a
// folder", "No such directory [dir]", "[dir] is not a folder", or the system's
// reason when the folder (or a device) does not accept writing. Empty when the
// path looks writable.
std::string WriteTargetProblem(const std::string& path);

// True when writing both paths would replace the same file (after following
// links), whether or not it exists yet. Devices and pipes are added to, not
// replaced, so two outputs may share them.
bool SameReplacedFile(const std::string& first, const std::string& second);

}  // namespace korvelan
