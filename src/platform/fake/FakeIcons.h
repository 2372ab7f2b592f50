#pragma once
// Program icons for the tests: files are given an icon colour; the image handed out is drawn for
// the size asked for (opaque, with a transparent top-left pixel), so a test sees which file and
// which size an icon came from. Every request is recorded.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Icons.h"

namespace sequora::platform {

class FakeIcons : public Icons {
 public:
  // `path` (letter case does not matter) has an icon of `colour` (0xRRGGBB).
  void SetIcon(const std::string& path, std::uint32_t colour);
  // The image ExtractFirstIcon gives for an icon of `colour` at `size`.
  static Bitmap Image(std::uint32_t colour, int size);

  std::vector<std::pair<std::string, std::vector<int>>> requests;  // path and sizes of every call

  std::vector<Bitmap> ExtractFirstIcon(const std::string& path, const std::vector<int>& sizes) override;

 private:
  std::map<std::string, std::uint32_t> icons_;  // upper-cased path -> colour
};

}  // namespace sequora::platform
