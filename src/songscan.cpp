#include "songscan.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <wx/dir.h>
#include <wx/log.h>

#include "textlines.h"

#ifdef __UNIX__
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
#ifdef __UNIX__
#ifdef __linux__
using FolderEntry = dirent64;
#else
using FolderEntry = dirent;
#endif

// The entries of an open folder, which it closes when done. On Linux the
// entries are read straight from the kernel: opening a folder stream costs
// two more system calls per folder, and a load visits one folder per song.
class FolderEntries
{
public:
    explicit FolderEntries(int fd) : m_fd(fd)
    {
#ifndef __linux__
        m_dir = fdopendir(fd);
        if (!m_dir)
            close(fd);
#endif
    }
    ~FolderEntries()
    {
#ifdef __linux__
        close(m_fd);
#else
        if (m_dir)
            closedir(m_dir);
#endif
    }
    FolderEntries(const FolderEntries&) = delete;
    FolderEntries& operator=(const FolderEntries&) = delete;

    const FolderEntry* Next()
    {
#ifdef __linux__
        if (m_next >= m_filled)
        {
            const ssize_t got = getdents64(m_fd, m_buffer.get(), kBufferSize);
            if (got <= 0)
                return nullptr;
            m_filled = static_cast<size_t>(got);
            m_next = 0;
        }
        const FolderEntry* entry = reinterpret_cast<const FolderEntry*>(m_buffer.get() + m_next);
        m_next += entry->d_reclen;
        return entry;
#else
        return m_dir ? readdir(m_dir) : nullptr;
#endif
    }

private:
    int m_fd;
#ifdef __linux__
    // on the heap: one of these lives on every level of a deep folder tree
    static constexpr size_t kBufferSize = 16384;
    std::unique_ptr<char[]> m_buffer{new char[kBufferSize]};
    size_t m_filled = 0;
    size_t m_next = 0;
#else
    DIR* m_dir = nullptr;
#endif
};
#endif

#ifdef __UNIX__
// The bytes of the song files, in the order they were read, handed from the
// thread that reads them to the one that judges them, a batch at a time.
class FileQueue
{
public:
    void Put(std::string&& bytes)
    {
        m_filling.push_back(std::move(bytes));
        if (m_filling.size() >= kBatch)
            Hand();
    }

    // After the last Put.
    void Close()
    {
        Hand();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
        m_changed.notify_all();
    }

    // False once everything has been taken.
    bool Take(std::vector<std::string>& batch)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_ready.empty() || m_closed; });
        if (m_ready.empty())
            return false;
        batch = std::move(m_ready.front());
        m_ready.pop_front();
        m_changed.notify_all();
        return true;
    }

private:
    void Hand()
    {
        if (m_filling.empty())
            return;
        std::unique_lock<std::mutex> lock(m_mutex);
        // a bound, so that reading cannot run far ahead of judging
        m_changed.wait(lock, [this] { return m_ready.size() < kBatchesAhead; });
        m_ready.push_back(std::move(m_filling));
        m_filling.clear();
        m_changed.notify_all();
    }

    static constexpr size_t kBatch = 64;
    static constexpr size_t kBatchesAhead = 32;
    std::vector<std::string> m_filling;
    std::deque<std::vector<std::string>> m_ready;
    bool m_closed = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};
#endif

class SongScan
{
public:
    SongScan(const SongFilter& filter, SongTagSink* tags, wxArrayString& labels, const LabelTaker& take)
        : m_filter(filter), m_tags(filter.mode == SongFilterMode::None ? tags : nullptr), m_labels(labels),
          m_take(take)
    {
    }

    void ReadFile(const wxString& path)
    {
        m_lines.Read(path);
        TakeSong();
    }

    // Reads the "*.txt" files of every subfolder, depth first: a folder's
    // own files before its subfolders, a subfolder's whole tree before its
    // next sibling. Hidden entries are passed over, and a folder already on
    // the way down (a link back into the tree) is not entered again.
    void Walk(const wxString& folder);

private:
    void TakeSong()
    {
        if (m_lines.empty())
            return;
        wxString label;
        if (ReadSongHeader(m_lines, m_filter, m_tags, label))
            m_labels.Add(label);
    }

#ifdef __UNIX__
    // Works on open folder handles, relative to each other: a load of tens
    // of thousands of songs is mostly system calls, and this needs about
    // half as many as opening every path from the top.
    struct FolderId
    {
        dev_t device;
        ino_t inode;
    };

    enum class Kind { Other, Folder, File };

