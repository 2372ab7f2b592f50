#include "platform/win32/PictureDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>

#include "platform/win32/DibCanvas.h"
#include "platform/win32/ScopedGdi.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {


namespace {

// Premultiplied 32-bit pixels, 0xAARRGGBB (the byte order of a 32-bit DIB), top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> data;
};

constexpr int kSupersample = 4;
constexpr double kGrid = 24.0;  // glyphs are designed on a 24 x 24 grid

using Canvas = DibCanvas;

struct Pt {
  double x, y;
};

// Draws every shape twice: in colour on a black canvas and in white on a black mask. Averaging
// blocks of both gives premultiplied colour and coverage.
class GlyphPainter {
 public:
  GlyphPainter(Canvas& colour, Canvas& mask) : colour_(colour), mask_(mask) {
    scale_ = colour.Width() / kGrid;
  }

  void Polygon(std::initializer_list<Pt> points, COLORREF fill) { PolygonOf(std::vector<Pt>(points), fill); }
  void PolygonOf(const std::vector<Pt>& points, COLORREF fill) {
    std::vector<POINT> p;
    for (const Pt& q : points) p.push_back(Map(q));
    Both(fill, false, 0, [&](HDC dc) { ::Polygon(dc, p.data(), static_cast<int>(p.size())); });
  }
  void Rect(double x0, double y0, double x1, double y1, COLORREF fill) {
    Polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, fill);
  }
  void RoundRect(double x0, double y0, double x1, double y1, double r, COLORREF fill) {
    POINT a = Map({x0, y0}), b = Map({x1, y1});
    int d = Len(r * 2);
    Both(fill, false, 0, [&](HDC dc) { ::RoundRect(dc, a.x, a.y, b.x, b.y, d, d); });
  }
  void Ellipse(double cx, double cy, double r, COLORREF fill) {
    POINT a = Map({cx - r, cy - r}), b = Map({cx + r, cy + r});
    Both(fill, false, 0, [&](HDC dc) { ::Ellipse(dc, a.x, a.y, b.x, b.y); });
  }
  // Clears a disc to transparent (holes).
  void EraseEllipse(double cx, double cy, double r) {
    POINT a = Map({cx - r, cy - r}), b = Map({cx + r, cy + r});
    for (Canvas* c : {&colour_, &mask_}) Draw(c->Dc(), RGB(0, 0, 0), false, 0, [&](HDC dc) {
        ::Ellipse(dc, a.x, a.y, b.x, b.y);
      });
  }
  void Lines(std::initializer_list<Pt> points, double width, COLORREF colour) {
    std::vector<POINT> p;
    for (const Pt& q : points) p.push_back(Map(q));
    Both(colour, true, Len(width), [&](HDC dc) { ::Polyline(dc, p.data(), static_cast<int>(p.size())); });
  }
  void Polyline(const std::vector<Pt>& points, double width, COLORREF colour) {
    std::vector<POINT> p;
    for (const Pt& q : points) p.push_back(Map(q));
    Both(colour, true, Len(width), [&](HDC dc) { ::Polyline(dc, p.data(), static_cast<int>(p.size())); });
  }
  void Ring(double cx, double cy, double r, double width, COLORREF colour) {
    POINT a = Map({cx - r, cy - r}), b = Map({cx + r, cy + r});
    Both(colour, true, Len(width), [&](HDC dc) {
      const ScopedSelect noFill(dc, ::GetStockObject(NULL_BRUSH));
      ::Ellipse(dc, a.x, a.y, b.x, b.y);
    });
  }
  void Text(const char* text, double x0, double y0, double x1, double y1, COLORREF colour) {
    RECT r{Map({x0, y0}).x, Map({x0, y0}).y, Map({x1, y1}).x, Map({x1, y1}).y};
    LOGFONTA lf{};
    lf.lfHeight = -(r.bottom - r.top);
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    UniqueGdi font(::CreateFontIndirectA(&lf));
    for (Canvas* c : {&colour_, &mask_}) {
      HDC dc = c->Dc();
      const ScopedSelect selectFont(dc, font.Get());
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, c == &mask_ ? RGB(255, 255, 255) : colour);
      ::DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  }

 private:
  POINT Map(Pt p) const {
    return POINT{static_cast<LONG>(std::lround(p.x * scale_)), static_cast<LONG>(std::lround(p.y * scale_))};
  }
  int Len(double units) const { return std::max(1, static_cast<int>(std::lround(units * scale_))); }

  template <typename F>
  void Both(COLORREF colour, bool stroke, int width, F&& shape) {
    Draw(colour_.Dc(), colour, stroke, width, shape);
    Draw(mask_.Dc(), RGB(255, 255, 255), stroke, width, shape);
  }
  template <typename F>
  void Draw(HDC dc, COLORREF colour, bool stroke, int width, F&& shape) {
    UniqueGdi pen, brush;
    if (stroke) {
      LOGBRUSH lb{BS_SOLID, colour, 0};
      pen.Reset(::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, static_cast<DWORD>(width), &lb, 0, nullptr));
    } else {
      pen.Reset(::CreatePen(PS_NULL, 0, 0));
      brush.Reset(::CreateSolidBrush(colour));
    }
    const ScopedSelect selectPen(dc, pen.Get());
    const ScopedSelect selectBrush(dc, brush.Get());
    shape(dc);
  }

  Canvas& colour_;
  Canvas& mask_;
  double scale_;
};

