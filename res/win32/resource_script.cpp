// Writes what the Windows executable carries as resources, from the
// program's own resource data: icon 128 as an icon file (its 32x32 and 16x16
// images in the classic 16 colours, for Explorer) and the resource script
// naming it, with the version record and the application manifest.
//   resource_script SCRIPT.rc ICON.ico MANIFEST

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "framework/resource_colors.h"
#include "res/resource.h"
#include "res/resource_data.h"

namespace {

class Bytes {
 public:
  void U8(unsigned value) { data_.push_back(static_cast<std::uint8_t>(value)); }
  void U16(unsigned value) {
    U8(value & 0xFF);
    U8(value >> 8);
  }
  void U32(std::uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
  std::size_t Size() const { return data_.size(); }
  const std::vector<std::uint8_t>& Data() const { return data_; }

 private:
  std::vector<std::uint8_t> data_;
};

// The palette index of a pixel character; -1 for a transparent one.
int PaletteIndex(char pixel) {
  if (pixel >= '0' && pixel <= '9') return pixel - '0';
  if (pixel >= 'a' && pixel <= 'f') return pixel - 'a' + 10;
  return -1;
}

int PixelIndex(std::span<const char* const> rows, std::size_t x, std::size_t y) {
  const char* row = rows[y];
  return row && x < std::strlen(row) ? PaletteIndex(row[x]) : -1;
}

// One image as an icon file holds it: a 4-bit bitmap of twice the height
// (colour rows, then the mask's), bottom row first, rows padded to 4 bytes.
Bytes IconImageData(std::span<const char* const> rows) {
  const std::size_t size = rows.size();
  const std::size_t colorStride = (size / 2 + 3) / 4 * 4;
  const std::size_t maskStride = (size / 8 + 3) / 4 * 4;
  Bytes out;
  out.U32(40);  // BITMAPINFOHEADER
  out.U32(static_cast<std::uint32_t>(size));
  out.U32(static_cast<std::uint32_t>(2 * size));
  out.U16(1);
  out.U16(4);
  out.U32(0);
  out.U32(static_cast<std::uint32_t>((colorStride + maskStride) * size));
  out.U32(0);
  out.U32(0);
  out.U32(16);
  out.U32(0);
  for (const PixelRgba& color : kIconPalette) {
    out.U8(color.blue);
    out.U8(color.green);
    out.U8(color.red);
    out.U8(0);
  }
  for (std::size_t y = size; y-- > 0;) {
    for (std::size_t x = 0; x < colorStride * 2; x += 2) {
      const auto index = [&](std::size_t at) { return at < size ? std::max(PixelIndex(rows, at, y), 0) : 0; };
      out.U8(static_cast<unsigned>(index(x) << 4 | index(x + 1)));
    }
  }
  for (std::size_t y = size; y-- > 0;) {
    for (std::size_t x = 0; x < maskStride * 8; x += 8) {
      unsigned bits = 0;
      for (std::size_t bit = 0; bit < 8; ++bit) {
        const bool transparent = x + bit >= size || PixelIndex(rows, x + bit, y) < 0;
        bits |= (transparent ? 0x80u : 0u) >> bit;
      }
      out.U8(bits);
    }
  }
  return out;
}

Bytes IconFile(const IconResource& icon) {
  const Bytes images[] = {IconImageData(icon.large), IconImageData(icon.small)};
  const unsigned sizes[] = {32, 16};
  Bytes out;
  out.U16(0);
  out.U16(1);  // an icon
  out.U16(2);
  std::uint32_t offset = 6 + 16 * 2;
  for (std::size_t i = 0; i < 2; ++i) {
    out.U8(sizes[i]);
    out.U8(sizes[i]);
    out.U8(16);  // colours
    out.U8(0);
    out.U16(1);  // planes
    out.U16(4);  // bits a pixel
    out.U32(static_cast<std::uint32_t>(images[i].Size()));
    out.U32(offset);
    offset += static_cast<std::uint32_t>(images[i].Size());
  }
  for (const Bytes& image : images) out.Append(image);
  return out;
}

// A string as a resource script quotes it.
std::string Quoted(const char* text) {
  std::string quoted = "\"";
  for (const char* c = text; *c; ++c) quoted += *c == '"' ? std::string("\"\"") : std::string(1, *c);
  return quoted + "\"";
}

std::string VersionNumbers(const std::array<WORD, 4>& version, const char* separator) {
  std::string text;
  for (std::size_t i = 0; i < version.size(); ++i) text += (i ? separator : "") + std::to_string(version[i]);
  return text;
}

std::string ResourceScript(const VersionResource& version, const char* iconFile, const char* manifestFile) {
  const unsigned long block = std::strtoul(version.language, nullptr, 16);
  const std::string strings[][2] = {
      {"CompanyName", Quoted(version.companyName)},
      {"FileDescription", Quoted(version.fileDescription)},
      {"FileVersion", Quoted(VersionNumbers(version.fileVersion, ", ").c_str())},
      {"InternalName", Quoted(version.internalName)},
      {"LegalCopyright", Quoted(version.legalCopyright)},
      {"OriginalFilename", Quoted(version.originalFilename)},
      {"ProductName", Quoted(version.productName)},
      {"ProductVersion", Quoted(VersionNumbers(version.productVersion, ", ").c_str())},
  };
  std::string script = "// Written by resource_script from the program's resource data.\n";
  script += std::to_string(IDR_MAINFRAME) + " ICON " + Quoted(iconFile) + "\n";
  script += "1 24 " + Quoted(manifestFile) + "\n";  // the application manifest
  script += "1 VERSIONINFO\n";
  script += "FILEVERSION " + VersionNumbers(version.fileVersion, ",") + "\n";
  script += "PRODUCTVERSION " + VersionNumbers(version.productVersion, ",") + "\n";
  script += "FILEOS 0x40004\nFILETYPE 0x1\nBEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n";
  script += "    BLOCK " + Quoted(version.language) + "\n    BEGIN\n";
  for (const auto& [name, value] : strings) script += "      VALUE \"" + name + "\", " + value + "\n";
  script += "    END\n  END\n  BLOCK \"VarFileInfo\"\n  BEGIN\n";
  script += "    VALUE \"Translation\", " + std::to_string(block >> 16) + ", " + std::to_string(block & 0xFFFF) + "\n";
  script += "  END\nEND\n";
  return script;
}

bool WriteFile(const char* path, const void* data, std::size_t size) {
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: resource_script SCRIPT.rc ICON.ico MANIFEST\n", stderr);
    return 2;
  }
  const Bytes icon = IconFile(resources::kMainFrameIcon);
  const std::string script = ResourceScript(resources::kVersionInfo, argv[2], argv[3]);
  if (!WriteFile(argv[2], icon.Data().data(), icon.Size()) || !WriteFile(argv[1], script.data(), script.size())) {
    std::fprintf(stderr, "resource_script: cannot write %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
