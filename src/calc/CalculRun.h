#pragma once

#include <QString>
#include <cstdint>

// The arithmetic of "Lancer", apart from the window.
namespace CalculRun {

// Electrical length in cm: the typed physical length divided by the velocity
// factor, rounded to the nearest integer (ties to even). Bad text, a factor of
// 0 and a result beyond 32 bits are errors.
std::int32_t LongueurElectrique(const QString &texteLongueur, double coefficient);

// Screen scales and offsets of EtatCalcul for a picture area at the given left
// position and size, from LongElecTotale and the vertical settings.
void EchellesEcran(std::int32_t gauche, std::int32_t largeur, std::int32_t hauteur);

} // namespace CalculRun
