// A synthetic song library for timing: N songs in nested folders, headers
// with a few shared values (language, genre, edition, year) and values that
// are unique per song (audio, cover, video, BPM, GAP), and a body of notes.
#ifndef DZZ_BENCH_LIBRARY_H
#define DZZ_BENCH_LIBRARY_H

#include <string>

void GenerateLibrary(const std::string& root, int songs);

#endif
