#pragma once

#include "platform/base/Err.h"

#include <QString>

#include <optional>

// The scanner calls, on SANE. The chosen device is kept in the settings file
// (key "scanner/device", variable ESCANEO_SCANNER); with none chosen, the
// first device found serves. The device stays open between acquisitions and
// is opened afresh after one fails. No call ever shows a device's own dialog.

// Lists the devices in a modal choice and remembers the one chosen. Returns
// 1 when a device was chosen, 0 when the choice was cancelled, no device
// exists or the choice could not be saved.
int TWAIN_SelectImageSource(long ventana);
// Opens the chosen (or first) device, unless it is already open. 1 when it
// is open, 0 when it cannot be.
int TWAIN_OpenDefaultSource();
// Kept for the callers: acquisitions never show a device dialog here.
void TWAIN_SetHideUI(int ocultar);
// The pixel type decides the bit depth (1 for black and white, 8 per sample
// otherwise), so the request is only checked: 1 for a positive depth, else 0.
int TWAIN_SetBitDepth(int bits);
// Dots per inch, brought to the closest the device offers. The settings are
// kept for every later acquisition and sent to the open device at once:
// 1 when the value is valid and the open device (if any) took it, else 0.
int TWAIN_SetCurrentResolution(double ppp);
// 0 black and white (Lineart, or 1-bit Gray when the device has no
// Lineart), 1 grey, 2 colour; anything else is refused with 0.
int TWAIN_SetCurrentPixelType(int tipo);
// Opens the device when needed, scans one page and writes it as a BMP file at
// exactly that path. 0 on success; -1 when the scanner failed, ran out of
// paper or was cancelled; -2 when the file could not be written. On failure
// nothing is left at the path.
int TWAIN_AcquireToFilename(long ventana, const QString& archivo);
// Why the last TWAIN_AcquireToFilename failed: the scanner's error, or the
// file's (which names the path and the reason); nothing after a success.
std::optional<Err> ErrorUltimaAdquisicion();
