#include "save/slot_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "platform/xdg_dirs.h"

namespace fs = std::filesystem;

namespace {

bool validSlot(int slot) { return slot >= kAutoSlot && slot <= kSlotAnzahl; }

// Writes all bytes, going on after a write that took only part of them.
bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The rename itself is made lasting by flushing the directory; a directory
// that cannot be flushed does not undo it.
void syncDirectory(const fs::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string slotFileName(int slot) {
    if (slot == kAutoSlot) return "SpielstandAuto.sav";
    std::string name = "Spielstand1.sav";
    name[10] = static_cast<char>('A' + (validSlot(slot) ? slot : 1) - 1);
    return name;
}

fs::path slotDirectory() {
    const fs::path home = platform::xdgDataHome();
    return home.empty() ? home : home / "sternfahrt";
}

std::optional<fs::path> writeTemporary(const fs::path& file, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    // Named for this process: two games saving at once do not share it.
    const fs::path temporary = fs::path(file) += ".neu" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return std::nullopt;
    const bool written = writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return temporary;
}

bool replaceWithTemporary(const fs::path& temporary, const fs::path& file) {
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(file.parent_path());
    return true;
}

bool writeFileAtomically(const fs::path& file, std::span<const std::uint8_t> bytes) {
    const auto temporary = writeTemporary(file, bytes);
    return temporary && replaceWithTemporary(*temporary, file);
}

std::optional<fs::path> writeSlotTemporary(const SpielstandBytes& record, int slot, const fs::path& directory) {
    if (!validSlot(slot) || directory.empty()) return std::nullopt;
    return writeTemporary(directory / slotFileName(slot), record);
}

bool replaceSlot(const fs::path& temporary, int slot, const fs::path& directory) {
    if (!validSlot(slot)) return false;
    return replaceWithTemporary(temporary, directory / slotFileName(slot));
}

SlotErgebnis save(const GameState& s, int slot, const fs::path& directory) {
    const auto temporary = writeSlotTemporary(encodeSpielstand(s), slot, directory);
    if (!temporary || !replaceSlot(*temporary, slot, directory)) return SlotErgebnis::Fehlgeschlagen;
    return SlotErgebnis::Gelungen;
}

SlotErgebnis load(GameState& s, int slot, const fs::path& directory) {
    if (!validSlot(slot) || directory.empty()) return SlotErgebnis::Fehlt;
    const fs::path path = directory / slotFileName(slot);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? SlotErgebnis::Fehlt : SlotErgebnis::Unlesbar;
    // One byte more than a record, to tell a longer file from a whole one.
    std::vector<std::uint8_t> bytes(kSpielstandBytes + 1);
    std::size_t got = 0;
    bool failed = false;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed = true;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed) return SlotErgebnis::Unlesbar;
    bytes.resize(got);
    const auto record = decodeSpielstand(bytes, s.stern);
    if (!record) return SlotErgebnis::Beschaedigt;
    applySpielstand(s, *record);
    return SlotErgebnis::Gelungen;
}
