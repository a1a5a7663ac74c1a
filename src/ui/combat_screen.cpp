#include <span>

#include "ui/station_screens.h"

using namespace station_layout;

namespace {

// One line of a government's mission text: its text, or the system's name,
// or the text followed by the target cell; some lines stand after an empty
// one.
enum class Art { Text, Name, Sektor };

struct Zeile {
    GameText text;
    Art art = Art::Text;
    bool absatz = false;  // an empty line above it
};

constexpr Zeile kName{"~", Art::Name};
constexpr Zeile kSektor{"Im Sektor      ~", Art::Sektor, true};

constexpr Zeile kKrieg[] = {
    {"Wir befinden   ~"}, {"uns im Kriegs- ~"}, {"zustand. An    ~"}, {"allen Fronten  ~"},
    {"stehen unsere  ~"}, {"Truppen in     ~"}, {"haertestem Ge- ~"}, {"fecht. Der Gen-~"},
    {"eralstab bittet~"}, {"Sie daher uns  ~"}, {"zu helfen. ~"},     kSektor,
    {"sind feindliche~"}, {"Einheiten ge-  ~"}, {"sichtet worden.~"}, {"Stellen Sie sie~", Art::Text, true},
    {"zum Kampf und  ~"}, {"vernichten Sie ~"}, {"soviele,wie Sie~"}, {"Nur koennen.   ~"},
    {"Fuer jedes aus-~", Art::Text, true},      {"geschaltete    ~"}, {"Feindschiff er-~"},
    {"halten Sie eine~"}, {"stattliche Be- ~"}, {"lohnung !      ~"},
};

constexpr Zeile kUnruhen[] = {
    {"In allen Ecken ~"}, {"unseres Stern- ~"}, {"ensystems haben~"}, {"sich Aufstaend-~"},
    {"ische zusammen-~"}, {"gerottet,um uns~"}, {"zu vernichten! ~"}, {"Unser Staats-  ~"},
    {"fuehrer bittet ~"}, {"Sie daher uns  ~"}, {"zu helfen. ~"},     kSektor,
    {"haben unsere   ~"}, {"Geheimdienst-  ~"}, {"leute feind-   ~"}, {"liche Aktiv-   ~"},
    {"itaeten festge-~"}, {"stellt. Da die ~"}, {"Kraefte unserer~"}, {"Armee derzeit  ~"},
    {"ueberlastet    ~", Art::Text, true},      {"sind,bitten wir~"}, {"sie um eine be-~"},
    {"waffnete Auf-  ~"}, {"klaerung in dem~"}, {"Gebiet !       ~"}, {"Wir werden Sie ~"},
    {"reichlich ent- ~"}, {"lohnen !       ~"},
};

constexpr Zeile kAnarchie[] = {
    {"Die Vereinigung~"}, {"der Unternehmer~"}, {"von            ~"}, kName,
    {"Bittet Sie um  ~"}, {"folgenden Ge-  ~"}, {"fallen:        ~"}, kSektor,
    {"hat unsere lie-~"}, {"be Konkurrenz  ~"}, {"Raumschiffe    ~"}, {"zusammengezogen~"},
    {"um ihr Handels-~"}, {"Monopol zu     ~"}, {"sichern.       ~"}, {"Fliegen Sie mit~"},
    {"Ihrem Schiff   ~"}, {"dorthin und    ~"}, {"mischen Sie den~"}, {"Laden gehoerig ~"},
    {"auf!           ~"}, {"Wir werden Sie ~"}, {"dafuer selbst- ~"}, {"verstaendlich- ~"},
    {"ordentlich be- ~"}, {"zahlen. ~"},
};

constexpr Zeile kDespotie[] = {
    {"Der gnaedige   ~"}, {"durchlauchtige ~"}, {"Imperator von  ~"}, kName,
    {"hat uns in     ~"}, {"seiner Guete   ~"}, {"beauftragt,    ~"}, {"Euch folgende  ~"},
    {"Nachricht zu   ~"}, {"ueberbringen : ~"}, kSektor,              {"hat die auf-   ~"},
    {"staendige Re-~"},   {"bellenallianz  ~"}, {"einen Stuetz-  ~"}, {"punkt errichtet~"},
    {"Da die im-     ~", Art::Text, true},      {"periale Legion ~"}, {"derzeit ander- ~"},
    {"weitig be-     ~"}, {"schaeftigt ist,~"}, {"bitten wir Euch~"}, {"diese Sache    ~"},
    {"fuer uns zu    ~"}, {"bereinigen !   ~"}, {"Ein kraeftiges ~", Art::Text, true},
    {"Heil auf den   ~"}, {"grossen        ~"}, {"Imperator !    ~"},
};

constexpr Zeile kMonarchie[] = {
    {"Unser Lehnsherr~"}, {"der Koenig von ~"}, kName,                {"bittet Sie fuer~"},
    {"sein Reich eine~"}, {"Aufgabe zu     ~"}, {"uebernehmen  : ~"}, kSektor,
    {"sind Republik- ~"}, {"treue Truppen  ~"}, {"aufgetaucht,   ~"}, {"die einen An-  ~"},
    {"schlag auf den ~"}, {"Frieden und die~"}, {"Freiheit der   ~"}, {"Untertanen des ~"},
    {"allerheiligsten~"}, {"Koenigs geplant~"}, {"haben. Helfen  ~"}, {"Sie mit, diese ~"},
    {"Feinde unseres ~"}, {"Landes zu be-  ~"}, {"seitigen!      ~"}, {"Wir werden     ~"},
    {"Euch reichlich ~"}, {"belohnen !     ~"},
};

constexpr Zeile kKommunismus[] = {
    {"Der Volks-~"},      {"kommisar fuer  ~"}, {"die Landesver- ~"}, {"teidigung      ~"},
    {"bittet Sie,Gen-~"}, {"osse Kosmonaut ~"}, {"um folgenden   ~"}, {"Gefallen :     ~"},
    kSektor,              {"haben Sich Anh-~"}, {"aenger der Kon-~"}, {"terrevolution  ~"},
    {"verschanzt !   ~"}, {"Wir werden     ~", Art::Text, true},      {"auch unsere    ~"},
    {"letzten Devisen~"}, {"dafuer auf-    ~"}, {"bringen, dass  ~"}, {"Sie diesem     ~"},
    {"Treiben ein    ~"}, {"Ende setzen !  ~"}, {"Voelker hoert~", Art::Text, true},
    {"die Signale,   ~"}, {"auf zum letzten~"}, {"Gefecht !      ~"},
};

constexpr Zeile kRepublik[] = {
    {"Der Senat des  ~"}, {"Volkes von    ~"},  kName,                {"hat beschlossen~"},
    {"dass es endlich~"}, {"an der Zeit ist~"}, {"dem Treiben der~"}, {"Piraten        ~"},
    {"im Sektor      ~", Art::Sektor},          {"ein Ende zu    ~"}, {"bereiten. Mit  ~"},
    {"Ihrer Hilfe    ~"}, {"hoffen wir,    ~"}, {"koennen wir    ~", Art::Text, true},
    {"diesen Halunken~"}, {"einfuerallemal ~"}, {"den Garaus     ~"}, {"machen. Reiche ~"},
    {"Belohnung      ~"}, {"wartet auf Euch~"},
};

constexpr Zeile kDemokratie[] = {
    {"Wir haben hier ~"}, {"zwar eine      ~"}, {"Kampfstation,  ~"}, {"aber kaempfen  ~"},
    {"brauchen wir im~"}, {"Moment nicht.  ~"}, {"Setzen Sie sich~", Art::Text, true},
    {"bitte und      ~"}, {"nehmen Sie sich~"}, {"einen Keks.    ~"},
};

constexpr std::span<const Zeile> kAuftrag[8] = {
    kKrieg, kUnruhen, kAnarchie, kDespotie, kMonarchie, kKommunismus, kRepublik, kDemokratie,
};

constexpr int kErsteZeile = 88;

}  // namespace

void drawCombatScreen(TextLayer& t, const GameState& s) {
    const Stern& stern = s.aktuellerStern();
    t.Text(kSpalte, 8, stern.name);
    t.Text(kSpalte, 24, GameText("Kampfstation~"));
    t.Text(kSpalte, 40, GameText("============~"));
    int y = kErsteZeile;
    for (const Zeile& zeile : kAuftrag[regierung(stern)]) {
        if (zeile.absatz) y += kZeile;
        t.Text(kSpalte, y, zeile.art == Art::Name ? stern.name : zeile.text);
        if (zeile.art == Art::Sektor) {
            t.Zeichen(936, y, static_cast<int>('A' + s.aufgabeP));
            t.Zeichen(952, y, static_cast<int>('0' + s.aufgabeM));
        }
        y += kZeile;
    }
}
