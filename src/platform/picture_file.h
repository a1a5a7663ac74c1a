#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"

namespace platform {

// The picture as an 8-bit RGB PNG file's bytes; empty when it cannot be
// encoded.
std::vector<unsigned char> pngBytes(const Image& image);

// Writes a PNG file; false when it cannot.
bool writePng(const std::string& path, const Image& image);

// What the player is told when writing failed with the system's `error`
// (an errno value): the disk full, the folder not writable, or neither.
PictureSaved pictureSavedAfter(int error);

// Writes `name`.png into `folder`, making the folder if it is missing; a
// name already taken gets "-2", "-3" ... added. The file is written under a
// temporary name and renamed when whole, so no half picture is left behind.
// `written` is the path it got.
PictureSaved savePicture(const std::string& folder, const std::string& name, const Image& image,
                         std::string& written);

// Saves pictures on a thread of its own, one at a time, so that the frame
// never waits for the encoder or the disk.
class PictureWriter {
public:
    PictureWriter() = default;
    PictureWriter(const PictureWriter&) = delete;
    PictureWriter& operator=(const PictureWriter&) = delete;
    ~PictureWriter();  // waits for the picture being written

    // Starts saving the picture that `make` returns (made on the worker
    // too); false while the last one is still being saved.
    bool save(std::function<Image()> make, std::string folder, std::string name);
    bool busy() const;
    // How the last picture ended, once, when it has; with the path written.
    std::optional<PictureSaved> takeResult(std::string* path = nullptr);
    // Waits until the picture being saved is done.
    void finish();

private:
    std::thread worker_;
    mutable std::mutex mutex_;
    bool busy_ = false;
    std::optional<PictureSaved> result_;
    std::string path_;
};

}  // namespace platform
