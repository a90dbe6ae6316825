// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/quick_hevc_decoder.h"

#include <cstring>
#include <libde265/de265.h>
#include <libheif/heif.h>
#include <libheif/heif_plugin.h>

namespace {

// Above libheif's own decoders, whose priority is 100.
constexpr int QuickPriority = 200;

thread_local int quickDecodings = 0;

constexpr heif_error Ok = {heif_error_Ok, heif_suberror_Unspecified, "Success"};
constexpr heif_error NoPicture = {heif_error_Decoder_plugin_error, heif_suberror_Unspecified,
                                  "The HEVC data holds no picture"};
constexpr heif_error CutData = {heif_error_Invalid_input, heif_suberror_End_of_data,
                                "A NAL unit runs past the end of the HEVC data"};
constexpr heif_error OddPicture = {heif_error_Unsupported_feature,
                                   heif_suberror_Unsupported_color_conversion,
                                   "The HEVC picture's layout is not one the quick decoder takes"};

de265_decoder_context* contextOf(void* decoder) {
    return static_cast<de265_decoder_context*>(decoder);
}

const char* pluginName() {
    return "quick HEVC thumbnails (libde265 without in-loop filters)";
}

int supportedPriority(heif_compression_format format) {
    return format == heif_compression_HEVC && quickDecodings > 0 ? QuickPriority : 0;
}

heif_error newDecoder(void** decoder) {
    de265_decoder_context* context = de265_new_decoder();
    if (!context)
        return NoPicture;
    de265_set_parameter_bool(context, DE265_DECODER_PARAM_DISABLE_DEBLOCKING, 1);
    de265_set_parameter_bool(context, DE265_DECODER_PARAM_DISABLE_SAO, 1);
    *decoder = context;
    return Ok;
}

void freeDecoder(void* decoder) {
    de265_free_decoder(contextOf(decoder));
}

// libheif hands the decoder configuration and the picture as NAL units, each
// after its length in four bytes.
heif_error pushData(void* decoder, const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    size_t at = 0;
    while (at + 4 <= size) {
        const size_t length = size_t(bytes[at]) << 24 | size_t(bytes[at + 1]) << 16 |
                              size_t(bytes[at + 2]) << 8 | bytes[at + 3];
        at += 4;
        if (length > size - at)
            return CutData;
        de265_push_NAL(contextOf(decoder), bytes + at, int(length), 0, nullptr);
        at += length;
    }
    return at == size ? Ok : CutData;
}

bool chromaOf(de265_chroma chroma, heif_chroma& out) {
    switch (chroma) {
    case de265_chroma_mono:
        out = heif_chroma_monochrome;
        return true;
    case de265_chroma_420:
        out = heif_chroma_420;
        return true;
    case de265_chroma_422:
        out = heif_chroma_422;
        return true;
    case de265_chroma_444:
        out = heif_chroma_444;
        return true;
    }
    return false;
}

// The picture's planes as they came, for libheif to turn into colours.
heif_error copyPicture(const de265_image* picture, heif_image** out) {
    heif_chroma chroma{};
    if (!chromaOf(de265_get_chroma_format(picture), chroma))
        return OddPicture;
    const int planes = chroma == heif_chroma_monochrome ? 1 : 3;
    const heif_channel channels[] = {heif_channel_Y, heif_channel_Cb, heif_channel_Cr};
    const heif_colorspace space =
        chroma == heif_chroma_monochrome ? heif_colorspace_monochrome : heif_colorspace_YCbCr;
    heif_image* image = nullptr;
    if (heif_image_create(de265_get_image_width(picture, 0), de265_get_image_height(picture, 0),
                          space, chroma, &image)
            .code != heif_error_Ok)
        return OddPicture;
    for (int c = 0; c < planes; ++c) {
        const int width = de265_get_image_width(picture, c);
        const int height = de265_get_image_height(picture, c);
        const int bits = de265_get_bits_per_pixel(picture, c);
        int sourceStride = 0;
        const uint8_t* source = de265_get_image_plane(picture, c, &sourceStride);
        if (!source || bits < 1 || bits > 16 ||
            heif_image_add_plane(image, channels[c], width, height, bits).code != heif_error_Ok) {
            heif_image_release(image);
            return OddPicture;
        }
        int targetStride = 0;
        uint8_t* target = heif_image_get_plane(image, channels[c], &targetStride);
        const size_t rowBytes = size_t(width) * (bits > 8 ? 2 : 1);
        for (int y = 0; y < height; ++y)
            std::memcpy(target + size_t(y) * size_t(targetStride),
                        source + size_t(y) * size_t(sourceStride), rowBytes);
    }
    // The colours as the stream describes them: libheif's own decoder tells
    // the same, and the file may say nothing of them.
    heif_color_profile_nclx* colours = heif_nclx_color_profile_alloc();
    if (colours) {
        heif_nclx_color_profile_set_color_primaries(
            colours, uint16_t(de265_get_image_colour_primaries(picture)));
        heif_nclx_color_profile_set_transfer_characteristics(
            colours, uint16_t(de265_get_image_transfer_characteristics(picture)));
        heif_nclx_color_profile_set_matrix_coefficients(
            colours, uint16_t(de265_get_image_matrix_coefficients(picture)));
        colours->full_range_flag = uint8_t(de265_get_image_full_range_flag(picture) != 0);
        heif_image_set_nclx_color_profile(image, colours);
        heif_nclx_color_profile_free(colours);
    }
    *out = image;
    return Ok;
}

heif_error decodeImage(void* decoder, heif_image** out) {
    de265_decoder_context* context = contextOf(decoder);
    de265_flush_data(context);
    const de265_image* picture = nullptr;
    int more = 1;
    while (more && !picture) {
        const de265_error error = de265_decode(context, &more);
        if (!de265_isOK(error) && error != DE265_ERROR_WAITING_FOR_INPUT_DATA)
            break;
        picture = de265_get_next_picture(context);
    }
    if (!picture)
        picture = de265_get_next_picture(context);
    return picture ? copyPicture(picture, out) : NoPicture;
}

// Damaged data is decoded as far as it goes, as libheif's own decoder does.
void setStrictDecoding(void*, int) {}

const heif_decoder_plugin QuickPlugin = {
    .plugin_api_version = 3,
    .get_plugin_name = pluginName,
    .init_plugin = nullptr,
    .deinit_plugin = nullptr,
    .does_support_format = supportedPriority,
    .new_decoder = newDecoder,
    .free_decoder = freeDecoder,
    .push_data = pushData,
    .decode_image = decodeImage,
    .set_strict_decoding = setStrictDecoding,
    .id_name = "quick-hevc",
};

} // namespace

bool registerQuickHevcDecoder() {
    return heif_register_decoder_plugin(&QuickPlugin).code == heif_error_Ok;
}

QuickHevcDecoding::QuickHevcDecoding() {
    ++quickDecodings;
}

QuickHevcDecoding::~QuickHevcDecoding() {
    --quickDecodings;
}
