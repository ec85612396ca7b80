// Reading and writing whole text files: the one way song files, playlist
// files and the settings file reach the disk.
#ifndef DUZEDAZIZODAVA_TEXTLINES_H
#define DUZEDAZIZODAVA_TEXTLINES_H

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include <wx/arrstr.h>
#include <wx/string.h>
#include <wx/textfile.h>

// Decodes with the locale's conversion (strict UTF-8 in a UTF-8 locale);
// bytes that do not decode there are read as Windows-1252 instead, so that
// older files still yield their text.
wxString DecodeText(const char* data, std::size_t length);

// Splits like wxTextFile: a line ends at LF, CR LF or a lone CR, and a final
// line end does not start another line.
void SplitLines(const wxString& text, wxArrayString& lines);

// False when the file cannot be opened; probing it never shows a log dialog.
bool ReadTextLines(const wxString& path, wxArrayString& lines);

// The raw bytes of a regular file; false when it cannot be read.
bool ReadFileBytes(const wxString& path, std::string& bytes);

bool IsValidUtf8(const char* data, std::size_t length);
wxString DecodeWindows1252(const char* data, std::size_t length);

// The lines of a text file, the same as ReadTextLines gives, but decoded
// only when asked for: a song header is a few lines at the top of a file of
// hundreds, and a load reads tens of thousands of files.
class TextFileLines
{
public:
    bool Read(const wxString& path);
    // for a caller that read the bytes itself: fill Bytes(), then Parse()
    std::string& Bytes() { return m_bytes; }
    void Parse();
    std::size_t size() const;
    bool empty() const { return !Has(0); }
    // whether line i exists, finding no more line ends than needed
    bool Has(std::size_t i) const;
    wxString operator[](std::size_t i) const;
    // the first character of line i, or 0 for an empty line, without
    // decoding the line; any non-ASCII first character gives U+FFFD
    wxUniChar FirstChar(std::size_t i) const;

private:
    enum class Mode { Utf8, Windows1252 };
    std::string m_bytes;
    mutable std::vector<std::pair<std::size_t, std::size_t>> m_bounds;  // start, length
    mutable std::size_t m_scanned = 0;  // bytes whose line ends are known
    Mode m_mode = Mode::Utf8;
    bool m_whole = false;  // a locale other than UTF-8: decoded in one piece
    wxArrayString m_lines;
};

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

inline wxUniChar FirstCharOf(const TextFileLines& lines, std::size_t i)
{
    return lines.FirstChar(i);
}

inline bool HasLine(const TextFileLines& lines, std::size_t i)
{
    return lines.Has(i);
}

#endif
