#include "textlines.h"

#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/strconv.h>
#include <wx/filefn.h>

wxString DecodeText(const char* data, std::size_t length)
{
    if (length == 0)
        return wxString();
    wxString text(data, wxConvLibc, length);
    if (text.empty())
    {
        static wxCSConv windows1252(wxFONTENCODING_CP1252);
        text = wxString(data, windows1252, length);
    }
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

bool ReadTextLines(const wxString& path, wxArrayString& lines)
{
    wxLogNull quiet;
    wxFile file;
    if (!IsRegularFile(path) || !file.Open(path, wxFile::read))
        return false;
    const wxFileOffset size = file.Length();
    if (size < 0)
        return false;
    wxCharBuffer bytes(static_cast<size_t>(size));
    const ssize_t got = size > 0 ? file.Read(bytes.data(), static_cast<size_t>(size)) : 0;
    if (got < 0)
        return false;
    SplitLines(DecodeText(bytes.data(), static_cast<size_t>(got)), lines);
    return true;
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
