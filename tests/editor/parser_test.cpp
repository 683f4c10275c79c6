#include "editor/parser.h"
#include "editor/view_info.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Tok {
    int kind;
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
    while (p.Token() != toEOF) {
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
    std::vector<Tok> want = {{toAnk, "a"}, {toSymbol, "="}, {toInteger, "1"}, {toSymbol, ";"},
                             {toComment, "// note  x"}};
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
    EXPECT_EQ((Tok{toBracket, "/* y"}), first[1]);
    auto second = Scan("z */ w", &v, state, &state);
    std::vector<Tok> want = {{toBracket, "z */"}, {toAnk, "w"}};
    EXPECT_EQ(want, second);
    EXPECT_EQ(-1, state);
    // Recognition off: the bracket text is ordinary symbols.
    EXPECT_EQ(toSymbol, Scan("/*", &v, -2)[0].kind);
}

TEST(Parser, UrlAndMail) {
    TEditorViewInfo v;
    v.SetUrl(true);
    v.SetMail(true);
    std::string url = "https://example.com/a/b?x=1&y=2#top";
    EXPECT_EQ((std::vector<Tok>{{toUrl, url}}), Scan(url, &v));
    EXPECT_NE(toUrl, Scan("HTTP://example.com", &v)[0].kind);
    EXPECT_EQ((std::vector<Tok>{{toMail, "taro.y@example.jp"}}), Scan("taro.y@example.jp", &v));
    auto nomail = Scan("taro@example", &v);
    EXPECT_EQ(toAnk, nomail[0].kind);
    EXPECT_EQ("taro", nomail[0].text);
}

TEST(Parser, Numbers) {
    std::vector<Tok> a = {{toFloat, "12"}, {toSymbol, "."}};
    EXPECT_EQ(a, Scan("12. "));
    EXPECT_EQ((std::vector<Tok>{{toFloat, "1.5e-10"}}), Scan("1.5e-10"));
    EXPECT_EQ((std::vector<Tok>{{toFloat, "1E"}}), Scan("1E "));
    EXPECT_EQ((std::vector<Tok>{{toFloat, "3.e5"}}), Scan("3.e5"));
}

TEST(Parser, PerlRules) {
    TEditorViewInfo v;
    v.SetPerlCommenter("#");
    v.SetPerlQuotation("'");
    std::vector<Tok> a = {{toPerlVar, "$#list"}, {toPerlComment, "# rest"}};
    EXPECT_EQ(a, Scan("$#list # rest", &v));
    EXPECT_EQ(toPerlVar, Scan("\\#", &v)[0].kind);
    EXPECT_EQ((std::vector<Tok>{{toPerlString, "\"a\\\"b\""}}), Scan("\"a\\\"b\"", &v));
    EXPECT_EQ((std::vector<Tok>{{toPerlString, "'it''s'"}}), Scan("'it''s'", &v));
    // A backslash before the end of the text does not run past it.
    EXPECT_EQ((std::vector<Tok>{{toPerlString, "'ab\\"}}), Scan("'ab\\", &v));
}

TEST(Parser, ControlCodeAndHex) {
    TEditorViewInfo v;
    v.SetControlCode(true);
    v.SetHexPrefix("$");
    EXPECT_EQ((std::vector<Tok>{{toString, "#13"}, {toString, "#10"}}), Scan("#13#10", &v));
    EXPECT_EQ((std::vector<Tok>{{toString, "#$0D"}}), Scan("#$0D", &v));
    EXPECT_EQ((std::vector<Tok>{{toInteger, "$FF"}, {toAnk, "g"}}), Scan("$FFg", &v));
}

TEST(Parser, StringsWithDoubledQuote) {
    TEditorViewInfo v;
    v.SetQuotation("'");
    EXPECT_EQ((std::vector<Tok>{{toString, "'a''b'"}, {toAnk, "c"}}), Scan("'a''b'c", &v));
    EXPECT_EQ((std::vector<Tok>{{toString, "'open  "}}), Scan("'open  ", &v));
}

TEST(Parser, DoubleByteRuns) {
    // Full-width space is one symbol; kanji, hiragana with the prolonged mark,
    // katakana, full-width digits and letters form runs.
    auto t = Scan("\x81\x40\x8A\xBF\x8E\x9A\x82\xA0\x81\x5B\x83\x41\x83\x43\x82\x50\x81\x44\x82\x51"
                  "\x82\x60\xB1\xB2\xA1\t");
    std::vector<int> kinds;
    for (auto& x : t) kinds.push_back(x.kind);
    EXPECT_EQ((std::vector<int>{toDBSymbol, toDBKanji, toDBHira, toDBKana, toDBInt, toDBAlph,
                                toKana, toKanaSymbol, toTab}),
              kinds);
    EXPECT_EQ("\x82\xA0\x81\x5B", t[2].text);
    EXPECT_EQ("\x82\x50\x81\x44\x82\x51", t[4].text);
    // An unassigned code is one whole character, never half of it.
    EXPECT_EQ((std::vector<Tok>{{toDBSymbol, "\x82\x40"}}), Scan("\x82\x40"));
    // A lead byte cut off at the end of the text.
    EXPECT_EQ((std::vector<Tok>{{toSymbol, "\x88"}}), Scan("\x88"));
}

TEST(Parser, SourcePosSkipsBlanksAndStopsAtLineEnd) {
    TEditorParser p("  ab\r\ncd");
    EXPECT_EQ(2, p.SourcePos());
    EXPECT_EQ("ab", p.TokenString());
    p.NextToken();
    EXPECT_EQ(6, p.SourcePos());
    TEditorParser q(std::string("x\0y", 3));
    q.NextToken();
    EXPECT_EQ(toEOF, q.Token());
}
