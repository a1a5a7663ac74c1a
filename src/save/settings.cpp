#include "save/settings.h"

#include <set>

Belegung Belegung::standard() {
    Belegung b;
    for (int i = 0; i < kAktionen; ++i) {
        b.tasten_[static_cast<std::size_t>(i)] = kAktionszeilen[static_cast<std::size_t>(i)].tasten;
        b.knoepfe_[static_cast<std::size_t>(i)] = kAktionszeilen[static_cast<std::size_t>(i)].knopf;
    }
    return b;
}

std::optional<Aktion> Belegung::aktionDerTaste(int taste) const {
    if (taste <= 0) return std::nullopt;
    for (std::size_t i = 0; i < tasten_.size(); ++i) {
        for (const int t : tasten_[i]) {
            if (t == taste) return static_cast<Aktion>(i);
        }
    }
    return std::nullopt;
}

std::optional<Aktion> Belegung::aktionDesKnopfs(int knopf) const {
    if (knopf == pad::None) return std::nullopt;
    for (std::size_t i = 0; i < knoepfe_.size(); ++i) {
        if (knoepfe_[i] == knopf) return static_cast<Aktion>(i);
    }
    return std::nullopt;
}

Belegung::Ergebnis Belegung::bindeTaste(Aktion a, int taste, bool tauschen) {
    const auto anderer = aktionDerTaste(taste);
    const int alte = tasten_[index(a)][0];
    if (anderer && *anderer != a) {
        if (!tauschen) return Ergebnis::Abgelehnt;
        for (int& t : tasten_[index(*anderer)]) {
            if (t == taste) t = alte;
        }
    }
    tasten_[index(a)] = {taste, 0};
    return anderer && *anderer != a ? Ergebnis::Getauscht : Ergebnis::Belegt;
}

Belegung::Ergebnis Belegung::bindeKnopf(Aktion a, int knopf, bool tauschen) {
    const auto anderer = aktionDesKnopfs(knopf);
    if (anderer && *anderer != a) {
        if (!tauschen) return Ergebnis::Abgelehnt;
        knoepfe_[index(*anderer)] = knoepfe_[index(a)];
    }
    knoepfe_[index(a)] = knopf;
    return anderer && *anderer != a ? Ergebnis::Getauscht : Ergebnis::Belegt;
}

void Belegung::setze(Aktion a, const std::array<int, kTastenJeAktion>& tasten, int knopf) {
    tasten_[index(a)] = tasten;
    knoepfe_[index(a)] = knopf;
}

bool Belegung::gueltig() const {
    std::set<int> tasten, knoepfe;
    for (std::size_t i = 0; i < tasten_.size(); ++i) {
        bool eine = false;
        for (const int t : tasten_[i]) {
            if (t == 0) continue;
            if (t < 0 || t >= vk::Count || !tasten.insert(t).second) return false;
            eine = true;
        }
        if (!eine) return false;
        if (knoepfe_[i] != pad::None && !knoepfe.insert(knoepfe_[i]).second) return false;
    }
    return true;
}
