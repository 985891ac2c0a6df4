#pragma once

#include <QString>

// The scanner calls, on SANE. The chosen device is kept in the settings file
// (key "scanner/device", variable ESCANEO_SCANNER).

// Shows the device list modally; returns 1 when a device was chosen, 0 when
// cancelled or none exists.
int TWAIN_SelectImageSource(long ventana);
// Opens the chosen (or first) device; 1 on success, 0 on failure.
int TWAIN_OpenDefaultSource();
void TWAIN_SetHideUI(int ocultar);
// 1 on success.
int TWAIN_SetBitDepth(int bits);
int TWAIN_SetCurrentResolution(double ppp);
// 0 black and white (Lineart, Gray when absent), 1 gray, 2 colour.
int TWAIN_SetCurrentPixelType(int tipo);
// Scans one page to a BMP file at exactly that path; 0 on success, -1 on
// failure or cancel (nothing is left at the path then).
int TWAIN_AcquireToFilename(long ventana, const QString& archivo);
