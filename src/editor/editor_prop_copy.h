#pragma once
// Copying a TEditorProp settings set to and from a TEditor, in one step each.  The two
// stay independent: copying does not link them.
class TEditor;
class TEditorProp;

// Takes the control's Color, Caret, Font, Margin, Marks, ReserveWordList, ScrollBars,
// View, WordWrap and WrapOption, in this order.
void AssignEditorProp(TEditorProp& Prop, TEditor& Editor);
// Sets the control's Color, Caret, Font, Margin, Marks, ReserveWordList, ScrollBars,
// View, WordWrap and then WrapOption (word wrap is switched before the options change).
void AssignEditorPropTo(const TEditorProp& Prop, TEditor& Editor);
