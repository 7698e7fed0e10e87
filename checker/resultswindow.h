#pragma once

#include <QString>

struct CheckerResult;

// The results window lives in a module of its own beside the checker, with the GUI libraries it
// needs: a run with nothing due ends without loading them. The module's one entry shows the results
// until the window is closed and returns the exit code.
inline constexpr char kResultsWindowModule[] = "wakto19_wyniki.so";
inline constexpr char kResultsWindowEntry[] = "wakto19ShowResults";

// `programDir` is the program folder the results come from, `programsDir` the folder of the programs,
// where the main program lies.
using ShowResultsFunction = int (*)(int& argc, char** argv, const QString& programDir, const QString& programsDir,
                                    const CheckerResult& result);
