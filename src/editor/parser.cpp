#include "editor/parser.h"

#include "base/shift_jis.h"
#include "editor/view_info.h"

#include <cstring>

namespace {

// Character classes of single bytes.
enum : std::uint8_t {
    ccMail = 1,     // may occur in a mail address
    ccUrl = 2,      // may occur in a URL after its scheme
    ccScalar = 4,   // may follow "$" in a Perl scalar
    ccIdent = 8,    // letter, digit, underscore
    ccHex = 16,     // hexadecimal digit
    ccDigit = 32,   // decimal digit
    ccIdStart = 64, // letter, underscore
    ccBlank = 128,  // skipped between tokens
};

struct CharTable {
    std::uint8_t cls[256] = {};
    constexpr CharTable() {
        for (int c = 0; c < 256; ++c) {
            bool digit = c >= '0' && c <= '9';
            bool upper = c >= 'A' && c <= 'Z';
            bool lower = c >= 'a' && c <= 'z';
            bool alpha = upper || lower;
            std::uint8_t v = 0;
            if (digit) v |= ccDigit | ccHex;
            if ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')) v |= ccHex;
            if (alpha || c == '_') v |= ccIdStart;
            if (alpha || digit || c == '_') v |= ccIdent | ccScalar | ccMail | ccUrl;
            if (c == '#' || c == '\'') v |= ccScalar;
            for (char m : "!$%&*,-./;=?@^~")
                if (m && c == static_cast<unsigned char>(m)) v |= ccMail;
            for (char u : "#%&,-./:;=?@~")
                if (u && c == static_cast<unsigned char>(u)) v |= ccUrl;
            if (c >= 1 && c <= 32 && c != 9) v |= ccBlank;
            cls[c] = v;
        }
    }
};

constexpr CharTable kChars;

inline bool Is(unsigned char c, std::uint8_t cls) {
    return (kChars.cls[c] & cls) != 0;
}

// The terminator, CR and LF end the text of a row.
inline bool IsEnd(unsigned char c) {
    return c == 0 || c == '\r' || c == '\n';
}

// True when the text at P starts with S.  Never reads past the terminator.
inline bool StartsWith(const unsigned char* P, const std::string& S) {
    for (std::size_t i = 0; i < S.size(); ++i)
        if (P[i] == 0 || P[i] != static_cast<unsigned char>(S[i])) return false;
    return true;
}

// One character: two bytes at a lead byte that has a second byte.
inline const unsigned char* NextChar(const unsigned char* P) {
    return P + ((IsSjisLeadByte(P[0]) && P[1] != 0) ? 2 : 1);
}

} // namespace

TEditorParser::TEditorParser(const std::string& Text)
    : FBracketState(0), FTokenBracketIndex(0), FBuffer(new unsigned char[Text.size() + 1]),
      FLength(static_cast<int>(Text.size())) {
    std::memcpy(FBuffer.get(), Text.data(), Text.size());
    FBuffer[Text.size()] = 0;
    FPos = FTokenStart = FBuffer.get();
    TEditorParser::NextToken();
}

TEditorParser::TEditorParser(const std::string& Text, int State, const TEditorViewInfo* View)
    : FView(View), FBracketState(State), FTokenBracketIndex(BracketsOff),
      FBuffer(new unsigned char[Text.size() + 1]), FLength(static_cast<int>(Text.size())) {
    std::memcpy(FBuffer.get(), Text.data(), Text.size());
    FBuffer[Text.size()] = 0;
    FPos = FTokenStart = FBuffer.get();
    TEditorParser::NextToken();
}

std::unique_ptr<TEditorParser> TEditorParser::Create(const std::string& Text) {
    return std::make_unique<TEditorParser>(Text);
}

std::unique_ptr<TEditorParser> TEditorParser::CreateEx(const std::string& Text, int State,
                                                       const TEditorViewInfo* View) {
    return std::make_unique<TEditorParser>(Text, State, View);
}

void TEditorParser::Restart(int State) {
    FBracketState = State;
    FTokenBracketIndex = FView ? BracketsOff : 0;
    FPos = FTokenStart = FBuffer.get();
    NextToken();
}

