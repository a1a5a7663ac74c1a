#include "world/star_catalogue.h"

namespace {

constexpr std::string_view kBesonderheit[] = {"keine", "Doppelstern", "Veraenderlicher"};
static_assert(std::size(kBesonderheit) == static_cast<int>(Besonderheit::Anzahl));

}  // namespace

std::string_view besonderheitName(Besonderheit besond) { return kBesonderheit[static_cast<int>(besond)]; }
