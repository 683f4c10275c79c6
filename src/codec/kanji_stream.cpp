#include "codec/kanji_stream.h"

#include <vector>

#include "codec/kanji_kernels.h"

using kanji_detail::TRoutine;

class TKanjiStreamConverter::Impl {
public:
    explicit Impl(TRoutine Routine) : FRoutine(Routine) {}

    TRoutine Routine() const { return FRoutine; }

    void Feed(const std::uint8_t* s, std::size_t n, std::string& Out) {
        if (FRoutine == TRoutine::Copy) {
            Out.append(reinterpret_cast<const char*>(s), n);
            return;
        }
        if (!FCarry.empty()) {
            // The held bytes start one character or escape sequence of at most four
            // bytes: finish it on a copy joined with the start of this block.
            std::size_t take = n < 8 ? n : 8;
            std::size_t held = FCarry.size();
            std::string joined;
            joined.swap(FCarry);
            joined.append(reinterpret_cast<const char*>(s), take);
            std::size_t used = Run(reinterpret_cast<const std::uint8_t*>(joined.data()),
                                   joined.size(), false, Out);
            if (used < held) {
                FCarry = joined.substr(used);
                FCarry.append(reinterpret_cast<const char*>(s) + take, n - take);
                return;
            }
            s += used - held;
            n -= used - held;
        }
        // Bounded pieces keep the output buffer small whatever the block size.
        const std::size_t kPiece = 64 * 1024;
        while (n > 0) {
            std::size_t piece = n < kPiece ? n : kPiece;
            std::size_t used = Run(s, piece, false, Out);
            if (used < piece && piece == n) {
                FCarry.assign(reinterpret_cast<const char*>(s) + used, n - used);
                return;
            }
            s += used;
            n -= used;
        }
    }

    void Finish(std::string& Out) {
        if (!FCarry.empty()) {
            std::string rest;
            rest.swap(FCarry);
            Run(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size(), true, Out);
        }
        Reset();
    }

    void Reset() {
        FCarry.clear();
        FState = kanji_detail::TJisShiftState();
    }

private:
    std::size_t Run(const std::uint8_t* s, std::size_t n, bool Final, std::string& Out) {
        std::size_t need = kanji_detail::MaxOutput(FRoutine, n);
        if (FBuffer.size() < need) FBuffer.resize(need);
        std::size_t written = 0;
        std::size_t used =
            kanji_detail::RunRoutine(FRoutine, FState, s, n, Final, FBuffer.data(), written);
        Out.append(reinterpret_cast<const char*>(FBuffer.data()), written);
        return used;
    }

    TRoutine FRoutine;
    kanji_detail::TJisShiftState FState;
    std::string FCarry;
    std::vector<std::uint8_t> FBuffer;
};

TKanjiStreamConverter::TKanjiStreamConverter(TKanjiCode Source, TKanjiCode Target)
    : FSource(Source), FTarget(Target), FImpl(new Impl(kanji_detail::PickRoutine(Source, Target))) {
}

TKanjiStreamConverter::~TKanjiStreamConverter() = default;

void TKanjiStreamConverter::Feed(const char* Data, std::size_t Length, std::string& Out) {
    FImpl->Feed(reinterpret_cast<const std::uint8_t*>(Data), Length, Out);
}

void TKanjiStreamConverter::Finish(std::string& Out) {
    FImpl->Finish(Out);
}

void TKanjiStreamConverter::Reset() {
    FImpl->Reset();
}

bool TKanjiStreamConverter::Converts() const {
    return FImpl->Routine() != TRoutine::Copy;
}
