#include "app/settings_screen.h"

#include <algorithm>

#include "app/controls.h"
#include "app/settings_file.h"
#include "platform/device_setup.h"
#include "ui/settings_screen.h"

namespace {

using platform::Message;

constexpr int kMeldungFrames = 180;
// A trigger pressed as a button, while a binding waits for one.
constexpr int kAbzugDrueckt = 16384;

void melden(Einstellungsbild& bild, TextId text) {
    bild.meldung = text;
    bild.meldungz = kMeldungFrames;
}

void sichern(App& app) {
    applySettings(app);
    if (app.einstellungsdatei.empty()) return;  // settings of this run only
    if (!saveSettings(app.einstellungen, app.einstellungsdatei)) {
        melden(app.einstellungsbild, TextId::EinstellungenNichtGesichert);
    }
}

void schliessen(App& app) { app.einstellungsbild = {}; }

int schritt(int wert, int richtung, const Zahlbereich& bereich) {
    return std::clamp(wert + richtung * bereich.schritt, bereich.min, bereich.max);
}

// Left or right on a setting's row.
void aendern(App& app, int richtung) {
    Einstellungen& e = app.einstellungen;
    const int zeile = app.einstellungsbild.zeile;
    if (zeile >= kEinstellungsreihen) return;
    switch (static_cast<Einstellungszeile>(zeile)) {
        case Einstellungszeile::Sprache: e.sprache = app.sprache.code == "de" ? "en" : "de"; break;
        case Einstellungszeile::Bildschirm:
            e.vollbild = !settingsInEffect(app).vollbild;
            app.fensterAufRuf = false;
            break;
        case Einstellungszeile::Aufloesung: {
            constexpr int n = static_cast<int>(Aufloesung::Anzahl);
            const int jetzt = static_cast<int>(settingsInEffect(app).aufloesung);
            e.aufloesung = static_cast<Aufloesung>((jetzt + richtung + n) % n);
            app.aufloesungAufRuf.reset();
            break;
        }
        case Einstellungszeile::Lautstaerke: e.lautstaerke = schritt(e.lautstaerke, richtung, kLautstaerke); break;
        case Einstellungszeile::Maus: e.maus = schritt(e.maus, richtung, kMaus); break;
        case Einstellungszeile::MausUmkehren: e.mausUmkehren = !e.mausUmkehren; break;
        case Einstellungszeile::Totzone: e.totzone = schritt(e.totzone, richtung, kTotzone); break;
        case Einstellungszeile::PadUmkehren: e.padUmkehren = !e.padUmkehren; break;
        case Einstellungszeile::PauseOhneFokus: e.pauseOhneFokus = !e.pauseOhneFokus; break;
        case Einstellungszeile::Anzahl: return;
    }
    sichern(app);
}

// Return on a row.
void waehlen(App& app) {
    Einstellungsbild& bild = app.einstellungsbild;
    if (bild.zeile == kZurueckreihe) {
        schliessen(app);
    } else if (bild.zeile == kStandardreihe) {
        app.einstellungen = Einstellungen{};
        app.fensterAufRuf = false;
        app.aufloesungAufRuf.reset();
        sichern(app);
    } else if (bild.zeile >= kErsteAktionsreihe) {
        bild.erfassen = true;
    } else {
        aendern(app, 1);
    }
}

// A key or button for the row's action: bound, or asked about when another
// action has it.
void binden(App& app, int taste, bool knopf) {
    Einstellungsbild& bild = app.einstellungsbild;
    const auto aktion = static_cast<Aktion>(bild.zeile - kErsteAktionsreihe);
    bild.erfassen = false;
    Belegung& b = app.einstellungen.belegung;
    const auto besitzer = b.besitzer(taste, knopf);
    if (besitzer && *besitzer != aktion) {
        bild.frage = Einstellungsbild::Tausch{aktion, taste, knopf, *besitzer};
        return;
    }
    if (knopf) {
        b.bindeKnopf(aktion, taste, false);
    } else {
        b.bindeTaste(aktion, taste, false);
    }
    sichern(app);
}

void antworten(App& app, bool tauschen) {
    Einstellungsbild& bild = app.einstellungsbild;
    const Einstellungsbild::Tausch t = *bild.frage;
    bild.frage.reset();
    if (!tauschen) return;
    Belegung& b = app.einstellungen.belegung;
    if (t.knopf) {
        b.bindeKnopf(t.aktion, t.taste, true);
    } else {
        b.bindeTaste(t.aktion, t.taste, true);
    }
    melden(bild, TextId::Getauscht);
    sichern(app);
}

// The ways to move, change, choose and go back: the arrow keys, Return and
// Esc always, and the keys and buttons the player bound to those actions.
enum class Befehl { Keiner, Hoch, Runter, Links, Rechts, Waehlen, Zurueck };

Befehl befehl(const App& app, const Message& m) {
    const Belegung& b = app.einstellungen.belegung;
    if (m.type == Message::KeyDown) {
        switch (m.key) {
            case platform::vk::Up: return Befehl::Hoch;
            case platform::vk::Down: return Befehl::Runter;
            case platform::vk::Left: return Befehl::Links;
            case platform::vk::Right: return Befehl::Rechts;
            case platform::vk::Return:
            case platform::vk::KeypadEnter: return Befehl::Waehlen;
            default: break;
        }
        switch (b.aktionDerTaste(m.key).value_or(Aktion::Anzahl)) {
            case Aktion::Hoch: return Befehl::Hoch;
            case Aktion::Runter: return Befehl::Runter;
            case Aktion::Links: return Befehl::Links;
            case Aktion::Rechts: return Befehl::Rechts;
            case Aktion::Langsamer: return Befehl::Waehlen;
            default: return Befehl::Keiner;
        }
    }
    // Esc acts on its release, as in the game, so no release is left over.
    if (m.type == Message::KeyUp && (m.key == platform::vk::Escape || b.aktionDerTaste(m.key) == Aktion::Ende)) {
        return Befehl::Zurueck;
    }
    if (m.type == Message::PadButtonDown) {
        switch (m.key) {
            case platform::pad::DpadUp: return Befehl::Hoch;
            case platform::pad::DpadDown: return Befehl::Runter;
            case platform::pad::DpadLeft: return Befehl::Links;
            case platform::pad::DpadRight: return Befehl::Rechts;
            case platform::pad::A: return Befehl::Waehlen;
            case platform::pad::B: return Befehl::Zurueck;
            default: break;
        }
    }
    return Befehl::Keiner;
}

}  // namespace

