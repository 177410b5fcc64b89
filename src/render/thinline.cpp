#include "render/thinline.h"

#include <algorithm>
#include <cstdlib>
#include <type_traits>

namespace qel {

void ThinLine::begin(const int* dash, int dashLength, const QRect& clip) {
    dash_ = dashLength > 0 ? dash : nullptr;
    dashLength_ = dash_ ? dashLength : 0;
    period_ = 0;
    for (int i = 0; i < dashLength_; ++i)
        period_ += dash_[i];
    run_ = 0;
    left_ = dash_ ? dash_[0] : 0;
    clip_ = clip;
}

// Moves the dash phase on by pixels that were not walked one by one.
void ThinLine::skip(long long pixels) {
    if (!dash_ || pixels <= 0) return;
    pixels %= period_;
    while (pixels >= left_) {
        pixels -= left_;
        run_ = (run_ + 1) % dashLength_;
        left_ = dash_[run_];
    }
    left_ -= int(pixels);
}

namespace {

// Keeps the step arithmetic inside 64 bits for any coordinates a record may hold.
constexpr int kFar = 1 << 24;
QPoint bounded(QPoint p) {
    return QPoint(std::clamp(p.x(), -kFar, kFar), std::clamp(p.y(), -kFar, kFar));
}

} // namespace

// Walks the segment with integer steps only: the minor coordinate at step k is k * m / n from
// the first end, rounded to nearest, ties towards that end.
template <typename Put> void ThinLine::walk(QPoint a, QPoint b, Put put) {
    a = bounded(a);
    b = bounded(b);
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0) return;
    const long long m = std::min(std::abs(dx), std::abs(dy));
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int major0 = xMajor ? a.x() : a.y(), minor0 = xMajor ? a.y() : a.x();
    const bool fromA = a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    const long long twoN = 2LL * n, twoM = 2 * m;

    // Only steps whose major coordinate lies inside the clip are walked.
    const int lo = xMajor ? clip_.left() : clip_.top();
    const int hi = xMajor ? clip_.right() : clip_.bottom();
    long long first = 0, last = n - 1;
    if (sMajor > 0) {
        first = std::max<long long>(first, lo - major0);
        last = std::min<long long>(last, hi - major0);
    } else {
        first = std::max<long long>(first, major0 - hi);
        last = std::min<long long>(last, major0 - lo);
    }
    const int minorLo = xMajor ? clip_.top() : clip_.left();
    const int minorHi = xMajor ? clip_.bottom() : clip_.right();
    // A segment that passes beside the clip leaves nothing in it.
    const int minorEnd = xMajor ? b.y() : b.x();
    if (first > last || std::max(minor0, minorEnd) < minorLo ||
        std::min(minor0, minorEnd) > minorHi) {
        skip(n);
        return;
    }
    skip(first);

    // From a: offset = floor(r / 2n) with r = 2km + n - 1, growing by 2m a step. From b: the
    // offset is m minus the same quotient taken over n - k steps, shrinking by 2m a step.
    long long r = fromA ? 2 * first * m + n - 1 : 2 * (n - first) * m + n - 1;
    long long q = r / twoN;
    r -= q * twoN;
    int minor = minor0 + int(fromA ? q : m - q) * sMinor;
    int major = major0 + int(first) * sMajor;
    if (!dash_) {
        // A solid line that stays inside the clip across its minor axis (the minor coordinate
        // only moves one way, so both ends tell) needs no test per pixel.
        const long long rl = fromA ? 2 * last * m + n - 1 : 2 * (n - last) * m + n - 1;
        const int minorLast = minor0 + int(fromA ? rl / twoN : m - rl / twoN) * sMinor;
        if (std::min(minor, minorLast) >= minorLo && std::max(minor, minorLast) <= minorHi) {
            auto run = [&](auto xMajorC, auto fromAC) {
                for (long long k = first; k <= last; ++k) {
                    if constexpr (decltype(xMajorC)::value)
                        put(major, minor);
                    else
                        put(minor, major);
                    major += sMajor;
                    if constexpr (decltype(fromAC)::value) {
                        r += twoM;
                        if (r >= twoN) {
                            r -= twoN;
                            minor += sMinor;
                        }
                    } else {
                        r -= twoM;
                        if (r < 0) {
                            r += twoN;
                            minor += sMinor;
                        }
                    }
                }
            };
            using Yes = std::true_type;
            using No = std::false_type;
            if (xMajor)
                fromA ? run(Yes{}, Yes{}) : run(Yes{}, No{});
            else
                fromA ? run(No{}, Yes{}) : run(No{}, No{});
            return;
        }
    }
    for (long long k = first; k <= last; ++k) {
        const bool on = !dash_ || run_ % 2 == 0;
        if (dash_ && --left_ == 0) {
            run_ = (run_ + 1) % dashLength_;
            left_ = dash_[run_];
        }
        if (on && minor >= minorLo && minor <= minorHi) {
            if (xMajor)
                put(major, minor);
            else
                put(minor, major);
        }
        major += sMajor;
        if (fromA) {
            r += twoM;
            if (r >= twoN) {
                r -= twoN;
                minor += sMinor;
            }
        } else {
            r -= twoM;
            if (r < 0) {
                r += twoN;
                minor += sMinor;
            }
        }
    }
    skip(n - 1 - last);
}

void ThinLine::segment(QPoint a, QPoint b, PixelChain& out) {
    walk(a, b, [&](int x, int y) { out.emplace_back(x, y); });
}

void ThinLine::segment(QPoint a, QPoint b, const Target& t) {
    if (t.notXor)
        walk(a, b, [&](int x, int y) {
            QRgb& px = reinterpret_cast<QRgb*>(t.bits + y * t.stride)[x];
            px = ~(t.colour ^ px);
        });
    else
        walk(a, b,
             [&](int x, int y) { reinterpret_cast<QRgb*>(t.bits + y * t.stride)[x] = t.colour; });
}

} // namespace qel
