#include "platform/headless/fake_desktop.h"

#include <algorithm>
#include <stdexcept>

TWindowHandle TFakeDesktop::AddWindow(const std::string& ClassName, const std::string& Caption,
                                      TWindowHandle Owner) {
    const TWindowHandle Handle = FNext;
    FNext += 0x10;
    TWindow& W = FWindows[Handle];
    W.ClassName = ClassName;
    W.Caption = Caption;
    W.Owner = Owner;
    StackingOrder.push_back(Handle);
    return Handle;
}

TFakeDesktop::TWindow& TFakeDesktop::Window(TWindowHandle Handle) {
    auto It = FWindows.find(Handle);
    if (It == FWindows.end()) throw std::invalid_argument("no such window");
    return It->second;
}

std::vector<TFakeDesktop::TCall> TFakeDesktop::CallsOf(TCallKind Kind) const {
    std::vector<TCall> Result;
    for (const TCall& C : Calls)
        if (C.Kind == Kind) Result.push_back(C);
    return Result;
}

std::vector<TWindowHandle> TFakeDesktop::PlacedWindows() const {
    std::vector<TWindowHandle> Result;
    for (const TCall& C : CallsOf(ckPlace)) Result.push_back(C.Window);
    return Result;
}

void TFakeDesktop::Restack(TWindowHandle Window, bool ToTop) {
    std::vector<TWindowHandle> Moved, Rest;
    for (TWindowHandle H : StackingOrder)
        (H == Window || FWindows[H].Owner == Window ? Moved : Rest).push_back(H);
    // Owned windows stay above their owner.
    std::stable_partition(Moved.begin(), Moved.end(), [&](TWindowHandle H) { return H != Window; });
    StackingOrder = ToTop ? Moved : Rest;
    StackingOrder.insert(StackingOrder.end(), (ToTop ? Rest : Moved).begin(),
                         (ToTop ? Rest : Moved).end());
}

void TFakeDesktop::Activate(TWindowHandle Window) {
    Restack(Window, true);
    Foreground = Window;
}

std::vector<TWindowHandle> TFakeDesktop::WindowsOfClass(const std::string& ClassName) {
    std::vector<TWindowHandle> Result;
    for (TWindowHandle H : StackingOrder)
        if (FWindows[H].ClassName == ClassName && FWindows[H].Visible) Result.push_back(H);
    return Result;
}

std::vector<TTopLevelWindow> TFakeDesktop::TopLevelWindows() {
    std::vector<TTopLevelWindow> Result;
    for (TWindowHandle H : StackingOrder) {
        const TWindow& W = FWindows[H];
        Result.push_back(TTopLevelWindow{H, W.ClassName, W.Caption, W.Visible, W.Enabled});
    }
    return Result;
}

std::string TFakeDesktop::ChildText(TWindowHandle Window, const std::string& ChildClass,
                                    int MaxBytes) {
    const auto& Children = this->Window(Window).Children;
    auto It = Children.find(ChildClass);
    if (It == Children.end()) return std::string();
    return It->second.substr(0, static_cast<std::size_t>(std::max(MaxBytes, 0)));
}

std::string TFakeDesktop::Caption(TWindowHandle Window) { return this->Window(Window).Caption; }

TWindowHandle TFakeDesktop::Owner(TWindowHandle Window) {
    const TWindowHandle O = this->Window(Window).Owner;
    return O ? O : Window;
}

bool TFakeDesktop::IsMinimized(TWindowHandle Window) { return this->Window(Window).Minimized; }
bool TFakeDesktop::IsMaximized(TWindowHandle Window) { return this->Window(Window).Maximized; }
TWindowRect TFakeDesktop::Bounds(TWindowHandle Window) { return this->Window(Window).Bounds; }

void TFakeDesktop::PostUserMessage(TWindowHandle Window, unsigned Message) {
    this->Window(Window);
    Calls.push_back(TCall{ckPost, Window, Message});
}

void TFakeDesktop::SendUserMessage(TWindowHandle Window, unsigned Message) {
    this->Window(Window);
    Calls.push_back(TCall{ckSend, Window, Message});
}

void TFakeDesktop::Show(TWindowHandle Window, bool Maximized) {
    TWindow& W = this->Window(Window);
    Calls.push_back(TCall{ckShow, Window, 0, Maximized});
    W.Visible = true;
    W.Minimized = false;
    W.Maximized = Maximized;
    Activate(Window);
}

void TFakeDesktop::SetForeground(TWindowHandle Window) {
    this->Window(Window);
    Calls.push_back(TCall{ckForeground, Window});
    Activate(Window);
}

void TFakeDesktop::RequestMinimize(TWindowHandle Window) {
    this->Window(Window).Minimized = true;
    Calls.push_back(TCall{ckMinimize, Window});
    Restack(Window, false);
    if (Foreground == Window) Foreground = 0;
}

void TFakeDesktop::RequestRestore(TWindowHandle Window) {
    this->Window(Window).Minimized = false;
    Calls.push_back(TCall{ckRestore, Window});
    Activate(Window);
}

void TFakeDesktop::RestoreSize(TWindowHandle Window) {
    this->Window(Window).Maximized = false;
    Calls.push_back(TCall{ckRestoreSize, Window});
}

void TFakeDesktop::Place(TWindowHandle Window, const TWindowRect& Bounds, bool Activate) {
    TWindow& W = this->Window(Window);
    Calls.push_back(TCall{ckPlace, Window, 0, Activate, Bounds});
    W.Bounds = Bounds;
    if (Activate) this->Activate(Window);
}

void TFakeDesktop::SendToBack(TWindowHandle Window) {
    this->Window(Window);
    Calls.push_back(TCall{ckSendToBack, Window});
    Restack(Window, false);
}
