#pragma once
// The service's log: one line at a time on standard error, which systemd
// takes into the journal.
#include <string>

inline constexpr char kServiceProgram[] = "vellumix-postcard-service";

// Writes line whole, even when several threads log at once.
void logLine(const std::string& line);
