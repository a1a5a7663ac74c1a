#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/d3d_vector.h"
#include "world/asteroid.h"
#include "world/decoy.h"
#include "world/enemy_ship.h"
#include "world/gate.h"
#include "world/missile.h"
#include "world/random.h"
#include "world/services.h"
#include "world/shot.h"
#include "world/station.h"
#include "world/stern.h"

constexpr std::uint16_t kKeinePassagiere = 999;
constexpr int kAsteroidAnzahl = 5000;

// What the simulation decided a frame shows, for the drawing, which reads the
// state and changes nothing. The scene is seen from where the ship was when
// the frame's first turn was done; the flicker and the messages are chosen
// (and their counters counted) where the picture used to be drawn.
struct Picture {
    D3DVECTOR eye;                 // the flight camera: the ship's place,
    D3DVECTOR forward{1, 0, 0};    //   its nose and its up axis
    D3DVECTOR up{0, 1, 0};
    bool grauerHimmel = false;     // a flash: the sky in plain grey
    std::int32_t torTextur = 0;    // the gates' look, 0..4 for Tor1 .. Tor5
    std::int32_t dummyTextur = 0;  // the decoy's look, the same way
    std::optional<Decoy> dummy;    // the decoy as this frame shows it,
    float dummyExplosion = 0.0f;   //   and its explosion's size, 0 while whole
    bool sichtMeldung = false;     // the cockpit's messages shown this frame
    bool beuteMeldung = false;
    bool bergbauMeldung = false;
    bool gameOverMeldung = false;
    float sprungSicht = 1.0f;      // the jump animation's field of view
    std::int32_t fotoMeldung = 0;  // the screenshot's message shown, 0 none

    // The star map as this frame's step saw it, before a jump moved the
    // ship: the current system's place on the chart, the camera's distance
    // and the chart's turn, the system shown as the location, the target,
    // and which systems lie in the visible window.
    struct Sternenkarte {
        D3DVECTOR mitte;
        float zKarte = 0.0f;
        float rotateKarte = 0.0f;
        std::uint16_t standort = 0;
        std::uint16_t ziel = 0;
        std::array<bool, kSternAnzahl> sichtbar{};
    } karte;
    // The stations and missions: the traffic station's income as the
    // arrival showed it (the criminals' fare is cleared once shown), and the
    // cockpit's message that the mission is done.
    std::int32_t einnahmenGezeigt = 0;
    bool missionsMeldung = false;
};

// Everything the game knows about the player, the universe and the current
// location, in one record so that a test can make a fresh one, step it and
// look at it. The names are the game's own and every subsystem uses them
// directly. Values are those of a new game.
struct GameState {
    // --- where the ship is: system, planet, body (0 the planet, 1..9 moons)
    std::uint16_t sternenpos = 0;
    std::uint16_t planetenpos = 2;
    std::uint16_t mondpos = 0;

    std::int32_t geld = 100;

    // --- equipment
    std::uint16_t kanone = 1;           // 0 none, 1 laser .. 4 positron
    std::uint16_t energielader = 1;
    std::uint16_t energiespeicher = 1;  // energie is capped at 7 * energiespeicher
    std::uint16_t schildlader = 1;
    std::uint16_t schildspeicher = 1;   // schild is capped at 7 * schildspeicher
    std::uint16_t laderaum = 20;
    std::uint16_t lenkraketen = 0;
    std::uint16_t beschleuniger = 0;
    std::uint16_t gigabomben = 0;
    std::uint16_t ecm = 0;

    // --- energy; a schild above 65500 has wrapped below zero: destroyed
    std::uint16_t energie = 3;
    std::uint16_t schild = 3;

    // --- cargo aboard, units (goods 0..15, see goods.h)
    std::uint16_t uranld = 0, platinld = 0, goldld = 0, iridiumld = 0;
    std::uint16_t roboterld = 0, computerld = 0, elektronikld = 0, maschinenld = 0;
    std::uint16_t panzerld = 0, kanonenld = 0, raketenld = 0, munitionld = 0;
    std::uint16_t nahrungld = 0, textilienld = 0, ersatzteileld = 0, luxusgutld = 0;