// Palette: calm colours that read on light and dark backgrounds.
constexpr COLORREF kInk = RGB(52, 62, 80);
constexpr COLORREF kBlue = RGB(0, 99, 177);
constexpr COLORREF kGreen = RGB(16, 124, 16);
constexpr COLORREF kRed = RGB(196, 43, 28);
constexpr COLORREF kAmber = RGB(232, 160, 20);
constexpr COLORREF kGreyInk = RGB(128, 128, 128);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kTeal = RGB(0, 140, 140);

using Glyph = std::function<void(GlyphPainter&)>;

void Arrow(GlyphPainter& p, int direction, COLORREF colour) {  // 0 up, 1 right, 2 down, 3 left
  Pt shape[] = {{12, 3}, {21, 12.5}, {15.5, 12.5}, {15.5, 21}, {8.5, 21}, {8.5, 12.5}, {3, 12.5}};
  std::vector<Pt> turned;
  for (Pt q : shape) {
    double x = q.x - 12, y = q.y - 12;
    for (int i = 0; i < direction; ++i) {
      double t = x;
      x = -y;
      y = t;
    }
    turned.push_back({x + 12, y + 12});
  }
  p.PolygonOf(turned, colour);
}

void Gear(GlyphPainter& p, COLORREF colour) {
  std::vector<Pt> points;
  const int teeth = 8;
  const double pi = 3.14159265358979;
  for (int i = 0; i < teeth * 4; ++i) {
    double angle = (i - 0.5) * 2 * pi / (teeth * 4);
    double r = (i % 4 < 2) ? 10.5 : 7.8;
    points.push_back({12 + r * std::cos(angle), 12 + r * std::sin(angle)});
  }
  p.PolygonOf(points, colour);
  p.EraseEllipse(12, 12, 3.3);
}

// A push pin turned by `degrees` around the grid's centre: upright (0) is pushed in, tilted lies
// loose. The always-on-top button's three states are drawn with it.
void Pin(GlyphPainter& p, double degrees, COLORREF head, COLORREF needle) {
  const double a = degrees * 3.14159265358979 / 180.0;
  auto turn = [&](Pt q) {
    const double x = q.x - 12, y = q.y - 12;
    return Pt{12 + x * std::cos(a) - y * std::sin(a), 12 + x * std::sin(a) + y * std::cos(a)};
  };
  p.Polyline({turn({12, 13}), turn({12, 21.5})}, 1.6, needle);
  p.PolygonOf({turn({7, 11}), turn({17, 11}), turn({17, 13.5}), turn({7, 13.5})}, head);
  p.PolygonOf({turn({9, 3}), turn({15, 3}), turn({14.5, 11}), turn({9.5, 11})}, head);
}

