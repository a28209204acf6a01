#pragma once
#include "reading_details.h"

namespace baralune::journal {

// One reading as the journal keeps it: the windows' own record.
using Entry = ReadingDetails;
using baralune::DealMode;

}  // namespace baralune::journal
