#pragma once

#include <QString>
#include <QStringList>

// Splits a "|"-separated list into its trimmed items followed by one empty
// item (an empty list gives the single empty item). One leading bar is
// passed over; the split ends where only blanks are left. Nothing in it can
// fail, so it needs no error handler.
void Cuenta_Series_Y_Lotes(const QString& Lista, QStringList& Items);

// The batches of `Lotes` whose number in `Cantidades` (same positions) is
// above zero, each followed by one blank. `Lotes` comes back without its
// characters 255 (ÿ). A failure asks the operator; leaving gives "".
QString Cuenta_Series_Lotes(QString& Lotes, const QString& Cantidades);
