#include "draw/PixelSprite.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <span>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VANTOREL_BLEND_SSE2 1
#endif
// Eight pixels at a time where the processor can, chosen when the program
// runs (GCC and Clang on x86).
#if defined(VANTOREL_BLEND_SSE2) && (defined(__GNUC__) || defined(__clang__)) && \
    (defined(__x86_64__) || defined(__i386__))
// GCC 12's AVX-512 intrinsics start from a value left undefined on
// purpose, and then warn that it may be used undefined.
#if !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#if !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#define VANTOREL_BLEND_AVX2 1
#endif

namespace vantorel {

namespace {

// x * a / 255 on each of the four bytes of x, rounded as Qt's BYTE_MUL
// rounds: t = x * a, then (t + (t >> 8) + 0x80) >> 8.
inline std::uint32_t ByteMul(std::uint32_t x, std::uint32_t a) {
    std::uint64_t t = ((std::uint64_t(x) | (std::uint64_t(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return std::uint32_t(t) | std::uint32_t(t >> 24);
}

inline std::uint32_t Over(std::uint32_t source, std::uint32_t destination) {
    if (source >= 0xff000000u) return source;
    return source + ByteMul(destination, 255 - (source >> 24));
}

#ifdef VANTOREL_BLEND_SSE2
// Over on four pixels at once, with the same rounding (as Qt's SSE2 code
// does it). An opaque source gives itself and a transparent one (0) leaves
// the destination, so no pixel needs a test.
inline __m128i Over4(__m128i source, __m128i destination) {
    const __m128i rbMask = _mm_set1_epi32(0x00ff00ff);
    const __m128i half = _mm_set1_epi16(0x80);
    // 255 - alpha in both 16-bit halves of each pixel.
    __m128i inverse = _mm_sub_epi32(_mm_set1_epi32(255), _mm_srli_epi32(source, 24));
    inverse = _mm_or_si128(inverse, _mm_slli_epi32(inverse, 16));
    __m128i ag = _mm_mullo_epi16(_mm_srli_epi16(destination, 8), inverse);
    __m128i rb = _mm_mullo_epi16(_mm_and_si128(destination, rbMask), inverse);
    ag = _mm_add_epi16(_mm_add_epi16(ag, _mm_srli_epi16(ag, 8)), half);
    rb = _mm_add_epi16(_mm_add_epi16(rb, _mm_srli_epi16(rb, 8)), half);
    const __m128i scaled = _mm_or_si128(_mm_andnot_si128(rbMask, ag), _mm_srli_epi16(rb, 8));
    return _mm_add_epi32(source, scaled);
}
#endif

#ifdef VANTOREL_BLEND_AVX2
__attribute__((target("avx2"))) inline __m256i Over8(__m256i source, __m256i destination) {
    const __m256i rbMask = _mm256_set1_epi32(0x00ff00ff);
    const __m256i half = _mm256_set1_epi16(0x80);
    __m256i inverse = _mm256_sub_epi32(_mm256_set1_epi32(255), _mm256_srli_epi32(source, 24));
    inverse = _mm256_or_si256(inverse, _mm256_slli_epi32(inverse, 16));
    __m256i ag = _mm256_mullo_epi16(_mm256_srli_epi16(destination, 8), inverse);
    __m256i rb = _mm256_mullo_epi16(_mm256_and_si256(destination, rbMask), inverse);
    ag = _mm256_add_epi16(_mm256_add_epi16(ag, _mm256_srli_epi16(ag, 8)), half);
    rb = _mm256_add_epi16(_mm256_add_epi16(rb, _mm256_srli_epi16(rb, 8)), half);
    const __m256i scaled =
        _mm256_or_si256(_mm256_andnot_si256(rbMask, ag), _mm256_srli_epi16(rb, 8));
    return _mm256_add_epi32(source, scaled);
}

// The eight-pixel steps of a row; returns how many pixels it did. Steps
// with nothing to draw (the gaps between letters) are passed over.
__attribute__((target("avx2"))) inline int BlendRowAvx2(std::uint32_t* out,
                                                        const std::uint32_t* source, int count) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s8 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        if (_mm256_testz_si256(s8, s8)) continue;
        auto* at = reinterpret_cast<__m256i*>(out + i);
        _mm256_storeu_si256(at, Over8(s8, _mm256_loadu_si256(at)));
    }
    return i;
}

// Sixteen pixels at a time, the row's end included through a mask: lanes
// outside the row, and transparent ones, are neither read nor written.
#define VANTOREL_AVX512 __attribute__((target("avx512f,avx512bw")))
VANTOREL_AVX512 inline __m512i Over16(__m512i source, __m512i destination) {
    const __m512i rbMask = _mm512_set1_epi32(0x00ff00ff);
    const __m512i half = _mm512_set1_epi16(0x80);
    __m512i inverse = _mm512_sub_epi32(_mm512_set1_epi32(255), _mm512_srli_epi32(source, 24));
    inverse = _mm512_or_si512(inverse, _mm512_slli_epi32(inverse, 16));
    __m512i ag = _mm512_mullo_epi16(_mm512_srli_epi16(destination, 8), inverse);
    __m512i rb = _mm512_mullo_epi16(_mm512_and_si512(destination, rbMask), inverse);
    ag = _mm512_add_epi16(_mm512_add_epi16(ag, _mm512_srli_epi16(ag, 8)), half);
    rb = _mm512_add_epi16(_mm512_add_epi16(rb, _mm512_srli_epi16(rb, 8)), half);
    const __m512i scaled =
        _mm512_or_si512(_mm512_andnot_si512(rbMask, ag), _mm512_srli_epi16(rb, 8));
    return _mm512_add_epi32(source, scaled);
}

VANTOREL_AVX512 inline __mmask16 Lanes(int left) {
    return left >= 16 ? __mmask16(0xFFFF) : __mmask16((1u << left) - 1);
}

VANTOREL_AVX512 inline void BlendRowAvx512(std::uint32_t* out, const std::uint32_t* source,
                                           int count) {
    for (int i = 0; i < count; i += 16) {
        const __m512i s = _mm512_maskz_loadu_epi32(Lanes(count - i), source + i);
        const __mmask16 ink = _mm512_test_epi32_mask(s, s);
        if (ink == 0) continue;
        const __m512i d = _mm512_maskz_loadu_epi32(ink, out + i);
        _mm512_mask_storeu_epi32(out + i, ink, Over16(s, d));
    }
}

VANTOREL_AVX512 inline void CopyRowAvx512(std::uint32_t* out, const std::uint32_t* source,
                                          int count) {
    for (int i = 0; i < count; i += 16) {
        const __mmask16 lanes = Lanes(count - i);
        _mm512_mask_storeu_epi32(out + i, lanes, _mm512_maskz_loadu_epi32(lanes, source + i));
    }
}

// A sprite wholly inside the buffer, every run in one loop: a frame draws
// thousands of sprites of a run or two a row, and a call and a choice of
// kernel for each run cost as much as blending it.
VANTOREL_AVX512 void BlendInsideAvx512(std::uint32_t* target, std::ptrdiff_t stride, int x, int y,
                                       const std::uint32_t* pixels, const PixelSprite::Run* begin,
                                       const PixelSprite::Run* end) {
    for (const PixelSprite::Run& run : std::span(begin, end)) {
        std::uint32_t* out = target + std::ptrdiff_t(y + run.y) * stride + (x + run.x);
        if (run.opaque)
            CopyRowAvx512(out, pixels + run.first, run.length);
        else
            BlendRowAvx512(out, pixels + run.first, run.length);
    }
}

__attribute__((target("avx2"))) void BlendInsideAvx2(std::uint32_t* target, std::ptrdiff_t stride,
                                                     int x, int y, const std::uint32_t* pixels,
                                                     const PixelSprite::Run* begin,
                                                     const PixelSprite::Run* end) {
    for (const PixelSprite::Run& run : std::span(begin, end)) {
        std::uint32_t* out = target + std::ptrdiff_t(y + run.y) * stride + (x + run.x);
        const std::uint32_t* source = pixels + run.first;
        if (run.opaque) {
            int i = 0;
            for (; i + 8 <= run.length; i += 8)
                _mm256_storeu_si256(
                    reinterpret_cast<__m256i*>(out + i),
                    _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i)));
            for (; i < run.length; ++i) out[i] = source[i];
            continue;
        }
        int i = BlendRowAvx2(out, source, run.length);
        for (; i + 4 <= run.length; i += 4) {
            auto* at = reinterpret_cast<__m128i*>(out + i);
            const __m128i s4 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
            _mm_storeu_si128(at, Over4(s4, _mm_loadu_si128(at)));
        }
        for (; i < run.length; ++i) out[i] = Over(source[i], out[i]);
    }
}
#endif

// The widest kernel the processor has, found once (and safely so when two
// threads draw their first frame at once).
int AvailableKernel() {
    static const int available = [] {
        int kernel = 0;
#ifdef VANTOREL_BLEND_SSE2
        kernel = 1;
#endif
#ifdef VANTOREL_BLEND_AVX2
        if (__builtin_cpu_supports("avx2")) kernel = 2;
        if (kernel == 2 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw"))
            kernel = 3;
#endif
        return kernel;
    }();
    return available;
}

std::atomic<int> g_blendKernel{-1};  // the widest kernel to use; -1 for the widest there is

int BlendKernel() {
    const int chosen = g_blendKernel.load(std::memory_order_relaxed);
    return chosen < 0 ? AvailableKernel() : chosen;
}

// Blends `count` pixels of a row: as many as the kernel takes at a time,
// the rest one by one.
inline void BlendRow(int kernel, std::uint32_t* out, const std::uint32_t* source, int count) {
    int i = 0;
#ifdef VANTOREL_BLEND_AVX2
    if (kernel >= 3) return BlendRowAvx512(out, source, count);
    if (kernel >= 2) i = BlendRowAvx2(out, source, count);
#endif
#ifdef VANTOREL_BLEND_SSE2
    if (kernel >= 1) {
        for (; i + 4 <= count; i += 4) {
            auto* at = reinterpret_cast<__m128i*>(out + i);
            const __m128i s4 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
            _mm_storeu_si128(at, Over4(s4, _mm_loadu_si128(at)));
        }
    }
#endif
    (void)kernel;
    for (; i < count; ++i) out[i] = Over(source[i], out[i]);
}

// An opaque run replaces what is there.
inline void CopyRow(int kernel, std::uint32_t* out, const std::uint32_t* source, int count) {
#ifdef VANTOREL_BLEND_AVX2
    if (kernel >= 3) return CopyRowAvx512(out, source, count);
#endif
    (void)kernel;
    std::copy_n(source, count, out);
}

}  // namespace

int UseBlendKernel(int widest) {
    const int kernel = std::clamp(widest, 0, AvailableKernel());
    g_blendKernel.store(kernel, std::memory_order_relaxed);
    return kernel;
}

PixelSprite MakeSprite(const std::uint32_t* argb, int width, int height, int stride, int largestGap,
                       int multipleOf) {
    PixelSprite s;
    s.width = width;
    s.height = height;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = argb + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < width;) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            PixelSprite::Run run{x, y, 0, int(s.pixels.size())};
            int end = x;  // one past the last pixel that is not 0
            for (; x < width && x - end <= largestGap; ++x)
                if (row[x] != 0) end = x + 1;
            run.length = end - run.x;
            run.opaque = std::all_of(row + run.x, row + end,
                                     [](std::uint32_t p) { return p >= 0xff000000u; });
            s.pixels.insert(s.pixels.end(), row + run.x, row + end);
            if (!run.opaque && multipleOf > 1) {
                const int padded = (run.length + multipleOf - 1) / multipleOf * multipleOf;
                s.pixels.resize(s.pixels.size() + std::size_t(padded - run.length), 0);
                run.length = padded;
                // The padding is part of the sprite: it must lie inside the
                // picture drawn into as much as the pixels do.
                s.width = std::max(s.width, run.x + padded);
            }
            s.runs.push_back(run);
            x = end;
        }
    }
    return s;
}

