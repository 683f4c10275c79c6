#pragma once
// One complete set of a control's appearance settings, held apart from any control:
// the host keeps one per edit mode and copies it to the editor in one step.  Copying
// between two sets lives here; copying to and from a control comes with the control.
#include "base/font.h"
#include "base/platform_values.h"
#include "editor/view_info.h"
#include "editor/view_settings.h"
#include "editor/word_list.h"
#include "editor/word_wrap.h"

#include <functional>

enum class TScrollStyle : unsigned char { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TBorderStyle : unsigned char { bsNone, bsSingle };

class TEditorProp {
public:
    TEditorProp();
    TEditorProp(const TEditorProp&) = delete;
    TEditorProp& operator=(const TEditorProp&) = delete;
    virtual ~TEditorProp() = default;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TEditorCaret& Caret() { return FCaret; }
    const TEditorCaret& Caret() const { return FCaret; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    TEditorMargin& Margin() { return FMargin; }
    const TEditorMargin& Margin() const { return FMargin; }
    TEditorMarks& Marks() { return FMarks; }
    const TEditorMarks& Marks() const { return FMarks; }
    TWordList& ReserveWordList() { return FReserveWordList; }
    const TWordList& ReserveWordList() const { return FReserveWordList; }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TEditorViewInfo& View() { return FView; }
    const TEditorViewInfo& View() const { return FView; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TEditorWrapOption& WrapOption() { return FWrapOption; }
    const TEditorWrapOption& WrapOption() const { return FWrapOption; }

    // Called after Color, ScrollBars or WordWrap changed.
    std::function<void()> OnColorChanged;
    std::function<void()> OnScrollBarsChanged;
    std::function<void()> OnWordWrapChanged;

    // Copies every field of Source, in field order: Color, Caret, Font, Margin, Marks,
    // ReserveWordList, ScrollBars, View, WordWrap, WrapOption.
    virtual void Assign(const TEditorProp& Source);

private:
    TColor FColor = clWindow;
    TEditorCaret FCaret;
    TFont FFont;
    TEditorMargin FMargin;
    TEditorMarks FMarks;
    TWordList FReserveWordList;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
    TEditorViewInfo FView;
    bool FWordWrap = false;
    TEditorWrapOption FWrapOption;
};
