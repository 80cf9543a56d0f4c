#pragma once
// Shared by the test programs: the errors that reached the application's
// exception handler, and pixel access in stored-colour form.
#include "Colors.h"

#include <QImage>
#include <QString>

#include <vector>

// Messages of the exceptions handed to Application->HandleException since
// the last ClearReports(); the test main records them instead of showing a
// modal message box.
std::vector<QString>& Reports();
void ClearReports();

// The pixel (x, y) of a picture as 0x00BBGGRR.
inline TColor At(const QImage& img, int x, int y)
{
    return ColorFromRgb(img.pixel(x, y));
}

// The palette and font every GUI test runs with.
constexpr QRgb TestButtonFace = 0xFFF0F0F0;
constexpr QRgb TestDark = 0xFFA0A0A0;
constexpr QRgb TestLight = 0xFFFFFFFF;
constexpr QRgb TestWindowText = 0xFF000000;
