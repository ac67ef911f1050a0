// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Resident memory that loading the largest catalogue through the main window's file list adds,
// as a multiple of the file's size. Measured before any benchmark has run.
double memoryPerFileByte();
