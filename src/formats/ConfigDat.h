#pragma once

#include <QString>
#include <array>
#include <limits>

namespace yb {

// Config.Dat: the window layout, colour scheme and text size kept between
// runs, fifteen decimal integers, one per line, lines ended by CR LF.
struct ConfigDat {
    enum Line {
        Left,
        Top,
        Width,
        Height,
        PanFicHeight,
        PanIzqWidth,
        PanCenWidth,
        UsosLeft,
        UsosTop,
        UsosWidth,
        UsosHeight,
        UsosPanIzqWidth,
        UsosPanPlantasHeight,
        ColorScheme,
        TextSize,
        LineCount
    };

    // A value that means "centred on the screen" for the window positions.
    static constexpr int kCentred = std::numeric_limits<int>::min();

    std::array<int, LineCount> values = defaults();

    static std::array<int, LineCount> defaults();

    int operator[](Line line) const { return values[line]; }
    int &operator[](Line line) { return values[line]; }

    // Reads the file. A missing file keeps every built-in value. A line that is
    // missing, not an integer or out of its range keeps that value's built-in
    // value; the rest of the file still applies. Returns false when the file
    // did not exist.
    bool read(const QString &path);
    // Writes the fifteen values, replacing any previous file at once. False on
    // failure, and then the previous file is kept as it was.
    bool write(const QString &path) const;
};

} // namespace yb
