#include "draw/DrawList.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace vantorel {

namespace {

// 200 rows of a 1,600-pixel frame are 1.2 MiB, within a core's cache; and
// few enough bands that a long line is not cut up many times over.
constexpr int kBandRows = 200;

// Below this many things to draw a frame takes well under a millisecond,
// and handing half of it to the helper costs more than it saves.
constexpr std::size_t kHelperFrom = 1000;

void FillRow(std::uint32_t* out, int count, std::uint32_t colour) {
    int i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i c4 = _mm_set1_epi32(int(colour));
    for (; i + 4 <= count; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), c4);
#endif
    for (; i < count; ++i) out[i] = colour;
}

}  // namespace

// A second thread that draws bands next to the one that asked: it sleeps
// between frames, and lives as long as its list.
class DrawList::Helper {
public:
    Helper() : thread_([this] { Run(); }) {}
    ~Helper() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    // Runs `job` on the helper's thread; Wait returns once it has returned.
    void Start(const std::function<void()>& job) {
        {
            std::lock_guard lock(mutex_);
            job_ = &job;
        }
        wake_.notify_one();
    }
    void Wait() {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return job_ == nullptr; });
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return stop_ || job_ != nullptr; });
            if (stop_) return;
            lock.unlock();
            (*job_)();
            lock.lock();
            job_ = nullptr;
            done_.notify_one();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_, done_;
    const std::function<void()>* job_ = nullptr;
    bool stop_ = false;
    std::thread thread_;  // last: it starts once the rest is ready
};

DrawList::DrawList() = default;
DrawList::~DrawList() = default;

DrawList::Helper* DrawList::TheHelper() {
    // On a single core the helper would only take turns with this thread.
    if (!helper_ && !noHelper_ && std::thread::hardware_concurrency() < 2) noHelper_ = true;
    if (!helper_ && !noHelper_) {
        try {
            helper_ = std::make_unique<Helper>();
        } catch (const std::system_error&) {
            noHelper_ = true;  // no thread to be had: one thread draws it all
        }
    }
    return helper_.get();
}

void DrawList::Fill(int x, int y, int width, int height, std::uint32_t colour) {
    if (width > 0 && height > 0)
        ops_.push_back({Kind::Fill, PenStyle::Solid, x, y, width, height, colour, nullptr});
}

void DrawList::Line(int x1, int y1, int x2, int y2, std::uint32_t colour, PenStyle style) {
    ops_.push_back({Kind::Line, style, x1, y1, x2, y2, colour, nullptr});
}

void DrawList::Sprite(int x, int y, const PixelSprite& sprite) {
    if (!sprite.runs.empty())
        ops_.push_back({Kind::Sprite, PenStyle::Solid, x, y, 0, 0, 0, &sprite});
}

void DrawList::DrawOne(const Op& op, const PixelBuffer& band) {
    switch (op.kind) {
        case Kind::Fill: {
            const int x0 = std::max(op.x1, 0);
            const int x1 = int(std::min<long long>((long long)op.x1 + op.x2, band.width));
            const int y0 = std::max(op.y1, band.Top());
            const int y1 = int(std::min<long long>((long long)op.y1 + op.y2, band.Bottom()));
            for (int y = y0; y < y1 && x0 < x1; ++y)
                FillRow(band.pixels + std::ptrdiff_t(y) * band.stride + x0, x1 - x0, op.colour);
            break;
        }
        case Kind::Line:
            RasterLine(band, op.x1, op.y1, op.x2, op.y2, op.colour, op.style);
            break;
        case Kind::Sprite:
            BlendSprite(band, op.x1, op.y1, *op.sprite);
            break;
    }
}

DrawList::Rows DrawList::RowsOf(const Op& op, int top, int bottom) {
    long long from = 0, to = 0;  // `to` not included
    switch (op.kind) {
        case Kind::Fill:
            from = op.y1, to = (long long)op.y1 + op.y2;
            break;
        case Kind::Line:
            from = std::min(op.y1, op.y2), to = (long long)std::max(op.y1, op.y2) + 1;
            break;
        case Kind::Sprite:
            from = op.y1, to = (long long)op.y1 + op.sprite->height;
            break;
    }
    return {int(std::max<long long>(from, top)), int(std::min<long long>(to, bottom))};
}

void DrawList::Draw(const PixelBuffer& target) {
    const int top = target.Top(), bottom = target.Bottom();
    if (!target.pixels || top >= bottom || target.width <= 0) {
        ops_.clear();
        return;
    }
    const int bandCount = (bottom - top + kBandRows - 1) / kBandRows;
    if (bands_.size() < std::size_t(bandCount)) bands_.resize(std::size_t(bandCount));
    for (auto& band : bands_) band.clear();
    for (std::uint32_t i = 0; i < ops_.size(); ++i) {
        const Rows r = RowsOf(ops_[i], top, bottom);
        if (r.from >= r.to) continue;
        const int last = (r.to - 1 - top) / kBandRows;
        for (int b = (r.from - top) / kBandRows; b <= last; ++b)
            bands_[std::size_t(b)].push_back(i);
    }
    // With a helper, each thread takes the next band not yet taken: no two
    // draw into the same rows, and a busy band keeps neither waiting long.
    std::atomic<int> next{0};
    const std::function<void()> drawBands = [&] {
        for (int b = next++; b < bandCount; b = next++) {
            PixelBuffer band = target;
            band.clipTop = top + b * kBandRows;
            band.clipBottom = std::min(bottom, band.clipTop + kBandRows);
            for (std::uint32_t i : bands_[std::size_t(b)]) DrawOne(ops_[i], band);
        }
    };
    Helper* helper = ops_.size() >= kHelperFrom && bandCount > 1 ? TheHelper() : nullptr;
    if (helper) {
        helper->Start(drawBands);
        drawBands();
        helper->Wait();
    } else {
        drawBands();
    }
    ops_.clear();
}

}  // namespace vantorel
