#include "toolkit/Resample.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace toolkit {
namespace {

using Channels = std::array<double, 3>;

Channels Split(std::uint32_t c) {
  return {static_cast<double>(c & 0xFF), static_cast<double>((c >> 8) & 0xFF),
          static_cast<double>((c >> 16) & 0xFF)};
}

std::uint32_t Join(const Channels& c) {
  const auto level = [](double v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0)));
  };
  return level(c[0]) | (level(c[1]) << 8) | (level(c[2]) << 16);
}

ui::Image Blank(const ui::Image& source, int width, int height) {
  ui::Image out;
  out.width = std::max(width, 0);
  out.height = std::max(height, 0);
  out.bitsPerPixel = source.bitsPerPixel;
  out.topDown = source.topDown;
  out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  return out;
}

// The source pixels one target pixel covers along an axis, with their weights.
struct Tap {
  int first;
  std::vector<double> weights;
};

std::vector<Tap> Taps(int from, int to) {
  std::vector<Tap> taps(static_cast<std::size_t>(to));
  const double ratio = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    Tap& tap = taps[static_cast<std::size_t>(i)];
    if (ratio >= 1.0) {
      // Shrinking: the share of each source pixel in [i, i + 1) scaled back.
      const double begin = i * ratio, end = (i + 1) * ratio;
      tap.first = static_cast<int>(std::floor(begin));
      for (int s = tap.first; s < end && s < from; ++s) {
        const double cover = std::min<double>(s + 1, end) - std::max<double>(s, begin);
        tap.weights.push_back(cover / ratio);
      }
    } else {
      // Growing: between the two source centres around the target centre.
      const double centre = std::clamp((i + 0.5) * ratio - 0.5, 0.0, from - 1.0);
      tap.first = std::min(static_cast<int>(centre), from - 1);
      const double t = centre - tap.first;
      tap.weights = {1 - t};
      if (tap.first + 1 < from) tap.weights.push_back(t);
    }
  }
  return taps;
}

}  // namespace

ui::Image Resample(const ui::Image& source, int width, int height) {
  ui::Image out = Blank(source, width, height);
  if (out.pixels.empty() || source.width <= 0 || source.height <= 0) return out;
  const std::vector<Tap> across = Taps(source.width, out.width);
  const std::vector<Tap> down = Taps(source.height, out.height);
  // Rows first, then columns: separable, so each pass is cheap.
  std::vector<Channels> rows(static_cast<std::size_t>(out.width) *
                             static_cast<std::size_t>(source.height));
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const Tap& tap = across[static_cast<std::size_t>(x)];
      Channels sum{};
      for (std::size_t k = 0; k < tap.weights.size(); ++k) {
        const Channels c = Split(source.At(tap.first + static_cast<int>(k), y));
        for (int ch = 0; ch < 3; ++ch) sum[ch] += c[ch] * tap.weights[k];
      }
      rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) +
           static_cast<std::size_t>(x)] = sum;
    }
  }
  for (int y = 0; y < out.height; ++y) {
    const Tap& tap = down[static_cast<std::size_t>(y)];
    for (int x = 0; x < out.width; ++x) {
      Channels sum{};
      for (std::size_t k = 0; k < tap.weights.size(); ++k) {
        const Channels& c = rows[static_cast<std::size_t>(tap.first + static_cast<int>(k)) *
                                     static_cast<std::size_t>(out.width) +
                                 static_cast<std::size_t>(x)];
        for (int ch = 0; ch < 3; ++ch) sum[ch] += c[ch] * tap.weights[k];
      }
      out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) +
                 static_cast<std::size_t>(x)] = Join(sum);
    }
  }
  return out;
}

ui::Image ResampleNearest(const ui::Image& source, int width, int height) {
  ui::Image out = Blank(source, width, height);
  if (out.pixels.empty() || source.width <= 0 || source.height <= 0) return out;
  for (int y = 0; y < out.height; ++y) {
    const int sy = std::min(source.height - 1, (2 * y + 1) * source.height / (2 * out.height));
    for (int x = 0; x < out.width; ++x) {
      const int sx = std::min(source.width - 1, (2 * x + 1) * source.width / (2 * out.width));
      out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) +
                 static_cast<std::size_t>(x)] = source.At(sx, sy);
    }
  }
  return out;
}

ui::Image Crop(const ui::Image& source, int x, int y, int width, int height) {
  const int x0 = std::clamp(x, 0, source.width), y0 = std::clamp(y, 0, source.height);
  const int x1 = std::clamp(x + width, x0, source.width);
  const int y1 = std::clamp(y + height, y0, source.height);
  ui::Image out = Blank(source, x1 - x0, y1 - y0);
  for (int j = 0; j < out.height; ++j) {
    for (int i = 0; i < out.width; ++i) {
      out.pixels[static_cast<std::size_t>(j) * static_cast<std::size_t>(out.width) +
                 static_cast<std::size_t>(i)] = source.At(x0 + i, y0 + j);
    }
  }
  return out;
}

}  // namespace toolkit
