#pragma once
// Cutting bytes into lines, as loading does: CR LF, a lone CR and a lone LF each end a
// line, 0x1A ends the text.
#include <cstddef>
#include <string>

// The first CR, LF or 0x1A in [P, End), or End.
const unsigned char* FindBreak(const unsigned char* P, const unsigned char* End);

// Cuts a byte stream, fed in pieces of any size, into lines.  CR LF, a lone CR and a lone
// LF each end a line (LF CR is two line ends); a CR LF pair cut by the end of a piece is
// still one line end.  0x1A ends the text; a piece without a line end is carried into
// the next.  The sink gets Line(P, N) for every line that ended and, from Finish,
// Last(P, N) for the text after the last line end, when there is any.
class TLineCutter {
public:
    // False once 0x1A ended the text; Used then receives the bytes before the 0x1A.
    template <class TSink>
    bool Feed(const char* Data, std::size_t Length, TSink& Sink, std::size_t* Used = nullptr) {
        const unsigned char* Start = reinterpret_cast<const unsigned char*>(Data);
        const unsigned char *P = Start, *End = Start + Length;
        if (Used) *Used = Length;
        if (FEnded) return false;
        if (FSkipLf && P < End) {
            FSkipLf = false;
            if (*P == '\n') ++P;
        }
        while (P < End) {
            const unsigned char* Q = FindBreak(P, End);
            if (Q == End) {
                FCarry.append(reinterpret_cast<const char*>(P), End - P);
                break;
            }
            if (*Q == 0x1A) {
                FCarry.append(reinterpret_cast<const char*>(P), Q - P);
                FEnded = true;
                if (Used) *Used = static_cast<std::size_t>(Q - Start);
                return false;
            }
            if (FCarry.empty()) {
                Sink.Line(reinterpret_cast<const char*>(P), static_cast<std::size_t>(Q - P));
            } else {
                FCarry.append(reinterpret_cast<const char*>(P), Q - P);
                Sink.Line(FCarry.data(), FCarry.size());
                FCarry.clear();
            }
            if (*Q == '\r') {
                if (Q + 1 == End)
                    FSkipLf = true;
                else if (Q[1] == '\n')
                    ++Q;
            }
            P = Q + 1;
        }
        return true;
    }

    template <class TSink> void Finish(TSink& Sink) {
        if (!FCarry.empty()) Sink.Last(FCarry.data(), FCarry.size());
        FCarry.clear();
    }

    bool Ended() const { return FEnded; }

private:
    std::string FCarry;
    bool FSkipLf = false;
    bool FEnded = false;
};
