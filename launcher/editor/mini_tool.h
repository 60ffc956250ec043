// mini_tool.h — the small always-on-top dialog that chooses what the attribute tool copies.
#pragma once

void OpenMiniTool();
