#include "editor/JpegFile.h"

#include "data/Errors.h"
#include "data/Messages.h"
#include "editor/ImageFile.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Far more than the ten or so scans a progressive encoder writes.
constexpr int kMaxScans = 1000;

enum class Failure { None, Library, TooLarge, TooSparse, TooManyScans };

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
    Failure failure;
};

[[noreturn]] void failWith(j_common_ptr info, Failure failure)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->code = info->err->msg_code;
    manager->failure = failure;
    std::longjmp(manager->jump, 1);
}

[[noreturn]] void onError(j_common_ptr info)
{
    failWith(info, Failure::Library);
}

// Warnings that mean picture data are missing turn into failures; the
// harmless ones (extra bytes before a marker, an unknown JFIF revision) pass.
void onMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
        failWith(info, Failure::Library);
    default:
        break;
    }
}

void onOutput(j_common_ptr) {}

void onProgress(j_common_ptr info)
{
    const auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
    if (info->is_decompressor && decoder->input_scan_number > kMaxScans)
        failWith(info, Failure::TooManyScans);
}

void installHandlers(ErrorManager& manager)
{
    jpeg_std_error(&manager.pub);
    manager.pub.error_exit = onError;
    manager.pub.emit_message = onMessage;
    manager.pub.output_message = onOutput;
    manager.code = 0;
    manager.failure = Failure::None;
}

// libjpeg-turbo writes the unused fourth byte as 0xFF, so the rows land
// directly in an opaque RGB32 image.
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_BGRX;
#else
#error "RGB32 rows need libjpeg-turbo's extended colour spaces on a little-endian machine"
#endif

// Everything the setjmp frames touch lives here, outside those frames, so no
// value is indeterminate after a jump back.
struct DecodeJob {
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    const QByteArray* bytes;
    QImage image;
    uint32_t width;
    uint32_t height;
};

bool runDecode(DecodeJob& job)
{
    installHandlers(job.errors);
    job.info.err = &job.errors.pub;
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_decompress(&job.info);
        return false;
    }
    jpeg_create_decompress(&job.info);
    job.progress.progress_monitor = onProgress;
    job.info.progress = &job.progress;
    jpeg_mem_src(&job.info, reinterpret_cast<const unsigned char*>(job.bytes->constData()),
                 static_cast<unsigned long>(job.bytes->size()));
    jpeg_read_header(&job.info, TRUE);
    job.width = job.info.image_width;
    job.height = job.info.image_height;
    if (!imageSizeAllowed(job.width, job.height))
        failWith(reinterpret_cast<j_common_ptr>(&job.info), Failure::TooLarge);
    if (!imageDensityAllowed(job.width, job.height, static_cast<uint64_t>(job.bytes->size())))
        failWith(reinterpret_cast<j_common_ptr>(&job.info), Failure::TooSparse);
    job.info.out_color_space = kRgb32Space;
    jpeg_start_decompress(&job.info);
    job.image = QImage(static_cast<int>(job.info.output_width), static_cast<int>(job.info.output_height),
                       QImage::Format_RGB32);
    if (job.image.isNull())
        failWith(reinterpret_cast<j_common_ptr>(&job.info), Failure::TooLarge);
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = job.image.scanLine(static_cast<int>(job.info.output_scanline));
        jpeg_read_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return true;
}

struct EncodeJob {
    jpeg_compress_struct info;
    ErrorManager errors;
    const QImage* image;
    int quality;
    unsigned char* buffer;
    unsigned long size;
};

bool runEncode(EncodeJob& job)
{
    installHandlers(job.errors);
    job.info.err = &job.errors.pub;
    if (setjmp(job.errors.jump)) {
        jpeg_destroy_compress(&job.info);
        return false;
    }
    jpeg_create_compress(&job.info);
    jpeg_mem_dest(&job.info, &job.buffer, &job.size);
    job.info.image_width = static_cast<JDIMENSION>(job.image->width());
    job.info.image_height = static_cast<JDIMENSION>(job.image->height());
    job.info.input_components = 4;
    job.info.in_color_space = kRgb32Space;
    jpeg_set_defaults(&job.info);
    jpeg_set_quality(&job.info, job.quality, TRUE);
    jpeg_start_compress(&job.info, TRUE);
    while (job.info.next_scanline < job.info.image_height) {
        // libjpeg only reads input rows; the cast serves its C signature.
        auto row = const_cast<JSAMPROW>(job.image->constScanLine(static_cast<int>(job.info.next_scanline)));
        jpeg_write_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_compress(&job.info);
    jpeg_destroy_compress(&job.info);
    return true;
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    auto job = std::make_unique<EncodeJob>();
    job->image = &rgb;
    job->quality = quality;
    job->buffer = nullptr;
    job->size = 0;
    const bool ok = runEncode(*job);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(job->buffer), static_cast<qsizetype>(job->size));
    std::free(job->buffer); // the memory destination mallocs and leaves the buffer to us
    if (!ok)
        throw KurvixError(Messages::message(Messages::JpegError, {std::to_string(job->errors.code)}));
    return bytes;
}

QImage decodeJpeg(const QByteArray& bytes, const std::string& nameForMessages)
{
    auto job = std::make_unique<DecodeJob>();
    job->bytes = &bytes;
    job->width = 0;
    job->height = 0;
    if (runDecode(*job))
        return std::move(job->image);
    switch (job->errors.failure) {
    case Failure::TooLarge:
        throw KurvixError(Messages::message(Messages::ImageTooLarge,
                                            {nameForMessages, std::to_string(job->width), std::to_string(job->height)}));
    case Failure::TooSparse:
        throw KurvixError(Messages::message(Messages::ImageTooSparse, {nameForMessages, std::to_string(job->width),
                                                                      std::to_string(job->height),
                                                                      std::to_string(bytes.size())}));
    case Failure::TooManyScans:
        throw KurvixError(Messages::message(Messages::JpegTooManyScans, {nameForMessages, std::to_string(kMaxScans)}));
    default:
        // The file's name on the line below tells which file is no JPEG.
        if (nameForMessages.empty())
            throw KurvixError(Messages::message(Messages::JpegError, {std::to_string(job->errors.code)}));
        throw KurvixError(Messages::message(Messages::JpegErrorIn, {std::to_string(job->errors.code), nameForMessages}));
    }
}

QImage readJpegFile(const std::string& path)
{
    return decodeJpeg(readWholeImageFile(path), path);
}
