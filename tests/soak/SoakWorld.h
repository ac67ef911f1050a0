// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KnownPairs.h"
#include "RandomDialogs.h"
#include "SeededRandom.h"
#include "SoakRandom.h"
#include "support/RecordingClipboard.h"
#include "support/RecordingSpeech.h"
#include "support/RecordingPrinter.h"

#include <memory>

class MainWindow;
class EditorWindow;
class Program;
class AboutBox;

// The program under soak and everything it reaches outside itself: boxes answered at random, a
// seeded random source, a recording printer and clipboard, and the working folder (the current
// directory) with the soak's catalogue files. Keeps every pair that was put into the program.
class SoakWorld
{
public:
    // Writes the soak's catalogue files into the current directory; the program is not started.
    explicit SoakWorld(std::uint64_t seed);
    ~SoakWorld();

    // A run of the program as the user starts it: the main window shown, then the start-up
    // timer's tick, which reads the settings file and may load the standard file. A program
    // that ran before is gone first; the folder and its files stay.
    void start();

    Program &program() { return *m_program; }
    MainWindow &main();
    EditorWindow &editor();
    AboutBox &aboutBox();

    // Writes a catalogue file into the working folder and records the pairs it holds.
    void writeCatalogue(const QString &name, const QByteArray &bytes);

    SoakRandom dice;
    RandomDialogs dialogs;
    SeededRandom random;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    RecordingSpeech speech;
    KnownPairs known;
    int ends = 0; // runs of the program's end handler
    int starts = 0;

private:
    std::unique_ptr<Program> m_program;
};
