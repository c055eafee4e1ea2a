#include "plot/Symbols.h"

#include "plot/VectorCanvas.h"

#include <initializer_list>

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);

struct Offset {
    int dx, dy;
};

template <DrawingSurface Surface>
class SymbolPainter {
public:
    SymbolPainter(Surface& surface, CanvasPoint centre, QRgb setColour)
        : c_(surface), centre_(centre), colour_(setColour)
    {
    }

    void colour() { c_.pen.colour = colour_; }
    void white() { c_.pen.colour = kWhite; }

    void rect(int x1, int y1, int x2, int y2) { c_.rectangle(centre_.offset(x1, y1), centre_.offset(x2, y2)); }

    void lines(std::initializer_list<Offset> points)
    {
        auto p = points.begin();
        c_.moveTo(centre_.offset(p->dx, p->dy));
        for (++p; p != points.end(); ++p)
            c_.lineTo(centre_.offset(p->dx, p->dy));
    }

    void diamond(int r) { lines({{-r, 0}, {0, r}, {r, 0}, {0, -r}, {-r, 0}}); }

    void t1() { lines({{-2, 2}, {3, 2}, {0, -2}, {-3, 2}}); }
    void t2() { lines({{-2, 2}, {2, 2}, {0, -2}, {-2, 2}}); }
    void t3() { lines({{-1, 1}, {1, 1}, {0, -1}, {-1, 1}}); }
    void t4() { lines({{-1, 0}, {1, 0}, {0, -1}, {-1, 0}}); }
    void t5() { lines({{-3, 3}, {3, 3}, {0, -4}, {-3, 3}}); }

    void g1() { lines({{-4, -2}, {-2, -4}, {2, -4}, {4, -2}, {4, 2}, {2, 4}, {-2, 4}, {-4, 2}, {-4, -2}}); }
    void g2() { lines({{-3, -2}, {-2, -3}, {2, -3}, {3, -2}, {3, 2}, {2, 3}, {-2, 3}, {-3, 2}, {-3, -2}}); }
    void g3() { lines({{-3, -1}, {-1, -3}, {1, -3}, {3, -1}, {3, 1}, {1, 3}, {-1, 3}, {-3, 1}, {-3, -1}}); }
    void g4() { lines({{-2, -1}, {-1, -2}, {1, -2}, {2, -1}, {2, 1}, {1, 2}, {-1, 2}, {-2, 1}, {-2, -1}}); }

private:
    Surface& c_;
    CanvasPoint centre_;
    QRgb colour_;
};

} // namespace

template <DrawingSurface Surface>
void drawSymbolShape(Surface& surface, CanvasPoint centre, int number, QRgb setColour)
{
    SymbolPainter<Surface> s(surface, centre, setColour);
    switch (number) {
    case 0:
        s.rect(-1, -1, 1, 1);
        break;
    case 1:
        s.rect(-2, -2, 3, 3);
        s.white();
        s.rect(-1, -1, 2, 2);
        s.rect(-1, -1, 1, 1);
        break;
    case 2:
        s.colour();
        s.rect(-2, -2, 3, 3);
        s.lines({{-1, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, 0}, {0, -1}, {0, 2}});
        break;
    case 3:
        s.diamond(3);
        s.white();
        s.diamond(2);
        s.diamond(1);
        break;
    case 4:
        s.diamond(3);
        s.diamond(2);
        s.diamond(1);
        break;
    case 5:
        s.rect(-3, -3, 4, 4);
        s.rect(-2, -2, 3, 3);
        s.rect(-1, -1, 2, 2);
        break;
    case 6:
        s.rect(-3, -3, 4, 4);
        s.white();
        s.rect(-2, -2, 3, 3);
        s.rect(-1, -1, 2, 2);
        break;
    case 7:
        s.white();
        s.t1();
        s.t2();
        s.t3();
        s.t4();
        s.colour();
        s.t5();
        break;
    case 8:
        s.colour();
        s.t1();
        s.t2();
        s.t3();
        s.t4();
        s.colour();
        s.t5();
        break;
    case 9:
        s.g1();
        s.white();
        s.g2();
        s.g3();
        s.g4();
        s.rect(-1, -1, 2, 2);
        break;
    case 10:
        s.g1();
        s.g2();
        s.g3();
        s.g4();
        s.rect(-1, -1, 2, 2);
        break;
    case 11:
        s.diamond(5);
        s.diamond(4);
        s.white();
        s.diamond(3);
        s.diamond(2);
        s.diamond(1);
        break;
    case 12:
        for (int r = 5; r >= 1; --r)
            s.diamond(r);
        break;
    case 13:
        s.lines({{-1, -1}, {2, 2}});
        s.lines({{1, -1}, {-2, 2}});
        break;
    case 14:
        s.lines({{0, 1}, {0, -2}});
        s.lines({{-1, 0}, {2, 0}});
        break;
    default:
        break;
    }
}

template void drawSymbolShape<Canvas>(Canvas&, CanvasPoint, int, QRgb);
template void drawSymbolShape<VectorCanvas>(VectorCanvas&, CanvasPoint, int, QRgb);
