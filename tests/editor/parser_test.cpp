#include "editor/parser.h"
#include "editor/view_info.h"
#include "support/enum_print.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Tok {
    TEditorTokenKind kind;
    std::string text;
    bool operator==(const Tok& o) const { return kind == o.kind && text == o.text; }
};

std::ostream& operator<<(std::ostream& os, const Tok& t) {
    return os << "(" << t.kind << " '" << t.text << "')";
}

std::vector<Tok> Scan(const std::string& s, const TEditorViewInfo* view = nullptr, int state = -1,
                      int* endState = nullptr) {
    TEditorParser p(s, state, view);
    std::vector<Tok> out;
    while (p.Token() != TEditorTokenKind::toEOF) {
        out.push_back({p.Token(), p.TokenString()});
        p.NextToken();
    }
    if (endState) *endState = p.BracketState();
    return out;
}

}  // namespace

TEST(Parser, CommentAfterStatement) {
    TEditorViewInfo v;
    v.SetCommenter("//");
    std::vector<Tok> want = {{TEditorTokenKind::toAnk, "a"},
                             {TEditorTokenKind::toSymbol, "="},
                             {TEditorTokenKind::toInteger, "1"},
                             {TEditorTokenKind::toSymbol, ";"},
                             {TEditorTokenKind::toComment, "// note  x"}};
    EXPECT_EQ(want, Scan("a = 1; // note  x", &v));
}

TEST(Parser, BracketCarriedOverRows) {
    TEditorViewInfo v;
    auto* b = v.Brackets().Add();
    b->SetLeftBracket("/*");
    b->SetRightBracket("*/");
    int state = 99;
    auto first = Scan("x /* y", &v, -1, &state);
    EXPECT_EQ(0, state);
    ASSERT_EQ(2u, first.size());
    EXPECT_EQ((Tok{TEditorTokenKind::toBracket, "/* y"}), first[1]);
    auto second = Scan("z */ w", &v, state, &state);
    std::vector<Tok> want = {{TEditorTokenKind::toBracket, "z */"}, {TEditorTokenKind::toAnk, "w"}};
    EXPECT_EQ(want, second);
    EXPECT_EQ(-1, state);
    // Recognition off: the bracket text is ordinary symbols.
    EXPECT_EQ(TEditorTokenKind::toSymbol, Scan("/*", &v, -2)[0].kind);
}

TEST(Parser, UrlAndMail) {
    TEditorViewInfo v;
    v.SetUrl(true);
    v.SetMail(true);
    std::string url = "https://example.com/a/b?x=1&y=2#top";
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toUrl, url}}), Scan(url, &v));
    EXPECT_NE(TEditorTokenKind::toUrl, Scan("HTTP://example.com", &v)[0].kind);
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toMail, "taro.y@example.jp"}}),
              Scan("taro.y@example.jp", &v));
    auto nomail = Scan("taro@example", &v);
    EXPECT_EQ(TEditorTokenKind::toAnk, nomail[0].kind);
    EXPECT_EQ("taro", nomail[0].text);
}

TEST(Parser, Numbers) {
    std::vector<Tok> a = {{TEditorTokenKind::toFloat, "12"}, {TEditorTokenKind::toSymbol, "."}};
    EXPECT_EQ(a, Scan("12. "));
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toFloat, "1.5e-10"}}), Scan("1.5e-10"));
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toFloat, "1E"}}), Scan("1E "));
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toFloat, "3.e5"}}), Scan("3.e5"));
}

TEST(Parser, PerlRules) {
    TEditorViewInfo v;
    v.SetPerlCommenter("#");
    v.SetPerlQuotation("'");
    std::vector<Tok> a = {{TEditorTokenKind::toPerlVar, "$#list"},
                          {TEditorTokenKind::toPerlComment, "# rest"}};
    EXPECT_EQ(a, Scan("$#list # rest", &v));
    EXPECT_EQ(TEditorTokenKind::toPerlVar, Scan("\\#", &v)[0].kind);
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toPerlString, "\"a\\\"b\""}}),
              Scan("\"a\\\"b\"", &v));
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toPerlString, "'it''s'"}}), Scan("'it''s'", &v));
    // A backslash before the end of the text does not run past it.
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toPerlString, "'ab\\"}}), Scan("'ab\\", &v));
}

TEST(Parser, ControlCodeAndHex) {
    TEditorViewInfo v;
    v.SetControlCode(true);
    v.SetHexPrefix("$");
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toString, "#13"},
                                {TEditorTokenKind::toString, "#10"}}),
              Scan("#13#10", &v));
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toString, "#$0D"}}), Scan("#$0D", &v));
    EXPECT_EQ(
        (std::vector<Tok>{{TEditorTokenKind::toInteger, "$FF"}, {TEditorTokenKind::toAnk, "g"}}),
        Scan("$FFg", &v));
}

TEST(Parser, StringsWithDoubledQuote) {
    TEditorViewInfo v;
    v.SetQuotation("'");
    EXPECT_EQ(
        (std::vector<Tok>{{TEditorTokenKind::toString, "'a''b'"}, {TEditorTokenKind::toAnk, "c"}}),
        Scan("'a''b'c", &v));
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toString, "'open  "}}), Scan("'open  ", &v));
}

TEST(Parser, DoubleByteRuns) {
    // Full-width space is one symbol; kanji, hiragana with the prolonged mark,
    // katakana, full-width digits and letters form runs.
    auto t = Scan("\x81\x40\x8A\xBF\x8E\x9A\x82\xA0\x81\x5B\x83\x41\x83\x43\x82\x50\x81\x44\x82\x51"
                  "\x82\x60\xB1\xB2\xA1\t");
    std::vector<TEditorTokenKind> kinds;
    for (auto& x : t) kinds.push_back(x.kind);
    EXPECT_EQ(
        (std::vector<TEditorTokenKind>{
            TEditorTokenKind::toDBSymbol, TEditorTokenKind::toDBKanji, TEditorTokenKind::toDBHira,
            TEditorTokenKind::toDBKana, TEditorTokenKind::toDBInt, TEditorTokenKind::toDBAlph,
            TEditorTokenKind::toKana, TEditorTokenKind::toKanaSymbol, TEditorTokenKind::toTab}),
        kinds);
    EXPECT_EQ("\x82\xA0\x81\x5B", t[2].text);
    EXPECT_EQ("\x82\x50\x81\x44\x82\x51", t[4].text);
    // An unassigned code is one whole character, never half of it.
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toDBSymbol, "\x82\x40"}}), Scan("\x82\x40"));
    // A lead byte cut off at the end of the text.
    EXPECT_EQ((std::vector<Tok>{{TEditorTokenKind::toSymbol, "\x88"}}), Scan("\x88"));
}

TEST(Parser, SourcePosSkipsBlanksAndStopsAtLineEnd) {
    TEditorParser p("  ab\r\ncd");
    EXPECT_EQ(2, p.SourcePos());
    EXPECT_EQ("ab", p.TokenString());
    p.NextToken();
    EXPECT_EQ(6, p.SourcePos());
    TEditorParser q(std::string("x\0y", 3));
    q.NextToken();
    EXPECT_EQ(TEditorTokenKind::toEOF, q.Token());
}
