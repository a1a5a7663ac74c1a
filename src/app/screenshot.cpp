#include "app/screenshot.h"

#include <cstdio>
#include <cstdlib>

#include "platform/user_folders.h"

std::string screenshotName(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char name[64];
    std::strftime(name, sizeof name, "Sternfahrt_%Y-%m-%d_%H-%M-%S", &local);
    return name;
}

void takeScreenshot(App& app) {
    std::string folder = platform::screenshotFolder([](const char* name) { return std::getenv(name); },
                                                    "Sternfahrt", "sternfahrt/Bildschirmfotos");
    if (folder.empty()) folder = "Bildschirmfotos";  // no home: beside the data
    // While the last one is still being written the key does nothing.
    app.platform.saveScreenshot(folder, screenshotName(std::time(nullptr)));
}

void screenshotNews(App& app) {
    std::string path;
    const std::optional<platform::PictureSaved> saved = app.platform.screenshotSaved(&path);
    if (!saved) return;
    GameState& s = app.game;
    s.fotomeldung = static_cast<std::int32_t>(*saved) + 1;
    s.fotomeldungz = kFotomeldungFrames;
    if (*saved == platform::PictureSaved::Saved) std::printf("Bildschirmfoto: %s\n", path.c_str());
}