const std::map<std::string, Glyph>& Glyphs() {
  static const std::map<std::string, Glyph> glyphs = [] {
    std::map<std::string, Glyph> g;
    g["pause"] = [](GlyphPainter& p) {
      p.RoundRect(5.5, 4, 10, 20, 1.2, kBlue);
      p.RoundRect(14, 4, 18.5, 20, 1.2, kBlue);
    };
    g["play"] = [](GlyphPainter& p) { p.Polygon({{6.5, 3.5}, {20.5, 12}, {6.5, 20.5}}, kGreen); };
    g["next"] = [](GlyphPainter& p) {
      p.Polygon({{4.5, 4.5}, {15.5, 12}, {4.5, 19.5}}, kBlue);
      p.Rect(16.5, 4.5, 19.5, 19.5, kBlue);
    };
    g["skip"] = [](GlyphPainter& p) {
      // An arrow jumping over the program it passes by.
      std::vector<Pt> arc;
      const double pi = 3.14159265358979;
      for (int i = 0; i <= 12; ++i) {
        double a = pi * (1 - i / 12.0 * 0.82);
        arc.push_back({11 + 7.5 * std::cos(a), 14.5 - 8.5 * std::sin(a)});
      }
      p.Polyline(arc, 2.6, kBlue);
      p.Polygon({{14.5, 10.5}, {21.5, 12.5}, {16.5, 18}}, kBlue);
      p.RoundRect(8, 15.5, 14, 21.5, 1.2, kGreyInk);
    };
    g["startnow"] = [](GlyphPainter& p) {
      p.Polygon({{2.5, 5}, {12, 12}, {2.5, 19}}, kGreen);
      p.Polygon({{12, 5}, {21.5, 12}, {12, 19}}, kGreen);
    };
    g["exit"] = [](GlyphPainter& p) {
      p.Lines({{13, 7}, {13, 3.5}, {4, 3.5}, {4, 20.5}, {13, 20.5}, {13, 17}}, 2, kInk);
      p.Lines({{8.5, 12}, {19, 12}}, 2.6, kRed);
      p.Polygon({{16, 7}, {22, 12}, {16, 17}}, kRed);
    };
    g["log"] = [](GlyphPainter& p) {
      p.Polygon({{4.5, 2}, {14.5, 2}, {19.5, 7}, {19.5, 22}, {4.5, 22}}, kGreyInk);
      p.Polygon({{5.7, 3.2}, {13.8, 3.2}, {18.3, 7.7}, {18.3, 20.8}, {5.7, 20.8}}, kPaper);
      p.Polygon({{14, 2.5}, {14, 7.5}, {19, 7.5}}, kGreyInk);
      for (double y : {10.5, 13.5, 16.5}) p.Rect(7.5, y, 16.5, y + 1.4, kBlue);
      p.Rect(7.5, 19, 12.5, 19.4 + 0.9, kBlue);
    };
    g["settings"] = [](GlyphPainter& p) { Gear(p, kInk); };
    g["save"] = [](GlyphPainter& p) {
      p.Polygon({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}}, kBlue);
      p.Rect(7, 3, 16, 9.5, kPaper);
      p.Rect(13, 4.3, 15, 8.3, kBlue);
      p.Rect(6, 13, 18, 21, kPaper);
      p.Rect(8, 15.5, 16, 16.5, kGreyInk);
      p.Rect(8, 18, 16, 19, kGreyInk);
    };
    g["import"] = [](GlyphPainter& p) {
      p.Lines({{3, 14}, {3, 21}, {21, 21}, {21, 14}}, 2.2, kInk);
      p.Rect(10.3, 2, 13.7, 10, kGreen);
      p.Polygon({{5.5, 9}, {12, 16.5}, {18.5, 9}}, kGreen);
    };
    g["restore"] = [](GlyphPainter& p) {
      p.Lines({{3, 14}, {3, 21}, {21, 21}, {21, 14}}, 2.2, kInk);
      p.Rect(10.3, 9, 13.7, 17, kBlue);
      p.Polygon({{5.5, 10}, {12, 2.5}, {18.5, 10}}, kBlue);
    };
    g["update"] = [](GlyphPainter& p) {
      p.Rect(10.3, 2, 13.7, 12, kBlue);
      p.Polygon({{5, 11}, {12, 18.5}, {19, 11}}, kBlue);
      p.Rect(4, 19.5, 20, 22, kInk);
    };
    g["up"] = [](GlyphPainter& p) { Arrow(p, 0, kBlue); };
    g["right"] = [](GlyphPainter& p) { Arrow(p, 1, kBlue); };
    g["down"] = [](GlyphPainter& p) { Arrow(p, 2, kBlue); };
    g["left"] = [](GlyphPainter& p) { Arrow(p, 3, kBlue); };
    g["run"] = [](GlyphPainter& p) {
      p.Ellipse(12, 12, 10.5, kGreen);
      p.Polygon({{9.3, 6.8}, {17.5, 12}, {9.3, 17.2}}, kPaper);
    };
    g["question"] = [](GlyphPainter& p) {
      p.Ellipse(12, 12, 10.5, kBlue);
      p.Text("?", 3, 4.5, 21, 19.5, kPaper);
    };
    g["noquestion"] = [](GlyphPainter& p) {
      p.Ring(12, 12, 9.5, 2, kGreyInk);
      p.Text("?", 3, 4.5, 21, 19.5, kGreyInk);
    };
    g["info"] = [](GlyphPainter& p) {
      p.Ellipse(12, 12, 10.5, kBlue);
      p.Ellipse(12, 6.8, 1.8, kPaper);
      p.RoundRect(10.4, 10, 13.6, 18.5, 1, kPaper);
    };
    g["enabled"] = [](GlyphPainter& p) { p.Lines({{4, 12.5}, {9.5, 18}, {20, 6}}, 3.6, kGreen); };
    // Already running: a program window with a green light.
    g["running"] = [](GlyphPainter& p) {
      p.Rect(2.5, 4, 19.5, 18, kGreyInk);
      p.Rect(4, 7.5, 18, 16.5, kPaper);
      p.Ellipse(17.5, 17, 5, kPaper);
      p.Ellipse(17.5, 17, 3.8, kGreen);
    };
    g["disabled"] = [](GlyphPainter& p) {
      p.Ring(12, 12, 8.8, 3, kRed);
      p.Lines({{6, 18}, {18, 6}}, 3, kRed);
    };
    // A list row's confirmation group, drawn smaller than "question" so that it matches the row's
    // other marks in its larger box: not answered yet, "Run all", "Skip all", "Defaults".
    g["groupask"] = [](GlyphPainter& p) {
      p.Ellipse(12, 12, 8.5, kBlue);
      p.Text("?", 4.7, 5.9, 19.3, 18.1, kPaper);
    };
    g["groupyes"] = [](GlyphPainter& p) {
      p.Ellipse(12, 12, 8.5, kGreen);
      p.Lines({{7.8, 12.2}, {10.8, 15.2}, {16.5, 8.8}}, 2.4, kPaper);
    };
    g["groupno"] = [](GlyphPainter& p) {
      p.Ellipse(12, 12, 8.5, kRed);
      p.Lines({{8.8, 8.8}, {15.2, 15.2}}, 2.4, kPaper);
      p.Lines({{15.2, 8.8}, {8.8, 15.2}}, 2.4, kPaper);
    };
    g["groupdefault"] = [](GlyphPainter& p) {
      p.Ring(12, 12, 7.8, 1.8, kGreyInk);
      p.Text("?", 4.7, 5.9, 19.3, 18.1, kGreyInk);
    };
    g["add"] = [](GlyphPainter& p) {
      p.Rect(10.2, 3.5, 13.8, 20.5, kGreen);
      p.Rect(3.5, 10.2, 20.5, 13.8, kGreen);
    };
    g["remove"] = [](GlyphPainter& p) { p.Rect(3.5, 10.2, 20.5, 13.8, kRed); };
    g["delete"] = [](GlyphPainter& p) {
      p.Lines({{5, 5}, {19, 19}}, 3.4, kRed);
      p.Lines({{19, 5}, {5, 19}}, 3.4, kRed);
    };
    g["close"] = [](GlyphPainter& p) {
      p.Lines({{6, 6}, {18, 18}}, 2.2, kInk);
      p.Lines({{18, 6}, {6, 18}}, 2.2, kInk);
    };
    g["folder"] = [](GlyphPainter& p) {
      p.Polygon({{2, 5}, {9, 5}, {11, 7.5}, {22, 7.5}, {22, 20}, {2, 20}}, RGB(200, 135, 10));
      p.Polygon({{2, 10}, {22, 10}, {22, 20}, {2, 20}}, kAmber);
    };
    g["icon"] = [](GlyphPainter& p) {
      p.Rect(2.5, 4, 21.5, 20, kGreyInk);
      p.Rect(4, 5.5, 20, 18.5, kPaper);
      p.Ellipse(15.5, 9.5, 2, kAmber);
      p.Polygon({{4, 18.5}, {10, 10.5}, {15, 18.5}}, kGreen);
      p.Polygon({{11, 18.5}, {15.5, 13.5}, {20, 18.5}}, kTeal);
    };
    g["program"] = [](GlyphPainter& p) {
      p.Rect(2.5, 4, 21.5, 20, kBlue);
      p.Rect(4, 8, 20, 18.5, kPaper);
    };
    g["pin"] = [](GlyphPainter& p) {
      p.Lines({{12, 13}, {12, 22}}, 1.6, kGreyInk);
      p.Rect(7, 11, 17, 13.5, kRed);
      p.Polygon({{9, 3}, {15, 3}, {14.5, 11}, {9.5, 11}}, kRed);
    };
    g["pinoff"] = [](GlyphPainter& p) { Pin(p, 45, kGreyInk, kGreyInk); };
    g["pinhover"] = [](GlyphPainter& p) { Pin(p, 45, kRed, kInk); };
    g["pinned"] = [](GlyphPainter& p) {
      p.Rect(3, 20.5, 21, 22, kGreyInk);  // the board it is pinned to
      Pin(p, 0, kRed, kInk);
    };
    g["tray"] = [](GlyphPainter& p) {
      p.Rect(2, 17, 22, 22, kInk);
      p.Rect(15, 18.5, 18, 20.5, kGreen);
      p.Rect(4, 3, 20, 14, kGreyInk);
      p.Rect(5.3, 4.3, 18.7, 12.7, kPaper);
    };
    g["sequora"] = [](GlyphPainter& p) {
      p.RoundRect(2, 3.5, 14, 8.5, 2.5, kBlue);
      p.RoundRect(6, 9.5, 18, 14.5, 2.5, kTeal);
      p.RoundRect(10, 15.5, 22, 20.5, 2.5, kGreen);
    };
    g["empty"] = [](GlyphPainter&) {};
    // Other names the windows use for the same drawings.
    const std::pair<const char*, const char*> aliases[] = {
        {"fastforward", "startnow"}, {"group", "question"},
        {"confirm", "question"}, {"noconfirm", "noquestion"}, {"about", "info"},
        {"clear", "delete"},    {"ontop", "pin"},           {"previous", "left"},
        {"forward", "right"},   {"back", "left"},           {"tick", "enabled"},
        {"app", "program"},     {"resume", "play"},         {"backup", "restore"},
    };
    for (const auto& [alias, target] : aliases) g[alias] = g[target];
    return g;
  }();
  return glyphs;
}

