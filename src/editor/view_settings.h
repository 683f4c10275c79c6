#pragma once
// The control's small settings objects: cursors, caret behaviour, margins,
// marks and colours.  Setters that notify call Changed() only when the value
// differs; the others are plain field writes that take effect when the
// control next reads the field.
#include "base/notify_persistent.h"
#include "base/platform_values.h"

// Stores Value and calls Owner.Changed() when it differs from Field.
template <typename T> void UpdateSetting(TNotifyPersistent& Owner, T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Owner.Changed();
}

class TEditorCursors : public TNotifyPersistent {
public:
    void Assign(const TNotifyPersistent& Source) override;

    TCursor DefaultCursor() const { return FDefaultCursor; }
    TCursor DragSelCursor() const { return FDragSelCursor; }
    TCursor InSelCursor() const { return FInSelCursor; }
    TCursor LeftMarginCursor() const { return FLeftMarginCursor; }
    void SetDefaultCursor(TCursor Value) { FDefaultCursor = Value; }
    void SetDragSelCursor(TCursor Value) { FDragSelCursor = Value; }
    void SetInSelCursor(TCursor Value) { FInSelCursor = Value; }
    void SetLeftMarginCursor(TCursor Value) { FLeftMarginCursor = Value; }

private:
    TCursor FDefaultCursor = crIBeam;
    TCursor FDragSelCursor = crDrag;
    TCursor FInSelCursor = crDefault;
    TCursor FLeftMarginCursor = crRightArrow;
};

enum class TDragMode { dmManual, dmAutomatic };
enum class TEditorCaretStyle { csDefault, csBrief };

class TEditorCaret : public TNotifyPersistent {
public:
    TEditorCaret();
    void Assign(const TNotifyPersistent& Source) override;

    TEditorCursors& Cursors() { return FCursors; }
    const TEditorCursors& Cursors() const { return FCursors; }

    bool AutoIndent() const { return FAutoIndent; }
    bool FreeCaret() const { return FFreeCaret; }
    bool InTab() const { return FInTab; }
    bool KeepCaret() const { return FKeepCaret; }
    bool LockScroll() const { return FLockScroll; }
    bool NextLine() const { return FNextLine; }
    bool PrevSpaceIndent() const { return FPrevSpaceIndent; }
    bool RowSelect() const { return FRowSelect; }
    TDragMode SelDragMode() const { return FSelDragMode; }
    bool SelMove() const { return FSelMove; }
    bool SoftTab() const { return FSoftTab; }
    TEditorCaretStyle Style() const { return FStyle; }
    bool TabIndent() const { return FTabIndent; }
    int TabSpaceCount() const { return FTabSpaceCount; }

    void SetAutoIndent(bool Value) { FAutoIndent = Value; }
    void SetFreeCaret(bool Value) { FFreeCaret = Value; }
    void SetInTab(bool Value) { FInTab = Value; }
    void SetKeepCaret(bool Value) { FKeepCaret = Value; }
    void SetLockScroll(bool Value) { FLockScroll = Value; }
    void SetNextLine(bool Value) { FNextLine = Value; }
    void SetPrevSpaceIndent(bool Value) { FPrevSpaceIndent = Value; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    void SetSelDragMode(TDragMode Value) { FSelDragMode = Value; }
    void SetSelMove(bool Value) { FSelMove = Value; }
    void SetSoftTab(bool Value) { FSoftTab = Value; }
    void SetStyle(TEditorCaretStyle Value);
    void SetTabIndent(bool Value) { FTabIndent = Value; }
    // Clamped to 2 ... 8 and rounded down to an even count.
    void SetTabSpaceCount(int Value);

private:
    bool FAutoIndent = true;
    TEditorCursors FCursors;
    bool FFreeCaret = true;
    bool FInTab = false;
    bool FKeepCaret = false;
    bool FLockScroll = false;
    bool FNextLine = false;
    bool FPrevSpaceIndent = false;
    bool FRowSelect = true;
    TDragMode FSelDragMode = TDragMode::dmAutomatic;
    bool FSelMove = true;
    bool FSoftTab = false;
    TEditorCaretStyle FStyle = TEditorCaretStyle::csDefault;
    bool FTabIndent = false;
    int FTabSpaceCount = 8;
};

class TEditorMargin : public TNotifyPersistent {
public:
    void Assign(const TNotifyPersistent& Source) override;

    int Character() const { return FCharacter; }
    int Left() const { return FLeft; }
    int Line() const { return FLine; }
    int Top() const { return FTop; }
    // Clamped to 0 ... 100.
    void SetCharacter(int Value);
    void SetLeft(int Value);
    void SetLine(int Value);
    void SetTop(int Value);

