#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "flight/weapons.h"
#include "platform/xdg_dirs.h"
#include "save/savegame_record.h"
#include "save/slot_files.h"
#include "stations/shipyard.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"
#include "support/test_world.h"

namespace fs = std::filesystem;

namespace {

// A player with a value of its own in every saved field.
GameState distinctPlayer() {
    GameState s = freshWorld();
    s.geld = 0x12345678, s.sternenpos = 0, s.planetenpos = 3, s.mondpos = 1;
    s.lenkraketen = 1, s.beschleuniger = 2, s.gigabomben = 3, s.ecm = 4;
    s.energielader = 5, s.energiespeicher = 2, s.schildlader = 6, s.schildspeicher = 3;
    s.kanone = 4, s.laderaum = 0x0102, s.energie = 13, s.schild = 20;
    std::uint16_t cargo = 0x0300;
    for (std::uint16_t* ld : {&s.uranld, &s.platinld, &s.goldld, &s.iridiumld, &s.roboterld, &s.computerld,
                              &s.elektronikld, &s.maschinenld, &s.panzerld, &s.kanonenld, &s.raketenld,
                              &s.munitionld, &s.nahrungld, &s.textilienld, &s.ersatzteileld, &s.luxusgutld}) {
        *ld = cargo++;
    }
    s.passagierziel = 544;
    s.passagiertyp = 7;
    return s;
}

// The same player's record, written out by hand from the table of offsets.
const SpielstandBytes kDistinctRecord = {
    0x78, 0x56, 0x34, 0x12,  // 0 geld
    0, 0, 3, 0, 1, 0,        // 4 sternenpos, 6 planetenpos, 8 mondpos
    1, 0, 2, 0, 3, 0, 4, 0,  // 10 lenkraketen, 12 beschleuniger, 14 gigabomben, 16 ecm
    5, 0, 2, 0, 6, 0, 3, 0,  // 18 energielader .. 24 schildspeicher
    4, 0, 2, 1, 13, 0, 20, 0,  // 26 kanone, 28 laderaum, 30 energie, 32 schild
    0, 3, 1, 3, 2, 3, 3, 3, 4, 3, 5, 3, 6, 3, 7, 3,  // 34..48 uranld .. maschinenld
    8, 3, 9, 3, 10, 3, 11, 3, 12, 3, 13, 3, 14, 3, 15, 3,  // 50..64 panzerld .. luxusgutld
    0x20, 0x02, 7, 0,  // 66 passagierziel 544, 68 passagiertyp
    0, 0,              // 70 padding
};

std::optional<Spielstand> decode(const SpielstandBytes& b) {
    return decodeSpielstand(b, sharedWorld().stern);
}

void put16(SpielstandBytes& b, std::size_t offset, std::uint16_t v) {
    b[offset] = static_cast<std::uint8_t>(v);
    b[offset + 1] = static_cast<std::uint8_t>(v >> 8);
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

TEST(SavegameRecord, EveryFieldAtItsOffsetAndBackAgain) {
    const GameState saved = distinctPlayer();
    EXPECT_EQ(encodeSpielstand(saved), kDistinctRecord);

    GameState s = freshWorld();
    const auto r = decode(kDistinctRecord);
    ASSERT_TRUE(r);
    applySpielstand(s, *r);
    EXPECT_EQ(encodeSpielstand(s), kDistinctRecord);
    EXPECT_EQ(s.geld, 0x12345678);
    EXPECT_EQ(s.luxusgutld, 0x030f);
}

TEST(SavegameRecord, NoPassengersIs999AndThePaddingIsZeroAndIgnored) {
    GameState s = freshWorld();
    SpielstandBytes b = encodeSpielstand(s);
    EXPECT_EQ(std::tuple(b[68] | b[69] << 8, b[70], b[71]), std::tuple(999, 0, 0));
    b[70] = 0xff;
    b[71] = 0x7f;
    const auto r = decode(b);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->passagiertyp, 999);
}

// Each value at the edge of what the game can reach is taken; one step past
// it the whole record is refused.
TEST(SavegameRecord, RefusesEveryValueTheGameCannotReach) {
    struct Edge { std::size_t offset; std::uint16_t good, bad; };
    const std::vector<Edge> edges = {
        {4, 544, 545},   // sternenpos (with a body at 544's planet 0? see below)
        {10, 7, 8}, {12, 7, 8}, {14, 7, 8}, {16, 7, 8},  // missiles, accelerators, bombs, decoys
        {18, 1, 0},      // energielader
        {20, 4, 5}, {20, 1, 0},  // energiespeicher
        {22, 1, 0},      // schildlader
        {24, 4, 5}, {24, 1, 0},  // schildspeicher
        {26, 4, 5},      // kanone
        {28, 20, 19},    // laderaum
        {66, 544, 545},  // passagierziel
        {68, 9, 10}, {68, 999, 998}, {68, 999, 1000},  // passagiertyp
    };
    const GameState& world = sharedWorld();
    for (const Edge& e : edges) {
        SCOPED_TRACE("offset " + std::to_string(e.offset) + ", value " + std::to_string(e.bad));
        GameState s = world;
        if (e.offset == 4) {
            // A location that exists in the last system.
            s.sternenpos = 544, s.planetenpos = 0, s.mondpos = 0;
            while (world.stern[544].planet(s.planetenpos, 0) == 0) ++s.planetenpos;
        }
        SpielstandBytes b = encodeSpielstand(s);
        put16(b, e.offset, e.good);
        EXPECT_TRUE(decode(b));
        put16(b, e.offset, e.bad);
        EXPECT_FALSE(decode(b));
    }

    // Energy and shield stop at what the largest storage holds, whatever
    // storage the record names: storage sold back leaves its units aboard.
    // A broken shield (wrapped past zero) is saved as it is.
    SpielstandBytes b = encodeSpielstand(world);
    put16(b, 30, 28);
    put16(b, 32, 28);
    EXPECT_TRUE(decode(b));
    for (const auto& [offset, value] : {std::pair{30, 29}, {32, 29}, {32, 65500}}) {
        SpielstandBytes spoilt = b;
        put16(spoilt, static_cast<std::size_t>(offset), static_cast<std::uint16_t>(value));
        EXPECT_FALSE(decode(spoilt)) << offset << " " << value;
    }
    put16(b, 32, 65501);
    EXPECT_TRUE(decode(b));
    put16(b, 32, 65535);
    EXPECT_TRUE(decode(b));

    // No debt; zero is fine.
    b = encodeSpielstand(world);
    b[0] = b[1] = b[2] = b[3] = 0;
    EXPECT_TRUE(decode(b));
    b[0] = b[1] = b[2] = b[3] = 0xff;
    EXPECT_FALSE(decode(b));
}

TEST(SavegameRecord, RefusesABodyTheSystemDoesNotHave) {
    const GameState& world = sharedWorld();
    SpielstandBytes b = encodeSpielstand(world);  // Earth
    ASSERT_TRUE(decode(b));
    put16(b, 8, 9);  // Earth's ninth moon
    ASSERT_EQ(world.stern[0].planet(2, 9), 0);
    EXPECT_FALSE(decode(b));
    put16(b, 8, 0);
    put16(b, 6, 24);  // Sol has no 25th planet
    EXPECT_FALSE(decode(b));
    put16(b, 6, 0xffff);
    EXPECT_FALSE(decode(b));
    EXPECT_FALSE(decodeSpielstand(encodeSpielstand(world), {}));  // without a universe no location exists
}

// What a player does: storage bought up to 3, charged full, sold back to 1
// and saved. The game's own record always loads.
TEST(SavegameRecord, AStorageSoldBackAfterChargingStillLoads) {
    GameState s = freshWorld();
    s.geld = 100000;
    constexpr int kEnergieSpeicherZeile = 5, kSchildSpeicherZeile = 7;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(werftKauf(s, kEnergieSpeicherZeile));
        ASSERT_TRUE(werftKauf(s, kSchildSpeicherZeile));
    }
    for (int frame = 0; frame < 20000; ++frame) recharge(s);
    ASSERT_EQ(s.energie, 21);
    ASSERT_EQ(s.schild, 21);
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(werftVerkauf(s, kEnergieSpeicherZeile));
        ASSERT_TRUE(werftVerkauf(s, kSchildSpeicherZeile));
    }
    const auto r = decode(encodeSpielstand(s));
    ASSERT_TRUE(r);
    EXPECT_EQ(std::tuple(r->energie, r->schild, r->energiespeicher), std::tuple(21, 21, 1));
}

TEST(SlotFiles, NamesAndWhereTheyLive) {
    EXPECT_EQ(slotFileName(1), "SpielstandA.sav");
    EXPECT_EQ(slotFileName(4), "SpielstandD.sav");
    // The base-directory rule: the variable when absolute, else the default
    // under an absolute home, else nothing.
    struct Case { const char* variable; const char* home; const char* expected; };
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
    for (const int slot : {-1, 5}) EXPECT_EQ(save(s, slot, dir.path()), SlotErgebnis::Fehlgeschlagen) << slot;
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
