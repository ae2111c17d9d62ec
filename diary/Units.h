#pragma once

// Window, printer and picture geometry is given in twips.

// Twips to the inch.
constexpr double kTwipsPerInch = 1440.0;
// Twips to the device-independent pixel (96 to the inch), on the screen and in pictures.
constexpr double kTwipsPerPixel = 15.0;
// Device-independent pixels to the inch.
constexpr double kPixelsPerInch = kTwipsPerInch / kTwipsPerPixel;
