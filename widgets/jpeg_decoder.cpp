#include "widgets/jpeg_decoder.h"

#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <new>

// jpeglib.h needs <cstdio> (FILE, size_t) before it.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "widgets/errors.h"

namespace widgets {

const char* const kJpegUnreadable = "Das JPEG-Bild kann nicht gelesen werden.";
const char* const kJpegTooLarge = "Das JPEG-Bild ist zu groß.";
const char* const kJpegColourSpace = "Das Farbformat des JPEG-Bildes wird nicht unterstützt.";
const char* const kPictureUnknown = "Das Bildformat wird nicht unterstützt.";

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return. Ours jumps back to the step that called into libjpeg. Those
// steps (StartJpeg, ReadJpeg) hold no objects with destructors, and every
// frame in between is libjpeg's C code, so the jump skips nothing that
// would need cleaning up. The decompressor is destroyed by DecodeJpeg,
// which lies above the jump's target.

// libjpeg's own memory for one picture, beside the picture itself: enough
// for a progressive colour picture of about 4500 x 4500 pixels.
constexpr long kMaxJpegWorkingMemory = 64L * 1024 * 1024;

enum JpegStatus { kStatusOk, kStatusFailed, kStatusTooLarge, kStatusColourSpace };

struct JpegErrors {
    jpeg_error_mgr base;  // libjpeg sees only this part
    std::jmp_buf back;
};

// Everything one decoding needs, plain data only.
struct JpegJob {
    jpeg_decompress_struct info;
    JpegErrors errors;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    JpegErrors* errors = reinterpret_cast<JpegErrors*>(info->err);
    std::longjmp(errors->back, 1);
}

// Warnings go nowhere, except those that say the picture's data ran out
// before the picture was complete: libjpeg would fill the rest with grey.
void EmitMessage(j_common_ptr info, int level) {
    if (level < 0 && (info->err->msg_code == JWRN_JPEG_EOF || info->err->msg_code == JWRN_HIT_MARKER)) {
        ErrorExit(info);
    }
}

void OutputMessage(j_common_ptr) {}

// Reads the header and starts decoding; may leave through ErrorExit.
JpegStatus StartDecoding(JpegJob* job, const unsigned char* data, unsigned long size, int minWidth, int minHeight) {
    jpeg_create_decompress(&job->info);
    // A small file may claim a large progressive picture, whose
    // coefficients libjpeg would hold in memory before reading any data.
    job->info.mem->max_memory_to_use = kMaxJpegWorkingMemory;
    jpeg_mem_src(&job->info, data, size);
    jpeg_read_header(&job->info, TRUE);
    if (job->info.image_width > JDIMENSION(kMaxJpegSide) || job->info.image_height > JDIMENSION(kMaxJpegSide)) {
        return kStatusTooLarge;
    }
    // libjpeg scales down by 1/2, 1/4 or 1/8 while it decodes, for a small
    // part of the memory and the time; the largest step that still leaves
    // the size asked for is taken.
    for (unsigned denom = 8; denom > 1; denom /= 2) {
        if ((job->info.image_width + denom - 1) / denom >= JDIMENSION(minWidth) &&
            (job->info.image_height + denom - 1) / denom >= JDIMENSION(minHeight) && minWidth > 0 && minHeight > 0) {
            job->info.scale_num = 1;
            job->info.scale_denom = denom;
            break;
        }
    }
    switch (job->info.jpeg_color_space) {
        case JCS_GRAYSCALE:
            job->info.out_color_space = JCS_GRAYSCALE;
            break;
        case JCS_YCbCr:
        case JCS_RGB:
            job->info.out_color_space = JCS_RGB;
            break;
        default:
            return kStatusColourSpace;
    }
    jpeg_start_decompress(&job->info);
    const int components = job->info.output_components;
    if ((components != 1 && components != 3) || job->info.output_width == 0 || job->info.output_height == 0) {
        return kStatusFailed;
    }
    return kStatusOk;
}

// Reads every row into pixels (output_width x output_height, top row
// first); may leave through ErrorExit.
JpegStatus ReadRows(JpegJob* job, uint32_t* pixels) {
    jpeg_decompress_struct& info = job->info;
    const JDIMENSION width = info.output_width;
    const bool grey = info.output_components == 1;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               width * JDIMENSION(info.output_components), 1);
    while (info.output_scanline < info.output_height) {
        uint32_t* out = pixels + size_t(info.output_scanline) * width;
        if (jpeg_read_scanlines(&info, row, 1) != 1) return kStatusFailed;
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < width; ++x) {
            uint32_t r, g, b;
            if (grey) {
                r = g = b = in[x];
            } else {
                r = in[3 * x];
                g = in[3 * x + 1];
                b = in[3 * x + 2];
            }
            out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    jpeg_finish_decompress(&info);
    return kStatusOk;
}

// The two steps that call into libjpeg, each the target of ErrorExit's
// jump. Nothing but the job lives in them.
JpegStatus StartJpeg(JpegJob* job, const unsigned char* data, unsigned long size, int minWidth, int minHeight) {
    if (setjmp(job->errors.back)) return kStatusFailed;
    return StartDecoding(job, data, size, minWidth, minHeight);
}

JpegStatus ReadJpeg(JpegJob* job, uint32_t* pixels) {
    if (setjmp(job->errors.back)) return kStatusFailed;
    return ReadRows(job, pixels);
}

// Destroys the decompressor (also a half-made one) when decoding ends.
class JobCloser {
public:
    explicit JobCloser(JpegJob& job) : job_(job) {}
    ~JobCloser() { jpeg_destroy_decompress(&job_.info); }
    JobCloser(const JobCloser&) = delete;
    JobCloser& operator=(const JobCloser&) = delete;

private:
    JpegJob& job_;
};

void Check(JpegStatus status) {
    switch (status) {
        case kStatusOk:
            return;
        case kStatusTooLarge:
            throw EBitmapError(kJpegTooLarge);
        case kStatusColourSpace:
            throw EBitmapError(kJpegColourSpace);
        case kStatusFailed:
            break;
    }
    throw EBitmapError(kJpegUnreadable);
}

}  // namespace

TBitmap DecodeJpeg(const std::string& bytes) { return DecodeJpeg(bytes, 0, 0); }

TBitmap DecodeJpeg(const std::string& bytes, int minWidth, int minHeight) {
    if (bytes.empty() || bytes.size() > ULONG_MAX) throw EBitmapError(kJpegUnreadable);
    JpegJob job{};  // zeroed: destroying it is safe even if creating failed
    job.info.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = ErrorExit;
    job.errors.base.emit_message = EmitMessage;
    job.errors.base.output_message = OutputMessage;
    JobCloser closer(job);

    Check(StartJpeg(&job, reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<unsigned long>(bytes.size()), minWidth, minHeight));
    TBitmap picture;
    try {
        picture = TBitmap(int(job.info.output_width), int(job.info.output_height));
    } catch (const std::bad_alloc&) {
        throw EBitmapError(kJpegTooLarge);
    }
    Check(ReadJpeg(&job, picture.Scanline(0)));
    return picture;
}

TBitmap LoadPictureBytes(const std::string& bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return TBitmap::FromBmp(bytes);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8) {
        return DecodeJpeg(bytes);
    }
    throw EBitmapError(kPictureUnknown);
}

}  // namespace widgets
