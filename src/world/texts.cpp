#include "world/texts.h"

#include <array>

namespace {

// The next member of a group.
constexpr TextId weiter = TextId::Anzahl;

// Each text with the place it is drawn at (po/README.md tells translators
// what the places mean).
constexpr Eintrag kTexte[] = {
    // --- the cockpit
    {TextId::System, {15, 1}, N_("System:")},
    {TextId::Feindentfernung, {15, 1, 0, TextId::System}, N_("Feindentfernung")},
    {TextId::PlanetMond, {15, 1}, N_("Planet/Mond")},
    {TextId::RufBeimGegner, {15, 1, 0, TextId::PlanetMond}, N_("Ruf beim Gegner")},
    {TextId::GeldCockpit, {7, 1}, N_("Geld:")},
    {TextId::Passagiere, {15, 1}, N_("Passagiere :")},
    {TextId::Ziel, {15, 1}, N_("Ziel :")},
    {TextId::KeinePassagiere, {15, 1}, N_("- keine -")},
    {TextId::Sicht, {10, 1}, N_("Sicht :")},
    {TextId::BeuteMeldung, {41, 2}, N_("  Feindliches Raumschiff vernichtet\n"
        "             Beute :               ")},
    {TextId::BeschleunigerPlatziert, {41, 2}, N_("  Asteroidenbeschleuniger platziert\n"
        "             Geld +                ")},
    {TextId::BeschleunigerSchonDa, {47, 1}, N_("Asteroidenbeschleuniger ist bereits platziert")},
    {TextId::KeinBeschleuniger, {41, 1}, N_("Kein Asteroidenbeschleuniger vorhanden")},
    {TextId::AuftragErfuellt, {41, 1}, N_("  Auftrag erfuellt, Sektor gesaeubert")},
    {TextId::GameOver, {41, 2}, N_("         G A M E   O V E R         \n"
        "     Neues Spiel startet jetzt!    ")},
    {TextId::Ausserhalb, {44, 3}, N_("Du bist ausserhalb des Asteroidenfeldes.\n"
        "Hier gibt es nichts interessantes mehr. \n"
        "     Fliege besser wieder zurueck!      ")},
    {TextId::StartHinweis, {46, 1}, N_("F8 : Spiel beenden und Spielanleitung lesen")},

    // --- the stations
    {TextId::StationVerlassen, {47, 1}, N_("Verlassen der Station: Shift/rechte Maustaste")},
    {TextId::PreiseFuerWaren, {15, 1}, N_("Preise f. Waren:")},
    {TextId::LadungAnBord, {15, 1}, N_("Ladung an Bord :")},
    {TextId::Ladung, {10, 1}, N_("Ladung :")},
    {TextId::Geld, {10, 1}, N_("Geld :")},
    {TextId::Ausruestung, {15, 1}, N_("Ausruestung   :")},
    {TextId::Kanone, {15, 1}, N_("Kanone :")},
    {TextId::ImAngebot, {15, 1}, N_("Im Angebot    :")},
    {TextId::KanonenImAngebot, {15, 1}, N_("Kanonen   :")},
    {TextId::PassagiereGehenVonBord, {15, 2}, N_("Deine Passgiere\n"
        "gehen von Bord.")},
    {TextId::Einnahmen, {11, 1}, N_("Einnahmen :")},
    {TextId::PassagiereWarten, {15, 9}, N_("Deine Passgiere\n"
        "haben ihr Ziel\n"
        "noch nicht er-\n"
        "reicht.\n"
        "\n"
        "Returntaste od.\n"
        "linke Maustaste\n"
        "- Passagiere   \n"
        "  rauswerfen!")},
    {TextId::SieBietenDir, {10, 2}, N_("Sie bieten\n"
        "Dir :")},
    {TextId::Mitnehmen, {15, 5}, N_("Verlaesst Du\n"
        "die Station mit\n"
        "der Returntaste,\n"
        "(l. Maustaste)\n"
        "kommen sie mit.")},
    {TextId::Dableiben, {15, 5}, N_("Bei Verlassen\n"
        "der Station mit\n"
        "der Shifttaste,\n"
        "(r. Maustaste)\n"
        "bleiben sie da.")},

    // --- the star map
    {TextId::Standort, {15, 1}, N_("Standort :")},
    {TextId::Passagierziel, {15, 1}, N_("Passagierziel:")},
    {TextId::KeinPassagierziel, {15, 1, 15}, N_("keines         ")},
    {TextId::Zielsystem, {15, 1}, N_("Zielsystem :")},
    {TextId::Typ, {15, 1}, N_("Typ :")},
    {TextId::Sternenbild, {15, 1}, N_("Sternenbild :")},
    {TextId::Planeten, {10, 1}, N_("Planeten :")},
    {TextId::Regierung, {15, 1}, N_("Regierung :")},
    {TextId::Wirtschaft, {15, 1}, N_("Wirtschaft :")},
    {TextId::Einwohner, {15, 1}, N_("Einwohner :")},
    {TextId::Milliarden, {11, 1}, N_("Milliarden")},

    // --- the options menu
    {TextId::MenuTitel, {41, 1}, N_("         Spieloptionen       ")},
    {TextId::SpielBeenden, {37, 1}, N_("[Esc] = Spiel beenden")},
    {TextId::ZurueckZumSpiel, {39, 1}, N_("Zurueck zum Spiel")},
    {TextId::AutoLaden, {39, 1}, N_("Autospeicherung laden")},
    {TextId::EinstellungenZeile, {39, 1}, N_("Einstellungen")},

    // --- the pause, the settings screen, and what keeping them may say
    {TextId::Pause, {15, 1}, N_("Pause")},
    {TextId::EinstellungenTitel, {38, 1}, N_("Einstellungen")},
    {TextId::Ja, {16, 1}, N_("ja")},
    {TextId::Nein, {16, 1}, N_("nein")},
    {TextId::Vollbild, {16, 1}, N_("Vollbild")},
    {TextId::Fenster, {16, 1}, N_("Fenster")},
    {TextId::TasteDruecken, {40, 1}, N_("Taste oder Knopf druecken, Esc: abbrechen")},
    {TextId::SchonBelegt, {18, 1}, N_("Schon belegt fuer:")},
    {TextId::TauschenFrage, {40, 1}, N_("Return: tauschen, Esc: nichts aendern")},
    {TextId::Getauscht, {40, 1}, N_("Getauscht.")},
    {TextId::EinstellungenHilfe, {41, 2}, N_("Hoch/Runter: Zeile, Links/Rechts: aendern\n"
        "Return: belegen, waehlen; Esc: zurueck")},
    {TextId::EinstellungenNichtGesichert, {40, 1}, N_("Einstellungen nicht gesichert!")},
    {TextId::AutosaveFehlgeschlagen, {41, 1}, N_("  Autospeicherung fehlgeschlagen")},

    // --- saving and loading, slots 1..4; what went wrong
    {TextId::Speichern, {39, 1}, N_("Spielstand in Slot1 sichern")},
    {weiter, {39, 1}, N_("Spielstand in Slot2 sichern")},
    {weiter, {39, 1}, N_("Spielstand in Slot3 sichern")},
    {weiter, {39, 1}, N_("Spielstand in Slot4 sichern")},
    {TextId::Laden, {39, 1}, N_("Spielstand aus Slot1 laden")},
    {weiter, {39, 1}, N_("Spielstand aus Slot2 laden")},
    {weiter, {39, 1}, N_("Spielstand aus Slot3 laden")},
    {weiter, {39, 1}, N_("Spielstand aus Slot4 laden")},
    {TextId::MenuMeldung, {41, 1}, N_("  Spielstand fehlt          ")},
    {weiter, {41, 1}, N_("  Spielstand unlesbar       ")},
    {weiter, {41, 1}, N_("  Spielstand beschaedigt    ")},
    {weiter, {41, 1}, N_("  Speichern fehlgeschlagen  ")},

    // --- the goods
    {TextId::Ware, {11, 1}, N_("Uran")},
    {weiter, {11, 1}, N_("Platin")},
    {weiter, {11, 1}, N_("Gold")},
    {weiter, {11, 1}, N_("Iridium")},
    {weiter, {11, 1}, N_("Roboter")},
    {weiter, {11, 1}, N_("Computer")},
    {weiter, {11, 1}, N_("Elektronik")},
    {weiter, {11, 1}, N_("Maschinen")},
    {weiter, {11, 1}, N_("Panzer")},
    {weiter, {11, 1}, N_("Kanonen")},
    {weiter, {11, 1}, N_("Raketen")},
    {weiter, {11, 1}, N_("Munition")},
    {weiter, {11, 1}, N_("Nahrung")},
    {weiter, {11, 1}, N_("Textilien")},
    {weiter, {11, 1}, N_("Ersatzteile")},
    {weiter, {11, 1}, N_("Luxusgut")},

    // --- star types, constellations, governments, economies
    {TextId::Sternentyp, {14, 1}, N_("Normal")},
    {weiter, {14, 1}, N_("Roter Zwerg")},
    {weiter, {14, 1}, N_("Blauer Riese")},
    {weiter, {14, 1}, N_("Roter Riese")},
    {weiter, {14, 1}, N_("Weisser Riese")},
    {weiter, {14, 1}, N_("Brauner Zwerg")},
    {weiter, {14, 1}, N_("normal")},
    {TextId::Sternbild, {14, 1}, N_("Achterschiff")},
    {weiter, {14, 1}, N_("Adler")},
    {weiter, {14, 1}, N_("Altar")},
    {weiter, {14, 1}, N_("Andromeda")},
    {weiter, {14, 1}, N_("Baerenhueter")},
    {weiter, {14, 1}, N_("Becher")},
    {weiter, {14, 1}, N_("Bildhauer")},
    {weiter, {14, 1}, N_("Cassiopaia")},
    {weiter, {14, 1}, N_("Cassiopeia")},
    {weiter, {14, 1}, N_("Cepheus")},
    {weiter, {14, 1}, N_("Chemischer Ofen")},
    {weiter, {14, 1}, N_("Delphin")},
    {weiter, {14, 1}, N_("Drache")},
    {weiter, {14, 1}, N_("Dreieck")},
    {weiter, {14, 1}, N_("Einhorn")},
    {weiter, {14, 1}, N_("Eridanus")},
    {weiter, {14, 1}, N_("Fische")},
    {weiter, {14, 1}, N_("Fuchs")},
    {weiter, {14, 1}, N_("Fuhrmann")},
    {weiter, {14, 1}, N_("Giraffe")},
    {weiter, {14, 1}, N_("Grosser Baer")},
    {weiter, {14, 1}, N_("Grosser Hund")},
    {weiter, {14, 1}, N_("Haar der Berenike")},
    {weiter, {14, 1}, N_("Herkules")},
    {weiter, {14, 1}, N_("Hydra")},
    {weiter, {14, 1}, N_("Jagdhunde")},
    {weiter, {14, 1}, N_("Jungfrau")},
    {weiter, {14, 1}, N_("Kleiner Baer")},
    {weiter, {14, 1}, N_("Kleiner Hund")},
    {weiter, {14, 1}, N_("Krebs")},
    {weiter, {14, 1}, N_("Kreuz des Suedens")},
    {weiter, {14, 1}, N_("Leier")},
    {weiter, {14, 1}, N_("Loewe")},
    {weiter, {14, 1}, N_("Luchs")},
    {weiter, {14, 1}, N_("Maler")},
    {weiter, {14, 1}, N_("Noerdliche Krone")},
    {weiter, {14, 1}, N_("Oktant")},
    {weiter, {14, 1}, N_("Orion")},
    {weiter, {14, 1}, N_("Pegasus")},
    {weiter, {14, 1}, N_("Perseus")},
    {weiter, {14, 1}, N_("Pfau")},
    {weiter, {14, 1}, N_("Pfeil")},
    {weiter, {14, 1}, N_("Rabe")},
    {weiter, {14, 1}, N_("Schiffskiel")},
    {weiter, {14, 1}, N_("Schild")},
    {weiter, {14, 1}, N_("Schlangentraeger")},
    {weiter, {14, 1}, N_("Schlange")},
    {weiter, {14, 1}, N_("Schuetze")},
    {weiter, {14, 1}, N_("Schwan")},
    {weiter, {14, 1}, N_("Schwertfisch")},
    {weiter, {14, 1}, N_("Segel")},
    {weiter, {14, 1}, N_("Sextant")},
    {weiter, {14, 1}, N_("Skorpion")},
    {weiter, {14, 1}, N_("Steinbock")},
    {weiter, {14, 1}, N_("Stier")},
    {weiter, {14, 1}, N_("Tafelberg")},
    {weiter, {14, 1}, N_("Tukan")},
    {weiter, {14, 1}, N_("Waage")},
    {weiter, {14, 1}, N_("Walfisch")},
    {weiter, {14, 1}, N_("Wassermann")},
    {weiter, {14, 1}, N_("Widder")},
    {weiter, {14, 1}, N_("Zentaur")},
    {weiter, {14, 1}, N_("Zwillinge")},
    {weiter, {14, 1}, N_("keines")},
    {TextId::RegierungName, {15, 1}, N_(" KRIEG")},
    {weiter, {15, 1}, N_(" Unruhen")},
    {weiter, {15, 1}, N_(" Anarchie")},
    {weiter, {15, 1}, N_(" Despotismus")},
    {weiter, {15, 1}, N_(" Monarchie")},
    {weiter, {15, 1}, N_(" Kommunismus")},
    {weiter, {15, 1}, N_(" Republik")},
    {weiter, {15, 1}, N_(" Demokratie")},
    {TextId::WirtschaftName, {15, 1}, N_(" Wenig Technik")},
    {weiter, {15, 1}, N_(" Normal")},
    {weiter, {15, 1}, N_(" Hochtechnologie")},
    {weiter, {15, 1}, N_(" Spitzentechnik")},
    {weiter, {15, 1}, N_(" ?")},

    // --- reputation, passengers, their offers and stories, the missions
    {TextId::Ruf, {15, 1, 15}, N_("Absolut Harmlos")},
    {weiter, {15, 1, 15}, N_("Harmlos        ")},
    {weiter, {15, 1, 15}, N_("Kaum Gefaehrich")},
    {weiter, {15, 1, 15}, N_("Mittelstark    ")},
    {weiter, {15, 1, 15}, N_("Gefaehrlich    ")},
    {weiter, {15, 1, 15}, N_("Furchtbar      ")},
    {weiter, {15, 1, 15}, N_("Vernichtend    ")},
    {weiter, {15, 1, 15}, N_("Unbesiegbar    ")},
    {TextId::Passagierwort, {15, 1}, N_("Touristen")},
    {weiter, {15, 1}, N_("Haendler")},
    {weiter, {15, 1}, N_("Minenarbeiter")},
    {weiter, {15, 1}, N_("Kaufleute")},
    {weiter, {15, 1}, N_("Soldaten")},
    {weiter, {15, 1}, N_("Schmuggler")},
    {weiter, {15, 1}, N_("Verbrecher")},
    {weiter, {15, 1}, N_("Revoluzzer")},
    {weiter, {15, 1}, N_("Prinzessin")},
    {weiter, {15, 1}, N_("keine Ahnung")},
    {TextId::Angebot, {15, 4}, N_("Ein paar Tou-\n"
        "risten fragen\n"
        "nach einer Mit-\n"
        "fluggelegenheit")},
    {weiter, {15, 4}, N_("Einige Handels-\n"
        "leute wollen \n"
        "mit Dir mit-\n"
        "fliegen")},
    {weiter, {15, 4}, N_("Minenarbeiter\n"
        "moechten einen\n"
        "Ausflug machen.\n"
        "Mitnehmen ?")},
    {weiter, {15, 4}, N_("Geschaeftsleute\n"
        "fragen bei Dir\n"
        "nach einer Mit-\n"
        "fluggelegenheit")},
    {weiter, {15, 4}, N_("Soldaten auf \n"
        "der Rueckkehr\n"
        "vom Urlaub\n"
        "wollen zurueck")},
    {weiter, {15, 4}, N_("Zwielichtige\n"
        "Haendler bitten\n"
        "Dich um ein\n"
        "Flugticket.")},
    {weiter, {15, 4}, N_("Eine gesuchte\n"
        "Raeuberbande\n"
        "sucht einen\n"
        "Unterschlupf")},
    {weiter, {15, 4}, N_("Bewaffnete\n"
        "Volksbefreier\n"
        "suchen neuen\n"
        "Revolutionsort")},
    {weiter, {15, 7}, N_("Eine schoene\n"
        "Prinzessin auf\n"
        "der Flucht\n"
        "und ein Milch-\n"
        "gesicht\n"
        "unterbreiten\n"
        "Dir ein Angebot")},
    {weiter, {15, 8}, N_("Ein Greis mit\n"
        "brauner Kutte\n"
        "und ein Gruen-\n"
        "schnabel mit\n"
        "einem Laser-\n"
        "schwert wollen\n"
        "schnell nach\n"
        "Adlebaran")},
    {TextId::Geschichte, {15, 6}, N_("Sie stuerzen\n"
        "den Imperator\n"
        "von Aldebaran\n"
        "und zerstoeren\n"
        "seinen Todes-\n"
        "Stern")},
    {weiter, {15, 8}, N_("Der Begleiter\n"
        "der Prinzessin\n"
        "schluepft in\n"
        "eine schwarze\n"
        "Ruestung mit\n"
        "Atemgeraet und\n"
        "faengt einen\n"
        "Krieg an!")},
    {weiter, {15, 3}, N_("Die Revoluzzer\n"
        "zettlen eine\n"
        "Revolte an.")},
    {weiter, {15, 8}, N_("Gleich nach\n"
        "ihrer Ankunft\n"
        "werden die Ver-\n"
        "brecher ver-\n"
        "haftet. Du als\n"
        "Komplize auch.\n"
        "Kosten fuer\n"
        "freilassung :")},
    {TextId::Auftrag, {15, 29}, N_("Wir befinden   \n"
        "uns im Kriegs- \n"
        "zustand. An    \n"
        "allen Fronten  \n"
        "stehen unsere  \n"
        "Truppen in     \n"
        "haertestem Ge- \n"
        "fecht. Der Gen-\n"
        "eralstab bittet\n"
        "Sie daher uns  \n"
        "zu helfen. \n"
        "\n"
        "Im Sektor %c%c   \n"
        "sind feindliche\n"
        "Einheiten ge-  \n"
        "sichtet worden.\n"
        "\n"
        "Stellen Sie sie\n"
        "zum Kampf und  \n"
        "vernichten Sie \n"
        "soviele,wie Sie\n"
        "Nur koennen.   \n"
        "\n"
        "Fuer jedes aus-\n"
        "geschaltete    \n"
        "Feindschiff er-\n"
        "halten Sie eine\n"
        "stattliche Be- \n"
        "lohnung !      ")},
    {weiter, {15, 31}, N_("In allen Ecken \n"
        "unseres Stern- \n"
        "ensystems haben\n"
        "sich Aufstaend-\n"
        "ische zusammen-\n"
        "gerottet,um uns\n"
        "zu vernichten! \n"
        "Unser Staats-  \n"
        "fuehrer bittet \n"
        "Sie daher uns  \n"
        "zu helfen. \n"
        "\n"
        "Im Sektor %c%c   \n"
        "haben unsere   \n"
        "Geheimdienst-  \n"
        "leute feind-   \n"
        "liche Aktiv-   \n"
        "itaeten festge-\n"
        "stellt. Da die \n"
        "Kraefte unserer\n"
        "Armee derzeit  \n"
        "\n"
        "ueberlastet    \n"
        "sind,bitten wir\n"
        "sie um eine be-\n"
        "waffnete Auf-  \n"
        "klaerung in dem\n"
        "Gebiet !       \n"
        "Wir werden Sie \n"
        "reichlich ent- \n"
        "lohnen !       ")},
    {weiter, {15, 27}, N_("Die Vereinigung\n"
        "der Unternehmer\n"
        "von            \n"
        "%s\n"
        "Bittet Sie um  \n"
        "folgenden Ge-  \n"
        "fallen:        \n"
        "\n"
        "Im Sektor %c%c   \n"
        "hat unsere lie-\n"
        "be Konkurrenz  \n"
        "Raumschiffe    \n"
        "zusammengezogen\n"
        "um ihr Handels-\n"
        "Monopol zu     \n"
        "sichern.       \n"
        "Fliegen Sie mit\n"
        "Ihrem Schiff   \n"
        "dorthin und    \n"
        "mischen Sie den\n"
        "Laden gehoerig \n"
        "auf!           \n"
        "Wir werden Sie \n"
        "dafuer selbst- \n"
        "verstaendlich- \n"
        "ordentlich be- \n"
        "zahlen. ")},
    {weiter, {15, 32}, N_("Der gnaedige   \n"
        "durchlauchtige \n"
        "Imperator von  \n"
        "%s\n"
        "hat uns in     \n"
        "seiner Guete   \n"
        "beauftragt,    \n"
        "Euch folgende  \n"
        "Nachricht zu   \n"
        "ueberbringen : \n"
        "\n"
        "Im Sektor %c%c   \n"
        "hat die auf-   \n"
        "staendige Re-\n"
        "bellenallianz  \n"
        "einen Stuetz-  \n"
        "punkt errichtet\n"
        "\n"
        "Da die im-     \n"
        "periale Legion \n"
        "derzeit ander- \n"
        "weitig be-     \n"
        "schaeftigt ist,\n"
        "bitten wir Euch\n"
        "diese Sache    \n"
        "fuer uns zu    \n"
        "bereinigen !   \n"
        "\n"
        "Ein kraeftiges \n"
        "Heil auf den   \n"
        "grossen        \n"
        "Imperator !    ")},
    {weiter, {15, 27}, N_("Unser Lehnsherr\n"
        "der Koenig von \n"
        "%s\n"
        "bittet Sie fuer\n"
        "sein Reich eine\n"
        "Aufgabe zu     \n"
        "uebernehmen  : \n"
        "\n"
        "Im Sektor %c%c   \n"
        "sind Republik- \n"
        "treue Truppen  \n"
        "aufgetaucht,   \n"
        "die einen An-  \n"
        "schlag auf den \n"
        "Frieden und die\n"
        "Freiheit der   \n"
        "Untertanen des \n"
        "allerheiligsten\n"
        "Koenigs geplant\n"
        "haben. Helfen  \n"
        "Sie mit, diese \n"
        "Feinde unseres \n"
        "Landes zu be-  \n"
        "seitigen!      \n"
        "Wir werden     \n"
        "Euch reichlich \n"
        "belohnen !     ")},
    {weiter, {15, 28}, N_("Der Volks-\n"
        "kommisar fuer  \n"
        "die Landesver- \n"
        "teidigung      \n"
        "bittet Sie,Gen-\n"
        "osse Kosmonaut \n"
        "um folgenden   \n"
        "Gefallen :     \n"
        "\n"
        "Im Sektor %c%c   \n"
        "haben Sich Anh-\n"
        "aenger der Kon-\n"
        "terrevolution  \n"
        "verschanzt !   \n"
        "\n"
        "Wir werden     \n"
        "auch unsere    \n"
        "letzten Devisen\n"
        "dafuer auf-    \n"
        "bringen, dass  \n"
        "Sie diesem     \n"
        "Treiben ein    \n"
        "Ende setzen !  \n"
        "\n"
        "Voelker hoert\n"
        "die Signale,   \n"
        "auf zum letzten\n"
        "Gefecht !      ")},
    {weiter, {15, 21}, N_("Der Senat des  \n"
        "Volkes von    \n"
        "%s\n"
        "hat beschlossen\n"
        "dass es endlich\n"
        "an der Zeit ist\n"
        "dem Treiben der\n"
        "Piraten        \n"
        "im Sektor %c%c   \n"
        "ein Ende zu    \n"
        "bereiten. Mit  \n"
        "Ihrer Hilfe    \n"
        "hoffen wir,    \n"
        "\n"
        "koennen wir    \n"
        "diesen Halunken\n"
        "einfuerallemal \n"
        "den Garaus     \n"
        "machen. Reiche \n"
        "Belohnung      \n"
        "wartet auf Euch")},
    {weiter, {15, 11}, N_("Wir haben hier \n"
        "zwar eine      \n"
        "Kampfstation,  \n"
        "aber kaempfen  \n"
        "brauchen wir im\n"
        "Moment nicht.  \n"
        "\n"
        "Setzen Sie sich\n"
        "bitte und      \n"
        "nehmen Sie sich\n"
        "einen Keks.    ")},

    // --- Sol's bodies, the shipyard, the stations
    {TextId::SolKoerper, {10, 1, 2}, N_("Merkur")},
    {weiter, {10, 1, 2}, N_("Venus")},
    {weiter, {10, 1, 2}, N_("Erde")},
    {weiter, {10, 1, 2}, N_("Mond")},
    {weiter, {10, 1, 2}, N_("Mars")},
    {weiter, {10, 1, 2}, N_("Phobos")},
    {weiter, {10, 1, 2}, N_("Deimos")},
    {weiter, {10, 1, 2}, N_("Jupiter")},
    {weiter, {10, 1, 2}, N_("Io")},
    {weiter, {10, 1, 2}, N_("Europa")},
    {weiter, {10, 1, 2}, N_("Ganymed")},
    {weiter, {10, 1, 2}, N_("Callisto")},
    {weiter, {10, 1, 2}, N_("Saturn")},
    {weiter, {10, 1, 2}, N_("Mimas")},
    {weiter, {10, 1, 2}, N_("Enceladus")},
    {weiter, {10, 1, 2}, N_("Tethys")},
    {weiter, {10, 1, 2}, N_("Dione")},
    {weiter, {10, 1, 2}, N_("Rhea")},
    {weiter, {10, 1, 2}, N_("Titan")},
    {weiter, {10, 1, 2}, N_("Iapetus")},
    {weiter, {10, 1, 2}, N_("Phoebe")},
    {weiter, {10, 1, 2}, N_("Uranus")},
    {weiter, {10, 1, 2}, N_("Miranda")},
    {weiter, {10, 1, 2}, N_("Ariel")},
    {weiter, {10, 1, 2}, N_("Umbriel")},
    {weiter, {10, 1, 2}, N_("Titania")},
    {weiter, {10, 1, 2}, N_("Oberon")},
    {weiter, {10, 1, 2}, N_("Neptun")},
    {weiter, {10, 1, 2}, N_("Proteus")},
    {weiter, {10, 1, 2}, N_("Triton")},
    {weiter, {10, 1, 2}, N_("Nereide")},
    {weiter, {10, 1, 2}, N_("Pluto")},
    {weiter, {10, 1, 2}, N_("Charon")},
    {TextId::Werftangebot, {10, 1}, N_("Laser")},
    {weiter, {10, 1}, N_("Ionen")},
    {weiter, {10, 1}, N_("Photonen")},
    {weiter, {10, 1}, N_("Positronen")},
    {weiter, {10, 1}, N_("Kanonenldr")},
    {weiter, {10, 1}, N_("K-Speicher")},
    {weiter, {10, 1}, N_("Schidlader")},
    {weiter, {10, 1}, N_("S-Speicher")},
    {weiter, {10, 1}, N_("BergbauABS")},
    {weiter, {10, 1}, N_("Lenkrakete")},
    {weiter, {10, 1}, N_("Rk.-Abwehr")},
    {weiter, {10, 1}, N_("Gigabombe ")},
    {weiter, {10, 1}, N_("Laderaum ")},
    {TextId::Ausruestungszeile, {13, 1}, N_("Kanonenlader")},
    {weiter, {13, 1}, N_("K.-Speicher")},
    {weiter, {13, 1}, N_("Schildlader")},
    {weiter, {13, 1}, N_("S.-Speicher")},
    {weiter, {13, 2}, N_("Asteroiden-\n"
        "beschlg.   ")},
    {weiter, {13, 1}, N_("Lenkraketen")},
    {weiter, {13, 1}, N_("Gigabomben")},
    {weiter, {13, 1}, N_("Raketenabwehr")},
    {weiter, {13, 1}, N_("Laderaum")},
    {TextId::Kanonenname, {15, 1}, N_("keine")},
    {weiter, {15, 1}, N_("Laserkanone")},
    {weiter, {15, 1}, N_("Ionenkanone")},
    {weiter, {15, 1}, N_("Photonenkanone")},
    {weiter, {15, 1}, N_("Positronenkanone")},
    {TextId::Stationstitel, {15, 1}, N_("Handelsstation")},
    {weiter, {15, 1}, N_("Werftstation")},
    {weiter, {15, 1}, N_("Verkehrsstation")},
    {weiter, {15, 1}, N_("Kampfstation")},
    {TextId::Stationsbuchstabe, {1, 1, 1}, N_("H")},
    {weiter, {1, 1, 1}, N_("W")},
    {weiter, {1, 1, 1}, N_("V")},
    {weiter, {1, 1, 1}, N_("K")},

    // --- the settings screen's rows, and the actions
    {TextId::Einstellung, {22, 1}, N_("Sprache")},
    {weiter, {22, 1}, N_("Bildschirm")},
    {weiter, {22, 1}, N_("Aufloesung")},
    {weiter, {22, 1}, N_("Lautstaerke")},
    {weiter, {22, 1}, N_("Maus: Empfindlichkeit")},
    {weiter, {22, 1}, N_("Maus: hoch/runter um")},
    {weiter, {22, 1}, N_("Pad: tote Zone")},
    {weiter, {22, 1}, N_("Pad: hoch/runter um")},
    {weiter, {22, 1}, N_("Pause ohne Fokus")},
    {weiter, {22, 1}, N_("Alles wie am Anfang")},
    {weiter, {22, 1}, N_("Zurueck")},
    {TextId::Aktionsname, {22, 1}, N_("Schneller, Sprung")},
    {weiter, {22, 1}, N_("Langsamer, Waehlen")},
    {weiter, {22, 1}, N_("Stopp")},
    {weiter, {22, 1}, N_("Links")},
    {weiter, {22, 1}, N_("Rechts")},
    {weiter, {22, 1}, N_("Hoch")},
    {weiter, {22, 1}, N_("Runter")},
    {weiter, {22, 1}, N_("Nicht mehr drehen")},
    {weiter, {22, 1}, N_("Feuer")},
    {weiter, {22, 1}, N_("Lenkrakete")},
    {weiter, {22, 1}, N_("Raketenabwehr")},
    {weiter, {22, 1}, N_("Gigabombe")},
    {weiter, {22, 1}, N_("Rueckblick")},
    {weiter, {22, 1}, N_("Scheinwerfer")},
    {weiter, {22, 1}, N_("Sicht weiter")},
    {weiter, {22, 1}, N_("Sicht naeher")},
    {weiter, {22, 1}, N_("Pause an/aus")},
    {weiter, {22, 1}, N_("Spieloptionen")},
    {weiter, {22, 1}, N_("Anleitung, Ende")},
    {weiter, {22, 1}, N_("Spiel beenden")},
    {weiter, {22, 1}, N_("Bildschirmfoto")},

    // --- the words the cockpit's plates carry beside their lamp or arrow
    {TextId::Schild, {10, 1}, N_("Vorne")},
    {weiter, {10, 1}, N_("Hinten")},
    {weiter, {10, 1}, N_("Ein")},
    {weiter, {10, 1}, N_("Aus")},

    // --- what the screenshot key says, at the foot of the 3D view
    {TextId::Fotomeldung, {46, 1}, N_("Bildschirmfoto gespeichert")},
    {weiter, {46, 1}, N_("Bildschirmfoto: Festplatte voll")},
    {weiter, {46, 1}, N_("Bildschirmfoto: Ordner nicht beschreibbar")},
    {weiter, {46, 1}, N_("Bildschirmfoto fehlgeschlagen")},

    // --- how many pixels the picture is drawn with, on the settings screen
    {TextId::Aufloesung, {16, 1}, N_("automatisch")},
    {weiter, {16, 1}, N_("nativ")},
    {weiter, {16, 1}, N_("1024 x 768")},
};

// Each name stands at its place, each group member follows its group's
// first, and every name has its text.
consteval bool inDerOrdnung() {
    if (std::size(kTexte) != static_cast<std::size_t>(kTextAnzahl)) return false;
    for (std::size_t i = 0; i < std::size(kTexte); ++i) {
        if (kTexte[i].id != weiter && static_cast<std::size_t>(kTexte[i].id) != i) return false;
        if (i == 0 && kTexte[i].id == weiter) return false;
    }
    return true;
}
static_assert(inDerOrdnung(), "the texts must stand in the order of TextId");

}  // namespace

std::span<const Eintrag> alleTexte() { return kTexte; }

const Eintrag& eintrag(TextId id) {
    const auto i = static_cast<std::size_t>(id);
    return kTexte[i < std::size(kTexte) ? i : 0];
}
