#include "colour_vision.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace colourcheck {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), dichromacy (severity 1.0), on linear RGB.
constexpr Matrix Protan{{{0.152286, 1.052583, -0.204868},
                         {0.114503, 0.786281, 0.099216},
                         {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix Deutan{{{0.367322, 0.860646, -0.227968},
                         {0.280085, 0.672501, 0.047413},
                         {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Tritan{{{1.255528, -0.076749, -0.178779},
                         {-0.078411, 0.930809, 0.147602},
                         {0.004733, 0.691367, 0.303900}}};

double toLinear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int fromLinear(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(s * 255.0));
}

std::array<double, 3> linear(QRgb c) {
    return {toLinear(qRed(c)), toLinear(qGreen(c)), toLinear(qBlue(c))};
}

} // namespace

std::string_view visionName(Vision v) {
    switch (v) {
    case Vision::Normal:
        return "normal";
    case Vision::Protanopia:
        return "protanopia";
    case Vision::Deuteranopia:
        return "deuteranopia";
    case Vision::Tritanopia:
        return "tritanopia";
    case Vision::Grey:
        return "grey";
    }
    return "";
}

QRgb simulate(QRgb colour, Vision v) {
    if (v == Vision::Grey) {
        const int g = static_cast<int>(
            std::lround(0.299 * qRed(colour) + 0.587 * qGreen(colour) + 0.114 * qBlue(colour)));
        return qRgba(g, g, g, qAlpha(colour));
    }
    const auto rgb = linear(colour);
    std::array<double, 3> out = rgb;
    const Matrix* m = v == Vision::Protanopia     ? &Protan
                      : v == Vision::Deuteranopia ? &Deutan
                      : v == Vision::Tritanopia   ? &Tritan
                                                  : nullptr;
    if (m)
        for (int i = 0; i < 3; ++i)
            out[i] = (*m)[i][0] * rgb[0] + (*m)[i][1] * rgb[1] + (*m)[i][2] * rgb[2];
    return qRgba(fromLinear(out[0]), fromLinear(out[1]), fromLinear(out[2]), qAlpha(colour));
}

QImage simulate(const QImage& picture, Vision v) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) line[x] = simulate(line[x], v);
    }
    return out;
}

Lab toLab(QRgb colour) {
    const auto [r, g, b] = linear(colour);
    // sRGB to XYZ, relative to the D65 white.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    auto f = [](double t) {
        constexpr double e = 216.0 / 24389.0, k = 24389.0 / 27.0;
        return t > e ? std::cbrt(t) : (k * t + 16.0) / 116.0;
    };
    const double fx = f(x), fy = f(y), fz = f(z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double deltaE2000(const Lab& x, const Lab& y) {
    constexpr double pi = std::numbers::pi;
    auto deg = [](double r) { return r * 180.0 / pi; };
    auto rad = [](double d) { return d * pi / 180.0; };
    const double c1 = std::hypot(x.a, x.b), c2 = std::hypot(y.a, y.b);
    const double cMean = (c1 + c2) / 2.0;
    const double c7 = std::pow(cMean, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(c7 / (c7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * x.a, a2 = (1.0 + g) * y.a;
    const double cp1 = std::hypot(a1, x.b), cp2 = std::hypot(a2, y.b);
    auto hue = [&](double b, double a) {
        if (a == 0.0 && b == 0.0) return 0.0;
        const double h = deg(std::atan2(b, a));
        return h < 0.0 ? h + 360.0 : h;
    };
    const double h1 = hue(x.b, a1), h2 = hue(y.b, a2);
    const double dL = y.L - x.L, dC = cp2 - cp1;
    double dh = 0.0;
    if (cp1 * cp2 != 0.0) {
        dh = h2 - h1;
        if (dh > 180.0) dh -= 360.0;
        if (dh < -180.0) dh += 360.0;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(rad(dh / 2.0));
    const double lMean = (x.L + y.L) / 2.0, cpMean = (cp1 + cp2) / 2.0;
    double hMean = h1 + h2;
    if (cp1 * cp2 != 0.0) {
        if (std::abs(h1 - h2) <= 180.0)
            hMean /= 2.0;
        else
            hMean = h1 + h2 < 360.0 ? (hMean + 360.0) / 2.0 : (hMean - 360.0) / 2.0;
    }
    const double t = 1.0 - 0.17 * std::cos(rad(hMean - 30.0)) + 0.24 * std::cos(rad(2.0 * hMean)) +
                     0.32 * std::cos(rad(3.0 * hMean + 6.0)) -
                     0.20 * std::cos(rad(4.0 * hMean - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((hMean - 275.0) / 25.0, 2.0));
    const double cp7 = std::pow(cpMean, 7.0);
    const double rc = 2.0 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7.0)));
    const double l50 = (lMean - 50.0) * (lMean - 50.0);
    const double sl = 1.0 + 0.015 * l50 / std::sqrt(20.0 + l50);
    const double sc = 1.0 + 0.045 * cpMean, sh = 1.0 + 0.015 * cpMean * t;
    const double rt = -std::sin(rad(2.0 * dTheta)) * rc;
    const double l = dL / sl, c = dC / sc, h = dH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace colourcheck
