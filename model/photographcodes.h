#pragma once

// The codes a photograph's file and its shapes carry, by name. Each keeps the number the file
// stores, so a value converts to and from its field with int().

enum class ShapeKind : int
{
    Point = 0,
    Line = 1,
    Rectangle = 2,
    Oval = 3,
};

// The roles of a shape's five points.
enum class PointRole : int
{
    Start = 0,
    End = 1,
    Spare = 2,
    Maximum = 3,
    Minimum = 4,
};

// Any other code reads "N.A".
enum class TemperatureUnit : int
{
    Celsius = 0,
    Fahrenheit = 1,
    Kelvin = 2,
};

enum class PaletteIndex : int
{
    Spectrum = 0,
    Iron = 1,
    Cool = 2,
    WhiteHot = 3,
    BlackHot = 4,
};
