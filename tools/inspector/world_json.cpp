#include "inspector/world_json.h"

#include <string>

#include "world/goods.h"
#include "world/location_generation.h"

namespace {

// Texts without the blanks that pad them; the game's own texts in German.
std::string plain(std::string_view view) {
    while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
    while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
    return std::string(view);
}

std::string plain(TextId id) { return plain(eintrag(id).deutsch); }

void vector(JsonWriter& json, std::string_view name, const D3DVECTOR& v) {
    json.key(name);
    json.beginInlineArray();
    json.value(v.x);
    json.value(v.y);
    json.value(v.z);
    json.endArray();
}

void writeSystem(JsonWriter& json, const Stern& system, int index) {
    json.beginObject();
    json.key("index"); json.value(index);
    json.key("name"); json.value(plain(system.name));
    json.key("typ"); json.value(plain(text(system.typ)));
    json.key("besond"); json.value(plain(besonderheitName(system.besond)));
    json.key("sternbld"); json.value(plain(text(system.sternbld)));
    json.key("rekt"); json.value(system.rekt);
    json.key("dekl"); json.value(system.dekl);
    json.key("groesse"); json.value(system.groesse);
    json.key("planeten"); json.value(system.planeten);
    json.key("planet");
    json.beginArray();
    for (int p = 0; p < kPlanetZeilen; ++p) {
        json.beginInlineArray();
        for (int m = 0; m < kKoerperSpalten; ++m) json.value(unsigned{system.planet(p, m)});
        json.endArray();
    }
    json.endArray();
    json.key("eigenschaften"); json.value(unsigned{system.eigenschaften});
    json.key("regierung"); json.value(regierung(system));
    json.key("regierungText"); json.value(plain(regierungText(regierung(system))));
    json.key("wirtschaft"); json.value(wirtschaft(system));
    json.key("wirtschaftText"); json.value(plain(wirtschaftText(wirtschaft(system))));
    json.key("bevoelkerung"); json.value(bevoelkerung(system));
    json.endObject();
}

void writeAsteroid(JsonWriter& json, const Asteroid& a) {
    json.beginObject();
    vector(json, "pos", a.pos);
    vector(json, "ang", a.ang);
    json.key("scale"); json.value(a.scale);
    vector(json, "rotation", {a.rotationX, a.rotationY, a.rotationZ});
    json.key("textur"); json.value(a.textur);
    json.endObject();
}

void writeGate(JsonWriter& json, const char* name, const std::optional<Gate>& gate) {
    if (!gate) return;
    json.beginObject();
    json.key("name"); json.value(name);
    json.key("side"); json.value(gate->side);
    vector(json, "pos", gate->pos);
    vector(json, "ang", gate->ang);
    json.endObject();
}

void writeShip(JsonWriter& json, const EnemyShip& ship, int slot) {
    json.beginObject();
    json.key("slot"); json.value(slot);
    json.key("typ"); json.value(ship.typ);
    vector(json, "pos", ship.pos);
    vector(json, "ang", ship.ang);
    vector(json, "target", ship.target);
    json.key("hitPoints"); json.value(ship.hitPoints);
    json.key("scale"); json.value(ship.scale);
    json.key("speed"); json.value(ship.speed);
    json.key("turnRate"); json.value(ship.turnRate);
    json.key("fireInterval"); json.value(ship.fireInterval);
    json.key("attacking"); json.value(ship.attacking);
    json.endObject();
}

}  // namespace

void writeUniverse(JsonWriter& json, const GameState& s) {
    json.beginObject();
    json.key("systems");
    json.beginArray();
    for (std::size_t i = 0; i < s.stern.size(); ++i) writeSystem(json, s.stern[i], static_cast<int>(i));
    json.endArray();
    json.endObject();
}

