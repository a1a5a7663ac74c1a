#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "save/savegame_record.h"
#include "world/game_state.h"

constexpr int kSlotAnzahl = 4;
// The autosave, written when the game ends and whenever the ship docks: a
// slot of its own beside the player's four.
constexpr int kAutoSlot = 0;

// "SpielstandA.sav" .. "SpielstandD.sav" for slots 1..4, "SpielstandAuto.sav"
// for the autosave.
std::string slotFileName(int slot);

// Where the slot files live: "sternfahrt" in the user's data directory
// ($XDG_DATA_HOME, or ~/.local/share), whatever the working directory and
// wherever the game's data lies; empty when the user has neither, and then
// nothing is saved or loaded.
std::filesystem::path slotDirectory();

enum class SlotErgebnis {
    Gelungen,
    Fehlt,          // no such slot file
    Unlesbar,       // there, but it cannot be read
    Beschaedigt,    // not 72 bytes, or a value the game cannot reach
    Fehlgeschlagen  // a save that could not be written
};

// Writes the state's record to a slot (0..4) so that the slot holds either its
// old record or the new one at every moment: the record goes into a
// temporary file beside it, is flushed to the disk, and only then renamed
// over the slot. A failure leaves the old file as it was.
SlotErgebnis save(const GameState& s, int slot, const std::filesystem::path& directory);

// Writes a whole file so that it holds either its old bytes or the new ones
// at every moment: into a temporary file beside it (its name, ".neu" and the
// process' number),
// flushed to the disk, then renamed over it. A failure leaves the old file.
bool writeFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// The two halves of a save, for a test to stop between them: the temporary
// file written and flushed (its path, or nothing on failure), then renamed
// over the slot.
std::optional<std::filesystem::path> writeSlotTemporary(const SpielstandBytes& record, int slot,
                                                        const std::filesystem::path& directory);
bool replaceSlot(const std::filesystem::path& temporary, int slot, const std::filesystem::path& directory);

// Reads and checks a slot (0..4). Only a record that passed every check is
// taken over (its 34 values); otherwise the state is not touched at all.
SlotErgebnis load(GameState& s, int slot, const std::filesystem::path& directory);
