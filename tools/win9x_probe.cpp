// A small program that pulls in what the product pulls in from the MinGW
// runtime, libstdc++, libjpeg and libpng, so that the import check of the
// win32 build always has a binary to judge, even before the product exists.
// It is never shipped.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace {

int nextNumber() {
  static int number = std::rand();  // a guarded local static
  return ++number;
}

std::string describeSystem() {
  OSVERSIONINFOA version;
  std::memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  char folder[MAX_PATH] = "";
  GetWindowsDirectoryA(folder, sizeof folder);
  std::ostringstream text;
  text << version.dwMajorVersion << '.' << version.dwMinorVersion << ' ' << folder;
  return text.str();
}

bool jpegRoundTrip() {
  unsigned char pixels[64];
  for (int i = 0; i < 64; ++i) pixels[i] = static_cast<unsigned char>(i * 4);
  jpeg_error_mgr errors;
  jpeg_compress_struct out;
  out.err = jpeg_std_error(&errors);
  jpeg_create_compress(&out);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&out, &buffer, &size);
  out.image_width = 8;
  out.image_height = 8;
  out.input_components = 1;
  out.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&out);
  jpeg_start_compress(&out, TRUE);
  for (int y = 0; y < 8; ++y) {
    JSAMPROW row = pixels + y * 8;
    jpeg_write_scanlines(&out, &row, 1);
  }
  jpeg_finish_compress(&out);
  jpeg_destroy_compress(&out);

  jpeg_decompress_struct in;
  in.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&in);
  jpeg_mem_src(&in, buffer, size);
  const bool ok = jpeg_read_header(&in, TRUE) == JPEG_HEADER_OK && in.image_width == 8;
  jpeg_destroy_decompress(&in);
  std::free(buffer);
  return ok;
}

bool pngRoundTrip() {
  unsigned char pixels[64];
  for (int i = 0; i < 64; ++i) pixels[i] = static_cast<unsigned char>(i);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = 8;
  image.height = 8;
  image.format = PNG_FORMAT_GRAY;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, nullptr)) return false;
  std::vector<unsigned char> file(size);
  if (!png_image_write_to_memory(&image, file.data(), &size, 0, pixels, 0, nullptr)) return false;

  png_image back;
  std::memset(&back, 0, sizeof back);
  back.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&back, file.data(), size)) return false;
  back.format = PNG_FORMAT_GRAY;
  unsigned char read[64];
  const bool ok = png_image_finish_read(&back, nullptr, read, 0, nullptr) != 0;
  return ok && std::memcmp(read, pixels, sizeof read) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::vector<int>> sections;
  sections[argc > 0 ? argv[0] : "?"].push_back(nextNumber());
  std::string caught;
  try {
    throw std::runtime_error(describeSystem());
  } catch (const std::exception& error) {
    caught = error.what();
  }
  auto stamp = std::make_unique<std::string>(std::to_string(std::time(nullptr)));
  std::sort(stamp->begin(), stamp->end());
  std::istringstream numbers("12 3.5");
  int whole = 0;
  double fraction = 0;
  numbers >> whole >> fraction;
  const bool pictures = jpegRoundTrip() && pngRoundTrip();
  std::printf("%s | %s | %d %g | %s\n", caught.c_str(), stamp->c_str(), whole, fraction,
              pictures ? "Bilder ok" : "Bilder FEHLER");
  return pictures ? 0 : 1;
}
