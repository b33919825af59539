#pragma once
// Turning what the DirectX diagnostic provider and the display report into findings: the video memory text,
// the 3D flag, the DirectX version texts and the colour depth.
#include <cstdint>
#include <string>
#include <string_view>

namespace sondes {

// Megabytes from a memory text such as "64.0 MB", "8072 MB" or "4289.7 MB": blanks, a decimal number with an
// optional fraction, optional blanks and "MB", blanks, nothing else. The integer part when it fits 32 bits
// signed; 0 for any other text.
int32_t MemoireVideoSelonTexte(std::string_view texte);

// A VARIANT_BOOL is true when nonzero, not only when -1.
uint8_t Is3DSelon(int16_t booleen);

// "9.0c": the version as the provider gives it.
std::string TexteVersionFournisseur(uint32_t majeur, uint32_t mineur, const std::string& lettre);
// "8.1b et/ou +": a version found from file versions is a lower bound; "0.0 " when none was found.
std::string TexteVersionFichiers(uint32_t majeur, uint32_t mineur, char lettre);

// Colour planes times bits per pixel, multiplied in 16 bits, low 8 bits kept.
uint8_t ProfondeurCouleur(int plans, int bitsParPixel);

}  // namespace sondes
