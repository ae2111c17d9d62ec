#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

namespace testsupport {

// Relative luminance of a colour as the WCAG 2.1 contrast rules define it.
inline double RelativeLuminance(const QColor& colour) {
    const auto linear = [](int iChannel) {
        const double c = iChannel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
inline double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace testsupport
