// Loading a skin whose options file has very many sections with PARENTCLASS
// chains, against splitting the same file into lines, in the same run.
#pragma once

#include "bench/common/TimeRecorder.h"

namespace skinbench {

void RegisterOptionsLoadBenchmarks();
void PrintOptionsLoadRatios(const bench::TimeRecorder& times);

}  // namespace skinbench
