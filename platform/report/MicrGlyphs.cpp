#include "platform/report/MicrGlyphs.h"



namespace {

// E-13B is drawn on a grid of 0.013 inch; a character cell is 7 units wide and 9 units high.
constexpr double GridInch = 0.013;
constexpr double PitchInch = 0.125;
constexpr int CellHeight = 9;

struct Block {
    int x, y, w, h; // grid units, y from the top of the cell
};

std::vector<Block> glyph(QChar c)
{
    switch (c.unicode()) {
    case '0': return {{0, 0, 7, 1}, {0, 0, 2, 9}, {5, 0, 2, 9}, {0, 8, 7, 1}};
    case '1': return {{2, 0, 3, 1}, {3, 0, 2, 9}, {1, 6, 3, 3}};
    case '2': return {{0, 0, 7, 1}, {5, 0, 2, 5}, {0, 4, 7, 1}, {0, 4, 3, 5}, {0, 8, 7, 1}};
    case '3': return {{1, 0, 6, 1}, {4, 0, 3, 9}, {2, 4, 5, 1}, {1, 8, 6, 1}};
    case '4': return {{0, 1, 2, 5}, {0, 5, 7, 1}, {4, 0, 2, 5}, {4, 5, 3, 4}};
    case '5': return {{0, 0, 7, 1}, {0, 0, 2, 5}, {0, 4, 7, 1}, {4, 4, 3, 5}, {0, 8, 7, 1}};
    case '6': return {{0, 0, 6, 1}, {0, 0, 3, 9}, {0, 4, 7, 1}, {5, 4, 2, 5}, {0, 8, 7, 1}};
    case '7': return {{0, 0, 7, 1}, {5, 0, 2, 5}, {3, 4, 4, 1}, {3, 4, 3, 5}};
    case '8': return {{1, 0, 5, 1}, {1, 0, 2, 5}, {4, 0, 2, 5}, {0, 4, 7, 1}, {0, 4, 3, 5}, {4, 4, 3, 5}, {0, 8, 7, 1}};
    case '9': return {{0, 0, 7, 1}, {0, 0, 2, 6}, {0, 5, 7, 1}, {4, 0, 3, 9}, {3, 8, 4, 1}};
    // Transit: a full-height bar with two small squares before it.
    case 't': case 'T': return {{0, 1, 2, 2}, {0, 6, 2, 2}, {4, 0, 2, 9}};
    // On-us: two bars hanging from the top and a square below them at the right.
    case 'o': case 'O': return {{0, 0, 2, 5}, {3, 0, 2, 5}, {5, 7, 2, 2}};
    // Amount: a full-height bar between two squares at the bottom and top.
    case 'a': case 'A': return {{0, 6, 2, 2}, {3, 0, 2, 9}, {5, 1, 2, 2}};
    // Dash: three small squares across the middle.
    case 'd': case 'D': return {{0, 4, 2, 2}, {3, 4, 1, 2}, {5, 4, 2, 2}};
    default: return {};
    }
}

} // namespace

double MicrCharPitch(double size)
{
    return PitchInch * size / 10.0;
}

double MicrCharHeight(double size)
{
    return GridInch * CellHeight * size / 10.0;
}

double MicrTextWidth(double size, const QString& text)
{
    return MicrCharPitch(size) * text.size();
}

std::vector<QRectF> MicrGlyphRects(QChar c, double size)
{
    const double unit = GridInch * size / 10.0;
    std::vector<QRectF> rects;
    for (const Block& b : glyph(c))
        rects.emplace_back(b.x * unit, (b.y - CellHeight) * unit, b.w * unit, b.h * unit);
    return rects;
}
