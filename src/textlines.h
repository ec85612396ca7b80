// Reading and writing whole text files: the one way song files, playlist
// files and the settings file reach the disk.
#ifndef DUZEDAZIZODAVA_TEXTLINES_H
#define DUZEDAZIZODAVA_TEXTLINES_H

#include <cstddef>

#include <wx/arrstr.h>
#include <wx/string.h>
#include <wx/textfile.h>

// Decodes with the locale's conversion; bytes that do not decode there are
// read as Windows-1252 instead, so that older files still yield their text.
wxString DecodeText(const char* data, std::size_t length);

// Splits like wxTextFile: a line ends at LF, CR LF or a lone CR, and a final
// line end does not start another line.
void SplitLines(const wxString& text, wxArrayString& lines);

// False when the file cannot be opened; probing it never shows a log dialog.
bool ReadTextLines(const wxString& path, wxArrayString& lines);

// Writes the bytes into a temporary file beside the target and renames it
// over the target only once everything is on disk. On failure the target is
// untouched and no temporary file is left behind. Quiet.
bool ReplaceFileContents(const wxString& path, const void* data, std::size_t length);

// The locale's encoding of the text; false when a character cannot be encoded.
bool EncodeText(const wxString& text, wxCharBuffer& bytes);

// folder, the platform's path separator, name: joined as plain text.
wxString JoinPath(const wxString& folder, const wxString& name);

// A name that holds a path separator would address a file outside its folder.
bool IsPlainFileName(const wxString& name);

#endif
