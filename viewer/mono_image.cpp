#include "viewer/mono_image.h"

#include <string>

#include "viewer/view_error.h"

namespace {

constexpr std::size_t HeaderValues = 4;

std::size_t BandCount(std::size_t height) { return (height + 7) / 8; }

}  // namespace

bool PixelIsSet(const MonoImage& image, std::size_t x, std::size_t y) {
  return (image.Bands[y / 8 * image.Width + x] >> (y % 8) & 1) != 0;
}

MonoImage ImageFromValues(std::vector<std::uint8_t> values, std::optional<std::size_t> width) {
  const std::string count = std::to_string(values.size());
  MonoImage image;
  if (width) {
    if (values.empty()) throw ViewError("the file holds no values");
    if (values.size() % *width != 0) {
      throw ViewError(count + " values do not fill whole bands of " + std::to_string(*width) + " columns");
    }
    image.Width = *width;
    image.Height = values.size() / *width * 8;
    image.Bands = std::move(values);
    return image;
  }
  if (values.size() < HeaderValues) {
    throw ViewError("the file holds " + count + " values, fewer than the 4 of the MMP header");
  }
  image.Width = values[0] | values[1] << 8;
  image.Height = values[2] | values[3] << 8;
  const std::size_t expected = HeaderValues + image.Width * BandCount(image.Height);
  if (values.size() != expected) {
    throw ViewError("its header gives " + std::to_string(image.Width) + " x " + std::to_string(image.Height) +
                    " pixels, which take " + std::to_string(expected) + " values, but the file holds " + count +
                    " (use --width for a file without the header)");
  }
  image.Bands.assign(values.begin() + HeaderValues, values.end());
  return image;
}