void writePlayer(JsonWriter& json, const GameState& s) {
    json.beginObject();
    json.key("sternenpos"); json.value(unsigned{s.sternenpos});
    json.key("planetenpos"); json.value(unsigned{s.planetenpos});
    json.key("mondpos"); json.value(unsigned{s.mondpos});
    vector(json, "pos", {s.x, s.y, s.z});
    json.key("speed"); json.value(s.speed);
    vector(json, "blickrichtung", s.blickrichtung);
    vector(json, "aufrichtung", s.aufrichtung);
    vector(json, "xAchse", s.xAchse);
    json.key("nick"); json.value(s.nick);
    json.key("kipp"); json.value(s.kipp);
    json.key("SIGHT"); json.value(s.SIGHT);
    json.key("backsight"); json.value(s.backsight);
    json.key("geld"); json.value(s.geld);
    const std::pair<const char*, std::uint16_t> equipment[] = {
        {"kanone", s.kanone}, {"energielader", s.energielader},
        {"energiespeicher", s.energiespeicher}, {"schildlader", s.schildlader},
        {"schildspeicher", s.schildspeicher}, {"laderaum", s.laderaum},
        {"lenkraketen", s.lenkraketen}, {"beschleuniger", s.beschleuniger},
        {"gigabomben", s.gigabomben}, {"ecm", s.ecm}, {"energie", s.energie},
        {"schild", s.schild}, {"passagiertyp", s.passagiertyp},
        {"passagierziel", s.passagierziel}, {"torsprungz", s.torsprungz},
    };
    for (const auto& [name, value] : equipment) {
        json.key(name);
        json.value(unsigned{value});
    }
    json.key("ladung");
    json.beginObject();
    for (int ware = 0; ware < kWarenAnzahl; ++ware) {
        json.key(plain(kWaren[ware].name));
        json.value(unsigned{ladung(s, ware)});
    }
    json.endObject();
    const std::pair<const char*, std::int32_t> situation[] = {
        {"aufgabePlanet", s.aufgabePlanet}, {"aufgabeMond", s.aufgabeMond},
        {"kampf", s.kampf}, {"ranking", s.ranking}, {"gameover", s.gameover},
        {"abspeichern", s.abspeichern}, {"render", s.render}, {"nStation", s.nStation},
        {"hintFrames", s.hintFrames}, {"sightchg", s.sightchg}, {"beute", s.beute},
        {"beutezaehler", s.beutezaehler}, {"bergbaumeldung", s.bergbaumeldung},
        {"bergbaumeldungz", s.bergbaumeldungz}, {"blitz", s.blitz}, {"raketenwarnz", s.raketenwarnz},
    };
    for (const auto& [name, value] : situation) {
        json.key(name);
        json.value(value);
    }
    json.key("ausserhalb"); json.value(s.ausserhalb);
    json.key("nahfeind"); json.value(s.nahfeind);
    json.key("rngState"); json.value(static_cast<std::int64_t>(s.rng.state()));
    json.key("rngDraws"); json.value(static_cast<std::int64_t>(s.rng.draws()));
    json.endObject();
}

