#include "utility/frame/utility_app_win.h"

QuorvelState quorvel;
QuorvelWindows ui;
