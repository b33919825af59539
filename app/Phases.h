#pragma once
// Start-up timestamps for the benchmark (scripts/bench). Off unless the environment variable
// QUORVANE_PHASES names a file: then the four phases of the start, in milliseconds, are written to it once
// the main window is visible, as one line "phases <start to entry> <entry to inspection> <inspection>
// <inspection end to visible>". The start is the process's creation time. Off, a mark is one test.
namespace appli::phases {

enum class Phase { Entree, DebutInspection, FinInspection, Visible };

// At the entry: reads the variable and takes the entry's time.
void Demarrer();
// Takes the time of that phase; the last one, once the inspection has ended, writes the file.
void Marquer(Phase phase);
// Whether the times are being taken and the window's showing is still to come.
bool VisibleAttendu();

}  // namespace appli::phases
