#pragma once
// What the node list view draws, in logical units (one unit is one pixel at
// 96 dots per inch): lines, icons, text boxes and tooltip areas. The window
// toolkit only paints these.

#include <cstdint>
#include <string>
#include <vector>

namespace gw::view {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  // Strictly inside: points on the edges are outside.
  bool ContainsStrictly(Point p) const {
    return left < p.x && p.x < right && top < p.y && p.y < bottom;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr std::uint8_t Red(Color c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t Green(Color c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t Blue(Color c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kRed = Rgb(255, 0, 0);
inline constexpr Color kSelectedBack = Rgb(32, 96, 192);

struct LineItem {
  Point from;
  Point to;
  Color color = kBlack;
  int width = 2;
  friend bool operator==(const LineItem&, const LineItem&) = default;
};

// The node icon, `size` units square.
struct IconItem {
  Point topLeft;
  int size = 48;
};

// One line of text centred in its box, cut with an ellipsis when too long,
// drawn over its own background.
struct TextItem {
  Rect box;
  std::string text;
  Color foreground = kBlack;
  Color background = kWhite;
};

// The area in which node `node` shows its tooltip.
struct TipItem {
  int node = 0;
  Rect area;
  std::string text;  // lines separated by '\n'
};

struct FontStyle {
  const char* face = "Times New Roman";
  int height = 15;  // cell height in logical units
  int weight = 400;
};

struct DrawList {
  bool drawn = false;  // false: too narrow or no node, nothing at all is drawn
  FontStyle font;
  std::vector<LineItem> lines;
  std::vector<IconItem> icons;
  std::vector<TextItem> texts;
  std::vector<TipItem> tips;
  int rows = 0;  // new rows started after the first
  // Scroll sizes set after drawing, in hundredths of an inch.
  int scrollTotalWidth = 0;
  int scrollTotalHeight = 0;
  int scrollLineHeight = 0;
};

}  // namespace gw::view
