#include "frmSplash.h"

namespace parlow {

void RunSplash() {}

}  // namespace parlow