void openSettings(App& app) {
    // What was held when the menu was left is let go: its release comes to
    // the screen, not to the game.
    for (int i = 0; i < kAktionen; ++i) {
        const auto a = static_cast<Aktion>(i);
        if (a != Aktion::Ende && a != Aktion::Anleitung) aktionLoslassen(app, a);
    }
    app.eingabe = {};
    app.einstellungsbild = {};
    app.einstellungsbild.offen = true;
}

void settingsInput(App& app, const Message& m) {
    Einstellungsbild& bild = app.einstellungsbild;
    if (bild.erfassen) {
        // The next key or button is the binding; Esc gives up.
        if (m.type == Message::KeyUp && m.key == platform::vk::Escape) bild.erfassen = false;
        if (m.type == Message::KeyDown && m.key != platform::vk::Escape) binden(app, m.key, false);
        if (m.type == Message::PadButtonDown) binden(app, m.key, true);
        if (m.type == Message::PadAxis && m.value > kAbzugDrueckt) {
            if (m.key == platform::pad::TriggerLeft) binden(app, platform::pad::LeftTrigger, true);
            if (m.key == platform::pad::TriggerRight) binden(app, platform::pad::RightTrigger, true);
        }
        return;
    }
    const Befehl was = befehl(app, m);
    if (bild.frage) {
        if (was == Befehl::Waehlen || was == Befehl::Zurueck) antworten(app, was == Befehl::Waehlen);
        return;
    }
    switch (was) {
        case Befehl::Hoch: bild.zeile = (bild.zeile + kBildreihen - 1) % kBildreihen; break;
        case Befehl::Runter: bild.zeile = (bild.zeile + 1) % kBildreihen; break;
        case Befehl::Links: aendern(app, -1); break;
        case Befehl::Rechts: aendern(app, 1); break;
        case Befehl::Waehlen: waehlen(app); break;
        case Befehl::Zurueck: schliessen(app); break;
        case Befehl::Keiner: break;
    }
}

void settingsFrame(App& app) {
    Einstellungsbild& bild = app.einstellungsbild;
    if (bild.meldungz > 0 && --bild.meldungz == 0) bild.meldung.reset();
    prepareFrameDevice(app.platform, app.ErrStr);
    drawSettingsScreen(app.platform, app.assets, app.sprache.texte, settingsInEffect(app), bild, app.sprache.code);
    app.platform.flip();
}

Einstellungen settingsInEffect(const App& app) {
    Einstellungen e = app.einstellungen;
    if (app.fensterAufRuf) e.vollbild = false;
    if (app.aufloesungAufRuf) e.aufloesung = *app.aufloesungAufRuf;
    return e;
}

platform::RenderScale renderScale(Aufloesung a) {
    switch (a) {
        case Aufloesung::Bildschirm: return platform::RenderScale::Native;
        case Aufloesung::Original: return platform::RenderScale::Original;
        default: return platform::RenderScale::Automatic;
    }
}

void applySettings(App& app) {
    const Einstellungen e = settingsInEffect(app);
    if (!e.sprache.empty() && e.sprache != app.sprache.code) {
        app.sprache = chooseLanguage(e.sprache, localeVariablesOfProcess(), catalogueDirectory());
        languagePlates(app);
    }
    if (app.platform.fullScreen() != e.vollbild) app.platform.setFullScreen(e.vollbild);
    app.platform.setRenderScale(renderScale(e.aufloesung));
    app.platform.setEffectsVolume(e.lautstaerke);
}
