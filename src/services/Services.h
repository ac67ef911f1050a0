// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClipboardService;
class Dialogs;
class PrintService;
class RandomSource;
class SpeechService;

// What reaches outside the process; tests hand in doubles.
struct Services
{
    Dialogs &dialogs;
    RandomSource &random;
    PrintService &printer;
    ClipboardService &clipboard;
    SpeechService &speech;
};
