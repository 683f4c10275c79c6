#pragma once
// The colouring rules of a view: multi-row bracket pairs, the colour slots,
// comment markers, quote characters and the switches for hexadecimal
// numbers, Pascal control codes, URLs and mail addresses.
#include "editor/view_settings.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class TEditorBracketCollection;

// One multi-row bracket pair, such as "/*" ... "*/".
class TEditorBracketItem {
public:
    explicit TEditorBracketItem(TEditorBracketCollection* Collection) : FCollection(Collection) {}
    TEditorBracketItem(const TEditorBracketItem&) = delete;
    TEditorBracketItem& operator=(const TEditorBracketItem&) = delete;
    virtual ~TEditorBracketItem() = default;

    virtual void Assign(const TEditorBracketItem& Source);

    TEditorBracketCollection* Collection() const { return FCollection; }
    int Index() const;

    // Its own changes are not forwarded to the collection.
    TEditorColor& ItemColor() { return FItemColor; }
    const TEditorColor& ItemColor() const { return FItemColor; }
    void SetItemColor(const TEditorColor& Value) { FItemColor.Assign(Value); }
    const std::string& LeftBracket() const { return FLeftBracket; }
    const std::string& RightBracket() const { return FRightBracket; }
    void SetLeftBracket(const std::string& Value) { FLeftBracket = Value; }
    void SetRightBracket(const std::string& Value) { FRightBracket = Value; }

private:
    TEditorBracketCollection* FCollection;
    TEditorColor FItemColor;
    std::string FLeftBracket;
    std::string FRightBracket;
};

// Raised by TEditorBracketCollection::Add past the limit.
class EBracketCollectionFull : public std::length_error {
public:
    using std::length_error::length_error;
};

// The bracket pairs of a view.  A row state holds the index of the pair the
// row starts in, in four bits, which limits the list to 14 pairs.  Adding,
// deleting, clearing and the end of an update notify OnChange.
class TEditorBracketCollection : public TNotifyPersistent {
public:
    static constexpr int MaxCount = 14;

    void Assign(const TNotifyPersistent& Source) override;

    // Raises EBracketCollectionFull when MaxCount items exist.
    TEditorBracketItem* Add();
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index outside the list.
    TEditorBracketItem* Items(int Index) const;
    int IndexOf(const TEditorBracketItem* Item) const;

    virtual void SetAllBkColor(TColor Value);
    virtual void SetAllColor(TColor Value);
    virtual void SetAllStyle(TFontStyles Value);

protected:
    virtual std::unique_ptr<TEditorBracketItem> CreateItem();

private:
    std::vector<std::unique_ptr<TEditorBracketItem>> FItems;
};

class TEditorViewInfo : public TNotifyPersistent {
public:
    // Owner: the control or settings component this view belongs to.
    explicit TEditorViewInfo(void* Owner = nullptr);
    void Assign(const TNotifyPersistent& Source) override;

    TEditorBracketCollection& Brackets() { return FBrackets; }
    const TEditorBracketCollection& Brackets() const { return FBrackets; }
    void SetBrackets(const TEditorBracketCollection& Value) { FBrackets.Assign(Value); }
    TEditorColors& Colors() { return FColors; }
    const TEditorColors& Colors() const { return FColors; }
    void SetColors(const TEditorColors& Value) { FColors.Assign(Value); }

    const std::string& Commenter() const { return FCommenter; }
    const std::string& PerlCommenter() const { return FPerlCommenter; }
    bool ControlCode() const { return FControlCode; }
    const std::string& HexPrefix() const { return FHexPrefix; }
    bool Mail() const { return FMail; }
    const std::string& Quotation() const { return FQuotation; }
    const std::string& PerlQuotation() const { return FPerlQuotation; }
    bool Url() const { return FUrl; }

    void SetCommenter(const std::string& Value);
    void SetPerlCommenter(const std::string& Value);
    void SetControlCode(bool Value);
    void SetHexPrefix(const std::string& Value);
    void SetMail(bool Value);
    // Only the first byte of Value is kept.
    void SetQuotation(const std::string& Value);
    void SetPerlQuotation(const std::string& Value);
    void SetUrl(bool Value);

    void* Owner() const { return FOwner; }

private:
    TEditorBracketCollection FBrackets;
    TEditorColors FColors;
    std::string FCommenter;
    std::string FPerlCommenter;
    bool FControlCode = false;
    std::string FHexPrefix;
    bool FMail = false;
    std::string FQuotation;
    std::string FPerlQuotation;
    bool FUrl = false;
    void* FOwner;
};
