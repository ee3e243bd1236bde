#pragma once
// The program's one report data environment, made for the program folder at
// its first use and released by ShutDown (or at the next use after that, for
// whatever program folder is current then).
#include "reports/data/DataReport.h"

namespace parlow::reports {

DataReport& ReportEnvironment();

}  // namespace parlow::reports
