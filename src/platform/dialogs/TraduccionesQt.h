#pragma once

// Qt's own dialogs (the file chooser, the print dialog, the standard
// buttons) and the browser engine's texts speak the program's Spanish, from
// Qt's translations (Debian's qt6-translations-l10n). Without them they stay in English, and the
// terminal says why. Needs the application object.
void CargaTraduccionesQt();
