#pragma once
#include <string>
#include <string_view>

#include "model/ModelState.h"
#include "solve/RunHost.h"

namespace korvelan {

// Node status files (kind 'F', ".FOR") and solution files (kind 'N', ".SOL"):
// text, every number right-aligned in 10 characters. Line 1 holds Numbnodes;
// then one line per node: its signed SiteStatus (1 required, 0 allowed, -1
// excluded), or Located, AssignedFacility and AssignedDistance.

// Writes the file (replacing an existing one only once the new one is
// complete). On failure shows WriteErrorNotice and returns false.
bool WriteNodeFile(const ModelState& m, RunHost& host, char kind, const std::string& name);

// The text WriteNodeFile writes.
std::string NodeFileText(const ModelState& m, char kind);

// Reads a status file into SiteStatus (kind 'F') or the first column of a
// solution or status file into InInitialSolution (kind 'I'). A missing file or
// a folder is named as such ("File [name] does not exist"). The whole file is
// checked first: a count line other than Numbnodes gives the node-count
// warning; a missing line, a first number that is not a whole number, a status
// outside -1..1 or a located mark outside 0..1 give ReadErrorNotice followed by
// a line naming the fault. Either way nothing changes and the result is false.
bool ReadNodeFile(ModelState& m, RunHost& host, char kind, const std::string& name);
// The same on text already in memory; name is used in messages.
bool ReadNodeFileText(ModelState& m, RunHost& host, char kind, const std::string& name,
                      std::string_view text);

// "SERIOUS ERROR WRITING FILE [name]", the reason, and that any earlier file is
// unchanged; shown as a warning, with a beep.
void WriteErrorNotice(RunHost& host, const std::string& name, const std::string& reason);
// "SERIOUS ERROR READING FILE [name]" ... shown as a warning, with a beep; a
// non-empty detail is added as a last line.
void ReadErrorNotice(RunHost& host, const std::string& name, const std::string& detail = {});

// "Holding ... Hit <RETURN> to continue": an information box that waits for OK.
void HoldNotice(RunHost& host);

std::string WriteErrorText(const std::string& name, const std::string& reason);
std::string ReadErrorText(const std::string& name);
std::string NodeCountText(const std::string& name, long long onFile, int entered);

}  // namespace korvelan