void BlendSprite(const PixelBuffer& target, int x, int y, const PixelSprite& sprite) {
    if (!target.pixels) return;
    const int top = target.Top(), bottom = target.Bottom();
    // Nothing of it inside: the common case for a name far off screen.
    if (x >= target.width || y >= bottom || x + sprite.width <= 0 || y + sprite.height <= top)
        return;
    const int kernel = BlendKernel();
    const std::uint32_t* pixels = sprite.pixels.data();
    if (x >= 0 && x + sprite.width <= target.width) {
        // No run is cut short, as for nearly every sprite of a map: only the
        // rows outside are left out, and the runs are in the order of their rows.
        const PixelSprite::Run* begin = sprite.runs.data();
        const PixelSprite::Run* end = begin + sprite.runs.size();
        if (y < top)
            begin = std::partition_point(begin, end,
                                         [&](const PixelSprite::Run& r) { return y + r.y < top; });
        if (y + sprite.height > bottom)
            end = std::partition_point(begin, end,
                                       [&](const PixelSprite::Run& r) { return y + r.y < bottom; });
#ifdef VANTOREL_BLEND_AVX2
        if (kernel >= 3)
            return BlendInsideAvx512(target.pixels, target.stride, x, y, pixels, begin, end);
        if (kernel == 2)
            return BlendInsideAvx2(target.pixels, target.stride, x, y, pixels, begin, end);
#endif
        for (const PixelSprite::Run& run : std::span(begin, end)) {
            std::uint32_t* out =
                target.pixels + std::ptrdiff_t(y + run.y) * target.stride + (x + run.x);
            if (run.opaque)
                CopyRow(kernel, out, pixels + run.first, run.length);
            else
                BlendRow(kernel, out, pixels + run.first, run.length);
        }
        return;
    }
    for (const PixelSprite::Run& run : sprite.runs) {
        const int ty = y + run.y;
        if (ty < top || ty >= bottom) continue;
        int from = x + run.x, to = from + run.length;  // target columns
        const std::uint32_t* source = pixels + run.first;
        if (from < 0) {
            source -= from;
            from = 0;
        }
        to = std::min(to, target.width);
        if (to <= from) continue;
        std::uint32_t* out = target.pixels + std::ptrdiff_t(ty) * target.stride;
        if (run.opaque)
            CopyRow(kernel, out + from, source, to - from);
        else
            BlendRow(kernel, out + from, source, to - from);
    }
}

}  // namespace vantorel
