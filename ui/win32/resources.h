// SPDX-License-Identifier: MIT
// The resources the program carries; the resource script includes this file too.
#pragma once

#define ProgramIconId 1
#define AuthorIconId 2