    // The pixel (0 or 1) the control adds to the row height for the caret
    // row underline; set by the control, not published.
    int UnderlinePixel() const { return FUnderlinePixel; }
    void SetUnderlinePixel(int Value) { FUnderlinePixel = Value; }

private:
    int FCharacter = 0;
    int FLeft = 19;
    int FLine = 0;
    int FTop = 2;
    int FUnderlinePixel = 0;
};

class TEditorMark : public TNotifyPersistent {
public:
    void Assign(const TNotifyPersistent& Source) override;

    TColor Color() const { return FColor; }
    bool Visible() const { return FVisible; }
    void SetColor(TColor Value);
    void SetVisible(bool Value);

private:
    TColor FColor = clGray;
    bool FVisible = false;
};

class TEditorMarks : public TNotifyPersistent {
public:
    TEditorMarks();
    void Assign(const TNotifyPersistent& Source) override;

    TEditorMark& EofMark() { return FEofMark; }
    TEditorMark& RetMark() { return FRetMark; }
    TEditorMark& Underline() { return FUnderline; }
    const TEditorMark& EofMark() const { return FEofMark; }
    const TEditorMark& RetMark() const { return FRetMark; }
    const TEditorMark& Underline() const { return FUnderline; }
    void SetEofMark(const TEditorMark& Value) { FEofMark.Assign(Value); }
    void SetRetMark(const TEditorMark& Value) { FRetMark.Assign(Value); }
    void SetUnderline(const TEditorMark& Value) { FUnderline.Assign(Value); }

private:
    TEditorMark FEofMark;
    TEditorMark FRetMark;
    TEditorMark FUnderline;
};

class TEditorColors;

class TEditorColor : public TNotifyPersistent {
public:
    TEditorColor() = default;
    TEditorColor(TColor BkColor, TColor Color) : FBkColor(BkColor), FColor(Color) {}
    void Assign(const TNotifyPersistent& Source) override;

    TColor BkColor() const { return FBkColor; }
    TColor Color() const { return FColor; }
    TFontStyles Style() const { return FStyle; }
    void SetBkColor(TColor Value);
    void SetColor(TColor Value);
    void SetStyle(TFontStyles Value);

private:
    friend class TEditorColors; // writes the fields of all entries at once
    TColor FBkColor = clWindow;
    TColor FColor = clWindowText;
    TFontStyles FStyle = TFontStyles();
};

class TEditorColors : public TNotifyPersistent {
public:
    TEditorColors();
    void Assign(const TNotifyPersistent& Source) override;

    // Every entry but Select gets the value; one notification follows.
    virtual void SetAllBkColor(TColor Value);
    virtual void SetAllColor(TColor Value);
    virtual void SetAllStyle(TFontStyles Value);

    TEditorColor& Ank() { return FAnk; }
    TEditorColor& Comment() { return FComment; }
    TEditorColor& DBCS() { return FDBCS; }
    TEditorColor& Int() { return FInt; }
    TEditorColor& Mail() { return FMail; }
    TEditorColor& Reserve() { return FReserve; }
    TEditorColor& Select() { return FSelect; }
    TEditorColor& Str() { return FStr; }
    TEditorColor& Symbol() { return FSymbol; }
    TEditorColor& Url() { return FUrl; }
    const TEditorColor& Ank() const { return FAnk; }
    const TEditorColor& Comment() const { return FComment; }
    const TEditorColor& DBCS() const { return FDBCS; }
    const TEditorColor& Int() const { return FInt; }
    const TEditorColor& Mail() const { return FMail; }
    const TEditorColor& Reserve() const { return FReserve; }
    const TEditorColor& Select() const { return FSelect; }
    const TEditorColor& Str() const { return FStr; }
    const TEditorColor& Symbol() const { return FSymbol; }
    const TEditorColor& Url() const { return FUrl; }
    void SetAnk(const TEditorColor& Value) { FAnk.Assign(Value); }
    void SetComment(const TEditorColor& Value) { FComment.Assign(Value); }
    void SetDBCS(const TEditorColor& Value) { FDBCS.Assign(Value); }
    void SetInt(const TEditorColor& Value) { FInt.Assign(Value); }
    void SetMail(const TEditorColor& Value) { FMail.Assign(Value); }
    void SetReserve(const TEditorColor& Value) { FReserve.Assign(Value); }
    void SetSelect(const TEditorColor& Value) { FSelect.Assign(Value); }
    void SetStr(const TEditorColor& Value) { FStr.Assign(Value); }
    void SetSymbol(const TEditorColor& Value) { FSymbol.Assign(Value); }
    void SetUrl(const TEditorColor& Value) { FUrl.Assign(Value); }

private:
    // The entries SetAll... writes, in their order (all but Select).
    TEditorColor* AllButSelect(int Index);

    TEditorColor FAnk;
    TEditorColor FComment;
    TEditorColor FDBCS;
    TEditorColor FInt;
    TEditorColor FMail;
    TEditorColor FReserve;
    TEditorColor FSelect{clNavy, clWhite};
    TEditorColor FStr;
    TEditorColor FSymbol;
    TEditorColor FUrl;
};
