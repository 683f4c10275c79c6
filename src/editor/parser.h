#pragma once
// The colouring parser: cuts one row of Shift_JIS text (or a row with its
// soft-wrapped neighbours) into tokens and gives each a kind.  With a view
// it applies that view's rules (multi-row bracket pairs, comments, strings,
// URLs, mail addresses, Perl variables, hexadecimal numbers, Pascal control
// codes); without one only the general scan by character class runs.
//
// Usage: construct over a string; while Token() != toEOF, read SourcePos(),
// TokenString() and Token(), then NextToken().
#include <cstdint>
#include <memory>
#include <string>

class TEditorViewInfo;

// Token kinds; the values are stored and compared by the painter, word
// moves and token selection.  5, 10 and 13 are never produced.
enum class TEditorTokenKind : std::uint8_t {
    toEOF = 0,
    toSymbol = 1,
    toString = 2,
    toInteger = 3,
    toFloat = 4,
    toBracket = 6,
    toComment = 7,
    toAnk = 8,
    toTab = 9,
    toDBSymbol = 11,
    toDBInt = 12,
    toDBAlph = 14,
    toDBHira = 15,
    toDBKana = 16,
    toDBKanji = 17,
    toKanaSymbol = 18,
    toKana = 19,
    toUrl = 20,
    toMail = 21,
    toPerlComment = 90,
    toPerlString = 91,
    toPerlVar = 92,
};

class TEditorParser {
public:
    // Bracket state: outside any bracket pair.
    static constexpr int OutsideBrackets = -1;
    // Bracket state: bracket pairs are not recognised at all.
    static constexpr int BracketsOff = -2;

    // A parser without view: general scan only.
    explicit TEditorParser(const std::string& Text);
    // A parser with the rules of View (may be null) starting in bracket
    // state State.
    TEditorParser(const std::string& Text, int State, const TEditorViewInfo* View);
    TEditorParser(const TEditorParser&) = delete;
    TEditorParser& operator=(const TEditorParser&) = delete;
    virtual ~TEditorParser() = default;

    static std::unique_ptr<TEditorParser> Create(const std::string& Text);
    static std::unique_ptr<TEditorParser> CreateEx(const std::string& Text, int State,
                                                   const TEditorViewInfo* View);

    // Reads the next token: its start, its end (the current position) and
    // its kind; may change the bracket state and the token bracket index.
    virtual void NextToken();
    // Advances over spaces and control characters other than the tab.
    virtual void SkipBlanks();

    TEditorTokenKind Token() const { return FToken; }
    // The token start as a byte offset into the text.
    int SourcePos() const { return static_cast<int>(FTokenStart - FBuffer.get()); }
    // The length of the current token in bytes.
    int TokenLength() const { return static_cast<int>(FPos - FTokenStart); }
    // The bytes of the current token.
    std::string TokenString() const;

    int BracketState() const { return FBracketState; }
    // The bracket pair of the last bracket token; BracketsOff when none.
    int TokenBracketIndex() const { return FTokenBracketIndex; }
    const TEditorViewInfo* View() const { return FView; }
    int TextLength() const { return FLength; }

protected:
    // Starts over at the beginning of the text in bracket state State and
    // reads the first token; lets a derived class read its own first token.
    void Restart(int State);

private:
    using Ptr = const unsigned char*;

    bool ViewRules();
    bool ScanRightBracket();
    bool ScanMail();
    bool ScanUrl();
    bool ScanPerlComment();
    bool ScanPerlVar();
    void ScanQuoted(unsigned char Quote);
    void ScanPerlQuoted(unsigned char Quote);
    bool ScanHex();
    bool ScanControlCode();
    void GeneralScan();
    void ScanNumber();
    void ScanExponent();
    void ToEndOfText();

    const TEditorViewInfo* FView = nullptr;
    int FBracketState;
    int FTokenBracketIndex;
    std::unique_ptr<unsigned char[]> FBuffer; // the text and a zero byte
    int FLength;
    Ptr FPos;
    Ptr FTokenStart;
    TEditorTokenKind FToken = TEditorTokenKind::toEOF;
};