Pixels RenderGlyph(const Glyph& glyph, int size) {
  Pixels out;
  if (size <= 0) return out;
  const int big = size * kSupersample;
  Canvas colour(big, big), mask(big, big);
  if (!colour.Ok() || !mask.Ok()) return out;
  {
    GlyphPainter painter(colour, mask);
    glyph(painter);
  }
  ::GdiFlush();
  out.width = out.height = size;
  out.data.assign(static_cast<size_t>(size) * size, 0);
  const std::uint32_t* c = colour.Bits();
  const std::uint32_t* m = mask.Bits();
  const int samples = kSupersample * kSupersample;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      unsigned r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSupersample; ++sy) {
        size_t row = static_cast<size_t>(y * kSupersample + sy) * big + x * kSupersample;
        for (int sx = 0; sx < kSupersample; ++sx) {
          std::uint32_t cp = c[row + sx];
          r += (cp >> 16) & 0xFF;
          g += (cp >> 8) & 0xFF;
          b += cp & 0xFF;
          a += m[row + sx] & 0xFF;
        }
      }
      a /= samples;
      r = std::min(r / samples, a);
      g = std::min(g / samples, a);
      b = std::min(b / samples, a);
      out.data[static_cast<size_t>(y) * size + x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  return out;
}

// Scales a straight-alpha bitmap to width x height (area average when shrinking, bilinear when
// growing) and premultiplies it.
Pixels ScaleBitmap(const Bitmap& source, int width, int height) {
  Pixels out;
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0 ||
      source.pixels.size() < static_cast<size_t>(source.width) * source.height)
    return out;
  out.width = width;
  out.height = height;
  out.data.resize(static_cast<size_t>(width) * height);
  const double sx = static_cast<double>(source.width) / width;
  const double sy = static_cast<double>(source.height) / height;
  auto at = [&](int x, int y) {
    x = std::clamp(x, 0, source.width - 1);
    y = std::clamp(y, 0, source.height - 1);
    return source.pixels[static_cast<size_t>(y) * source.width + x];
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double acc[4] = {0, 0, 0, 0}, total = 0;
      auto add = [&](std::uint32_t p, double w) {
        double alpha = ((p >> 24) & 0xFF) * w;
        acc[0] += alpha;
        acc[1] += ((p >> 16) & 0xFF) * alpha / 255.0;
        acc[2] += ((p >> 8) & 0xFF) * alpha / 255.0;
        acc[3] += (p & 0xFF) * alpha / 255.0;
        total += w;
      };
      if (sx > 1.0 || sy > 1.0) {
        double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
        for (int v = static_cast<int>(y0); v < y1 && v < source.height; ++v) {
          double wy = std::min<double>(v + 1, y1) - std::max<double>(v, y0);
          for (int u = static_cast<int>(x0); u < x1 && u < source.width; ++u) {
            double wx = std::min<double>(u + 1, x1) - std::max<double>(u, x0);
            if (wx > 0 && wy > 0) add(at(u, v), wx * wy);
          }
        }
      } else {
        double fx = (x + 0.5) * sx - 0.5, fy = (y + 0.5) * sy - 0.5;
        int u = static_cast<int>(std::floor(fx)), v = static_cast<int>(std::floor(fy));
        double ax = fx - u, ay = fy - v;
        add(at(u, v), (1 - ax) * (1 - ay));
        add(at(u + 1, v), ax * (1 - ay));
        add(at(u, v + 1), (1 - ax) * ay);
        add(at(u + 1, v + 1), ax * ay);
      }
      if (total <= 0) continue;
      auto channel = [&](double v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v / total), 0L, 255L)); };
      std::uint32_t a = channel(acc[0]);
      std::uint32_t r = std::min(channel(acc[1]), a), g = std::min(channel(acc[2]), a), b = std::min(channel(acc[3]), a);
      out.data[static_cast<size_t>(y) * width + x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  return out;
}

