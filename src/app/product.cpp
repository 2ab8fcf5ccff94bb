#include "app/product.h"

namespace app {

const char* ProgramVersion() { return "0.1.0"; }

}  // namespace app