std::string TEditorParser::TokenString() const {
    return std::string(reinterpret_cast<const char*>(FTokenStart), FPos - FTokenStart);
}

void TEditorParser::SkipBlanks() {
    while (Is(*FPos, ccBlank))
        ++FPos;
}

void TEditorParser::NextToken() {
    SkipBlanks();
    FTokenStart = FPos;
    if (IsEnd(*FPos)) {
        FToken = TEditorTokenKind::toEOF;
        return;
    }
    if (FView && ViewRules()) return;
    FPos = FTokenStart;
    GeneralScan();
}

void TEditorParser::ToEndOfText() {
    while (!IsEnd(*FPos))
        ++FPos;
}

// The rules of the view, in order; false when none matched (the position is
// then back at the token start).
bool TEditorParser::ViewRules() {
    const TEditorViewInfo& view = *FView;
    const TEditorBracketCollection& brackets = view.Brackets();
    const unsigned char b = *FPos;

    // A state left over from a longer bracket list means outside.
    if (FBracketState >= brackets.Count()) FBracketState = OutsideBrackets;
    if (FBracketState >= 0) {
        FTokenBracketIndex = FBracketState;
        return ScanRightBracket();
    }
    if (FBracketState == OutsideBrackets) {
        for (int i = 0; i < brackets.Count(); ++i) {
            const std::string& left = brackets.Items(i)->LeftBracket();
            if (!left.empty() && StartsWith(FPos, left)) {
                FPos += left.size();
                FBracketState = FTokenBracketIndex = i;
                return ScanRightBracket();
            }
        }
    }
    if (view.Mail() && Is(b, ccMail)) {
        if (ScanMail()) return true;
        FPos = FTokenStart;
    }
    if (view.Url() && ScanUrl()) return true;
    if (!view.Commenter().empty() && StartsWith(FPos, view.Commenter())) {
        ToEndOfText();
        FToken = TEditorTokenKind::toComment;
        return true;
    }
    const bool perl = !view.PerlCommenter().empty();
    if (perl) {
        if (ScanPerlComment()) return true;
        FPos = FTokenStart;
    }
    if (!view.Quotation().empty() && b == static_cast<unsigned char>(view.Quotation()[0])) {
        ScanQuoted(b);
        return true;
    }
    if (perl && ScanPerlVar()) return true;
    if (!view.PerlQuotation().empty()) {
        if (b == static_cast<unsigned char>(view.PerlQuotation()[0]) || b == '"') {
            ScanPerlQuoted(b);
            return true;
        }
    }
    if (!view.HexPrefix().empty() && ScanHex()) return true;
    if (view.ControlCode() && b == '#') return ScanControlCode();
    return false;
}

bool TEditorParser::ScanRightBracket() {
    const std::string& right = FView->Brackets().Items(FBracketState)->RightBracket();
    FToken = TEditorTokenKind::toBracket;
    if (right.empty()) {
        ToEndOfText();
        return true;
    }
    while (!IsEnd(*FPos)) {
        if (StartsWith(FPos, right)) {
            FPos += right.size();
            FBracketState = OutsideBrackets;
            return true;
        }
        FPos = NextChar(FPos);
    }
    return true;
}

bool TEditorParser::ScanMail() {
    bool at = false, dot = false;
    ++FPos;
    while (Is(*FPos, ccMail)) {
        if (*FPos == '@')
            at = true;
        else if (*FPos == '.' && at)
            dot = true;
        ++FPos;
    }
    if (!(at && dot)) return false;
    FToken = TEditorTokenKind::toMail;
    return true;
}

bool TEditorParser::ScanUrl() {
    static const std::string ftp = "ftp:", http = "http:", https = "https:", www = "www.";
    const std::string* prefix = nullptr;
    switch (*FPos) {
    case 'f':
        if (StartsWith(FPos, ftp)) prefix = &ftp;
        break;
    case 'h':
        if (StartsWith(FPos, http))
            prefix = &http;
        else if (StartsWith(FPos, https))
            prefix = &https;
        break;
    case 'w':
        if (StartsWith(FPos, www)) prefix = &www;
        break;
    default:
        break;
    }
    if (!prefix) return false;
    FPos += prefix->size();
    while (Is(*FPos, ccUrl))
        ++FPos;
    FToken = TEditorTokenKind::toUrl;
    return true;
}

