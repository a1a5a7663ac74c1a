#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/xdg_dirs.h"

#include "save/slot_files.h"
#include "support/temp_dir.h"
#include "support/test_world.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> recordOf(const GameState& s) {
    const SpielstandBytes b = encodeSpielstand(s);
    return {b.begin(), b.end()};
}

}  // namespace

TEST(SlotFiles, NamesAndWhereTheyLive) {
    EXPECT_EQ(slotFileName(1), "SpielstandA.sav");
    EXPECT_EQ(slotFileName(4), "SpielstandD.sav");
    // The base-directory rule: the variable when absolute, else the default
    // under an absolute home, else nothing.
    struct Case {
        const char* variable;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {{"/x", "/home/p", "/x"},
                          {nullptr, "/home/p", "/home/p/.local/share"},
                          {"", "/home/p", "/home/p/.local/share"},
                          {"rel", "/home/p", "/home/p/.local/share"},
                          {"/x", nullptr, "/x"},
                          {nullptr, "", ""},
                          {"rel", "also/rel", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(platform::xdgBaseDirectory(c.variable, c.home, ".local/share"), fs::path(c.expected))
            << (c.variable ? c.variable : "(unset)") << " " << (c.home ? c.home : "(unset)");
    }

    // The slots follow the environment wherever the game runs.
    TempWorkDir dir;
    fs::current_path("/");
    EXPECT_EQ(slotDirectory(), dir.path() / "sternfahrt");
    ASSERT_EQ(save(freshWorld(), 3, slotDirectory()), SlotErgebnis::Gelungen);
    EXPECT_TRUE(fs::exists(dir.path() / "sternfahrt" / "SpielstandC.sav"));

    // With no home at all nothing is written anywhere.
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("HOME");
    EXPECT_EQ(slotDirectory(), fs::path());
    GameState s = freshWorld();
    EXPECT_EQ(save(s, 1, slotDirectory()), SlotErgebnis::Fehlgeschlagen);
    EXPECT_EQ(load(s, 1, slotDirectory()), SlotErgebnis::Fehlt);
    if (!home.empty()) ::setenv("HOME", home.c_str(), 1);
    EXPECT_FALSE(fs::exists("/SpielstandA.sav.neu"));
}

TEST(SlotFiles, SavingTwiceLeavesOneRecordAndNothingElse) {
    TempWorkDir dir;
    GameState s = freshWorld();
    ASSERT_EQ(save(s, 2, dir.path()), SlotErgebnis::Gelungen);
    s.geld = 777;
    ASSERT_EQ(save(s, 2, dir.path()), SlotErgebnis::Gelungen);
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(dir.path())) files.push_back(entry.path().filename());
    EXPECT_EQ(files, std::vector<std::string>{"SpielstandB.sav"});
    EXPECT_EQ(readBytes(dir.path() / "SpielstandB.sav"), recordOf(s));

    // A slot in a directory not there yet: the directory is made.
    EXPECT_EQ(save(s, 4, dir.path() / "neu" / "sternfahrt"), SlotErgebnis::Gelungen);
    EXPECT_EQ(fs::file_size(dir.path() / "neu" / "sternfahrt" / "SpielstandD.sav"), 72u);
}

// A save cut off after the new record was written but before it replaced
// the slot leaves the old record, which still loads.
TEST(SlotFiles, AnInterruptedSaveLeavesTheOldRecord) {
    TempWorkDir dir;
    GameState s = freshWorld();
    s.geld = 5000;
    ASSERT_EQ(save(s, 1, dir.path()), SlotErgebnis::Gelungen);
    const auto old = readBytes(dir.path() / "SpielstandA.sav");

    GameState later = s;
    later.geld = 9;
    const auto temporary = writeSlotTemporary(encodeSpielstand(later), 1, dir.path());
    ASSERT_TRUE(temporary);
    EXPECT_EQ(readBytes(dir.path() / "SpielstandA.sav"), old);

    GameState loaded = freshWorld();
    EXPECT_EQ(load(loaded, 1, dir.path()), SlotErgebnis::Gelungen);
    EXPECT_EQ(loaded.geld, 5000);

    // The next save goes through over the leftover.
    ASSERT_EQ(save(later, 1, dir.path()), SlotErgebnis::Gelungen);
    EXPECT_EQ(readBytes(dir.path() / "SpielstandA.sav"), recordOf(later));
    EXPECT_FALSE(fs::exists(*temporary));
}

TEST(SlotFiles, ASaveThatCannotBeWrittenSaysSo) {
    TempWorkDir dir;
    writeBytes(dir.path() / "datei", {1});
    const GameState s = freshWorld();
    EXPECT_EQ(save(s, 1, dir.path() / "datei"), SlotErgebnis::Fehlgeschlagen);
    // A slot name taken by a directory cannot be replaced; the temporary
    // file does not stay behind.
    fs::create_directory(dir.path() / "SpielstandC.sav");
    fs::create_directory(dir.path() / "SpielstandC.sav" / "x");
    EXPECT_EQ(save(s, 3, dir.path()), SlotErgebnis::Fehlgeschlagen);
    EXPECT_FALSE(fs::exists(dir.path() / "SpielstandC.sav.neu"));
    EXPECT_EQ(save(s, -1, dir.path()), SlotErgebnis::Fehlgeschlagen);
    EXPECT_EQ(save(s, 5, dir.path()), SlotErgebnis::Fehlgeschlagen);
}

// Every bad slot is refused before the state is touched.
TEST(SlotFiles, ABadSlotLeavesTheStateAsItWas) {
    TempWorkDir dir;
    const GameState before = [] {
        GameState s = freshWorld();
        s.geld = 4321;
        s.goldld = 3;
        return s;
    }();
    GameState good = freshWorld();
    good.geld = 1;
    std::vector<std::uint8_t> record = recordOf(good);

    std::vector<std::uint8_t> shorter(record.begin(), record.end() - 1);
    std::vector<std::uint8_t> longer = record;
    longer.push_back(0);
    std::vector<std::uint8_t> kanone5 = record;
    kanone5[26] = 5;
    writeBytes(dir.path() / "SpielstandA.sav", shorter);
    writeBytes(dir.path() / "SpielstandB.sav", longer);
    writeBytes(dir.path() / "SpielstandC.sav", kanone5);
    fs::create_directory(dir.path() / "SpielstandD.sav");

    const std::pair<int, SlotErgebnis> cases[] = {
        {1, SlotErgebnis::Beschaedigt}, {2, SlotErgebnis::Beschaedigt}, {3, SlotErgebnis::Beschaedigt},
        {4, SlotErgebnis::Unlesbar},    {0, SlotErgebnis::Fehlt},
    };
    for (const auto& [slot, expected] : cases) {
        GameState s = before;
        EXPECT_EQ(load(s, slot, dir.path()), expected) << "slot " << slot;
        EXPECT_EQ(encodeSpielstand(s), encodeSpielstand(before));
    }
    GameState s = before;
    EXPECT_EQ(load(s, 1, dir.path() / "nirgends"), SlotErgebnis::Fehlt);
    EXPECT_EQ(encodeSpielstand(s), encodeSpielstand(before));

    writeBytes(dir.path() / "SpielstandA.sav", record);
    EXPECT_EQ(load(s, 1, dir.path()), SlotErgebnis::Gelungen);
    EXPECT_EQ(s.geld, 1);
}
