// Imports a large JPEG as a start picture the way the boot page does:
// decode (scaled down by libjpeg), resample to 320 x 400 with the triangle
// filter, reduce to 256 colours, write the 8-bit bitmap, and make the
// 110 x 77 preview. Reports the time; run it under /usr/bin/time -v for the
// peak memory (bench/logo_import.sh does both).
//
// Usage: bench_logo_import FILE.jpg [ROUNDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "widgets/jpeg_decoder.h"
#include "widgets/picture_pipeline.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_logo_import FILE.jpg [ROUNDS]\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "rb");
    if (!file) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    std::string bytes;
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    std::fclose(file);
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;

    double best = 1e9, total = 0;
    size_t written = 0;
    int previewWidth = 0;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const widgets::TBitmap picture = widgets::DecodeJpeg(bytes, 320, 400);
        const widgets::TBitmap logo = widgets::Resample(picture, 320, 400, widgets::TResampleFilter::Triangle);
        const std::string bmp = widgets::ToBmp8(widgets::ReduceTo256(logo));
        const widgets::TBitmap preview = widgets::Resample(picture, 110, 77, widgets::TResampleFilter::Triangle);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        written = bmp.size();
        previewWidth = preview.Width();
        best = seconds < best ? seconds : best;
        total += seconds;
    }
    std::printf(
        "import of %s (%zu bytes): best %.3f s, mean %.3f s over %d rounds; bitmap %zu bytes, preview %d wide\n",
        argv[1], bytes.size(), best, total / rounds, rounds, written, previewWidth);
    return 0;
}