// "$", "\" and "=" escape the byte after them: such a pair is compared with
// the marker but never completes it, so "$#" and "\#" start no comment.
bool TEditorParser::ScanPerlComment() {
    const std::string& marker = FView->PerlCommenter();
    for (std::size_t i = 0; i < marker.size(); ++i) {
        const unsigned char m = static_cast<unsigned char>(marker[i]);
        const unsigned char c = *FPos;
        if (c == '$' || c == '\\' || c == '=') {
            if (FPos[1] == 0 || FPos[1] != m || i + 1 == marker.size()) return false;
            FPos += 2;
            continue;
        }
        if (c == 0 || c != m) return false;
        ++FPos;
    }
    ToEndOfText();
    FToken = TEditorTokenKind::toPerlComment;
    return true;
}

bool TEditorParser::ScanPerlVar() {
    switch (*FPos) {
    case '$':
        ++FPos;
        while (Is(*FPos, ccScalar))
            ++FPos;
        break;
    case '&':
        ++FPos;
        while (Is(*FPos, ccIdent) || *FPos == '\'')
            ++FPos;
        break;
    case '%':
    case '@':
    case '*':
    case '+':
        ++FPos;
        while (Is(*FPos, ccIdent))
            ++FPos;
        break;
    case '/':
    case '\\':
        ++FPos;
        while (*FPos == '"' || *FPos == '\'')
            ++FPos;
        break;
    default:
        return false;
    }
    FToken = TEditorTokenKind::toPerlVar;
    return true;
}

void TEditorParser::ScanQuoted(unsigned char Quote) {
    ++FPos;
    while (!IsEnd(*FPos)) {
        if (*FPos == Quote) {
            if (FPos[1] != Quote) {
                ++FPos;
                break;
            }
            ++FPos; // a doubled quote stays inside
        }
        ++FPos;
    }
    FToken = TEditorTokenKind::toString;
}

void TEditorParser::ScanPerlQuoted(unsigned char Quote) {
    ++FPos;
    while (!IsEnd(*FPos)) {
        if (*FPos == '\\') {
            ++FPos;
            if (IsEnd(*FPos)) break;
        } else if (*FPos == Quote) {
            if (FPos[1] != Quote) {
                ++FPos;
                break;
            }
            ++FPos;
        }
        ++FPos;
    }
    FToken = TEditorTokenKind::toPerlString;
}

bool TEditorParser::ScanHex() {
    const std::string& prefix = FView->HexPrefix();
    if (!StartsWith(FPos, prefix)) return false;
    FPos += prefix.size();
    while (Is(*FPos, ccHex))
        ++FPos;
    FToken = TEditorTokenKind::toInteger;
    return true;
}

bool TEditorParser::ScanControlCode() {
    ++FPos;
    if (*FPos == '$') {
        ++FPos;
        while (Is(*FPos, ccHex))
            ++FPos;
    } else {
        while (Is(*FPos, ccDigit))
            ++FPos;
    }
    FToken = TEditorTokenKind::toString;
    return true;
}

