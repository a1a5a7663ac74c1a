// The star catalogue: every system the game knows, grouped by constellation
// from the celestial north pole to the south pole. Columns: name, star type,
// feature, constellation, size (sun = 1), outermost planet, declination
// (degrees), right ascension (hours).

#include "world/star_catalogue.h"

namespace {
using Typ = Sternentyp;
using Bes = Besonderheit;
using Bild = Sternbild;
}  // namespace

const std::array<CatalogueEntry, kSternAnzahl> kKatalog = {{
    {"Sol", Typ::Normal, Bes::Keine, Bild::Keines, 1.0f, 8, 3.0f, 11.5f},  // 0
    {"Polaris", Typ::WeisserRiese, Bes::Keine, Bild::KleinerBaer, 300.0f, 23, 89.5f, 12.0f},  // 1
    {"Delta Ursae Minoris", Typ::Normal, Bes::Keine, Bild::KleinerBaer, 2.8f, 19, 86.59f, 17.54f},  // 2
    {"Epsilon Ursae Minoris", Typ::BraunerZwerg, Bes::Keine, Bild::KleinerBaer, 0.2f, 3, 81.0f, 16.8f},  // 3
    {"Zeta Ursae Minoris", Typ::Normal, Bes::Keine, Bild::KleinerBaer, 3.0f, 20, 77.79f, 15.73f},  // 4
    {"Eta Ursae Minoris", Typ::Normal, Bes::Keine, Bild::KleinerBaer, 1.6f, 20, 75.76f, 16.29f},  // 5
    {"Pherkad", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::KleinerBaer, 15.0f, 14, 71.83f, 15.35f},  // 6
    {"Kochab", Typ::RoterRiese, Bes::Keine, Bild::KleinerBaer, 600.0f, 23, 73.5f, 14.95f},  // 7
    {"Thuban", Typ::WeisserRiese, Bes::Doppelstern, Bild::Drache, 4.3f, 22, 64.38f, 14.07f},  // 8
    {"Alwaid", Typ::Normal, Bes::Keine, Bild::Drache, 10.0f, 14, 52.3f, 17.51f},  // 9
    {"Jota Draconis", Typ::RoterZwerg, Bes::Keine, Bild::Drache, 0.55f, 4, 58.97f, 15.42f},  // 10
    {"Theta Draconis", Typ::Normal, Bes::Keine, Bild::Drache, 2.1f, 15, 58.56f, 16.03f},  // 11
    {"Eta Draconis", Typ::Normal, Bes::Doppelstern, Bild::Drache, 5.5f, 5, 61.51f, 16.4f},  // 12
    {"Zeta Draconis", Typ::BlauerRiese, Bes::Keine, Bild::Drache, 6.0f, 6, 65.71f, 17.15f},  // 13
    {"Omega Draconis", Typ::Normal, Bes::Keine, Bild::Drache, 1.5f, 21, 68.76f, 17.62f},  // 14
    {"Chi Draconis", Typ::Normal, Bes::Keine, Bild::Drache, 1.2f, 22, 72.73f, 18.35f},  // 15
    {"Tau Draconis", Typ::RoterZwerg, Bes::Keine, Bild::Drache, 0.45f, 13, 73.36f, 19.26f},  // 16
    {"Epsilon Draconis", Typ::Normal, Bes::Doppelstern, Bild::Drache, 10.0f, 14, 70.27f, 19.8f},  // 17
    {"Delta Draconis", Typ::Normal, Bes::Keine, Bild::Drache, 5.5f, 15, 67.66f, 19.21f},  // 18
    {"Grumium", Typ::RoterZwerg, Bes::Keine, Bild::Drache, 0.7f, 3, 56.87f, 17.89f},  // 19
    {"Kuma", Typ::NormalKlein, Bes::Doppelstern, Bild::Drache, 3.0f, 14, 55.0f, 17.55f},  // 20
    {"Alwaid", Typ::Normal, Bes::Doppelstern, Bild::Drache, 2.0f, 22, 54.47f, 17.09f},  // 21
    {"Etamin", Typ::RoterRiese, Bes::Keine, Bild::Drache, 48.0f, 20, 51.49f, 17.94f},  // 22
    {"Kappa Draconis", Typ::Normal, Bes::Veraenderlicher, Bild::Drache, 6.0f, 17, 69.79f, 12.56f},  // 23
    {"Rotasin", Typ::RoterZwerg, Bes::Keine, Bild::Drache, 0.25f, 5, 69.33f, 11.52f},  // 24
    {"Jasir", Typ::RoterZwerg, Bes::Keine, Bild::Drache, 0.7f, 11, 66.2f, 13.05f},  // 25
    {"Kaprur", Typ::Normal, Bes::Keine, Bild::Drache, 1.3f, 10, 62.4f, 15.1f},  // 26
    {"Palantir", Typ::RoterZwerg, Bes::Keine, Bild::Drache, 0.3f, 8, 60.8f, 18.8f},  // 27
    {"Gamma Cameloparadalis", Typ::Normal, Bes::Keine, Bild::Giraffe, 3.5f, 4, 71.33f, 3.84f},  // 28
    {"Alpha Cameloparadalis", Typ::BlauerRiese, Bes::Keine, Bild::Giraffe, 30.0f, 12, 66.34f, 4.9f},  // 29
    {"Beta Cameloparadalis", Typ::Normal, Bes::Keine, Bild::Giraffe, 10.0f, 6, 60.44f, 5.06f},  // 30
    {"Salur", Typ::RoterZwerg, Bes::Keine, Bild::Giraffe, 0.7f, 11, 70.1f, 6.5f},  // 31
    {"Kypr", Typ::BraunerZwerg, Bes::Keine, Bild::Giraffe, 0.2f, 6, 76.2f, 7.45f},  // 32
    {"Zyrkar", Typ::RoterZwerg, Bes::Keine, Bild::Giraffe, 0.15f, 10, 57.5f, 4.3f},  // 33
    {"Tetha Cephei", Typ::Normal, Bes::Keine, Bild::Cepheus, 2.4f, 5, 62.99f, 20.49f},  // 34
    {"Eta Cephei", Typ::Normal, Bes::Keine, Bild::Cepheus, 4.0f, 13, 61.84f, 20.75f},  // 35
    {"Alderamin", Typ::WeisserRiese, Bes::Keine, Bild::Cepheus, 2.5f, 12, 62.59f, 21.31f},  // 36
    {"Beta Cephei", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Cepheus, 6.5f, 8, 70.56f, 21.48f},  // 37
    {"Gamma Cephei", Typ::Normal, Bes::Doppelstern, Bild::Cepheus, 4.9f, 10, 77.63f, 23.66f},  // 38
    {"Jota Cephei", Typ::RoterZwerg, Bes::Keine, Bild::Cepheus, 0.7f, 9, 66.2f, 22.83f},  // 39
    {"Zeta Cephei", Typ::RoterRiese, Bes::Keine, Bild::Cepheus, 100.0f, 21, 58.2f, 22.18f},  // 40
    {"Segin", Typ::BlauerRiese, Bes::Keine, Bild::Cassiopaia, 7.0f, 20, 63.67f, 1.91f},  // 41
    {"Ksora", Typ::Normal, Bes::Veraenderlicher, Bild::Cassiopeia, 3.9f, 5, 60.24f, 1.43f},  // 42
    {"Cih", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Cassiopeia, 350.0f, 13, 60.0f, 1.0f},  // 43
    {"Schedir", Typ::RoterRiese, Bes::Keine, Bild::Cassiopeia, 42.0f, 17, 56.54f, 0.68f},  // 44
    {"Caph", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::Cassiopeia, 3.5f, 16, 59.15f, 0.15f},  // 45
    {"Benetnash", Typ::BlauerRiese, Bes::Keine, Bild::GrosserBaer, 5.0f, 21, 49.31f, 13.79f},  // 46
    {"Mizar", Typ::Normal, Bes::Doppelstern, Bild::GrosserBaer, 2.4f, 17, 54.93f, 13.4f},  // 47
    {"Alcor", Typ::NormalKlein, Bes::Doppelstern, Bild::GrosserBaer, 1.8f, 22, 54.99f, 13.42f},  // 48
    {"Alioth", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::GrosserBaer, 4.1f, 17, 55.96f, 12.9f},  // 49
    {"Megrez", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 1.4f, 12, 57.03f, 12.26f},  // 50
    {"Phekda", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 3.0f, 11, 53.69f, 11.9f},  // 51
    {"Merak", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 3.0f, 11, 56.38f, 11.03f},  // 52
    {"Dubhe", Typ::RoterRiese, Bes::Doppelstern, Bild::GrosserBaer, 30.0f, 17, 61.75f, 11.06f},  // 53
    {"Ursa Major 24", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 3.5f, 8, 69.83f, 9.57f},  // 54
    {"Omnikron Ursae Majoris", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 10.0f, 9, 60.72f, 8.5f},  // 55
    {"Ursa Major 23", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 2.5f, 9, 63.06f, 9.53f},  // 56
    {"Ypsilon Ursae Majoris", Typ::Normal, Bes::Veraenderlicher, Bild::GrosserBaer, 3.0f, 12, 59.04f, 9.85f},  // 57
    {"Phi Ursae Majoris", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 3.5f, 7, 54.06f, 9.87f},  // 58
    {"Theta Ursae Majoris", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 2.4f, 10, 51.68f, 9.55f},  // 59
    {"Jota Ursae Majoris", Typ::Normal, Bes::Doppelstern, Bild::GrosserBaer, 2.2f, 16, 48.04f, 8.99f},  // 60
    {"Kappa Ursae Majoris", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 2.5f, 15, 47.16f, 9.06f},  // 61
    {"Lambda Ursae Majoris", Typ::Normal, Bes::Keine, Bild::GrosserBaer, 2.7f, 3, 42.91f, 10.28f},  // 62
    {"Mue Ursae Majoris", Typ::RoterRiese, Bes::Veraenderlicher, Bild::GrosserBaer, 75.0f, 20, 41.5f, 10.37f},  // 63
    {"Psi Ursae Majoris", Typ::RoterZwerg, Bes::Keine, Bild::GrosserBaer, 0.7f, 2, 44.5f, 11.16f},  // 64
    {"Chi Ursae Majoris", Typ::RoterZwerg, Bes::Keine, Bild::GrosserBaer, 0.1f, 4, 47.78f, 11.77f},  // 65
    {"Asterion", Typ::Normal, Bes::Keine, Bild::Jagdhunde, 1.1f, 3, 41.36f, 12.56f},  // 66
    {"Cor Caroli", Typ::Normal, Bes::Doppelstern, Bild::Jagdhunde, 2.5f, 11, 38.32f, 12.93f},  // 67
    {"Alamak", Typ::RoterRiese, Bes::Doppelstern, Bild::Andromeda, 80.0f, 17, 42.33f, 2.07f},  // 68
    {"Mirach", Typ::RoterRiese, Bes::Keine, Bild::Andromeda, 100.0f, 15, 35.62f, 1.16f},  // 69
    {"Sirrah", Typ::Normal, Bes::Doppelstern, Bild::Andromeda, 5.0f, 7, 29.09f, 0.14f},  // 70
    {"Delta Andromedare", Typ::RoterZwerg, Bes::Keine, Bild::Andromeda, 0.15f, 7, 30.86f, 0.66f},  // 71
    {"Mue Andromedae", Typ::Normal, Bes::Keine, Bild::Andromeda, 2.4f, 18, 38.5f, 0.95f},  // 72
    {"Nue Andromedae", Typ::Normal, Bes::Keine, Bild::Andromeda, 4.0f, 9, 41.08f, 0.83f},  // 73
    {"Metallah", Typ::Normal, Bes::Keine, Bild::Dreieck, 2.0f, 11, 29.58f, 1.88f},  // 74
    {"Beta Triangulum", Typ::WeisserRiese, Bes::Doppelstern, Bild::Dreieck, 3.5f, 23, 34.99f, 2.16f},  // 75
    {"Gamma Triangulum", Typ::Normal, Bes::Keine, Bild::Dreieck, 2.0f, 22, 33.85f, 2.29f},  // 76
    {"Delta Triangulum", Typ::Normal, Bes::Keine, Bild::Dreieck, 1.0f, 20, 34.22f, 2.28f},  // 77
    {"Markab", Typ::WeisserRiese, Bes::Keine, Bild::Pegasus, 4.7f, 24, 15.21f, 23.08f},  // 78
    {"Scheat", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Pegasus, 95.0f, 9, 28.08f, 23.06f},  // 79
    {"Algenlib", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Pegasus, 5.0f, 20, 15.18f, 0.22f},  // 80
    {"Matar", Typ::Normal, Bes::Doppelstern, Bild::Pegasus, 10.0f, 5, 30.22f, 22.72f},  // 81
    {"Pi Pegasi", Typ::Normal, Bes::Keine, Bild::Pegasus, 4.0f, 4, 33.18f, 22.17f},  // 82
    {"Jota Pegasi", Typ::Normal, Bes::Keine, Bild::Pegasus, 1.3f, 11, 25.35f, 22.12f},  // 83
    {"Kappa Pegasi", Typ::Normal, Bes::Keine, Bild::Pegasus, 2.0f, 16, 25.65f, 21.74f},  // 84
    {"Enif", Typ::RoterRiese, Bes::Keine, Bild::Pegasus, 185.0f, 21, 9.88f, 21.74f},  // 85
    {"Theta Pegasi", Typ::Normal, Bes::Keine, Bild::Pegasus, 2.4f, 14, 6.2f, 22.17f},  // 86
    {"Zeta Pegasi", Typ::Normal, Bes::Keine, Bild::Pegasus, 5.0f, 11, 10.83f, 22.69f},  // 87
    {"Xi Pegasi", Typ::Normal, Bes::Keine, Bild::Pegasus, 1.7f, 17, 12.17f, 22.78f},  // 88
    {"Aries 41", Typ::Normal, Bes::Keine, Bild::Widder, 3.0f, 11, 27.26f, 3.25f},  // 89
    {"Hamal", Typ::RoterRiese, Bes::Keine, Bild::Widder, 20.0f, 10, 23.46f, 2.12f},  // 90
    {"Sheratan", Typ::Normal, Bes::Doppelstern, Bild::Widder, 2.0f, 19, 20.81f, 1.91f},  // 91
    {"Mersathim", Typ::Normal, Bes::Doppelstern, Bild::Widder, 2.0f, 9, 19.29f, 1.89f},  // 92
    {"Botein", Typ::RoterZwerg, Bes::Keine, Bild::Widder, 0.15f, 14, 19.73f, 3.19f},  // 93
    {"Alrisha", Typ::Normal, Bes::Doppelstern, Bild::Fische, 2.5f, 4, 2.76f, 2.03f},  // 94
    {"Omnikron Piscium", Typ::Normal, Bes::Keine, Bild::Fische, 10.0f, 11, 9.16f, 1.76f},  // 95
    {"Eta Piscium", Typ::Normal, Bes::Keine, Bild::Fische, 10.0f, 17, 15.35f, 1.52f},  // 96
    {"Chi Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.15f, 10, 21.03f, 1.19f},  // 97
    {"Phi Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.7f, 7, 24.58f, 1.23f},  // 98
    {"Ypsilon Piscium", Typ::Normal, Bes::Keine, Bild::Fische, 2.0f, 11, 27.26f, 1.32f},  // 99
    {"Tau Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.25f, 7, 30.09f, 1.19f},  // 100
    {"Xi Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.6f, 10, 3.19f, 1.89f},  // 101
    {"Nue Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.8f, 9, 5.49f, 1.69f},  // 102
    {"Mue Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.15f, 4, 6.14f, 1.5f},  // 103
    {"Zeta Piscuim", Typ::Normal, Bes::Doppelstern, Bild::Fische, 2.0f, 20, 7.58f, 1.23f},  // 104
    {"Epsilon Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.15f, 9, 7.89f, 1.05f},  // 105
    {"Delta Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.1f, 8, 7.59f, 0.81f},  // 106
    {"Omega Piscium", Typ::Normal, Bes::Keine, Bild::Fische, 2.0f, 18, 6.86f, 23.99f},  // 107
    {"Jota Piscium", Typ::Normal, Bes::Keine, Bild::Fische, 1.7f, 22, 5.63f, 23.67f},  // 108
    {"Beta Piscium", Typ::Normal, Bes::Keine, Bild::Fische, 4.0f, 11, 3.82f, 23.06f},  // 109
    {"Theta Piscuim", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.1f, 10, 6.38f, 23.47f},  // 110
    {"Pisces 7", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.9f, 11, 5.38f, 23.34f},  // 111
    {"Gamma Piscium", Typ::RoterZwerg, Bes::Keine, Bild::Fische, 0.3f, 14, 3.28f, 23.29f},  // 112
    {"Kappa Piscium", Typ::Normal, Bes::Veraenderlicher, Bild::Fische, 2.0f, 19, 1.26f, 23.45f},  // 113
    {"Lambda Piscium", Typ::Normal, Bes::Keine, Bild::Fische, 1.8f, 22, 1.78f, 23.7f},  // 114
    {"Omega Aquarii", Typ::Normal, Bes::Keine, Bild::Wassermann, 1.9f, 7, -14.22f, 23.66f},  // 115
    {"Aquarius 98", Typ::RoterZwerg, Bes::Keine, Bild::Wassermann, 0.8f, 14, -20.1f, 23.38f},  // 116
    {"Aquarius 88", Typ::RoterZwerg, Bes::Keine, Bild::Wassermann, 0.25f, 4, -21.17f, 23.16f},  // 117
    {"Skat", Typ::Normal, Bes::Keine, Bild::Wassermann, 2.4f, 18, -15.82f, 22.91f},  // 118
    {"Tau Aquarii", Typ::RoterZwerg, Bes::Keine, Bild::Wassermann, 0.3f, 4, -13.59f, 22.83f},  // 119
    {"Lambda Aquarii", Typ::Normal, Bes::Veraenderlicher, Bild::Wassermann, 10.0f, 14, -7.58f, 22.88f},  // 120
    {"Ancha", Typ::Normal, Bes::Keine, Bild::Wassermann, 10.0f, 22, -7.78f, 22.28f},  // 121
    {"Sadalachbia", Typ::Normal, Bes::Doppelstern, Bild::Wassermann, 2.4f, 11, -1.39f, 22.36f},  // 122
    {"Sadalmelek", Typ::RoterRiese, Bes::Keine, Bild::Wassermann, 53.0f, 22, -0.32f, 22.1f},  // 123
    {"Jota Aquarii", Typ::Normal, Bes::Keine, Bild::Wassermann, 2.5f, 9, -13.87f, 22.11f},  // 124
    {"Sadalsud", Typ::RoterRiese, Bes::Keine, Bild::Wassermann, 50.0f, 14, -5.57f, 21.53f},  // 125
    {"Nue Aquarii", Typ::RoterZwerg, Bes::Keine, Bild::Wassermann, 0.35f, 9, -11.37f, 21.16f},  // 126
    {"Epsilon Aquarii", Typ::Normal, Bes::Keine, Bild::Wassermann, 2.5f, 4, -9.5f, 20.79f},  // 127
    {"Gamma Capricorni", Typ::Normal, Bes::Veraenderlicher, Bild::Steinbock, 2.5f, 9, -16.66f, 21.67f},  // 128
    {"Algiedi", Typ::Normal, Bes::Doppelstern, Bild::Steinbock, 10.0f, 11, -12.54f, 20.3f},  // 129
    {"Epsilon Capricorni", Typ::Normal, Bes::Veraenderlicher, Bild::Steinbock, 5.0f, 8, -19.47f, 21.62f},  // 130
    {"Zeta Capricorni", Typ::Normal, Bes::Keine, Bild::Steinbock, 10.0f, 5, -22.41f, 21.44f},  // 131
    {"Capricornus 24", Typ::RoterZwerg, Bes::Keine, Bild::Steinbock, 0.55f, 9, -25.01f, 21.12f},  // 132
    {"Eta Capricorni", Typ::Normal, Bes::Keine, Bild::Steinbock, 1.9f, 17, -19.86f, 21.07f},  // 133
    {"Omega Capricorni", Typ::RoterZwerg, Bes::Keine, Bild::Steinbock, 0.1f, 11, -26.92f, 20.86f},  // 134
    {"Psi Capricorni", Typ::Normal, Bes::Keine, Bild::Steinbock, 1.5f, 18, -25.27f, 20.77f},  // 135
    {"Theta Capricorni", Typ::Normal, Bes::Keine, Bild::Steinbock, 2.3f, 7, -17.23f, 21.1f},  // 136
    {"Jota Capricorni", Typ::RoterZwerg, Bes::Keine, Bild::Steinbock, 0.45f, 14, -16.83f, 21.37f},  // 137
    {"Pi Capricorni", Typ::Normal, Bes::Keine, Bild::Steinbock, 5.0f, 13, -18.21f, 20.46f},  // 138
    {"Dabih", Typ::Normal, Bes::Doppelstern, Bild::Steinbock, 10.0f, 10, -14.78f, 20.35f},  // 139
    {"Gredi", Typ::Normal, Bes::Doppelstern, Bild::Steinbock, 10.0f, 22, -12.51f, 20.29f},  // 140
    {"Menkar", Typ::RoterRiese, Bes::Keine, Bild::Walfisch, 89.0f, 14, 4.09f, 3.04f},  // 141
    {"Lambda Ceti", Typ::Normal, Bes::Keine, Bild::Walfisch, 5.0f, 14, 8.91f, 3.0f},  // 142
    {"Mue Ceti", Typ::Normal, Bes::Keine, Bild::Walfisch, 2.0f, 17, 10.11f, 2.75f},  // 143
    {"Xi Ceti", Typ::Normal, Bes::Keine, Bild::Walfisch, 3.0f, 8, 8.46f, 2.47f},  // 144
    {"Nue Ceti", Typ::RoterZwerg, Bes::Keine, Bild::Walfisch, 0.9f, 8, 5.59f, 2.6f},  // 145
    {"Gamma Ceti", Typ::Normal, Bes::Doppelstern, Bild::Walfisch, 1.9f, 4, 3.24f, 2.72f},  // 146
    {"Delta Ceti", Typ::Normal, Bes::Veraenderlicher, Bild::Walfisch, 5.0f, 8, 0.33f, 2.66f},  // 147
    {"Mira", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Walfisch, 330.0f, 18, -2.98f, 2.32f},  // 148
    {"Baten Kaitos", Typ::Normal, Bes::Keine, Bild::Walfisch, 10.0f, 13, -10.34f, 1.86f},  // 149
    {"Tau Ceti", Typ::Normal, Bes::Keine, Bild::Walfisch, 0.8f, 12, -15.94f, 1.73f},  // 150
    {"Ypsilon Ceti", Typ::RoterZwerg, Bes::Keine, Bild::Walfisch, 0.4f, 10, -21.08f, 2.0f},  // 151
    {"Theta Ceti", Typ::RoterZwerg, Bes::Keine, Bild::Walfisch, 0.35f, 8, -8.18f, 1.4f},  // 152
    {"Jota Ceti", Typ::RoterZwerg, Bes::Keine, Bild::Walfisch, 0.45f, 14, -8.82f, 0.32f},  // 153
    {"Deneb Kaitos", Typ::RoterRiese, Bes::Keine, Bild::Walfisch, 20.0f, 10, -17.99f, 0.73f},  // 154
    {"Alpha Sculptoris", Typ::Normal, Bes::Veraenderlicher, Bild::Bildhauer, 5.0f, 19, -29.36f, 0.98f},  // 155
    {"Delta Sculptoris", Typ::Normal, Bes::Keine, Bild::Bildhauer, 2.0f, 20, -28.13f, 23.82f},  // 156
    {"Gamma Sculptoris", Typ::RoterZwerg, Bes::Keine, Bild::Bildhauer, 0.4f, 3, -32.53f, 23.31f},  // 157
    {"Beta Sculptoris", Typ::Normal, Bes::Keine, Bild::Bildhauer, 2.5f, 7, -37.82f, 23.55f},  // 158
    {"Alpha Fornakis", Typ::Normal, Bes::Doppelstern, Bild::ChemischerOfen, 2.0f, 6, -28.99f, 3.2f},  // 159
    {"Beta Fornakis", Typ::RoterZwerg, Bes::Keine, Bild::ChemischerOfen, 0.8f, 4, -32.41f, 2.82f},  // 160
    {"Nue Fornakis", Typ::Normal, Bes::Veraenderlicher, Bild::ChemischerOfen, 3.0f, 9, -29.3f, 2.07f},  // 161
    {"Miram", Typ::RoterRiese, Bes::Doppelstern, Bild::Perseus, 100.0f, 19, 55.9f, 2.85f},  // 162
    {"Gamma Persei", Typ::Normal, Bes::Doppelstern, Bild::Perseus, 10.0f, 7, 53.51f, 3.08f},  // 163
    {"Algenlib", Typ::WeisserRiese, Bes::Keine, Bild::Perseus, 68.0f, 13, 49.86f, 3.41f},  // 164
    {"Psi Persei", Typ::Normal, Bes::Keine, Bild::Perseus, 5.0f, 13, 48.19f, 3.61f},  // 165
    {"Gamma Persei", Typ::Normal, Bes::Keine, Bild::Perseus, 7.0f, 17, 47.79f, 3.72f},  // 166
    {"Nue Persei", Typ::Normal, Bes::Keine, Bild::Perseus, 10.0f, 17, 42.58f, 3.75f},  // 167
    {"Epsilon Persei", Typ::BlauerRiese, Bes::Doppelstern, Bild::Perseus, 6.5f, 14, 40.01f, 3.96f},  // 168
    {"Xi Persei", Typ::BlauerRiese, Bes::Keine, Bild::Perseus, 14.0f, 15, 35.79f, 3.98f},  // 169
    {"Menkhib", Typ::BlauerRiese, Bes::Keine, Bild::Perseus, 26.0f, 14, 31.88f, 3.9f},  // 170
    {"Atiks", Typ::BlauerRiese, Bes::Doppelstern, Bild::Perseus, 7.0f, 15, 32.29f, 3.74f},  // 171
    {"Algol", Typ::Normal, Bes::Veraenderlicher, Bild::Perseus, 2.7f, 10, 40.96f, 3.14f},  // 172
    {"Rho Persei", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Perseus, 150.0f, 15, 38.84f, 3.09f},  // 173
    {"Jota Aurigae", Typ::RoterRiese, Bes::Keine, Bild::Fuhrmann, 127.0f, 8, 33.17f, 4.95f},  // 174
    {"Epsilon Aurigae", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::Fuhrmann, 143.0f, 6, 43.82f, 5.03f},  // 175
    {"Eta Aurigae", Typ::Normal, Bes::Keine, Bild::Fuhrmann, 4.0f, 10, 41.23f, 5.11f},  // 176
    {"Capella", Typ::RoterRiese, Bes::Doppelstern, Bild::Fuhrmann, 20.0f, 10, 46.0f, 5.28f},  // 177
    {"Menkalinan", Typ::WeisserRiese, Bes::Doppelstern, Bild::Fuhrmann, 2.8f, 22, 44.95f, 6.0f},  // 178
    {"Theta Aurigae", Typ::Normal, Bes::Veraenderlicher, Bild::Fuhrmann, 4.5f, 12, 37.21f, 6.0f},  // 179
    {"Theta Geminorum", Typ::Normal, Bes::Keine, Bild::Zwillinge, 5.0f, 13, 33.96f, 6.88f},  // 180
    {"Castor", Typ::Normal, Bes::Doppelstern, Bild::Zwillinge, 2.4f, 17, 31.89f, 7.58f},  // 181
    {"Pollux", Typ::RoterRiese, Bes::Keine, Bild::Zwillinge, 20.0f, 21, 28.03f, 7.76f},  // 182
    {"Kappa Geminorum", Typ::Normal, Bes::Doppelstern, Bild::Zwillinge, 10.0f, 22, 24.4f, 7.74f},  // 183
    {"Wasat", Typ::Normal, Bes::Doppelstern, Bild::Zwillinge, 2.0f, 15, 21.98f, 7.34f},  // 184
    {"Zeta Geminorum", Typ::Normal, Bes::Veraenderlicher, Bild::Zwillinge, 10.0f, 15, 20.57f, 7.07f},  // 185
    {"Alhena", Typ::WeisserRiese, Bes::Keine, Bild::Zwillinge, 3.3f, 16, 16.4f, 6.63f},  // 186
    {"Nue Geminorum", Typ::Normal, Bes::Doppelstern, Bild::Zwillinge, 7.0f, 12, 20.21f, 6.48f},  // 187
    {"Eta Geminorum", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Zwillinge, 130.0f, 13, 22.51f, 6.25f},  // 188
    {"Mue Geminorum", Typ::Normal, Bes::Veraenderlicher, Bild::Zwillinge, 10.0f, 22, 22.51f, 6.38f},  // 189
    {"Mebsuta", Typ::RoterRiese, Bes::Keine, Bild::Zwillinge, 140.0f, 14, 25.13f, 6.73f},  // 190
    {"Jota Geminorum", Typ::RoterZwerg, Bes::Keine, Bild::Zwillinge, 0.45f, 11, 27.8f, 7.43f},  // 191
    {"Ypsilon Geminorum", Typ::RoterZwerg, Bes::Keine, Bild::Zwillinge, 0.8f, 5, 26.9f, 7.6f},  // 192
    {"Alpha Lyncis", Typ::RoterRiese, Bes::Keine, Bild::Luchs, 55.0f, 23, 34.39f, 9.35f},  // 193
    {"Lynx 38", Typ::Normal, Bes::Keine, Bild::Luchs, 2.0f, 16, 36.8f, 9.31f},  // 194
    {"Lynx 10", Typ::Normal, Bes::Keine, Bild::Luchs, 1.5f, 11, 41.78f, 9.01f},  // 195
    {"Lynx 31", Typ::RoterZwerg, Bes::Keine, Bild::Luchs, 0.8f, 3, 43.19f, 8.38f},  // 196
    {"Lynx 21", Typ::Normal, Bes::Keine, Bild::Luchs, 2.0f, 18, 49.21f, 7.44f},  // 197
    {"Lynx 15", Typ::RoterZwerg, Bes::Keine, Bild::Luchs, 0.6f, 5, 58.42f, 6.96f},  // 198
    {"Lynx 2", Typ::Normal, Bes::Keine, Bild::Luchs, 2.0f, 11, 59.01f, 6.32f},  // 199
    {"Jota Cancri", Typ::Normal, Bes::Doppelstern, Bild::Krebs, 10.0f, 16, 28.76f, 8.78f},  // 200
    {"Arsellus Borealis", Typ::Normal, Bes::Keine, Bild::Krebs, 2.2f, 11, 21.47f, 8.72f},  // 201
    {"Arsellus Australis", Typ::RoterZwerg, Bes::Keine, Bild::Krebs, 0.9f, 10, 18.15f, 8.75f},  // 202
    {"Alpha Cancri", Typ::Normal, Bes::Doppelstern, Bild::Krebs, 2.0f, 9, 11.86f, 8.97f},  // 203
    {"Beta Cancri", Typ::RoterRiese, Bes::Keine, Bild::Krebs, 50.0f, 10, 9.19f, 8.28f},  // 204
    {"Nath", Typ::BlauerRiese, Bes::Keine, Bild::Stier, 5.0f, 22, 28.61f, 5.44f},  // 205
    {"Zeta Tauri", Typ::BlauerRiese, Bes::Doppelstern, Bild::Stier, 6.0f, 19, 21.14f, 5.63f},  // 206
    {"Ain", Typ::RoterZwerg, Bes::Keine, Bild::Stier, 0.9f, 11, 19.18f, 4.48f},  // 207
    {"Aldebaran", Typ::RoterRiese, Bes::Keine, Bild::Stier, 40.0f, 17, 16.0f, 4.6f},  // 208
    {"Delta Tauri", Typ::RoterZwerg, Bes::Keine, Bild::Stier, 0.8f, 2, 17.54f, 4.38f},  // 209
    {"Gamma Tauri", Typ::RoterZwerg, Bes::Keine, Bild::Stier, 0.35f, 10, 15.63f, 4.33f},  // 210
    {"Theta Tauri", Typ::Normal, Bes::Doppelstern, Bild::Stier, 4.0f, 20, 15.87f, 4.48f},  // 211
    {"Lambda Tauri", Typ::Normal, Bes::Veraenderlicher, Bild::Stier, 6.0f, 9, 12.49f, 4.01f},  // 212
    {"Xi Tauri", Typ::Normal, Bes::Keine, Bild::Stier, 2.5f, 16, 9.73f, 3.45f},  // 213
    {"Omega Tauri", Typ::Normal, Bes::Keine, Bild::Stier, 2.0f, 13, 20.58f, 4.15f},  // 214
    {"Taurus 37", Typ::RoterZwerg, Bes::Keine, Bild::Stier, 0.1f, 10, 22.08f, 4.08f},  // 215
    {"Atlas", Typ::BlauerRiese, Bes::Doppelstern, Bild::Stier, 5.0f, 6, 24.05f, 3.82f},  // 216
    {"Alycone", Typ::BlauerRiese, Bes::Keine, Bild::Stier, 9.3f, 16, 24.11f, 3.79f},  // 217
    {"Merpoe", Typ::Normal, Bes::Veraenderlicher, Bild::Stier, 5.0f, 11, 23.95f, 3.77f},  // 218
    {"Maia", Typ::BlauerRiese, Bes::Keine, Bild::Stier, 5.5f, 8, 24.37f, 3.76f},  // 219
    {"Electra", Typ::BlauerRiese, Bes::Keine, Bild::Stier, 6.0f, 12, 24.11f, 3.75f},  // 220
    {"Beteigeuze", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Orion, 1000.0f, 11, 7.41f, 5.92f},  // 221
    {"Heka", Typ::BlauerRiese, Bes::Doppelstern, Bild::Orion, 10.0f, 14, 9.93f, 5.59f},  // 222
    {"Bellatrix", Typ::BlauerRiese, Bes::Keine, Bild::Orion, 6.0f, 17, 6.35f, 5.42f},  // 223
    {"Mintaka", Typ::BlauerRiese, Bes::Doppelstern, Bild::Orion, 16.0f, 14, -0.3f, 5.53f},  // 224
    {"Alnilam", Typ::BlauerRiese, Bes::Keine, Bild::Orion, 42.0f, 14, -1.2f, 5.6f},  // 225
    {"Alnitak", Typ::BlauerRiese, Bes::Doppelstern, Bild::Orion, 20.0f, 20, -1.94f, 5.68f},  // 226
    {"Saiph", Typ::BlauerRiese, Bes::Keine, Bild::Orion, 22.0f, 21, -9.67f, 5.8f},  // 227
    {"Rigel", Typ::BlauerRiese, Bes::Doppelstern, Bild::Orion, 79.0f, 10, -8.2f, 5.24f},  // 228
    {"Procyron", Typ::Normal, Bes::Doppelstern, Bild::KleinerHund, 2.0f, 10, 5.22f, 7.66f},  // 229
    {"Gomeisa", Typ::Normal, Bes::Veraenderlicher, Bild::KleinerHund, 3.5f, 9, 8.29f, 7.45f},  // 230
    {"Epsilon Monocerotis", Typ::Normal, Bes::Doppelstern, Bild::Einhorn, 2.5f, 3, 4.59f, 6.4f},  // 231
    {"Delta Monocerotis", Typ::Normal, Bes::Keine, Bild::Einhorn, 4.5f, 21, -0.49f, 7.2f},  // 232
    {"Alpha Monocerotis", Typ::RoterZwerg, Bes::Keine, Bild::Einhorn, 0.25f, 12, -9.55f, 7.69f},  // 233
    {"Zeta Monocerotis", Typ::Normal, Bes::Keine, Bild::Einhorn, 10.0f, 18, -3.0f, 8.14f},  // 234
    {"Beta Monocerotis", Typ::BlauerRiese, Bes::Doppelstern, Bild::Einhorn, 6.0f, 18, -7.03f, 6.48f},  // 235
    {"Gamma Monocerotis", Typ::RoterZwerg, Bes::Keine, Bild::Einhorn, 0.55f, 6, -6.27f, 6.25f},  // 236
    {"Cursa", Typ::WeisserRiese, Bes::Keine, Bild::Eridanus, 2.4f, 23, -5.09f, 5.13f},  // 237
    {"Mue Eridani", Typ::Normal, Bes::Veraenderlicher, Bild::Eridanus, 4.0f, 3, -3.25f, 4.76f},  // 238
    {"Nue Eridani", Typ::Normal, Bes::Veraenderlicher, Bild::Eridanus, 6.0f, 10, -3.35f, 4.61f},  // 239
    {"Beid", Typ::Normal, Bes::Veraenderlicher, Bild::Eridanus, 5.0f, 10, -6.84f, 4.2f},  // 240
    {"Zaurak", Typ::RoterRiese, Bes::Keine, Bild::Eridanus, 80.0f, 17, -13.51f, 3.97f},  // 241
    {"Rana", Typ::Normal, Bes::Keine, Bild::Eridanus, 2.3f, 7, -9.76f, 3.72f},  // 242
    {"Epsilon Eridani", Typ::Normal, Bes::Keine, Bild::Eridanus, 0.75f, 9, -9.46f, 3.55f},  // 243
    {"Zibal", Typ::Normal, Bes::Keine, Bild::Eridanus, 2.0f, 6, -8.82f, 3.26f},  // 244
    {"Azha", Typ::RoterZwerg, Bes::Keine, Bild::Eridanus, 0.1f, 3, -8.9f, 2.94f},  // 245
    {"Tau Eridani 1", Typ::Normal, Bes::Keine, Bild::Eridanus, 1.3f, 9, -18.57f, 2.75f},  // 246
    {"Tau Eridani 3", Typ::Normal, Bes::Keine, Bild::Eridanus, 1.7f, 4, -23.62f, 3.04f},  // 247
    {"Tau Eridani 6", Typ::Normal, Bes::Keine, Bild::Eridanus, 1.6f, 6, -23.25f, 3.78f},  // 248
    {"Theemin", Typ::RoterZwerg, Bes::Keine, Bild::Eridanus, 0.2f, 3, -30.56f, 4.6f},  // 249
    {"Eridanus g", Typ::RoterZwerg, Bes::Keine, Bild::Eridanus, 0.9f, 8, -35.2f, 3.98f},  // 250
    {"Eridanus e", Typ::Normal, Bes::Keine, Bild::Eridanus, 0.9f, 6, -43.07f, 3.33f},  // 251
    {"Acmar", Typ::Normal, Bes::Doppelstern, Bild::Eridanus, 2.8f, 11, -40.3f, 2.97f},  // 252
    {"Jota Eridanus", Typ::RoterZwerg, Bes::Keine, Bild::Eridanus, 0.35f, 12, -39.86f, 2.68f},  // 253
    {"Phi Eridanus", Typ::Normal, Bes::Keine, Bild::Eridanus, 2.5f, 16, -51.51f, 2.28f},  // 254
    {"Chi Eridanus", Typ::Normal, Bes::Keine, Bild::Eridanus, 2.5f, 16, -51.61f, 1.93f},  // 255
    {"Achernar", Typ::BlauerRiese, Bes::Keine, Bild::Eridanus, 7.5f, 21, -57.24f, 1.63f},  // 256
    {"Rho Puppis", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::Achterschiff, 3.5f, 12, -24.3f, 8.13f},  // 257
    {"Xi Puppis", Typ::RoterRiese, Bes::Doppelstern, Bild::Achterschiff, 130.0f, 13, -24.86f, 7.82f},  // 258
    {"Naos", Typ::BlauerRiese, Bes::Keine, Bild::Achterschiff, 14.0f, 17, -40.0f, 8.06f},  // 259
    {"Pi Puppis", Typ::RoterRiese, Bes::Keine, Bild::Achterschiff, 235.0f, 17, -37.1f, 7.29f},  // 260
    {"Sigma Puppis", Typ::RoterZwerg, Bes::Doppelstern, Bild::Achterschiff, 0.7f, 13, -43.3f, 7.49f},  // 261
    {"Puppis L", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Achterschiff, 130.0f, 17, -44.64f, 7.23f},  // 262
    {"Mue Puppis", Typ::RoterZwerg, Bes::Keine, Bild::Achterschiff, 0.15f, 3, -31.2f, 7.9f},  // 263
    {"Tau Puppis", Typ::RoterZwerg, Bes::Keine, Bild::Achterschiff, 0.35f, 13, -50.61f, 6.83f},  // 264
    {"Muliphein", Typ::Normal, Bes::Keine, Bild::GrosserHund, 6.0f, 20, -15.63f, 7.06f},  // 265
    {"Sirius", Typ::WeisserRiese, Bes::Doppelstern, Bild::GrosserHund, 1200.0f, 24, -16.5f, 6.75f},  // 266
    {"Mirzam", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::GrosserHund, 9.7f, 22, -17.96f, 6.38f},  // 267
    {"Pi Canis Majoris", Typ::Normal, Bes::Keine, Bild::GrosserHund, 1.8f, 22, -20.14f, 6.93f},  // 268
    {"Canis Major o", Typ::RoterRiese, Bes::Veraenderlicher, Bild::GrosserHund, 280.0f, 21, -24.18f, 6.9f},  // 269
    {"Wezen", Typ::WeisserRiese, Bes::Keine, Bild::GrosserHund, 215.0f, 22, -26.39f, 7.14f},  // 270
    {"Aludra", Typ::BlauerRiese, Bes::Keine, Bild::GrosserHund, 56.0f, 14, -29.3f, 7.4f},  // 271
    {"Sigma Canis Majoris", Typ::RoterRiese, Bes::Veraenderlicher, Bild::GrosserHund, 420.0f, 15, -27.93f, 7.03f},  // 272
    {"Adara", Typ::BlauerRiese, Bes::Doppelstern, Bild::GrosserHund, 14.0f, 19, -28.97f, 6.98f},  // 273
    {"Furud", Typ::Normal, Bes::Doppelstern, Bild::GrosserHund, 5.0f, 3, -30.06f, 6.34f},  // 274
    {"Omnikron Bootis", Typ::RoterZwerg, Bes::Keine, Bild::Baerenhueter, 0.2f, 4, 16.96f, 14.75f},  // 275
    {"Nekkar", Typ::Normal, Bes::Keine, Bild::Baerenhueter, 10.0f, 8, 40.39f, 15.03f},  // 276
    {"Alkalurops", Typ::Normal, Bes::Doppelstern, Bild::Baerenhueter, 1.8f, 19, 37.38f, 15.41f},  // 277
    {"Haris", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::Baerenhueter, 5.2f, 14, 38.31f, 14.53f},  // 278
    {"Sigma Bootis", Typ::Normal, Bes::Keine, Bild::Baerenhueter, 1.4f, 15, 29.75f, 14.58f},  // 279
    {"Izar", Typ::RoterRiese, Bes::Doppelstern, Bild::Baerenhueter, 33.0f, 16, 27.07f, 14.75f},  // 280
    {"Xi Bootis", Typ::Normal, Bes::Doppelstern, Bild::Baerenhueter, 0.9f, 19, 19.1f, 14.86f},  // 281
    {"Zeta Botis", Typ::Normal, Bes::Doppelstern, Bild::Baerenhueter, 3.0f, 22, 13.73f, 14.69f},  // 282
    {"Arcturus", Typ::RoterRiese, Bes::Keine, Bild::Baerenhueter, 25.0f, 12, 19.18f, 14.26f},  // 283
    {"Mufrid", Typ::Normal, Bes::Doppelstern, Bild::Baerenhueter, 2.7f, 14, 18.4f, 13.91f},  // 284
    {"Tau Bootis", Typ::Normal, Bes::Doppelstern, Bild::Baerenhueter, 1.4f, 15, 17.46f, 13.79f},  // 285
    {"Ypsilon Bootis", Typ::RoterZwerg, Bes::Keine, Bild::Baerenhueter, 0.6f, 12, 15.8f, 13.82f},  // 286
    {"Diadem", Typ::Normal, Bes::Doppelstern, Bild::HaarDerBerenike, 1.3f, 12, 17.53f, 13.17f},  // 287
    {"Beta Comae Berenices", Typ::Normal, Bes::Keine, Bild::HaarDerBerenike, 1.1f, 6, 27.88f, 13.2f},  // 288
    {"Gamma Comae Berenices", Typ::RoterZwerg, Bes::Keine, Bild::HaarDerBerenike, 0.9f, 8, 28.27f, 12.45f},  // 289
    {"Denebola", Typ::Normal, Bes::Keine, Bild::Loewe, 1.7f, 22, 14.57f, 11.82f},  // 290
    {"Zosma", Typ::Normal, Bes::Keine, Bild::Loewe, 2.1f, 8, 20.52f, 11.24f},  // 291
    {"Regulus", Typ::BlauerRiese, Bes::Doppelstern, Bild::Loewe, 5.0f, 8, 11.97f, 10.14f},  // 292
    {"Algieba", Typ::RoterRiese, Bes::Doppelstern, Bild::Loewe, 31.0f, 12, 19.84f, 10.33f},  // 293
    {"Adhafera", Typ::WeisserRiese, Bes::Keine, Bild::Loewe, 6.0f, 15, 23.42f, 10.28f},  // 294
    {"Ras Elased Borealis", Typ::RoterZwerg, Bes::Keine, Bild::Loewe, 0.3f, 12, 26.01f, 9.88f},  // 295
    {"Ras Elased Australis", Typ::Normal, Bes::Keine, Bild::Loewe, 10.0f, 20, 23.77f, 9.76f},  // 296
    {"Alpha Sextantis", Typ::Normal, Bes::Keine, Bild::Sextant, 3.0f, 7, -0.37f, 10.13f},  // 297
    {"Beta Sextantis", Typ::Normal, Bes::Veraenderlicher, Bild::Sextant, 3.0f, 13, -0.64f, 10.5f},  // 298
    {"Gamma Sextantis", Typ::Normal, Bes::Keine, Bild::Sextant, 2.0f, 16, -8.11f, 9.88f},  // 299
    {"Vindemiatrix", Typ::Normal, Bes::Keine, Bild::Jungfrau, 10.0f, 19, 10.96f, 13.04f},  // 300
    {"Minelauva", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Jungfrau, 48.0f, 14, 3.4f, 12.93f},  // 301
    {"Heze", Typ::Normal, Bes::Keine, Bild::Jungfrau, 2.1f, 16, -0.6f, 13.58f},  // 302
    {"Porrima", Typ::Normal, Bes::Doppelstern, Bild::Jungfrau, 1.4f, 18, -1.45f, 12.69f},  // 303
    {"Theta Virginis", Typ::Normal, Bes::Doppelstern, Bild::Jungfrau, 3.0f, 12, -5.54f, 13.16f},  // 304
    {"Spica", Typ::BlauerRiese, Bes::Doppelstern, Bild::Jungfrau, 7.5f, 23, -11.16f, 13.42f},  // 305
    {"Eta Viringis", Typ::Normal, Bes::Doppelstern, Bild::Jungfrau, 2.5f, 14, -0.67f, 12.33f},  // 306
    {"Zavijah", Typ::Normal, Bes::Keine, Bild::Jungfrau, 1.7f, 13, 1.76f, 11.85f},  // 307
    {"Hydra 58", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.35f, 13, -27.96f, 14.84f},  // 308
    {"Pi Hydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.25f, 3, -26.68f, 14.11f},  // 309
    {"Gamma Hydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.55f, 14, -23.17f, 13.32f},  // 310
    {"Beta Hydrae", Typ::Normal, Bes::Veraenderlicher, Bild::Hydra, 3.0f, 21, -33.91f, 11.88f},  // 311
    {"Xi Hydrae", Typ::Normal, Bes::Keine, Bild::Hydra, 10.0f, 8, -31.86f, 11.55f},  // 312
    {"Chi Hydrae", Typ::Normal, Bes::Keine, Bild::Hydra, 2.5f, 21, -27.29f, 11.09f},  // 313
    {"Al Ibaba", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.45f, 13, -20.5f, 10.9f},  // 314
    {"Nue Hydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.55f, 13, -16.19f, 10.83f},  // 315
    {"Mue Mydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.8f, 3, -16.84f, 10.43f},  // 316
    {"Lambda Hydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.8f, 13, -12.35f, 10.18f},  // 317
    {"Ypsilon Hydrae", Typ::Normal, Bes::Keine, Bild::Hydra, 10.0f, 19, -14.85f, 9.86f},  // 318
    {"Alfard", Typ::RoterRiese, Bes::Keine, Bild::Hydra, 50.0f, 15, -8.66f, 9.46f},  // 319
    {"Jota Hydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.3f, 14, -1.14f, 9.66f},  // 320
    {"Theta Hydrae", Typ::Normal, Bes::Keine, Bild::Hydra, 2.0f, 6, 2.31f, 9.24f},  // 321
    {"Zeta Hydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.2f, 10, 5.95f, 8.92f},  // 322
    {"Epsilon Hydrae", Typ::RoterZwerg, Bes::Doppelstern, Bild::Hydra, 0.55f, 9, 6.42f, 8.78f},  // 323
    {"Rho Hydrae", Typ::Normal, Bes::Keine, Bild::Hydra, 2.5f, 7, 5.84f, 8.81f},  // 324
    {"Delta Hydrae", Typ::Normal, Bes::Keine, Bild::Hydra, 2.5f, 17, 5.7f, 8.63f},  // 325
    {"Sigma Hydrae", Typ::RoterZwerg, Bes::Keine, Bild::Hydra, 0.4f, 10, 3.34f, 8.65f},  // 326
    {"Eta Hydrae", Typ::Normal, Bes::Veraenderlicher, Bild::Hydra, 4.0f, 5, 3.4f, 8.72f},  // 327
    {"Theta Crateris", Typ::Normal, Bes::Keine, Bild::Becher, 2.5f, 14, -9.8f, 11.61f},  // 328
    {"Epsilon Crateris", Typ::RoterZwerg, Bes::Keine, Bild::Becher, 0.25f, 9, -10.86f, 11.41f},  // 329
    {"Delta Crateris", Typ::RoterZwerg, Bes::Keine, Bild::Becher, 0.9f, 10, -14.78f, 11.32f},  // 330
    {"Alkes", Typ::Normal, Bes::Keine, Bild::Becher, 10.0f, 13, -18.3f, 11.0f},  // 331
    {"Gamma Crateris", Typ::Normal, Bes::Keine, Bild::Becher, 1.6f, 10, -17.68f, 11.41f},  // 332
    {"Zeta Crateris", Typ::RoterZwerg, Bes::Keine, Bild::Becher, 0.45f, 8, -18.35f, 11.75f},  // 333
    {"Eta Crateris", Typ::Normal, Bes::Keine, Bild::Becher, 2.0f, 12, -17.15f, 11.93f},  // 334
    {"Delta Corvi", Typ::Normal, Bes::Doppelstern, Bild::Rabe, 2.5f, 4, -16.52f, 12.5f},  // 335
    {"Algorab", Typ::Normal, Bes::Keine, Bild::Rabe, 5.0f, 22, -17.54f, 12.26f},  // 336
    {"Minkar", Typ::Normal, Bes::Keine, Bild::Rabe, 10.0f, 17, -22.62f, 12.17f},  // 337
    {"Kraz", Typ::Normal, Bes::Keine, Bild::Rabe, 10.0f, 9, -23.4f, 12.57f},  // 338
    {"Alchita", Typ::Normal, Bes::Keine, Bild::Rabe, 1.5f, 11, -24.73f, 12.14f},  // 339
    {"Theta Coronae B.", Typ::Normal, Bes::Doppelstern, Bild::NoerdlicheKrone, 3.0f, 6, 31.36f, 15.55f},  // 340
    {"Beta Coronae B.", Typ::Normal, Bes::Veraenderlicher, Bild::NoerdlicheKrone, 2.6f, 22, 29.11f, 15.46f},  // 341
    {"Gemma", Typ::Normal, Bes::Veraenderlicher, Bild::NoerdlicheKrone, 3.0f, 18, 26.71f, 15.58f},  // 342
    {"Gamma Coronae B.", Typ::Normal, Bes::Keine, Bild::NoerdlicheKrone, 2.5f, 15, 26.3f, 15.71f},  // 343
    {"Delta Coronae B.", Typ::Normal, Bes::Veraenderlicher, Bild::NoerdlicheKrone, 8.0f, 6, 26.07f, 15.83f},  // 344
    {"Epsilon Coronae B.", Typ::RoterZwerg, Bes::Keine, Bild::NoerdlicheKrone, 0.8f, 2, 26.88f, 15.96f},  // 345
    {"Jota Coronae B.", Typ::Normal, Bes::Keine, Bild::NoerdlicheKrone, 2.0f, 7, 29.85f, 16.02f},  // 346
    {"Vega", Typ::WeisserRiese, Bes::Keine, Bild::Leier, 2.5f, 19, 38.78f, 18.62f},  // 347
    {"Zeta Lyrae", Typ::Normal, Bes::Doppelstern, Bild::Leier, 2.0f, 14, 37.61f, 18.75f},  // 348
    {"Delta Lyrae", Typ::RoterRiese, Bes::Doppelstern, Bild::Leier, 150.0f, 20, 36.9f, 18.91f},  // 349
    {"Sulaphat", Typ::BlauerRiese, Bes::Keine, Bild::Leier, 15.0f, 18, 32.69f, 18.98f},  // 350
    {"Sheliak", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Leier, 15.0f, 12, 33.36f, 18.83f},  // 351
    {"Ypsilon Herculis", Typ::Normal, Bes::Keine, Bild::Herkules, 2.5f, 13, 46.01f, 15.77f},  // 352
    {"Phi Herculis", Typ::Normal, Bes::Keine, Bild::Herkules, 2.0f, 12, 44.94f, 16.15f},  // 353
    {"Tau Herculis", Typ::Normal, Bes::Veraenderlicher, Bild::Herkules, 5.0f, 5, 46.31f, 16.33f},  // 354
    {"Sigma Herkulis", Typ::Normal, Bes::Keine, Bild::Herkules, 2.5f, 16, 42.44f, 16.57f},  // 355
    {"Eta Herculis", Typ::Normal, Bes::Keine, Bild::Herkules, 9.0f, 16, 38.92f, 16.71f},  // 356
    {"Pi Herkulis", Typ::RoterRiese, Bes::Keine, Bild::Herkules, 70.0f, 11, 36.81f, 17.25f},  // 357
    {"Rho Herkulis", Typ::Normal, Bes::Doppelstern, Bild::Herkules, 3.0f, 15, 37.15f, 17.39f},  // 358
    {"Theta Herkulis", Typ::RoterZwerg, Bes::Keine, Bild::Herkules, 0.1f, 5, 37.25f, 17.94f},  // 359
    {"Zeta Herkulis", Typ::Normal, Bes::Doppelstern, Bild::Herkules, 2.6f, 17, 31.6f, 16.69f},  // 360
    {"Epsilon Herkulis", Typ::Normal, Bes::Keine, Bild::Herkules, 2.5f, 19, 30.93f, 17.0f},  // 361
    {"Sarin", Typ::Normal, Bes::Doppelstern, Bild::Herkules, 2.3f, 11, 24.84f, 17.25f},  // 362
    {"Maasym", Typ::RoterZwerg, Bes::Keine, Bild::Herkules, 0.4f, 13, 26.11f, 17.51f},  // 363
    {"Mue Herkulis", Typ::Normal, Bes::Doppelstern, Bild::Herkules, 1.7f, 16, 27.72f, 17.77f},  // 364
    {"Xi Herkulis", Typ::RoterZwerg, Bes::Keine, Bild::Herkules, 0.45f, 4, 29.25f, 17.96f},  // 365
    {"Rutilicus", Typ::Normal, Bes::Doppelstern, Bild::Herkules, 10.0f, 15, 21.49f, 16.5f},  // 366
    {"Gamma Herkulis", Typ::Normal, Bes::Doppelstern, Bild::Herkules, 5.0f, 14, 19.15f, 16.37f},  // 367
    {"Ras Algethi", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Herkules, 400.0f, 22, 14.39f, 17.24f},  // 368
    {"Kappa Cygni", Typ::RoterZwerg, Bes::Keine, Bild::Schwan, 0.15f, 8, 53.37f, 19.29f},  // 369
    {"Jota Cygni", Typ::Normal, Bes::Keine, Bild::Schwan, 1.8f, 20, 51.73f, 19.5f},  // 370
    {"Delta Cygni", Typ::Normal, Bes::Doppelstern, Bild::Schwan, 4.0f, 9, 45.13f, 19.75f},  // 371
    {"Sadir", Typ::WeisserRiese, Bes::Keine, Bild::Schwan, 150.0f, 19, 40.26f, 20.37f},  // 372
    {"Daneb Cygni", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::Schwan, 200.0f, 7, 45.28f, 20.69f},  // 373
    {"Gienah", Typ::Normal, Bes::Doppelstern, Bild::Schwan, 10.0f, 17, 33.97f, 20.77f},  // 374
    {"Zeta Cygni", Typ::RoterZwerg, Bes::Keine, Bild::Schwan, 0.45f, 5, 30.23f, 21.22f},  // 375
    {"Epsilon Cygni", Typ::RoterZwerg, Bes::Keine, Bild::Schwan, 0.4f, 14, 35.08f, 19.94f},  // 376
    {"Albiero", Typ::RoterRiese, Bes::Doppelstern, Bild::Schwan, 70.0f, 11, 27.96f, 19.51f},  // 377
    {"Vulpecula 23", Typ::RoterZwerg, Bes::Keine, Bild::Fuchs, 0.1f, 11, 27.81f, 20.26f},  // 378
    {"Vulpecula 15", Typ::Normal, Bes::Keine, Bild::Fuchs, 3.0f, 8, 27.75f, 20.02f},  // 379
    {"Vulpecula 13", Typ::Normal, Bes::Keine, Bild::Fuchs, 3.0f, 17, 24.08f, 19.89f},  // 380
    {"Alpha Vulpeculae", Typ::Normal, Bes::Doppelstern, Bild::Fuchs, 10.0f, 22, 24.67f, 19.48f},  // 381
    {"Vulpecula 1", Typ::Normal, Bes::Keine, Bild::Fuchs, 5.0f, 19, 21.39f, 19.27f},  // 382
    {"Alya", Typ::Normal, Bes::Doppelstern, Bild::Schlange, 2.0f, 5, 4.2f, 18.94f},  // 383
    {"Epsilon Serpens", Typ::RoterZwerg, Bes::Keine, Bild::Schlange, 0.35f, 4, -2.9f, 18.36f},  // 384
    {"Zeta Serpens", Typ::Normal, Bes::Keine, Bild::Schlange, 1.8f, 11, -3.69f, 17.99f},  // 385
    {"Rho Serpens", Typ::RoterZwerg, Bes::Keine, Bild::Schlange, 0.1f, 12, 20.98f, 15.85f},  // 386
    {"Jota Serpens", Typ::Normal, Bes::Doppelstern, Bild::Schlange, 2.0f, 17, 19.67f, 15.69f},  // 387
    {"Kappa Serpens", Typ::RoterZwerg, Bes::Keine, Bild::Schlange, 0.1f, 14, 18.14f, 15.81f},  // 388
    {"Gamma Serpens", Typ::Normal, Bes::Keine, Bild::Schlange, 1.6f, 10, 15.66f, 15.94f},  // 389
    {"Beta Serpens", Typ::Normal, Bes::Doppelstern, Bild::Schlange, 2.5f, 18, 15.42f, 15.77f},  // 390
    {"Delta Serpens", Typ::Normal, Bes::Doppelstern, Bild::Schlange, 3.0f, 11, 10.54f, 15.58f},  // 391
    {"Unuk Elhaia", Typ::Normal, Bes::Keine, Bild::Schlange, 10.0f, 21, 6.43f, 15.74f},  // 392
    {"Epsilon Serpens", Typ::Normal, Bes::Keine, Bild::Schlange, 2.0f, 16, 4.48f, 15.85f},  // 393
    {"Mue Serpens", Typ::Normal, Bes::Keine, Bild::Schlange, 2.5f, 13, -3.43f, 15.83f},  // 394
    {"Ras Alhague", Typ::WeisserRiese, Bes::Doppelstern, Bild::Schlangentraeger, 2.6f, 6, 12.56f, 17.58f},  // 395
    {"Ophiuchs 25", Typ::RoterZwerg, Bes::Keine, Bild::Schlangentraeger, 0.1f, 9, 10.5f, 16.9f},  // 396
    {"Kappa Ophiuchi", Typ::RoterZwerg, Bes::Keine, Bild::Schlangentraeger, 0.9f, 9, 9.38f, 16.96f},  // 397
    {"Kelb Alrai", Typ::Normal, Bes::Keine, Bild::Schlangentraeger, 10.0f, 16, 4.57f, 17.72f},  // 398
    {"Gamma Ophiuchi", Typ::Normal, Bes::Keine, Bild::Schlangentraeger, 1.8f, 16, 2.71f, 17.8f},  // 399
    {"Ophiuchus 67", Typ::BlauerRiese, Bes::Keine, Bild::Schlangentraeger, 50.0f, 8, 2.93f, 18.01f},  // 400
    {"Sigma Ophiuchi", Typ::RoterZwerg, Bes::Keine, Bild::Schlangentraeger, 0.3f, 13, 4.14f, 17.45f},  // 401
    {"Lambda Ophiuchi", Typ::Normal, Bes::Keine, Bild::Schlangentraeger, 2.5f, 5, 1.98f, 16.52f},  // 402
    {"Yed Prior", Typ::RoterRiese, Bes::Keine, Bild::Schlangentraeger, 59.0f, 18, -3.69f, 16.24f},  // 403
    {"Yed Pasterior", Typ::Normal, Bes::Keine, Bild::Schlangentraeger, 10.0f, 14, -4.69f, 16.31f},  // 404
    {"Ypsilon Ophiuchi", Typ::Normal, Bes::Keine, Bild::Schlangentraeger, 2.0f, 14, -8.37f, 16.46f},  // 405
    {"Zeta Ophiuchi", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Schlangentraeger, 8.5f, 12, -10.57f, 16.62f},  // 406
    {"Nue Ophiuchi", Typ::RoterZwerg, Bes::Keine, Bild::Schlangentraeger, 0.15f, 11, -9.77f, 17.98f},  // 407
    {"Sabik", Typ::Normal, Bes::Doppelstern, Bild::Schlangentraeger, 2.3f, 14, -15.72f, 17.17f},  // 408
    {"Phi Ophiuchi", Typ::RoterZwerg, Bes::Keine, Bild::Schlangentraeger, 0.8f, 13, -16.61f, 16.52f},  // 409
    {"Theta Ophiuchi", Typ::Normal, Bes::Veraenderlicher, Bild::Schlangentraeger, 6.0f, 7, -25.0f, 17.37f},  // 410
    {"Svalocin", Typ::Normal, Bes::Doppelstern, Bild::Delphin, 3.0f, 3, 15.91f, 20.66f},  // 411
    {"Gamma Delphini", Typ::Normal, Bes::Doppelstern, Bild::Delphin, 2.5f, 17, 16.12f, 20.78f},  // 412
    {"Delta Delphini", Typ::Normal, Bes::Veraenderlicher, Bild::Delphin, 3.0f, 9, 15.07f, 20.73f},  // 413
    {"Beta Delphini", Typ::Normal, Bes::Doppelstern, Bild::Delphin, 2.5f, 21, 14.6f, 20.63f},  // 414
    {"Eta Delphini", Typ::Normal, Bes::Keine, Bild::Delphin, 2.0f, 12, 13.03f, 20.56f},  // 415
    {"Epsilon Delphini", Typ::Normal, Bes::Keine, Bild::Delphin, 5.0f, 12, 11.3f, 20.55f},  // 416
    {"Kappa Delphini", Typ::Normal, Bes::Keine, Bild::Delphin, 2.0f, 22, 10.09f, 20.65f},  // 417
    {"Gamma Sagittae", Typ::RoterRiese, Bes::Keine, Bild::Pfeil, 55.0f, 21, 19.49f, 19.98f},  // 418
    {"Zeta Sagittae", Typ::Normal, Bes::Doppelstern, Bild::Pfeil, 2.0f, 9, 19.14f, 19.82f},  // 419
    {"Delta Saggitae", Typ::RoterRiese, Bes::Doppelstern, Bild::Pfeil, 150.0f, 21, 18.53f, 19.79f},  // 420
    {"Sham", Typ::Normal, Bes::Keine, Bild::Pfeil, 10.0f, 7, 18.01f, 19.67f},  // 421
    {"Beta Saggitae", Typ::RoterZwerg, Bes::Keine, Bild::Pfeil, 0.6f, 14, 17.48f, 19.68f},  // 422
    {"Epsilon Aquilae", Typ::RoterZwerg, Bes::Keine, Bild::Adler, 0.7f, 5, 15.07f, 18.99f},  // 423
    {"Zeta Aquilae", Typ::Normal, Bes::Doppelstern, Bild::Adler, 2.3f, 13, 13.86f, 19.09f},  // 424
    {"Reda", Typ::RoterRiese, Bes::Keine, Bild::Adler, 90.0f, 15, 10.61f, 19.77f},  // 425
    {"Altair", Typ::WeisserRiese, Bes::Keine, Bild::Adler, 2.0f, 13, 8.87f, 19.85f},  // 426
    {"Deneb Okab", Typ::Normal, Bes::Doppelstern, Bild::Adler, 2.0f, 5, 3.11f, 19.42f},  // 427
    {"Eta Aquilae", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::Adler, 60.0f, 9, 1.01f, 19.87f},  // 428
    {"Theta Aquilae", Typ::Normal, Bes::Keine, Bild::Adler, 3.0f, 17, -0.82f, 20.19f},  // 429
    {"Lambda Aquilae", Typ::Normal, Bes::Keine, Bild::Adler, 2.0f, 17, -4.88f, 19.1f},  // 430
    {"Beta Scuti", Typ::Normal, Bes::Doppelstern, Bild::Schild, 10.0f, 4, -4.75f, 18.79f},  // 431
    {"Alpha Scuti", Typ::RoterZwerg, Bes::Keine, Bild::Schild, 0.5f, 3, -8.24f, 18.59f},  // 432
    {"Gamma Scuti", Typ::Normal, Bes::Keine, Bild::Schild, 2.0f, 3, -14.57f, 18.49f},  // 433
    {"Theta Scuti", Typ::RoterZwerg, Bes::Keine, Bild::Schild, 0.2f, 4, -12.3f, 18.7f},  // 434
    {"Shaula", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Skorpion, 8.8f, 14, -37.1f, 17.56f},  // 435
    {"Kappa Scorpii", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Skorpion, 7.0f, 19, -39.03f, 17.71f},  // 436
    {"Scorpius G", Typ::RoterZwerg, Bes::Keine, Bild::Skorpion, 0.3f, 9, -37.04f, 17.83f},  // 437
    {"Jota Scorpii", Typ::WeisserRiese, Bes::Keine, Bild::Skorpion, 130.0f, 12, -40.13f, 17.79f},  // 438
    {"Theta Scorpii", Typ::WeisserRiese, Bes::Keine, Bild::Skorpion, 26.0f, 7, -43.0f, 17.62f},  // 439
    {"Eta Scorpii", Typ::Normal, Bes::Keine, Bild::Skorpion, 2.0f, 22, -43.24f, 17.2f},  // 440
    {"Grafias", Typ::RoterZwerg, Bes::Keine, Bild::Skorpion, 0.35f, 11, -42.36f, 16.91f},  // 441
    {"Mue Scorpii", Typ::Normal, Bes::Veraenderlicher, Bild::Skorpion, 5.0f, 22, -38.05f, 16.86f},  // 442
    {"Epsilon Scorpii", Typ::Normal, Bes::Keine, Bild::Skorpion, 10.0f, 15, -34.29f, 16.84f},  // 443
    {"Tau Scorpii", Typ::Normal, Bes::Keine, Bild::Skorpion, 6.0f, 22, -28.22f, 16.6f},  // 444
    {"Antares", Typ::RoterRiese, Bes::Doppelstern, Bild::Skorpion, 680.0f, 20, -26.43f, 16.49f},  // 445
    {"Sigma Scorpii", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Skorpion, 12.0f, 23, -25.59f, 16.35f},  // 446
    {"Dschubba", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Skorpion, 6.7f, 24, -22.62f, 16.01f},  // 447
    {"Pi Scorpii", Typ::Normal, Bes::Doppelstern, Bild::Skorpion, 5.0f, 19, -26.11f, 15.98f},  // 448
    {"Rho Scorpii", Typ::Normal, Bes::Keine, Bild::Skorpion, 5.0f, 9, -29.21f, 15.95f},  // 449
    {"Acrab", Typ::BlauerRiese, Bes::Doppelstern, Bild::Skorpion, 6.0f, 14, -19.81f, 16.09f},  // 450
    {"Nue Scorpii", Typ::Normal, Bes::Doppelstern, Bild::Skorpion, 5.0f, 9, -19.46f, 16.2f},  // 451
    {"Xi Scorpii", Typ::Normal, Bes::Doppelstern, Bild::Skorpion, 2.0f, 17, -11.37f, 16.07f},  // 452
    {"Psi Scorpii", Typ::Normal, Bes::Keine, Bild::Skorpion, 2.0f, 11, -10.06f, 16.2f},  // 453
    {"Zuben Elkrab", Typ::RoterZwerg, Bes::Keine, Bild::Waage, 0.25f, 12, -14.79f, 15.59f},  // 454
    {"Zuben Elschemali", Typ::Normal, Bes::Keine, Bild::Waage, 5.0f, 14, -9.38f, 15.28f},  // 455
    {"Zuben Elgenubi", Typ::Normal, Bes::Doppelstern, Bild::Waage, 2.0f, 13, -16.04f, 14.85f},  // 456
    {"Sigma Librae", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Waage, 108.0f, 14, -25.28f, 15.07f},  // 457
    {"Ypsilon Sagittarii", Typ::WeisserRiese, Bes::Doppelstern, Bild::Schuetze, 30.0f, 10, -15.95f, 19.36f},  // 458
    {"Pi Sagittarii", Typ::WeisserRiese, Bes::Doppelstern, Bild::Schuetze, 30.0f, 13, -21.02f, 19.16f},  // 459
    {"Nunki", Typ::BlauerRiese, Bes::Keine, Bild::Schuetze, 5.5f, 24, -26.3f, 18.92f},  // 460
    {"Phi Sagittarii", Typ::Normal, Bes::Keine, Bild::Schuetze, 5.0f, 21, -26.99f, 18.76f},  // 461
    {"Kaus Borealis", Typ::Normal, Bes::Keine, Bild::Schuetze, 10.0f, 8, -25.42f, 18.47f},  // 462
    {"Mue Sagittarii", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Schuetze, 100.0f, 17, -21.06f, 18.23f},  // 463
    {"Kaus Medius", Typ::RoterRiese, Bes::Keine, Bild::Schuetze, 30.0f, 8, -29.83f, 18.35f},  // 464
    {"Gamma Sagittarii", Typ::Normal, Bes::Keine, Bild::Schuetze, 10.0f, 19, -30.42f, 18.1f},  // 465
    {"Kaus Australis", Typ::BlauerRiese, Bes::Doppelstern, Bild::Schuetze, 7.0f, 18, -34.38f, 18.4f},  // 466
    {"Epsilon Sagittarii", Typ::RoterZwerg, Bes::Doppelstern, Bild::Schuetze, 0.5f, 7, -36.76f, 18.29f},  // 467
    {"Alrami", Typ::Normal, Bes::Keine, Bild::Schuetze, 3.0f, 7, -40.62f, 19.4f},  // 468
    {"Akrab", Typ::Normal, Bes::Doppelstern, Bild::Schuetze, 3.0f, 18, -44.46f, 19.38f},  // 469
    {"Toliman", Typ::WeisserRiese, Bes::Doppelstern, Bild::Zentaur, 600.0f, 13, -61.5f, 14.75f},  // 470
    {"Agenda", Typ::BlauerRiese, Bes::Doppelstern, Bild::Zentaur, 9.0f, 22, -60.37f, 14.06f},  // 471
    {"Epsilon Centauri", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::Zentaur, 9.0f, 10, -53.47f, 13.66f},  // 472
    {"Zeta Centauri", Typ::Normal, Bes::Doppelstern, Bild::Zentaur, 6.0f, 8, -47.29f, 13.93f},  // 473
    {"Epsilon Centauri", Typ::Normal, Bes::Veraenderlicher, Bild::Zentaur, 6.0f, 10, -42.16f, 14.59f},  // 474
    {"Centaurus a", Typ::RoterZwerg, Bes::Veraenderlicher, Bild::Zentaur, 0.25f, 12, -39.51f, 14.39f},  // 475
    {"Theta Centauri", Typ::Normal, Bes::Keine, Bild::Zentaur, 10.0f, 5, -36.37f, 14.11f},  // 476
    {"Jota Centauri", Typ::Normal, Bes::Keine, Bild::Zentaur, 2.0f, 9, -36.71f, 13.34f},  // 477
    {"Gamma Centauri", Typ::Normal, Bes::Doppelstern, Bild::Zentaur, 3.0f, 17, -48.96f, 12.69f},  // 478
    {"Delta Centauri", Typ::Normal, Bes::Veraenderlicher, Bild::Zentaur, 6.5f, 21, -50.72f, 12.14f},  // 479
    {"Pi Centauri", Typ::Normal, Bes::Keine, Bild::Zentaur, 3.0f, 20, -54.49f, 11.35f},  // 480
    {"Jota Centauri", Typ::Normal, Bes::Keine, Bild::Zentaur, 2.5f, 18, -63.02f, 11.6f},  // 481
    {"Gamma Crucis", Typ::RoterRiese, Bes::Veraenderlicher, Bild::KreuzDesSuedens, 84.0f, 15, -57.11f, 12.52f},  // 482
    {"Beta Crucis", Typ::BlauerRiese, Bes::Veraenderlicher, Bild::KreuzDesSuedens, 8.4f, 17, -59.69f, 12.8f},  // 483
    {"Delta Crucis", Typ::Normal, Bes::Veraenderlicher, Bild::KreuzDesSuedens, 5.0f, 16, -58.75f, 12.25f},  // 484
    {"Epsilon Crucis", Typ::RoterZwerg, Bes::Keine, Bild::KreuzDesSuedens, 0.9f, 13, -60.4f, 12.36f},  // 485
    {"Acrux", Typ::BlauerRiese, Bes::Doppelstern, Bild::KreuzDesSuedens, 7.8f, 22, -63.1f, 12.44f},  // 486
    {"Rho Velorum", Typ::Normal, Bes::Keine, Bild::Segel, 2.5f, 19, -48.23f, 10.62f},  // 487
    {"Chi Velorum", Typ::Normal, Bes::Veraenderlicher, Bild::Segel, 5.0f, 10, -52.92f, 8.67f},  // 488
    {"Alsuhali", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Segel, 210.0f, 12, -43.43f, 9.13f},  // 489
    {"Gamma Velorum", Typ::BlauerRiese, Bes::Doppelstern, Bild::Segel, 17.0f, 9, -47.34f, 8.16f},  // 490
    {"Delta Velorum", Typ::Normal, Bes::Doppelstern, Bild::Segel, 2.5f, 16, -54.71f, 8.75f},  // 491
    {"Kappa Velorum", Typ::BlauerRiese, Bes::Doppelstern, Bild::Segel, 9.0f, 18, -55.01f, 9.37f},  // 492
    {"Phi Velorum", Typ::BlauerRiese, Bes::Keine, Bild::Segel, 60.0f, 17, -54.57f, 9.95f},  // 493
    {"Mue Velorum", Typ::Normal, Bes::Doppelstern, Bild::Segel, 10.0f, 18, -49.42f, 10.78f},  // 494
    {"Canopus", Typ::WeisserRiese, Bes::Keine, Bild::Schiffskiel, 71.0f, 6, -52.7f, 6.4f},  // 495
    {"Carina N", Typ::Normal, Bes::Keine, Bild::Schiffskiel, 8.0f, 19, -53.62f, 6.83f},  // 496
    {"Carina A", Typ::RoterZwerg, Bes::Keine, Bild::Schiffskiel, 0.3f, 7, -58.0f, 7.4f},  // 497
    {"Chi Carinae", Typ::Normal, Bes::Veraenderlicher, Bild::Schiffskiel, 6.0f, 17, -52.98f, 7.95f},  // 498
    {"Epsilon Carinae", Typ::RoterRiese, Bes::Doppelstern, Bild::Schiffskiel, 100.0f, 18, -59.51f, 8.38f},  // 499
    {"Tureis", Typ::WeisserRiese, Bes::Keine, Bild::Schiffskiel, 43.0f, 11, -59.28f, 9.29f},  // 500
    {"Carina q", Typ::RoterRiese, Bes::Veraenderlicher, Bild::Schiffskiel, 110.0f, 8, -61.33f, 10.29f},  // 501
    {"Carina p", Typ::Normal, Bes::Veraenderlicher, Bild::Schiffskiel, 6.0f, 18, -61.69f, 10.53f},  // 502
    {"Theta Carinae", Typ::BlauerRiese, Bes::Keine, Bild::Schiffskiel, 6.0f, 22, -64.39f, 10.72f},  // 503
    {"Omega Carinae", Typ::Normal, Bes::Keine, Bild::Schiffskiel, 6.0f, 19, -70.04f, 10.23f},  // 504
    {"Maiplacidus", Typ::WeisserRiese, Bes::Keine, Bild::Schiffskiel, 6.8f, 20, -69.72f, 9.22f},  // 505
    {"Ypsilon Carinae", Typ::WeisserRiese, Bes::Doppelstern, Bild::Schiffskiel, 30.0f, 23, -65.07f, 9.79f},  // 506
    {"Beta Pictoris", Typ::Normal, Bes::Keine, Bild::Maler, 1.5f, 10, -51.07f, 5.79f},  // 507
    {"Gamma Pictoris", Typ::RoterZwerg, Bes::Keine, Bild::Maler, 0.45f, 13, -56.17f, 5.83f},  // 508
    {"Alpha Pictoris", Typ::Normal, Bes::Keine, Bild::Maler, 3.0f, 21, -61.94f, 6.8f},  // 509
    {"Gamma Doradus", Typ::Normal, Bes::Veraenderlicher, Bild::Schwertfisch, 1.6f, 9, -51.49f, 4.27f},  // 510
    {"Alpha Doradus", Typ::Normal, Bes::Doppelstern, Bild::Schwertfisch, 3.0f, 3, -55.04f, 4.57f},  // 511
    {"Beta Doradus", Typ::WeisserRiese, Bes::Veraenderlicher, Bild::Schwertfisch, 64.0f, 8, -62.49f, 5.56f},  // 512
    {"Delta Doradus", Typ::Normal, Bes::Keine, Bild::Schwertfisch, 2.0f, 11, -65.74f, 5.75f},  // 513
    {"Alpha Mensae", Typ::Normal, Bes::Keine, Bild::Tafelberg, 1.0f, 6, -74.75f, 6.17f},  // 514
    {"Gamma Mensae", Typ::RoterZwerg, Bes::Keine, Bild::Tafelberg, 0.55f, 4, -76.34f, 5.53f},  // 515
    {"Epsilon Mensae", Typ::RoterZwerg, Bes::Keine, Bild::Tafelberg, 0.3f, 14, -79.0f, 4.9f},  // 516
    {"Beta Mensae", Typ::RoterZwerg, Bes::Keine, Bild::Tafelberg, 0.3f, 5, -71.31f, 5.05f},  // 517
    {"Beta Tucanae", Typ::Normal, Bes::Doppelstern, Bild::Tukan, 2.0f, 7, -62.96f, 0.53f},  // 518
    {"Zeta Tucanae", Typ::Normal, Bes::Keine, Bild::Tukan, 1.1f, 22, -64.87f, 0.34f},  // 519
    {"Epsilon Tucanae", Typ::Normal, Bes::Keine, Bild::Tukan, 3.0f, 8, -65.58f, 23.99f},  // 520
    {"Delta Tucanae", Typ::Normal, Bes::Keine, Bild::Tukan, 2.5f, 9, -64.97f, 22.46f},  // 521
    {"Alpha Tucanae", Typ::Normal, Bes::Doppelstern, Bild::Tukan, 10.0f, 10, -60.26f, 22.31f},  // 522
    {"Gamma Tucanae", Typ::Normal, Bes::Keine, Bild::Tukan, 1.6f, 16, -58.24f, 23.29f},  // 523
    {"Theta Arae", Typ::BlauerRiese, Bes::Keine, Bild::Altar, 30.0f, 16, -50.09f, 18.11f},  // 524
    {"Alpha Arae", Typ::Normal, Bes::Veraenderlicher, Bild::Altar, 5.0f, 20, -49.88f, 17.53f},  // 525
    {"Beta Arae", Typ::RoterRiese, Bes::Keine, Bild::Altar, 120.0f, 20, -55.53f, 17.42f},  // 526
    {"Gamma Arae", Typ::BlauerRiese, Bes::Keine, Bild::Altar, 20.0f, 12, -56.38f, 17.42f},  // 527
    {"Zeta Arae", Typ::RoterZwerg, Bes::Keine, Bild::Altar, 0.8f, 10, -55.99f, 16.98f},  // 528
    {"Epsilon Arae", Typ::RoterZwerg, Bes::Keine, Bild::Altar, 0.55f, 7, -53.16f, 16.99f},  // 529
    {"Eta Arae", Typ::RoterZwerg, Bes::Keine, Bild::Altar, 0.9f, 14, -59.04f, 16.83f},  // 530
    {"Delta Arae", Typ::Normal, Bes::Keine, Bild::Altar, 2.5f, 12, -60.68f, 17.52f},  // 531
    {"Peacock", Typ::BlauerRiese, Bes::Doppelstern, Bild::Pfau, 5.0f, 22, -56.74f, 20.43f},  // 532
    {"Beta Pavonis", Typ::Normal, Bes::Keine, Bild::Pfau, 4.0f, 6, -66.2f, 20.75f},  // 533
    {"Gamma Pavonis", Typ::Normal, Bes::Keine, Bild::Pfau, 1.1f, 11, -65.37f, 21.44f},  // 534
    {"Delta Pavonis", Typ::Normal, Bes::Keine, Bild::Pfau, 1.2f, 7, -66.18f, 20.15f},  // 535
    {"Lambda Pavonis", Typ::Normal, Bes::Veraenderlicher, Bild::Pfau, 5.0f, 8, -62.19f, 18.87f},  // 536
    {"Xi Pavonis", Typ::RoterZwerg, Bes::Keine, Bild::Pfau, 0.25f, 14, -61.49f, 18.38f},  // 537
    {"Eta Pavonis", Typ::RoterZwerg, Bes::Keine, Bild::Pfau, 0.2f, 13, -64.72f, 17.76f},  // 538
    {"Zeta Pavonis", Typ::RoterZwerg, Bes::Keine, Bild::Pfau, 0.8f, 3, -71.43f, 18.72f},  // 539
    {"Epsilon Pavonis", Typ::Normal, Bes::Keine, Bild::Pfau, 1.8f, 18, -72.91f, 20.01f},  // 540
    {"Nue Octantis", Typ::RoterZwerg, Bes::Keine, Bild::Oktant, 0.7f, 2, -77.39f, 21.69f},  // 541
    {"Beta Octantis", Typ::Normal, Bes::Keine, Bild::Oktant, 2.0f, 20, -81.38f, 22.77f},  // 542
    {"Delta Octantis", Typ::RoterZwerg, Bes::Keine, Bild::Oktant, 0.15f, 5, -83.67f, 14.45f},  // 543
    {"Theta Octantis", Typ::RoterZwerg, Bes::Keine, Bild::Oktant, 0.7f, 8, -77.0f, 0.0f},  // 544
}};