void Grey(Pixels& pixels) {
  for (std::uint32_t& p : pixels.data) {
    std::uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    std::uint32_t lum = (r * 30 + g * 59 + b * 11) / 100;
    std::uint32_t v = std::min(a, (lum * 2 + a * 3) / 6);  // lighter grey, still premultiplied
    p = ((a * 3 / 5) << 24) | ((v * 3 / 5) << 16) | ((v * 3 / 5) << 8) | (v * 3 / 5);
  }
}

Pixels Render(const Picture& picture, int width, int height, RECT& placed) {
  placed = RECT{0, 0, 0, 0};
  if (const Bitmap* bitmap = picture.Image()) {
    if (bitmap->width <= 0 || bitmap->height <= 0) return {};
    // Fit inside the box, keeping proportions; natural size when it fits.
    double scale = std::min({1.0 * width / bitmap->width, 1.0 * height / bitmap->height});
    if (bitmap->width <= width && bitmap->height <= height) scale = 1.0;
    int w = std::max(1, static_cast<int>(std::lround(bitmap->width * scale)));
    int h = std::max(1, static_cast<int>(std::lround(bitmap->height * scale)));
    placed = RECT{(width - w) / 2, (height - h) / 2, (width - w) / 2 + w, (height - h) / 2 + h};
    return ScaleBitmap(*bitmap, w, h);
  }
  auto found = Glyphs().find(picture.Name());
  if (found == Glyphs().end()) return {};
  int size = std::min(width, height);
  placed = RECT{(width - size) / 2, (height - size) / 2, (width - size) / 2 + size, (height - size) / 2 + size};
  return RenderGlyph(found->second, size);
}

