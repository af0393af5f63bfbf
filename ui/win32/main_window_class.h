// SPDX-License-Identifier: MIT
// The main window's class name. The installer and the uninstaller find a running program by it;
// the build reads it from here for them.
#pragma once

#define MOLTRAVA_MAIN_WINDOW_CLASS L"Form1"
