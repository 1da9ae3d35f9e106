// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures/jpeg_decoder.h"

#include "platform/pictures/picture_limits.h"

#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>

namespace {
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// libjpeg's default ends the process on an error: jump back out instead.
[[noreturn]] void OnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Warnings (a file cut off, say) are not worth a word to the player.
void OnMessage(j_common_ptr)
{
}

// Everything between setjmp and a possible longjmp lives in this frame, whose
// locals have trivial destructors; the image is owned by the caller.
// Picks the smallest scale M/8 whose output still covers the wanted size.
void ChooseScale(jpeg_decompress_struct& info, QSize cover)
{
    if (cover.isEmpty())
        return;
    info.scale_denom = 8;
    for (unsigned eighths = 1; eighths <= 8; ++eighths) {
        info.scale_num = eighths;
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) >= cover.width() && int(info.output_height) >= cover.height())
            return;
    }
}

bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, const std::uint8_t* data, std::size_t size, QSize cover,
            QImage& image)
{
    if (setjmp(errors.escape))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    // Refused before anything is decoded: the header alone can declare gigapixels.
    if (std::int64_t{info.image_width} * info.image_height > MaxPicturePixels)
        return false;
    // Buffers beyond this make libjpeg ask for a backing store, which it has
    // not, and so end in an error instead of an allocation.
    info.mem->max_memory_to_use = MaxJpegDecoderMemory;
    info.out_color_space = JCS_EXT_RGBX;
    ChooseScale(info, cover);
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGBX8888);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}
}  // namespace

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size, QSize cover)
{
    if (!data || size == 0)
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.output_message = OnMessage;
    QImage image;
    const bool decoded = Decode(info, errors, data, size, cover, image);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return {};
    return image;
}
