#include "platform/picture_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <stb_image_write.h>

namespace platform {

PictureSaved pictureSavedAfter(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return PictureSaved::DiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
        case ENOTDIR:
        case EEXIST: return PictureSaved::NotWritable;
        default: return PictureSaved::Failed;
    }
}

namespace {

// Writes all bytes to a new file and flushes them to the disk; 0 or the
// error.
int writeWhole(const std::string& path, const std::vector<unsigned char>& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno;
    std::size_t done = 0;
    int error = 0;
    while (done < bytes.size() && error == 0) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) error = errno;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

}  // namespace

std::vector<unsigned char> pngBytes(const Image& image) {
    std::vector<unsigned char> rgb(image.pixels.size() * 3);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t p = image.pixels[i];
        rgb[i * 3 + 0] = static_cast<unsigned char>(p >> 16);
        rgb[i * 3 + 1] = static_cast<unsigned char>(p >> 8);
        rgb[i * 3 + 2] = static_cast<unsigned char>(p);
    }
    std::vector<unsigned char> png;
    const auto append = [](void* out, void* data, int size) {
        auto* bytes = static_cast<unsigned char*>(data);
        static_cast<std::vector<unsigned char>*>(out)->insert(static_cast<std::vector<unsigned char>*>(out)->end(),
                                                               bytes, bytes + size);
    };
    if (image.width <= 0 || image.height <= 0 ||
        stbi_write_png_to_func(append, &png, image.width, image.height, 3, rgb.data(), image.width * 3) == 0) {
        png.clear();
    }
    return png;
}

bool writePng(const std::string& path, const Image& image) {
    const std::vector<unsigned char> bytes = pngBytes(image);
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !bytes.empty() && writeWhole(path, bytes) == 0;
}

PictureSaved savePicture(const std::string& folder, const std::string& name, const Image& image,
                         std::string& written) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return pictureSavedAfter(ec.value());
    const std::vector<unsigned char> bytes = pngBytes(image);
    if (bytes.empty()) return PictureSaved::Failed;
    for (int n = 1; n < 1000; ++n) {
        std::string file = name;
        if (n > 1) file.append("-").append(std::to_string(n));
        const fs::path target = fs::path(folder) / (file + ".png");
        if (fs::exists(target, ec)) continue;
        const std::string temporary = target.string() + ".part";
        if (const int error = writeWhole(temporary, bytes)) {
            ::unlink(temporary.c_str());
            return pictureSavedAfter(error);
        }
        if (::rename(temporary.c_str(), target.c_str()) != 0) {
            const int error = errno;
            ::unlink(temporary.c_str());
            return pictureSavedAfter(error);
        }
        written = target.string();
        return PictureSaved::Saved;
    }
    return PictureSaved::Failed;
}

PictureWriter::~PictureWriter() { finish(); }

void PictureWriter::finish() {
    if (worker_.joinable()) worker_.join();
}

bool PictureWriter::save(std::function<Image()> make, std::string folder, std::string name) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (busy_) return false;
        busy_ = true;
    }
    finish();  // the last one is done; its thread only has to end
    worker_ = std::thread([this, make = std::move(make), folder = std::move(folder), name = std::move(name)] {
        std::string written;
        const PictureSaved result = savePicture(folder, name, make(), written);
        std::lock_guard<std::mutex> lock(mutex_);
        result_ = result;
        path_ = written;
        busy_ = false;
    });
    return true;
}

bool PictureWriter::busy() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return busy_;
}

std::optional<PictureSaved> PictureWriter::takeResult(std::string* path) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<PictureSaved> result;
    result.swap(result_);
    if (result && path) *path = path_;
    return result;
}

}  // namespace platform
