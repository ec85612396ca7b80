#include "textlines.h"

#include <cstdint>
#include <cstring>

#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/strconv.h>

#ifdef __UNIX__
#include <sys/stat.h>
#endif
#include <wx/filefn.h>

namespace
{
// 0x80 to 0x9F; the five bytes Windows-1252 leaves undefined keep their own
// value, as Windows itself decodes them.
const wchar_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool LocaleIsUtf8()
{
    static const char probe[] = "\xc3\xa4";
    return wxString(probe, wxConvLibc, 2) == wxString(wxS("\u00e4"));
}

}

wxString DecodeWindows1252(const char* data, std::size_t length)
{
    std::wstring text(length, L'\0');
    for (std::size_t i = 0; i < length; ++i)
    {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        text[i] = (c >= 0x80 && c < 0xA0) ? kWindows1252High[c - 0x80] : static_cast<wchar_t>(c);
    }
    return wxString(text);
}

bool IsValidUtf8(const char* data, std::size_t length)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(data);
    const unsigned char* const end = p + length;
    while (p != end)
    {
        // plain ASCII eight bytes at a time
        while (end - p >= 8)
        {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80)
        {
            ++p;
            continue;
        }
        std::size_t more;
        unsigned long code;
        if (c >= 0xC2 && c <= 0xDF)
            more = 1, code = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2, code = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3, code = c & 0x07;
        else
            return false;
        if (static_cast<std::size_t>(end - p) <= more)
            return false;
        for (std::size_t k = 1; k <= more; ++k)
        {
            if ((p[k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[k] & 0x3F);
        }
        // no overlong forms, no surrogates, nothing past U+10FFFF
        if ((more == 2 && code < 0x800) || (more == 3 && code < 0x10000) || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

wxString DecodeText(const char* data, std::size_t length)
{
    if (length == 0)
        return wxString();
    // The C library takes UTF-8 sequences beyond U+10FFFF, which no toolkit
    // control can show; such bytes are no UTF-8, and read as Windows-1252.
    if (LocaleIsUtf8())
        return IsValidUtf8(data, length) ? wxString::FromUTF8(data, length) : DecodeWindows1252(data, length);
    wxString text(data, wxConvLibc, length);
    if (text.empty())
        text = DecodeWindows1252(data, length);
    return text;
}

void SplitLines(const wxString& text, wxArrayString& lines)
{
    wxString::const_iterator lineStart = text.begin();
    const wxString::const_iterator end = text.end();
    for (wxString::const_iterator p = text.begin(); p != end; ++p)
    {
        const wxUniChar ch = *p;
        if (ch != wxS('\n') && ch != wxS('\r'))
            continue;
        lines.push_back(wxString(lineStart, p));
        if (ch == wxS('\r'))
        {
            wxString::const_iterator next = p + 1;
            if (next != end && *next == wxS('\n'))
                p = next;
        }
        lineStart = p + 1;
    }
    if (lineStart != end)
        lines.push_back(wxString(lineStart, end));
}

namespace
{
// Only regular files are opened: a pipe named like a song would block.
bool IsRegularFile(const wxString& path)
{
#ifdef __WINDOWS__
    return wxFileName::FileExists(path);
#else
    wxStructStat st;
    return wxStat(path, &st) == 0 && S_ISREG(st.st_mode);
#endif
}
}

bool ReadFileBytes(const wxString& path, std::string& bytes)
{
    wxLogNull quiet;
    bytes.clear();
    wxFile file;
    if (!IsRegularFile(path) || !file.Open(path, wxFile::read))
        return false;
    char buffer[65536];
    for (;;)
    {
        const ssize_t got = file.Read(buffer, sizeof buffer);
        if (got < 0 || got == wxInvalidOffset)
            return false;
        if (got == 0)
            return true;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

bool ReadTextLines(const wxString& path, wxArrayString& lines)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    SplitLines(DecodeText(bytes.data(), bytes.size()), lines);
    return true;
}

bool TextFileLines::Read(const wxString& path)
{
    const bool ok = ReadFileBytes(path, m_bytes);
    Parse();
    return ok;
}

void TextFileLines::Parse()
{
    m_bounds.clear();
    m_lines.clear();
    m_whole = !LocaleIsUtf8();
    if (m_whole)
    {
        SplitLines(DecodeText(m_bytes.data(), m_bytes.size()), m_lines);
        return;
    }
    // Line ends are the same bytes in UTF-8 and in Windows-1252.
    m_mode = IsValidUtf8(m_bytes.data(), m_bytes.size()) ? Mode::Utf8 : Mode::Windows1252;
    m_scanned = 0;
}

// Finds line ends only as far as lines are asked for: most files are
// judged by their first dozen lines.
bool TextFileLines::Has(std::size_t i) const
{
    if (m_whole)
        return i < m_lines.size();
    while (m_bounds.size() <= i && m_scanned < m_bytes.size())
    {
        const char* const begin = m_bytes.data();
        const char* const end = begin + m_bytes.size();
        const char* const lineStart = begin + m_scanned;
        const char* p = lineStart;
        while (p != end && *p != '\n' && *p != '\r')
            ++p;
        m_bounds.emplace_back(lineStart - begin, p - lineStart);
        if (p != end && *p == '\r' && p + 1 != end && p[1] == '\n')
            ++p;
        m_scanned = p == end ? m_bytes.size() : static_cast<std::size_t>(p + 1 - begin);
    }
    return i < m_bounds.size();
}

std::size_t TextFileLines::size() const
{
    Has(static_cast<std::size_t>(-2));
    return m_whole ? m_lines.size() : m_bounds.size();
}

wxString TextFileLines::operator[](std::size_t i) const
{
    if (m_whole)
        return m_lines[i];
    Has(i);
    const char* start = m_bytes.data() + m_bounds[i].first;
    const std::size_t length = m_bounds[i].second;
    return m_mode == Mode::Utf8 ? wxString::FromUTF8(start, length) : DecodeWindows1252(start, length);
}

bool EncodeText(const wxString& text, wxCharBuffer& bytes)
{
    if (text.empty())
    {
        bytes = wxCharBuffer(static_cast<size_t>(0));
        return true;
    }
    bytes = text.mb_str(wxConvLibc);
    return bytes.length() > 0;
}

bool ReplaceFileContents(const wxString& path, const void* data, std::size_t length)
{
    wxLogNull quiet;
    wxFile file;
    const wxString temp = wxFileName::CreateTempFileName(path, &file);
    if (temp.empty())
        return false;
    bool ok = file.IsOpened();
#ifdef __UNIX__
    // The temporary file is private; the result gets the old file's
    // permissions, or those of any new file.
    struct stat st;
    mode_t mode;
    if (stat(path.fn_str(), &st) == 0)
    {
        mode = st.st_mode & 07777;
    }
    else
    {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    ok = ok && fchmod(file.fd(), mode) == 0;
#endif
    if (ok && length > 0)
        ok = file.Write(data, length) == length;
    ok = ok && file.Flush();
    ok = file.Close() && ok;
    ok = ok && wxRenameFile(temp, path, true);
    if (!ok)
        wxRemoveFile(temp);
    return ok;
}

wxString JoinPath(const wxString& folder, const wxString& name)
{
    return folder + wxFILE_SEP_PATH + name;
}

bool IsPlainFileName(const wxString& name)
{
    return name.find_first_of(wxFileName::GetPathSeparators()) == wxString::npos;
}

wxUniChar TextFileLines::FirstChar(std::size_t i) const
{
    if (m_whole)
        return m_lines[i].empty() ? wxUniChar(0) : m_lines[i][0];
    Has(i);
    if (m_bounds[i].second == 0)
        return wxUniChar(0);
    const unsigned char c = static_cast<unsigned char>(m_bytes[m_bounds[i].first]);
    return c < 0x80 ? wxUniChar(c) : wxUniChar(0xFFFD);
}