void Blend(HDC dc, int x, int y, const Pixels& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0) return;
  Canvas canvas(pixels.width, pixels.height);
  if (!canvas.Ok()) return;
  std::memcpy(canvas.Bits(), pixels.data.data(), pixels.data.size() * 4);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::GdiAlphaBlend(dc, x, y, pixels.width, pixels.height, canvas.Dc(), 0, 0, pixels.width,
                  pixels.height, blend);
}

}  // namespace

void DrawPicture(HDC dc, const RECT& box, const Picture& picture, bool greyed) {
  if (picture.Empty()) return;
  RECT placed;
  Pixels pixels = Render(picture, box.right - box.left, box.bottom - box.top, placed);
  if (pixels.data.empty()) return;
  if (greyed) Grey(pixels);
  Blend(dc, box.left + placed.left, box.top + placed.top, pixels);
}

const std::vector<std::string>& PictureNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const auto& [name, glyph] : Glyphs()) n.push_back(name);
    return n;
  }();
  return names;
}

bool IsPictureName(const std::string& name) { return Glyphs().count(name) != 0; }

HICON CreateIconFromPicture(const Picture& picture, int size) {
  RECT placed;
  Pixels pixels = Render(picture, size, size, placed);
  if (pixels.data.empty()) return nullptr;
  Canvas canvas(size, size);
  if (!canvas.Ok()) return nullptr;
  // Icons take straight alpha.
  std::uint32_t* bits = canvas.Bits();
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      std::uint32_t p = pixels.data[static_cast<size_t>(y) * pixels.width + x];
      std::uint32_t a = p >> 24;
      auto straight = [&](int shift) { return a ? std::min<std::uint32_t>(255, ((p >> shift) & 0xFF) * 255 / a) : 0; };
      bits[static_cast<size_t>(y + placed.top) * size + x + placed.left] =
          (a << 24) | (straight(16) << 16) | (straight(8) << 8) | straight(0);
    }
  }
  std::vector<std::uint8_t> maskBits(static_cast<size_t>((size + 15) / 16 * 2) * size, 0);
  UniqueGdi mask(::CreateBitmap(size, size, 1, 1, maskBits.data()));
  // The colour bitmap must not be selected into a DC when the icon is made: copy it.
  UniqueGdi colour(::CopyImage(::GetCurrentObject(canvas.Dc(), OBJ_BITMAP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = static_cast<HBITMAP>(mask.Get());
  info.hbmColor = static_cast<HBITMAP>(colour.Get());
  return ::CreateIconIndirect(&info);
}

}  // namespace sequora::platform::win32