    // --- local prices, credits per unit, set on every arrival
    std::int32_t uran = 0, platin = 0, gold = 0, iridium = 0;
    std::int32_t roboter = 0, computer = 0, elektronik = 0, maschinen = 0;
    std::int32_t panzer = 0, kanonen = 0, raketen = 0, munition = 0;
    std::int32_t nahrung = 0, textilien = 0, ersatzteile = 0, luxusgut = 0;

    // --- passengers aboard
    std::uint16_t passagiertyp = kKeinePassagiere;  // 0..9, 999 none
    std::uint16_t passagierziel = 0;                // system index

    // --- local offers, rebuilt on every arrival
    std::uint16_t passagiere = 0;  // kind waiting at the traffic station
    std::uint16_t pziel = 0;       // their destination system
    std::uint32_t aufgabeP = 0;    // mission target offered: planet 0..22
    std::uint32_t aufgabeM = 0;    //   and body 0..9
    std::int32_t aufgabePlanet = 0;  // accepted mission target; 0, 0 = none
    std::int32_t aufgabeMond = 0;

    // --- ship pose
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float speed = 0.0f;
    D3DVECTOR blickrichtung{1.0f, 0.0f, 0.0f};
    D3DVECTOR aufrichtung{0.0f, 1.0f, 0.0f};
    D3DVECTOR xAchse{0.0f, 0.0f, -1.0f};

    // --- flight controls, changed directly by keys and mouse
    float kipp = 0.0f;    // turn about the ship's up axis, radians per frame
    float nick = 0.0f;    // pitch about the ship's side axis, radians per frame
    float SIGHT = 10000.0f;     // view distance, 500..40000
    std::int32_t sightchg = 0;  // frames to show the view distance
    std::int32_t backsight = 1; // +1 forward view, -1 rear view
    bool ausserhalb = false;    // outside the playing field
    float nahfeind = 9999999.0f;  // distance of the nearest attacker

    // --- input flags: held keys from key-down to key-up; mouse flags for
    // the current frame only
    std::int32_t left = 0, right = 0, up = 0, down = 0;
    std::int32_t shift = 0, enter = 0, feuer = 0;
    std::int32_t missileKey = 0, ecmKey = 0, gigabombKey = 0, optionsKey = 0;
    std::int32_t mouseRight = 0, mouseLeft = 0, mouseUp = 0, mouseDown = 0;
    std::int32_t mouseButtonLeft = 0, mouseButtonRight = 0;
    std::int32_t wheelForward = 0, wheelBack = 0;

    // --- messages the cockpit shows for a number of frames
    std::int32_t beute = 0;            // loot of the last ship destroyed
    std::int32_t beutezaehler = 0;
    std::int32_t bergbaumeldung = 0;   // 1 accelerator placed, 2 already placed, 3 none aboard
    std::int32_t bergbaumeldungz = 0;

    // --- frame
    std::int32_t nStation = 0;       // station docked at while render is 2
    float stationsrotation = 0.0f;   // the docked station model's turn, 0..2 pi
    std::int32_t einnahmen = 0;      // income of this docked frame, paid on leaving
    bool passagierevonbord = false;  // the passengers aboard have arrived
    std::uint16_t zeig = 0;          // row cursor of the station screens and the menu
    std::int16_t zeigverz = 4;       //   and its repeat counter
    std::uint16_t torsprungz = 0;    // frames left of the gate jump
    std::int32_t hintFrames = 500;   // frames left of the F8 hint

    // --- situation
    std::int32_t kampf = 0;        // non-zero while enemy ships attack
    std::int32_t ranking = 0;      // strength as the enemy sees it, per frame
    std::int32_t gameover = 0;     // frames left of the game-over message
    std::int32_t abspeichern = 0;  // options menu open
    std::int32_t render = 0;       // frame mode: 0 flight, 1 star map, 2 docked, 3 jump
    std::int32_t raketenwarnz = 2; // frames to the next missile warning sound

