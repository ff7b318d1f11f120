// JPEG through libjpeg-turbo. Its errors end in longjmp back into the
// function that called setjmp; only C frames of the library lie between.
#include "d3d/d3dx8_pngjpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace d3dx8 {

namespace {

// A progressive file may carry any number of scans, each a full pass
// over the picture; real files use a dozen.
const int MAX_JPEG_SCANS = 500;

struct SErrorManager {
    jpeg_error_mgr m_Base;
    jpeg_progress_mgr m_Progress;
    jmp_buf m_Jump;
};

void OnError(j_common_ptr pInfo)
{
    longjmp(reinterpret_cast<SErrorManager*>(pInfo->err)->m_Jump, 1);
}

// Warnings (a damaged but readable stream) are no failure and print nothing.
void OnMessage(j_common_ptr, int) {}

void OnProgress(j_common_ptr pInfo)
{
    const j_decompress_ptr pDecompress = reinterpret_cast<j_decompress_ptr>(pInfo);
    if (pDecompress->input_scan_number > MAX_JPEG_SCANS)
        OnError(pInfo);
}

void Prepare(jpeg_decompress_struct& info, SErrorManager& errors, const void* data, UINT size)
{
    info.err = jpeg_std_error(&errors.m_Base);
    errors.m_Base.error_exit = OnError;
    errors.m_Base.emit_message = OnMessage;
    jpeg_create_decompress(&info);
    errors.m_Progress.progress_monitor = OnProgress;
    info.progress = &errors.m_Progress;
    jpeg_mem_src(&info, static_cast<const unsigned char*>(data), size);
}

// The header's size, and with pImage the pixels too: one function, so the
// jump target and the decoder's state share a frame that outlives them.
bool ReadJpeg(const void* data, UINT size, UINT& nWidth, UINT& nHeight, SImage* pImage)
{
    jpeg_decompress_struct info;
    SErrorManager errors;
    if (setjmp(errors.m_Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    Prepare(info, errors, data, size);
    jpeg_read_header(&info, TRUE);
    nWidth = info.image_width;
    nHeight = info.image_height;
    if (pImage) {
        pImage->m_nWidth = nWidth;
        pImage->m_nHeight = nHeight;
        pImage->m_Rgba.assign(size_t(nWidth) * nHeight * 4, 0);
        info.out_color_space = JCS_EXT_RGBA;
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            JSAMPROW pRow = pImage->m_Rgba.data() + size_t(info.output_scanline) * nWidth * 4;
            jpeg_read_scanlines(&info, &pRow, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

bool ReadJpegHeader(const void* data, UINT size, UINT& nWidth, UINT& nHeight)
{
    return ReadJpeg(data, size, nWidth, nHeight, nullptr);
}

// The caller has checked the size against its limit.
bool DecodeJpeg(const void* data, UINT size, SImage* pImage)
{
    UINT nWidth = 0, nHeight = 0;
    return ReadJpeg(data, size, nWidth, nHeight, pImage);
}

}  // namespace d3dx8
