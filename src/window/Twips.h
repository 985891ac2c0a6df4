#pragma once

// The suite lays its windows out in twips, 15 to the pixel.
inline constexpr int Px(int twips)
{
    return (twips + 7) / 15;
}