void TEditorParser::GeneralScan() {
    const unsigned char b = FPos[0];
    const unsigned char t = FPos[1]; // in bounds: b is not the terminator
    if (IsSjisLeadByte(b)) {
        if (t == 0) { // a lead byte cut off by the end of the text
            ++FPos;
            FToken = TEditorTokenKind::toSymbol;
            return;
        }
        if (b == 0x82 && t >= 0x4F && t <= 0x58) {
            FToken = TEditorTokenKind::toDBInt;
            while ((FPos[0] == 0x82 && FPos[1] >= 0x4F && FPos[1] <= 0x58) ||
                   (FPos[0] == 0x81 && (FPos[1] == 0x43 || FPos[1] == 0x44)))
                FPos += 2;
        } else if (b == 0x82 && t >= 0x60 && t <= 0x9A) {
            FToken = TEditorTokenKind::toDBAlph;
            while (FPos[0] == 0x82 && FPos[1] >= 0x60 && FPos[1] <= 0x9A)
                FPos += 2;
        } else if (b == 0x82 && t >= 0x9F && t <= 0xF1) {
            FToken = TEditorTokenKind::toDBHira;
            while ((FPos[0] == 0x82 && FPos[1] >= 0x9F && FPos[1] <= 0xF1) ||
                   (FPos[0] == 0x81 && (FPos[1] == 0x5B || FPos[1] == 0x7C)))
                FPos += 2;
        } else if (b == 0x83 && t >= 0x40 && t <= 0x96) {
            FToken = TEditorTokenKind::toDBKana;
            while ((FPos[0] == 0x83 && FPos[1] >= 0x40 && FPos[1] <= 0x96) ||
                   (FPos[0] == 0x81 && (FPos[1] == 0x5B || FPos[1] == 0x7C)))
                FPos += 2;
        } else if (b == 0x83 && t >= 0x9F && t <= 0xF0) {
            FToken = TEditorTokenKind::toDBSymbol;
            while (FPos[0] == 0x83 && FPos[1] >= 0x9F && FPos[1] <= 0xF0)
                FPos += 2;
        } else if (b >= 0x84 && b <= 0x87) {
            FToken = TEditorTokenKind::toDBSymbol;
            while (FPos[0] >= 0x84 && FPos[0] <= 0x87 && FPos[1] != 0)
                FPos += 2;
        } else if (b >= 0x88) {
            FToken = TEditorTokenKind::toDBKanji;
            while (((FPos[0] >= 0x88 && FPos[0] <= 0x9F) || (FPos[0] >= 0xE0 && FPos[0] <= 0xFC)) &&
                   FPos[1] != 0)
                FPos += 2;
        } else {
            // 0x81 symbols, and unassigned codes after 0x82 and 0x83: one
            // whole character, so that no token splits it.
            FToken = TEditorTokenKind::toDBSymbol;
            FPos += 2;
        }
        return;
    }
    if (b >= 0xA1 && b <= 0xA5) {
        ++FPos;
        FToken = TEditorTokenKind::toKanaSymbol;
    } else if (b >= 0xA6 && b <= 0xDF) {
        while (*FPos >= 0xA6 && *FPos <= 0xDF)
            ++FPos;
        FToken = TEditorTokenKind::toKana;
    } else if (b == 9) {
        ++FPos;
        FToken = TEditorTokenKind::toTab;
    } else if (Is(b, ccIdStart)) {
        while (Is(*FPos, ccIdent))
            ++FPos;
        FToken = TEditorTokenKind::toAnk;
    } else if (Is(b, ccDigit)) {
        ScanNumber();
    } else {
        ++FPos;
        FToken = TEditorTokenKind::toSymbol;
    }
}

void TEditorParser::ScanNumber() {
    while (Is(*FPos, ccDigit))
        ++FPos;
    FToken = TEditorTokenKind::toInteger;
    if (*FPos == '.') {
        FToken = TEditorTokenKind::toFloat;
        const unsigned char after = FPos[1];
        if (Is(after, ccDigit)) {
            FPos += 2;
            while (Is(*FPos, ccDigit))
                ++FPos;
            if (*FPos == 'E' || *FPos == 'e') ScanExponent();
        } else if (after == 'E' || after == 'e') {
            ++FPos;
            ScanExponent();
        }
    } else if (*FPos == 'E' || *FPos == 'e') {
        FToken = TEditorTokenKind::toFloat;
        ScanExponent();
    }
}

// At "E" or "e": the letter, then a sign and digits, or digits.
void TEditorParser::ScanExponent() {
    ++FPos;
    if ((*FPos == '+' || *FPos == '-') && Is(FPos[1], ccDigit)) ++FPos;
    while (Is(*FPos, ccDigit))
        ++FPos;
}
