// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Resident memory that loading the largest catalogue through the main window's file list adds,
// as a multiple of the file's size. Measured before any benchmark has run.
double memoryPerFileByte();

// The peak resident memory of the whole process while the largest file accepted, in its
// costliest form, replaces an equal catalogue, as a share of 1 GiB. Measured before any
// benchmark has run, since the peak cannot be taken back.
double largestFilePeakShareOfGiB();
