#pragma once
// How colours look to someone else: simulated colour vision deficiencies, a plain grey
// conversion, and colour differences as the eye judges them.

#include <QImage>

#include <array>
#include <string_view>

namespace colourcheck {

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia, Grey };
inline constexpr std::array<Vision, 5> Visions{
    Vision::Normal, Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia, Vision::Grey};
std::string_view visionName(Vision v);

// An sRGB colour as it appears with the given vision, as sRGB again. The three deficiencies
// use the dichromat matrices (severity 1.0) of Machado, Oliveira and Fernandes (2009), applied
// to linear RGB. Grey is a plain grey-scale conversion, the Rec. 601 luma of the sRGB values,
// which puts blue near magenta and mint near orange.
QRgb simulate(QRgb colour, Vision v);
// The same for every pixel of a picture (alpha is kept).
QImage simulate(const QImage& picture, Vision v);

struct Lab {
    double L, a, b;
};
// CIE L*a*b* under D65.
Lab toLab(QRgb colour);
// The CIEDE2000 colour difference.
double deltaE2000(const Lab& x, const Lab& y);

} // namespace colourcheck
