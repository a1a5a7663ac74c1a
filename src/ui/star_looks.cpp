#include "ui/star_looks.h"

namespace {

constexpr Sternaussehen kZwerg{4, lpSonne2Texture, 3.0f, lpSonne2Texture};

// By Sternentyp.
constexpr Sternaussehen kAussehen[] = {
    {3, lpSonne1Texture, 4.0f, lpSonne1Texture},  // Normal
    kZwerg,                                       // RoterZwerg
    {2, lpSonne3Texture, 6.0f, lpSonne3Texture},  // BlauerRiese
    {5, lpSonne2Texture, 5.0f, lpSonne2Texture},  // RoterRiese
    {2, lpSonne4Texture, 7.0f, lpSonne4Texture},  // WeisserRiese
    kZwerg,                                       // BraunerZwerg
    kZwerg,                                       // NormalKlein
};
static_assert(std::size(kAussehen) == static_cast<std::size_t>(Sternentyp::Anzahl));

}  // namespace

const Sternaussehen& aussehen(Sternentyp typ) {
    const auto i = static_cast<std::size_t>(typ);
    return kAussehen[i < std::size(kAussehen) ? i : 0];
}