    // --- the star map's view: the camera's z (0 or less, farther out the
    // more negative), kept between visits; the chart's turn about the view
    // axis, radians, back to 0 after every jump
    float zKarte = 0.0f;
    float rotateKarte = 0.0f;
    // --- missions: whether the location built is the accepted mission's
    // target cell (kills here are the mission fight), and the frames left of
    // the cockpit's message that the mission is done
    bool missionskampf = false;
    std::int32_t missionsmeldungz = 0;
    // --- the screenshot key: how the last screenshot ended (1 saved, 2 disk
    // full, 3 folder not writable, 4 failed otherwise) and the frames left
    // to say so
    std::int32_t fotomeldung = 0;
    std::int32_t fotomeldungz = 0;
    // --- the options menu: why the last save or load did not work, and
    // the frames left to show it (save/options_menu.h)
    std::int32_t menuMeldung = 0;
    std::int32_t menuMeldungz = 0;
    std::int32_t einstellungenZeigen = 0;  // the menu asks for the settings screen

    // --- the universe: 545 systems, built once at start-up
    std::vector<Stern> stern;

    // --- objects of the current location; an empty slot holds nothing
    std::vector<Asteroid> asteroid;  // 5000, made once, moved on every arrival
    std::optional<Asteroid> bergasteroid;
    std::array<std::optional<Station>, kStationSlots> station;
    std::array<std::optional<EnemyShip>, kRaumschiffSlots> raumschiff;
    std::optional<Gate> sonnentor, aussentor, planetentor, mondtor, sternentor;
    float yviertel = 0.0f;  // the planet's extra half turn

    // --- the far backdrop: planet, sun and two moons keep their offset to
    // the ship, so they never come nearer
    struct BackgroundBody {
        D3DVECTOR pos;
        D3DVECTOR ang{0.0f, 1.5707964f, 0.0f};
    };
    BackgroundBody planet, sonne, mond;
    BackgroundBody mond1{{}, {0.0f, 1.5707964f + 0.7853982f, 0.0f}};
    std::int32_t blitz = 0;  // a flash: the next frame's sky is plain grey

    // --- the shared generator: unseeded for the universe, seeded by the
    // location and then by the clock on every arrival
    Random rng;

    // --- combat: what flies, and the weapons' counters. Shots and missiles
    // in flight carry over a passage; the ships they aim at do not.
    std::array<std::optional<Shot>, kSchussSlots> schuss;
    std::array<std::optional<Missile>, kRaketenSlots> rakete;
    std::optional<Decoy> dummy;
    std::uint16_t energiezaehler = 0;  // recharge of energie, by energielader
    std::uint16_t schildzaehler = 0;   // recharge of schild, by schildlader
    std::uint16_t feuerzaehler = 0;    // the cannon's readiness, by kanone

    Picture picture;

    // The current system, and any system by index; an index outside the
    // universe reads as an empty system instead of ending the game.
    const Stern& aktuellerStern() const { return sternAt(sternenpos); }
    const Stern& sternAt(int index) const {
        static const Stern kNone;
        return index >= 0 && index < static_cast<int>(stern.size()) ? stern[static_cast<std::size_t>(index)] : kNone;
    }
};

// The ship's strength as the enemy sees it: chargers, storage and 4 x gun.
inline int computeRanking(const GameState& s) {
    return s.energielader + s.energiespeicher + s.schildlader + s.schildspeicher + 4 * s.kanone;
}

// Income (sales, fares, loot, mining) stops at the largest sum the purse
// holds instead of wrapping round to a debt.
inline void addIncome(GameState& s, std::int64_t betrag) {
    const std::int64_t summe = static_cast<std::int64_t>(s.geld) + betrag;
    s.geld = static_cast<std::int32_t>(summe > INT32_MAX ? INT32_MAX : summe < INT32_MIN ? INT32_MIN : summe);
}

// The ship at rest on the z axis at z, facing +z with +y up: where a loaded
// game and a jump between systems start.
inline void placeOnAxis(GameState& s, float z) {
    s.blickrichtung = {0.0f, 0.0f, 1.0f};
    s.aufrichtung = {0.0f, 1.0f, 0.0f};
    s.xAchse = {1.0f, 0.0f, 0.0f};
    s.x = 0.0f;
    s.y = 0.0f;
    s.z = z;
    s.speed = 0.0f;
}

// Resets the game to a new game at Earth and builds Earth's location.
void Start_newGame(GameState& s, Services& services);
