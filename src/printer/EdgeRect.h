#pragma once

#include <QRect>

// A rectangle of screen pixels given by its four edges, each of which belongs
// to it: a point on an edge is inside. Empty when Right < Left or Bottom < Top.
struct EdgeRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool isEmpty() const { return Right < Left || Bottom < Top; }
    bool contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
    QRect toQRect() const { return QRect(QPoint(Left, Top), QPoint(Right, Bottom)); }
    bool operator==(const EdgeRect&) const = default;
};
