#pragma once

#include <QString>
#include <cstdint>

// The conversions between numbers and text that every subsystem shares, in
// one place, so each reads and rounds alike.

// Reads the number at the start of the text: blanks, tabs and line feeds
// anywhere are ignored, "." is the only decimal point, reading stops at the
// first character that cannot continue the number; no number gives 0.
double Val(const QString& texto);

// A number written with "." (as Val and the amount readers leave it), read
// the same in every locale; raises Err 6 when it is too large for a double,
// and a number too small to hold reads as 0.
double NumeroCADouble(const QByteArray& numero);

// Round half to even; raise Err 6 (overflow) outside the range.
int16_t CInt(double valor);
int32_t CLng(double valor);

// Currency: a 64-bit count of ten-thousandths.
struct Moneda {
    int64_t diezmilesimas = 0;
    static Moneda desdeDouble(double v);  // rounds half to even; Err 6 on overflow
    double aDouble() const { return double(diezmilesimas) / 10000.0; }
    // Plain text with "." and no trailing zeros ("12.5", "3").
    QString texto() const;
    // The same text written at `destino`, which has room for 22 characters;
    // returns the end of it.
    char* cifras(char* destino) const;
    friend bool operator==(Moneda a, Moneda b) { return a.diezmilesimas == b.diezmilesimas; }
};

// a * b / divisor (divisor > 0) rounded half to even, exact in between;
// raises Err 6 when the result does not fit in 64 bits.
int64_t MultiplicaYDivideAlPar(int64_t a, int64_t b, int64_t divisor);

// Colours are stored blue-green-red (&HBBGGRR); Qt wants 0xRRGGBB.
uint32_t ColorBGRaRGB(long bgr);