    // What an entry is and, for a folder, which one: a plain subfolder is
    // known by the inode its entry names, a link is followed.
    static Kind KindOf(int folder, const FolderId& folderId, const FolderEntry* entry, FolderId& id)
    {
        switch (entry->d_type)
        {
        case DT_DIR:
            id = FolderId{folderId.device, entry->d_ino};
            return Kind::Folder;
        case DT_REG:
            return Kind::File;
        case DT_LNK:
        case DT_UNKNOWN:
        {
            struct stat st;
            if (fstatat(folder, entry->d_name, &st, 0) != 0)
                return Kind::Other;
            id = FolderId{st.st_dev, st.st_ino};
            return S_ISDIR(st.st_mode) ? Kind::Folder : S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
        }
        default:
            return Kind::Other;
        }
    }

    static bool IsSongFileName(const char* name)
    {
        const size_t length = std::strlen(name);
        return length >= 4 && std::strcmp(name + length - 4, ".txt") == 0;
    }

    bool OnTheWayDown(const FolderId& id) const
    {
        for (const FolderId& above : m_path)
            if (above.device == id.device && above.inode == id.inode)
                return true;
        return false;
    }

    void ReadFileAt(int folder, const char* name)
    {
        std::string bytes;
        const int fd = openat(folder, name, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0)
            return;
        ssize_t got;
        // A regular file that returns less than was asked for is at its end.
        while ((got = read(fd, m_readBuffer.data(), m_readBuffer.size())) > 0)
        {
            bytes.append(m_readBuffer.data(), static_cast<size_t>(got));
            if (static_cast<size_t>(got) < m_readBuffer.size())
                break;
        }
        close(fd);
        if (got < 0)
            bytes.clear();
        m_files.Put(std::move(bytes));
    }

    // Lists a folder once: its song files are read when readFiles is set,
    // then each subfolder is handled the same way.
    void Visit(int fd, const FolderId& id, bool readFiles)
    {
        FolderEntries entries(fd);
        m_path.push_back(id);
        std::vector<std::pair<std::string, FolderId>> subfolders;
        while (const FolderEntry* entry = entries.Next())
        {
            if (entry->d_name[0] == '.')
                continue;
            FolderId subId{};
            const Kind kind = KindOf(fd, id, entry, subId);
            if (kind == Kind::Folder)
                subfolders.emplace_back(entry->d_name, subId);
            else if (kind == Kind::File && readFiles && IsSongFileName(entry->d_name))
                ReadFileAt(fd, entry->d_name);
        }
        for (const auto& sub : subfolders)
        {
            if (OnTheWayDown(sub.second))
                continue;
            const int subFd = openat(fd, sub.first.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (subFd >= 0)
                Visit(subFd, sub.second, true);
        }
        m_path.pop_back();
    }

    std::vector<FolderId> m_path;
    std::vector<char> m_readBuffer = std::vector<char>(65536);
    FileQueue m_files;
#else
    void WalkSubfolders(const wxString& folder)
    {
        wxDir dir(folder);
        if (!dir.IsOpened())
            return;
        wxString sub;
        for (bool more = dir.GetFirst(&sub, wxEmptyString, wxDIR_DIRS); more; more = dir.GetNext(&sub))
        {
            const wxString subPath = JoinPath(folder, sub);
            wxDir files(subPath);
            wxString name;
            if (files.IsOpened())
                for (bool f = files.GetFirst(&name, wxS("*.txt"), wxDIR_FILES); f; f = files.GetNext(&name))
                    ReadFile(JoinPath(subPath, name));
            WalkSubfolders(subPath);
        }
    }
#endif

    const SongFilter& m_filter;
    SongTagSink* m_tags;
    TextFileLines m_lines;
    wxArrayString& m_labels;
    const LabelTaker& m_take;
};

void SongScan::Walk(const wxString& folder)
{
#ifdef __UNIX__
    if (folder.empty())
        return;
    const int fd = open(folder.fn_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st;
    if (fstat(fd, &st) != 0)
    {
        close(fd);
        return;
    }
    // The folders are walked and the files read on a second thread while
    // this one judges the files already read, in the order they were found.
    std::thread reader([&] {
        Visit(fd, FolderId{st.st_dev, st.st_ino}, false);
        m_files.Close();
    });
    std::vector<std::string> batch;
    while (m_files.Take(batch))
    {
        for (std::string& bytes : batch)
        {
            m_lines.Bytes().swap(bytes);
            m_lines.Parse();
            TakeSong();
        }
        if (m_take && !m_labels.empty())
            m_take(m_labels);
    }
    reader.join();
#else
    WalkSubfolders(folder);
#endif
}
}

void ScanSongFolder(const wxString& folder, const SongFilter& filter, SongTagSink* tags, wxArrayString& labels,
                    const LabelTaker& take)
{
    wxLogNull quiet;  // folders that cannot be opened simply yield nothing
    SongScan scan(filter, tags, labels, take);
    scan.Walk(folder);
}

void ScanSongFile(const wxString& path, const SongFilter& filter, SongTagSink* tags, wxArrayString& labels)
{
    SongScan scan(filter, tags, labels, LabelTaker());
    scan.ReadFile(path);
}
