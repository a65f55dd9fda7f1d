#pragma once
#include <string>

#include "model/ModelState.h"

namespace korvelan {

// The program that writes the file, as the file's header names it.
struct ProgramStamp {
  std::string path;     // full path of the running program
  std::string date;     // date of the program file
  std::string time;     // time of the program file
  std::string version;  // four numbers joined by "."; empty when unknown
};

// The warning when no tradeoff curve can be saved; empty when one can.
std::string TradeoffFileRefusal(const ModelState& m);

// Default extension of the file for the solved model: "COV", "MED", "FIX", "OMT", else "CRV".
std::string TradeoffFileExtension(char reportProblemCode);

// The tradeoff-curve file ("Sa&Ve Tradeoff Curve"): a header naming the program,
// the data files and the site counts, a caution box when sites were forced in or
// initialised, and the table of the curve by number of facilities from CostByCount
// ('C' covered demand and percent, 'M' average distance, 'F' total cost), or of
// the covering-median points of TradeoffList ('D'). The
// site counts are those of the last CountStatuses.
std::string TradeoffFileText(const ModelState& m, const ProgramStamp& program);

std::string TradeoffSavedMessage(const std::string& name);

}  // namespace korvelan
