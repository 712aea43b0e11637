#include "framework/ReplaceFile.h"

#include "framework/headless/Machine.h"
#include "framework/headless/Path.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using headless::ReplaceStep;

// Whether a test asked the replacement going on to fail at this step.
bool FailsAt(ReplaceStep step) {
    const auto& machine = headless::detail::TheMachine();
    return machine.replaceFailure && machine.replaceFailure->call == machine.replaceCalls &&
           machine.replaceFailure->step == step;
}

// A temporary file beside the target, removed when the object goes unless it has taken
// the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        if (FailsAt(ReplaceStep::Create)) {
            return;
        }
        std::vector<char> name(target.begin(), target.end());
        const std::string suffix = ".tmp~XXXXXX";
        name.insert(name.end(), suffix.begin(), suffix.end());
        name.push_back('\0');
        m_fd = mkstemp(name.data());
        if (m_fd >= 0) {
            m_path = name.data();
        }
    }
    ~TemporaryFile() {
        CloseFile();
        if (!m_path.empty()) {
            unlink(m_path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }

    bool Write(const std::string& bytes, mode_t mode) {
        // A write that fails part way leaves what it wrote, as a full disk does.
        const std::size_t size = FailsAt(ReplaceStep::Write) ? bytes.size() / 2 : bytes.size();
        std::size_t written = 0;
        while (written < size) {
            const ssize_t count = write(m_fd, bytes.data() + written, size - written);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                return false;
            }
            written += static_cast<std::size_t>(count);
        }
        return size == bytes.size() && fchmod(m_fd, mode) == 0;
    }

    bool Flush() { return !FailsAt(ReplaceStep::Flush) && fsync(m_fd) == 0; }

    // The file is closed even when closing reports a failure.
    bool Close() { return CloseFile() && !FailsAt(ReplaceStep::Close); }

    // Puts the file in the target's place in one step.
    bool Commit(const std::string& target) {
        if (FailsAt(ReplaceStep::Rename) || rename(m_path.c_str(), target.c_str()) != 0) {
            return false;
        }
        m_path.clear();
        return true;
    }

private:
    bool CloseFile() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || close(fd) == 0;
    }

    int m_fd = -1;
    std::string m_path;
};

// The mode a new file gets from the process.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

BOOL AfxReplaceFile(const CString& path, const std::string& bytes) {
    ++headless::detail::TheMachine().replaceCalls;
    const std::string target = headless::detail::ToPosixPath(path.Bytes());
    mode_t mode = NewFileMode();
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) {
        // The read-only attribute; checked by hand because root may write anything.
        if ((existing.st_mode & S_IWUSR) == 0) {
            return FALSE;
        }
        mode = existing.st_mode & 07777;
    }
    TemporaryFile temporary(target);
    if (!temporary.IsOpen() || !temporary.Write(bytes, mode) || !temporary.Flush() ||
        !temporary.Close() || !temporary.Commit(target)) {
        return FALSE;
    }
    headless::detail::TheMachine().events.push_back("replace: " + path.Bytes());
    return TRUE;
}
