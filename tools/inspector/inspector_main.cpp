// Prints the universe, or the contents of one location, as JSON.
//
//   inspector universe
//   inspector location [--system S] [--planet P] [--body M] [--clock MS]
//                      [--kanone K] [--passengers KIND] [--mission P M]
//                      [--cargo GOOD=UNITS]...
//   inspector texts
//   inspector catalogue FILE.mo
//
// A location is built as on arrival after a new game: the universe is made
// from scratch, the new game sets up Earth (with the same clock), then the
// ship's equipment, passengers, mission and cargo are set as given and the
// location is generated with the clock reading MS.
//
// `texts` lists every text of the game with the place it must fit (cells a
// row, rows, the cells it must cover); `catalogue` checks a compiled
// translation the way the game does before it uses one, names each problem
// and exits 1 when there is one.

#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>
#include <optional>
#include <string>
#include <string_view>

#include "inspector/json_writer.h"
#include "inspector/world_json.h"
#include "ui/texte.h"
#include "world/goods.h"
#include "world/location_generation.h"
#include "world/universe.h"

namespace {

constexpr const char* kUsage =
    "usage: inspector universe\n"
    "       inspector location [--system S] [--planet P] [--body M] [--clock MS]\n"
    "                          [--kanone K] [--passengers KIND] [--mission P M]\n"
    "                          [--cargo GOOD=UNITS]...\n"
    "       inspector texts\n"
    "       inspector catalogue FILE.mo\n";

int fail(const std::string& message) {
    std::fprintf(stderr, "inspector: %s\n%s", message.c_str(), kUsage);
    return 2;
}

std::optional<long long> parseNumber(std::string_view text, long long low, long long high) {
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

struct LocationRequest {
    int system = 0, planet = 2, body = 0;
    std::uint32_t clock = 0;
    std::optional<int> kanone, passengers;
    int missionPlanet = 0, missionBody = 0;
    std::uint16_t cargo[kWarenAnzahl] = {};
};

// Reads the options after "location"; returns an error text or nothing.
std::optional<std::string> parseLocation(int argc, char** argv, LocationRequest& req) {
    for (int i = 2; i < argc; ++i) {
        const std::string_view option = argv[i];
        auto next = [&](long long low, long long high) -> std::optional<long long> {
            if (i + 1 >= argc) return std::nullopt;
            return parseNumber(argv[++i], low, high);
        };
        std::optional<long long> v;
        if (option == "--system" && (v = next(0, kSternAnzahl - 1))) {
            req.system = static_cast<int>(*v);
        } else if (option == "--planet" && (v = next(0, kPlanetZeilen - 1))) {
            req.planet = static_cast<int>(*v);
        } else if (option == "--body" && (v = next(0, kKoerperSpalten - 1))) {
            req.body = static_cast<int>(*v);
        } else if (option == "--clock" && (v = next(0, 0xffffffffLL))) {
            req.clock = static_cast<std::uint32_t>(*v);
        } else if (option == "--kanone" && (v = next(0, 4))) {
            req.kanone = static_cast<int>(*v);
        } else if (option == "--passengers" && (v = next(0, 9))) {
            req.passengers = static_cast<int>(*v);
        } else if (option == "--mission" && (v = next(0, 22))) {
            req.missionPlanet = static_cast<int>(*v);
            if (!(v = next(0, 9))) return "--mission takes a planet 0..22 and a body 0..9";
            req.missionBody = static_cast<int>(*v);
        } else if (option == "--cargo" && i + 1 < argc) {
            const std::string_view cargo = argv[++i];
            const auto eq = cargo.find('=');
            const auto good = parseNumber(cargo.substr(0, eq), 0, kWarenAnzahl - 1);
            const auto units = eq == std::string_view::npos
                                   ? std::nullopt
                                   : parseNumber(cargo.substr(eq + 1), 0, 65535);
            if (!good || !units) return "--cargo takes GOOD=UNITS with a good 0..15";
            req.cargo[*good] = static_cast<std::uint16_t>(*units);
        } else {
            return "bad or incomplete option '" + std::string(option) + "'";
        }
    }
    return std::nullopt;
}

void print(const JsonWriter& json) { std::fwrite(json.str().data(), 1, json.str().size(), stdout); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return fail("no command");
    const std::string_view command = argv[1];

    if (command == "universe") {
        if (argc != 2) return fail("'universe' takes no options");
        GameState state;
        QuietServices services(0);
        createWorld(state, services);
        JsonWriter json;
        writeUniverse(json, state);
        print(json);
        return 0;
    }

    if (command == "location") {
        LocationRequest req;
        if (auto error = parseLocation(argc, argv, req)) return fail(*error);

        GameState state;
        QuietServices services(req.clock);
        createWorld(state, services);
        if (state.stern[req.system].planet(req.planet, req.body) == 0) {
            return fail("system " + std::to_string(req.system) + " has no body " +
                        std::to_string(req.planet) + "/" + std::to_string(req.body));
        }
        state.sternenpos = static_cast<std::uint16_t>(req.system);
        state.planetenpos = static_cast<std::uint16_t>(req.planet);
        state.mondpos = static_cast<std::uint16_t>(req.body);
        if (req.kanone) state.kanone = static_cast<std::uint16_t>(*req.kanone);
        if (req.passengers) {
            state.passagiertyp = static_cast<std::uint16_t>(*req.passengers);
        }
        state.aufgabePlanet = req.missionPlanet;
        state.aufgabeMond = req.missionBody;
        for (int ware = 0; ware < kWarenAnzahl; ++ware) ladung(state, ware) = req.cargo[ware];
        Create_newCube(state, services);

        JsonWriter json;
        writeLocation(json, state, req.clock);
        print(json);
        return 0;
    }

    if (command == "texts") {
        if (argc != 2) return fail("'texts' takes no options");
        JsonWriter json;
        json.beginArray();
        for (const Eintrag& e : alleTexte()) {
            json.beginObject();
            json.key("breite"); json.value(int{e.box.breite});
            json.key("zeilen"); json.value(int{e.box.zeilen});
            json.key("mindestens"); json.value(int{e.box.mindestens});
            json.key("deckt"); json.value(e.box.deckt == TextId::Anzahl ? "" : eintrag(e.box.deckt).deutsch);
            json.key("deutsch"); json.value(e.deutsch);
            json.endObject();
        }
        json.endArray();
        print(json);
        return 0;
    }

    if (command == "catalogue") {
        if (argc != 3) return fail("'catalogue' takes the file of a compiled catalogue");
        std::ifstream in(argv[2], std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        const auto katalog = MoCatalogue::parse(bytes);
        if (!in.good() && !in.eof()) return fail(std::string("cannot read ") + argv[2]);
        if (!katalog) {
            std::printf("%s: not a compiled catalogue\n", argv[2]);
            return 1;
        }
        const auto fehler = pruefeKatalog(*katalog);
        for (const std::string& f : fehler) std::printf("%s: %s\n", argv[2], f.c_str());
        if (fehler.empty()) std::printf("%s: every text fits\n", argv[2]);
        return fehler.empty() ? 0 : 1;
    }

    if (command == "--help" || command == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    return fail("unknown command '" + std::string(command) + "'");
}
