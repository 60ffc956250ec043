#include "utility/win/utility_app_win.h"

QuorvelState quorvel;
QuorvelWindows ui;