void writeLocation(JsonWriter& json, const GameState& s, std::uint32_t clock) {
    const Stern& system = s.aktuellerStern();
    json.beginObject();

    json.key("location");
    json.beginObject();
    json.key("system"); json.value(unsigned{s.sternenpos});
    json.key("systemName"); json.value(plain(system.name));
    json.key("planet"); json.value(unsigned{s.planetenpos});
    json.key("body"); json.value(unsigned{s.mondpos});
    json.key("bodyCode"); json.value(unsigned{system.planet(s.planetenpos, s.mondpos)});
    json.key("seed"); json.value(locationSeed(s.sternenpos, s.planetenpos, s.mondpos));
    json.key("clock"); json.value(clock);
    json.key("ranking"); json.value(computeRanking(s));
    json.endObject();

    json.key("asteroids");
    json.beginArray();
    for (const Asteroid& a : s.asteroid) writeAsteroid(json, a);
    json.endArray();

    json.key("bergasteroid");
    if (s.bergasteroid) writeAsteroid(json, *s.bergasteroid); else json.null();

    json.key("stations");
    json.beginArray();
    for (const auto& station : s.station) {
        if (!station) continue;
        json.beginObject();
        json.key("typ"); json.value(station->typ);
        json.key("kind"); json.value(plain(stationstitel(station->typ)));
        vector(json, "pos", station->pos);
        vector(json, "ang", station->ang);
        json.key("scale"); json.value(station->scale);
        json.endObject();
    }
    json.endArray();

    json.key("gates");
    json.beginArray();
    writeGate(json, "mondtor", s.mondtor);
    writeGate(json, "planetentor", s.planetentor);
    writeGate(json, "sonnentor", s.sonnentor);
    writeGate(json, "aussentor", s.aussentor);
    writeGate(json, "sternentor", s.sternentor);
    json.endArray();

    json.key("yviertel"); json.value(s.yviertel);

    json.key("ships");
    json.beginArray();
    for (int slot = 0; slot < kRaumschiffSlots; ++slot) {
        if (s.raumschiff[slot]) writeShip(json, *s.raumschiff[slot], slot);
    }
    json.endArray();

    json.key("prices");
    json.beginObject();
    for (int ware = 0; ware < kWarenAnzahl; ++ware) {
        json.key(plain(kWaren[ware].name));
        json.value(preis(s, ware));
    }
    json.endObject();

    json.key("passagiere"); json.value(unsigned{s.passagiere});
    json.key("pziel"); json.value(unsigned{s.pziel});
    json.key("pzielName"); json.value(plain(s.sternAt(s.pziel).name));
    json.key("aufgabeP"); json.value(s.aufgabeP);
    json.key("aufgabeM"); json.value(s.aufgabeM);

    json.endObject();
}

void writeCombat(JsonWriter& json, const GameState& s) {
    json.beginObject();
    json.key("energiezaehler"); json.value(unsigned{s.energiezaehler});
    json.key("schildzaehler"); json.value(unsigned{s.schildzaehler});
    json.key("feuerzaehler"); json.value(unsigned{s.feuerzaehler});

    json.key("ships");
    json.beginArray();
    for (int slot = 0; slot < kRaumschiffSlots; ++slot) {
        if (!s.raumschiff[slot]) continue;
        const EnemyShip& ship = *s.raumschiff[slot];
        json.beginObject();
        json.key("slot"); json.value(slot);
        json.key("typ"); json.value(ship.typ);
        vector(json, "pos", ship.pos);
        vector(json, "ang", ship.ang);
        vector(json, "direction", ship.direction);
        vector(json, "target", ship.target);
        json.key("hitPoints"); json.value(ship.hitPoints);
        json.key("attacking"); json.value(ship.attacking);
        json.endObject();
    }
    json.endArray();

    json.key("schuss");
    json.beginArray();
    for (int slot = 0; slot < kSchussSlots; ++slot) {
        if (!s.schuss[slot]) continue;
        const Shot& shot = *s.schuss[slot];
        json.beginObject();
        json.key("slot"); json.value(slot);
        json.key("typ"); json.value(shot.typ);
        vector(json, "pos", shot.pos);
        vector(json, "velocity", shot.velocity);
        json.key("life"); json.value(shot.life);
        json.endObject();
    }
    json.endArray();

    json.key("rakete");
    json.beginArray();
    for (int slot = 0; slot < kRaketenSlots; ++slot) {
        if (!s.rakete[slot]) continue;
        const Missile& missile = *s.rakete[slot];
        json.beginObject();
        json.key("slot"); json.value(slot);
        vector(json, "pos", missile.pos);
        vector(json, "ang", missile.ang);
        vector(json, "direction", missile.direction);
        vector(json, "target", missile.target);
        json.key("targetIndex"); json.value(missile.targetIndex);
        json.endObject();
    }
    json.endArray();

    json.key("dummy");
    if (s.dummy) {
        json.beginObject();
        vector(json, "pos", s.dummy->pos);
        vector(json, "ang", s.dummy->ang);
        json.key("explode"); json.value(s.dummy->explode);
        json.endObject();
    } else {
        json.null();
    }
    json.endObject();
}
