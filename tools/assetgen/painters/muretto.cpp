// One tile of the maze's walls in LABIRINTO DEI GOLOSI: four courses of bricks
// laid in stretcher bond. The window stacks seven tiles into each of its five
// columns, at a pitch one pixel shorter than a tile, so the tile starts with a bed
// of mortar and ends on bricks: stacked, the courses run on without a seam, and a
// tile left alone between two open gaps still reads as a block. It is drawn pixel
// by pixel, since at 36 x 36 every pixel shows.
//
// Each edition lays its own bricks: red, sandstone, deep brown or terracotta.

#include "painters/painter.h"

#include <QImage>

#include <algorithm>

namespace assetgen {

namespace {

constexpr int kCourse = 9;  // a bed of mortar and eight rows of brick
constexpr int kBrick = 18;  // two bricks to a course, the courses offset by half

QColor brickColour(int edition)
{
    switch (edition) {
    case 2:
        return QColor(0xc4, 0x7c, 0x3a);
    case 3:
        return QColor(0x9a, 0x42, 0x2c);
    case 4:
        return QColor(0xcc, 0x64, 0x36);
    default:
        return QColor(0xb4, 0x46, 0x2c);
    }
}

QColor scaled(const QColor& colour, int percent)
{
    const auto channel = [percent](int c) { return std::clamp(c * percent / 100, 0, 255); };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

// A fixed scramble of a brick's place, so each brick has its own tone and its own
// grains, the same on every run.
unsigned scramble(unsigned a, unsigned b)
{
    unsigned h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA6Bu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

QImage paintMuretto(const PaintRequest& request)
{
    const QColor base = brickColour(request.edition);
    const QColor mortar(0xe6, 0xdc, 0xc8), mortarShade(0xb8, 0xae, 0x9c);
    const int width = request.size.width(), height = request.size.height();
    QImage image(request.size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        const int course = y / kCourse, row = y % kCourse;
        const int offset = course % 2 == 0 ? 0 : kBrick / 2;
        for (int x = 0; x < width; ++x) {
            const int along = x + offset;
            const int brick = along / kBrick, column = along % kBrick;
            QColor colour;
            if (row == 0) {
                colour = mortar;
            } else if (column == 0) {
                // The upright joint, in the shadow of the brick on its left.
                colour = mortarShade;
            } else {
                const unsigned h = scramble(unsigned(course), unsigned(brick));
                int percent = 88 + int(h % 25);  // each brick a little lighter or darker
                if (row == 1 || column == 1)
                    percent += 28;  // the lit top and left edges
                else if (row == kCourse - 1 || column == kBrick - 1)
                    percent -= 26;  // the shaded bottom and right edges
                else if (scramble(unsigned(x), unsigned(y)) % 9 == 0)
                    percent -= 14;  // grains in the clay
                colour = scaled(base, percent);
            }
            // The wall's two faces: darker down the outer columns, so a column of
            // tiles stands out as a pillar.
            if (x == 0 || x == width - 1)
                colour = scaled(colour, 62);
            image.setPixel(x, y, colour.rgb());
        }
    }
    return image;
}

}  // namespace

}  // namespace assetgen

ZOLMERA_PAINTER("muretto", assetgen::paintMuretto)
