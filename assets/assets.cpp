// SPDX-License-Identifier: MIT
// The icons are compiled in as resources; this library holds them.
