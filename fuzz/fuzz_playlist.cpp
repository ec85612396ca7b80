// The playlist readers on any bytes, and the writer's lines read back: a
// name and songs written by the writer come back unchanged.
#include <clocale>
#include <cstdint>
#include <cstdlib>

#include "playlistfile.h"
#include "textlines.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_CTYPE, "C.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    wxArrayString lines;
    SplitLines(DecodeText(reinterpret_cast<const char*>(data), size), lines);

    const wxArrayString songs = PlaylistSongLines(lines);
    for (const wxString& song : songs)
        if (song.StartsWith(wxS("#")))
            std::abort();
    wxString name;
    if (PlaylistNameOf(lines, name) && lines.size() < 2)
        std::abort();  // the last line is never a name line

    // the lines as songs of a playlist named after the first line
    wxString written = lines.empty() ? wxString() : lines[0];
    wxString path;
    if (!PlaylistPath(wxS("/folder"), written, path) && written.find('/') == wxString::npos)
        std::abort();
    const wxArrayString file = PlaylistFileLines(written, lines);
    wxString back;
    if (!PlaylistNameOf(file, back) || back != written)
        std::abort();
    wxArrayString expected;
    for (const wxString& line : lines)
        if (!line.StartsWith(wxS("#")))
            expected.Add(line);
    if (PlaylistSongLines(file) != expected)
        std::abort();
    return 0;
}
